#include "output/document/word_processor.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "case/conversions.h"
#include "files/settings.h"
#include "messages/report.h"

namespace wm4 {

namespace {

constexpr QStringView WriterFileName = u"soffice";

bool isProgram(const QString& value, QStringView name) {
    return value.compare(name, Qt::CaseInsensitive) == 0;
}

}  // namespace

bool SystemLauncher::startProgram(const QString& program, const QStringList& arguments,
                                  const QString& folder) {
    return QProcess::startDetached(program, arguments, folder);
}

bool SystemLauncher::openWithDefaultApplication(const QString& path) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return false;
    return QProcess::startDetached(opener, {path}, QFileInfo(path).absolutePath());
}

WordSearch FindWordExe() {
    for (const char* name : {"soffice", "libreoffice", "lowriter"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) return {true, path};
    }
    const QString system = QStringLiteral("/usr/lib/libreoffice/program/soffice");
    if (QFileInfo(system).isExecutable()) return {true, system};
    const QDir opt(QStringLiteral("/opt"));
    // Newest version first: libreoffice7.6 before libreoffice7.5.
    for (const QString& folder :
         opt.entryList({QStringLiteral("libreoffice*")}, QDir::Dirs, QDir::Name | QDir::Reversed)) {
        const QString path = opt.filePath(folder + QStringLiteral("/program/soffice"));
        if (QFileInfo(path).isExecutable()) return {true, path};
    }
    return {};
}

bool SetUpWordProcessor(ProgramSettings& settings) {
    const WordSearch search = FindWordExe();
    settings.WordProcessorExe = search.found ? search.path : DefaultViewerProgram.toString();
    return search.found;
}

void KeepUsableWordProcessor(ProgramSettings& settings, bool wordFound, const QString& setUp) {
    const QString& stored = settings.WordProcessorExe;
    const bool leftoverViewer = isProgram(stored, DefaultViewerProgram) && !settings.ForceWordPad;
    const bool missingProgram = QFileInfo(stored).isAbsolute() && !QFileInfo(stored).isExecutable();
    if (stored.isEmpty() || (wordFound && (leftoverViewer || missingProgram)))
        settings.WordProcessorExe = setUp;
}

QString WordProcessorProgram(const ProgramSettings& settings, bool wordFound) {
    QString program;
    if (wordFound && !settings.ForceWordPad) program = settings.WordProcessorExe;
    if (settings.ForceWord) program = WriterProgram.toString();
    if (settings.ForceWordPad) program = DefaultViewerProgram.toString();
    if (isProgram(program, DefaultViewerProgram)) return DefaultViewerProgram.toString();
    if (isProgram(program, WriterProgram)) program = FindWordExe().path;
    return program;
}

bool StartWordProcessor(const ProgramSettings& settings, bool wordFound, const QString& fileName,
                        const QString& folder, ProgramLauncher& launcher) {
    const QString program = WordProcessorProgram(settings, wordFound);
    bool started = false;
    if (isProgram(program, DefaultViewerProgram))
        started = launcher.openWithDefaultApplication(QDir(folder).filePath(fileName));
    else if (!program.isEmpty())
        started = launcher.startProgram(program, {fileName}, folder);
    if (!started) ReportError(11550);
    return started;
}

void ToggleForceWord(ProgramSettings& settings) {
    settings.ForceWord = !settings.ForceWord;
    if (settings.ForceWord) {
        settings.WordProcessorExe = WriterProgram.toString();
        settings.ForceWordPad = false;
    }
}

void ToggleForceWordPad(ProgramSettings& settings) {
    settings.ForceWordPad = !settings.ForceWordPad;
    if (settings.ForceWordPad) {
        settings.WordProcessorExe = DefaultViewerProgram.toString();
        settings.ForceWord = false;
    } else {
        settings.WordProcessorExe = WriterProgram.toString();
    }
}

bool FindWordInTrees(ProgramSettings& settings, const std::function<void(int)>& progress,
                     const QStringList& trees) {
    auto step = [&progress](int percent) {
        if (progress) progress(percent);
    };
    settings.FoundWordPath.clear();
    step(5);
    bool found = false;
    QString path;
    for (qsizetype k = 0; k < trees.size() && !found; ++k) {
        if (k > 0) step(50);
        FindFileInTree(AddTrailingDelimiter(trees[k]), WriterFileName.toString(), found, path);
    }
    if (found) settings.FoundWordPath = path;
    step(100);
    return found;
}

QString FindWordMenuText(const ProgramSettings& settings) {
    return settings.FoundWordPath.isEmpty() ? QStringLiteral("Find LibreOffice Writer")
                                            : QStringLiteral("Find LibreOffice Writer: FOUND");
}

}  // namespace wm4
