#include "files/settings.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "files/atomic_save.h"
#include "files/fault_words.h"
#include "files/text_lines.h"
#include "messages/report.h"

namespace wm4 {

namespace {

// The quote pages the Tools menu opens, the symbol appended.
const QString DefaultStockQuoteURL =
    QStringLiteral("https://www.msn.com/en-us/money/investments/stock-price?ocid=qbeb&Symbol=");
const QString DefaultFundQuoteURL = QStringLiteral(
    "https://www.msn.com/en-us/money/investments/mutual-fund-rates?ocid=qbeb&Symbol=");

QString documentsFolder() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) documents = QDir::homePath() + QStringLiteral("/Documents");
    return documents;
}

QString flagLine(bool on) {
    return on ? QStringLiteral("X") : QString();
}

// Folder and text lines keep the current value when the line is empty.
void keepWhenEmpty(QString& setting, const QString& line) {
    if (!line.isEmpty()) setting = line;
}

void readLines(LineReader& in, ProgramSettings& s) {
    keepWhenEmpty(s.ClientFolder, in.text());
    keepWhenEmpty(s.RTFFolder, in.text());
    keepWhenEmpty(s.PTFFolder, in.text());
    keepWhenEmpty(s.PSFFolder, in.text());
    keepWhenEmpty(s.StockQuoteURL, in.text());
    keepWhenEmpty(s.FundQuoteURL, in.text());
    s.DefaultRate = in.real();
    s.WordProcessorExe = in.text();
    const int recentCount = in.integer();
    if (recentCount < 0) in.fail(QStringLiteral("the count of recent files cannot be negative"));
    // The count is held against the file before a path is read for it.
    if (!in.holds(recentCount))
        in.failShort(recentCount, QStringLiteral("the count of recent files %1").arg(recentCount));
    for (int i = 0; i < recentCount; ++i) s.RecentFiles.append(in.text());
    keepWhenEmpty(s.WM3Folder, in.text());
    keepWhenEmpty(s.TempFolder, in.text());
    s.ForceWord = in.text() == u"X";
    s.ForceWordPad = in.text() == u"X";
    keepWhenEmpty(s.FoundWordPath, in.text());
    s.AdjustMemoFontFlag = in.text() == u"X";
    s.MemoWidthFactor = in.real();
    if (s.MemoWidthFactor == 0) s.MemoWidthFactor = DefaultMemoWidthFactor;
}

// Every line but the last, in file order.
void writeLinesBeforeFactor(LineWriter& out, const ProgramSettings& s) {
    out.line(s.ClientFolder);
    out.line(s.RTFFolder);
    out.line(s.PTFFolder);
    out.line(s.PSFFolder);
    out.line(s.StockQuoteURL);
    out.line(s.FundQuoteURL);
    out.real(s.DefaultRate);
    out.line(s.WordProcessorExe);
    const int recentCount = int(std::min<qsizetype>(s.RecentFiles.size(), MaxRecentFiles));
    out.integer(recentCount);
    for (int i = 0; i < recentCount; ++i) out.line(s.RecentFiles[i]);
    out.line(s.WM3Folder);
    out.line(s.TempFolder);
    out.line(flagLine(s.ForceWord));
    out.line(flagLine(s.ForceWordPad));
    out.line(s.FoundWordPath);
    out.line(flagLine(s.AdjustMemoFontFlag));
}

// The file a first start creates: the current values with the Word and
// memo-font flags off and the factor as "0.75".
QByteArray firstStartBytes(const ProgramSettings& s) {
    ProgramSettings first = s;
    first.ForceWord = first.ForceWordPad = first.AdjustMemoFontFlag = false;
    LineWriter out;
    writeLinesBeforeFactor(out, first);
    out.line("0.75");
    return out.bytes();
}

bool saveSettingsFile(const ProgramSettings& s, const QByteArray& bytes) {
    try {
        QDir().mkpath(s.SettingsFolder);
        SaveFileAtomically(SettingsFilePath(s), bytes);
    } catch (const FileError& e) {
        ReportError(13020, e.text());
        return false;
    }
    return true;
}

}  // namespace

void SetDataFolders(ProgramSettings& s, const QString& dataFolder) {
    s.ProgramFolder = dataFolder;
    s.RTFFolder = dataFolder + QStringLiteral("/RTF");
    s.PTFFolder = dataFolder + QStringLiteral("/PTF");
    s.DATFolder = dataFolder + QStringLiteral("/DAT");
    s.PDFFolder = dataFolder + QStringLiteral("/PDF");
    s.PSFFolder = dataFolder + QStringLiteral("/PSF");
}

ProgramSettings DefaultSettings(const QString& dataFolder) {
    ProgramSettings s;
    const QString documents = documentsFolder();
    s.ClientFolder = documents + QStringLiteral("/Wendmoor4/Files");
    s.WM3Folder = documents + QStringLiteral("/Wendmoor3/Files");
    s.TempFolder = QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                   QStringLiteral("/Wendmoor4");
    // The organisation and application folder under the user's configuration
    // folder, whatever names the running program set for itself.
    s.SettingsFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/Quillon/Wendmoor4");
    s.StockQuoteURL = DefaultStockQuoteURL;
    s.FundQuoteURL = DefaultFundQuoteURL;
    SetDataFolders(s, dataFolder);
    return s;
}

QString ResolveDataFolder(const QString& dataOption, const QString& applicationDir,
                          const QString& buildTreeDir, const QString& sourceDataDir,
                          const QString& installDataDir) {
    if (!dataOption.isEmpty()) return QDir(dataOption).absolutePath();
    const QString app = QDir::cleanPath(applicationDir);
    const QString build = QDir::cleanPath(buildTreeDir);
    if (!build.isEmpty() && (app == build || app.startsWith(build + u'/'))) return sourceDataDir;
    // An installation moved to another prefix finds its data beside its bin folder.
    const QString besideBinary = QDir::cleanPath(app + QStringLiteral("/../share/wendmoor4"));
    if (QDir(besideBinary).exists()) return besideBinary;
    return installDataDir;
}

QString SettingsFilePath(const ProgramSettings& s) {
    return s.SettingsFolder + QStringLiteral("/wendmoor4.ini");
}

bool ReadINI(ProgramSettings& s, SettingsFileUse use) {
    const QString path = SettingsFilePath(s);
    QFile file(path);
    if (!file.exists()) {
        if (use == SettingsFileUse::Program) saveSettingsFile(s, firstStartBytes(s));
        return true;
    }
    try {
        ReadSettingsBytes(s, ReadWholeFile(path), path);
    } catch (const FileError& e) {
        ReportError(13010, e.text());
        // A damaged file is dropped so that the next start begins from the
        // defaults; the settings read so far stay for this run.
        if (use == SettingsFileUse::Program) QFile::remove(path);
        return false;
    }
    return true;
}

void ReadSettingsBytes(ProgramSettings& s, const QByteArray& bytes, const QString& path) {
    LineReader in(bytes, path);
    try {
        readLines(in, s);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError(path, in.lineNumber());
    }
}

QByteArray SettingsFileBytes(const ProgramSettings& s) {
    LineWriter out;
    writeLinesBeforeFactor(out, s);
    out.real(s.MemoWidthFactor);
    return out.bytes();
}

bool WriteINI(const ProgramSettings& s) {
    return saveSettingsFile(s, SettingsFileBytes(s));
}

}  // namespace wm4
