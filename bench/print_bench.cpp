// The printing's costs, offscreen: a 10-page run of four puzzles a page into a
// PDF (target 1 s), and the print dialog's example picture redrawn after a
// click on a "Puzzles per page" button (target 20 ms). Prints the median and
// the slowest of each.
#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "game/print/qt/pdf_output.h"
#include "game/stock/stock_file.h"
#include "game/ui/print_dialog.h"

using namespace dravik;

namespace {

class AnswerOk final : public Prompt {
  public:
    MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon,
                              MessageButtons) override {
        return MessageAnswer::Ok;
    }
    std::string AskText(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
};

class NoPrinter final : public print::PrinterPort {
  public:
    std::string PrinterName() override { return {}; }
    bool SetUp() override { return false; }
    print::PrintOutcome Print(const Stock&, const print::PrintOptions&) override { return {}; }
};

void Report(const char* what, std::vector<double> ms, double target) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.2f ms, slowest %.2f ms of %zu (target %.0f ms)\n", what,
                ms[ms.size() / 2], ms.back(), ms.size(), target);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Stock stock;
    if (!ReadStock(DRAVIK_MASTER_STOCK, stock).ok()) {
        std::fprintf(stderr, "print_bench: cannot read %s\n", DRAVIK_MASTER_STOCK);
        return 1;
    }

    print::PrintOptions run;
    run.Pages = 10;
    run.PerPage = 4;
    run.First = 61;
    run.Level = 5;
    std::vector<double> pdf;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        const QByteArray bytes = print::PdfDocument(stock, run);
        pdf.push_back(t.nsecsElapsed() / 1e6);
        if (bytes.isEmpty()) return 1;
    }
    Report("PDF of 10 pages x 4 puzzles", pdf, 1000);

    print::PrintOptions kept;
    NoPrinter printer;
    AnswerOk prompt;
    ui::FormPrint dialog(stock, kept, printer, prompt, {});
    dialog.show();
    QApplication::processEvents();
    std::vector<double> clicks;
    for (int i = 0; i < 60; ++i) {
        auto* option =
            dialog.findChild<QRadioButton*>(QStringLiteral("OptionAantal(%1)").arg(i % 3));
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(6, option->height() / 2));
        QApplication::processEvents();
        clicks.push_back(t.nsecsElapsed() / 1e6);
    }
    Report("example picture after a click", clicks, 20);
    return 0;
}
