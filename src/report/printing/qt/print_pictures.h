// The three small pictures of the print dialog: a printer (18 x 16) for the
// printer list, and the collated (74 x 53) and uncollated (92 x 40) page
// stacks beside the copies. Drawn once in code on transparent pixmaps.
#pragma once

#include <QPixmap>

namespace rq::report::printing::qt {

QPixmap PrinterPicture();
QPixmap CollatedPicture();
QPixmap UncollatedPicture();

} // namespace rq::report::printing::qt
