// The saved-form commands' user on screen: the pass-phrase prompt and the
// information box, both in Hungarian.
#pragma once

#include "certificate/saved_form.h"

namespace rq::app {

class DialogUser : public certificate::SavedFormUser {
public:
    base::AnsiString AskPassphrase(const base::AnsiString& caption,
                                   const base::AnsiString& prompt) override;
    void ShowMessage(const base::AnsiString& text) override;
};

} // namespace rq::app
