// Saving the prepared pages to a ".ppg" file and opening one instead of the
// pages shown: the file dialogs, the progress text and the locking around
// the store's file operations.
#include "report/preview/preview_pages.h"
#include "report/preview/qt/preview.h"
#include "report/preview/qt/preview_workspace.h"
#include "widgets/window_system.h"

#include <QFileDialog>
#include <QFileInfo>

namespace rq::report::preview::qt {

namespace {

const QString kFilter = QStringLiteral("Prepared Report (*.ppg)");
constexpr const char* kExtension = ".ppg";

// The chosen name with its extension replaced by ".ppg".
std::string withPpgExtension(const QString& chosen) {
    const QFileInfo info(chosen);
    const QString stem =
        info.suffix().isEmpty() ? chosen : chosen.left(chosen.size() - info.suffix().size() - 1);
    return (stem + QString::fromLatin1(kExtension)).toStdString();
}

QString askFileName(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PreparedReportDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(kFilter);
    dialog.setDefaultSuffix(QStringLiteral("ppg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

void TfrxPreview::Save() {
    if (running_ || !store_)
        return;
    const QString chosen = askFileName(this, QFileDialog::AcceptSave);
    if (chosen.isEmpty())
        return;
    workspace_->viewport()->repaint();
    SaveToFile(withPpgExtension(chosen));
}

void TfrxPreview::SaveToFile(const std::string& fileName) {
    Lock();
    ShowProgress(QStringLiteral("Saving file..."));
    try {
        store_->SaveToFile(fileName);
    } catch (...) {
        Unlock();
        throw;
    }
    Unlock();
}

void TfrxPreview::Open() {
    if (running_ || !store_)
        return;
    const QString chosen = askFileName(this, QFileDialog::AcceptOpen);
    if (chosen.isEmpty())
        return;
    workspace_->viewport()->repaint();
    LoadFromFile(chosen.toStdString());
}

// A file that cannot be read leaves the store empty: the preview then shows
// no pages rather than a half-read report.
void TfrxPreview::LoadFromFile(const std::string& fileName) {
    Lock();
    find_.Reset();
    const auto relayout = [this] {
        UpdatePageList();
        Unlock();
        updateOutline();
        SetPageNo(1);
    };
    try {
        store_->LoadFromFile(fileName);
    } catch (...) {
        relayout();
        throw;
    }
    relayout();
}

} // namespace rq::report::preview::qt
