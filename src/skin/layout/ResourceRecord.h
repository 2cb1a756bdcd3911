#pragma once

#include <cstdint>
#include <string>

// Resource types of the cache. The numbers are those the layout format uses; a type without a
// name here (2, 3, ...) is resolved in "skins" and loads nothing.
enum class ResourceType : int32_t
{
    Picture = 0,      // any format the platform's picture decoder takes (bitmap, JPEG, GIF, icon)
    BitmapFile = 1,   // a BMP file loaded as a device-independent section
    Font = 4,         // a font file registered for the process
    LanguageFile = 5, // a language file read whole
};

// One entry of the resource cache. Records live until the cache releases them at program end,
// so layouts and items may keep pointers to them (a picture given back early is loaded again
// by the next fetch; see CResourceCache::ReleaseIfUnshared).
struct ResourceRecord
{
    std::wstring name;  // as the layout gave it, trimmed
    std::wstring path;  // program directory + folder + name
    ResourceType type = ResourceType::Picture;
    bool loaded = false;
    bool outsideFolder = false;  // the name would leave its folder, so nothing was read
    // Pictures: the platform's bitmap handle. Fonts: the number of fonts added.
    uintptr_t handle = 0;
    int32_t width = 0;   // pictures only, in pixels
    int32_t height = 0;
    std::string bytes;   // language files only: the file's bytes
    uint64_t size = 0;   // picture type 0: 8; bitmap files and fonts: the file length; language files: bytes read
    uint32_t fetches = 0;   // fetches since the last load
    bool givenBack = false; // released early; the next fetch loads it again
};
