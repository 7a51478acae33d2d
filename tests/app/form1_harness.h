// The real main window, created and shown on the offscreen platform with
// Hungarian regional settings, for the application tests.
#pragma once

#include "app/application.h"
#include "base/format_settings.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace rq::app::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TForm1& form() const { return forms_->Form1(); }
    // Sends one key to the focused control.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    QString focusedName() const;

    std::optional<base::FormatSettingsScope> settings_;
    std::unique_ptr<Forms> forms_;
};

} // namespace rq::app::testing
