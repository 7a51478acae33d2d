// The filling guide window: one coloured panel holding the read-only text.
#include "app/form2.h"

#include "widgets/panel.h"

#include <QTextEdit>
#include <QVBoxLayout>

namespace rq::app {
namespace {

constexpr widgets::TColor kPanelColor = 15201526;

const char* const kGuide =
    "Kit\xF6lt\xE9si \xFAtmutat\xF3\n\n"
    "Az I. r\xE9szben a munk\xE1ltat\xF3 nev\xE9t \xE9s c\xEDm\xE9t, a II. r\xE9szben a "
    "munkav\xE1llal\xF3 adatait kell megadni. Az \xF6sszegeket forintban, sz\xE1mjegyekkel "
    "kell be\xEDrni.";

} // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent) {
    setWindowTitle(widgets::fromAnsi("Kit\xF6lt\xE9si \xFAtmutat\xF3"));
    auto* panel = new widgets::TPanel(this);
    panel->SetColor(widgets::toQColor(kPanelColor));
    LMDRichScrollBox1 = new QTextEdit(panel);
    LMDRichScrollBox1->setReadOnly(true);
    LMDRichScrollBox1->setPlainText(widgets::fromAnsi(kGuide));
    auto* inner = new QVBoxLayout(panel);
    inner->addWidget(LMDRichScrollBox1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
}

} // namespace rq::app
