#include "game/players/qt/plain_ini.h"

#include <QIODevice>
#include <QMap>
#include <QStringDecoder>
#include <QVariant>

#include <utility>
#include <vector>

namespace dravik {

namespace {

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

bool IsSpace(char ch) {
    return IsBlank(ch) || ch == '\n' || ch == '\r';
}

QString FromUtf8(QByteArrayView bytes) {
    return QString::fromUtf8(bytes.data(), bytes.size());
}

// One logical line: where it starts, how long it is and where its first
// unquoted '=' is (-1 for none). Lines end at an unquoted line break; a
// backslash carries the next character (a line break too); an unquoted ';'
// starts a comment that runs to the end of the line. A quote still open at a
// line break or at the end of the file (`openQuote`) is damage: no writer
// leaves one, and read on it would swallow every line after it.
struct Line {
    qsizetype start = 0, length = 0, equals = -1;
    bool openQuote = false;
};

bool NextLine(QByteArrayView data, qsizetype& pos, Line& line) {
    const qsizetype n = data.size();
    for (;;) {
        while (pos < n && IsSpace(data[pos])) ++pos;
        if (pos < n && data[pos] == ';') {
            while (pos < n && data[pos] != '\n' && data[pos] != '\r') ++pos;
            continue;
        }
        break;
    }
    line = Line{pos, 0, -1};
    bool inQuotes = false;
    qsizetype i = pos;
    while (i < n) {
        const char ch = data[i];
        if ((ch == '\n' || ch == '\r') && inQuotes) break;
        if ((ch == '\n' || ch == '\r' || ch == ';') && !inQuotes) break;
        if (ch == '=' && !inQuotes && line.equals < 0) line.equals = i;
        if (ch == '"') inQuotes = !inQuotes;
        if (ch == '\\' && i + 1 < n) {
            const char next = data[i + 1];
            ++i;
            // A line break after a backslash continues the value; "\r\n" and
            // "\n\r" count as one break.
            if (i + 1 < n &&
                ((next == '\n' && data[i + 1] == '\r') || (next == '\r' && data[i + 1] == '\n')))
                ++i;
        }
        ++i;
    }
    pos = i;
    line.length = i - line.start;
    line.openQuote = inQuotes;
    return line.length > 0;
}

// A key as the INI file escapes it: '\' for '/', %XX and %UXXXX for other
// characters.
QString UnescapeKey(QByteArrayView bytes) {
    const QString text = FromUtf8(bytes);
    QString key;
    key.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const QChar ch = text[i];
        if (ch == u'\\') {
            key += u'/';
            ++i;
            continue;
        }
        if (ch == u'%' && i + 1 < text.size()) {
            const bool wide = text[i + 1] == u'U';
            const qsizetype first = i + (wide ? 2 : 1), digits = wide ? 4 : 2;
            if (first + digits <= text.size()) {
                bool ok = false;
                const ushort code = text.mid(first, digits).toUShort(&ok, 16);
                if (ok) {
                    key += QChar(code);
                    i = first + digits;
                    continue;
                }
            }
        }
        key += ch;
        ++i;
    }
    return key;
}

// A value: blanks around it dropped unless quoted, quotes removed, backslash
// escapes (\n \t \" \\ ..., \x hex, octal) resolved. Commas are ordinary
// characters: a list is not something the game stores.
QString UnescapeValue(QByteArrayView s) {
    static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                           {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                           {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QString value;
    bool inQuotes = false, quoted = false;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && IsBlank(s[i])) ++i;
    qsizetype keep = 0; // trailing blanks from here on are dropped
    while (i < n) {
        const char ch = s[i];
        if (ch == '\\') {
            if (++i >= n) return value; // a lone backslash at the end
            const char code = s[i++];
            bool simple = false;
            for (const auto& e : kEscapes)
                if (code == e[0]) {
                    value += QLatin1Char(e[1]);
                    simple = true;
                    break;
                }
            if (!simple) {
                if (code == 'x' && i < n && HexValue(s[i]) >= 0) {
                    char16_t v = 0;
                    while (i < n && HexValue(s[i]) >= 0)
                        v = static_cast<char16_t>(v * 16 + HexValue(s[i++]));
                    value += QChar(v);
                } else if (code >= '0' && code <= '7') {
                    char16_t v = static_cast<char16_t>(code - '0');
                    while (i < n && s[i] >= '0' && s[i] <= '7')
                        v = static_cast<char16_t>(v * 8 + (s[i++] - '0'));
                    value += QChar(v);
                } else if ((code == '\n' || code == '\r') && i < n &&
                           (s[i] == '\n' || s[i] == '\r') && s[i] != code) {
                    ++i; // a continued line
                }
                // Any other escaped character is dropped.
            }
            keep = value.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                while (i < n && IsBlank(s[i])) ++i;
                keep = value.size();
            }
        } else {
            qsizetype j = i + 1;
            while (j < n && s[j] != '\\' && s[j] != '"') ++j;
            value += FromUtf8(s.sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted)
        while (value.size() > keep && (value.back() == u' ' || value.back() == u'\t'))
            value.chop(1);
    return value;
}

bool IsHexDigit(char16_t ch) {
    return ch < 128 && HexValue(static_cast<char>(ch)) >= 0;
}

void AppendEscapedKey(const QString& key, QByteArray& out) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const QChar qch : key) {
        const char16_t ch = qch.unicode();
        if (ch == u'/') {
            out += '\\';
        } else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') ||
                   (ch >= u'0' && ch <= u'9') || ch == u'_' || ch == u'-' || ch == u'.') {
            out += static_cast<char>(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHex[ch / 16];
            out += kHex[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(ch >> shift) & 0xF];
        }
    }
}

// The escaping of Qt's INI writer for a string value, so both readers agree.
void AppendEscapedValue(const QString& text, QByteArray& out) {
    const qsizetype start = out.size();
    bool needsQuotes = false, escapeNextIfHex = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch == u';' || ch == u',' || ch == u'=') needsQuotes = true;
        if (escapeNextIfHex && IsHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHex = false;
        switch (ch) {
        case u'\0':
            out += "\\0";
            escapeNextIfHex = true;
            break;
        case u'\a':
            out += "\\a";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\v':
            out += "\\v";
            break;
        case u'"':
        case u'\\':
            out += '\\';
            out += static_cast<char>(ch);
            break;
        default:
            if (ch <= 0x1F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfHex = true;
            } else if (ch < 0x7F) {
                out += static_cast<char>(ch);
            } else {
                // A surrogate pair is one character in UTF-8.
                const qsizetype len = QChar::isHighSurrogate(ch) && i + 1 < text.size() &&
                                              QChar::isLowSurrogate(text[i + 1].unicode())
                                          ? 2
                                          : 1;
                out += text.mid(i, len).toUtf8();
                i += len - 1;
            }
        }
    }
    if (needsQuotes ||
        (out.size() > start && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

bool Refuse(QString* why, const QString& text) {
    if (why) *why = text;
    return false;
}

bool ReadFunction(QIODevice& device, QSettings::SettingsMap& map) {
    // Never read more than a settings file can hold.
    if (device.size() > kMaxSettingsFileBytes) return false;
    const QByteArray data = device.read(kMaxSettingsFileBytes + 1);
    QSettings::SettingsMap read;
    if (!ReadPlainIni(data, read)) return false;
    map = std::move(read);
    return true;
}

bool WriteFunction(QIODevice& device, const QSettings::SettingsMap& map) {
    const QByteArray text = WritePlainIni(map);
    return device.write(text) == text.size();
}

} // namespace

bool ReadPlainIni(QByteArrayView data, QSettings::SettingsMap& map, QString* why) {
    if (data.size() > kMaxSettingsFileBytes)
        return Refuse(why, QStringLiteral("larger than %1 bytes").arg(kMaxSettingsFileBytes));
    if (data.startsWith("\xEF\xBB\xBF")) data = data.sliced(3);
    if (data.contains('\0')) return Refuse(why, QStringLiteral("holds a zero byte"));
    {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(data);
        if (decoder.hasError()) return Refuse(why, QStringLiteral("is not UTF-8 text"));
    }
    QSettings::SettingsMap read;
    QString section; // with its trailing '/', empty for [General]
    qsizetype pos = 0;
    Line line;
    while (NextLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.start, line.length);
        const QString where = QStringLiteral("line at byte %1").arg(line.start);
        if (line.openQuote) return Refuse(why, where + QStringLiteral(": a quote is not closed"));
        if (text.front() == '[') {
            const qsizetype close = text.indexOf(']');
            if (close < 0) return Refuse(why, where + QStringLiteral(": section without ']'"));
            const QByteArrayView name = text.sliced(1, close - 1).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = FromUtf8(name.sliced(1)) + u'/';
            else
                section = UnescapeKey(name) + u'/';
            continue;
        }
        if (line.equals < 0) return Refuse(why, where + QStringLiteral(": no '='"));
        qsizetype keyEnd = line.equals;
        while (keyEnd > line.start && IsBlank(data[keyEnd - 1])) --keyEnd;
        if (keyEnd == line.start) return Refuse(why, where + QStringLiteral(": no key"));
        const QString key = section + UnescapeKey(data.sliced(line.start, keyEnd - line.start));
        QString value =
            UnescapeValue(data.sliced(line.equals + 1, line.start + line.length - line.equals - 1));
        // Qt writes a string that starts with '@' with a second '@', and one
        // that holds a zero character as @String(...); any other '@' at the
        // start introduces an encoded value.
        if (value.startsWith(u'@')) {
            if (value.startsWith(QStringLiteral("@@")))
                value.remove(0, 1);
            else if (value.startsWith(QStringLiteral("@String(")) && value.endsWith(u')'))
                value = value.sliced(8, value.size() - 9);
            else
                return Refuse(why, QStringLiteral("the value of %1 is not plain text").arg(key));
        }
        read.insert(key, value);
    }
    map = std::move(read);
    return true;
}

QByteArray WritePlainIni(const QSettings::SettingsMap& map) {
    // Sections in order, [General] (keys without a section) first.
    QMap<QString, std::vector<std::pair<QString, QString>>> sections;
    std::vector<std::pair<QString, QString>> general;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        const QString value = it.value().toString();
        if (slash < 0)
            general.emplace_back(it.key(), value);
        else
            sections[it.key().left(slash)].emplace_back(it.key().mid(slash + 1), value);
    }
    QByteArray out;
    auto writeSection = [&](const QString& name,
                            const std::vector<std::pair<QString, QString>>& keys) {
        if (!out.isEmpty()) out += '\n';
        out += '[';
        if (name.isEmpty())
            out += "General";
        else if (name.compare(QStringLiteral("general"), Qt::CaseInsensitive) == 0)
            out += "%General";
        else
            AppendEscapedKey(name, out);
        out += "]\n";
        for (const auto& [key, value] : keys) {
            AppendEscapedKey(key, out);
            out += '=';
            AppendEscapedValue(value.startsWith(u'@') ? QStringLiteral("@") + value : value, out);
            out += '\n';
        }
    };
    if (!general.empty()) writeSection(QString(), general);
    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it)
        writeSection(it.key(), it.value());
    return out;
}

QSettings::Format PlainIniFormat() {
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("conf"), ReadFunction, WriteFunction, Qt::CaseSensitive);
    return format;
}

} // namespace dravik
