// The buffer window: never shown; its buffers start with their own names.
#include "app/form3.h"

namespace rq::app {

TForm3::TForm3(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Form3"));
    RichEdit3.Add("RichEdit3");
    RichEdit4.Add("RichEdit4");
}

} // namespace rq::app
