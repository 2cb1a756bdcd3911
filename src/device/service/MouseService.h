#pragma once

#include <cstdint>
#include <cstring>

#include "device/service/ServiceTypes.h"

// The mouse device service as the program sees it: a COM component of the mouse's driver
// package. Slot numbers count from 3, the first slot after IUnknown; unnamed slots are kept as
// Reserved so every operation sits at its slot. Ids are 16-byte GUIDs passed by value; strings
// are NUL-terminated UTF-16. Strings and arrays the service returns are the caller's to free
// with TaskMemFree; buffers handed to it come from TaskMemAlloc.
namespace svc {

inline constexpr Guid kClsidMouseService = {0x472079C9, 0x3628, 0x45F7, {0xA3, 0x2E, 0xFE, 0x00, 0x49, 0x05, 0x18, 0xF1}};
// CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER
inline constexpr uint32_t kServiceContext = 23;

inline constexpr Guid kIidMouseService = {0xB006D662, 0xCE6E, 0x407A, {0xB1, 0x18, 0x28, 0x94, 0x9C, 0xA8, 0xF3, 0x72}};
inline constexpr Guid kIidDeviceProfiles = {0x6CA4F031, 0x3120, 0x4DD7, {0x9A, 0x70, 0xD8, 0xD1, 0x32, 0x50, 0x85, 0x6B}};
inline constexpr Guid kIidResolution = {0x422FD3EB, 0x9CD5, 0x47E2, {0xB8, 0x60, 0xB0, 0xCE, 0x78, 0xE3, 0x39, 0x1B}};
inline constexpr Guid kIidSensitivity = {0x25772DC8, 0x8103, 0x4FFC, {0xB5, 0x3A, 0x55, 0xC1, 0xF3, 0x47, 0x7B, 0xD2}};
inline constexpr Guid kIidButtonMap = {0x51EAC755, 0xF10B, 0x46C7, {0xAD, 0xDE, 0x76, 0x23, 0x31, 0x36, 0x1B, 0xD3}};
inline constexpr Guid kIidButtonMapAlt = {0xD4CD0628, 0x4F69, 0x40D9, {0x96, 0x22, 0x88, 0xF1, 0x54, 0xC1, 0xCB, 0x5F}};
inline constexpr Guid kIidPollingRate = {0x33B98675, 0x4B77, 0x4C3B, {0x9A, 0x63, 0x58, 0x4A, 0x73, 0x9E, 0x52, 0x22}};
inline constexpr Guid kIidAcceleration = {0x86F7A21D, 0x1B53, 0x47B6, {0xA1, 0x4B, 0x72, 0x09, 0xAF, 0xC7, 0x39, 0x18}};
inline constexpr Guid kIidLights = {0x22F41CDE, 0x101B, 0x494F, {0xB0, 0x51, 0x84, 0x0E, 0xD2, 0x53, 0x09, 0x44}};
inline constexpr Guid kIidProfileValues = {0x6C532F1F, 0x6D1C, 0x446E, {0x80, 0xF2, 0xE2, 0xD3, 0x6B, 0xE7, 0x1A, 0x02}};
inline constexpr Guid kIidDeviceMacros = {0x8459D73E, 0x6237, 0x4F22, {0xA3, 0x69, 0xE8, 0x03, 0x0D, 0xE6, 0xD7, 0x0D}};
inline constexpr Guid kIidZoneCollection = {0x9B2404CC, 0xF39A, 0x4907, {0x8A, 0x3C, 0xA3, 0x82, 0xD9, 0xD9, 0xD5, 0x92}};
inline constexpr Guid kIidZoneColor = {0xF0BB08B3, 0x1B32, 0x4F53, {0x80, 0x59, 0xDB, 0xBE, 0x84, 0x08, 0x59, 0x58}};
// Objects handed out directly (never asked for by id by the program); the ids let
// QueryInterface answer for them.
inline constexpr Guid kIidServiceDevice = {0xB858133B, 0x005A, 0x4E97, {0x98, 0x89, 0xE1, 0x93, 0x38, 0xBB, 0x55, 0xC7}};
inline constexpr Guid kIidDeviceProfile = {0x9171167F, 0xBF2C, 0x44B4, {0x80, 0x28, 0x74, 0x13, 0x7D, 0x06, 0x90, 0x56}};
inline constexpr Guid kIidDeviceMacro = {0x13889B6C, 0x4E9B, 0x4F25, {0x8D, 0xB1, 0x6F, 0x92, 0x85, 0x7D, 0xCF, 0x67}};
inline constexpr Guid kIidLight = {0x27815AD8, 0xD8C9, 0x43AA, {0x82, 0xF8, 0x88, 0x42, 0x4E, 0x7A, 0x86, 0x97}};
inline constexpr Guid kIidZone = {0xD90AD0DD, 0x05AC, 0x4965, {0xA0, 0xC9, 0x91, 0x8D, 0x65, 0xDD, 0xBE, 0x80}};

// Profile value ids of IProfileValues.
inline constexpr uint32_t kValueApplicationPath = 0x80000002;  // 128 UTF-16 characters, 256 bytes
inline constexpr uint32_t kValueSwitches = 0x80000003;         // write: u16 mask, u16 value; read: u16 bits

// Light types.
inline constexpr uint32_t kLightType1 = 1;
inline constexpr uint32_t kLightType4 = 4;

// Seven 32-bit words in the original layout; the text is a pointer, freed unread.
struct DeviceInfo
{
    uint32_t size = 0;
    uint32_t productId = 0;
    uint32_t versionAMajor = 0;
    uint32_t versionAMinor = 0;
    uint32_t versionBMajor = 0;
    uint32_t versionBMinor = 0;
    char16_t* text = nullptr;
};

// One button's function on the device: 32 bytes, little-endian words at fixed offsets (some
// fields are unaligned, so the record is kept as bytes).
//   0: 1   4: device button index   8: kind   12: sub-kind / macro id / key scan code (u16)
//   14: key modifier word (only its byte 17 is used)   16: profile id / stage number
struct ButtonRecord
{
    uint8_t bytes[32] = {};

    [[nodiscard]] uint32_t Word(size_t offset) const noexcept
    {
        uint32_t value;
        std::memcpy(&value, bytes + offset, sizeof(value));
        return value;
    }
    void SetWord(size_t offset, uint32_t value) noexcept { std::memcpy(bytes + offset, &value, sizeof(value)); }
    [[nodiscard]] uint16_t Half(size_t offset) const noexcept
    {
        uint16_t value;
        std::memcpy(&value, bytes + offset, sizeof(value));
        return value;
    }
    void SetHalf(size_t offset, uint16_t value) noexcept { std::memcpy(bytes + offset, &value, sizeof(value)); }
};
static_assert(sizeof(ButtonRecord) == 32);

// Macro events as the service keeps them: an 8-byte header (0, count) followed by count
// entries of 8 bytes. A block of n entries is allocated with 8 * n + 16 bytes.
struct MacroEventEntry
{
    uint32_t type;  // 1 mouse, 2 key, 3 delay
    uint8_t data[4];
};
static_assert(sizeof(MacroEventEntry) == 8);

inline constexpr uint32_t kEventMouse = 1;
inline constexpr uint32_t kEventKey = 2;
inline constexpr uint32_t kEventDelay = 3;

struct MacroEventBlock
{
    uint32_t reserved;
    uint32_t count;
    MacroEventEntry entries[1];  // count entries follow the header

    [[nodiscard]] static constexpr size_t BytesFor(uint32_t count) noexcept { return 8u * count + 16u; }
};

class IDeviceProfile;
class IDeviceMacro;
class ILight;
class IZone;

class IServiceDevice : public IUnknown
{
public:
    virtual HRESULT GetInfo(DeviceInfo* info) = 0;                         // 3
    virtual HRESULT GetFeature(const Guid& iid, void** feature) = 0;       // 4
};

class IMouseService : public IUnknown
{
public:
    // Fails past the last device, which ends an enumeration.
    virtual HRESULT GetDevice(uint32_t index, IServiceDevice** device) = 0;  // 3
};

class IDeviceProfiles : public IUnknown
{
public:
    virtual HRESULT GetItem(uint32_t index, IDeviceProfile** profile) = 0;   // 3
    virtual HRESULT FindById(Guid id, IDeviceProfile** profile) = 0;         // 4
    virtual HRESULT SetActive(IDeviceProfile* profile) = 0;                  // 5
    virtual HRESULT GetActive(IDeviceProfile** profile) = 0;                 // 6
    // A new stored profile with a fresh id; freshId, when given, receives it.
    virtual HRESULT Create(IDeviceProfile** profile, Guid* freshId) = 0;     // 7
    virtual HRESULT Remove(IDeviceProfile* profile) = 0;                     // 8
    virtual HRESULT Reserved9() = 0;                                         // 9
    virtual HRESULT Import(const char16_t* path, IDeviceProfile** profile) = 0;  // 10
};

class IDeviceProfile : public IUnknown
{
public:
    virtual HRESULT GetFeature(const Guid& iid, void** feature) = 0;  // 3
    virtual HRESULT GetId(Guid* id) = 0;                              // 4
    virtual HRESULT GetName(char16_t** name) = 0;                     // 5
    virtual HRESULT SetName(const char16_t* name) = 0;                // 6
    virtual HRESULT Reserved7() = 0;                                  // 7
    virtual HRESULT Export(const char16_t* path) = 0;                 // 8
};

class IResolution : public IUnknown
{
public:
    virtual HRESULT Get(uint32_t* x, uint32_t* y) = 0;  // 3
    virtual HRESULT Set(uint32_t x, uint32_t y) = 0;    // 4
};

class ISensitivity : public IUnknown
{
public:
    // Per-mille of the resolution.
    virtual HRESULT Get(uint32_t* x, uint32_t* y) = 0;  // 3
    virtual HRESULT Set(uint32_t x, uint32_t y) = 0;    // 4
};

class IButtonMap : public IUnknown
{
public:
    // count: in, the room of records; out, the number filled.
    virtual HRESULT Get(uint32_t* count, ButtonRecord* records) = 0;                   // 3
    virtual HRESULT Set(uint32_t count, const ButtonRecord* records) = 0;              // 4
    virtual HRESULT GetCaps(uint32_t* count, uint32_t* reserved, uint32_t* mask) = 0;  // 5
};

class IButtonMapAlt : public IUnknown
{
public:
    virtual HRESULT Reserved3() = 0;                                       // 3
    virtual HRESULT Reserved4() = 0;                                       // 4
    virtual HRESULT Set(uint32_t count, const ButtonRecord* records) = 0;  // 5
};

class IPollingRate : public IUnknown
{
public:
    virtual HRESULT Get(uint32_t* milliseconds) = 0;                   // 3
    virtual HRESULT Set(uint32_t milliseconds) = 0;                    // 4
    virtual HRESULT GetSupported(uint32_t* count, uint32_t** milliseconds) = 0;  // 5
};

class IAcceleration : public IUnknown
{
public:
    virtual HRESULT Enable() = 0;                     // 3
    virtual HRESULT Disable() = 0;                    // 4
    virtual HRESULT IsEnabled(int32_t* enabled) = 0;  // 5
    virtual HRESULT SetLevel(int32_t level) = 0;      // 6
    virtual HRESULT GetLevel(int32_t* level) = 0;     // 7
};

class ILight : public IUnknown
{
public:
    virtual HRESULT TurnOn() = 0;                  // 3
    virtual HRESULT TurnOff() = 0;                 // 4
    virtual HRESULT GetState(int32_t* on) = 0;     // 5
    virtual HRESULT GetType(uint32_t* type) = 0;   // 6
};

class ILights : public IUnknown
{
public:
    virtual HRESULT GetItem(uint32_t index, ILight** light) = 0;  // 3
};

class IProfileValues : public IUnknown
{
public:
    // bytes: in, the buffer's size; out, the size of the value (0 when it has none).
    virtual HRESULT GetValue(uint32_t id, uint32_t reserved, void* buffer, uint32_t reserved2, uint32_t* bytes) = 0;  // 3
    virtual HRESULT SetValue(uint32_t id, const void* data, uint32_t reserved, uint32_t bytes, uint32_t reserved2) = 0;  // 4
};

class IDeviceMacros : public IUnknown
{
public:
    virtual HRESULT GetItem(uint32_t index, IDeviceMacro** macro) = 0;   // 3
    virtual HRESULT FindById(Guid id, IDeviceMacro** macro) = 0;         // 4
    virtual HRESULT Create(IDeviceMacro** macro) = 0;                    // 5
    virtual HRESULT Remove(IDeviceMacro* macro) = 0;                     // 6
    virtual HRESULT Reserved7() = 0;                                     // 7
    virtual HRESULT Import(const char16_t* path, IDeviceMacro** macro) = 0;  // 8
};

class IDeviceMacro : public IUnknown
{
public:
    virtual HRESULT GetId(Guid* id) = 0;                           // 3
    virtual HRESULT GetName(char16_t** name) = 0;                  // 4
    virtual HRESULT SetName(const char16_t* name) = 0;             // 5
    virtual HRESULT Export(const char16_t* path) = 0;              // 6
    // The block is allocated by the service; the caller frees it.
    virtual HRESULT GetEvents(MacroEventBlock** block) = 0;        // 7
    virtual HRESULT SetEvents(const MacroEventBlock* block) = 0;   // 8
};

class IZone : public IUnknown
{
public:
    virtual HRESULT SetRange(uint32_t low, uint32_t high) = 0;     // 3
    virtual HRESULT GetRange(uint32_t* low, uint32_t* high) = 0;   // 4
};

class IZoneColor : public IUnknown
{
public:
    virtual HRESULT Set(uint32_t colour) = 0;     // 3
    virtual HRESULT Get(uint32_t* colour) = 0;    // 4
};

class IZoneCollection : public IUnknown
{
public:
    virtual HRESULT GetItem(uint32_t index, IZone** zone) = 0;  // 3
    virtual HRESULT Add(IZone** zone) = 0;                      // 4
    virtual HRESULT Remove(IZone* zone) = 0;                    // 5
};

}  // namespace svc
