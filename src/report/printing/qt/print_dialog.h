// TfrxPrintDialog: the print dialog: printer with its type and place,
// "Properties...", "Print to file", "Reverse pages", the pages (all, the
// current one or a range text), copies with collation, and which of the
// selected pages print (all, odd or even). RunPrintDialog shows it on a
// job's choices and applies the result.
#pragma once

#include "report/printing/print_job.h"
#include "report/printing/printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace rq::report::printing::qt {

class TfrxPrintDialog : public QDialog {
    Q_OBJECT
public:
    TfrxPrintDialog(TfrxPrinters& printers, QWidget* parent = nullptr);

    QGroupBox* Label12;
    QComboBox* PrintersCB;
    QPushButton* PropButton;
    QLabel* TypeL;
    QLabel* TypeL1;
    QLabel* WhereL;
    QLabel* WhereL1;
    QCheckBox* FileCB;
    QCheckBox* ReverseCB;
    QGroupBox* Label1;
    QRadioButton* AllRB;
    QRadioButton* CurPageRB;
    QRadioButton* PageNumbersRB;
    QLineEdit* PageNumbersE;
    QLabel* DescrL;
    QGroupBox* Label2;
    QLabel* CopiesL;
    QLineEdit* CopiesE;
    QToolButton* CopiesUp;
    QToolButton* CopiesDown;
    QWidget* CopiesPB;
    QCheckBox* CollateCB;
    QLabel* CollateL;
    QLabel* PrintL;
    QComboBox* PrintPagesCB;
    QPushButton* OkB;
    QPushButton* CancelB;
    QFileDialog* FileDlg;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void printerChosen(int index);
    void showPrinter();
    void stepCopies(int step);

    TfrxPrinters& printers_;
    std::int32_t shownWithPrinter_ = -1;
};

// Shows the dialog on the choices (copies, collate, page numbers; the print
// pages always start at "All pages"). On OK the current printer's FileName
// is set (or cleared) and the choices are taken from the dialog; returns
// false when the dialog or the file dialog was cancelled (the printer that
// was current before is then selected again). Raises EConvertError "'%s' is
// not a valid integer value" when the copies text is not a whole number.
bool RunPrintDialog(TfrxPrinters& printers, int curPreviewPage, TfrxPrintChoices& choices,
                    QWidget* parent = nullptr);

// The name with its extension replaced by ".prn" (added when it has none).
std::string PrnFileName(const std::string& name);

} // namespace rq::report::printing::qt
