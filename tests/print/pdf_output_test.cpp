// PDF files made through the Qt surface, rendered back to pixels with
// pdftoppm, and the dravik print command as scripts run it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "game/print/qt/pdf_output.h"
#include "game/stock/stock_file.h"
#include "print/pdf_pixels.h"
#include "support/master_stock.h"
#include "support/temp_folder.h"

namespace dravik::test {
namespace {

// One puzzle a page, A4: the grid's outline at 1417 twips from the left and
// 1983 from the top, cells of 1008 twips.
TEST(PdfOutput, GridEdgesAndGivenDigitsLandWhereTheTwipsSay) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftoppm and pdfinfo (poppler-utils) are not installed";
    TempFolder folder("dravik-pdf");
    const std::string pdf = (folder / "one.pdf").string();
    print::PrintOptions o;
    o.PencilMarks = false;
    o.First = 4;
    ASSERT_TRUE(print::WritePdfFile(QString::fromStdString(pdf), MasterStock(), o).ok);
    EXPECT_EQ(PageCount(pdf), 1);
    std::string info;
    Shell("pdfinfo '" + pdf + "'", &info);
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;

    const GreyPage g = Render(pdf, folder);
    ASSERT_EQ(g.width, 1190); // 595 x 842 points at 144 dpi
    ASSERT_EQ(g.height, 1684);
    // The left edge (pen 8 = 19.2 twips, about 2 pixels) around x = 141.7,
    // the top edge around y = 198.3; paper just outside is white.
    const int midRow = 198 + 50; // the middle of row A
    EXPECT_LT(std::min(g.at(141, midRow), g.at(142, midRow)), 80);
    EXPECT_GT(g.at(137, midRow), 245);
    const int midColumnOfB = 141 + 151; // the middle of column 2
    EXPECT_LT(std::min(g.at(midColumnOfB, 198), g.at(midColumnOfB, 199)), 80);
    EXPECT_GT(g.at(midColumnOfB, 193), 245);
    // The right edge at 1417 + 9072 = 10489 twips.
    EXPECT_LT(std::min(g.at(1048, midRow), g.at(1049, midRow)), 80);
    EXPECT_GT(g.at(1054, midRow), 245);

    // Every cell: a given shows dark ink centred in it, an empty cell none.
    const StockRecord& r = MasterStock()(1, 4);
    for (int cell = 0; cell < 81; ++cell) {
        const int x = (1417 + cell % 9 * 1008) / 10, y = (1983 + cell / 9 * 1008) / 10;
        const Ink ink = InkIn(g, x + 8, y + 8, x + 93, y + 93);
        if (r.Givens[cell] == 0) {
            EXPECT_EQ(ink.dark, 0) << cell;
            continue;
        }
        EXPECT_GT(ink.dark, 150) << cell;
        EXPECT_NEAR((ink.left + ink.right) / 2.0, x + 50.4, 6) << cell;
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, y + 50.4, 8) << cell;
    }
}

TEST(PdfOutput, PencilMarksAreGreyAndEveryPageIsThereWithNoEmptyOneAfter) {
    if (!HavePoppler()) GTEST_SKIP() << "pdftoppm and pdfinfo (poppler-utils) are not installed";
    TempFolder folder("dravik-pdf");
    const std::string pdf = (folder / "three.pdf").string();
    print::PrintOptions o;
    o.Pages = 3;
    o.PerPage = 2;
    o.Solutions = false;
    ASSERT_TRUE(print::WritePdfFile(QString::fromStdString(pdf), MasterStock(), o).ok);
    EXPECT_EQ(PageCount(pdf), 3);
    // Page 3 holds puzzle 5 at the top: its empty cells grey marks only.
    const GreyPage g = Render(pdf, folder, 3);
    ASSERT_GT(g.width, 0);
    const StockRecord& r = MasterStock()(1, 5);
    const double cell = 5660 / 9.0;
    for (int c = 0; c < 81; ++c) {
        if (r.Givens[c] != 0) continue;
        const int x = static_cast<int>((1417 + c % 9 * cell) / 10);
        const int y = static_cast<int>((1983 + c / 9 * cell) / 10);
        const Ink ink = InkIn(g, x + 4, y + 4, x + 59, y + 59);
        EXPECT_EQ(ink.dark, 0) << c;
        EXPECT_GT(ink.greyish, 5) << c;
    }
}

TEST(PdfOutput, AnUnwritableFileIsAFailureAndLeavesNothing) {
    TempFolder folder("dravik-pdf");
    const print::PrintOutcome o = print::WritePdfFile(
        QString::fromStdString((folder / "missing" / "x.pdf").string()), MasterStock(), {});
    EXPECT_FALSE(o.ok);
    EXPECT_NE(o.detail.find("cannot write"), std::string::npos) << o.detail;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

// A write that fails removes and replaces nothing that was there before (a
// link, a device, another file), in the command and the print dialog alike.
TEST(PrintCommand, AFailedWriteLeavesWhateverWasThereAndExitsWithStatusTwo) {
    namespace fs = std::filesystem;
    TempFolder folder("dravik-pdf-kept");
    const fs::path full = folder / "full.pdf", old = folder / "old.pdf", link = folder / "l.pdf";
    auto print = [&](const fs::path& pdf, const std::string& limits = "") {
        // SIGXFSZ ignored: a write past `ulimit -f` fails with EFBIG.
        return Shell("trap '' XFSZ; " + limits + DRAVIK_BINARY + " print --pdf '" + pdf.string() +
                     "'");
    };
    fs::create_symlink("/dev/full", full);
    EXPECT_EQ(print(full), 2);
    EXPECT_TRUE(
        print::WritePdfFile(QString::fromStdString(full.string()), MasterStock(), {}).unwritable);
    EXPECT_TRUE(fs::is_symlink(full));
    std::ofstream(old) << "earlier pages";
    EXPECT_EQ(print(old, "ulimit -f 4; "), 2);
    std::ifstream in(old);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "earlier pages");
    // A link to nowhere makes nothing at its end; one to a file is written through.
    fs::create_symlink(folder / "target.pdf", link);
    EXPECT_EQ(print(link), 2);
    EXPECT_FALSE(fs::exists(folder / "target.pdf"));
    std::ofstream(folder / "target.pdf") << "old";
    EXPECT_EQ(print(link), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_GT(fs::file_size(folder / "target.pdf"), 1000u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 4) << "a file left behind";
}

// The command as a script runs it: every bad input is exit status 2 with a
// message that says what is wrong; a good run writes the pages.
TEST(PrintCommand, RefusesBadInputWithStatusTwoAndPrintsWhatItWasAsked) {
    TempFolder folder("dravik-print");
    const std::string pdf = (folder / "out.pdf").string();
    const std::string bin = DRAVIK_BINARY;
    std::ofstream(folder / "short.kds") << "not a stock";
    struct Case {
        std::string args, message;
    };
    const std::vector<Case> cases = {
        {"", "--pdf FILE is required"},
        {"--pdf '" + pdf + "' --level 0", "--level expects a whole number from 1 to 5"},
        {"--pdf '" + pdf + "' --level 6", "--level expects"},
        {"--pdf '" + pdf + "' --from 0", "--from expects a whole number from 1 to 100"},
        {"--pdf '" + pdf + "' --from 101", "--from expects"},
        {"--pdf '" + pdf + "' --pages 0", "--pages expects a whole number from 1 to 10"},
        {"--pdf '" + pdf + "' --pages 11", "--pages expects"},
        {"--pdf '" + pdf + "' --per-page 3", "--per-page expects 1, 2 or 4"},
        {"--pdf '" + pdf + "' --per-page 4 --pages 10 --from 62", "start at 61 at most"},
        {"--pdf '" + pdf + "' --from 100 --per-page 2", "past 100"},
        {"--pdf '" + (folder / "no" / "x.pdf").string() + "'", "cannot write"},
        {"--pdf '" + folder.path().string() + "'", "cannot write"},
        {"--pdf '" + pdf + "' --stock '" + (folder / "short.kds").string() + "'",
         "Error reading sudokus from file!"},
        {"--pdf '" + pdf + "' --stock '" + (folder / "none.kds").string() + "'",
         "Error reading sudokus from file!"},
        {"--pdf '" + pdf + "' --colour", "unknown argument '--colour'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        std::string output;
        EXPECT_EQ(Shell(bin + " print " + c.args, &output), 2);
        EXPECT_NE(output.find(c.message), std::string::npos) << output;
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }

    if (!HavePoppler()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    std::string output;
    ASSERT_EQ(Shell(bin + " print --pdf '" + pdf + "' --stock '" + DRAVIK_MASTER_STOCK +
                        "' --level 5 --from 61 --pages 10 --per-page 4 --no-marks",
                    &output),
              0)
        << output;
    EXPECT_EQ(output, ""); // nothing to say, not even Qt's notes
    EXPECT_EQ(PageCount(pdf), 10);
    ASSERT_EQ(Shell(bin + " print --pdf '" + pdf + "'", &output), 0) << output;
    EXPECT_EQ(PageCount(pdf), 1);
}

} // namespace
} // namespace dravik::test
