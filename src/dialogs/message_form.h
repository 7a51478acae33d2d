// TMessageForm: the bare dialog form that the input dialog and the message
// box are built on at run time. It applies the unit settings that concern the
// window itself (border, panel, rounded corners) and the Esc and close-box
// behaviour of both dialogs.
#pragma once

#include <QDialog>

class QAbstractButton;

namespace rq::dialogs {

// Modal results, as the buttons close the dialogs with them.
enum ModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

class TMessageForm : public QDialog {
    Q_OBJECT
public:
    // Creates the form with the dialog font and the unit settings' border.
    explicit TMessageForm(const QFont& font);

    // Where controls go: the form, or the panel "ThePanel" when the settings
    // ask for one.
    QWidget* controlParent() const { return controls_; }

    // Fixes the client size, places the form at the screen centre and, for a
    // rounded window, clips it.
    void setClientSize(QSize size);

    // The button that Esc presses; without one Esc does nothing.
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }

    // Makes a button close the form with the given result (mrNone: the button
    // does not close the form).
    void closeWith(QAbstractButton* button, int result);

    // The close box closes with mrCancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* controls_;
    QAbstractButton* cancelButton_ = nullptr;
};

} // namespace rq::dialogs
