// Program start: checks that a display is there, sets up the application
// object (title, fonts, regional settings, top-level failure handler),
// creates the three windows and runs the event loop.
#pragma once

#include "app/form1.h"
#include "app/form2.h"
#include "app/form3.h"

#include <QApplication>

#include <memory>

namespace rq::app {

// The application title: the caption of the top-level failure box.
inline constexpr const char* kApplicationTitle = "RQ0612";

// A QApplication whose event dispatch hands every failure that escapes an
// event handler to the top-level handler; the program then goes on.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Title and fonts of the application object (registered once per process)
// and the renderer's text measurement.
void setUpApplication();

// The three windows in creation order: the main window first (shown by the
// caller), then the hidden filling guide and the hidden buffer window.
class Forms {
public:
    Forms();
    ~Forms();
    TForm1& Form1() const { return *form1_; }
    TForm2& Form2() const { return *form2_; }
    TForm3& Form3() const { return *form3_; }

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
};

// Runs the desktop program; returns the process exit code.
int runProgram(int argc, char** argv);

} // namespace rq::app
