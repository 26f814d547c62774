#include "ui/commands/tools_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include "case/conversions.h"
#include "files/settings.h"
#include "messages/report.h"
#include "ui/commands/launcher.h"
#include "ui/commands/web_addresses.h"

namespace wm4 {

ToolsCommands::ToolsCommands(ProgramSettings& settings, Launcher& launcher, UserPrompts prompts)
    : m_settings(settings), m_launcher(launcher), m_prompts(std::move(prompts)) {}

bool ToolsCommands::InsertToday(QWidget* active, const QDate& today) {
    auto* edit = qobject_cast<QLineEdit*>(active);
    // A read-only box holds a computed answer: only an override opens it.
    if (!edit || edit->isReadOnly()) return false;
    edit->setText(FormatShortDate(today));
    return true;
}

bool ToolsCommands::SetHourlyRate() {
    const auto text =
        m_prompts.text(QStringLiteral("Hourly Rate Dialog"),
                       QStringLiteral("Enter the hourly rate to be used in the Time & Services "
                                      "Worksheet."),
                       FormatAmount(m_settings.DefaultRate));
    if (!text) return false;
    // A text that does not convert reports and gives 0.
    m_settings.DefaultRate = Str2Float_2(*text);
    return true;
}

bool ToolsCommands::SetFileLocation(FileLocation which) {
    QString* folder = which == FileLocation::ClientFiles ? &m_settings.ClientFolder
                      : which == FileLocation::WM3Files  ? &m_settings.WM3Folder
                                                         : &m_settings.TempFolder;
    const auto chosen = m_prompts.folder(QStringLiteral("Select Directory"), *folder);
    if (!chosen) return false;
    *folder = QDir::cleanPath(*chosen);
    return true;
}

bool ToolsCommands::SetInternetLocation(QuoteSite which) {
    const bool stocks = which == QuoteSite::Stocks;
    QString& prefix = stocks ? m_settings.StockQuoteURL : m_settings.FundQuoteURL;
    const auto text = m_prompts.text(
        stocks ? QStringLiteral("Internet Stock Site") : QStringLiteral("Internet Fund Site"),
        stocks ? QStringLiteral("Enter the Internet stock site.")
               : QStringLiteral("Enter the Internet fund site."),
        prefix);
    if (!text) return false;
    prefix = *text;
    return true;
}

bool ToolsCommands::GetQuote(QuoteSite which) {
    const bool stocks = which == QuoteSite::Stocks;
    const auto symbol = m_prompts.text(
        stocks ? QStringLiteral("Stock Quote Dialog") : QStringLiteral("Fund Quote Dialog"),
        stocks ? QStringLiteral("Enter the stock symbol.")
               : QStringLiteral("Enter the mutual fund symbol."),
        QString());
    if (!symbol) return false;
    m_launcher.openUrl(
        QuoteUrl(stocks ? m_settings.StockQuoteURL : m_settings.FundQuoteURL, *symbol));
    return true;
}

bool ToolsCommands::OpenHelpContents() {
    return m_launcher.openUrl(QUrl(HelpContentsAddress.toString()));
}

bool ToolsCommands::OpenTutorial() {
    return m_launcher.openUrl(QUrl(TutorialAddress.toString()));
}

QString ToolsCommands::ManualFailureText(const QString& path, bool opened) {
    if (opened) return QString();
    const QFileInfo file(path);
    if (!file.dir().exists()) return QStringLiteral("The specified path was not found.");
    if (!file.exists()) return QStringLiteral("The specified file was not found.");
    if (!file.isReadable())
        return QStringLiteral("The operating system denied access to the specified file.");
    return QStringLiteral("There is no application associated with the given filename extension.");
}

QString ManualPath(const ProgramSettings& settings) {
    const QString installed = QDir(settings.ProgramFolder).filePath(ManualFileName.toString());
    // Run from the build tree, the data folder is the source tree's and the
    // manual is where the build wrote it.
    if (!QFileInfo::exists(installed) &&
        QDir(settings.ProgramFolder) == QDir(QStringLiteral(WM4_SOURCE_DATA_DIR)) &&
        QFileInfo::exists(QStringLiteral(WM4_BUILD_MANUAL)))
        return QStringLiteral(WM4_BUILD_MANUAL);
    return installed;
}

bool ToolsCommands::OpenManual() {
    const QString path = ManualPath(m_settings);
    // Asking the desktop to open a file that is not there starts nothing
    // useful; the user is told what is missing instead.
    const bool opened =
        QFileInfo(path).isReadable() && m_launcher.openUrl(QUrl::fromLocalFile(path));
    const QString failure = ManualFailureText(path, opened);
    if (!failure.isEmpty()) m_prompts.inform(failure);
    return opened;
}

bool ToolsCommands::OpenTaxForm(int tag) {
    const QUrl url = TaxFormUrl(tag);
    if (url.isEmpty()) {
        ReportError(9999);
        return false;
    }
    m_prompts.inform(TaxFormNotice.toString());
    return m_launcher.openUrl(url);
}

}  // namespace wm4
