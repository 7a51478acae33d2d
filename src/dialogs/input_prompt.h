// InputPrompt: the small modal dialog that asks for one line of text, used
// for the pass phrase. The text is shown in clear and limited to 255
// characters.
#pragma once

#include "base/text1250.h"
#include "dialogs/message_form.h"

#include <memory>

namespace rq::dialogs {

inline constexpr int kInputMaxLength = 255;

// Builds the input dialog without showing it: a label "Prompt", an edit box
// "Edit" holding value with its whole text selected, buttons "OK" and
// "Cancel". Texts are Windows-1250.
std::unique_ptr<TMessageForm> createInputForm(const rq::base::AnsiString& caption,
                                              const rq::base::AnsiString& prompt,
                                              const rq::base::AnsiString& value);

// Sets value to defaultValue, shows the dialog and on OK copies the edit
// box's text into value and returns true; on cancel or close value keeps the
// default and the result is false.
bool InputPrompt(const rq::base::AnsiString& caption, const rq::base::AnsiString& prompt,
                 const rq::base::AnsiString& defaultValue, rq::base::AnsiString& value);

} // namespace rq::dialogs
