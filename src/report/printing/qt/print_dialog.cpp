// The print dialog's controls at their fixed places (pixels at 96 dpi,
// relative to their group box), its reactions, and the run that turns the
// dialog's state into the job's choices.
#include "report/printing/qt/print_dialog.h"

#include "base/number_text.h"
#include "base/text1250.h"
#include "report/printing/qt/print_pictures.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace rq::report::printing::qt {
namespace {

constexpr QSize kClientSize{477, 263};

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width = -1, int height = -1) {
    widget->setObjectName(name);
    if (width < 0) {
        widget->adjustSize();
        widget->move(left, top);
    } else {
        widget->setGeometry(left, top, width, height);
    }
    return widget;
}

QString fromCore(const std::string& text) {
    return QString::fromStdString(base::cp1250ToUtf8(text));
}

// The collation picture: the dialog's colour, then the picture of the
// check box's state.
class CollationPicture : public QWidget {
public:
    CollationPicture(QCheckBox* collate, QWidget* parent) : QWidget(parent), collate_(collate) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.drawPixmap(0, 0, collate_->isChecked() ? CollatedPicture() : UncollatedPicture());
    }

private:
    QCheckBox* collate_;
};

} // namespace

std::string PrnFileName(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    const std::size_t dot = name.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? name.substr(0, dot) : name) + ".prn";
}

TfrxPrintDialog::TfrxPrintDialog(TfrxPrinters& printers, QWidget* parent)
    : QDialog(parent), printers_(printers) {
    setObjectName("frxPrintDialog");
    setWindowTitle("Print");
    setFont(QFont("Tahoma", 8));
    setFixedSize(kClientSize);

    Label12 = place(new QGroupBox("Printer   ", this), "Label12", 4, 4, 469, 97);
    PrintersCB = place(new QComboBox(Label12), "PrintersCB", 8, 20, 317, 22);
    PrintersCB->setIconSize(QSize(18, 16));
    PropButton = place(new QPushButton("Properties...", Label12), "PropButton", 336, 20, 95, 22);
    TypeL = place(new QLabel("Type:", Label12), "TypeL", 16, 52);
    TypeL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TypeL1 = place(new QLabel(Label12), "TypeL1", 52, 52);
    WhereL = place(new QLabel("Where:", Label12), "WhereL", 8, 72);
    WhereL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    WhereL1 = place(new QLabel(Label12), "WhereL1", 52, 72);
    FileCB = place(new QCheckBox("Print to file", Label12), "FileCB", 332, 52);
    ReverseCB = place(new QCheckBox("Reverse pages", Label12), "ReverseCB", 332, 72);

    Label1 = place(new QGroupBox("Pages   ", this), "Label1", 4, 104, 261, 117);
    AllRB = place(new QRadioButton("All", Label1), "AllRB", 8, 20);
    AllRB->setChecked(true);
    CurPageRB = place(new QRadioButton("Current page", Label1), "CurPageRB", 8, 40);
    PageNumbersRB = place(new QRadioButton("Pages:", Label1), "PageNumbersRB", 8, 60);
    PageNumbersE = place(new QLineEdit(Label1), "PageNumbersE", 72, 58, 165, 21);
    DescrL = place(new QLabel("Enter page numbers and/or page ranges, separated by commas. For "
                              "example, 1,3,5-12",
                              Label1),
                   "DescrL", 8, 82, 249, 29);
    DescrL->setWordWrap(true);
    DescrL->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label2 = place(new QGroupBox("Copies   ", this), "Label2", 272, 104, 201, 117);
    CopiesL = place(new QLabel("Number of copies", Label2), "CopiesL", 12, 20);
    CopiesE = place(new QLineEdit("1", Label2), "CopiesE", 132, 16, 37, 21);
    CopiesUp = place(new QToolButton(Label2), "CopiesUp", 169, 16, 15, 11);
    CopiesUp->setArrowType(Qt::UpArrow);
    CopiesDown = place(new QToolButton(Label2), "CopiesDown", 169, 27, 15, 10);
    CopiesDown->setArrowType(Qt::DownArrow);
    CollateCB = place(new QCheckBox(Label2), "CollateCB", 116, 58);
    CopiesPB = place(new CollationPicture(CollateCB, Label2), "CopiesPB", 12, 48, 92, 53);
    CollateL = place(new QLabel("Collate", Label2), "CollateL", 136, 60, 61, 41);
    CollateL->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    PrintL = place(new QLabel("Print", this), "PrintL", 4, 236);
    PrintPagesCB = place(new QComboBox(this), "PrintPagesCB", 4, 232, 165, 21);
    PrintPagesCB->addItems({"All pages", "Odd pages", "Even pages"});
    OkB = place(new QPushButton("OK", this), "OkB", 318, 232, 75, 25);
    OkB->setDefault(true);
    CancelB = place(new QPushButton("Cancel", this), "CancelB", 398, 232, 75, 25);

    FileDlg = new QFileDialog(this, "Print To File", QString(), "Printer files (*.prn)");
    FileDlg->setObjectName("FileDlg");
    FileDlg->setAcceptMode(QFileDialog::AcceptSave);
    FileDlg->setOption(QFileDialog::DontUseNativeDialog);
    FileDlg->setDefaultSuffix("prn");

    connect(PrintersCB, &QComboBox::activated, this, &TfrxPrintDialog::printerChosen);
    connect(PropButton, &QPushButton::clicked, this, [this] {
        if (TfrxCustomPrinter* printer = printers_.CurrentPrinter())
            printer->PropertiesDialog();
    });
    connect(PageNumbersRB, &QRadioButton::clicked, PageNumbersE,
            [this] { PageNumbersE->setFocus(); });
    PageNumbersE->installEventFilter(this);
    CollateL->installEventFilter(this);
    connect(CollateCB, &QCheckBox::toggled, CopiesPB, qOverload<>(&QWidget::update));
    connect(CopiesUp, &QToolButton::clicked, this, [this] { stepCopies(1); });
    connect(CopiesDown, &QToolButton::clicked, this, [this] { stepCopies(-1); });
    connect(OkB, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelB, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrxPrintDialog::showEvent(QShowEvent* event) {
    PrintersCB->clear();
    for (const std::string& name : printers_.PrinterNames())
        PrintersCB->addItem(QIcon(PrinterPicture()), fromCore(name));
    PrintersCB->setCurrentIndex(printers_.PrinterIndex());
    shownWithPrinter_ = printers_.PrinterIndex();
    showPrinter();
    PrintPagesCB->move(PrintL->x() + PrintL->width() + 11, 232);
    PrintPagesCB->setCurrentIndex(0);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool TfrxPrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PageNumbersE && event->type() == QEvent::FocusIn)
        PageNumbersRB->setChecked(true);
    if (watched == CollateL &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        CollateCB->toggle();
    return QDialog::eventFilter(watched, event);
}

void TfrxPrintDialog::printerChosen(int index) {
    printers_.SelectPrinter(index);
    showPrinter();
}

void TfrxPrintDialog::showPrinter() {
    const TfrxCustomPrinter* printer = printers_.CurrentPrinter();
    TypeL1->setText(printer ? fromCore(printer->Name()) : QString());
    WhereL1->setText(printer ? fromCore(printer->Port()) : QString());
    TypeL1->adjustSize();
    WhereL1->adjustSize();
}

// The up-down: whole numbers from 1; text that is no number counts as 1.
void TfrxPrintDialog::stepCopies(int step) {
    std::int32_t copies = 1;
    base::tryStrToInt(CopiesE->text().toStdString(), copies);
    CopiesE->setText(QString::number(std::max(1, copies + step)));
}

bool RunPrintDialog(TfrxPrinters& printers, int curPreviewPage, TfrxPrintChoices& choices,
                    QWidget* parent) {
    TfrxPrintDialog dialog(printers, parent);
    dialog.CopiesE->setText(QString::number(choices.Copies));
    dialog.CollateCB->setChecked(choices.Collate);
    dialog.PageNumbersE->setText(fromCore(choices.PageNumbers));
    dialog.PrintPagesCB->setCurrentIndex(choices.PrintPages);
    const std::int32_t before = printers.PrinterIndex();
    if (dialog.exec() != QDialog::Accepted) {
        printers.SelectPrinter(before);
        return false;
    }
    TfrxCustomPrinter* printer = printers.CurrentPrinter();
    if (printer) {
        printer->FileName.clear();
        if (dialog.FileCB->isChecked()) {
            if (dialog.FileDlg->exec() != QDialog::Accepted ||
                dialog.FileDlg->selectedFiles().isEmpty())
                return false;
            printer->FileName =
                PrnFileName(dialog.FileDlg->selectedFiles().first().toLocal8Bit().toStdString());
        }
    }
    choices.Copies = base::strToInt(base::utf8ToCp1250(dialog.CopiesE->text().toStdString()));
    choices.Collate = dialog.CollateCB->isChecked();
    if (dialog.AllRB->isChecked())
        choices.PageNumbers.clear();
    else if (dialog.CurPageRB->isChecked())
        choices.PageNumbers = base::intToStr(curPreviewPage);
    else
        choices.PageNumbers = base::utf8ToCp1250(dialog.PageNumbersE->text().toStdString());
    choices.PrintPages = static_cast<model::TfrxPrintPages>(dialog.PrintPagesCB->currentIndex());
    choices.Reverse = dialog.ReverseCB->isChecked();
    return true;
}

} // namespace rq::report::printing::qt
