// TPBNumEdit: a single-line, right-aligned edit box that accepts only a
// number and shows it grouped by thousands while the user types. It holds its
// text; the number is computed from the text only when the field reformats.
// The separators are the current format settings' (the user's locale).
#pragma once

#include "widgets/num_edit_rules.h"

#include <QLineEdit>

class QMenu;

#include <functional>

namespace rq::widgets {

class TPBNumEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TPBNumEdit(QWidget* parent = nullptr);

    Qt::Alignment Alignment() const { return alignment(); }
    void SetAlignment(Qt::Alignment alignment) { setAlignment(alignment); }
    int Decimals() const { return decimals_; }
    // Clamped to -1 ... 14, and to at most the maximum length - 2 when one is set.
    void SetDecimals(int decimals);
    TNumberFormat NumberFormat() const { return numberFormat_; }
    void SetNumberFormat(TNumberFormat format) { numberFormat_ = format; }
    long double MinValue() const { return minValue_; }
    void SetMinValue(long double value) { minValue_ = value; }
    long double MaxValue() const { return maxValue_; }
    void SetMaxValue(long double value) { maxValue_ = value; }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }

    // The number the text stands for; raises the conversion failure.
    long double Value() const;
    // Formats the number into the text (replaced only when it differs).
    void SetValue(long double value);

    // Called instead of the built-in correction when the range check fails.
    std::function<void(TPBNumEdit&)> OnInvalidEntry;

    // Clipboard commands: the selection without thousands separators.
    void CopyToClipboard() const;
    void CutToClipboard();
    void PasteFromClipboard();
    // Text arriving from outside (paste, selection, drop) replaces the
    // selection and then goes through the character filter one character at
    // a time, as if typed; refused characters beep.
    void PasteText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    NumEditFormat format() const;
    // The edit commands' menu with every command routed through the rules.
    QMenu* createContextMenu();
    NumEditState state() const;
    void apply(const NumEditState& state);
    bool handleClipboardKey(QKeyEvent* event);
    void typeCharacter(QChar c);
    void deleteCharacter(bool backward);
    void leave();
    void checkRange();

    int decimals_ = -1;
    TNumberFormat numberFormat_ = TNumberFormat::Thousands;
    long double minValue_ = 0;
    long double maxValue_ = 0;
    bool autoSelect_ = true;
    bool selectOnClick_ = false; // entered by a mouse click: select on that click
};

} // namespace rq::widgets
