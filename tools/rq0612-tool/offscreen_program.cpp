#ifdef RQ_TOOL_HAS_GUI
#include "offscreen_program.h"
#include "window_capture.h"

namespace rq::tool {

OffscreenProgram::OffscreenProgram(Display display) {
    if (display == Display::offscreen || !hasDisplay())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QApplication>(argc_, argv_);
    app::setUpApplication();
    forms_ = std::make_unique<app::Forms>();
}

} // namespace rq::tool

#endif // RQ_TOOL_HAS_GUI
