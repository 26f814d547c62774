#pragma once
// The file dialogs the file commands ask. The window uses the platform's
// dialogs; tests put their own choices in.
#include <QString>
#include <functional>

class QWidget;

namespace wm4 {

struct FileDialogRequest {
    QString title;
    QString folder;         // the folder the dialog opens in
    QString proposedName;   // the file name proposed (a save dialog)
    QString filter;         // "Wendmoor4 Files (*.wm4)"
    QString defaultSuffix;  // "wm4"
};

struct FileDialogs {
    // Each returns the chosen path, or an empty text when the user cancels.
    std::function<QString(QWidget* parent, const FileDialogRequest&)> open;
    std::function<QString(QWidget* parent, const FileDialogRequest&)> save;
};

// The platform's open and save dialogs.
FileDialogs PlatformFileDialogs();

}  // namespace wm4
