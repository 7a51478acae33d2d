// The numeric field's test window and key scripts.
#include "num_edit_harness.h"

#include "widgets/window_system.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <map>

namespace rq::widgets::testing {
namespace {

struct KeyToken {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const std::map<std::string_view, KeyToken> kKeys = {
    {"BS", {Qt::Key_Backspace, Qt::NoModifier}}, {"DEL", {Qt::Key_Delete, Qt::NoModifier}},
    {"ENTER", {Qt::Key_Return, Qt::NoModifier}}, {"HOME", {Qt::Key_Home, Qt::NoModifier}},
    {"END", {Qt::Key_End, Qt::NoModifier}},      {"LEFT", {Qt::Key_Left, Qt::NoModifier}},
    {"RIGHT", {Qt::Key_Right, Qt::NoModifier}},  {"SELALL", {Qt::Key_A, Qt::ControlModifier}},
    {"COPY", {Qt::Key_C, Qt::ControlModifier}},  {"CUT", {Qt::Key_X, Qt::ControlModifier}},
    {"PASTE", {Qt::Key_V, Qt::ControlModifier}}, {"LEAVE", {Qt::Key_Tab, Qt::NoModifier}},
};

} // namespace

NumEditHarness::NumEditHarness(const LocaleCase& locale) : locale_(locale) {
    base::FormatSettings settings = base::defaultFormatSettings();
    settings.DecimalSeparator = locale.decimalSeparator;
    settings.ThousandSeparator = locale.thousandSeparator;
    settings_.emplace(settings);
    setBeepHandler([this] { ++beeps_; });
    setUnhandledErrorHandler([this](const std::string& message) { errors_.push_back(message); });
    window_ = std::make_unique<QWidget>();
    edit_ = new TPBNumEdit(window_.get());
    other_ = new QLineEdit(window_.get());
    auto* layout = new QVBoxLayout(window_.get());
    layout->addWidget(edit_);
    layout->addWidget(other_);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    edit_->setFocus(Qt::TabFocusReason);
}

NumEditHarness::~NumEditHarness() {
    setBeepHandler({});
    setUnhandledErrorHandler({});
}

QString NumEditHarness::local(std::string_view canonical) const {
    std::string text(canonical);
    for (char& c : text)
        c = c == ' ' ? locale_.thousandSeparator : c == ',' ? locale_.decimalSeparator : c;
    return fromAnsi(text);
}

void NumEditHarness::playToken(std::string_view token) {
    if (token.starts_with("SET:")) {
        edit_->setText(local(token.substr(4)));
        return;
    }
    if (token == "SPACE") {
        QTest::keyClick(edit_, ' ');
        return;
    }
    const auto found = kKeys.find(token);
    ASSERT_NE(found, kKeys.end()) << token;
    QTest::keyClick(QApplication::focusWidget(), found->second.key, found->second.modifiers);
}

void NumEditHarness::play(std::string_view script) {
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] == '{') {
            const auto end = script.find('}', i);
            playToken(script.substr(i + 1, end - i - 1));
            i = end;
        } else {
            const char c = script[i] == ',' ? locale_.decimalSeparator : script[i];
            QTest::keyClick(edit_, c);
        }
    }
}

} // namespace rq::widgets::testing
