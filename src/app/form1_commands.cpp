// The exit command of the main window. Printing lives in form1_print.cpp,
// saving and loading in form1_saved_form.cpp.
#include "app/form1.h"

#include <cstdlib>

namespace rq::app {

void TForm1::Kilps1Click() {
    // Ends the process at once: no confirmation and no close events; static
    // destructors and exit handlers run as at any normal termination.
    std::exit(0);
}

} // namespace rq::app
