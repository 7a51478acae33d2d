// The commands select the Hungarian row of the dialogs before each prompt and
// message; a cancelled prompt answers the empty default.
#include "app/dialog_user.h"

#include "dialogs/dialog_settings.h"
#include "dialogs/input_prompt.h"
#include "dialogs/language_table.h"
#include "dialogs/message_dialog.h"

namespace rq::app {
namespace {

void selectHungarian() {
    dialogs::dialogSettings().language = static_cast<int>(dialogs::Language::Hungarian);
}

} // namespace

base::AnsiString DialogUser::AskPassphrase(const base::AnsiString& caption,
                                           const base::AnsiString& prompt) {
    selectHungarian();
    base::AnsiString value;
    dialogs::InputPrompt(caption, prompt, "", value);
    return value;
}

void DialogUser::ShowMessage(const base::AnsiString& text) {
    selectHungarian();
    dialogs::InfoMessage(text);
}

} // namespace rq::app
