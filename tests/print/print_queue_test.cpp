// A real print queue: the CUPS scheduler with the cups-pdf virtual printer as
// the default printer, one page printed through QPrinter as the print dialog
// prints it, and the PDF the queue writes checked for the same page. Where no
// scheduler can run (not root, CUPS or cups-pdf missing) the test is skipped
// and says why.
#include <gtest/gtest.h>

#include <QApplication>

#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "game/print/qt/system_printer.h"
#include "game/stock/stock_file.h"
#include "print/pdf_pixels.h"

extern char** environ;

namespace dravik::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kQueue = "DravikTestPDF";
constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

bool SchedulerRunning() {
    std::string out;
    Shell("lpstat -r", &out);
    return out.find("scheduler is running") != std::string::npos;
}

std::set<fs::path> PdfsIn(const std::vector<fs::path>& folders) {
    std::set<fs::path> found;
    for (const fs::path& folder : folders) {
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
            if (entry.path().extension() == ".pdf") found.insert(entry.path());
    }
    return found;
}

// What the test changed on the machine, undone in reverse.
struct Cleanup {
    pid_t scheduler = -1; // the scheduler this test started
    bool queueAdded = false;
    std::string previousDefault;
    fs::path written;
    ~Cleanup() {
        if (!previousDefault.empty()) Shell("lpadmin -d '" + previousDefault + "'");
        if (queueAdded) Shell(std::string("lpadmin -x ") + kQueue);
        std::error_code ec;
        if (!written.empty()) fs::remove(written, ec);
        if (scheduler > 0) {
            ::kill(scheduler, SIGTERM);
            ::waitpid(scheduler, nullptr, 0);
        }
    }
};

TEST(PrintQueue, OnePagePrintedThroughCupsPdfComesBackAsThatPage) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the CUPS scheduler and add a queue";
    for (const char* file : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/bin/lpstat",
                             "/usr/lib/cups/backend/cups-pdf", kPpd})
        if (!fs::exists(file))
            GTEST_SKIP() << file << " is missing: CUPS and cups-pdf are not installed "
                         << "(scripts/install-deps.sh installs cups and printer-driver-cups-pdf)";
    if (Shell("command -v pdfinfo && command -v pdftotext") != 0)
        GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";

    Cleanup cleanup;
    if (!SchedulerRunning()) {
        char cupsd[] = "/usr/sbin/cupsd", foreground[] = "-f";
        char* argv[] = {cupsd, foreground, nullptr};
        if (::posix_spawn(&cleanup.scheduler, cupsd, nullptr, nullptr, argv, environ) != 0)
            GTEST_SKIP() << "the CUPS scheduler could not be started";
        for (int i = 0; i < 100 && !SchedulerRunning(); ++i) std::this_thread::sleep_for(100ms);
        if (!SchedulerRunning()) GTEST_SKIP() << "the CUPS scheduler did not come up";
    }
    std::string out;
    if (Shell(std::string("lpadmin -p ") + kQueue + " -E -v cups-pdf:/ -P " + kPpd, &out) != 0)
        GTEST_SKIP() << "the scheduler runs but refused a cups-pdf queue: " << out;
    cleanup.queueAdded = true;
    Shell("lpstat -d", &out);
    if (const auto at = out.find("destination: "); at != std::string::npos)
        cleanup.previousDefault = out.substr(at + 13, out.find_first_of("\r\n", at) - at - 13);
    ASSERT_EQ(Shell(std::string("lpadmin -d ") + kQueue, &out), 0) << out;

    // cups-pdf writes into the job owner's home, or its folder for anonymous jobs.
    const passwd* me = ::getpwuid(::geteuid());
    const std::vector<fs::path> folders = {fs::path(me ? me->pw_dir : "/root") / "PDF",
                                           "/var/spool/cups-pdf"};
    const std::set<fs::path> before = PdfsIn(folders);

    Stock stock;
    ASSERT_TRUE(ReadStock(DRAVIK_MASTER_STOCK, stock).ok());
    // A user's own default (lpoptions) must not send the page elsewhere.
    ::setenv("LPDEST", kQueue, 1);
    ::setenv("PRINTER", kQueue, 1);
    print::SystemPrinter printer;
    ASSERT_EQ(printer.PrinterName(), kQueue);
    ASSERT_TRUE(printer.SetUp());
    print::PrintOptions options;
    options.First = 7;
    const print::PrintOutcome printed = printer.Print(stock, options);
    ASSERT_TRUE(printed.ok) << printed.detail;

    // The job leaves the queue once cups-pdf has written the file.
    for (int i = 0; i < 600 && cleanup.written.empty(); ++i) {
        std::this_thread::sleep_for(100ms);
        std::string jobs;
        Shell(std::string("lpstat -o ") + kQueue, &jobs);
        if (!jobs.empty()) continue;
        for (const fs::path& p : PdfsIn(folders))
            if (!before.count(p)) cleanup.written = p;
    }
    ASSERT_FALSE(cleanup.written.empty()) << "no PDF came out of the queue in 60 s";

    const std::string pdf = cleanup.written.string();
    std::string info, text;
    ASSERT_EQ(Shell("pdfinfo '" + pdf + "'", &info), 0) << info;
    EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    // The page as drawn: the grid's left edge at 1417 twips, every given dark
    // and centred in its cell, the empty cells holding grey marks only.
    std::error_code ignored;
    fs::copy_file(cleanup.written, fs::path(DRAVIK_TEST_OUTPUT) / "print-queue.pdf",
                  fs::copy_options::overwrite_existing, ignored);
    const TempFolder folder("dravik-queue");
    const GreyPage g = Render(pdf, folder);
    ASSERT_EQ(g.width, 1190);
    const int midRow = 198 + 50;
    EXPECT_LT(std::min(g.at(141, midRow), g.at(142, midRow)), 80);
    EXPECT_GT(g.at(137, midRow), 245);
    const StockRecord& r = stock(1, 7);
    for (int cell = 0; cell < 81; ++cell) {
        const int x = (1417 + cell % 9 * 1008) / 10, y = (1983 + cell / 9 * 1008) / 10;
        const Ink ink = InkIn(g, x + 8, y + 8, x + 93, y + 93);
        if (r.Givens[cell] == 0) {
            EXPECT_EQ(ink.dark, 0) << cell;
            EXPECT_GT(ink.greyish, 5) << cell;
            continue;
        }
        EXPECT_GT(ink.dark, 150) << cell;
        EXPECT_NEAR((ink.left + ink.right) / 2.0, x + 50.4, 6) << cell;
    }
}

} // namespace
} // namespace dravik::test

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
