// The game over files that are not what they should be: a lock that cannot be
// taken, a settings file that is a link, help pages that are pipes, huge or
// nested too deep. Each start, page or paste ends, tells the player what is
// wrong and leaves the file as it was.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "game/help/help_files.h"
#include "game/players/settings.h"
#include "game/stock/folders.h"
#include "game/stock/instance_lock.h"
#include "game/ui/help_features.h"
#include "game/ui/help_window.h"
#include "ui_harness.h"

namespace dravik::test {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The game whose folders a test prepares before a second one starts over them.
fs::path LockOf(const UiHarness& h) {
    return h.dataHome / kDataFolderName / std::string(kInstanceLockFileName);
}

TEST(HostileFiles, AGameThatCannotTakeItsLockTellsThePlayerAndEndsUntouched) {
    UiHarness first;
    first.app.reset(); // it made the folders and let go of the lock
    UiHarness::Setup setup;
    setup.sameFoldersAs = &first;
    const fs::path lock = LockOf(first);
    const bool hadSettings = fs::exists(first.settingsFile);

    // A folder, or a link (to nowhere: nothing is made there either).
    for (const bool link : {false, true}) {
        SCOPED_TRACE(link ? "link" : "folder");
        fs::remove_all(lock);
        if (link)
            fs::create_symlink(first.folder / "elsewhere", lock);
        else
            fs::create_directories(lock / "inside");
        UiHarness second(setup);
        EXPECT_FALSE(second.Start());
        EXPECT_FALSE(second.app->AlreadyRunning());
        ASSERT_EQ(second.prompt.messages.size(), 1u);
        EXPECT_EQ(second.prompt.messages[0].title, kLockUnavailableTitle);
        EXPECT_NE(
            second.prompt.messages[0].text.find("Dravik Sudoku cannot start: its lock file '" +
                                                lock.string() + "' is not a plain file."),
            std::string::npos)
            << second.prompt.messages[0].text;
        EXPECT_FALSE(second.window().isVisible());
        second.app.reset();
        EXPECT_EQ(fs::exists(first.settingsFile), hadSettings) << "the settings were touched";
        EXPECT_FALSE(fs::exists(fs::symlink_status(first.folder / "elsewhere")));
    }

    // Once the lock can be made again, the game starts.
    fs::remove_all(lock);
    UiHarness third(setup);
    EXPECT_TRUE(third.Start());
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(lock)));
}

TEST(HostileFiles, ALinkedSettingsFileIsReadNeverWrittenAndThePlayerIsToldOnce) {
    UiHarness first;
    first.app.reset();
    const fs::path other = first.folder / "someone-elses.conf";
    const std::string foreign = "[Options]\nLevel=4\n";
    std::ofstream(other) << foreign;
    fs::remove(first.settingsFile);
    fs::create_symlink(other, first.settingsFile);
    UiHarness::Setup setup;
    setup.sameFoldersAs = &first;
    {
        UiHarness h(setup);
        h.StartAndIdle();
        ASSERT_EQ(h.prompt.messages.size(), 1u);
        EXPECT_EQ(h.prompt.messages[0].title, kSettingsSetAsideTitle);
        EXPECT_EQ(h.prompt.messages[0].text, SettingsNotSavedMessage(h.settingsFile.string()));
        EXPECT_EQ(h.game().CurrentLevel(), 4);
        h.Click("OptionType(5)");
        EXPECT_EQ(h.game().CurrentLevel(), 5);
    }
    EXPECT_TRUE(fs::is_symlink(first.settingsFile));
    EXPECT_EQ(Contents(other), foreign);
}

// Writes `text` into the pipe `path` should a reader open it within half a second,
// as a program feeding it would; gives up otherwise.
std::thread FeedPipe(const fs::path& path, std::string text) {
    return std::thread([path, text] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
        while (std::chrono::steady_clock::now() < deadline) {
            const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                (void)!::write(fd, text.data(), text.size());
                ::close(fd);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
}

TEST(HostileFiles, HelpPagesThatArePipesHugeOrNestedTooDeepAreRefusedInTheWindow) {
    UiHarness h;
    h.StartAndIdle();
    const fs::path folder = h.programFolder / "help";
    ui::HelpFeatures& help = h.app->Help();
    auto shown = [&] { return help.Help()->Browser()->toPlainText().toStdString(); };
    auto refused = [&](const std::string& why) {
        const std::string text = shown();
        EXPECT_NE(text.find("Page cannot be shown"), std::string::npos) << text.substr(0, 200);
        EXPECT_NE(text.find(why), std::string::npos) << text.substr(0, 200);
    };

    // The Help button's own page as a pipe: it would be read for as long as
    // the pipe gives.
    fs::remove(folder / "index.html");
    ASSERT_EQ(::mkfifo((folder / "index.html").c_str(), 0644), 0);
    std::thread feeder = FeedPipe(folder / "index.html", "<p>from a pipe</p>");
    h.Click("CommandHelp");
    feeder.join();
    refused("index.html cannot be shown: it is not a plain file.");

    {
        std::ofstream big(folder / "big.html");
        big << "<html><body>";
        for (int i = 0; i < 40'000; ++i)
            big << "<p>Fifty bytes of text on a line of its own.</p>\n";
    }
    ASSERT_GT(fs::file_size(folder / "big.html"), kMaxHelpPageBytes);
    help.OpenPage("big.html");
    refused("it is larger than 1 MB");

    // An image that is a pipe leaves its page readable.
    std::ofstream(folder / "picture.html") << "<html><body><p>A picture page</p>"
                                              "<img src=\"pipe.png\"></body></html>";
    ASSERT_EQ(::mkfifo((folder / "pipe.png").c_str(), 0644), 0);
    feeder = FeedPipe(folder / "pipe.png", "not a picture");
    help.OpenPage("picture.html");
    h.ProcessEvents();
    feeder.join();
    EXPECT_NE(shown().find("A picture page"), std::string::npos) << shown();

    // A page nested 100,000 deep, which the browser would lay out for hours.
    {
        std::ofstream deep(folder / "deep.html");
        deep << "<html><body>";
        for (int i = 0; i < 100'000; ++i) deep << "<b>";
        deep << "deep";
        for (int i = 0; i < 100'000; ++i) deep << "</b>";
    }
    help.OpenPage("deep.html");
    refused("its elements are nested more than 256 deep");

    // The game's own pages still show.
    help.OpenPage("x_wing.html");
    EXPECT_NE(shown().find("X-Wing"), std::string::npos) << shown().substr(0, 200);
    EXPECT_TRUE(h.prompt.messages.empty()) << "no message box";
}

} // namespace
} // namespace dravik::test
