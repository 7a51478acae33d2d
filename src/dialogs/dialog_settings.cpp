// The unit settings live for the whole run, like the unit's globals.
#include "dialogs/dialog_settings.h"

namespace rq::dialogs {

DialogSettings& dialogSettings() {
    static DialogSettings settings;
    return settings;
}

} // namespace rq::dialogs
