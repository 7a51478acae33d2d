// The application object and the program's three windows without a display
// (or on the environment's display when asked), for the subcommands that
// drive the real main window.
#pragma once

#include "app/application.h"

#include <QApplication>

#include <memory>

namespace rq::tool {

class OffscreenProgram {
public:
    // Where the windows appear: always offscreen, or on the display the
    // environment names (offscreen when it names none).
    enum class Display { offscreen, environment };

    explicit OffscreenProgram(Display display = Display::offscreen);
    OffscreenProgram(const OffscreenProgram&) = delete;
    OffscreenProgram& operator=(const OffscreenProgram&) = delete;

    app::TForm1& Form1() { return forms_->Form1(); }

private:
    int argc_ = 1;
    char name_[12] = "rq0612-tool";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<app::Forms> forms_;
};

} // namespace rq::tool
