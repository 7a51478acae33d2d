// The guard of a plain text field whose text is kept in Windows-1250 (the
// saved form, the printed certificate): typing or pasting a character the
// code page lacks, or past the field's length limit, is refused with the
// default beep, so that nothing typed is changed or cut later without a word.
#pragma once

#include <QValidator>

class QLineEdit;

namespace rq::widgets {

// The longest text a field takes (32 767 characters); the guard refuses
// more at entry, so that nothing typed is cut later.
inline constexpr int kTextFieldLimit = 32767;

// Accepts only text that Windows-1250 can hold.
class TAnsiTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Installs the validator and the length limit, and beeps on every refusal.
void guardAnsiText(QLineEdit& edit);

} // namespace rq::widgets
