// The QSettings adapter: sections become groups, values round-trip as text,
// and foreign values are handed over for the readers to judge.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/players/qt/plain_ini.h"
#include "game/players/qt/qsettings_store.h"
#include "game/players/settings.h"
#include "support/child_process.h"

namespace dravik {
namespace {

TEST(QSettingsStore, RoundTripsTheGameSettingsThroughAnIniFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("KVXDSud.ini");
    {
        QSettingsStore store(path);
        EXPECT_EQ(store.Get("Options", "Level"), std::nullopt);
        SaveOptions(store, Options{false, 4});
        SaveLastPuzzles(store, LastPuzzles{0, 1, 2, 3, 4, 100});
        PlayerList players;
        players.Names = {PadName("Zoë"), PadName("Bob")};
        SavePlayers(store, players);
        SaveLastPlayer(store, 1);
    }
    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Options/Sounds").toString(), "False");
    EXPECT_EQ(raw.value("Last_Puzzle/Level05").toString(), "100");
    EXPECT_EQ(raw.value("Players/Player01").toString(), QString::fromUtf8("Zoë             "));

    QSettingsStore again(path);
    Options options = LoadOptions(again);
    EXPECT_FALSE(options.SoundOn);
    EXPECT_EQ(options.CurrentLevel, 4);
    EXPECT_EQ(LoadLastPuzzles(again), (LastPuzzles{0, 1, 2, 3, 4, 100}));
    PlayerList players = Setup_Players(again);
    ASSERT_EQ(players.PlayerCount(), 2);
    EXPECT_EQ(players.DisplayName(1), "Zoë");
    EXPECT_EQ(players.CurrentPlayer, 1);

    // Storing what the file holds leaves it untouched; a change is written.
    const std::filesystem::path file = path.toStdString();
    const auto written = std::filesystem::last_write_time(file);
    {
        QSettingsStore same(path);
        SaveOptions(same, Options{false, 4});
        SaveLastPlayer(same, 1);
    }
    EXPECT_EQ(std::filesystem::last_write_time(file), written);
    {
        QSettingsStore changed(path);
        SaveOptions(changed, Options{false, 2});
    }
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("Options/Level").toString(), "2");
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("Options/Sounds").toString(), "False");
}

TEST(QSettingsStore, ForeignValuesReachTheReadersAsText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("KVXDSud.ini");
    {
        QSettings raw(path, QSettings::IniFormat);
        raw.setValue("Options/Level", QStringList{"3", "4"});
        raw.setValue("Players/Count", 2);
        raw.setValue("Players/Player01", "Ann");
    }
    QSettingsStore store(path);
    EXPECT_EQ(LoadOptions(store).CurrentLevel, 2);
    EXPECT_EQ(Setup_Players(store).PlayerCount(), 2);
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const QString& file, const std::string& text) {
    std::ofstream(file.toStdString(), std::ios::binary | std::ios::trunc) << text;
}

// Peak memory of this process so far, in kilobytes.
long PeakKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A value Qt's INI reader would decode into `depth` lists nested in each other
// (QDataStream, version 4.0: type 9 = list, one element; an int 7 inside).
std::string NestedLists(int depth, bool escaped) {
    const std::string level("\0\0\0\x09\0\0\0\x01", 8);
    std::string bytes;
    for (int i = 0; i < depth; ++i) bytes += level;
    bytes += std::string("\0\0\0\x02\0\0\0\x07", 8);
    if (!escaped) return "@Variant(" + bytes + ")";
    std::string text = "@Variant(";
    char hex[8];
    for (unsigned char b : bytes) {
        std::snprintf(hex, sizeof hex, "\\x%02x", b);
        text += hex;
    }
    return text + ")";
}

TEST(QSettingsStore, AFileWithEncodedValuesIsSetAsideUnreadAndTheDefaultsUsed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("KVXDSud.conf");
    const std::filesystem::path file = path.toStdString();
    struct Case {
        const char* name;
        std::string value;
    };
    const Case cases[] = {
        // 370 KB of lists nested 46,000 deep (the bytes as they are) and
        // 20,000 deep (every byte escaped): Qt's decoding recursed off the stack.
        {"nested lists", NestedLists(46'000, false)},
        {"escaped nested lists", NestedLists(20'000, true)},
        // A list of 75 million elements, which Qt reserved room for at once
        // (2.4 GB), and a string list of 2.4 billion (58 GB).
        {"huge list", "@Variant(\\0\\0\\0\\t\\x4\\x80\\0\\0)"},
        {"huge string list", "@Variant(\\0\\0\\0\\v\\x90\\0\\0\\0)"},
        {"quoted", "\"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\a)\""},
        {"'@' from an escape", "\\x40Variant(\\0\\0\\0\\x2\\0\\0\\0\\a)"},
        {"byte array", "@ByteArray(abc)"},
        {"geometry", "@Rect(1 2 3 4)"},
        {"invalid", "@Invalid()"},
    };
    const long before = PeakKilobytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = "[Options]\nSounds=False\nLevel=4\n[Players]\nCount=" + c.value +
                                 "\nPlayer01=Ann\nLast_Player=1\n";
        WriteAll(path, text);
        {
            QSettingsStore store(path);
            ASSERT_TRUE(store.SetAsideFile().has_value());
            EXPECT_EQ(*store.SetAsideFile(), std::filesystem::path(file.string() + ".bad"));
            EXPECT_EQ(ReadAll(*store.SetAsideFile()), text) << "not kept as it was";
            // Nothing of the file is used, not even its plain values.
            EXPECT_TRUE(LoadOptions(store).SoundOn);
            EXPECT_EQ(LoadOptions(store).CurrentLevel, kDefaultLevel);
            EXPECT_EQ(Setup_Players(store).PlayerCount(), 0);
            const auto notice = store.TakeNotice();
            ASSERT_TRUE(notice.has_value());
            EXPECT_EQ(*notice, SettingsSetAsideMessage(file.string() + ".bad"));
            EXPECT_EQ(store.TakeNotice(), std::nullopt) << "told twice";
            SaveOptions(store, Options{false, 5});
        }
        // The next start reads the new file and says nothing.
        QSettingsStore again(path);
        EXPECT_FALSE(again.SetAsideFile().has_value());
        EXPECT_EQ(again.TakeNotice(), std::nullopt);
        EXPECT_EQ(LoadOptions(again).CurrentLevel, 5);
        std::filesystem::remove(file.string() + ".bad");
    }
    EXPECT_LT(PeakKilobytes() - before, 64 * 1024) << "kilobytes more at the peak";
}

TEST(QSettingsStore, AHundredMegabyteOrBrokenFileIsSetAsideWithoutBeingRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("KVXDSud.conf");
    const std::filesystem::path file = path.toStdString();
    WriteAll(path + ".bad", "an earlier one");

    const long before = PeakKilobytes();
    {
        std::ofstream big(file, std::ios::binary);
        const std::string line = "[Options]\nLevel=3\n" + std::string(1000, ';') + "\n";
        for (int i = 0; i < 100'000; ++i) big << line;
    }
    ASSERT_GT(std::filesystem::file_size(file), 100'000'000u);
    {
        QSettingsStore store(path);
        EXPECT_EQ(store.SetAsideFile(), std::filesystem::path(file.string() + ".2.bad"));
        EXPECT_EQ(LoadOptions(store).CurrentLevel, kDefaultLevel);
    }
    EXPECT_LT(PeakKilobytes() - before, 16 * 1024) << "kilobytes more at the peak";
    EXPECT_EQ(ReadAll(file.string() + ".bad"), "an earlier one");

    // Text that is not settings text at all. A quote left open would take
    // every line after it into one value, the player list with them.
    for (const std::string& text :
         {std::string("[Options]\nLevel=3\n\xff\xfe\n"), std::string("[Options\nLevel=3\n"),
          std::string("[Options]\nLevel 3\n"), std::string("[Options]\nLevel=3\0\n", 18),
          std::string("[Options]\nLevel=\"3\n[Players]\nCount=1\nPlayer01=Ann\n"),
          std::string("[Players]\nCount=1\nPlayer01=\"Ann")}) {
        SCOPED_TRACE(text);
        std::filesystem::remove(file.string() + ".2.bad");
        WriteAll(path, text);
        QSettingsStore store(path);
        EXPECT_EQ(store.SetAsideFile(), std::filesystem::path(file.string() + ".2.bad"));
        EXPECT_EQ(LoadOptions(store).CurrentLevel, kDefaultLevel);
        EXPECT_EQ(store.TakeNotice(), SettingsSetAsideMessage(file.string() + ".2.bad"));
    }
}

// A link is never written through (QSettings would replace its target by
// temporary file and rename), a pipe never opened (it would wait for a
// writer for good): the settings work for the session, and the player is told.
TEST(QSettingsStore, ALinkOrPipeIsNeverWrittenAndTheSessionKeepsItsSettings) {
    QTemporaryDir dir;
    const QString path = dir.filePath("KVXDSud.conf");
    const std::filesystem::path file = path.toStdString(), other = file.string() + ".other";
    std::ofstream(other) << "[Options]\nLevel=4\n";
    std::filesystem::create_symlink(other, file);
    {
        QSettingsStore store(path);
        EXPECT_EQ(LoadOptions(store).CurrentLevel, 4) << "what the link leads to is read";
        SaveOptions(store, Options{true, 5});
        EXPECT_EQ(LoadOptions(store).CurrentLevel, 5);
        EXPECT_EQ(store.TakeNotice(), SettingsNotSavedMessage(file.string()));
        EXPECT_EQ(store.TakeNotice(), std::nullopt) << "told twice";
    }
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(ReadAll(other), "[Options]\nLevel=4\n") << "written through the link";
    std::filesystem::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(test::RunInChild([&] {
                  QSettingsStore store(path);
                  SaveOptions(store, Options{false, 3});
                  return LoadOptions(store).CurrentLevel == 3 && store.TakeNotice() ? 0 : 1;
              }),
              0);
    EXPECT_EQ(std::filesystem::status(file).type(), std::filesystem::file_type::fifo);
}

TEST(QSettingsStore, PlainTextReadsAndWritesAsQtsOwnIniFilesDo) {
    QTemporaryDir dir;
    const QString ours = dir.filePath("ours.conf"), qts = dir.filePath("qts.ini");
    const QString values[] = {
        "Ann",
        "  Bob           ",
        "Smith, John",
        "semi;colon = equals",
        "@home",
        "@@twice",
        "quote \" and back\\slash",
        QString::fromUtf8("Zo\xc3\xab \xe6\xbc\xa2 \xf0\x9f\x98\x80"),
        QString("tab\there\nnew line \x01"
                "a") +
            QChar(0) + "1",
        "",
        "trailing\\",
    };
    {
        QSettingsStore store(ours);
        QSettings raw(qts, QSettings::IniFormat);
        for (int i = 0; i < static_cast<int>(std::size(values)); ++i) {
            const std::string key = NumberedKey("Player", i + 1);
            store.Put("Players", key, values[i].toStdString());
            raw.setValue(QString::fromStdString("Players/" + key), values[i]);
        }
        store.Put("Odd section", "key with %/ and \xc3\xab", "x");
        raw.setValue(QString::fromUtf8("Odd section/key with %/ and \xc3\xab"), "x");
        store.Put("General", "Level", "3");
        raw.setValue("General/Level", "3");
        raw.setValue("TopLevel", "1");
    }
    WriteAll(qts, ReadAll(qts.toStdString()) + "; a comment\n");
    QSettings qtReadsOurs(ours, QSettings::IniFormat);
    QSettingsStore weReadQts(qts);
    EXPECT_FALSE(weReadQts.SetAsideFile().has_value());
    for (int i = 0; i < static_cast<int>(std::size(values)); ++i) {
        SCOPED_TRACE(i);
        const std::string key = NumberedKey("Player", i + 1);
        EXPECT_EQ(qtReadsOurs.value(QString::fromStdString("Players/" + key)).toString(),
                  values[i]);
        EXPECT_EQ(weReadQts.Get("Players", key), values[i].toStdString());
    }
    EXPECT_EQ(qtReadsOurs.value(QString::fromUtf8("Odd section/key with %/ and \xc3\xab")), "x");
    EXPECT_EQ(weReadQts.Get("Odd section", "key with %/ and \xc3\xab"), "x");
    EXPECT_EQ(qtReadsOurs.value("General/Level"), "3");
    EXPECT_EQ(weReadQts.Get("General", "Level"), "3");
    QSettings::SettingsMap map;
    ASSERT_TRUE(ReadPlainIni(QByteArray::fromStdString(ReadAll(qts.toStdString())), map));
    EXPECT_EQ(map.value("TopLevel"), "1");
}

TEST(QSettingsStore, TheUsersStoreStaysInTheFileOfTheNativeFormat) {
    QTemporaryDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.path().toUtf8().constData(), 1);
    const QString native =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KVXDSud", "KVXDSud").fileName();
    EXPECT_EQ(native, dir.filePath("KVXDSud/KVXDSud.conf"));
    {
        QSettingsStore store;
        EXPECT_EQ(store.File(), std::filesystem::path(native.toStdString()));
        ASSERT_NE(store.Settings(), nullptr);
        EXPECT_EQ(store.Settings()->fileName(), native);
        SaveOptions(store, Options{false, 4});
    }
    EXPECT_EQ(QSettings(native, QSettings::IniFormat).value("Options/Level"), "4");
    WriteAll(native, "[Options]\nLevel=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\a)\n");
    QSettingsStore store;
    EXPECT_EQ(store.SetAsideFile(), std::filesystem::path(native.toStdString() + ".bad"));
    EXPECT_EQ(LoadOptions(store).CurrentLevel, kDefaultLevel);
}

} // namespace
} // namespace dravik
