// The text fields' guard: typed and pasted characters without a Windows-1250
// byte, and text past the length limit, are refused with a beep instead of
// turning into "?" or being cut later; everything the code page holds passes.
#include "widgets/ansi_text_guard.h"
#include "widgets/window_system.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace rq::widgets {
namespace {

class AnsiTextGuard : public ::testing::Test {
protected:
    AnsiTextGuard() {
        guardAnsiText(edit);
        setBeepHandler([this] { ++beeps; });
        edit.show();
    }
    ~AnsiTextGuard() override { setBeepHandler(nullptr); }

    void paste(const QString& text) {
        putClipboardText(text);
        edit.paste();
    }

    QLineEdit edit;
    int beeps = 0;
};

struct TypingCase {
    const char* name;
    const char* typed; // UTF-8
    const char* shown; // UTF-8
    int beeps;
};

class AnsiTextGuardTyping : public AnsiTextGuard,
                            public ::testing::WithParamInterface<TypingCase> {};

TEST_P(AnsiTextGuardTyping, KeepsWhatTheCodePageHolds) {
    const TypingCase& c = GetParam();
    // Each character as a key event carrying its text: QTest::keyClicks maps
    // characters to keys and asserts on any beyond Latin-1.
    for (const QChar ch : QString::fromUtf8(c.typed)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&edit, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(&edit, &release);
    }
    EXPECT_EQ(edit.text().toStdString(), c.shown);
    EXPECT_EQ(beeps, c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, AnsiTextGuardTyping,
    ::testing::Values(TypingCase{"Hungarian", "\xC3\xA1rv\xC3\xADzt\xC5\xB1r\xC5\x91",
                                 "\xC3\xA1rv\xC3\xADzt\xC5\xB1r\xC5\x91", 0},
                      TypingCase{"Spanish",
                                 "Espa\xC3\xB1"
                                 "a",
                                 "Espaa", 1},
                      TypingCase{"Cyrillic", "\xD0\x96x", "x", 1},
                      TypingCase{"Chinese", "\xE5\xAF\x86\xE7\xA0\x81", "", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnsiTextGuard, APasteWithAnyForeignCharacterIsRefusedWhole) {
    paste(QString::fromUtf8("ok \xF0\x9F\x98\x80 ok"));
    EXPECT_EQ(edit.text(), "");
    EXPECT_EQ(beeps, 1);
    paste(QStringLiteral("all fine"));
    EXPECT_EQ(edit.text(), "all fine");
    EXPECT_EQ(beeps, 1);
}

TEST_F(AnsiTextGuard, TheLengthLimitIsHeardAtEntry) {
    paste(QString(kTextFieldLimit - 1, QLatin1Char('x')));
    EXPECT_EQ(beeps, 0);
    QTest::keyClicks(&edit, QStringLiteral("yz"));
    EXPECT_EQ(edit.text().size(), kTextFieldLimit);
    EXPECT_EQ(beeps, 1);
    edit.clear();
    paste(QString(kTextFieldLimit + 5, QLatin1Char('x')));
    EXPECT_EQ(beeps, 2);
}

} // namespace
} // namespace rq::widgets
