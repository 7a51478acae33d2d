// TfrxSearchDialog: the preview's "Find Text" dialog: the text to find and
// two options, "Search from begin" and "Case sensitive".
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace rq::report::preview::qt {

class TfrxSearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfrxSearchDialog(QWidget* parent = nullptr);

    QLineEdit* TextE = nullptr;
    QCheckBox* TopCB = nullptr;
    QCheckBox* CaseCB = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace rq::report::preview::qt
