// Settings of the dialog unit: global, set at program start and read each
// time a dialog is built.
#pragma once

#include <string>

namespace rq::dialogs {

// The unit's own font: the message text of the message box is drawn in it.
struct UnitFont {
    std::string face; // face name as the form asks for it (Windows-1250)
    int pointSize;
    bool bold;
};

struct DialogSettings {
    int language = 0;             // row of the language table used for captions
    bool dialogBorder = true;     // on: fixed dialog frame with close box; off: no border
    bool gradientButtons = false; // on: gradient-drawn buttons (not built: standard buttons)
    bool gradientPanel = false;   // on: a client-filling panel "ThePanel" carries the controls
    bool ownFont = false;         // on: the dialog form takes the unit font
    bool roundedWindow = false;   // on (only without the panel): borderless, rounded corners
    UnitFont font{"Verdana", 10, true};
};

// The unit's settings; the save and load commands set the language to
// Hungarian before each prompt.
DialogSettings& dialogSettings();

} // namespace rq::dialogs
