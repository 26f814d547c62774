#pragma once
// The program settings and folders, and the settings file "wendmoor4.ini".
//
// The settings file has no sections or keys: it is a fixed sequence of lines,
// one setting per line (see ReadINI). It is 8-bit Windows-1252 text with CR LF
// line ends, like the client file, so it stays exchangeable with the Windows
// version.
//
// Folder paths carry no trailing "/"; join them with "/" + file name.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace wm4 {

struct ProgramSettings {
    // Lines of the settings file, in file order.
    QString ClientFolder;      // client files and "default.wm4"
    QString RTFFolder;         // print templates
    QString PTFFolder;         // kept in the settings only; nothing is read from it
    QString PSFFolder;         // page screens
    QString StockQuoteURL;     // the stock symbol is appended
    QString FundQuoteURL;      // the fund symbol is appended
    double DefaultRate = 0;    // default hourly rate of the time worksheet
    QString WordProcessorExe;  // program started for printing
    QStringList RecentFiles;   // most recent first
    QString WM3Folder;         // prior-version client files
    QString TempFolder;        // temporary files of printing
    bool ForceWord = false;
    bool ForceWordPad = false;
    QString FoundWordPath;
    bool AdjustMemoFontFlag = false;
    double MemoWidthFactor = 0.75;

    // Folders that are not settings.
    QString ProgramFolder;   // the data folder: RTF, PTF, DAT, PDF, PSF and default.wm4
    QString DATFolder;       // field-width files
    QString PDFFolder;       // reference documents
    QString SettingsFolder;  // holds "wendmoor4.ini"
};

inline constexpr double DefaultMemoWidthFactor = 0.75;
inline constexpr int MaxRecentFiles = 9;

// The settings before the settings file is read, for a data folder (the
// program folder): ~/Documents/Wendmoor4/Files, ~/Documents/Wendmoor3/Files,
// the system temporary folder + "/Wendmoor4", ~/.config/Quillon/Wendmoor4, and
// the RTF, PTF, DAT, PDF and PSF folders inside dataFolder.
ProgramSettings DefaultSettings(const QString& dataFolder);

// Points ProgramFolder and the RTF, PTF, DAT, PDF and PSF folders at dataFolder.
void SetDataFolders(ProgramSettings& settings, const QString& dataFolder);

// The data folder of a run: the --data folder when given; else, for a binary
// run from the build tree, the source tree's data folder; else the installed one.
QString ResolveDataFolder(const QString& dataOption, const QString& applicationDir,
                          const QString& buildTreeDir, const QString& sourceDataDir,
                          const QString& installDataDir);

// SettingsFolder + "/wendmoor4.ini".
QString SettingsFilePath(const ProgramSettings& settings);

// What ReadINI does about a missing or unreadable file.
enum class SettingsFileUse {
    Program,   // create a missing file; delete an unreadable one (the desktop)
    ReadOnly,  // never create, change or delete the file (command-line commands)
};

// Reads the settings file into settings when it exists. A missing line, a
// real or count line that is not a number, or a recent-file count that is
// negative or larger than the lines that follow reports 13010; the settings read up
// to then keep their new values and (Program use) the file is deleted, so the
// next start begins from the defaults. A missing file is created with the
// current values (Program use). Returns true when the whole file was read.
bool ReadINI(ProgramSettings& settings, SettingsFileUse use = SettingsFileUse::Program);

// Writes every setting to the settings file, replacing it (at most 9 recent
// files). A failure reports 13020. Returns true on success.
bool WriteINI(const ProgramSettings& settings);

// The lines of a settings file held in memory, read into settings by the
// rules of ReadINI; path only names the file. Throws FileError at the first
// line that cannot be read.
void ReadSettingsBytes(ProgramSettings& settings, const QByteArray& bytes, const QString& path);

// The bytes WriteINI writes.
QByteArray SettingsFileBytes(const ProgramSettings& settings);

}  // namespace wm4
