// A shared library loaded at run time, by path, and the addresses of its
// exported functions.
#pragma once

#include <string>

namespace dravik {

class SharedLibrary {
  public:
    SharedLibrary() = default;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    // Leaves the library loaded: a library whose objects may still be in use
    // is unloaded only by Unload().
    ~SharedLibrary() = default;

    // Loads the library at `path` (its own symbols kept to itself); false when
    // it cannot be loaded.
    bool Load(const std::string& path);
    bool Loaded() const { return handle_ != nullptr; }
    // The exported function `name` as `Fn`, null when there is none.
    template <typename Fn> Fn Function(const char* name) const {
        return reinterpret_cast<Fn>(Address(name));
    }
    void Unload();

  private:
    void* Address(const char* name) const;
    void* handle_ = nullptr;
};

} // namespace dravik
