// Wavory: the sound control's binary interface.
//
// A host loads libwavory at run time, asks DllGetClassObject for the class
// factory of Wavo, creates an instance and drives it late-bound through
// IDispatch::Invoke by DISPID. Every layout here is COM's, laid out by the
// platform's C++ ABI: single-inheritance vtables, no virtual destructors, and
// 32-bit integers wherever COM says `long`.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define WAVORY_CALL __stdcall
#define WAVORY_EXPORT extern "C" __declspec(dllexport)
#else
#define WAVORY_CALL
#define WAVORY_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace wavory {

using HRESULT = int32_t;
using DISPID = int32_t;
using LCID = uint32_t;
using ULONG = uint32_t;
using BSTR = char16_t*;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201u);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);
constexpr HRESULT DISP_E_TYPEMISMATCH = static_cast<HRESULT>(0x80020005u);
constexpr HRESULT DISP_E_UNKNOWNNAME = static_cast<HRESULT>(0x80020006u);
constexpr HRESULT DISP_E_BADPARAMCOUNT = static_cast<HRESULT>(0x8002000Eu);
constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = static_cast<HRESULT>(0x8002000Fu);

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(GUID) == 16);

inline bool operator==(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i]) return false;
    return true;
}

// COM's own identifiers.
constexpr GUID IID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
constexpr GUID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID IID_IClassFactory = {
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID IID_IDispatch = {
    0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The sound control's identifiers.
constexpr GUID LIBID_WAVORYLib = {
    0xC61830C1, 0x8B47, 0x11D4, {0x9F, 0x3F, 0x00, 0x00, 0xB4, 0x5C, 0x4C, 0xF6}};
constexpr GUID CLSID_Wavo = {
    0xC61830CF, 0x8B47, 0x11D4, {0x9F, 0x3F, 0x00, 0x00, 0xB4, 0x5C, 0x4C, 0xF6}};
constexpr GUID IID_IWavo = {
    0xC61830CE, 0x8B47, 0x11D4, {0x9F, 0x3F, 0x00, 0x00, 0xB4, 0x5C, 0x4C, 0xF6}};

constexpr const char* kClsidWavoText = "{C61830CF-8B47-11D4-9F3F-0000B45C4CF6}";
constexpr const char* kLibidWavoryText = "{C61830C1-8B47-11D4-9F3F-0000B45C4CF6}";
constexpr const char* kProgIdWavo = "Wavo.Wavo.1";
constexpr const char* kVersionIndependentProgIdWavo = "Wavo.Wavo";

// VARIANT types used by the control.
enum VARENUM : uint16_t {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_BSTR = 8,
    VT_BYREF = 0x4000,
};

struct VARIANT {
    uint16_t vt;
    uint16_t wReserved1;
    uint16_t wReserved2;
    uint16_t wReserved3;
    union {
        int32_t lVal;
        int16_t iVal;
        BSTR bstrVal;
        int32_t* plVal;
        int16_t* piVal;
        BSTR* pbstrVal;
        void* byref;
        struct {
            void* pvRecord;
            void* pRecInfo;
        } record;
    };
};
static_assert(sizeof(void*) != 8 || sizeof(VARIANT) == 24);

struct DISPPARAMS {
    VARIANT* rgvarg; // arguments in reverse order
    DISPID* rgdispidNamedArgs;
    uint32_t cArgs;
    uint32_t cNamedArgs;
};

struct EXCEPINFO {
    uint16_t wCode;
    uint16_t wReserved;
    BSTR bstrSource;
    BSTR bstrDescription;
    BSTR bstrHelpFile;
    uint32_t dwHelpContext;
    void* pvReserved;
    HRESULT(WAVORY_CALL* pfnDeferredFillIn)(EXCEPINFO*);
    int32_t scode;
};

constexpr uint16_t DISPATCH_METHOD = 1;
constexpr uint16_t DISPATCH_PROPERTYGET = 2;
constexpr uint16_t DISPATCH_PROPERTYPUT = 4;
constexpr uint16_t DISPATCH_PROPERTYPUTREF = 8;
constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_PROPERTYPUT = -3;

struct ITypeInfo; // never handed out: the control has no type information at run time

struct IUnknown {
    virtual HRESULT WAVORY_CALL QueryInterface(const GUID& iid, void** object) = 0;
    virtual ULONG WAVORY_CALL AddRef() = 0;
    virtual ULONG WAVORY_CALL Release() = 0;
};

struct IClassFactory : IUnknown {
    virtual HRESULT WAVORY_CALL CreateInstance(IUnknown* outer, const GUID& iid, void** object) = 0;
    virtual HRESULT WAVORY_CALL LockServer(int32_t lock) = 0;
};

struct IDispatch : IUnknown {
    virtual HRESULT WAVORY_CALL GetTypeInfoCount(uint32_t* count) = 0;
    virtual HRESULT WAVORY_CALL GetTypeInfo(uint32_t index, LCID lcid, ITypeInfo** info) = 0;
    virtual HRESULT WAVORY_CALL GetIDsOfNames(const GUID& iid, char16_t** names, uint32_t count,
                                              LCID lcid, DISPID* ids) = 0;
    virtual HRESULT WAVORY_CALL Invoke(DISPID member, const GUID& iid, LCID lcid, uint16_t flags,
                                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                       uint32_t* argError) = 0;
};

// DISPIDs of IWavo: the member's position, 1 to 23.
enum WavoDispid : DISPID {
    DISPID_InitializeSound = 1,
    DISPID_CreateStreamingSound = 2,
    DISPID_PlayStreamingSound = 3,
    DISPID_StopStreamingSound = 4,
    DISPID_CreateStaticSound = 5,
    DISPID_PlayStaticSound = 6,
    DISPID_StopStaticSound = 7,
    DISPID_SetStaticPan = 8,
    DISPID_SetStreamingPan = 9,
    DISPID_SetStaticVolume = 10,
    DISPID_SetStreamingVolume = 11,
    DISPID_GetStaticVolume = 12,
    DISPID_GetStreamingVolume = 13,
    DISPID_GetStaticPan = 14,
    DISPID_GetStreamingPan = 15,
    DISPID_GetStaticFrequency = 16,
    DISPID_SetStaticFrequency = 17,
    DISPID_GetStreamingFrequency = 18,
    DISPID_GetCurrentStaticPosition = 19,
    DISPID_SetCurrentStaticPosition = 20,
    DISPID_GetStaticByteLength = 21,
    DISPID_DuplicateStaticSound = 22,
    DISPID_Window = 23,
};

// Outcome codes written to "Return". 1 means done; 0 or more from the create
// and duplicate members is a sound index; the negative values are failures.
enum WavoOutcome : int32_t {
    WAVO_DONE = 1,
    WAVO_LIST_FULL = -1,          // the sound list could not grow
    WAVO_NO_BUFFER = -4,          // file not read into a buffer; buffer not made/played/duplicated
    WAVO_BAD_INDEX = -7,          // not a sound of that kind, or position refused
    WAVO_NO_WINDOW = -10,         // InitializeSound before Window was set
    WAVO_NO_DEVICE = -11,         // the sound device could not be opened
    WAVO_BAD_SOUND = -12,         // not a sound of that kind (queries), or file/format unreadable
    WAVO_OUT_OF_RANGE = -14,      // pan or volume outside its range
    WAVO_DEVICE_CLOSED = -23,     // a sound asked for before InitializeSound
    WAVO_BAD_FREQUENCY = -32,     // frequency outside 100..100000
    WAVO_NO_FREQUENCY_CTRL = -33, // the buffer has no frequency control
};

// The control's automation interface; its members follow IDispatch's seven
// slots in DISPID order.
struct IWavo : IDispatch {
    virtual HRESULT WAVORY_CALL InitializeSound(int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL CreateStreamingSound(BSTR FileName, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL PlayStreamingSound(int32_t Index, int32_t Loop,
                                                   int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL StopStreamingSound(int32_t Index, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL CreateStaticSound(BSTR FileName, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL PlayStaticSound(int32_t Index, int32_t Loop, int32_t* Retur) = 0;
    virtual HRESULT WAVORY_CALL StopStaticSound(int32_t Index, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL SetStaticPan(int32_t Index, int32_t PanValue, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL SetStreamingPan(int32_t Index, int32_t PanValue,
                                                int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL SetStaticVolume(int32_t Index, int32_t Volume, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL SetStreamingVolume(int32_t Index, int32_t Volume,
                                                   int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL GetStaticVolume(int32_t Index, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL GetStreamingVolume(int32_t Index, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL GetStaticPan(int32_t Index, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL GetStreamingPan(int32_t Index, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL GetStaticFrequency(int32_t SoundIndex, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL SetStaticFrequency(int32_t SoundIndex, int32_t NewFrequency,
                                                   int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL GetStreamingFrequency(int32_t SoundIndex, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL GetCurrentStaticPosition(int32_t SoundIndex, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL SetCurrentStaticPosition(int32_t SoundIndex, int32_t NewPosition,
                                                         int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL GetStaticByteLength(int32_t SoundIndex, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL DuplicateStaticSound(int32_t Index, int32_t* Return) = 0;
    virtual HRESULT WAVORY_CALL put_Window(int32_t Window) = 0;
};

// The library's exports, looked up by name after loading it.
using DllGetClassObjectFn = HRESULT(WAVORY_CALL*)(const GUID& clsid, const GUID& iid, void** out);
using DllCanUnloadNowFn = HRESULT(WAVORY_CALL*)();
using DllRegisterServerFn = HRESULT(WAVORY_CALL*)();

// The per-user class registry file: WAVORY_CLASS_REGISTRY when set, else
// $XDG_CONFIG_HOME/wavory/classes.reg, else $HOME/.config/wavory/classes.reg.
// Text, one "[key path]" line per key followed by its values, `@=` for the
// default value and `name=value` for named ones.
constexpr const char* kClassRegistryVariable = "WAVORY_CLASS_REGISTRY";

} // namespace wavory

WAVORY_EXPORT wavory::HRESULT WAVORY_CALL DllGetClassObject(const wavory::GUID& clsid,
                                                            const wavory::GUID& iid, void** out);
WAVORY_EXPORT wavory::HRESULT WAVORY_CALL DllCanUnloadNow();
WAVORY_EXPORT wavory::HRESULT WAVORY_CALL DllRegisterServer();
WAVORY_EXPORT wavory::HRESULT WAVORY_CALL DllUnregisterServer();

// BSTR helpers: a 32-bit byte length sits before the first character, and the
// text is zero-terminated.
WAVORY_EXPORT wavory::BSTR WAVORY_CALL SysAllocString(const char16_t* text);
WAVORY_EXPORT wavory::BSTR WAVORY_CALL SysAllocStringLen(const char16_t* text, uint32_t length);
WAVORY_EXPORT void WAVORY_CALL SysFreeString(wavory::BSTR text);
WAVORY_EXPORT uint32_t WAVORY_CALL SysStringLen(wavory::BSTR text);
