#include "game/ui/print_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QWindow>

#include "game/model/levels.h"
#include "game/print/qt/pdf_output.h"
#include "game/qt/text.h"
#include "game/stock/stock_file.h"

namespace dravik::ui {

namespace {

constexpr QSize kExampleSize(170, 240);

} // namespace

QString ChoosePdfFileWithDialog(QWidget* parent, const QString& suggested) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(
        parent, TrQString(QT_TRANSLATE_NOOP("dravik", "Save as PDF")),
        folder.isEmpty() ? suggested : folder + '/' + suggested,
        TrQString(QT_TRANSLATE_NOOP("dravik", "PDF files (*.pdf)")));
}

FormPrint::FormPrint(const Stock& stock, print::PrintOptions& kept, print::PrinterPort& printer,
                     Prompt& prompt, PdfFileChooser choosePdf, QWidget* parent)
    : QDialog(parent), stock_(stock), choices_(kept), printer_(printer), prompt_(prompt),
      choosePdf_(std::move(choosePdf)) {
    setObjectName("FormPrint");
    setWindowTitle(tr("Dravik Sudoku - Print"));
    setWindowModality(Qt::ApplicationModal);

    auto* levelGroup = new QGroupBox(tr("Level"), this);
    levelGroup->setObjectName("FrameLevel");
    level_ = new QComboBox(levelGroup);
    level_->setObjectName("SudokuTypeKeuze");
    for (const LevelInfo& level : kLevelTable) level_->addItem(TrQString(level.name));
    (new QVBoxLayout(levelGroup))->addWidget(level_);

    auto* rangeGroup = new QGroupBox(tr("Range"), this);
    rangeGroup->setObjectName("FrameRange");
    fromLabel_ = new QLabel(tr("From"), rangeGroup);
    fromLabel_->setObjectName("Label3");
    from_ = new QLineEdit(rangeGroup);
    from_->setObjectName("TextFrom");
    from_->setMaxLength(3);
    from_->setFixedWidth(48);
    from_->installEventFilter(this);
    to_ = new QLabel(TrQString(QT_TRANSLATE_NOOP("dravik", "to %1")).arg(1), rangeGroup);
    to_->setObjectName("LabelTo");
    auto* rangeRow = new QHBoxLayout(rangeGroup);
    rangeRow->addWidget(fromLabel_);
    rangeRow->addWidget(from_);
    rangeRow->addWidget(to_, 1);

    auto* includeGroup = new QGroupBox(tr("Include"), this);
    includeGroup->setObjectName("FrameInclude");
    solutions_ = new QCheckBox(tr("Solutions"), includeGroup);
    solutions_->setObjectName("CheckSolution");
    pencils_ = new QCheckBox(tr("Pencilmarks"), includeGroup);
    pencils_->setObjectName("CheckPencils");
    auto* includeColumn = new QVBoxLayout(includeGroup);
    includeColumn->addWidget(solutions_);
    includeColumn->addWidget(pencils_);

    auto* pagesGroup = new QGroupBox(tr("Pages"), this);
    pagesGroup->setObjectName("FramePages");
    pages_ = new QSlider(Qt::Horizontal, pagesGroup);
    pages_->setObjectName("PageSlider");
    pages_->setRange(1, print::kMaxPages);
    pages_->setPageStep(1);
    pages_->setTickPosition(QSlider::TicksBelow);
    pages_->setTickInterval(1);
    auto* ticks = new QLabel(" 1    2     3    4    5     6    7     8    9   10", pagesGroup);
    ticks->setObjectName("Label1");
    auto* pagesColumn = new QVBoxLayout(pagesGroup);
    pagesColumn->addWidget(pages_);
    pagesColumn->addWidget(ticks);

    auto* perPageGroup = new QGroupBox(tr("Puzzles per page"), this);
    perPageGroup->setObjectName("FramePerPage");
    auto* perPageRow = new QHBoxLayout(perPageGroup);
    const char* captions[3] = {"1", "2", "4"};
    for (int i = 0; i < 3; ++i) {
        perPage_[i] = new QRadioButton(captions[i], perPageGroup);
        perPage_[i]->setObjectName(QStringLiteral("OptionAantal(%1)").arg(i));
        perPageRow->addWidget(perPage_[i]);
    }

    picture_ = new QLabel(this);
    picture_->setObjectName("PrintVoorbeeld");
    picture_->setFixedSize(kExampleSize);
    picture_->setFrameShape(QFrame::Panel);
    picture_->setFrameShadow(QFrame::Sunken);
    auto* exampleLabel = new QLabel(tr("Example"), this);
    exampleLabel->setObjectName("Label2");
    // A screen reader names the box and the picture by their labels (the
    // other controls by their group's title).
    fromLabel_->setBuddy(from_);
    exampleLabel->setBuddy(picture_);

    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName("Command1");
    print_ = new QPushButton(tr("Print"), this);
    print_->setObjectName("Command2");
    pdf_ = new QPushButton(tr("Save as PDF..."), this);
    pdf_->setObjectName("CommandPdf");
    print_->setAutoDefault(false);
    pdf_->setAutoDefault(false);
    close_->setAutoDefault(false);

    auto* choicesColumn = new QVBoxLayout;
    choicesColumn->addWidget(levelGroup);
    choicesColumn->addWidget(rangeGroup);
    choicesColumn->addWidget(includeGroup);
    choicesColumn->addWidget(pagesGroup);
    choicesColumn->addWidget(perPageGroup);
    auto* exampleColumn = new QVBoxLayout;
    exampleColumn->addWidget(exampleLabel);
    exampleColumn->addWidget(picture_);
    exampleColumn->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addLayout(choicesColumn, 1);
    top->addLayout(exampleColumn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);
    buttons->addWidget(pdf_);
    buttons->addWidget(print_);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 3; ++i)
        connect(perPage_[i], &QRadioButton::clicked, this,
                [this, i] { Forward([this, i] { choices_.ChoosePerPage(i); }); });
    connect(solutions_, &QCheckBox::clicked, this,
            [this](bool on) { Forward([this, on] { choices_.ChooseSolutions(on); }); });
    connect(pencils_, &QCheckBox::clicked, this,
            [this](bool on) { Forward([this, on] { choices_.ChoosePencilMarks(on); }); });
    connect(pages_, &QSlider::valueChanged, this,
            [this](int value) { Forward([this, value] { choices_.ChoosePages(value); }); });
    connect(level_, &QComboBox::activated, this,
            [this](int index) { Forward([this, index] { choices_.ChooseLevel(index + 1); }); });
    connect(from_, &QLineEdit::textChanged, this, [this](const QString& text) {
        Forward([this, &text] { choices_.TypeFrom(text.toStdString()); });
    });
    connect(close_, &QPushButton::clicked, this, &FormPrint::CloseClicked);
    connect(print_, &QPushButton::clicked, this, &FormPrint::PrintClicked);
    connect(pdf_, &QPushButton::clicked, this, &FormPrint::SavePdfClicked);
}

void FormPrint::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        // Centred on the screen when first shown.
        centred_ = true;
        if (QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
            move(screen->availableGeometry().center() - rect().center());
        // On a screen of another pixel ratio the picture is drawn afresh.
        if (QWindow* window = windowHandle())
            connect(window, &QWindow::screenChanged, this,
                    [this] { DrawExample(choices_.View().values); });
    }
    // Each opening activates; the window coming back from a minimize does not.
    if (!event->spontaneous()) Activate();
}

void FormPrint::Activate() {
    // The printer: none installed leaves Save as PDF... as the way out; one
    // that fails to take A4 portrait is an error.
    const bool installed = !printer_.PrinterName().empty();
    const bool failed = installed && !printer_.SetUp();
    choices_.Activate(installed);
    exampleValues_.reset(); // the stock may have been renewed since
    Draw(choices_.View());

    if (failed) {
        // Once the dialog is up: then the message, and back to the game.
        QMetaObject::invokeMethod(
            this,
            [this] {
                Show(prompt_, messages::kPrinterError);
                reject();
            },
            Qt::QueuedConnection);
    }
}

bool FormPrint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == from_) {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                Forward([this] { choices_.ConfirmFrom(); });
                return true;
            }
            const QString typed = key->text();
            if (!typed.isEmpty() &&
                print::FromBoxKey(typed.front().unicode()) == print::FromKey::Swallow)
                return true;
        } else if (event->type() == QEvent::FocusOut) {
            Forward([this] { choices_.ConfirmFrom(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

template <typename Handler> void FormPrint::Forward(Handler&& handler) {
    if (drawing_) return;
    handler();
    Draw(choices_.View());
}

void FormPrint::Draw(const print::PrintDialogView& view) {
    drawing_ = true;
    const print::PrintOptions& v = view.values;
    level_->setCurrentIndex(v.Level - 1);
    pages_->setValue(v.Pages);
    perPage_[print::OptionOfPerPage(v.PerPage)]->setChecked(true);
    solutions_->setChecked(v.Solutions);
    pencils_->setChecked(v.PencilMarks);
    // Only a text that differs is set, so the cursor stays where the user left it.
    const QString fromText = ToQString(view.fromText);
    if (from_->text() != fromText) from_->setText(fromText);
    to_->setText(ToQString(view.toLabel));
    fromLabel_->setEnabled(view.rangeEnabled);
    from_->setEnabled(view.rangeEnabled);
    to_->setEnabled(view.rangeEnabled);
    print_->setEnabled(view.printEnabled);
    print_->setToolTip(ToQString(view.printTip));
    if (exampleValues_ != v) DrawExample(v);
    drawing_ = false;
}

void FormPrint::DrawExample(const print::PrintOptions& values) {
    const qreal ratio = devicePixelRatioF();
    example_ = QImage(picture_->contentsRect().size() * ratio, QImage::Format_ARGB32_Premultiplied);
    example_.fill(palette().color(QPalette::Window));
    print::PaintExample(example_, stock_, values);
    example_.setDevicePixelRatio(ratio);
    picture_->setPixmap(QPixmap::fromImage(example_));
    exampleValues_ = values;
}

void FormPrint::CloseClicked() {
    choices_.Keep();
    accept();
}

void FormPrint::PrintClicked() {
    // What the box shows is what prints, even when it has not lost the focus.
    Forward([this] { choices_.ConfirmFrom(); });
    choices_.Keep();
    const print::PrintOutcome outcome = printer_.Print(stock_, choices_.Values());
    if (!outcome.ok) Show(prompt_, messages::kPrinterError);
}

void FormPrint::SavePdfClicked() {
    Forward([this] { choices_.ConfirmFrom(); });
    choices_.Keep();
    const print::PrintOptions& v = choices_.Values();
    const QString suggested = QStringLiteral("dravik-sudoku-%1-%2.pdf")
                                  .arg(ToQString(LevelName(v.Level)).toLower().replace(' ', '-'))
                                  .arg(v.First);
    const QString path = choosePdf_ ? choosePdf_(this, suggested) : QString();
    if (path.isEmpty()) return;
    const print::PrintOutcome outcome = print::WritePdfFile(path, stock_, v);
    if (!outcome.ok) Show(prompt_, messages::kPdfUnwritable, outcome.detail);
}

} // namespace dravik::ui
