#include "ui/commands/tools_commands.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>

#include "commands/commands_fixture.h"
#include "ui/commands/web_addresses.h"

namespace wm4 {
namespace {

using test::CommandsTest;

// Prompts answered by the test: each text question pops the next answer
// (nullopt = Cancel) and is recorded.
struct ScriptedPrompts {
    QList<std::optional<QString>> answers;
    QStringList asked;     // "title|prompt|initial"
    QStringList messages;  // information messages shown
    std::optional<QString> folder;

    UserPrompts prompts() {
        UserPrompts p;
        p.text = [this](const QString& t, const QString& q, const QString& initial) {
            asked << t + QLatin1Char('|') + q + QLatin1Char('|') + initial;
            return answers.isEmpty() ? std::nullopt : answers.takeFirst();
        };
        p.folder = [this](const QString& t, const QString& start) {
            asked << t + QLatin1Char('|') + start;
            return folder;
        };
        p.inform = [this](const QString& text) { messages << text; };
        return p;
    }
};

class ToolsCommandsTest : public CommandsTest {
protected:
    ToolsCommands tools() { return ToolsCommands(session->settings(), launcher, script.prompts()); }
    ScriptedPrompts script;
};

TEST_F(ToolsCommandsTest, InsertTodayFillsOnlyAnEditableEditBox) {
    const QDate day(2026, 3, 9);
    QLineEdit edit;
    EXPECT_TRUE(ToolsCommands::InsertToday(&edit, day));
    EXPECT_EQ(edit.text(), QStringLiteral("3/9/2026"));

    QCheckBox check(QStringLiteral("Will"));
    EXPECT_FALSE(ToolsCommands::InsertToday(&check, day));
    EXPECT_EQ(check.text(), QStringLiteral("Will"));
    EXPECT_FALSE(check.isChecked());

    QLineEdit computed(QStringLiteral("$ 100.00"));
    computed.setReadOnly(true);
    EXPECT_FALSE(ToolsCommands::InsertToday(&computed, day));
    EXPECT_EQ(computed.text(), QStringLiteral("$ 100.00"));
    EXPECT_FALSE(ToolsCommands::InsertToday(nullptr, day));
}

TEST_F(ToolsCommandsTest, StockAndFundQuotesOpenThePrefixAndSymbol) {
    script.answers = {QStringLiteral("XYZ"), QStringLiteral("VFIAX"), std::nullopt};
    ToolsCommands t = tools();
    EXPECT_TRUE(t.GetQuote(QuoteSite::Stocks));
    EXPECT_TRUE(t.GetQuote(QuoteSite::Funds));
    EXPECT_FALSE(t.GetQuote(QuoteSite::Stocks));  // cancelled
    ASSERT_EQ(launcher.urls.size(), 2);
    EXPECT_EQ(launcher.urls[0].toString(), session->settings().StockQuoteURL + "XYZ");
    EXPECT_TRUE(launcher.urls[0].toString().endsWith(
        QStringLiteral("/investments/stock-price?ocid=qbeb&Symbol=XYZ")));
    EXPECT_TRUE(launcher.urls[1].toString().endsWith(
        QStringLiteral("/investments/mutual-fund-rates?ocid=qbeb&Symbol=VFIAX")));
    EXPECT_EQ(script.asked[0], QStringLiteral("Stock Quote Dialog|Enter the stock symbol.|"));
    EXPECT_EQ(script.asked[1], QStringLiteral("Fund Quote Dialog|Enter the mutual fund symbol.|"));
}

TEST_F(ToolsCommandsTest, SetHourlyRateAndInternetLocations) {
    session->settings().DefaultRate = 150;
    script.answers = {QStringLiteral("175.50"), QStringLiteral("abc"),
                      QStringLiteral("https://quotes.example/s?q=")};
    ToolsCommands t = tools();
    EXPECT_TRUE(t.SetHourlyRate());
    EXPECT_DOUBLE_EQ(session->settings().DefaultRate, 175.5);
    EXPECT_TRUE(script.asked[0].startsWith(
        QStringLiteral("Hourly Rate Dialog|Enter the hourly rate to be used in the Time & "
                       "Services Worksheet.|150.00")));
    reports.clear();
    EXPECT_TRUE(t.SetHourlyRate());  // "abc" does not convert: 0, after its report
    EXPECT_DOUBLE_EQ(session->settings().DefaultRate, 0);
    EXPECT_FALSE(reports.numbers().isEmpty());
    EXPECT_TRUE(t.SetInternetLocation(QuoteSite::Stocks));
    EXPECT_EQ(session->settings().StockQuoteURL, QStringLiteral("https://quotes.example/s?q="));
    EXPECT_TRUE(script.asked[2].startsWith(
        QStringLiteral("Internet Stock Site|Enter the Internet stock site.|")));
}

TEST_F(ToolsCommandsTest, DefaultFileLocationsByTag) {
    script.folder = temp.filePath(QStringLiteral("wm3/"));
    ToolsCommands t = tools();
    const QString client = session->settings().ClientFolder;
    EXPECT_TRUE(t.SetFileLocation(FileLocation::WM3Files));
    EXPECT_EQ(session->settings().WM3Folder, temp.filePath(QStringLiteral("wm3")));
    EXPECT_EQ(session->settings().ClientFolder, client);
    EXPECT_TRUE(script.asked[0].startsWith(QStringLiteral("Select Directory|")));
    script.folder.reset();
    EXPECT_FALSE(t.SetFileLocation(FileLocation::TemporaryFiles));
    EXPECT_EQ(session->settings().TempFolder, temp.path());
}

TEST_F(ToolsCommandsTest, HelpPagesManualAndTaxForms) {
    ToolsCommands t = tools();
    EXPECT_TRUE(t.OpenHelpContents());
    EXPECT_TRUE(t.OpenTutorial());
    EXPECT_TRUE(t.OpenTaxForm(1003));
    ASSERT_EQ(launcher.urls.size(), 3);
    EXPECT_EQ(launcher.urls[0], QUrl(HelpContentsAddress.toString()));
    EXPECT_EQ(launcher.urls[1], QUrl(TutorialAddress.toString()));
    EXPECT_EQ(launcher.urls[2], QUrl(QStringLiteral("https://www.irs.gov/pub/irs-pdf/f2848.pdf")));
    ASSERT_EQ(script.messages.size(), 1);
    EXPECT_TRUE(script.messages[0].startsWith(
        QStringLiteral("The form you requested is brought to you directly from the IRS")));

    EXPECT_FALSE(t.OpenTaxForm(1006));
    EXPECT_EQ(reports.numbers(), QList<int>{9999});
    EXPECT_EQ(launcher.urls.size(), 3);

    // The manual: missing, then present, then no program for it.
    session->settings().ProgramFolder = temp.path();
    EXPECT_FALSE(t.OpenManual());
    EXPECT_EQ(script.messages.last(), QStringLiteral("The specified file was not found."));
    session->settings().ProgramFolder = temp.filePath(QStringLiteral("gone"));
    EXPECT_FALSE(t.OpenManual());
    EXPECT_EQ(script.messages.last(), QStringLiteral("The specified path was not found."));
    session->settings().ProgramFolder = temp.path();
    QFile manual(temp.filePath(QStringLiteral("wendmoor4.pdf")));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.write("%PDF-1.4\n");
    manual.close();
    const int shown = script.messages.size();
    EXPECT_TRUE(t.OpenManual());
    EXPECT_EQ(launcher.urls.last(), QUrl::fromLocalFile(manual.fileName()));
    EXPECT_EQ(script.messages.size(), shown);
    launcher.succeeds = false;
    EXPECT_FALSE(t.OpenManual());
    EXPECT_EQ(script.messages.last(),
              QStringLiteral("There is no application associated with the given filename "
                             "extension."));
}

}  // namespace
}  // namespace wm4
