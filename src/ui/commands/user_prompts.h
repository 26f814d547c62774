#pragma once
// The small questions the commands ask: a line of text, a folder, a notice.
// The desktop asks with Qt's standard dialogs; tests answer in code.
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace wm4 {

struct UserPrompts {
    // title, prompt, initial text -> the text entered, or nullopt on Cancel.
    std::function<std::optional<QString>(const QString&, const QString&, const QString&)> text;
    // title, starting folder -> the folder chosen, or nullopt.
    std::function<std::optional<QString>(const QString&, const QString&)> folder;
    // An information message with an OK button.
    std::function<void(const QString&)> inform;
    // title, suggested path -> the PDF file to write, or nullopt.
    std::function<std::optional<QString>(const QString&, const QString&)> pdfFile;
};

// QInputDialog, QFileDialog and QMessageBox over `parent`.
UserPrompts DesktopPrompts(QWidget* parent);

}  // namespace wm4
