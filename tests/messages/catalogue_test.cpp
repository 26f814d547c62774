#include "messages/catalogue.h"

#include <gtest/gtest.h>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

using namespace wm4;

namespace {
const QString Caller = QStringLiteral("Lot 7, Elm Street");
}

TEST(MessageCatalogue, HoldsEveryMessageAndOnePlaceholderPerHundred) {
    const QList<int> numbers = catalogueNumbers();
    EXPECT_EQ(numbers.size(), 155);  // 128 messages, 27 placeholders
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
    for (int hundred = 1100; hundred <= 3700; hundred += 100)
        EXPECT_TRUE(hasMessage(hundred)) << hundred;
}

TEST(MessageCatalogue, EveryTextStartsWithItsOwnNumber) {
    for (int number : catalogueNumbers()) {
        const QString text = messageText(number, QString());
        const QString prefix = QString::number(number);
        const QString separator = number == 1106                     ? QStringLiteral(" -")
                                  : number >= 1601 && number <= 1614 ? QStringLiteral(". ")
                                                                     : QStringLiteral("-");
        EXPECT_TRUE(text.startsWith(prefix + separator)) << text.toStdString();
    }
}

TEST(MessageCatalogue, FixedEntriesIgnoreTheCallersText) {
    struct Case {
        int number;
        const char* text;
    };
    const Case cases[] = {
        {1101,
         "1101-You should save client files with the extension wm4. The extension of this file "
         "is being changed to wm4. "},
        {1200, "1200-Error in Margins"},
        {1300, "1300-ErrorMessage. "},
        {1400, "1400-Error messages go here. "},
        {1409, "1409-. "},
        {1500, "1500-Reserved."},
        {1501,
         "1501-The directory choice is not valid. You'll need to reset the default zq3 file "
         "location when the dialog opens. The default path is ~/Documents/Wendmoor4/Files/"},
        {2126, "2126-NumberToWords. "},
        {2305, "2305-No record selected."},
        {2900, "2900-Error messages go here"},
        {2924,
         "2924-Form 7.2 has room for 5 minors. If you have more than 5, you can platoon this "
         "form. See our YouTube video on platooning. The person causing this error is being "
         "removed from the consent.."},
        {3001,
         "3001-The \"motor vehicle\" portion of Form 5.10 is limited to 2 lines of text. You have "
         "assigned more text than will fit on that form. You need to revisit the Asset Worksheet "
         "and remove some items, or condense the text so it will fit in the alloted space."},
        {3108, "3108-The auto(es) in this estate exceed the $65,000 limitation on Form 6.0. "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(messageText(c.number, Caller), QString::fromUtf8(c.text)) << c.number;
        EXPECT_EQ(messageText(c.number, QString()), QString::fromUtf8(c.text)) << c.number;
    }
}

TEST(MessageCatalogue, TextEntriesAppendTheCallersText) {
    struct Case {
        int number;
        const char* head;
    };
    const Case cases[] = {
        {1107, "1107-Error in New Form routine - "},
        {2120,
         "2120-Str2Float_2. An error occurred while Wendmoor4 was attempting to convert this text "
         "to a real number: "},
        {2134,
         "2134-Str2Date. An error occurred while Wendmoor4 was attempting to convert this text to "
         "a valid date: "},
        {3302, "3302-An error occurred when Wendmoor4 attempted to open the file: "},
        {1301,
         "1301-INI File Error. Wendmoor4 was unable to find or read the configuration file, "
         "usually by default: \"~/.config/Quillon/Wendmoor4/wendmoor4.ini\". Wendmoor4 will fix "
         "this error automatically. If it occurs regularly this issue needs investigation. The "
         "reason: "},
        {3501,
         "3501-Some text of this case holds characters a case file cannot store (its character "
         "set has no emoji, Chinese, Greek, Cyrillic or right-to-left letters); they were saved "
         "as \"?\". Retype that text in letters of the Latin alphabet. Where: "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(messageText(c.number, Caller), QString::fromUtf8(c.head) + Caller) << c.number;
        EXPECT_EQ(messageText(c.number, QString()), QString::fromUtf8(c.head)) << c.number;
    }
}

TEST(MessageCatalogue, EndingEntriesWrapTheCallersText) {
    struct Case {
        int number;
        const char* head;
        const char* ending;
    };
    const Case cases[] = {
        {1202, "1202-Unable to convert the text - ", " - to a number. Str2Float_2. "},
        {1601,
         "1601. You sent an asset to Form 3.0, but have not categorized it. Click on the "
         "\"Set\" button to the right of the \"Category:\" label on the Asset Worksheet and "
         "pick an appropriate category. The uncategorized asset is: ",
         "...."},
        {1611,
         "1611. You sent an asset to the Executor's fee calculation form  but have not "
         "categorized it. Click on the \"Set\" button to the right of the \"Category:\" label "
         "on the Asset Worksheet. The asset with the category is: ",
         "...."},
        {2905,
         "2905-Computation of Guardian Fees Error. Enter a percentage as a decimal. Your entry "
         "of ",
         " is being erased. Please re-enter. "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageText(c.number, Caller),
                  QString::fromUtf8(c.head) + Caller + QString::fromUtf8(c.ending))
            << c.number;
}

TEST(MessageCatalogue, NumbersWithoutAnEntryAreUnidentified) {
    // Numbers this program never reports (ReportNumbers.* holds every number
    // it does against the catalogue).
    for (int number : {115, 1145, 1153, 1701, 1704, 1705, 2140, 0, 9999}) {
        EXPECT_FALSE(hasMessage(number)) << number;
        EXPECT_EQ(messageText(number, Caller),
                  QStringLiteral("Unidentified error -  ") + QString::number(number));
    }
}

TEST(MessageCatalogue, TextsSpeakOfThisPlatform) {
    // The catalogue once sent users to Windows programs and paths.
    const QStringList windowsWords = {"MS Word", "WordPad", "TextEdit",
                                      "C:\\",    "Borland", "Database Engine"};
    QStringList texts;
    for (int number : catalogueNumbers()) texts << messageText(number, Caller);
    for (int digit = 0; digit <= 9; ++digit) texts << adviceLine(digit);
    for (const QString& text : texts)
        for (const QString& word : windowsWords)
            EXPECT_FALSE(text.contains(word)) << text.toStdString();
    EXPECT_TRUE(messageText(1155, {}).contains("libreoffice-writer"));
    EXPECT_TRUE(messageText(1155, {}).contains("LibreOffice Writer"));
    EXPECT_TRUE(messageText(1302, {}).contains("~/.config/Quillon/Wendmoor4/wendmoor4.ini"));
    EXPECT_TRUE(adviceLine(8).contains("libreoffice-writer"));
    // The button beside "Category:" on the asset worksheet reads "Set".
    EXPECT_TRUE(messageText(1609, {}).contains("Click on the \"Set\" button"));
    // "Too many copies" says what to do, naming the form.
    const QString copies = messageText(1801, QStringLiteral("2.2 Notice of Probate"));
    EXPECT_TRUE(copies.startsWith("1801-Too many copies of 2.2 Notice of Probate: "));
    EXPECT_TRUE(copies.contains("Send fewer worksheet rows"));
}

TEST(AdviceLines, OneLinePerDigitAndNoneForZero) {
    EXPECT_EQ(adviceLine(0), QString());
    EXPECT_EQ(adviceLine(1),
              "One of Wendmoor4's internal RTF or DAT files may be corrupted. If restarting "
              "doesn't fix the problem it may be necessary to reinstall Wendmoor4. ");
    EXPECT_EQ(adviceLine(3), "Possible memory error. Close any other programs. ");
    EXPECT_EQ(adviceLine(7),
              "Calculation Error. An error occurred as Wendmoor4 attempted to make the "
              "calculations on the schedule or form above.");
    EXPECT_EQ(adviceLine(9),
              "You must reduce the amount of text sent to the form referred to above. ");
    for (int digit = 1; digit <= 9; ++digit) EXPECT_FALSE(adviceLine(digit).isEmpty()) << digit;
    EXPECT_EQ(adviceLine(-1), QString());
    EXPECT_EQ(adviceLine(10), QString());
}
