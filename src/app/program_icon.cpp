// The program's icon from the embedded PNG.
#include "app/program_icon.h"

#include <QPixmap>

namespace rq::app {

QIcon programIcon() {
    const std::string_view png = programIconPng();
    QPixmap picture;
    picture.loadFromData(reinterpret_cast<const uchar*>(png.data()), static_cast<uint>(png.size()),
                         "PNG");
    return QIcon(picture);
}

} // namespace rq::app
