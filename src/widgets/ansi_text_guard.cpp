// The text field guard: the validator and the beep on refused input.
#include "widgets/ansi_text_guard.h"

#include "base/text1250.h"
#include "widgets/window_system.h"

#include <QLineEdit>

namespace rq::widgets {

QValidator::State TAnsiTextValidator::validate(QString& input, int&) const {
    for (const char32_t c : input.toUcs4())
        if (!base::hasCp1250(c))
            return Invalid;
    return Acceptable;
}

void guardAnsiText(QLineEdit& edit) {
    edit.setMaxLength(kTextFieldLimit);
    edit.setValidator(new TAnsiTextValidator(&edit));
    // Refused keys and pastes, and pastes cut at the length limit.
    QObject::connect(&edit, &QLineEdit::inputRejected, &edit, [] { defaultBeep(); });
}

} // namespace rq::widgets
