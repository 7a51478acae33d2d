// What the main window's save and load commands reach besides the window:
// the buffer window, the person answering the prompts and the files. The
// start-up code sets the buffer window; tests and the command-line tool
// replace the user, the files and the directory.
#pragma once

#include <string>

namespace rq::certificate {
class SavedFormUser;
class FileSystem;
} // namespace rq::certificate

namespace rq::app {

class TForm3;

struct SavedFormLink {
    TForm3* buffers = nullptr;                  // the buffer window with RichEdit3 and RichEdit4
    certificate::SavedFormUser* user = nullptr; // nullptr: the pass-phrase prompt and message box
    certificate::FileSystem* files = nullptr;   // nullptr: the operating system's files
    std::string directory; // with trailing separator; empty: the program's directory
};

} // namespace rq::app
