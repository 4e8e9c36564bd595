#include "game/players/qt/qsettings_store.h"

#include <QFile>
#include <QVariant>

#include <system_error>

#include "game/players/qt/plain_ini.h"
#include "game/players/settings.h"
#include "game/stock/safe_files.h"

namespace dravik {

namespace {

constexpr const char* kApplication = "KVXDSud";

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeyPath(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

QSettings::Format UserFormat() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return PlainIniFormat(); // the same file as the native format there
#else
    return QSettings::NativeFormat;
#endif
}

// True when `file` is missing or a settings file we can take as it is.
bool Readable(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return true;
    QFile in(QString::fromStdString(file.string()));
    if (!in.open(QIODevice::ReadOnly)) return true; // Qt treats it as empty
    if (in.size() > kMaxSettingsFileBytes) return false;
    QSettings::SettingsMap ignored;
    return ReadPlainIni(in.read(kMaxSettingsFileBytes + 1), ignored);
}

} // namespace

QSettingsStore::QSettingsStore() {
    Open([] {
        return std::make_unique<QSettings>(UserFormat(), QSettings::UserScope, kApplication,
                                           kApplication);
    });
}

QSettingsStore::QSettingsStore(const QString& path) {
    Open([&path] { return std::make_unique<QSettings>(path, PlainIniFormat()); });
}

void QSettingsStore::Open(const std::function<std::unique_ptr<QSettings>()>& make) {
    settings_ = make();
    if (settings_->format() != PlainIniFormat()) return;
    const std::filesystem::path file(QFile::encodeName(settings_->fileName()).toStdString());
    if (Readable(file)) return;
    // Let go of the file before it moves, then start again from the defaults.
    settings_.reset();
    std::filesystem::path aside = SetAside(file);
    if (!aside.empty()) setAside_ = std::move(aside);
    settings_ = make();
}

std::optional<std::string> QSettingsStore::TakeSetAsideNotice() {
    if (!setAside_ || noticeTaken_) return std::nullopt;
    noticeTaken_ = true;
    return SettingsSetAsideMessage(setAside_->string());
}

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
    const QString path = KeyPath(section, key);
    const QString text = ToQString(value);
    // The game stores its options at every start, mostly as they were: that
    // would rewrite the file and wait for the disk before the window's first
    // paint. A value the file already holds as this text is left alone.
    const QVariant stored = settings_->value(path);
    if (stored.typeId() == QMetaType::QString && stored.toString() == text) return;
    // QSettings writes the change out as soon as control returns to the event
    // loop (and on destruction), so a handler's several keys go out together.
    settings_->setValue(path, text);
}

} // namespace dravik
