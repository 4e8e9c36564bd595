// The host side of the sound control: finds the wavory library through the
// per-user class registry (or in the program's library folder), creates Wavo by its class
// and calls it late-bound, by DISPID, through IDispatch.
#pragma once

#include "game/sound/game_sounds.h"

#include <memory>
#include <string>

namespace dravik::sound {

class WavoHost : public SoundControl {
  public:
    // Null when no library could be loaded or it would not create the class.
    // `libraryFolder` (ending in the separator) holds the library that serves
    // when the registry names none that loads; `registryPath` empty: the
    // per-user default.
    static std::unique_ptr<WavoHost> Create(const std::string& libraryFolder,
                                            const std::string& registryPath = {});
    ~WavoHost() override;
    WavoHost(const WavoHost&) = delete;
    WavoHost& operator=(const WavoHost&) = delete;

    void Window(int32_t handle) override;
    int32_t InitializeSound() override;
    int32_t CreateStaticSound(const std::string& fileName) override;
    int32_t PlayStaticSound(int32_t& index, int32_t loop) override;

    // Where the library was loaded from.
    const std::string& LibraryPath() const { return libraryPath_; }

    // The outcome reported when the call itself fails at the dispatch level.
    static constexpr int32_t kCallFailed = -4;

  private:
    struct Library;
    explicit WavoHost(std::unique_ptr<Library> library);
    std::unique_ptr<Library> library_;
    std::string libraryPath_;
};

} // namespace dravik::sound
