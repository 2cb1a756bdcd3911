// The resolution and sensitivity stage operations of the configuration manager. Resolution
// setters also keep the manager's fallback stages, which answer when no profile is at hand.
#include "config/CMouseConfig.h"

#include "config/StageGroup.h"

int32_t* CMouseConfig::FallbackStage(std::vector<int32_t>& values, uint32_t stage) noexcept
{
    const int32_t index = StageGroup::StageIndex(stage, m_fallbackStageCount);
    if (index < 0 || static_cast<size_t>(index) >= values.size())
        return nullptr;
    return &values[static_cast<size_t>(index)];
}

void CMouseConfig::SetFallbackStageValue(std::vector<int32_t>& values, uint32_t stage, uint32_t value) noexcept
{
    if (int32_t* slot = FallbackStage(values, stage))
        *slot = StageGroup::ClampToRange(value, m_fallbackRangeMin, m_fallbackRangeMax);
}

int32_t CMouseConfig::GetFallbackStageValue(std::vector<int32_t>& values, uint32_t stage) noexcept
{
    const int32_t* slot = FallbackStage(values, stage);
    return slot != nullptr ? *slot : 0;
}

void CMouseConfig::SetResolutionStageSeparateXY(uint32_t stage, bool separate, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionStageSeparateXY(stage, separate);
    m_fallbackSeparateXY = separate;
}

bool CMouseConfig::GetResolutionStageSeparateXY(uint32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionStageSeparateXY(stage) : m_fallbackSeparateXY != 0;
}

void CMouseConfig::SetSensitivityStageSeparateXY(uint32_t stage, bool separate, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivityStageSeparateXY(stage, separate);
}

bool CMouseConfig::GetSensitivityStageSeparateXY(uint32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr && target->GetSensitivityStageSeparateXY(stage);
}

int32_t CMouseConfig::SelectResolutionStage(int32_t stage, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SelectResolutionStage(stage);
    m_fallbackCurrentStage = StageGroup::SelectionIndex(stage, m_fallbackStageCount);
    return m_fallbackCurrentStage;
}

int32_t CMouseConfig::GetResolutionStage(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionStage() : m_fallbackCurrentStage + 1;
}

void CMouseConfig::SetResolutionStageValue(uint32_t stage, uint32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionStageValue(stage, value);
    SetFallbackStageValue(m_fallbackStageValues, stage, value);
}

int32_t CMouseConfig::GetResolutionStageValue(uint32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionStageValue(stage) : GetFallbackStageValue(m_fallbackStageValues, stage);
}

void CMouseConfig::SetResolutionStageValueX(uint32_t stage, uint32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionStageValueX(stage, value);
    SetFallbackStageValue(m_fallbackStageValuesX, stage, value);
}

int32_t CMouseConfig::GetResolutionStageValueX(uint32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionStageValueX(stage)
                             : GetFallbackStageValue(m_fallbackStageValuesX, stage);
}

void CMouseConfig::SetResolutionStageValueY(uint32_t stage, uint32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionStageValueY(stage, value);
    SetFallbackStageValue(m_fallbackStageValuesY, stage, value);
}

int32_t CMouseConfig::GetResolutionStageValueY(uint32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionStageValueY(stage)
                             : GetFallbackStageValue(m_fallbackStageValuesY, stage);
}

void CMouseConfig::SetResolution(int32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolution(value);
}

int32_t CMouseConfig::GetResolution(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolution() : 0;
}

void CMouseConfig::SetResolutionX(int32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionX(value);
}

int32_t CMouseConfig::GetResolutionX(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionX() : 0;
}

void CMouseConfig::SetResolutionY(int32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionY(value);
}

int32_t CMouseConfig::GetResolutionY(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionY() : 0;
}

void CMouseConfig::SetResolutionSeparateXY(bool separate, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionSeparateXY(separate);
    m_fallbackSeparateXY = separate;
}

bool CMouseConfig::GetResolutionSeparateXY(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetResolutionSeparateXY() : m_fallbackSeparateXY != 0;
}

void CMouseConfig::SetResolutionRange(uint32_t min, uint32_t max, uint32_t step, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetResolutionRange(min, max, step);
    m_fallbackRangeMin = min;
    m_fallbackRangeMax = max;
    m_fallbackRangeStep = step;
}

bool CMouseConfig::GetResolutionRange(uint32_t& min, uint32_t& max, uint32_t& step, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        return target->GetResolutionRange(min, max, step);
    min = m_fallbackRangeMin;
    max = m_fallbackRangeMax;
    step = m_fallbackRangeStep;
    return true;
}

int32_t CMouseConfig::SelectSensitivityStage(int32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->SelectSensitivityStage(stage) : 0;
}

int32_t CMouseConfig::GetSensitivityStage(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivityStage() : 0;
}

void CMouseConfig::SetSensitivityStageValue(uint32_t stage, uint32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivityStageValue(stage, value);
}

int32_t CMouseConfig::GetSensitivityStageValue(uint32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivityStageValue(stage) : 0;
}

void CMouseConfig::SetSensitivityStageValueX(uint32_t stage, uint32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivityStageValueX(stage, value);
}

int32_t CMouseConfig::GetSensitivityStageValueX(uint32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivityStageValueX(stage) : 0;
}

void CMouseConfig::SetSensitivityStageValueY(uint32_t stage, uint32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivityStageValueY(stage, value);
}

int32_t CMouseConfig::GetSensitivityStageValueY(uint32_t stage, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivityStageValueY(stage) : 0;
}

void CMouseConfig::SetSensitivity(int32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivity(value);
}

int32_t CMouseConfig::GetSensitivity(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivity() : 0;
}

void CMouseConfig::SetSensitivityX(int32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivityX(value);
}

int32_t CMouseConfig::GetSensitivityX(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivityX() : 0;
}

void CMouseConfig::SetSensitivityY(int32_t value, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivityY(value);
}

int32_t CMouseConfig::GetSensitivityY(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr ? target->GetSensitivityY() : 0;
}

void CMouseConfig::SetSensitivitySeparateXY(bool separate, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivitySeparateXY(separate);
}

bool CMouseConfig::GetSensitivitySeparateXY(IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr && target->GetSensitivitySeparateXY();
}

void CMouseConfig::SetSensitivityRange(uint32_t min, uint32_t max, uint32_t step, IMouseProfile* profile)
{
    if (IMouseProfile* target = Target(profile))
        target->SetSensitivityRange(min, max, step);
}

bool CMouseConfig::GetSensitivityRange(uint32_t& min, uint32_t& max, uint32_t& step, IMouseProfile* profile)
{
    IMouseProfile* target = Target(profile);
    return target != nullptr && target->GetSensitivityRange(min, max, step);
}
