// The desktop program's boxes behind the report's hooks and its script
// runtime's ShowMessage.
#include "app/desktop_hooks.h"

#include "app/form1.h"
#include "dialogs/message_dialog.h"
#include "report/engine/engine.h"
#include "widgets/window_system.h"

#include <QApplication>

namespace rq::app {

std::unique_ptr<QMessageBox> createReportErrorBox(const std::string& text) {
    return std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("Error"),
                                         widgets::fromAnsi(text), QMessageBox::Ok,
                                         QApplication::activeWindow());
}

void showReportErrors(const std::string& text) {
    createReportErrorBox(text)->exec();
}

void showScriptMessage(const std::string& text) {
    dialogs::MessageDlg(text, dialogs::MsgDlgType::mtCustom,
                        dialogs::msgDlgButtons({dialogs::MsgDlgBtn::mbOK}));
}

void installDesktopHooks(TForm1& form) {
    form.frxReport1.OnShowErrors = showReportErrors;
    report::engine::EngineOf(form.frxReport1)->Runtime().SetShowMessageHook(showScriptMessage);
}

} // namespace rq::app
