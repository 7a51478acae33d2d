// TForm2: the filling guide. No command opens it; it is created hidden at
// start-up with its panel and a read-only guide text.
#pragma once

#include <QWidget>

class QTextEdit;

namespace rq::app {

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QTextEdit* LMDRichScrollBox1 = nullptr;
};

} // namespace rq::app
