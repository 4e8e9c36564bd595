#include "game/platform/shared_library.h"

#include <dlfcn.h>

namespace dravik {

bool SharedLibrary::Load(const std::string& path) {
    Unload();
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    return handle_ != nullptr;
}

void* SharedLibrary::Address(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

void SharedLibrary::Unload() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
}

} // namespace dravik
