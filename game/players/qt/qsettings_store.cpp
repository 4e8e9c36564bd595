#include "game/players/qt/qsettings_store.h"

#include <QVariant>

namespace dravik {

namespace {

constexpr const char* kApplication = "KVXDSud";

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeyPath(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

} // namespace

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            kApplication, kApplication)) {}

QSettingsStore::QSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

std::optional<std::string> QSettingsStore::Get(std::string_view section,
                                               std::string_view key) const {
    QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) return std::nullopt;
    // A value written by another program may be a list or a number; anything
    // that does not convert to text reads as empty, which no reader accepts.
    if (!value.canConvert<QString>()) return std::string();
    return value.toString().toStdString();
}

void QSettingsStore::Put(std::string_view section, std::string_view key, std::string_view value) {
    // QSettings writes the change out as soon as control returns to the event
    // loop (and on destruction), so a handler's several keys go out together.
    settings_->setValue(KeyPath(section, key), ToQString(value));
}

} // namespace dravik
