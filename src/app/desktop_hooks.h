// The boxes that the lower layers show through hooks in the desktop program:
// the report's error box at the end of a failed run and the script library's
// ShowMessage. The command-line tool leaves them out (the report stays
// silent, ShowMessage prints).
#pragma once

#include <QMessageBox>

#include <memory>
#include <string>

namespace rq::app {

class TForm1;

// The report's error box (caption "Error", error icon, one OK button);
// text is Windows-1250. Built without being shown.
std::unique_ptr<QMessageBox> createReportErrorBox(const std::string& text);

// Shows the report's error box modally.
void showReportErrors(const std::string& text);

// ShowMessage of the report's scripts: the program's message box of the
// custom kind, captioned with the application title, with one OK button.
void showScriptMessage(const std::string& text);

// Installs both on the main window's report and its engine's script runtime.
void installDesktopHooks(TForm1& form);

} // namespace rq::app
