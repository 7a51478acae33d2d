// The program's icon: the picture the desktop entry names (installed under
// share/icons/hicolor), built into the program for its windows.
#pragma once

#include <QIcon>

#include <string_view>

namespace rq::app {

// The bytes of src/app/resources/rq0612.png, embedded at build time.
std::string_view programIconPng();
QIcon programIcon();

} // namespace rq::app
