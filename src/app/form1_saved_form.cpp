// The main window's save and load commands: they run the saved-form
// algorithms over the window's components, the buffer window's two buffers
// and the window's cipher component.
#include "app/dialog_user.h"
#include "app/form1.h"
#include "app/form3.h"
#include "app/window_components.h"
#include "certificate/saved_form.h"
#include "certificate/saved_form_place.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace rq::app {
namespace {

std::string programDirectory() {
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

// $XDG_DATA_HOME/rq0612/ (by default ~/.local/share/rq0612/).
std::string userDataDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
           "/rq0612/";
}

template <typename Command> void runSavedForm(TForm1& form, Command command) {
    DialogUser dialogs;
    const SavedFormLink& link = form.SavedForm;
    const WindowComponents components(form.Components());
    certificate::FileSystem& files = link.files ? *link.files : certificate::systemFileSystem();
    certificate::SavedFormContext context{
        components.List(),
        link.buffers->RichEdit3,
        link.buffers->RichEdit4,
        form.LbRijndael1,
        link.user ? *link.user : dialogs,
        files,
        link.directory.empty()
            ? certificate::savedFormDirectory(files, programDirectory(), userDataDirectory())
            : link.directory};
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
