// The settings store over QSettings: application "KVXDSud", one group per
// section, string values. On Linux this is the INI file
// ~/.config/KVXDSud/KVXDSud.conf, read and written as plain text (plain_ini.h):
// no value is ever decoded. On other platforms it is the native store.
//
// A settings file that is too large or holds anything but plain text is moved
// aside beside itself ("<file>.bad", "<file>.2.bad", ...) when the store is made,
// and the game starts from the defaults; the window tells the player once
// (TakeSetAsideNotice).
#pragma once

#include <QSettings>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "game/players/settings_store.h"

namespace dravik {

class QSettingsStore final : public SettingsStore {
  public:
    // The user's own store of the application "KVXDSud".
    QSettingsStore();
    // An INI file at `path` (tests, portable installs).
    explicit QSettingsStore(const QString& path);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const override;
    void Put(std::string_view section, std::string_view key, std::string_view value) override;

    QSettings& Settings() { return *settings_; }

    // Where the unreadable settings file was moved, when it was.
    const std::optional<std::filesystem::path>& SetAsideFile() const { return setAside_; }
    // The message for the player about the file set aside (SettingsSetAsideMessage,
    // title kSettingsSetAsideTitle): the first call after the set-aside returns
    // it, every other call nullopt.
    std::optional<std::string> TakeSetAsideNotice();

  private:
    void Open(const std::function<std::unique_ptr<QSettings>()>& make);

    std::unique_ptr<QSettings> settings_;
    std::optional<std::filesystem::path> setAside_;
    bool noticeTaken_ = false;
};

} // namespace dravik
