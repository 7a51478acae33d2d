// TPBNumEdit's event handling: keys, focus and clipboard go through the
// editing rules; failures go to the top-level handler.
#include "widgets/pb_num_edit.h"

#include "base/text1250.h"
#include "widgets/window_system.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace rq::widgets {
namespace {

bool isEnterOrSpace(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace

TPBNumEdit::TPBNumEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Text enters only as key events, so that the character filter sees it.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setText(fromAnsi(formatNumber(0, format())));
}

void TPBNumEdit::SetDecimals(int decimals) {
    decimals = std::clamp(decimals, -1, 14);
    if (maxLength() < 32767) // a maximum length is set
        decimals = std::min(decimals, maxLength() - 2);
    decimals_ = decimals;
}

long double TPBNumEdit::Value() const {
    return parseNumber(toAnsi(text()), format());
}

void TPBNumEdit::SetValue(long double value) {
    const QString formatted = fromAnsi(formatNumber(value, format()));
    if (formatted != text())
        setText(formatted);
}

NumEditFormat TPBNumEdit::format() const {
    return numEditFormat(decimals_, numberFormat_);
}

NumEditState TPBNumEdit::state() const {
    NumEditState s{toAnsi(text()), cursorPosition(), 0};
    if (hasSelectedText()) {
        s.selStart = selectionStart();
        s.selLength = static_cast<int>(selectedText().size());
    }
    return s;
}

void TPBNumEdit::apply(const NumEditState& s) {
    const QString updated = fromAnsi(s.text);
    if (updated != text())
        setText(updated);
    if (s.selLength > 0)
        setSelection(s.selStart, s.selLength);
    else
        setCursorPosition(s.selStart);
}

void TPBNumEdit::typeCharacter(QChar c) {
    if (isReadOnly())
        return;
    NumEditState s = state();
    const char ansi = static_cast<char>(base::unicodeToCp1250(c.unicode()));
    const bool known = base::hasCp1250(c.unicode());
    const CharResult result = known ? typeChar(s, ansi, format()) : CharResult::Refused;
    if (result == CharResult::Refused)
        defaultBeep();
    else if (result == CharResult::Handled)
        apply(s);
}

void TPBNumEdit::deleteCharacter(bool backward) {
    if (isReadOnly())
        return;
    NumEditState s = state();
    if (!deleteKey(s, backward, format()))
        defaultBeep();
    apply(s);
}

bool TPBNumEdit::handleClipboardKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy))
        CopyToClipboard();
    else if (event->matches(QKeySequence::Cut))
        CutToClipboard();
    else if (event->matches(QKeySequence::Paste))
        PasteFromClipboard();
    else
        return false;
    return true;
}

void TPBNumEdit::keyPressEvent(QKeyEvent* event) {
    guarded([&] {
        event->accept();
        if (handleClipboardKey(event))
            return;
        const int key = event->key();
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            deleteCharacter(key == Qt::Key_Backspace);
            return;
        }
        const QString typed = event->text();
        const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!isReadOnly())
                defaultBeep(); // Enter is a refused character here
            return;
        }
        if (typed.size() == 1 && typed[0] >= QChar(' ') && !command) {
            typeCharacter(typed[0]);
            return;
        }
        QLineEdit::keyPressEvent(event);
    });
}

void TPBNumEdit::keyReleaseEvent(QKeyEvent* event) {
    guarded([&] {
        NumEditState s = state();
        if (s.selLength == 0) {
            regroup(s, isEnterOrSpace(event->key()), format());
            apply(s);
        }
    });
    QLineEdit::keyReleaseEvent(event);
}

void TPBNumEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!autoSelect_)
        return;
    selectAll();
    selectOnClick_ = event->reason() == Qt::MouseFocusReason;
}

void TPBNumEdit::mousePressEvent(QMouseEvent* event) {
    const bool entering = selectOnClick_;
    selectOnClick_ = false;
    QLineEdit::mousePressEvent(event);
    if (entering)
        selectAll();
}

void TPBNumEdit::focusOutEvent(QFocusEvent* event) {
    selectOnClick_ = false;
    // Only leaving for another control counts; a popup or another window
    // taking the activation does not.
    const auto reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        guarded([&] { leave(); });
    QLineEdit::focusOutEvent(event);
}

void TPBNumEdit::leave() {
    SetValue(Value());
    checkRange();
}

void TPBNumEdit::checkRange() {
    if (minValue_ == 0 && maxValue_ == 0)
        return;
    const long double value = Value();
    if (value >= minValue_ && value <= maxValue_)
        return;
    if (OnInvalidEntry) {
        OnInvalidEntry(*this);
        return;
    }
    SetValue(value < minValue_ ? minValue_ : maxValue_);
    defaultBeep();
    QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void TPBNumEdit::CopyToClipboard() const {
    if (hasSelectedText())
        putClipboardText(fromAnsi(withoutGrouping(toAnsi(selectedText()), format())));
}

void TPBNumEdit::CutToClipboard() {
    CopyToClipboard();
    if (isReadOnly() || !hasSelectedText())
        return;
    NumEditState s = state();
    if (!deleteSelection(s, format()))
        defaultBeep();
    apply(s);
}

void TPBNumEdit::PasteFromClipboard() {
    PasteText(clipboardText());
}

void TPBNumEdit::PasteText(const QString& text) {
    if (isReadOnly())
        return;
    NumEditState s = state();
    if (!deleteSelection(s, format())) {
        defaultBeep();
        return;
    }
    for (const QChar c : text) {
        const bool known = base::hasCp1250(c.unicode());
        const char ansi = static_cast<char>(base::unicodeToCp1250(c.unicode()));
        if (!known || typeChar(s, ansi, format()) == CharResult::Refused)
            defaultBeep();
    }
    apply(s);
}

void TPBNumEdit::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createContextMenu());
    menu->exec(event->globalPos());
}

void TPBNumEdit::mouseReleaseEvent(QMouseEvent* event) {
    // A middle click pastes the primary selection where it lands; the plain
    // edit control would insert it unfiltered.
    if (event->button() != Qt::MiddleButton) {
        QLineEdit::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (isReadOnly() || !rect().contains(event->position().toPoint()))
        return;
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    guarded([&] { PasteText(selectionText()); });
}

void TPBNumEdit::dropEvent(QDropEvent* event) {
    // Dropped text is typed in at the drop point; it is always a copy, so a
    // drag out of the field itself never removes the source text.
    if (!event->mimeData()->hasText() || isReadOnly()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    guarded([&] { PasteText(event->mimeData()->text()); });
    setFocus(Qt::MouseFocusReason);
}

} // namespace rq::widgets
