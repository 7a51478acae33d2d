// The "Find Text" dialog at its designed positions (pixels at 96 per inch).
#include "report/preview/qt/search_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rq::report::preview::qt {

namespace {

constexpr int kWidth = 252;
constexpr int kHeight = 108;

} // namespace

TfrxSearchDialog::TfrxSearchDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfrxSearchDialog"));
    setWindowTitle(QStringLiteral("Find Text"));
    setFixedSize(kWidth, kHeight);
    QFont face(QStringLiteral("Tahoma"));
    face.setPointSize(8);
    setFont(face);
    auto* label = new QLabel(QStringLiteral("Text to find:"), this);
    label->setGeometry(8, 4, 237, 16);
    TextE = new QLineEdit(this);
    TextE->setObjectName(QStringLiteral("TextE"));
    TextE->setGeometry(8, 20, 237, 21);
    auto* options = new QGroupBox(QStringLiteral("Search options   "), this);
    options->setGeometry(8, 44, 237, 30);
    TopCB = new QCheckBox(QStringLiteral("Search from begin"), options);
    TopCB->setObjectName(QStringLiteral("TopCB"));
    TopCB->setGeometry(6, 12, 115, 17);
    CaseCB = new QCheckBox(QStringLiteral("Case sensitive"), options);
    CaseCB->setObjectName(QStringLiteral("CaseCB"));
    CaseCB->setGeometry(124, 12, 110, 17);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkB"));
    ok->setGeometry(90, 76, 75, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelB"));
    cancel->setGeometry(170, 76, 75, 25);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrxSearchDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    TextE->setFocus();
    TextE->selectAll();
}

} // namespace rq::report::preview::qt
