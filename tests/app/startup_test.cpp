// Start-up pieces: Qt's translations and the top-level failure box.
#include "app/application.h"
#include "app/qt_translations.h"
#include "base/exceptions.h"
#include "widgets/window_system.h"

#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>

#include <memory>

#include <gtest/gtest.h>

namespace rq::app {
namespace {

// Qt's own texts (here the edit menu's) follow the user's language.
TEST(QtTranslations, HungarianCatalogueTranslatesQtsTexts) {
    std::unique_ptr<QTranslator> hungarian(
        installQtTranslations(QLocale(QLocale::Hungarian, QLocale::Hungary)));
    ASSERT_NE(hungarian, nullptr)
        << "Qt's translations are missing (scripts/install-deps.sh installs them)";
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"),
              QString::fromUtf8("&Beilleszt\xC3\xA9s"));
    QCoreApplication::removeTranslator(hungarian.get());
    EXPECT_EQ(installQtTranslations(QLocale(QLocale::Zulu)), nullptr);
}

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type buttons = 0;
};

// Shows the real box for a failure and reads it while it is open.
ShownBox showAndRead(const std::exception& failure) {
    ShownBox shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = {box->windowTitle(), box->text(), box->icon(), box->buttons().size()};
        box->accept();
    });
    widgets::showUnhandledError(failure);
    return shown;
}

TEST(TopLevelHandler, ShowsTheMessageWithApplicationTitleErrorIconAndOk) {
    setUpApplication();
    const auto shown = showAndRead(base::EConvertError("'x' is not a valid integer value"));
    EXPECT_EQ(shown.title, QStringLiteral("RQ0612"));
    EXPECT_EQ(shown.text, QStringLiteral("'x' is not a valid integer value."));
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
    EXPECT_EQ(shown.buttons, 1);
}

TEST(TopLevelHandler, AddsAStopOnlyAboveTheFullStop) {
    struct Case {
        const char* message;
        const char* shown;
    };
    const Case cases[] = {{"Cannot open file \"a\". Missing", "Cannot open file \"a\". Missing."},
                          {"Done.", "Done."},
                          {"Hib\xE1s jelsz\xF3!           .", "Hib\xE1s jelsz\xF3!           ."},
                          {"Why?", "Why?."},
                          {"Value -", "Value -"}};
    std::string recorded;
    widgets::setUnhandledErrorHandler([&](const std::string& m) { recorded = m; });
    for (const auto& c : cases) {
        widgets::guarded([&] { throw base::Exception(c.message); });
        EXPECT_EQ(recorded, c.shown) << c.message;
    }
    widgets::setUnhandledErrorHandler({});
}

} // namespace
} // namespace rq::app
