#pragma once

#include "config/CMouseProfile.h"

// The product's profile class. It changes nothing; profiles created by profile import carry it.
class CVantixProfile : public CMouseProfile
{
public:
    using CMouseProfile::CMouseProfile;
};
