#include "ui/mainwindow/file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace wm4 {

namespace {

QString runDialog(QWidget* parent, const FileDialogRequest& r, QFileDialog::AcceptMode mode) {
    QFileDialog dlg(parent, r.title, r.folder, r.filter);
    dlg.setAcceptMode(mode);
    dlg.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                    : QFileDialog::AnyFile);
    dlg.setDefaultSuffix(r.defaultSuffix);
    if (!r.proposedName.isEmpty()) dlg.selectFile(r.proposedName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return {};
    return QDir::cleanPath(dlg.selectedFiles().constFirst());
}

}  // namespace

FileDialogs PlatformFileDialogs() {
    return {
        [](QWidget* parent, const FileDialogRequest& r) {
            return runDialog(parent, r, QFileDialog::AcceptOpen);
        },
        [](QWidget* parent, const FileDialogRequest& r) {
            return runDialog(parent, r, QFileDialog::AcceptSave);
        },
    };
}

}  // namespace wm4
