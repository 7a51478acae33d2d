// The "Find Text" dialog at its designed positions (pixels at 96 per inch).
#include "report/preview/qt/search_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rq::report::preview::qt {

namespace {

constexpr int kWidth = 252;
constexpr int kMargin = 8; // left edge of the controls, and the gap below the buttons
constexpr int kControlWidth = 237;

} // namespace

// The label, the edit and the buttons sit at their designed places; the
// options group is as tall as its title and check boxes need in the
// platform's style (its designed 30 pixels cut the title's room out of the
// check boxes), and the buttons and the dialog's height follow it.
TfrxSearchDialog::TfrxSearchDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrxSearchDialog"));
    setWindowTitle(QStringLiteral("Find Text"));
    QFont face(QStringLiteral("Tahoma"));
    face.setPointSize(8);
    setFont(face);
    auto* label = new QLabel(QStringLiteral("Text to find:"), this);
    label->setGeometry(kMargin, 4, kControlWidth, 16);
    TextE = new QLineEdit(this);
    TextE->setObjectName(QStringLiteral("TextE"));
    TextE->setGeometry(kMargin, 20, kControlWidth, 21);
    auto* options = new QGroupBox(QStringLiteral("Search options   "), this);
    options->setObjectName(QStringLiteral("GroupBox1"));
    TopCB = new QCheckBox(QStringLiteral("Search from begin"), options);
    TopCB->setObjectName(QStringLiteral("TopCB"));
    CaseCB = new QCheckBox(QStringLiteral("Case sensitive"), options);
    CaseCB->setObjectName(QStringLiteral("CaseCB"));
    auto* row = new QHBoxLayout(options);
    QMargins margins = row->contentsMargins();
    margins.setLeft(6); // the boxes' designed left edge in the group
    margins.setRight(6);
    row->setContentsMargins(margins);
    row->addWidget(TopCB);
    row->addWidget(CaseCB);
    row->addStretch(1);
    options->setGeometry(kMargin, 48, kControlWidth, options->sizeHint().height());
    const int buttonsTop = options->geometry().bottom() + 1 + kMargin;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkB"));
    ok->setGeometry(90, buttonsTop, 75, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelB"));
    cancel->setGeometry(170, buttonsTop, 75, 25);
    setFixedSize(kWidth, buttonsTop + 25 + kMargin);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrxSearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TextE->setFocus();
    TextE->selectAll();
}

} // namespace rq::report::preview::qt
