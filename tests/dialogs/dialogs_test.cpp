// The dialogs as built widgets and as modal dialogs driven by key presses,
// with the message font fixed to DejaVu Sans 11 px (dialog units 6 x 13).
#include "../support/modal_dialog.h"
#include "base/text1250.h"
#include "dialogs/dialog_settings.h"
#include "dialogs/dialog_units.h"
#include "dialogs/input_prompt.h"
#include "dialogs/message_dialog.h"

#include <QApplication>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rq::dialogs {
namespace {

using rq::base::utf8ToCp1250;

const std::string kNoSave = utf8ToCp1250("Nincs mentés!           .");

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = dialogSettings();
        savedFont_ = QApplication::font("QMessageBox");
        QFont fixed(QStringLiteral("DejaVu Sans"));
        fixed.setPixelSize(11);
        QApplication::setFont(fixed, "QMessageBox");
        dialogSettings().language = static_cast<int>(Language::Hungarian);
    }
    void TearDown() override {
        dialogSettings() = saved_;
        QApplication::setFont(savedFont_, "QMessageBox");
    }

    static void onModal(std::function<void(QWidget*)> action) {
        rq::testing::onModal(std::move(action));
    }

    static QPoint screenCentre() {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        return {screen.width() / 2, screen.height() / 2};
    }

private:
    DialogSettings saved_;
    QFont savedFont_;
};

TEST_F(Dialogs, FixedFontGivesSixByThirteenDialogUnits) {
    const DialogUnits units = dialogUnitsOf(messageFont());
    EXPECT_EQ(units.x, 6);
    EXPECT_EQ(units.y, 13);
}

TEST_F(Dialogs, InformationBoxGeometryAndCaptions) {
    auto form =
        createMessageDialog(kNoSave, MsgDlgType::mtInformation, msgDlgButtons({MsgDlgBtn::mbOK}));
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Információ"));
    // the text measures 121 x 13 px in the dialog font, trailing blanks and
    // full stop included
    EXPECT_EQ(form->size(), QSize(192, 97));
    const QPoint centre = screenCentre();
    EXPECT_EQ(form->pos(), QPoint(centre.x() - 96, centre.y() - 48));

    auto* image = form->findChild<QLabel*>(QStringLiteral("Image"));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(12, 13, 32, 32));
    EXPECT_FALSE(image->pixmap().isNull());

    auto* message = form->findChild<QLabel*>(QStringLiteral("Message"));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), QString::fromUtf8("Nincs mentés!           ."));
    EXPECT_EQ(message->geometry(), QRect(59, 13, 121, 26));
    EXPECT_TRUE(message->wordWrap());
    EXPECT_TRUE(message->font().bold());
    EXPECT_EQ(QFontInfo(message->font()).family(), QStringLiteral("DejaVu Sans"));

    const auto buttons = form->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->objectName(), QStringLiteral("OK"));
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
    EXPECT_EQ(buttons[0]->geometry(), QRect(58, 61, 75, 23));
    EXPECT_TRUE(buttons[0]->isDefault());
}

TEST_F(Dialogs, MessageButtonsFollowTheFixedOrderWithLanguageCaptions) {
    auto form = createMessageDialog(
        "?", MsgDlgType::mtConfirmation,
        msgDlgButtons({MsgDlgBtn::mbCancel, MsgDlgBtn::mbYes, MsgDlgBtn::mbNo, MsgDlgBtn::mbHelp}));
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Megerősítés"));
    const char* const names[] = {"Yes", "No", "Cancel", "Help"};
    const char* const captions[] = {"Igen", "Nem", "Mégsem", "Súgó"};
    const int group = 4 * 75 + 3 * 6;
    int x = (form->width() - group) / 2;
    for (int i = 0; i < 4; ++i) {
        auto* button = form->findChild<QPushButton*>(QString::fromLatin1(names[i]));
        ASSERT_NE(button, nullptr) << names[i];
        EXPECT_EQ(button->text(), QString::fromUtf8(captions[i]));
        EXPECT_EQ(button->x(), x) << names[i];
        EXPECT_EQ(button->isDefault(), i == 0) << names[i];
        x += 81;
    }
}

TEST_F(Dialogs, CustomKindUsesTheApplicationTitleAndNoIcon) {
    QGuiApplication::setApplicationDisplayName(QStringLiteral("RQ0612 test"));
    auto form = createMessageDialog("x", MsgDlgType::mtCustom, msgDlgButtons({MsgDlgBtn::mbOK}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("RQ0612 test"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Image")), nullptr);
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Message"))->x(), 12);
}

struct CloseCase {
    const char* name;
    std::vector<MsgDlgBtn> buttons;
    int key; // Qt key pressed in the box; 0: the close box
    int result;
};

class MessageClose : public Dialogs, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(MessageClose, KeysPressTheDefaultAndCancelButtons) {
    const auto& c = GetParam();
    MsgDlgButtons set;
    for (MsgDlgBtn button : c.buttons)
        set.set(static_cast<std::size_t>(button));
    const int key = c.key;
    onModal([key](QWidget* modal) {
        if (key == 0)
            modal->close();
        else
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal,
                            static_cast<Qt::Key>(key));
    });
    EXPECT_EQ(MessageDlg("text", MsgDlgType::mtWarning, set), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, MessageClose,
    ::testing::Values(
        CloseCase{"OkEnter", {MsgDlgBtn::mbOK}, Qt::Key_Return, mrOk},
        CloseCase{"OkEscape", {MsgDlgBtn::mbOK}, Qt::Key_Escape, mrOk},
        CloseCase{"OkCloseBox", {MsgDlgBtn::mbOK}, 0, mrCancel},
        CloseCase{"YesNoEscape", {MsgDlgBtn::mbYes, MsgDlgBtn::mbNo}, Qt::Key_Escape, mrNo},
        CloseCase{"YesNoEnter", {MsgDlgBtn::mbYes, MsgDlgBtn::mbNo}, Qt::Key_Return, mrYes},
        CloseCase{
            "RetryCancelEnter", {MsgDlgBtn::mbRetry, MsgDlgBtn::mbCancel}, Qt::Key_Return, mrRetry},
        CloseCase{"RetryCancelEscape",
                  {MsgDlgBtn::mbRetry, MsgDlgBtn::mbCancel},
                  Qt::Key_Escape,
                  mrCancel}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dialogs, InputDialogGeometryAndCaptions) {
    auto form =
        createInputForm(utf8ToCp1250("Kérek egy jelszót!"),
                        utf8ToCp1250("A jelszó a későbbi visszatöltésnél kell majd:"), "abc");
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Kérek egy jelszót!"));
    EXPECT_EQ(form->size(), QSize(270, 102));
    const QPoint centre = screenCentre();
    EXPECT_EQ(form->pos(), QPoint(centre.x() - 135, centre.y() - 51));

    auto* prompt = form->findChild<QLabel*>(QStringLiteral("Prompt"));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->pos(), QPoint(12, 13));
    EXPECT_EQ(prompt->text(), QString::fromUtf8("A jelszó a későbbi visszatöltésnél kell majd:"));

    auto* edit = form->findChild<QLineEdit*>(QStringLiteral("Edit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->pos(), QPoint(12, 31));
    EXPECT_EQ(edit->width(), 246);
    EXPECT_EQ(edit->maxLength(), 255);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("abc"));

    auto* ok = form->findChild<QPushButton*>(QStringLiteral("OK"));
    auto* cancel = form->findChild<QPushButton*>(QStringLiteral("Cancel"));
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->geometry(), QRect(57, 67, 75, 23));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(cancel->geometry(), QRect(138, 67, 75, 23));
    EXPECT_EQ(cancel->text(), QString::fromUtf8("Mégsem"));
}

TEST_F(Dialogs, TypedPassPhraseIsReturnedOnEnter) {
    onModal([](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("Edit"));
        QTest::keyClicks(edit, QStringLiteral("titok_"));
        // QTest types Latin-1 only; the last letter arrives as a key event
        // carrying its text, as an input method delivers it
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUtf8("ő"),
                            Qt::NoModifier);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    std::string value = "stale";
    EXPECT_TRUE(InputPrompt("c", "p", "", value));
    EXPECT_EQ(value, utf8ToCp1250("titok_ő"));
}

TEST_F(Dialogs, InputStopsAt255Characters) {
    onModal([](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("Edit"));
        QTest::keyClicks(edit, QString(300, QLatin1Char('x')));
        modal->findChild<QPushButton*>(QStringLiteral("OK"))->click();
    });
    std::string value;
    EXPECT_TRUE(InputPrompt("c", "p", "", value));
    EXPECT_EQ(value, std::string(255, 'x'));
}

struct CancelCase {
    const char* name;
    bool closeBox; // else Esc
};

class InputCancel : public Dialogs, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(InputCancel, KeepsTheDefault) {
    const bool closeBox = GetParam().closeBox;
    onModal([closeBox](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("Edit"));
        QTest::keyClicks(edit, QStringLiteral("typed"));
        if (closeBox)
            modal->close();
        else
            QTest::keyClick(edit, Qt::Key_Escape);
    });
    std::string value = "stale";
    EXPECT_FALSE(InputPrompt("c", "p", "", value));
    EXPECT_EQ(value, "");
}

INSTANTIATE_TEST_SUITE_P(Ways, InputCancel,
                         ::testing::Values(CancelCase{"Escape", false},
                                           CancelCase{"CloseBox", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dialogs, SettingsShapeTheForm) {
    dialogSettings().gradientPanel = true;
    auto form = createInputForm("c", "p", "");
    auto* panel = form->findChild<QWidget*>(QStringLiteral("ThePanel"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 270, 102));
    EXPECT_EQ(form->findChild<QLineEdit*>()->parentWidget(), panel);
    EXPECT_TRUE(form->mask().isEmpty()); // a panel excludes the rounded window

    dialogSettings().gradientPanel = false;
    dialogSettings().roundedWindow = true;
    auto rounded = createInputForm("c", "p", "");
    EXPECT_TRUE(rounded->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(rounded->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(rounded->mask().contains(QPoint(135, 51)));

    dialogSettings().roundedWindow = false;
    dialogSettings().dialogBorder = false;
    EXPECT_TRUE(createInputForm("c", "p", "")->windowFlags().testFlag(Qt::FramelessWindowHint));
    dialogSettings().dialogBorder = true;
    EXPECT_FALSE(createInputForm("c", "p", "")->windowFlags().testFlag(Qt::FramelessWindowHint));
}

} // namespace
} // namespace rq::dialogs
