// TForm3: the hidden buffer window. It holds the two plain-text buffers the
// save and load commands work through: RichEdit3 gathers the field lines,
// RichEdit4 holds the file's lines.
#pragma once

#include "certificate/line_buffer.h"

#include <QWidget>

namespace rq::app {

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    certificate::LineBuffer RichEdit3; // gather buffer; starts with the line "RichEdit3"
    certificate::LineBuffer RichEdit4; // file buffer; starts with the line "RichEdit4"
};

} // namespace rq::app
