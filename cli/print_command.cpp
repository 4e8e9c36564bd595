// dravik print: the print dialog's run into an A4 PDF file, no window needed.
#include <QGuiApplication>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include "cli/args.h"
#include "cli/commands.h"
#include "game/base/messages.h"
#include "game/platform/folders.h"
#include "game/print/print_layout.h"
#include "game/print/qt/pdf_output.h"
#include "game/stock/stock_file.h"

namespace dravik::cli {

namespace {

struct PrintArgs {
    std::string pdf;
    std::string stock; // "" = the master copy
    print::PrintOptions options;
};

PrintArgs ParsePrintArgs(const Args& args) {
    PrintArgs p;
    bool havePdf = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (a == "--pdf") {
            p.pdf = std::string(OptionValue(args, i));
            havePdf = true;
        } else if (a == "--stock") {
            p.stock = std::string(OptionValue(args, i));
            if (p.stock.empty()) throw UsageError{"print: --stock needs a file name"};
        } else if (a == "--level") {
            p.options.Level =
                static_cast<int>(ParseNumber("--level", OptionValue(args, i), 1, kLevels));
        } else if (a == "--from") {
            p.options.First =
                static_cast<int>(ParseNumber("--from", OptionValue(args, i), 1, kPuzzlesPerLevel));
        } else if (a == "--pages") {
            p.options.Pages =
                static_cast<int>(ParseNumber("--pages", OptionValue(args, i), 1, print::kMaxPages));
        } else if (a == "--per-page") {
            const std::string_view v = OptionValue(args, i);
            if (v != "1" && v != "2" && v != "4")
                throw UsageError{"--per-page expects 1, 2 or 4, not '" + std::string(v) + "'"};
            p.options.PerPage = v[0] - '0';
        } else if (a == "--no-solutions") {
            p.options.Solutions = false;
        } else if (a == "--no-marks") {
            p.options.PencilMarks = false;
        } else {
            throw UsageError{"print: unknown argument '" + std::string(a) + "'"};
        }
    }
    if (!havePdf) throw UsageError{"print: --pdf FILE is required"};
    if (p.pdf.empty()) throw UsageError{"print: --pdf needs a file name"};
    if (const std::string problem = print::OptionsProblem(p.options); !problem.empty())
        throw UsageError{"print: " + problem};
    return p;
}

// Qt's own notes go to standard error as usual, except the one about a
// missing runtime folder, which a command run from a script often has and
// which changes nothing here.
void QtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths:"))) return;
    std::fputs(qFormatLogMessage(type, context, message).toLocal8Bit().append('\n').constData(),
               stderr);
}

// The PDF needs Qt's fonts and painting; without a display, its offscreen
// platform serves.
std::unique_ptr<QGuiApplication> GuiFor(bool& owned) {
    owned = QGuiApplication::instance() == nullptr;
    if (!owned) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QtMessages);
    static int argc = 1;
    static char name[] = "dravik";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int RunPrint(const Args& args, std::ostream& out, std::ostream& err) {
    const PrintArgs p = ParsePrintArgs(args);

    // The stock as the game reads it: exactly 500 records, each a puzzle of its set.
    const bool master = p.stock.empty();
    const std::filesystem::path stockFile =
        master ? std::filesystem::path(ProgramDataFolder() + std::string(kStockFileName))
               : std::filesystem::path(p.stock);
    Stock stock;
    const StockReadResult read = ReadStock(stockFile, stock);
    if (!read.ok()) {
        err << "dravik: " << messages::kStockUnreadable.text << ' ' << read.detail << '\n';
        // A stock named on the command line is bad input; a broken master copy
        // is a broken installation.
        return master ? 1 : 2;
    }

    // Nothing is made or opened under the output's name before the pages are
    // ready: whatever is there (a link, a device, another file) is left as it
    // was when the write fails.
    bool ownedGui = false;
    const std::unique_ptr<QGuiApplication> gui = GuiFor(ownedGui);
    const print::PrintOutcome written =
        print::WritePdfFile(QString::fromStdString(p.pdf), stock, p.options);
    if (!written.ok) {
        err << "dravik: " << written.detail << '\n';
        return written.unwritable ? 2 : 1;
    }
    out.flush();
    return 0;
}

} // namespace dravik::cli
