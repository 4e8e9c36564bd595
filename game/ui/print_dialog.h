// The print dialog ("FormPrint"): level, range, what to include, pages and
// puzzles per page, an example picture drawn from the real layout for the
// current choices, and the buttons Close, Print and Save as PDF.... The rules
// are print::PrintChoices; the widgets draw their view and forward what the
// user does.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

#include "game/ports/prompt.h"
#include "game/print/print_choices.h"
#include "game/print/qt/system_printer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace dravik::ui {

// Asks where to save a PDF file; `suggested` is a file name. "" = cancelled.
using PdfFileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
// The desktop's save-file dialog.
QString ChoosePdfFileWithDialog(QWidget* parent, const QString& suggested);

class FormPrint final : public QDialog {
    Q_OBJECT
  public:
    // `stock` and `kept` outlive the dialog; `kept` holds the choices between
    // openings.
    FormPrint(const Stock& stock, print::PrintOptions& kept, print::PrinterPort& printer,
              Prompt& prompt, PdfFileChooser choosePdf, QWidget* parent = nullptr);

    // The dialog's current choices.
    const print::PrintOptions& Values() const { return choices_.Values(); }
    // The example picture as last drawn.
    const QImage& Example() const { return example_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Activate();
    // Runs one of the rules' handlers and draws the result; nothing while the
    // widgets are being drawn, whose own change signals come back here.
    template <typename Handler> void Forward(Handler&& handler);
    void Draw(const print::PrintDialogView& view);
    void DrawExample(const print::PrintOptions& values);
    void PrintClicked();
    void SavePdfClicked();
    void CloseClicked();

    const Stock& stock_;
    print::PrintChoices choices_;
    print::PrinterPort& printer_;
    Prompt& prompt_;
    PdfFileChooser choosePdf_;
    bool centred_ = false;

    QComboBox* level_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLabel* to_ = nullptr;
    QCheckBox* solutions_ = nullptr;
    QCheckBox* pencils_ = nullptr;
    QSlider* pages_ = nullptr;
    QRadioButton* perPage_[3] = {};
    QPushButton* close_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QImage example_;
    std::optional<print::PrintOptions> exampleValues_; // what example_ shows
    bool drawing_ = false;
};

} // namespace dravik::ui
