// The main window's save and load commands: they run the saved-form
// algorithms over the window's components, the buffer window's two buffers
// and the window's cipher component.
#include "app/dialog_user.h"
#include "app/form1.h"
#include "app/form3.h"
#include "app/saved_form.h"
#include "app/window_components.h"

#include <QCoreApplication>

namespace rq::app {
namespace {

std::string programDirectory() {
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

template <typename Command> void runSavedForm(TForm1& form, Command command) {
    DialogUser dialogs;
    const SavedFormLink& link = form.SavedForm;
    const WindowComponents components(form.Components());
    SavedFormContext context{components.List(),
                             link.buffers->RichEdit3,
                             link.buffers->RichEdit4,
                             form.LbRijndael1,
                             link.user ? *link.user : dialogs,
                             link.files ? *link.files : systemFileSystem(),
                             link.directory.empty() ? programDirectory() : link.directory};
    command(context);
}

} // namespace

void TForm1::Kitltsmentse1Click() {
    runSavedForm(*this, saveForm);
}

void TForm1::Kitltttrlapbetltse1Click() {
    runSavedForm(*this, loadForm);
}

} // namespace rq::app
