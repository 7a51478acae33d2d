// A shown window with a numeric field and a second field to leave to, under
// explicit regional settings; scripts of real key events drive the field.
#pragma once

#include "base/format_settings.h"
#include "widgets/pb_num_edit.h"

#include <QLineEdit>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rq::widgets::testing {

struct LocaleCase {
    const char* name;
    char decimalSeparator;
    char thousandSeparator;
};

inline constexpr LocaleCase kLocales[] = {
    {"Hungarian", ',', '\xA0'}, // comma and no-break space
    {"English", '.', ','},
};

class NumEditHarness {
public:
    explicit NumEditHarness(const LocaleCase& locale);
    ~NumEditHarness();

    // Hungarian-style text (blank groups, comma decimals) in the locale's
    // separators.
    QString local(std::string_view canonical) const;
    // Plays a key script: characters are typed (',' is the locale's decimal
    // separator); {BS} {DEL} {ENTER} {SPACE} {HOME} {END} {LEFT} {RIGHT}
    // {SELALL} {COPY} {CUT} {PASTE} are keys; {LEAVE} tabs to the other
    // field; {SET:text} writes the text from outside.
    void play(std::string_view script);

    TPBNumEdit& edit() const { return *edit_; }
    QLineEdit& other() const { return *other_; }
    int beeps() const { return beeps_; }
    // The failure boxes the field raised (recorded instead of shown).
    const std::vector<std::string>& errors() const { return errors_; }

private:
    void playToken(std::string_view token);

    LocaleCase locale_;
    std::optional<base::FormatSettingsScope> settings_;
    std::unique_ptr<QWidget> window_;
    TPBNumEdit* edit_ = nullptr;
    QLineEdit* other_ = nullptr;
    int beeps_ = 0;
    std::vector<std::string> errors_;
};

} // namespace rq::widgets::testing
