#pragma once
// The word processor that opens a produced document.
//
// The settings file names the two programs the way the Windows version does,
// "WINWORD.EXE" and "WORDPAD.EXE", so settings stay exchangeable. This build
// starts LibreOffice Writer for the first and the desktop's default
// application for .rtf files for the second; any other value of
// WordProcessorExe is a program started as it stands.
#include <QString>
#include <QStringList>
#include <functional>

namespace wm4 {

struct ProgramSettings;

inline constexpr QStringView WriterProgram = u"WINWORD.EXE";
inline constexpr QStringView DefaultViewerProgram = u"WORDPAD.EXE";

// How programs are started; the desktop may install its own (for instance
// QDesktopServices for the default application), tests record.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts a program with arguments in a working folder without waiting.
    virtual bool startProgram(const QString& program, const QStringList& arguments,
                              const QString& folder) = 0;
    // Opens a document with the desktop's default application for its type.
    virtual bool openWithDefaultApplication(const QString& path) = 0;
};

// QProcess::startDetached; the default application through xdg-open.
class SystemLauncher : public ProgramLauncher {
public:
    bool startProgram(const QString& program, const QStringList& arguments,
                      const QString& folder) override;
    bool openWithDefaultApplication(const QString& path) override;
};

struct WordSearch {
    bool found = false;
    QString path;
};

// LibreOffice Writer: "soffice", "libreoffice", "lowriter" on the PATH, then
// /usr/lib/libreoffice/program/soffice, then /opt/libreoffice*/program/soffice.
WordSearch FindWordExe();

// Start-up: WordProcessorExe := the program found, or "WORDPAD.EXE" when
// none is; returns the WordFound flag.
bool SetUpWordProcessor(ProgramSettings& settings);

// After the settings file was read over the set-up: a word-processor line
// that cannot start anything (empty, as a start that never looked wrote it;
// "WORDPAD.EXE" without Force Default RTF Viewer, written while nothing was
// found; a program that is no longer there) takes the program the set-up
// found (`setUp`, the value SetUpWordProcessor chose).
void KeepUsableWordProcessor(ProgramSettings& settings, bool wordFound, const QString& setUp);

// The program StartWordProcessor starts for these settings: a path,
// "WORDPAD.EXE" for the desktop's default application, or empty when there
// is none (LibreOffice Writer not found, nothing forced).
QString WordProcessorProgram(const ProgramSettings& settings, bool wordFound);

// What the desktop tells a user without a word processor.
inline constexpr QStringView WriterPackage = u"libreoffice-writer";

// Opens `fileName` (a name inside `folder`) in the word processor the
// settings choose, with `folder` as working folder. When nothing can be
// started (no program chosen, none found, the start fails) reports 11550 and
// returns false.
bool StartWordProcessor(const ProgramSettings& settings, bool wordFound, const QString& fileName,
                        const QString& folder, ProgramLauncher& launcher);

// "Force LibreOffice Writer": toggles ForceWord; switched on, the Writer is
// the program and ForceWordPad goes off.
void ToggleForceWord(ProgramSettings& settings);
// "Force Default RTF Viewer": toggles ForceWordPad; switched on, the default
// application is the program and ForceWord goes off; switched off, Writer.
void ToggleForceWordPad(ProgramSettings& settings);

// "Find LibreOffice Writer": clears FoundWordPath, searches the folder trees
// for "soffice" (progress 5, 50 before the second tree, 100 at the end) and
// keeps a hit in FoundWordPath. Returns true on a hit.
inline const QStringList WordSearchTrees = {QStringLiteral("/usr/lib"), QStringLiteral("/opt")};
bool FindWordInTrees(ProgramSettings& settings, const std::function<void(int)>& progress = {},
                     const QStringList& trees = WordSearchTrees);

// The force items' texts (each shows its flag as a check mark).
inline constexpr QStringView ForceWordMenuText = u"Force LibreOffice Writer";
inline constexpr QStringView ForceWordPadMenuText = u"Force Default RTF Viewer";

// The menu item's text: "Find LibreOffice Writer", with ": FOUND" once found.
QString FindWordMenuText(const ProgramSettings& settings);

}  // namespace wm4
