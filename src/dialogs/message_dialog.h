// The message box: a text with the icon of its kind and a row of buttons,
// captions from the language table. The program itself uses the information
// kind with OK (InfoMessage); the general rule covers every kind and button.
#pragma once

#include "base/text1250.h"
#include "dialogs/language_table.h"
#include "dialogs/message_form.h"

#include <bitset>
#include <initializer_list>
#include <memory>

namespace rq::dialogs {

using MsgDlgButtons = std::bitset<kMsgDlgBtnCount>;
MsgDlgButtons msgDlgButtons(std::initializer_list<MsgDlgBtn> buttons);

// Builds the message box without showing it (text is Windows-1250).
std::unique_ptr<TMessageForm> createMessageDialog(const rq::base::AnsiString& text, MsgDlgType kind,
                                                  MsgDlgButtons buttons);

// Shows the message box modally and returns the modal result of the button
// that closed it (mrCancel for the close box).
int MessageDlg(const rq::base::AnsiString& text, MsgDlgType kind, MsgDlgButtons buttons);

// The information box with the single button OK.
void InfoMessage(const rq::base::AnsiString& text);

} // namespace rq::dialogs
