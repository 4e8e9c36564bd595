// The settings store over QSettings: application "KVXDSud", one group per
// section, string values. On Linux this is the INI file
// ~/.config/KVXDSud/KVXDSud.conf, read and written as plain text (plain_ini.h):
// no value is ever decoded. On other platforms it is the native store.
//
// A settings file that is too large or holds anything but plain text is moved
// aside beside itself ("<file>.bad", "<file>.2.bad", ...) when the store is made,
// and the game starts from the defaults. A settings file that is not a plain
// file (a link, a pipe, a device, a folder) is never written and never opened
// in a way that could wait: the store keeps the session's settings in memory,
// starting from what the file holds when it leads to a plain file. Either way
// the window tells the player once (TakeNotice).
#pragma once

#include <QSettings>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "game/ports/settings_store.h"

namespace dravik {

class QSettingsStore final : public SettingsStore {
  public:
    // The user's own store of the application "KVXDSud".
    QSettingsStore();
    // An INI file at `path` (tests, portable installs).
    explicit QSettingsStore(const QString& path);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const override;
    void Put(std::string_view section, std::string_view key, std::string_view value) override;

    // The store behind the settings, or null while they are kept in memory.
    QSettings* Settings() { return settings_.get(); }
    // The settings file as the store checked it (empty for a native store).
    const std::filesystem::path& File() const { return file_; }

    // Where the unreadable settings file was moved, when it was.
    const std::optional<std::filesystem::path>& SetAsideFile() const { return setAside_; }
    // The message for the player about the file set aside (SettingsSetAsideMessage)
    // or kept unwritten (SettingsNotSavedMessage), title kSettingsSetAsideTitle:
    // the first call returns it, every other call nullopt.
    std::optional<std::string> TakeNotice();

  private:
    void Open(const std::function<std::unique_ptr<QSettings>()>& make);

    std::filesystem::path file_;
    std::unique_ptr<QSettings> settings_;
    MemorySettingsStore memory_; // while settings_ is null
    std::optional<std::filesystem::path> setAside_;
    std::optional<std::string> notice_;
};

} // namespace dravik
