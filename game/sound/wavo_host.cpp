#include "game/sound/wavo_host.h"

#include "game/base/utf8.h"
#include "game/platform/shared_library.h"

#include <wavory/class_registry.h>
#include <wavory/wavory.h>

#include <cstring>
#include <vector>

namespace dravik::sound {

using namespace wavory;

struct WavoHost::Library {
    SharedLibrary library;
    IDispatch* control = nullptr;
    DllCanUnloadNowFn canUnloadNow = nullptr;
    BSTR(WAVORY_CALL* allocString)(const char16_t*) = nullptr;
    void(WAVORY_CALL* freeString)(BSTR) = nullptr;

    ~Library() {
        if (control) control->Release();
        if (library.Loaded() && canUnloadNow && canUnloadNow() == S_OK) library.Unload();
    }

    // Loads the library and creates one instance of Wavo through its class factory.
    bool Load(const std::string& path) {
        if (!library.Load(path)) return false;
        auto getClassObject = library.Function<DllGetClassObjectFn>("DllGetClassObject");
        canUnloadNow = library.Function<DllCanUnloadNowFn>("DllCanUnloadNow");
        allocString = library.Function<decltype(allocString)>("SysAllocString");
        freeString = library.Function<decltype(freeString)>("SysFreeString");
        IClassFactory* factory = nullptr;
        if (getClassObject && canUnloadNow && allocString && freeString &&
            getClassObject(CLSID_Wavo, IID_IClassFactory, reinterpret_cast<void**>(&factory)) ==
                S_OK &&
            factory) {
            factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&control));
            factory->Release();
        }
        if (control) return true;
        library.Unload();
        return false;
    }

    int32_t Call(DISPID member, std::vector<VARIANT>& argumentsLastFirst) {
        DISPPARAMS params{argumentsLastFirst.data(), nullptr,
                          static_cast<uint32_t>(argumentsLastFirst.size()), 0};
        VARIANT result{};
        uint32_t argError = 0;
        HRESULT hr = control->Invoke(member, IID_NULL, 0x409, DISPATCH_METHOD, &params, &result,
                                     nullptr, &argError);
        if (hr != S_OK || result.vt != VT_I4) return kCallFailed;
        return result.lVal;
    }
};

std::unique_ptr<WavoHost> WavoHost::Create(const std::string& libraryFolder,
                                           const std::string& registryPath) {
    std::vector<std::string> candidates;
    auto keys = registry::Load(registryPath.empty() ? registry::DefaultPath() : registryPath);
    if (auto server = registry::InprocServer(keys, kClsidWavoText)) candidates.push_back(*server);
    candidates.push_back(libraryFolder + "libwavory.so");

    for (const std::string& path : candidates) {
        auto library = std::make_unique<Library>();
        if (!library->Load(path)) continue;
        std::unique_ptr<WavoHost> host(new WavoHost(std::move(library)));
        host->libraryPath_ = path;
        return host;
    }
    return nullptr;
}

WavoHost::WavoHost(std::unique_ptr<Library> library) : library_(std::move(library)) {}

WavoHost::~WavoHost() = default;

void WavoHost::Window(int32_t handle) {
    VARIANT value{};
    value.vt = VT_I4;
    value.lVal = handle;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    library_->control->Invoke(DISPID_Window, IID_NULL, 0x409, DISPATCH_PROPERTYPUT, &params,
                              nullptr, nullptr, nullptr);
}

int32_t WavoHost::InitializeSound() {
    std::vector<VARIANT> none;
    return library_->Call(DISPID_InitializeSound, none);
}

int32_t WavoHost::CreateStaticSound(const std::string& fileName) {
    std::u16string wide = Utf16FromUtf8(fileName);
    BSTR name = library_->allocString(wide.c_str());
    if (!name) return kCallFailed;
    std::vector<VARIANT> arguments(1);
    arguments[0].vt = VT_BSTR;
    arguments[0].bstrVal = name;
    int32_t outcome = library_->Call(DISPID_CreateStaticSound, arguments);
    library_->freeString(name);
    return outcome;
}

int32_t WavoHost::PlayStaticSound(int32_t& index, int32_t loop) {
    std::vector<VARIANT> arguments(2); // last first: loop, then the index
    arguments[0].vt = VT_I4;
    arguments[0].lVal = loop;
    arguments[1].vt = VT_BYREF | VT_I4;
    arguments[1].plVal = &index;
    return library_->Call(DISPID_PlayStaticSound, arguments);
}

} // namespace dravik::sound
