#include "ui/commands/user_prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace wm4 {

UserPrompts DesktopPrompts(QWidget* parent) {
    QPointer<QWidget> owner(parent);
    UserPrompts p;
    p.text = [owner](const QString& title, const QString& prompt,
                     const QString& initial) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, initial, &ok);
        if (!ok) return std::nullopt;
        return text;
    };
    p.folder = [owner](const QString& title, const QString& start) -> std::optional<QString> {
        const QString folder = QFileDialog::getExistingDirectory(owner, title, start);
        if (folder.isEmpty()) return std::nullopt;
        return folder;
    };
    p.inform = [owner](const QString& text) {
        QMessageBox::information(owner, QStringLiteral("Wendmoor4"), text);
    };
    p.pdfFile = [owner](const QString& title, const QString& suggested) -> std::optional<QString> {
        QString path = QFileDialog::getSaveFileName(owner, title, suggested,
                                                    QStringLiteral("PDF documents (*.pdf)"));
        if (path.isEmpty()) return std::nullopt;
        if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            path += QStringLiteral(".pdf");
        return path;
    };
    return p;
}

}  // namespace wm4
