// Registers a sound control library in the per-user class registry file, or
// removes it: loads the library and calls its DllRegisterServer or
// DllUnregisterServer.
//
//   wavory-regsvr [-u] LIBRARY
#include <wavory/wavory.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    bool unregister = argc == 3 && std::strcmp(argv[1], "-u") == 0;
    if (argc != 2 && !unregister) {
        std::fprintf(stderr, "usage: %s [-u] LIBRARY\n", argv[0]);
        return 2;
    }
    std::error_code error;
    std::string library = std::filesystem::absolute(argv[argc - 1], error).string();
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "cannot load %s: %s\n", library.c_str(), dlerror());
        return 1;
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto call = reinterpret_cast<wavory::DllRegisterServerFn>(dlsym(handle, entry));
    if (!call) {
        std::fprintf(stderr, "%s has no %s\n", library.c_str(), entry);
        dlclose(handle);
        return 1;
    }
    wavory::HRESULT hr = call();
    dlclose(handle);
    if (hr != wavory::S_OK) {
        std::fprintf(stderr, "%s failed: 0x%08X\n", entry, static_cast<unsigned>(hr));
        return 1;
    }
    std::printf("%s %s\n", library.c_str(), unregister ? "unregistered" : "registered");
    return 0;
}
