// Several programs at the player's files at once: the game and the command
// rewriting the stock while others read it and start up, and the lock that keeps
// a second game window from starting.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "game/platform/instance_lock.h"
#include "game/platform/safe_files.h"
#include "game/stock/stock_file.h"
#include "stock/stock_fixtures.h"
#include "support/child_process.h"

extern char** environ;

namespace dravik {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// How long the programs run at once: a few seconds in the test suite,
// DRAVIK_STRESS_SECONDS for a longer run.
double StressSeconds() {
    if (const char* v = std::getenv("DRAVIK_STRESS_SECONDS")) {
        const double s = std::atof(v);
        if (s > 0) return s;
    }
    return 2.0;
}

// What one program reports back through the pipe (small enough to arrive whole).
struct Report {
    int role = 0;
    long long runs = 0;
    long long failures = 0;
    char first[200] = {};
};

void Fail(Report& r, const std::string& why) {
    if (r.failures++ == 0) std::snprintf(r.first, sizeof r.first, "%s", why.c_str());
}

// Runs `body` in a child process until `deadline`, sending its report to `fd`.
pid_t Spawn(int fd, int role, Clock::time_point deadline,
            const std::function<void(Report&)>& body) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    Report r;
    r.role = role;
    while (Clock::now() < deadline) {
        body(r);
        ++r.runs;
    }
    const bool sent = ::write(fd, &r, sizeof r) == static_cast<ssize_t>(sizeof r);
    ::_exit(sent ? 0 : 3);
}

TEST(StockConcurrency, TwoWritersAReaderAndAStartUpNeverSeeAPartOrAFailure) {
    test::TempFolder folder;
    const fs::path master = folder / "master.kds", working = folder / "sudstock.kds";
    const Stock a = test::MakeValidStock();
    Stock b = a;
    for (auto& r : b.Records()) {
        r.BestMinutes = static_cast<std::int16_t>((r.BestMinutes + 1) % 100);
        r.BestPlayer = 1;
    }
    ASSERT_TRUE(WriteStock(master, a).ok);
    ASSERT_TRUE(WriteStock(working, a).ok);

    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(static_cast<long long>(StressSeconds() * 1000));
    auto writer = [&](const Stock& s) {
        return [&working, &s](Report& r) {
            const StockWriteResult w = WriteStock(working, s);
            if (!w.ok) Fail(r, "write failed: " + w.detail);
        };
    };
    auto check = [&](Report& r, const Stock& s, const char* what) {
        if (!(s == a) && !(s == b)) Fail(r, std::string(what) + " saw a stock of both writers");
    };
    std::vector<pid_t> children = {
        Spawn(fds[1], 1, deadline, writer(a)),
        Spawn(fds[1], 2, deadline, writer(b)),
        Spawn(fds[1], 3, deadline,
              [&](Report& r) {
                  Stock s;
                  const StockReadResult read = ReadStock(working, s);
                  if (!read.ok()) return Fail(r, "read failed: " + read.detail);
                  check(r, s, "reader");
              }),
        Spawn(fds[1], 4, deadline,
              [&](Report& r) {
                  Stock s;
                  const StockOpenResult open = OpenStock(master, working, s);
                  if (open.status != StockOpenStatus::kOk)
                      return Fail(r, "start-up did not read the working copy: " +
                                         open.firstRead.detail);
                  check(r, s, "start-up");
              }),
    };
    ::close(fds[1]);
    for (const pid_t child : children) {
        ASSERT_GT(child, 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    const char* names[] = {"", "writer 1", "writer 2", "reader", "start-up"};
    Report r;
    int reports = 0;
    while (::read(fds[0], &r, sizeof r) == static_cast<ssize_t>(sizeof r)) {
        ++reports;
        SCOPED_TRACE(names[r.role]);
        EXPECT_EQ(r.failures, 0) << r.first;
        EXPECT_GT(r.runs, 0);
        std::printf("[ stress   ] %-8s %lld runs, %lld failures\n", names[r.role], r.runs,
                    r.failures);
    }
    ::close(fds[0]);
    EXPECT_EQ(reports, 4);

    Stock last;
    ASSERT_TRUE(ReadStock(working, last).ok());
    EXPECT_TRUE(last == a || last == b);
    EXPECT_FALSE(fs::exists(folder / "sudstock.kds.bad")) << "a start-up set the file aside";
    for (const auto& entry : fs::directory_iterator(folder.path()))
        EXPECT_FALSE(IsTemporaryFileOf(working, entry.path().filename().string())) << entry.path();
}

// A child that takes the lock, says so through the pipe, and waits to be killed.
pid_t HoldLockInChild(const fs::path& folder) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        InstanceLock lock(folder);
        const char held = lock.acquired() ? 'y' : 'n';
        if (::write(fds[1], &held, 1) != 1) ::_exit(2);
        for (;;) ::pause();
    }
    ::close(fds[1]);
    char held = 0;
    const bool told = ::read(fds[0], &held, 1) == 1 && held == 'y';
    ::close(fds[0]);
    return told ? pid : -1;
}

TEST(InstanceLock, OneHolderAtATimeAndFreeAgainHoweverTheHolderEnds) {
    test::TempFolder folder;
    using State = InstanceLock::State;
    {
        InstanceLock first(folder.path());
        EXPECT_EQ(first.state(), State::kAcquired) << first.detail();
        InstanceLock second(folder.path()); // even a second handle in this process
        EXPECT_EQ(second.state(), State::kHeldElsewhere);
    }
    EXPECT_TRUE(InstanceLock(folder.path()).acquired()) << "not released by the destructor";
    EXPECT_TRUE(fs::is_regular_file(folder / std::string(kInstanceLockFileName)));

    // Another process holds it until it is killed outright.
    const pid_t holder = HoldLockInChild(folder.path());
    ASSERT_GT(holder, 0);
    EXPECT_EQ(InstanceLock(folder.path()).state(), State::kHeldElsewhere);
    ::kill(holder, SIGKILL);
    ASSERT_EQ(::waitpid(holder, nullptr, 0), holder);
    EXPECT_TRUE(InstanceLock(folder.path()).acquired()) << "still held after SIGKILL";

    // ... or ends normally.
    const pid_t quitter = ::fork();
    if (quitter == 0) ::_exit(InstanceLock(folder.path()).acquired() ? 0 : 1);
    int status = 0;
    ASSERT_EQ(::waitpid(quitter, &status, 0), quitter);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(InstanceLock(folder.path()).acquired());

    // A program the game starts does not keep the lock after the game is gone.
    pid_t sleeper = -1;
    {
        InstanceLock game(folder.path());
        ASSERT_TRUE(game.acquired());
        char arg0[] = "sleep", arg1[] = "30";
        char* argv[] = {arg0, arg1, nullptr};
        ASSERT_EQ(::posix_spawnp(&sleeper, "sleep", nullptr, nullptr, argv, environ), 0);
    }
    EXPECT_TRUE(InstanceLock(folder.path()).acquired()) << "inherited by a started program";
    ::kill(sleeper, SIGKILL);
    ::waitpid(sleeper, nullptr, 0);
}

// Only a plain file is ever taken: a link is not followed (not even to make a
// file at its far end) and a pipe is not opened, which could wait for good.
// What cannot be taken keeps the game from starting (the window tests).
TEST(InstanceLock, OnlyAPlainFileIsTakenNeverFollowedOrWaitedOn) {
    test::TempFolder folder;
    const fs::path lock = folder / std::string(kInstanceLockFileName);
    EXPECT_FALSE(InstanceLock(folder / "missing").permitsStart());
    fs::create_symlink(folder / "elsewhere", lock);
    EXPECT_FALSE(InstanceLock(folder.path()).permitsStart());
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "elsewhere")));
    fs::remove(lock);
    ASSERT_EQ(::mkfifo(lock.c_str(), 0644), 0);
    EXPECT_EQ(test::RunInChild([&] { return InstanceLock(folder.path()).permitsStart(); }), 0);
    fs::remove(lock);
    std::ofstream(lock).flush();
    fs::permissions(lock, fs::perms::owner_read); // a lock needs no writing
    EXPECT_TRUE(InstanceLock(folder.path()).acquired());
}

} // namespace
} // namespace dravik
