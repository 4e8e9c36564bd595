// The settings store over QSettings: application "KVXDSud", one group per
// section, string values. On Linux this is an INI file in the user's config
// folder; on Windows the user's part of the registry.
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

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

  private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace dravik
