#include "game/players/qt/qsettings_store.h"

#include <QFile>
#include <QStandardPaths>
#include <QVariant>

#include <cstdint>
#include <system_error>
#include <utility>
#include <vector>

#include "game/platform/safe_files.h"
#include "game/players/qt/plain_ini.h"
#include "game/players/settings.h"
#include "game/qt/text.h"

namespace dravik {

namespace {

namespace fs = std::filesystem;

constexpr const char* kApplication = "KVXDSud";

QString KeyPath(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

bool UsesPlainIni() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    return true; // the same file as the native format there
#else
    return false;
#endif
}

QSettings::Format UserFormat() {
    return UsesPlainIni() ? PlainIniFormat() : QSettings::NativeFormat;
}

fs::path FileOf(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

// Where QSettings keeps the user's file of the application, known before it
// is made: making it reads the file.
fs::path UserSettingsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return FileOf(folder + QLatin1Char('/') + QLatin1String(kApplication) + QLatin1Char('/') +
                  QLatin1String(kApplication) + QStringLiteral(".conf"));
}

} // namespace

QSettingsStore::QSettingsStore() {
    if (UsesPlainIni()) file_ = UserSettingsFile();
    Open([] {
        return std::make_unique<QSettings>(UserFormat(), QSettings::UserScope, kApplication,
                                           kApplication);
    });
}

QSettingsStore::QSettingsStore(const QString& path) : file_(FileOf(path)) {
    Open([&path] { return std::make_unique<QSettings>(path, PlainIniFormat()); });
}

void QSettingsStore::Open(const std::function<std::unique_ptr<QSettings>()>& make) {
    if (file_.empty()) {
        settings_ = make();
        return;
    }
    // Nothing under the name, or a plain file: the file store. Anything else
    // (a link, a pipe, a device) QSettings would open blocking and replace
    // through temporary file and rename, so it never sees it.
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(file_, ec);
    std::vector<std::uint8_t> bytes;
    QSettings::SettingsMap map;
    if (!fs::exists(status) || fs::is_regular_file(status)) {
        const FileReadResult read = ReadRegularFile(file_, kMaxSettingsFileBytes, bytes);
        const bool damaged =
            read.problem == ReadProblem::kTooLarge ||
            (read.ok() && !ReadPlainIni(QByteArrayView(bytes.data(), bytes.size()), map));
        if (read.problem != ReadProblem::kNotAFile) {
            if (damaged) {
                // Kept for the player; the game starts again from the defaults.
                fs::path aside = SetAside(file_);
                if (!aside.empty()) {
                    notice_ = SettingsSetAsideMessage(aside.string());
                    setAside_ = std::move(aside);
                }
            }
            // A file that cannot be opened at all reads as empty, as Qt has it.
            settings_ = make();
            return;
        }
        // It turned into something else meanwhile: as below.
    }
    notice_ = SettingsNotSavedMessage(file_.string());
    if (!ReadRegularFile(file_, kMaxSettingsFileBytes, bytes).ok() ||
        !ReadPlainIni(QByteArrayView(bytes.data(), bytes.size()), map))
        return;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const QString key = it.key();
        const qsizetype slash = key.indexOf(u'/');
        memory_.Put(slash < 0 ? std::string() : key.left(slash).toStdString(),
                    key.mid(slash + 1).toStdString(), it.value().toString().toStdString());
    }
}

std::optional<std::string> QSettingsStore::TakeNotice() {
    return std::exchange(notice_, std::nullopt);
}

std::optional<std::string> QSettingsStore::Get(std::string_view section,
                                               std::string_view key) const {
    if (!settings_) return memory_.Get(section, key);
    QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) return std::nullopt;
    // A value written by another program may be a list or a number; anything
    // that does not convert to text reads as empty, which no reader accepts.
    if (!value.canConvert<QString>()) return std::string();
    return value.toString().toStdString();
}

void QSettingsStore::Put(std::string_view section, std::string_view key, std::string_view value) {
    if (!settings_) return memory_.Put(section, key, value);
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
