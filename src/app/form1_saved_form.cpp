// The main window's save and load commands: they run the saved-form
// algorithms over the window's components, the buffer window's two buffers
// and the window's cipher component.
#include "app/dialog_user.h"
#include "app/form1.h"
#include "app/form3.h"
#include "app/window_components.h"
#include "certificate/saved_form.h"

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
    certificate::SavedFormContext context{
        components.List(),
        link.buffers->RichEdit3,
        link.buffers->RichEdit4,
        form.LbRijndael1,
        link.user ? *link.user : dialogs,
        link.files ? *link.files : certificate::systemFileSystem(),
        link.directory.empty() ? programDirectory() : link.directory};
    command(context);
}

} // namespace

void TForm1::Kitltsmentse1Click() {
    runSavedForm(*this, certificate::saveForm);
}

void TForm1::Kitltttrlapbetltse1Click() {
    runSavedForm(*this, certificate::loadForm);
}

} // namespace rq::app
