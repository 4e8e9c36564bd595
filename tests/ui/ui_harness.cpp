#include "ui_harness.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include <fstream>

#include "game/platform/folders.h"
#include "game/sound/effect_files.h"
#include "game/stock/stock_file.h"
#include "game/ui/look.h"

namespace dravik::test {

namespace fs = std::filesystem;

UiHarness::UiHarness(const Setup& setup) {
    const fs::path root = setup.sameFoldersAs ? setup.sameFoldersAs->folder.path() : folder.path();
    programFolder = root / "program";
    dataHome = root / "data";
    settingsFile = root / "settings.ini";
    fs::create_directories(programFolder);
    fs::create_directories(dataHome);
    if (!setup.settingsBytes.empty())
        std::ofstream(settingsFile, std::ios::binary) << setup.settingsBytes;
    if (setup.masterStock && !fs::exists(programFolder / kStockFileName))
        fs::copy_file(fs::path(DRAVIK_OUTPUT_DIR) / kStockFileName, programFolder / kStockFileName);
    if (!setup.workingStockBytes.empty()) {
        fs::create_directories(dataHome / kDataFolderName);
        std::ofstream(dataHome / kDataFolderName / kStockFileName, std::ios::binary)
            << setup.workingStockBytes;
    }
    if (setup.sound) {
        const fs::path built(DRAVIK_OUTPUT_DIR);
        fs::copy_file(built / "libwavory.so", programFolder / "libwavory.so");
        if (setup.effectFiles)
            for (std::string_view name : sound::kEffectFiles)
                fs::copy_file(built / name, programFolder / name);
    }
    if (setup.helpPages && !fs::exists(programFolder / "help"))
        fs::copy(fs::path(DRAVIK_OUTPUT_DIR) / "help", programFolder / "help",
                 fs::copy_options::recursive);
    writer = std::make_unique<CountingWriter>(dataHome / kDataFolderName / kStockFileName);
    ui::AppOptions options;
    options.programFolder = programFolder.string() + "/";
    options.localAppData = dataHome.string();
    options.settingsFile = QString::fromStdString(settingsFile.string());
    options.sound = setup.sound;
    options.workerThreads = setup.workerThreads;
    options.broughtPuzzle = setup.broughtPuzzle;
    options.prompt = &prompt;
    options.soundSink = &sound;
    options.writer = writer.get();
    if (setup.manualClock) options.clock = &clock;
    options.urlOpener = &urlOpener;
    options.printer = &printer;
    options.quit = [this] { ++quits; };
    options.choosePdfFile = [this](QWidget*, const QString& suggested) {
        pdfAsked.push_back(suggested);
        return pdfAnswer;
    };
    app = std::make_unique<ui::App>(options);
}

UiHarness::~UiHarness() {
    app.reset();
}

bool UiHarness::Start() {
    return app->Start();
}

void UiHarness::StartAndIdle() {
    ASSERT_TRUE(Start());
    for (int i = 0; i < 100 && view().Starting; ++i) ProcessEvents();
    ASSERT_FALSE(view().Starting);
}

void UiHarness::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QPoint BoardPixel(const ui::TwipRect& label, int dx, int dy, int zoom) {
    return QPoint(ui::ToPixels(label.left + dx, zoom), ui::ToPixels(label.top + dy, zoom));
}

void UiHarness::ReleaseOnMark(int cell, int digit, Qt::MouseButton button, int dx, int dy) {
    const ui::TwipRect mark = ui::MarkRect(cell, digit);
    // Pressed at the mark's centre, released where asked.
    QTest::mousePress(&board(), button, Qt::NoModifier, BoardPixel(mark, 120, 120, board().Zoom()));
    QTest::mouseRelease(&board(), button, Qt::NoModifier, BoardPixel(mark, dx, dy, board().Zoom()));
}

void UiHarness::ReleaseOnRowLabel(int row) {
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier,
                      BoardPixel(ui::RowLabelRect(row), 255, 255, board().Zoom()));
}

void UiHarness::ReleaseOnColumnLabel(int column) {
    QTest::mouseClick(&board(), Qt::LeftButton, Qt::NoModifier,
                      BoardPixel(ui::ColumnLabelRect(column), 255, 255, board().Zoom()));
}

void UiHarness::Click(const QString& name) {
    QWidget* w = control(name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void UiHarness::Next() {
    Click("CommandNew");
    for (int i = 0; i < 20 && game().NeedsPass(); ++i) ProcessEvents();
}

void UiHarness::PlaceSolutionByMouse() {
    const ShownBoard before = shown();
    for (int cell = 0; cell < kCells && Playing(view()); ++cell) {
        if (before.Played[cell] != 0) continue;
        ReleaseOnMark(cell, before.Solution[cell], Qt::LeftButton);
    }
}

} // namespace dravik::test
