// The control through its binary interface only, as any host would use it:
// the library's exports, the class factory, IWavo's vtable and IDispatch.
#include "wav_builder.h"

#include <wavory/class_registry.h>
#include <wavory/wavory.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using namespace wavtest;
using namespace wavory;

namespace {

IClassFactory* Factory() {
    IClassFactory* factory = nullptr;
    EXPECT_EQ(DllGetClassObject(CLSID_Wavo, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    return factory;
}

IWavo* NewWavo() {
    IClassFactory* factory = Factory();
    IWavo* wavo = nullptr;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IWavo, reinterpret_cast<void**>(&wavo)), S_OK);
    factory->Release();
    return wavo;
}

// A BSTR that frees itself.
class Bstr {
  public:
    explicit Bstr(const std::string& text) {
        std::u16string wide(text.begin(), text.end());
        value_ = SysAllocString(wide.c_str());
    }
    ~Bstr() { SysFreeString(value_); }
    BSTR get() const { return value_; }

  private:
    BSTR value_;
};

int32_t Call(IWavo* wavo, HRESULT (IWavo::*member)(int32_t, int32_t*), int32_t a) {
    int32_t out = 12345;
    EXPECT_EQ((wavo->*member)(a, &out), S_OK);
    return out;
}
int32_t Call(IWavo* wavo, HRESULT (IWavo::*member)(int32_t, int32_t, int32_t*), int32_t a,
             int32_t b) {
    int32_t out = 12345;
    EXPECT_EQ((wavo->*member)(a, b, &out), S_OK);
    return out;
}
int32_t CreateStatic(IWavo* wavo, const std::string& path) {
    Bstr name(path);
    int32_t out = 12345;
    EXPECT_EQ(wavo->CreateStaticSound(name.get(), &out), S_OK);
    return out;
}
int32_t CreateStreaming(IWavo* wavo, const std::string& path) {
    Bstr name(path);
    int32_t out = 12345;
    EXPECT_EQ(wavo->CreateStreamingSound(name.get(), &out), S_OK);
    return out;
}
int32_t Initialize(IWavo* wavo) {
    int32_t out = 12345;
    EXPECT_EQ(wavo->InitializeSound(&out), S_OK);
    return out;
}

VARIANT Int(int32_t v) {
    VARIANT x{};
    x.vt = VT_I4;
    x.lVal = v;
    return x;
}

HRESULT Invoke(IDispatch* d, DISPID id, std::vector<VARIANT> lastFirst, VARIANT* result,
               uint16_t flags = DISPATCH_METHOD, uint32_t* argError = nullptr) {
    DISPPARAMS params{lastFirst.data(), nullptr, static_cast<uint32_t>(lastFirst.size()), 0};
    return d->Invoke(id, IID_NULL, 0x409, flags, &params, result, nullptr, argError);
}

} // namespace

TEST(Control, TheClassFactoryMakesWavoAndItAnswersOnlyItsInterfaces) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(DllGetClassObject(IID_IWavo, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(DllGetClassObject(CLSID_Wavo, IID_IWavo, &out), E_NOINTERFACE);
    EXPECT_EQ(DllGetClassObject(CLSID_Wavo, IID_IClassFactory, nullptr), E_POINTER);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);

    IClassFactory* factory = Factory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // a live factory keeps the library
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&dispatch)),
              S_OK);
    IWavo* wavo = nullptr;
    IUnknown* unknown = nullptr;
    ASSERT_EQ(dispatch->QueryInterface(IID_IWavo, reinterpret_cast<void**>(&wavo)), S_OK);
    ASSERT_EQ(wavo->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    IUnknown* again = nullptr;
    ASSERT_EQ(dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&again)), S_OK);
    EXPECT_EQ(unknown, again); // one identity
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(wavo->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    uint32_t typeInfos = 9;
    EXPECT_EQ(wavo->GetTypeInfoCount(&typeInfos), S_OK);
    EXPECT_EQ(typeInfos, 0u);

    // An outer object may aggregate it, asking for its inner IUnknown only.
    EXPECT_EQ(factory->CreateInstance(unknown, IID_IWavo, &none), CLASS_E_NOAGGREGATION);
    IUnknown* inner = nullptr;
    ASSERT_EQ(factory->CreateInstance(unknown, IID_IUnknown, reinterpret_cast<void**>(&inner)),
              S_OK);
    IWavo* innerWavo = nullptr;
    ASSERT_EQ(inner->QueryInterface(IID_IWavo, reinterpret_cast<void**>(&innerWavo)), S_OK);
    IUnknown* outerSeen = nullptr;
    ASSERT_EQ(innerWavo->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&outerSeen)), S_OK);
    EXPECT_EQ(outerSeen, unknown); // the aggregate's identity is the outer object's
    outerSeen->Release();
    innerWavo->Release(); // released through the outer object
    EXPECT_EQ(inner->Release(), 0u);

    EXPECT_EQ(factory->LockServer(1), S_OK);
    factory->Release();
    again->Release();
    unknown->Release();
    wavo->Release();
    EXPECT_EQ(dispatch->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE); // still locked
    // The lock is the server's, not the factory's: unlock through a new one.
    IClassFactory* second = Factory();
    second->LockServer(0);
    second->Release();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(Control, WindowMustBeSetBeforeInitializeSoundAndZeroIsIgnored) {
    IWavo* wavo = NewWavo();
    EXPECT_EQ(Initialize(wavo), WAVO_NO_WINDOW);
    EXPECT_EQ(wavo->put_Window(0), S_OK);
    EXPECT_EQ(Initialize(wavo), WAVO_NO_WINDOW);
    EXPECT_EQ(wavo->put_Window(4242), S_OK);
    EXPECT_EQ(wavo->put_Window(0), S_OK); // keeps 4242
    EXPECT_EQ(Initialize(wavo), WAVO_DONE);
    EXPECT_EQ(Initialize(wavo), WAVO_DONE);
    wavo->Release();
}

TEST(Control, EveryMemberSucceedsAndReportsItsOutcomeInReturn) {
    IWavo* wavo = NewWavo();
    wavo->put_Window(1);
    ASSERT_EQ(Initialize(wavo), WAVO_DONE);
    const int32_t never = 1000000;
    EXPECT_EQ(Call(wavo, &IWavo::PlayStaticSound, never, 0), WAVO_NO_BUFFER);
    EXPECT_EQ(Call(wavo, &IWavo::StopStaticSound, never), WAVO_BAD_INDEX);
    EXPECT_EQ(Call(wavo, &IWavo::GetStaticVolume, never), WAVO_BAD_SOUND);
    EXPECT_EQ(Call(wavo, &IWavo::SetStaticPan, never, 10001), WAVO_OUT_OF_RANGE);
    EXPECT_EQ(Call(wavo, &IWavo::SetStaticFrequency, never, 99), WAVO_BAD_FREQUENCY);
    EXPECT_EQ(Call(wavo, &IWavo::DuplicateStaticSound, never), WAVO_BAD_INDEX);
    EXPECT_EQ(Call(wavo, &IWavo::PlayStreamingSound, never, 0), WAVO_BAD_INDEX);
    EXPECT_EQ(Call(wavo, &IWavo::GetStreamingFrequency, never), WAVO_BAD_SOUND);

    TempDir dir;
    std::string file = dir.File("c.wav", Wave(1, 11025, 16, Pcm16({5, 6, 7, 8, 9})));
    int32_t index = CreateStatic(wavo, file);
    ASSERT_GE(index, 0);
    EXPECT_EQ(Call(wavo, &IWavo::GetStaticByteLength, index), 10);
    EXPECT_EQ(Call(wavo, &IWavo::GetStaticFrequency, index), 11025);
    EXPECT_EQ(Call(wavo, &IWavo::SetStaticVolume, index, -500), WAVO_DONE);
    EXPECT_EQ(Call(wavo, &IWavo::GetStaticVolume, index), -500);
    EXPECT_EQ(Call(wavo, &IWavo::SetCurrentStaticPosition, index, 4), WAVO_DONE);
    EXPECT_EQ(Call(wavo, &IWavo::GetCurrentStaticPosition, index), 4);
    int32_t copy = Call(wavo, &IWavo::DuplicateStaticSound, index);
    EXPECT_EQ(copy, index + 1);
    EXPECT_EQ(Call(wavo, &IWavo::GetStaticVolume, copy), 0);
    EXPECT_EQ(Call(wavo, &IWavo::PlayStaticSound, copy, 0), WAVO_DONE);

    // Names that cannot be files: null, an embedded zero, a missing file.
    int32_t out = 0;
    EXPECT_EQ(wavo->CreateStaticSound(nullptr, &out), S_OK);
    EXPECT_EQ(out, WAVO_BAD_SOUND);
    EXPECT_EQ(wavo->CreateStreamingSound(nullptr, &out), S_OK);
    EXPECT_EQ(out, WAVO_NO_BUFFER);
    const char16_t withZero[] = {'c', 0, 'x'};
    BSTR odd = SysAllocStringLen(withZero, 3);
    EXPECT_EQ(wavo->CreateStaticSound(odd, &out), S_OK);
    EXPECT_EQ(out, WAVO_BAD_SOUND);
    SysFreeString(odd);
    EXPECT_EQ(CreateStatic(wavo, dir.Path("nothing.wav")), WAVO_BAD_SOUND);

    // A missing Return is refused instead of written through.
    EXPECT_EQ(wavo->InitializeSound(nullptr), E_POINTER);
    EXPECT_EQ(wavo->GetStaticVolume(index, nullptr), E_POINTER);
    wavo->Release();
}

TEST(Control, AHostBindsByDispidAndGetsTheOutcomeAsTheResult) {
    IDispatch* d = NewWavo();
    const std::pair<const char16_t*, DISPID> names[] = {{u"InitializeSound", 1},
                                                        {u"CreateStaticSound", 5},
                                                        {u"playstaticsound", 6},
                                                        {u"DuplicateStaticSound", 22},
                                                        {u"Window", 23}};
    for (auto [name, expected] : names) {
        char16_t* list[] = {const_cast<char16_t*>(name)};
        DISPID id = 0;
        EXPECT_EQ(d->GetIDsOfNames(IID_NULL, list, 1, 0x409, &id), S_OK);
        EXPECT_EQ(id, expected);
    }
    char16_t* unknown[] = {const_cast<char16_t*>(u"PlayLoud")};
    DISPID id = 0;
    EXPECT_EQ(d->GetIDsOfNames(IID_NULL, unknown, 1, 0x409, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);

    VARIANT result{};
    // Window is a put-only property with the named argument DISPID_PROPERTYPUT.
    EXPECT_EQ(Invoke(d, DISPID_Window, {Int(9)}, &result), DISP_E_MEMBERNOTFOUND);
    ASSERT_EQ(Invoke(d, DISPID_InitializeSound, {}, &result), S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    EXPECT_EQ(result.lVal, WAVO_NO_WINDOW);
    VARIANT handle = Int(9);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS put{&handle, &named, 1, 1};
    ASSERT_EQ(d->Invoke(DISPID_Window, IID_NULL, 0x409, DISPATCH_PROPERTYPUT, &put, nullptr,
                        nullptr, nullptr),
              S_OK);
    ASSERT_EQ(Invoke(d, DISPID_InitializeSound, {}, &result), S_OK);
    EXPECT_EQ(result.lVal, WAVO_DONE);

    TempDir dir;
    Bstr name(dir.File("i.wav", Wave(1, 8000, 8, Bytes(100, 140))));
    VARIANT file{};
    file.vt = VT_BSTR;
    file.bstrVal = name.get();
    ASSERT_EQ(Invoke(d, DISPID_CreateStaticSound, {file}, &result), S_OK);
    int32_t index = result.lVal;
    EXPECT_GE(index, 0);

    // The index by reference, the loop flag by value, last first.
    VARIANT byRef{};
    byRef.vt = VT_BYREF | VT_I4;
    byRef.plVal = &index;
    ASSERT_EQ(Invoke(d, DISPID_PlayStaticSound, {Int(0), byRef}, &result), S_OK);
    EXPECT_EQ(result.lVal, WAVO_DONE);
    ASSERT_EQ(Invoke(d, DISPID_SetStaticPan, {Int(-2500), Int(index)}, &result), S_OK);
    ASSERT_EQ(Invoke(d, DISPID_GetStaticPan, {Int(index)}, &result), S_OK);
    EXPECT_EQ(result.lVal, -2500);

    // Calls that do not fit the member fail at the dispatch level.
    uint32_t argError = 99;
    EXPECT_EQ(Invoke(d, DISPID_PlayStaticSound, {Int(0)}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(
        Invoke(d, DISPID_PlayStaticSound, {Int(0), file}, &result, DISPATCH_METHOD, &argError),
        DISP_E_TYPEMISMATCH);
    EXPECT_EQ(argError, 1u);
    EXPECT_EQ(Invoke(d, DISPID_CreateStaticSound, {Int(3)}, &result), DISP_E_TYPEMISMATCH);
    VARIANT nullRef{};
    nullRef.vt = VT_BYREF | VT_I4;
    EXPECT_EQ(Invoke(d, DISPID_StopStaticSound, {nullRef}, &result), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Invoke(d, 24, {}, &result), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Invoke(d, 0, {}, &result), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Invoke(d, DISPID_InitializeSound, {}, &result, DISPATCH_PROPERTYPUT),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(d->Invoke(DISPID_InitializeSound, IID_NULL, 0, DISPATCH_METHOD, nullptr, &result,
                        nullptr, nullptr),
              E_POINTER);
    d->Release();
}

TEST(Control, InstancesShareTheSoundsAndTheEndOfOneEndsTheStreamsAndTheDevice) {
    TempDir dir;
    std::string file = dir.File("s.wav", Wave(2, 22050, 16, Pcm16(TestSignal(2000))));
    IWavo* a = NewWavo();
    IWavo* b = NewWavo();
    a->put_Window(1);
    b->put_Window(2);
    ASSERT_EQ(Initialize(a), WAVO_DONE);
    int32_t fromA = CreateStatic(a, file);
    ASSERT_GE(fromA, 0);
    EXPECT_EQ(CreateStreaming(a, file), 0);
    EXPECT_EQ(CreateStreaming(b, file), 1); // one list for both
    EXPECT_EQ(Call(b, &IWavo::PlayStaticSound, fromA, 0), WAVO_DONE);
    EXPECT_EQ(Call(b, &IWavo::PlayStreamingSound, 0, 1), WAVO_DONE);

    a->Release();
    // The streams are gone and the device is closed for the other instance too.
    EXPECT_EQ(Call(b, &IWavo::StopStreamingSound, 0), WAVO_BAD_INDEX);
    EXPECT_EQ(Call(b, &IWavo::DuplicateStaticSound, fromA), WAVO_DEVICE_CLOSED);
    EXPECT_EQ(CreateStatic(b, file), WAVO_DEVICE_CLOSED);
    ASSERT_EQ(Initialize(b), WAVO_DONE);
    EXPECT_EQ(CreateStreaming(b, file), 0);                       // streaming indexes start again
    EXPECT_EQ(CreateStatic(b, file), fromA + 1);                  // static ones go on counting
    EXPECT_EQ(Call(b, &IWavo::GetStaticByteLength, fromA), 4000); // 2000 samples
    b->Release();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(Control, RegistrationWritesTheClassKeysAndUnregistrationRemovesThem) {
    TempDir dir;
    std::string file = dir.Path("config/wavory/classes.reg");
    setenv(kClassRegistryVariable, file.c_str(), 1);
    // Unregistering with no file at all still succeeds.
    EXPECT_EQ(DllUnregisterServer(), S_OK);
    // Keys of other classes already in the file are kept.
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    {
        std::ofstream other(file);
        other << "[CLSID\\{00000000-1111-2222-3333-444444444444}\\InprocServer32]\n@=/x.so\n";
    }
    ASSERT_EQ(DllRegisterServer(), S_OK);
    ASSERT_EQ(DllRegisterServer(), S_OK); // again: replaced, not doubled

    auto keys = registry::Load(file);
    std::string clsid = std::string("CLSID\\") + kClsidWavoText;
    auto server = registry::InprocServer(keys, kClsidWavoText);
    ASSERT_TRUE(server);
    EXPECT_TRUE(std::filesystem::path(*server).is_absolute());
    EXPECT_EQ(std::filesystem::path(*server).filename(), "libwavory.so");
    EXPECT_TRUE(std::filesystem::exists(*server));
    EXPECT_EQ(registry::GetValue(keys, clsid + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(registry::GetValue(keys, clsid), "Wavo Class");
    EXPECT_EQ(registry::GetValue(keys, clsid + "\\ProgID"), "Wavo.Wavo.1");
    EXPECT_EQ(registry::GetValue(keys, clsid + "\\VersionIndependentProgID"), "Wavo.Wavo");
    EXPECT_EQ(registry::GetValue(keys, clsid + "\\MiscStatus\\1"), "132497");
    EXPECT_EQ(registry::GetValue(keys, clsid + "\\TypeLib"), kLibidWavoryText);
    EXPECT_EQ(registry::GetValue(keys, clsid + "\\ToolboxBitmap32"), *server + ", 1");
    EXPECT_TRUE(registry::FindKey(keys, clsid + "\\Programmable"));
    EXPECT_EQ(registry::GetValue(keys, "wavo.wavo.1\\clsid"), kClsidWavoText);
    EXPECT_EQ(registry::GetValue(keys, "Wavo.Wavo\\CurVer"), "Wavo.Wavo.1");
    size_t classKeys = 0;
    for (const auto& key : keys) classKeys += registry::IsUnder(key.path, clsid);
    EXPECT_EQ(classKeys, 12u);

    ASSERT_EQ(DllUnregisterServer(), S_OK);
    keys = registry::Load(file);
    EXPECT_FALSE(registry::InprocServer(keys, kClsidWavoText));
    EXPECT_FALSE(registry::FindKey(keys, "Wavo.Wavo.1"));
    EXPECT_FALSE(registry::FindKey(keys, "Wavo.Wavo\\CurVer"));
    // The type library stays registered; the other class is untouched.
    EXPECT_TRUE(registry::FindKey(keys, std::string("TypeLib\\") + kLibidWavoryText + "\\1.0"));
    EXPECT_EQ(registry::InprocServer(keys, "{00000000-1111-2222-3333-444444444444}"), "/x.so");
    unsetenv(kClassRegistryVariable);
}

TEST(Control, BstrsCarryTheirLengthBeforeTheText) {
    BSTR text = SysAllocString(u"Assign.wav");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 10u);
    uint32_t bytes = 0;
    std::memcpy(&bytes, reinterpret_cast<char*>(text) - 4, 4);
    EXPECT_EQ(bytes, 20u);
    EXPECT_EQ(text[10], 0);
    SysFreeString(text);
    BSTR blank = SysAllocStringLen(nullptr, 3);
    EXPECT_EQ(SysStringLen(blank), 3u);
    EXPECT_EQ(blank[0], 0);
    SysFreeString(blank);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysAllocStringLen(u"x", 0x80000000u), nullptr);
    SysFreeString(nullptr);
}
