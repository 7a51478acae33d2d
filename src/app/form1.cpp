// TForm1: window properties, the scrolled client area, the menu bar, the
// section highlighting and the wheel handlers.
#include "app/form1.h"
#include "app/program_icon.h"

#include "app/form_scroll_area.h"
#include "certificate/certificate_template.h"
#include "report/engine/engine.h"
#include "report/preview/preview_pages.h"
#include "report/render/qt/qt_canvas.h"

#include <QApplication>
#include <QScreen>
#include <QWindow>

namespace rq::app {
namespace {

using widgets::TColor;

constexpr TColor kFormColor = 10008261; // RGB C5 B6 98
constexpr QSize kDesignSize(811, 558);
constexpr QPoint kDesignPosition(142, 122);
// Height of the content that the vertical scroll bar covers: the bottom of
// Panel1 (16 + 473).
constexpr int kContentHeight = 489;
const widgets::FontSpec kFormFont{"MS Sans Serif", 11};
constexpr int kWheelStep = 20; // pixels per wheel message

constexpr TColor kHighlightStart = 9758459; // RGB FB E6 94
constexpr TColor kHighlightEnd = 1414638;   // RGB EE 95 15
constexpr TColor kDimmed = 12505042;        // RGB D2 CF BE
constexpr TColor kDimmedCaption = 4542543;  // RGB 4F 50 45

struct MenuRow {
    QAction* TForm1::*member;
    const char* name;
    const char* caption; // Windows-1250
    void (TForm1::*click)();
};

const MenuRow kMenu[] = {
    {&TForm1::Nyomtats1, "Nyomtats1", "Nyomtat\xE1s", &TForm1::Nyomtats1Click},
    {&TForm1::Kitltsmentse1, "Kitltsmentse1", "\xDBrlap ment\xE9se", &TForm1::Kitltsmentse1Click},
    {&TForm1::Kitltttrlapbetltse1, "Kitltttrlapbetltse1",
     "Kit\xF6lt\xF6tt \xFBrlap bet\xF6lt\xE9se", &TForm1::Kitltttrlapbetltse1Click},
    {&TForm1::Kilps1, "Kilps1", "Kil\xE9p\xE9s", &TForm1::Kilps1Click},
};

void setHeader(widgets::TLMDFill* fill, TColor start, TColor end, TColor caption) {
    widgets::TLMDGradient gradient = fill->Gradient();
    gradient.Color = start;
    gradient.EndColor = end;
    fill->SetGradient(gradient);
    fill->SetCaptionColor(caption);
}

bool isInside(const QWidget* container, const QWidget* widget) {
    return widget && container->isAncestorOf(widget);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(
        widgets::fromAnsi("Elektronikus nyomtatv\xE1ny - Ez\xFCstliget Polg\xE1rmesteri Hivatal"));
    setWindowIcon(programIcon());
    setFont(widgets::makeFont(kFormFont));
    setGeometry(QRect(kDesignPosition, kDesignSize));

    scrollArea_ = new FormScrollArea(this);
    scrollArea_->OnWheel = [this](bool down) { down ? FormMouseWheelDown() : FormMouseWheelUp(); };
    auto* client = new QWidget;
    client->setMinimumHeight(kContentHeight);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, widgets::toQColor(kFormColor));
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    scrollArea_->setWidget(client);
    scrollArea_->viewport()->setPalette(palette);
    setCentralWidget(scrollArea_);

    createControls();
    createMenu();
    report::engine::AttachEngine(frxReport1, std::make_unique<report::preview::TfrxPreviewPages>());
    report::render::qt::AttachScreenTextMeasure(frxReport1);
    certificate::LoadCertificateTemplate(frxReport1);
    frxReport1.OnGetValue = [this](const std::string& name, base::Variant& value) {
        frxReport1GetValue(name, value);
    };
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this, &TForm1::onFocusChanged);
    Edit1->setFocus(Qt::OtherFocusReason); // the first control in tab order
}

TForm1::~TForm1() {
    // The controls are destroyed after this body, moving the focus as they go.
    disconnect(focusConnection_);
}

QScrollArea* TForm1::ClientArea() const {
    return scrollArea_;
}

void TForm1::createMenu() {
    AdvMainMenu1 = new widgets::TAdvMainMenu(this);
    AdvMainMenu1->SetFonts(widgets::makeDesignFont(kFormFont), widgets::makeFont(kFormFont));
    components_.Add(QStringLiteral("AdvMainMenu1"), QStringLiteral("TAdvMainMenu"), AdvMainMenu1);
    for (const auto& row : kMenu) {
        QAction* item =
            AdvMainMenu1->AddItem(QString::fromLatin1(row.name), widgets::fromAnsi(row.caption));
        this->*row.member = item;
        components_.Add(QString::fromLatin1(row.name), QStringLiteral("TMenuItem"), item);
        const auto click = row.click;
        connect(item, &QAction::triggered, this,
                [this, click] { widgets::guarded([this, click] { (this->*click)(); }); });
    }
    setMenuBar(AdvMainMenu1);
}

const widgets::ComponentEntry* TForm1::FindComponent(const QString& name) const {
    return components_.FindComponent(name);
}

QLineEdit* TForm1::FindField(const QString& name) const {
    const auto* entry = components_.FindComponent(name);
    return entry ? qobject_cast<QLineEdit*>(entry->object) : nullptr;
}

void TForm1::onFocusChanged(QWidget* old, QWidget* now) {
    // An enter event fires when the focus comes into a section from outside it.
    if (isInside(Panel2, now) && !isInside(Panel2, old))
        Panel2Enter();
    else if (isInside(Panel3, now) && !isInside(Panel3, old))
        Panel3Enter();
}

void TForm1::highlightSection(widgets::TLMDFill* entered, widgets::TLMDFill* other) {
    setHeader(entered, kHighlightStart, kHighlightEnd, 0);
    setHeader(other, kDimmed, kDimmed, kDimmedCaption);
}

void TForm1::Panel2Enter() {
    highlightSection(LMDFill1, LMDFill2);
}

void TForm1::Panel3Enter() {
    highlightSection(LMDFill2, LMDFill1);
}

void TForm1::FormMouseWheelDown() {
    scrollArea_->ScrollBy(kWheelStep);
}

void TForm1::FormMouseWheelUp() {
    scrollArea_->ScrollBy(-kWheelStep);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (fitted_)
        return;
    fitToWorkArea();
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
}

// A window manager reports the frame only once it has framed the window: the
// fit is made again with the real frame, so that the caption bar and borders
// lie on the work area too. A manager that keeps the window where it asked
// to be sends no move; the first exposure of the framed window tells then.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && fitted_ &&
        frameMargins() != fittedFrame_)
        fitToWorkArea();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (fitted_ && frameMargins() != fittedFrame_)
        fitToWorkArea();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (fitted_ && frameMargins() != fittedFrame_)
        fitToWorkArea();
}

QMargins TForm1::frameMargins() const {
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void TForm1::fitToWorkArea() {
    // The whole window, frame included, is stretched over the desktop's work
    // area.
    fitted_ = true;
    const QScreen* where = screen();
    if (!where)
        return;
    fittedFrame_ = frameMargins();
    setGeometry(where->availableGeometry().marginsRemoved(fittedFrame_));
}

} // namespace rq::app
