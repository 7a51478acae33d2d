// Every way text can enter the numeric field from outside goes through its
// character filter: paste keys, the context menu, a middle click and a drop.
#include "num_edit_harness.h"

#include "widgets/window_system.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace rq::widgets::testing {
namespace {

// Right-clicks the field and triggers the menu item whose caption starts
// with prefix once the menu is up.
void chooseFromContextMenu(TPBNumEdit& edit, const QString& prefix) {
    bool chosen = false;
    QTimer::singleShot(20, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (!chosen && action->text().startsWith(prefix)) {
                chosen = true;
                action->trigger();
            }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&edit, &event);
    EXPECT_TRUE(chosen) << prefix.toStdString();
}

void dropText(TPBNumEdit& edit, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPoint at(edit.width() - 2, edit.height() / 2);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &enter);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&edit, &drop);
}

struct PasteWay {
    const char* name;
    std::function<void(NumEditHarness&, const QString&)> paste;
};

const PasteWay kWays[] = {
    {"CtrlV",
     [](NumEditHarness& f, const QString& text) {
         putClipboardText(text);
         QTest::keyClick(&f.edit(), Qt::Key_V, Qt::ControlModifier);
     }},
    {"ShiftInsert",
     [](NumEditHarness& f, const QString& text) {
         putClipboardText(text);
         QTest::keyClick(&f.edit(), Qt::Key_Insert, Qt::ShiftModifier);
     }},
    {"ContextMenu",
     [](NumEditHarness& f, const QString& text) {
         putClipboardText(text);
         chooseFromContextMenu(f.edit(), QStringLiteral("&Paste"));
     }},
    {"Drop", [](NumEditHarness& f, const QString& text) { dropText(f.edit(), text); }},
};

TEST(NumEditPaste, EveryWayGoesThroughTheCharacterFilter) {
    for (const auto& way : kWays) {
        SCOPED_TRACE(way.name);
        NumEditHarness field(kLocales[0]);
        field.play("{SELALL}");
        way.paste(field, QStringLiteral("x1y234"));
        EXPECT_EQ(field.beeps(), 2); // "x" and "y"
        EXPECT_EQ(field.edit().Value(), 1234);
        QApplication::setActiveWindow(field.edit().window());
        field.edit().setFocus();
        field.play("{LEAVE}");
        EXPECT_EQ(field.edit().text(), field.local("1 234"));
    }
}

TEST(NumEditPaste, ContextMenuCommandsFollowTheFieldsRules) {
    NumEditHarness field(kLocales[0]);
    field.play("12500{SELALL}");
    chooseFromContextMenu(field.edit(), QStringLiteral("&Copy"));
    EXPECT_EQ(clipboardText(), QStringLiteral("12500"));
    chooseFromContextMenu(field.edit(), QStringLiteral("Delete"));
    EXPECT_EQ(field.edit().text(), QStringLiteral("0"));
}

// The primary selection exists on X11 only: CTest runs this case once more
// under Xvfb. A middle click needs no focus, so no window manager either.
TEST(NumEditPaste, MiddleClickPastesTheSelectionThroughTheFilter) {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection())
        GTEST_SKIP() << "the window system has no primary selection";
    int beeps = 0;
    setBeepHandler([&beeps] { ++beeps; });
    TPBNumEdit edit;
    edit.resize(100, 21);
    edit.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    clipboard->setText(QStringLiteral("abc12"), QClipboard::Selection);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return clipboard->text(QClipboard::Selection) == QStringLiteral("abc12"); }));
    QTest::mouseClick(&edit, Qt::MiddleButton, Qt::NoModifier, QPoint(98, 10));
    setBeepHandler({});
    EXPECT_EQ(edit.text(), QStringLiteral("12"));
    EXPECT_EQ(beeps, 3);
}

} // namespace
} // namespace rq::widgets::testing
