// The QSettings adapter: sections become groups, values round-trip as text,
// and foreign values are handed over for the readers to judge.
#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include "game/players/qt/qsettings_store.h"
#include "game/players/settings.h"

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

} // namespace
} // namespace dravik
