// The menu commands of the main window. Printing is built in its own file;
// until it is attached its item does nothing. Saving and loading live in
// form1_saved_form.cpp.
#include "app/form1.h"

#include <cstdlib>

namespace rq::app {

void TForm1::Nyomtats1Click() {}

void TForm1::Kilps1Click() {
    // Ends the process at once: no confirmation and no close events; static
    // destructors and exit handlers run as at any normal termination.
    std::exit(0);
}

} // namespace rq::app
