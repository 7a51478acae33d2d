// The saved-form commands' user on screen: the pass-phrase prompt and the
// information box, both in Hungarian.
#pragma once

#include "app/saved_form.h"

namespace rq::app {

class DialogUser : public SavedFormUser {
public:
    AnsiString AskPassphrase(const AnsiString& caption, const AnsiString& prompt) override;
    void ShowMessage(const AnsiString& text) override;
};

} // namespace rq::app
