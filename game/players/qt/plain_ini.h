// The settings file as plain text: the INI syntax QSettings writes (sections,
// escaped keys, quoted and backslash-escaped string values), read without ever
// decoding a value. Qt's own INI reader turns a value written as @Variant(...)
// into whatever the bytes describe, which a hostile file can make a stack
// overflow or a gigabyte allocation; here every value stays a string, and a
// file holding anything but plain strings is refused whole.
//
// The files written here read back the same through Qt's INI reader, and Qt's
// INI files of string values read the same here, so settings stay where they
// were, under the same keys, across versions.
#pragma once

#include <QByteArrayView>
#include <QSettings>
#include <QString>

namespace dravik {

// A settings file larger than this is not one the game wrote.
inline constexpr qint64 kMaxSettingsFileBytes = 1 << 20;

// Parses `data` into `map` ("Section/Key" -> the value as a QString). False,
// with the reason in `why`, when the file is larger than kMaxSettingsFileBytes,
// is not UTF-8 text, holds a line that is neither a section, a key, a comment
// nor blank, a quote left open at the end of its line, or holds a value that is not a plain string
// (anything Qt would decode: @Variant(...), @ByteArray(...), @Invalid(), ...; a string Qt wrote as
// @String(...) is plain text).
bool ReadPlainIni(QByteArrayView data, QSettings::SettingsMap& map, QString* why = nullptr);

// The file text for `map`, every value written as a string.
QByteArray WritePlainIni(const QSettings::SettingsMap& map);

// The QSettings format over the two functions above, registered once (file
// extension ".conf", case-sensitive keys).
QSettings::Format PlainIniFormat();

} // namespace dravik
