// Message-box construction: measure the text in the dialog font, lay out icon,
// text and buttons in dialog units, take captions from the current language.
#include "dialogs/message_dialog.h"

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_settings.h"
#include "widgets/window_system.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <array>
#include <climits>

namespace rq::dialogs {
namespace {

struct ButtonSpec {
    const char* name; // control name
    int result;       // modal result; mrNone: the button does not close the box
};

// Indexed by MsgDlgBtn. Help shows the box's help topic instead of closing;
// this program has no help file, so it leaves the box open.
constexpr std::array<ButtonSpec, kMsgDlgBtnCount> kButtons = {{
    {"Yes", mrYes},
    {"No", mrNo},
    {"OK", mrOk},
    {"Cancel", mrCancel},
    {"Abort", mrAbort},
    {"Retry", mrRetry},
    {"Ignore", mrIgnore},
    {"All", mrAll},
    {"NoToAll", mrNoToAll},
    {"YesToAll", mrYesToAll},
    {"Help", mrNone},
}};

// System icon of each kind, indexed by MsgDlgType; the custom kind has none.
struct KindIcon {
    bool present;
    QStyle::StandardPixmap pixmap;
};
constexpr std::array<KindIcon, kMsgDlgTypeCount> kIcons = {{
    {true, QStyle::SP_MessageBoxWarning},
    {true, QStyle::SP_MessageBoxCritical},
    {true, QStyle::SP_MessageBoxInformation},
    {true, QStyle::SP_MessageBoxQuestion},
    {false, QStyle::SP_MessageBoxInformation},
}};

// Preference orders for the button that Enter and Esc press.
constexpr std::array kDefaultOrder = {MsgDlgBtn::mbOK, MsgDlgBtn::mbYes, MsgDlgBtn::mbRetry};
constexpr std::array kCancelOrder = {MsgDlgBtn::mbCancel, MsgDlgBtn::mbNo, MsgDlgBtn::mbOK};

template <std::size_t N>
int firstPresent(const std::array<MsgDlgBtn, N>& order, const MsgDlgButtons& buttons) {
    for (MsgDlgBtn button : order)
        if (buttons.test(static_cast<std::size_t>(button)))
            return static_cast<int>(button);
    return -1;
}

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}

// Word-wrapped extent of the text within half the screen width.
QSize measureText(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    const QRect bounds(0, 0, screenSize().width() / 2, INT_MAX / 2);
    return metrics.boundingRect(bounds, Qt::TextWordWrap | Qt::AlignLeft, text).size();
}

QString kindTitle(MsgDlgType kind) {
    if (kind == MsgDlgType::mtCustom)
        return QGuiApplication::applicationDisplayName();
    return widgets::fromAnsi(kindCaption(dialogSettings().language, kind));
}

void addIcon(TMessageForm& form, MsgDlgType kind, const QRect& bounds) {
    auto* image = new QLabel(form.controlParent());
    image->setObjectName(QStringLiteral("Image"));
    image->setGeometry(bounds);
    const auto& icon = kIcons[static_cast<std::size_t>(kind)];
    image->setPixmap(form.style()->standardIcon(icon.pixmap).pixmap(bounds.size()));
}

void addText(TMessageForm& form, const QString& text, const QRect& bounds) {
    auto* message = new QLabel(text, form.controlParent());
    message->setObjectName(QStringLiteral("Message"));
    message->setWordWrap(true);
    message->setTextFormat(Qt::PlainText);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message->setFont(unitFont());
    message->setGeometry(bounds);
    message->raise();
}

void addButtons(TMessageForm& form, MsgDlgButtons buttons, const std::vector<QRect>& bounds) {
    const int defaultButton = firstPresent(kDefaultOrder, buttons);
    const int cancelButton = firstPresent(kCancelOrder, buttons);
    std::size_t slot = 0;
    for (std::size_t i = 0; i < kMsgDlgBtnCount; ++i) {
        if (!buttons.test(i))
            continue;
        const auto which = static_cast<MsgDlgBtn>(i);
        auto* button =
            new QPushButton(widgets::fromAnsi(buttonCaption(dialogSettings().language, which)),
                            form.controlParent());
        button->setObjectName(QString::fromLatin1(kButtons[i].name));
        button->setGeometry(bounds[slot++]);
        form.closeWith(button, kButtons[i].result);
        if (static_cast<int>(i) == defaultButton) {
            button->setDefault(true);
            button->setFocus();
        }
        if (static_cast<int>(i) == cancelButton)
            form.setCancelButton(button);
    }
}

} // namespace

MsgDlgButtons msgDlgButtons(std::initializer_list<MsgDlgBtn> buttons) {
    MsgDlgButtons set;
    for (MsgDlgBtn button : buttons)
        set.set(static_cast<std::size_t>(button));
    return set;
}

std::unique_ptr<TMessageForm> createMessageDialog(const rq::base::AnsiString& text, MsgDlgType kind,
                                                  MsgDlgButtons buttons) {
    const QFont font = dialogSettings().ownFont ? unitFont() : messageFont();
    auto form = std::make_unique<TMessageForm>(font);
    const QString message = widgets::fromAnsi(text);
    const bool withIcon = kIcons[static_cast<std::size_t>(kind)].present;
    const auto layout = layoutMessageDialog(dialogUnitsOf(font), measureText(font, message),
                                            withIcon, static_cast<int>(buttons.count()));
    form->setWindowTitle(kindTitle(kind));
    if (withIcon)
        addIcon(*form, kind, layout.icon);
    addText(*form, message, layout.text);
    addButtons(*form, buttons, layout.buttons);
    form->setClientSize(layout.client);
    return form;
}

int MessageDlg(const rq::base::AnsiString& text, MsgDlgType kind, MsgDlgButtons buttons) {
    auto form = createMessageDialog(text, kind, buttons);
    return form->exec();
}

void InfoMessage(const rq::base::AnsiString& text) {
    MessageDlg(text, MsgDlgType::mtInformation, msgDlgButtons({MsgDlgBtn::mbOK}));
}

} // namespace rq::dialogs
