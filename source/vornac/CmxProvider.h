#ifndef VORNAC_CMXPROVIDER_H
#define VORNAC_CMXPROVIDER_H

#include <cstdint>

// The host's help services, reached through COM-style interfaces. The module calls only the
// operations declared pure virtual below; the ones in between are reserved for the host and
// answer with a negative status unless the host overrides them.

#if defined(_WIN32)
#define VORN_COM_CALL __stdcall
#else
#define VORN_COM_CALL
#endif

struct VornGuid
{
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
static_assert(sizeof(VornGuid) == 16, "VornGuid must stay 16 bytes");

inline bool operator==(const VornGuid &left, const VornGuid &right)
{
    if (left.data1 != right.data1 || left.data2 != right.data2 || left.data3 != right.data3)
        return false;
    for (int i = 0; i < 8; ++i) {
        if (left.data4[i] != right.data4[i])
            return false;
    }
    return true;
}

// {132C798C-C2A7-4845-BB55-CE3A764C141E}: IVornServiceProvider, asked of the service object.
constexpr VornGuid VornServiceProviderId = {
    0x132C798C, 0xC2A7, 0x4845, {0xBB, 0x55, 0xCE, 0x3A, 0x76, 0x4C, 0x14, 0x1E}};
// {6D596886-022C-4D3A-A995-F9C7E9D8468D}: the program launcher, as service and as interface.
constexpr VornGuid VornProgramLauncherId = {
    0x6D596886, 0x022C, 0x4D3A, {0xA9, 0x95, 0xF9, 0xC7, 0xE9, 0xD8, 0x46, 0x8D}};

// Operations 1 to 3 of every interface below.
class IVornUnknown
{
public:
    virtual int32_t VORN_COM_CALL QueryInterface(const VornGuid &interfaceId, void **object) = 0;
    virtual uint32_t VORN_COM_CALL AddRef() = 0;
    virtual uint32_t VORN_COM_CALL Release() = 0;

protected:
    ~IVornUnknown() = default;
};

// {132C798C-C2A7-4845-BB55-CE3A764C141E}, obtained from the host's service object.
class IVornServiceProvider : public IVornUnknown
{
public:
    // Operation 4: the object that implements `interfaceId` of `service`, with a reference the
    // caller releases. 0 means success.
    virtual int32_t VORN_COM_CALL GetService(const VornGuid &service, const VornGuid &interfaceId,
                                             void **object) = 0;

protected:
    ~IVornServiceProvider() = default;
};

class IVornProgram;

// {6D596886-022C-4D3A-A995-F9C7E9D8468D}: opens program files.
class IVornProgramLauncher : public IVornUnknown
{
public:
    virtual int32_t VORN_COM_CALL Reserved4() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved5() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved6() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved7() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved8() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved9() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved10() { return -1; }
    // Operation 11: opens the program file `path` (NUL-terminated, owned by the caller) and
    // returns it in *program with a reference the caller releases.
    virtual int32_t VORN_COM_CALL OpenProgram(const char16_t *path, IVornProgram **program) = 0;

protected:
    ~IVornProgramLauncher() = default;
};

class IVornProgram : public IVornUnknown
{
public:
    virtual int32_t VORN_COM_CALL Reserved4() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved5() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved6() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved7() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved8() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved9() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved10() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved11() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved12() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved13() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved14() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved15() { return -1; }
    // Operation 16: sets input `input` to `text` (NUL-terminated, owned by the caller; the
    // program copies what it keeps). The module passes 0 as flags.
    virtual int32_t VORN_COM_CALL SetProgramInput(int32_t input, const char16_t *text,
                                                  int32_t flags) = 0;
    virtual int32_t VORN_COM_CALL Reserved17() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved18() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved19() { return -1; }
    virtual int32_t VORN_COM_CALL Reserved20() { return -1; }
    // Operation 21: runs the program with the inputs set so far.
    virtual int32_t VORN_COM_CALL RunProgram() = 0;

protected:
    ~IVornProgram() = default;
};

// Hands the module the host's service object. The host owns the provider; it outlives the dialog.
// A host without help passes a null provider.
class CmxProvider
{
public:
    // The service object, or null. The module does not release it.
    virtual IVornUnknown *ServiceObject() = 0;

protected:
    ~CmxProvider() = default;
};

#endif
