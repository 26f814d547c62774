#include "output/document/send_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "case/conversions.h"
#include "files/atomic_save.h"
#include "files/settings.h"
#include "output/document/rtf_text.h"
#include "output/document/word_processor.h"

namespace wm4 {

void WriteRtfDocument(const QString& path, const QString& document) {
    QString text = RtfUnicodeEscaped(document);
    if (!text.endsWith(QStringLiteral("\r\n"))) text += QStringLiteral("\r\n");
    SaveFileAtomically(path, text.toLatin1());  // all ASCII after the escapes
}

QString SendFilePath(const QString& tempFolder, const std::function<int()>& randomBelow999) {
    QDir().mkpath(tempFolder);
    const QString path = QDir(tempFolder).filePath(SendFileName.toString());
    QFile old(path);
    if (!old.exists() || old.remove()) return path;
    // Still held open (or otherwise locked): write a new name beside it.
    const int number = randomBelow999 ? randomBelow999() : QRandomGenerator::global()->bounded(999);
    return QDir(tempFolder)
        .filePath(RemoveExtension(SendFileName.toString()) + QString::number(number) +
                  QStringLiteral(".rtf"));
}

QString SendDocument(const QString& document, const ProgramSettings& settings, bool wordFound,
                     ProgramLauncher& launcher) {
    const QString path = SendFilePath(settings.TempFolder);
    WriteRtfDocument(path, document);
    const QFileInfo info(path);
    StartWordProcessor(settings, wordFound, info.fileName(), info.absolutePath(), launcher);
    return path;
}

}  // namespace wm4
