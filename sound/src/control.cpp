// The control layer: the class Wavo with its dual interface IWavo, its class
// factory, the library's exports and the BSTR helpers.
//
// All sound state lives in one process-wide engine, so every instance shares
// the device and both sound lists. An instance itself holds only the owner
// window value set through its Window property.
#include "engine.h"

#include <wavory/class_registry.h>
#include <wavory/wavory.h>

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>

namespace wavory {

namespace {

constexpr HRESULT DISP_E_UNKNOWNINTERFACE = static_cast<HRESULT>(0x80020001u);
constexpr HRESULT DISP_E_NONAMEDARGS = static_cast<HRESULT>(0x80020007u);

std::atomic<long> g_liveObjects{0};
std::atomic<long> g_serverLocks{0};

Engine& SharedEngine() {
    static Engine engine(MakeSdlOutputDevice());
    return engine;
}

// How each member is called through IDispatch: its name and its parameters
// before "Return" (all 32-bit integers except a leading file name).
struct MemberInfo {
    const char* name;
    int parameters;
    bool takesFileName;
};

constexpr MemberInfo kMembers[] = {
    {nullptr, 0, false},
    {"InitializeSound", 0, false},
    {"CreateStreamingSound", 1, true},
    {"PlayStreamingSound", 2, false},
    {"StopStreamingSound", 1, false},
    {"CreateStaticSound", 1, true},
    {"PlayStaticSound", 2, false},
    {"StopStaticSound", 1, false},
    {"SetStaticPan", 2, false},
    {"SetStreamingPan", 2, false},
    {"SetStaticVolume", 2, false},
    {"SetStreamingVolume", 2, false},
    {"GetStaticVolume", 1, false},
    {"GetStreamingVolume", 1, false},
    {"GetStaticPan", 1, false},
    {"GetStreamingPan", 1, false},
    {"GetStaticFrequency", 1, false},
    {"SetStaticFrequency", 2, false},
    {"GetStreamingFrequency", 1, false},
    {"GetCurrentStaticPosition", 1, false},
    {"SetCurrentStaticPosition", 2, false},
    {"GetStaticByteLength", 1, false},
    {"DuplicateStaticSound", 1, false},
    {"Window", 1, false},
};
constexpr DISPID kMemberCount = static_cast<DISPID>(std::size(kMembers) - 1);

bool SameName(const char16_t* wide, const char* narrow) {
    auto lower = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    for (; *narrow; ++wide, ++narrow)
        if (*wide == 0 || lower(*wide) != lower(static_cast<unsigned char>(*narrow))) return false;
    return *wide == 0;
}

bool ArgumentAsInt(const VARIANT& v, int32_t& out) {
    switch (v.vt) {
    case VT_I4:
        out = v.lVal;
        return true;
    case VT_I2:
        out = v.iVal;
        return true;
    case VT_BYREF | VT_I4:
        if (!v.plVal) return false;
        out = *v.plVal;
        return true;
    case VT_BYREF | VT_I2:
        if (!v.piVal) return false;
        out = *v.piVal;
        return true;
    default:
        return false;
    }
}

bool ArgumentAsString(const VARIANT& v, BSTR& out) {
    if (v.vt == VT_BSTR) {
        out = v.bstrVal;
        return true;
    }
    if (v.vt == (VT_BYREF | VT_BSTR) && v.pbstrVal) {
        out = *v.pbstrVal;
        return true;
    }
    return false;
}

class Wavo final : public IWavo {
  public:
    explicit Wavo(IUnknown* outer) : outer_(outer), engine_(SharedEngine()) { ++g_liveObjects; }

    IUnknown* Inner() { return &inner_; }

    // IUnknown, delegating to the outer object when aggregated.
    HRESULT WAVORY_CALL QueryInterface(const GUID& iid, void** object) override {
        return outer_ ? outer_->QueryInterface(iid, object) : inner_.QueryInterface(iid, object);
    }
    ULONG WAVORY_CALL AddRef() override { return outer_ ? outer_->AddRef() : inner_.AddRef(); }
    ULONG WAVORY_CALL Release() override { return outer_ ? outer_->Release() : inner_.Release(); }

    // IDispatch.
    HRESULT WAVORY_CALL GetTypeInfoCount(uint32_t* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT WAVORY_CALL GetTypeInfo(uint32_t, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT WAVORY_CALL GetIDsOfNames(const GUID& iid, char16_t** names, uint32_t count, LCID,
                                      DISPID* ids) override;
    HRESULT WAVORY_CALL Invoke(DISPID member, const GUID& iid, LCID, uint16_t flags,
                               DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                               uint32_t* argError) override;

    // IWavo.
    HRESULT WAVORY_CALL InitializeSound(int32_t* Return) override {
        if (!Return) return E_POINTER;
        *Return =
            window_ == 0 ? WAVO_NO_WINDOW : engine_.InitializeSound(static_cast<uint32_t>(window_));
        return S_OK;
    }
    HRESULT WAVORY_CALL CreateStreamingSound(BSTR FileName, int32_t* Return) override {
        if (!Return) return E_POINTER;
        std::string name;
        if (!FileNameFromBstr(FileName, name))
            *Return = WAVO_NO_BUFFER;
        else
            *Return = engine_.CreateStreamingSound(FileName ? name.c_str() : nullptr);
        return S_OK;
    }
    HRESULT WAVORY_CALL PlayStreamingSound(int32_t Index, int32_t Loop, int32_t* Return) override {
        return Out(Return, engine_.PlayStreamingSound(Index, Loop));
    }
    HRESULT WAVORY_CALL StopStreamingSound(int32_t Index, int32_t* Return) override {
        return Out(Return, engine_.StopStreamingSound(Index));
    }
    HRESULT WAVORY_CALL CreateStaticSound(BSTR FileName, int32_t* Return) override {
        if (!Return) return E_POINTER;
        std::string name;
        if (!FileNameFromBstr(FileName, name))
            *Return = WAVO_BAD_SOUND;
        else
            *Return = engine_.CreateStaticSound(FileName ? name.c_str() : nullptr);
        return S_OK;
    }
    HRESULT WAVORY_CALL PlayStaticSound(int32_t Index, int32_t Loop, int32_t* Retur) override {
        return Out(Retur, engine_.PlayStaticSound(Index, Loop));
    }
    HRESULT WAVORY_CALL StopStaticSound(int32_t Index, int32_t* Return) override {
        return Out(Return, engine_.StopStaticSound(Index));
    }
    HRESULT WAVORY_CALL SetStaticPan(int32_t Index, int32_t PanValue, int32_t* Return) override {
        return Out(Return, engine_.SetStaticPan(Index, PanValue));
    }
    HRESULT WAVORY_CALL SetStreamingPan(int32_t Index, int32_t PanValue, int32_t* Return) override {
        return Out(Return, engine_.SetStreamingPan(Index, PanValue));
    }
    HRESULT WAVORY_CALL SetStaticVolume(int32_t Index, int32_t Volume, int32_t* Return) override {
        return Out(Return, engine_.SetStaticVolume(Index, Volume));
    }
    HRESULT WAVORY_CALL SetStreamingVolume(int32_t Index, int32_t Volume,
                                           int32_t* Return) override {
        return Out(Return, engine_.SetStreamingVolume(Index, Volume));
    }
    HRESULT WAVORY_CALL GetStaticVolume(int32_t Index, int32_t* Return) override {
        return Out(Return, engine_.GetStaticVolume(Index));
    }
    HRESULT WAVORY_CALL GetStreamingVolume(int32_t Index, int32_t* Return) override {
        return Out(Return, engine_.GetStreamingVolume(Index));
    }
    HRESULT WAVORY_CALL GetStaticPan(int32_t Index, int32_t* Return) override {
        return Out(Return, engine_.GetStaticPan(Index));
    }
    HRESULT WAVORY_CALL GetStreamingPan(int32_t Index, int32_t* Return) override {
        return Out(Return, engine_.GetStreamingPan(Index));
    }
    HRESULT WAVORY_CALL GetStaticFrequency(int32_t SoundIndex, int32_t* Return) override {
        return Out(Return, engine_.GetStaticFrequency(SoundIndex));
    }
    HRESULT WAVORY_CALL SetStaticFrequency(int32_t SoundIndex, int32_t NewFrequency,
                                           int32_t* Return) override {
        return Out(Return, engine_.SetStaticFrequency(SoundIndex, NewFrequency));
    }
    HRESULT WAVORY_CALL GetStreamingFrequency(int32_t SoundIndex, int32_t* Return) override {
        return Out(Return, engine_.GetStreamingFrequency(SoundIndex));
    }
    HRESULT WAVORY_CALL GetCurrentStaticPosition(int32_t SoundIndex, int32_t* Return) override {
        return Out(Return, engine_.GetCurrentStaticPosition(SoundIndex));
    }
    HRESULT WAVORY_CALL SetCurrentStaticPosition(int32_t SoundIndex, int32_t NewPosition,
                                                 int32_t* Return) override {
        return Out(Return, engine_.SetCurrentStaticPosition(SoundIndex, NewPosition));
    }
    HRESULT WAVORY_CALL GetStaticByteLength(int32_t SoundIndex, int32_t* Return) override {
        return Out(Return, engine_.GetStaticByteLength(SoundIndex));
    }
    HRESULT WAVORY_CALL DuplicateStaticSound(int32_t Index, int32_t* Return) override {
        return Out(Return, engine_.DuplicateStaticSound(Index));
    }
    HRESULT WAVORY_CALL put_Window(int32_t Window) override {
        if (Window != 0) window_ = Window; // zero keeps the handle already set
        return S_OK;
    }

  private:
    // The object's own identity: never delegates, owns the reference count.
    struct InnerUnknown final : IUnknown {
        explicit InnerUnknown(Wavo* owner) : owner(owner) {}
        Wavo& self() { return *owner; }
        HRESULT WAVORY_CALL QueryInterface(const GUID& iid, void** object) override {
            if (!object) return E_POINTER;
            *object = nullptr;
            if (iid == IID_IUnknown) {
                *object = static_cast<IUnknown*>(this);
            } else if (iid == IID_IWavo || iid == IID_IDispatch) {
                *object = static_cast<IWavo*>(&self());
            } else {
                return E_NOINTERFACE;
            }
            static_cast<IUnknown*>(*object)->AddRef();
            return S_OK;
        }
        ULONG WAVORY_CALL AddRef() override { return ++refs; }
        ULONG WAVORY_CALL Release() override {
            ULONG left = --refs;
            if (left == 0) delete &self();
            return left;
        }
        Wavo* owner;
        std::atomic<ULONG> refs{1};
    };

    ~Wavo() {
        // The end of an instance ends every stream and closes the device.
        engine_.ReleaseInstanceState();
        --g_liveObjects;
    }

    static HRESULT Out(int32_t* Return, int32_t outcome) {
        if (!Return) return E_POINTER;
        *Return = outcome;
        return S_OK;
    }

    // The BSTR as a UTF-8 file name. False for a name that cannot name a file
    // (an embedded zero would silently name another one).
    static bool FileNameFromBstr(BSTR text, std::string& out) {
        if (!text) return true;
        uint32_t length = SysStringLen(text);
        for (uint32_t i = 0; i < length; ++i) {
            uint32_t c = text[i];
            if (c == 0) return false;
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 &&
                text[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
            } else if (c >= 0xD800 && c <= 0xDFFF) {
                c = 0xFFFD;
            }
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (c < 0x800) {
                out += static_cast<char>(0xC0 | c >> 6);
                out += static_cast<char>(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                out += static_cast<char>(0xE0 | c >> 12);
                out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
                out += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                out += static_cast<char>(0xF0 | c >> 18);
                out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
                out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return true;
    }

    InnerUnknown inner_{this};
    IUnknown* outer_;
    Engine& engine_;
    int32_t window_ = 0;
};

HRESULT Wavo::GetIDsOfNames(const GUID& iid, char16_t** names, uint32_t count, LCID, DISPID* ids) {
    if (!(iid == IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (!names || !ids || count == 0) return E_INVALIDARG;
    HRESULT outcome = S_OK;
    for (uint32_t i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    if (names[0]) {
        for (DISPID id = 1; id <= kMemberCount; ++id) {
            if (SameName(names[0], kMembers[id].name)) ids[0] = id;
        }
    }
    // Parameters are bound by position only.
    if (ids[0] == DISPID_UNKNOWN || count > 1) outcome = DISP_E_UNKNOWNNAME;
    return outcome;
}

HRESULT Wavo::Invoke(DISPID member, const GUID& iid, LCID, uint16_t flags, DISPPARAMS* params,
                     VARIANT* result, EXCEPINFO*, uint32_t* argError) {
    if (!(iid == IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (member < 1 || member > kMemberCount) return DISP_E_MEMBERNOTFOUND;
    if (!params || (params->cArgs > 0 && !params->rgvarg) ||
        (params->cNamedArgs > 0 && !params->rgdispidNamedArgs))
        return E_POINTER;

    if (member == DISPID_Window) {
        // A put-only property: one value, named DISPID_PROPERTYPUT.
        if (!(flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)))
            return DISP_E_MEMBERNOTFOUND;
        if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
        if (params->cNamedArgs > 1 ||
            (params->cNamedArgs == 1 && params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
            return DISP_E_PARAMNOTOPTIONAL;
        int32_t value = 0;
        if (!ArgumentAsInt(params->rgvarg[0], value)) {
            if (argError) *argError = 0;
            return DISP_E_TYPEMISMATCH;
        }
        return put_Window(value);
    }

    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    const MemberInfo& info = kMembers[member];
    if (params->cArgs != static_cast<uint32_t>(info.parameters)) return DISP_E_BADPARAMCOUNT;

    // Arguments arrive last first.
    auto argument = [&](int position) -> const VARIANT& {
        return params->rgvarg[params->cArgs - 1 - static_cast<uint32_t>(position)];
    };
    auto mismatch = [&](int position) {
        if (argError) *argError = params->cArgs - 1 - static_cast<uint32_t>(position);
        return DISP_E_TYPEMISMATCH;
    };
    BSTR fileName = nullptr;
    int32_t values[2] = {0, 0};
    for (int i = 0; i < info.parameters; ++i) {
        if (i == 0 && info.takesFileName) {
            if (!ArgumentAsString(argument(i), fileName)) return mismatch(i);
        } else if (!ArgumentAsInt(argument(i), values[info.takesFileName ? i - 1 : i])) {
            return mismatch(i);
        }
    }

    int32_t outcome = 0;
    HRESULT hr = S_OK;
    switch (member) {
    case DISPID_InitializeSound:
        hr = InitializeSound(&outcome);
        break;
    case DISPID_CreateStreamingSound:
        hr = CreateStreamingSound(fileName, &outcome);
        break;
    case DISPID_PlayStreamingSound:
        hr = PlayStreamingSound(values[0], values[1], &outcome);
        break;
    case DISPID_StopStreamingSound:
        hr = StopStreamingSound(values[0], &outcome);
        break;
    case DISPID_CreateStaticSound:
        hr = CreateStaticSound(fileName, &outcome);
        break;
    case DISPID_PlayStaticSound:
        hr = PlayStaticSound(values[0], values[1], &outcome);
        break;
    case DISPID_StopStaticSound:
        hr = StopStaticSound(values[0], &outcome);
        break;
    case DISPID_SetStaticPan:
        hr = SetStaticPan(values[0], values[1], &outcome);
        break;
    case DISPID_SetStreamingPan:
        hr = SetStreamingPan(values[0], values[1], &outcome);
        break;
    case DISPID_SetStaticVolume:
        hr = SetStaticVolume(values[0], values[1], &outcome);
        break;
    case DISPID_SetStreamingVolume:
        hr = SetStreamingVolume(values[0], values[1], &outcome);
        break;
    case DISPID_GetStaticVolume:
        hr = GetStaticVolume(values[0], &outcome);
        break;
    case DISPID_GetStreamingVolume:
        hr = GetStreamingVolume(values[0], &outcome);
        break;
    case DISPID_GetStaticPan:
        hr = GetStaticPan(values[0], &outcome);
        break;
    case DISPID_GetStreamingPan:
        hr = GetStreamingPan(values[0], &outcome);
        break;
    case DISPID_GetStaticFrequency:
        hr = GetStaticFrequency(values[0], &outcome);
        break;
    case DISPID_SetStaticFrequency:
        hr = SetStaticFrequency(values[0], values[1], &outcome);
        break;
    case DISPID_GetStreamingFrequency:
        hr = GetStreamingFrequency(values[0], &outcome);
        break;
    case DISPID_GetCurrentStaticPosition:
        hr = GetCurrentStaticPosition(values[0], &outcome);
        break;
    case DISPID_SetCurrentStaticPosition:
        hr = SetCurrentStaticPosition(values[0], values[1], &outcome);
        break;
    case DISPID_GetStaticByteLength:
        hr = GetStaticByteLength(values[0], &outcome);
        break;
    case DISPID_DuplicateStaticSound:
        hr = DuplicateStaticSound(values[0], &outcome);
        break;
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
    if (hr == S_OK && result) {
        std::memset(result, 0, sizeof *result);
        result->vt = VT_I4;
        result->lVal = outcome;
    }
    return hr;
}

class WavoFactory final : public IClassFactory {
  public:
    WavoFactory() { ++g_liveObjects; }

    HRESULT WAVORY_CALL QueryInterface(const GUID& iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (!(iid == IID_IUnknown) && !(iid == IID_IClassFactory)) return E_NOINTERFACE;
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    ULONG WAVORY_CALL AddRef() override { return ++refs_; }
    ULONG WAVORY_CALL Release() override {
        ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT WAVORY_CALL CreateInstance(IUnknown* outer, const GUID& iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        // An aggregating outer object may only ask for the inner IUnknown.
        if (outer && !(iid == IID_IUnknown)) return CLASS_E_NOAGGREGATION;
        auto* wavo = new (std::nothrow) Wavo(outer);
        if (!wavo) return E_OUTOFMEMORY;
        IUnknown* inner = wavo->Inner();
        HRESULT hr = inner->QueryInterface(iid, object);
        inner->Release(); // the creation reference; a failed query destroys it
        return hr;
    }
    HRESULT WAVORY_CALL LockServer(int32_t lock) override {
        if (lock)
            ++g_serverLocks;
        else if (g_serverLocks > 0)
            --g_serverLocks;
        return S_OK;
    }

  private:
    ~WavoFactory() { --g_liveObjects; }
    std::atomic<ULONG> refs_{1};
};

// ---------------------------------------------------------------- registration

std::string ModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        return {};
    std::error_code error;
    auto path = std::filesystem::weakly_canonical(info.dli_fname, error);
    return error ? std::string(info.dli_fname) : path.string();
}

std::string ClsidKey() {
    return std::string("CLSID\\") + kClsidWavoText;
}

// Removes the class's keys (and, with the type library, its keys too).
void RemoveClassKeys(std::vector<registry::Key>& keys, bool typeLibraryToo) {
    std::erase_if(keys, [&](const registry::Key& key) {
        return registry::IsUnder(key.path, kProgIdWavo) ||
               registry::IsUnder(key.path, kVersionIndependentProgIdWavo) ||
               registry::IsUnder(key.path, ClsidKey()) ||
               (typeLibraryToo &&
                registry::IsUnder(key.path, std::string("TypeLib\\") + kLibidWavoryText));
    });
}

std::vector<registry::Key> RegistrationKeys(const std::string& module) {
    using registry::Key;
    const std::string clsid = ClsidKey();
    const std::string typeLib = std::string("TypeLib\\") + kLibidWavoryText + "\\1.0";
    std::string folder = std::filesystem::path(module).parent_path().string();
    return {
        Key{kProgIdWavo, {{"", "Wavo Class"}}},
        Key{std::string(kProgIdWavo) + "\\CLSID", {{"", kClsidWavoText}}},
        Key{kVersionIndependentProgIdWavo, {{"", "Wavo Class"}}},
        Key{std::string(kVersionIndependentProgIdWavo) + "\\CurVer", {{"", kProgIdWavo}}},
        Key{clsid, {{"", "Wavo Class"}}},
        Key{clsid + "\\ProgID", {{"", kProgIdWavo}}},
        Key{clsid + "\\VersionIndependentProgID", {{"", kVersionIndependentProgIdWavo}}},
        Key{clsid + "\\InprocServer32", {{"", module}, {"ThreadingModel", "Apartment"}}},
        Key{clsid + "\\Control", {}},
        Key{clsid + "\\Programmable", {}},
        Key{clsid + "\\Insertable", {}},
        Key{clsid + "\\ToolboxBitmap32", {{"", module + ", 1"}}},
        Key{clsid + "\\MiscStatus", {{"", "0"}}},
        Key{clsid + "\\MiscStatus\\1", {{"", "132497"}}},
        Key{clsid + "\\TypeLib", {{"", kLibidWavoryText}}},
        Key{clsid + "\\Version", {{"", "1.0"}}},
        Key{typeLib, {{"", "Wavory 1.0 VB Game Progamming"}}},
        Key{typeLib + "\\FLAGS", {{"", "0"}}},
        Key{typeLib + "\\HELPDIR", {{"", folder}}},
    };
}

HRESULT RegisterServerAt(const std::string& registryPath, const std::string& module) {
    // A line break in the path would end the value early and corrupt the file.
    if (registryPath.empty() || module.empty() || module.find_first_of("\r\n") != std::string::npos)
        return SELFREG_E_CLASS;
    try {
        auto keys = registry::Load(registryPath);
        RemoveClassKeys(keys, true);
        for (auto& key : RegistrationKeys(module)) keys.push_back(std::move(key));
        return registry::Save(registryPath, keys) ? S_OK : SELFREG_E_CLASS;
    } catch (const std::exception&) {
        return SELFREG_E_CLASS;
    }
}

HRESULT UnregisterServerAt(const std::string& registryPath) {
    if (registryPath.empty()) return S_OK;
    try {
        auto keys = registry::Load(registryPath);
        size_t before = keys.size();
        RemoveClassKeys(keys, false); // the type library stays registered
        if (keys.size() != before) registry::Save(registryPath, keys);
    } catch (const std::exception&) {}
    return S_OK;
}

} // namespace
} // namespace wavory

using namespace wavory;

WAVORY_EXPORT HRESULT WAVORY_CALL DllGetClassObject(const GUID& clsid, const GUID& iid,
                                                    void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!(clsid == CLSID_Wavo)) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) WavoFactory();
    if (!factory) return E_OUTOFMEMORY;
    HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

WAVORY_EXPORT HRESULT WAVORY_CALL DllCanUnloadNow() {
    return g_liveObjects == 0 && g_serverLocks == 0 ? S_OK : S_FALSE;
}

WAVORY_EXPORT HRESULT WAVORY_CALL DllRegisterServer() {
    return RegisterServerAt(registry::DefaultPath(), ModulePath());
}

WAVORY_EXPORT HRESULT WAVORY_CALL DllUnregisterServer() {
    return UnregisterServerAt(registry::DefaultPath());
}

WAVORY_EXPORT BSTR WAVORY_CALL SysAllocStringLen(const char16_t* text, uint32_t length) {
    // The byte length is a 32-bit field.
    if (length > (0xFFFFFFFFu - 8) / 2) return nullptr;
    auto* block = static_cast<char*>(std::malloc(4 + (size_t{length} + 1) * 2));
    if (!block) return nullptr;
    uint32_t bytes = length * 2;
    std::memcpy(block, &bytes, 4);
    auto* chars = reinterpret_cast<char16_t*>(block + 4);
    if (text)
        std::memcpy(chars, text, size_t{length} * 2);
    else
        std::memset(chars, 0, size_t{length} * 2);
    chars[length] = 0;
    return chars;
}

WAVORY_EXPORT BSTR WAVORY_CALL SysAllocString(const char16_t* text) {
    if (!text) return nullptr;
    uint32_t length = 0;
    while (text[length] != 0) ++length;
    return SysAllocStringLen(text, length);
}

WAVORY_EXPORT void WAVORY_CALL SysFreeString(BSTR text) {
    if (text) std::free(reinterpret_cast<char*>(text) - 4);
}

WAVORY_EXPORT uint32_t WAVORY_CALL SysStringLen(BSTR text) {
    if (!text) return 0;
    uint32_t bytes = 0;
    std::memcpy(&bytes, reinterpret_cast<char*>(text) - 4, 4);
    return bytes / 2;
}
