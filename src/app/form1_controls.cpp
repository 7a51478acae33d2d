// The main window's controls as one table in ownership order: class (by the
// member they fill), parent, position and size (pixels at 96 per inch), tab
// order, text and font. The window builds them row by row.
#include "app/form1.h"
#include "widgets/ansi_text_guard.h"
#include "widgets/label.h"

#include <QScrollArea>

#include <map>
#include <variant>

namespace rq::app {
namespace {

using widgets::TColor;
using widgets::TPanelBevel;

using Member = std::variant<widgets::TPanel * TForm1::*, QLabel * TForm1::*, QLineEdit * TForm1::*,
                            widgets::TPBNumEdit * TForm1::*, widgets::TLMDFill * TForm1::*>;

struct ControlRow {
    Member member;
    const char* name;
    const char* parent; // nullptr: the window's client area
    QRect bounds;       // left, top, width, height within the parent
    int tabOrder = -1;  // -1: not a tab stop
    const char* text = "";
    int fontHeight = 15; // labels: Arial, pixels
    bool bold = false;
    TColor color = widgets::clBtnFace; // panels
    TPanelBevel bevel = TPanelBevel::bvLowered;
};

// clang-format off
const ControlRow kControls[] = {
    {&TForm1::Panel1, "Panel1", nullptr, {16, 16, 761, 473}, 0, "", 15, false, 13624810, TPanelBevel::bvRaised},
    {&TForm1::Label9, "Label9", "Panel1", {24, 18, 349, 32}, -1, "MUNK\xC1LTAT\xD3I IGAZOL\xC1S", 27, true},
    {&TForm1::Label10, "Label10", "Panel1", {640, 18, 89, 32}, -1, "RQ0612", 27, true},
    {&TForm1::Panel2, "Panel2", "Panel1", {24, 64, 705, 113}, 0},
    {&TForm1::Label1, "Label1", "Panel2", {24, 72, 31, 17}, -1, "C\xEDm:"},
    {&TForm1::LMDFill1, "LMDFill1", "Panel2", {1, 0, 703, 27}, -1, "    I. A MUNK\xC1LTAT\xD3"},
    {&TForm1::Label3, "Label3", "Panel2", {24, 48, 29, 17}, -1, "N\xE9v:"},
    {&TForm1::Edit1, "Edit1", "Panel2", {64, 48, 625, 21}, 0, "-"},
    {&TForm1::Edit2, "Edit2", "Panel2", {64, 72, 625, 21}, 1, "-"},
    {&TForm1::Panel3, "Panel3", "Panel1", {24, 192, 705, 257}, 1},
    {&TForm1::LMDFill2, "LMDFill2", "Panel3", {1, 0, 703, 27}, -1, "     II. A MUNKAV\xC1LLAL\xD3"},
    {&TForm1::Label2, "Label2", "Panel3", {24, 48, 29, 17}, -1, "N\xE9v:"},
    {&TForm1::Label4, "Label4", "Panel3", {24, 112, 66, 17}, -1, "Munkak\xF6r:"},
    {&TForm1::Label5, "Label5", "Panel3", {24, 152, 158, 17}, -1, "Mi\xF3ta \xE1ll alkalmaz\xE1sban:"},
    {&TForm1::Label6, "Label6", "Panel3", {24, 192, 383, 17}, -1,
     "Nevezett utols\xF3 havi nett\xF3 j\xF6vedelme (csal\xE1" "di p\xF3tl\xE9k n\xE9lk\xFCl):"},
    {&TForm1::Label7, "Label7", "Panel3", {536, 194, 17, 17}, -1, "Ft."},
    {&TForm1::Label8, "Label8", "Panel3", {328, 48, 93, 17}, -1, "Le\xE1nykori n\xE9v:"},
    {&TForm1::Label11, "Label11", "Panel3", {24, 216, 155, 17}, -1, "Csal\xE1" "di p\xF3tl\xE9k \xF6sszege:"},
    {&TForm1::Label12, "Label12", "Panel3", {296, 218, 17, 17}, -1, "Ft."},
    {&TForm1::Label13, "Label13", "Panel3", {24, 72, 31, 17}, -1, "C\xEDm:"},
    {&TForm1::Edit3, "Edit3", "Panel3", {64, 48, 257, 21}, 0},
    {&TForm1::Edit4, "Edit4", "Panel3", {104, 112, 585, 21}, 3},
    {&TForm1::Edit5, "Edit5", "Panel3", {192, 152, 145, 21}, 4},
    {&TForm1::PBNumEdit1, "PBNumEdit1", "Panel3", {432, 192, 100, 21}, 5},
    {&TForm1::Edit6, "Edit6", "Panel3", {432, 48, 257, 21}, 1},
    {&TForm1::PBNumEdit2, "PBNumEdit2", "Panel3", {192, 216, 100, 21}, 6},
    {&TForm1::Edit7, "Edit7", "Panel3", {64, 72, 625, 21}, 2},
};
// clang-format on

// Section headers: gradient FB E6 94 -> EE 95 15, Tahoma 13 px bold.
constexpr TColor kHeaderStart = 9758459;
constexpr TColor kHeaderEnd = 1414638;

QWidget* makePanel(TForm1& form, widgets::TPanel* TForm1::*member, const ControlRow& row,
                   QWidget* parent) {
    auto* panel = new widgets::TPanel(parent);
    panel->SetColor(widgets::toQColor(row.color));
    panel->SetBevelOuter(row.bevel);
    return form.*member = panel;
}

QWidget* makeLabel(TForm1& form, QLabel* TForm1::*member, const ControlRow& row, QWidget* parent) {
    auto* label = new widgets::TLabel(widgets::fromAnsi(row.text), parent);
    label->setFont(widgets::makeFont({"Arial", row.fontHeight, row.bold}));
    return form.*member = label;
}

QWidget* makeEdit(TForm1& form, QLineEdit* TForm1::*member, const ControlRow& row,
                  QWidget* parent) {
    auto* edit = new QLineEdit(widgets::fromAnsi(row.text), parent);
    widgets::guardAnsiText(*edit);
    return form.*member = edit;
}

QWidget* makeNumEdit(TForm1& form, widgets::TPBNumEdit* TForm1::*member, const ControlRow&,
                     QWidget* parent) {
    auto* edit = new widgets::TPBNumEdit(parent);
    edit->SetDecimals(-1);
    edit->SetNumberFormat(widgets::TNumberFormat::Thousands);
    return form.*member = edit;
}

QWidget* makeFill(TForm1& form, widgets::TLMDFill* TForm1::*member, const ControlRow& row,
                  QWidget* parent) {
    auto* fill = new widgets::TLMDFill(parent);
    widgets::TLMDGradient gradient;
    gradient.Color = kHeaderStart;
    gradient.EndColor = kHeaderEnd;
    fill->SetGradient(gradient);
    fill->SetCaption(widgets::fromAnsi(row.text));
    fill->SetCaptionFont(widgets::makeFont({"Tahoma", 13, true}));
    return form.*member = fill;
}

struct Builder {
    TForm1& form;
    const ControlRow& row;
    QWidget* parent;
    QWidget* operator()(widgets::TPanel* TForm1::*m) const {
        return makePanel(form, m, row, parent);
    }
    QWidget* operator()(QLabel* TForm1::*m) const { return makeLabel(form, m, row, parent); }
    QWidget* operator()(QLineEdit* TForm1::*m) const { return makeEdit(form, m, row, parent); }
    QWidget* operator()(widgets::TPBNumEdit* TForm1::*m) const {
        return makeNumEdit(form, m, row, parent);
    }
    QWidget* operator()(widgets::TLMDFill* TForm1::*m) const {
        return makeFill(form, m, row, parent);
    }
};

// Class names as the saved-form file knows them, by member kind.
constexpr const char* kClassNames[] = {"TPanel", "TLabel", "TEdit", "TPBNumEdit", "TLMDFill"};
static_assert(std::size(kClassNames) == std::variant_size_v<Member>);

// Appends the tab stops under parent to chain, depth first in tab order.
void collectTabChain(const char* parent, const std::map<std::string, QWidget*>& built,
                     std::vector<QWidget*>& chain) {
    std::multimap<int, const ControlRow*> children;
    for (const auto& row : kControls)
        if (row.tabOrder >= 0 && ((!parent && !row.parent) ||
                                  (parent && row.parent && std::string(parent) == row.parent)))
            children.emplace(row.tabOrder, &row);
    for (const auto& [order, row] : children) {
        QWidget* widget = built.at(row->name);
        if (widget->focusPolicy() & Qt::TabFocus)
            chain.push_back(widget);
        collectTabChain(row->name, built, chain);
    }
}

} // namespace

void TForm1::createControls() {
    QWidget* client = ClientArea()->widget();
    std::map<std::string, QWidget*> built;
    for (const auto& row : kControls) {
        QWidget* parent = row.parent ? built.at(row.parent) : client;
        QWidget* widget = std::visit(Builder{*this, row, parent}, row.member);
        widget->setGeometry(row.bounds);
        // Labels size themselves to their text in the substituted font; the
        // table's sizes are those of the designed face.
        if (auto* label = qobject_cast<widgets::TLabel*>(widget))
            label->AdjustBounds();
        built[row.name] = widget;
        components_.Add(QString::fromLatin1(row.name),
                        QString::fromLatin1(kClassNames[row.member.index()]), widget);
    }
    std::vector<QWidget*> chain;
    collectTabChain(nullptr, built, chain);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

} // namespace rq::app
