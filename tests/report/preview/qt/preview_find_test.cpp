// Finding text across pages: the "Find Text" dialog, F3 continuing from the
// last match, case sensitivity, the view scrolled to the match and nothing
// changed when nothing is found.
#include "preview_fixture.h"

#include "../../../support/modal_dialog.h"
#include "report/preview/qt/search_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace rq::report::preview::qt::test {
namespace {

class PreviewFind : public PreviewWindowTest {
protected:
    // Ctrl+F with the dialog answered.
    void find(const char* text, bool fromBegin, bool caseSensitive) {
        rq::testing::onModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<TfrxSearchDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Find Text"));
            dialog->TextE->setText(QString::fromLatin1(text));
            dialog->TopCB->setChecked(fromBegin);
            dialog->CaseCB->setChecked(caseSensitive);
            dialog->findChild<QPushButton*>(QStringLiteral("OkB"))->click();
        });
        key(Qt::Key_F, Qt::ControlModifier);
    }
    int foundPage() const {
        const TfrxFindState& state = preview().FindState();
        return state.Found ? state.FoundPage + 1 : 0;
    }
};

TEST_F(PreviewFind, F3ContinuesOnTheFollowingPages) {
    find("beta", true, false);
    EXPECT_EQ(foundPage(), 1);
    key(Qt::Key_F3);
    EXPECT_EQ(foundPage(), 2);
    key(Qt::Key_F3);
    EXPECT_EQ(foundPage(), 3);
}

TEST_F(PreviewFind, NextMatchOnTheSamePageComesFirst) {
    find("a", true, false);
    // "Page 1" and then "alpha beta 1" on the first page.
    EXPECT_EQ(foundPage(), 1);
    const TfrxPageRect first = preview().FindState().FoundRect;
    key(Qt::Key_F3);
    EXPECT_EQ(foundPage(), 1);
    EXPECT_GT(preview().FindState().FoundRect.Top, first.Top);
    key(Qt::Key_F3);
    EXPECT_EQ(foundPage(), 2);
}

TEST_F(PreviewFind, CaseSensitiveSearchSkipsOtherCase) {
    find("BETA 7", true, true);
    EXPECT_EQ(foundPage(), 0);
    find("BETA 7", true, false);
    EXPECT_EQ(foundPage(), 7);
}

TEST_F(PreviewFind, MatchIsScrolledIntoViewAndHighlighted) {
    find("beta 9", true, false);
    ASSERT_EQ(foundPage(), 9);
    const TfrxPageRect page = preview().PageList().GetPageRect(8, 1000, 1.0);
    const TfrxPageRect& f = preview().FindState().FoundRect;
    EXPECT_EQ(workspace().VertPosition(), page.Top + f.Bottom - 800 + 20);
    // The found box is inverted: white paper turns black inside it.
    const QImage picture = workspace().viewport()->grab().toImage();
    const int y = page.Top + f.Top + 1 - workspace().VertPosition();
    const int x = page.Left + f.Right - 1;
    EXPECT_NE(picture.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(PreviewFind, NothingFoundLeavesTheView) {
    workspace().SetVertPosition(2000);
    find("gamma", true, false);
    EXPECT_EQ(foundPage(), 0);
    EXPECT_EQ(workspace().VertPosition(), 2000);
}

TEST_F(PreviewFind, F3AfterTheLastMatchFindsNothingMore) {
    find("beta 10", true, false);
    EXPECT_EQ(foundPage(), 10);
    key(Qt::Key_F3);
    EXPECT_EQ(foundPage(), 0);
    key(Qt::Key_F3);
    EXPECT_EQ(foundPage(), 0);
}

TEST_F(PreviewFind, SearchStartsOnTheCurrentPageUnlessFromBegin) {
    preview().SetPageNo(5);
    find("beta", false, false);
    EXPECT_EQ(foundPage(), 5);
    find("beta", true, false);
    EXPECT_EQ(foundPage(), 1);
}

TEST_F(PreviewFind, DialogOffersTheLastTextSelected) {
    find("alpha", true, false);
    QString offered;
    bool selected = false;
    rq::testing::onModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfrxSearchDialog*>(modal);
        offered = dialog->TextE->text();
        selected = dialog->TextE->selectedText() == offered;
        dialog->reject();
    });
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(offered, QStringLiteral("alpha"));
    EXPECT_TRUE(selected);
    EXPECT_TRUE(preview().FindNextAllowed());
}

// The options group holds its title and, below it, both check boxes whole;
// the buttons follow below the group, inside the dialog.
TEST(SearchDialog, OptionsGroupHoldsItsTitleAboveItsCheckBoxes) {
    TfrxSearchDialog dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto* group = dialog.findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    const QRect frame = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxFrame, group);
    for (const QCheckBox* box : {dialog.TopCB, dialog.CaseCB}) {
        SCOPED_TRACE(box->text().toStdString());
        EXPECT_TRUE(group->contentsRect().contains(box->geometry()));
        EXPECT_TRUE(frame.contains(box->geometry()));
        EXPECT_GE(box->geometry().top(), title.bottom()) << "the title runs through the box";
        EXPECT_GE(box->width(), box->sizeHint().width()) << "the caption is cut";
    }
    EXPECT_FALSE(dialog.TopCB->geometry().intersects(dialog.CaseCB->geometry()));
    for (const auto* button : dialog.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_GT(button->y(), group->geometry().bottom());
        EXPECT_TRUE(dialog.rect().contains(button->geometry()));
    }
    EXPECT_EQ(dialog.width(), 252);
    EXPECT_TRUE(dialog.rect().contains(group->geometry()));
}

TEST_F(PreviewFind, F3BeforeAnySearchDoesNothing) {
    EXPECT_FALSE(preview().FindNextAllowed());
    key(Qt::Key_F3);
    EXPECT_EQ(foundPage(), 0);
}

} // namespace
} // namespace rq::report::preview::qt::test
