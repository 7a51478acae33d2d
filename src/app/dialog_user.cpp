// The commands select the Hungarian row of the dialogs before each prompt and
// message; a cancelled prompt answers the empty default.
#include "app/dialog_user.h"
#include "certificate/saved_form.h"

#include "dialogs/dialog_settings.h"
#include "dialogs/input_prompt.h"
#include "dialogs/language_table.h"
#include "dialogs/message_dialog.h"

#include <QLineEdit>

namespace rq::app {
namespace {

void selectHungarian() {
    dialogs::dialogSettings().language = static_cast<int>(dialogs::Language::Hungarian);
}

} // namespace

// The pass phrase is taken from the edit box as typed, not through the lossy
// 8-bit conversion, so that characters without a Windows-1250 byte are
// refused (passPhraseFromUtf8) instead of turning into "?".
base::AnsiString DialogUser::AskPassphrase(const base::AnsiString& caption,
                                           const base::AnsiString& prompt) {
    selectHungarian();
    auto form = dialogs::createInputForm(caption, prompt, "");
    if (form->exec() != dialogs::mrOk)
        return {};
    return certificate::passPhraseFromUtf8(
        form->findChild<QLineEdit*>(QStringLiteral("Edit"))->text().toStdString());
}

void DialogUser::ShowMessage(const base::AnsiString& text) {
    selectHungarian();
    dialogs::InfoMessage(text);
}

} // namespace rq::app
