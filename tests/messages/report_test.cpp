#include "messages/report.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

#include "support/report_recorder.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

using namespace wm4;

namespace {

const QString DigitTwoAdvice = QStringLiteral(
    "You can probably click OK and continue. If this error persists, restart Wendmoor4. If this "
    "is a date-related error, find the page and field and fix it. ");

// Points the report routine's flag at a local flag for the test's lifetime.
struct ErrFlagScope {
    bool flag = false;
    ScopedErrFlagTarget target{&flag};
};

}  // namespace

TEST(BuildReport, SplitsTheNumberIntoMessageAndAdvice) {
    const struct {
        quint16 errNo;
        const char* text;
        const char* message;
        QString advice;
    } cases[] = {
        {21202, "12a",
         "2120-Str2Float_2. An error occurred while Wendmoor4 was attempting to convert this text "
         "to a real number: 12a",
         DigitTwoAdvice},
        {30500, "ignored",
         "3050-A schedule (inventory, account, assets remaining, insolvency or Commissioner's "
         "Report) would need more than 10,000 rows: the rows beyond were left out and the "
         "calculation stopped. Send fewer worksheet rows to the form, or condense their "
         "descriptions. ",
         QString()},
        {29299, "",
         "2929-Assets with readily ascertainable value sent to Form 3.0 may be truncated because "
         "your description(s) exceed the space provided on the form. You need to revisit the "
         "Asset Worksheet and remove some items, or condense the text so it will fit in the "
         "alloted space. Try shortening your descriptions. Legal descriptions will almost never "
         "fit. ",
         "You must reduce the amount of text sent to the form referred to above. "},
        {16010, "1998 Buick LeSabre",
         "1601. You sent an asset to Form 3.0, but have not categorized it. Click on the "
         "\"Set\" button to the right of the \"Category:\" label on the Asset Worksheet and "
         "pick an appropriate category. The uncategorized asset is: 1998 Buick LeSabre....",
         QString()},
        {11552, "x",
         "1155-Word Processing Error. You must have LibreOffice Writer installed for Send to Word "
         "Processor to work: install the Debian package libreoffice-writer, or name its program "
         "with Options > Find LibreOffice Writer. If Writer is not available, use the Print "
         "function which will send the file to your default RTF viewer "
         "(Options > Force Default RTF Viewer). ",
         DigitTwoAdvice},
        {13010, "/home/ann/.config/Quillon/Wendmoor4/wendmoor4.ini, line 7: not a number",
         "1301-INI File Error. Wendmoor4 was unable to find or read the configuration file, "
         "usually by default: \"~/.config/Quillon/Wendmoor4/wendmoor4.ini\". Wendmoor4 will fix "
         "this error automatically. If it occurs regularly this issue needs investigation. The "
         "reason: /home/ann/.config/Quillon/Wendmoor4/wendmoor4.ini, line 7: not a number",
         QString()},
        {1153, "", "Unidentified error -  115",
         "Possible memory error. Close any other programs. "},
    };
    for (const auto& c : cases) {
        const Report report = buildReport(c.errNo, QString::fromUtf8(c.text));
        EXPECT_EQ(report.errNo, c.errNo);
        EXPECT_EQ(report.text, QString::fromUtf8(c.text));
        EXPECT_EQ(report.message, QString::fromUtf8(c.message)) << c.errNo;
        EXPECT_EQ(report.advice, c.advice) << c.errNo;
    }
}

TEST(ReportError, HandsTheBuiltReportToTheHandlerAndSetsTheFlag) {
    ErrFlagScope errFlag;
    test::ReportRecorder recorder;
    ReportError(21202, "12a");
    ReportError(11453);
    EXPECT_TRUE(errFlag.flag);
    ASSERT_EQ(recorder.numbers(), (QList<int>{21202, 11453}));
    EXPECT_EQ(recorder.reports()[0].message, buildReport(21202, "12a").message);
    EXPECT_EQ(recorder.reports()[0].advice, DigitTwoAdvice);
    // A number without an entry (none the program reports) still shows.
    EXPECT_EQ(recorder.reports()[1].message, "Unidentified error -  1145");
    EXPECT_EQ(currentReportNumber(), 11453);
}

TEST(ReportError, SetsTheFlagWithoutAHandlerAndWhenTheHandlerFails) {
    ErrFlagScope errFlag;
    ReportHandler previous = setReportHandler(nullptr);
    ReportError(21340, "n//");
    EXPECT_TRUE(errFlag.flag);
    EXPECT_EQ(currentReportNumber(), 21340);

    errFlag.flag = false;
    setReportHandler([](const Report&) { throw std::runtime_error("dialog failed"); });
    EXPECT_THROW(ReportError(21202, "x"), std::runtime_error);
    EXPECT_TRUE(errFlag.flag);
    setReportHandler(std::move(previous));
}

TEST(ReportError, RepeatsAreNotSuppressed) {
    test::ReportRecorder recorder;
    for (int row = 0; row < 3; ++row) ReportError(16060, QStringLiteral("row %1").arg(row));
    EXPECT_EQ(recorder.numbers(), (QList<int>{16060, 16060, 16060}));
    EXPECT_TRUE(recorder.reports()[2].message.endsWith("row 2...."));
}

TEST(ReportLine, OneLineWithTheReportNumberAndTheMainText) {
    EXPECT_EQ(reportLine(buildReport(21202, "12a")),
              "REPORT 21202: 2120-Str2Float_2. An error occurred while Wendmoor4 was attempting "
              "to convert this text to a real number: 12a");
    EXPECT_EQ(reportLine(buildReport(25020, QString())).left(50),
              "REPORT 25020: 2502-Form 2.2, the notice of probate");
    EXPECT_EQ(reportLine(buildReport(33020, "/cases/a\r\nb\nc\rd.wm4")),
              "REPORT 33020: 3302-An error occurred when Wendmoor4 attempted to open the file: "
              "/cases/a b c d.wm4");
}
