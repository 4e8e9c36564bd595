// The print dialog ("FormPrint"): level, range, what to include, pages and
// puzzles per page, an example picture drawn from the real layout for the
// current choices, and the buttons Close, Print and Save as PDF.... The rules
// are print::PrintChoices; this is their widgets.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>

#include "game/play/outside.h"
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

inline constexpr std::string_view kPrinterErrorTitle = "Printer error";
inline constexpr std::string_view kPrinterErrorMessage =
    "An error occured while attempting to communicate with the standard printer, please check "
    "the availability and status of your printer.";
inline constexpr std::string_view kNoPrinterTip =
    "No printer is installed. Save as PDF... keeps the pages in a PDF file instead.";
inline constexpr std::string_view kPdfErrorMessage = "The PDF file could not be written: ";

class FormPrint final : public QDialog {
    Q_OBJECT
  public:
    // `stock` and `kept` outlive the dialog; `kept` holds the choices between
    // openings.
    FormPrint(const Stock& stock, print::PrintOptions& kept, print::PrinterPort& printer,
              Prompt& prompt, PdfFileChooser choosePdf, QWidget* parent = nullptr);

    // The dialog's current choices.
    const print::PrintOptions& Values() const { return choices_.Values(); }
    // The example picture as last drawn, and how long that took (milliseconds).
    const QImage& Example() const { return example_; }
    double ExampleMilliseconds() const { return exampleMilliseconds_; }

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Activate();
    void UpdateRange();
    void DrawExample();
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
    double exampleMilliseconds_ = 0;
};

} // namespace dravik::ui
