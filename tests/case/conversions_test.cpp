#include "case/conversions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/report_recorder.h"

using namespace wm4;

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

QString q(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

// ---- cleaning and reading numbers -------------------------------------------

TEST(RemoveCommasAndSigns, DropsSignsAndKeepsOneMinus) {
    const TextCase cases[] = {
        {"(1,234.50)", "-1234.50"},
        {"$ 12%", "12"},
        {"1-2", "-12"},
        {"", ""},
        {"--5", "-5"},
        {"(", "-"},
        {"1,000", "1000"},
        {"+3", "+3"},
        {"12a", "12a"},
        {" $ ", ""},
        {"7.125%", "7.125"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemoveCommasAndSigns(q(c.input)), q(c.expected)) << c.input;
}

struct RealCase {
    const char* input;
    double expected;
};

TEST(Str2Float, ReadsTypedAmountsAndRounds) {
    const RealCase two[] = {
        {"", 0},
        {"$1,234.567", 1234.57},
        {"(12.5)", -12.5},
        {"2.675", 2.68},
        {"1.005", 1.01},
        {"-1.005", -1.01},
        {"0.004", 0},
        {"1e3", 1000},
        {".5", 0.5},
        {"5.", 5},
        {"$ 0.00", 0},
        {"-0.001", 0},
        {"1,234,567.895", 1234567.90},
    };
    const RealCase zero[] = {{"2.5", 3}, {"-2.5", -3}, {"2.49", 2}, {"", 0}, {"0.5", 1}};
    const RealCase rate[] = {{"7.125%", 7.125}, {"0.05", 0.05}, {"", 0}, {"(1.0001)", -1.0001}};
    test::ReportRecorder recorder;
    for (const auto& c : two) EXPECT_DOUBLE_EQ(Str2Float_2(q(c.input)), c.expected) << c.input;
    for (const auto& c : zero) EXPECT_DOUBLE_EQ(Str2Float_0(q(c.input)), c.expected) << c.input;
    for (const auto& c : rate) EXPECT_DOUBLE_EQ(Str2Float_P(q(c.input)), c.expected) << c.input;
    EXPECT_TRUE(recorder.reports().isEmpty());
}

TEST(Str2Float, RoundedAmountsEqualTheTypedTwoDecimalValue) {
    // Every cent value up to 10,000.00 reads back as exactly the double the
    // text names, so sums of read amounts compare equal to typed totals.
    for (int cents = 0; cents <= 1'000'000; cents += 7) {
        const QString text = QString::asprintf("%d.%02d", cents / 100, cents % 100);
        ASSERT_EQ(Str2Float_2(text), text.toDouble()) << qPrintable(text);
    }
}

TEST(Str2Float, UnreadableTextReportsTheCleanedTextAndYieldsZero) {
    struct Failure {
        double (*read)(const QString&);
        const char* input;
        int report;
        const char* reportedText;
    };
    const Failure failures[] = {
        {Str2Float_2, "12a", 21202, "12a"},
        {Str2Float_2, "$ (1,2x)", 21202, "-12x"},
        {Str2Float_0, "abc", 21192, "abc"},
        {Str2Float_P, "5%%.1.", 21182, "5.1."},
        {Str2Float_2, "-", 21202, "-"},
        {Str2Float_2, "inf", 21202, "inf"},
        {Str2Float_2, "nan", 21202, "nan"},
        {Str2Float_2, "1e999", 21202, "1e999"},
        {Str2Float_2, "1 2.3.4", 21202, "12.3.4"},
    };
    for (const auto& f : failures) {
        test::ReportRecorder recorder;
        EXPECT_EQ(f.read(q(f.input)), 0.0) << f.input;
        ASSERT_EQ(recorder.numbers(), QList<int>{f.report}) << f.input;
        EXPECT_EQ(recorder.reports()[0].text, q(f.reportedText));
    }
}

TEST(Str2Int, ReadsWholeNumbersOnly) {
    test::ReportRecorder recorder;
    EXPECT_EQ(Str2Int("1,000"), 1000);
    EXPECT_EQ(Str2Int(""), 0);
    EXPECT_EQ(Str2Int("(7)"), -7);
    EXPECT_EQ(Str2Int("2147483647"), 2147483647);
    EXPECT_TRUE(recorder.reports().isEmpty());

    for (const char* bad : {"12.5", "2147483648", "x", "1e3"}) {
        recorder.clear();
        EXPECT_EQ(Str2Int(q(bad)), 0) << bad;
        ASSERT_EQ(recorder.numbers(), QList<int>{21212}) << bad;
        EXPECT_EQ(recorder.reports()[0].text, q(bad));
    }
    EXPECT_EQ(recorder.reports()[0].message,
              "2121-Str2Int. An error occurred while Wendmoor4 was attempting to convert this "
              "text to an integer number: 1e3");
}

TEST(Str2Float, AFailedReadSetsTheErrorFlag) {
    bool errFlag = false;
    const ScopedErrFlagTarget target(&errFlag);
    Str2Float_2("1.00");
    EXPECT_FALSE(errFlag);
    Str2Float_2("twelve");
    EXPECT_TRUE(errFlag);
}

TEST(FormatAmount, TwoDecimalsWithThousandsSeparators) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0, "0.00"},
        {-1234.5, "-1,234.50"},
        {-12, "-12.00"},
        {1234.5, "1,234.50"},
        {999.999, "1,000.00"},
        {100, "100.00"},
        {1000, "1,000.00"},
        {123456789.125, "123,456,789.13"},
        {1234567890123.0, "1,234,567,890,123.00"},
        {2.675, "2.68"},
        {-0.001, "0.00"},
        {0.005, "0.01"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatAmount(c.value), q(c.expected)) << c.value;
}

// ---- dates ------------------------------------------------------------------

TEST(ShortDateText, TurnsMonthNameDatesIntoShortDates) {
    const TextCase cases[] = {
        {"Jan 5, 2021", "1/5/2021"},
        {"January 5, 2021", "1/5/2021"},
        {"Sept. 3, 2020", "9/3/2020"},
        {"JANUARY 3, 2020", "/3/2020"},  // case-sensitive and no "/"
        {"December 31, 1999", "12/31/1999"},
        {"3/9/2021", "3/9/2021"},  // starts with a digit
        {"", ""},
        {"n/a", "n//"},
        {"May 2021", "5//"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortDateText(q(c.input)), q(c.expected)) << c.input;
}

TEST(ParseShortDate, ReadsMonthDayYearWithOrWithoutLeadingZeros) {
    const int thisYear = QDate::currentDate().year();
    const struct {
        const char* text;
        QDate expected;
    } cases[] = {
        {"3/9/2021", QDate(2021, 3, 9)},     {"03/09/2021", QDate(2021, 3, 9)},
        {"12/31/1999", QDate(1999, 12, 31)}, {"2/29/2020", QDate(2020, 2, 29)},
        {"08/01/2017", QDate(2017, 8, 1)},   {"3/9", QDate(thisYear, 3, 9)},
        {" 3/9/2021 ", QDate(2021, 3, 9)},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseShortDate(q(c.text)), c.expected) << c.text;

    for (const char* bad : {"2/29/2021", "13/1/2021", "0/1/2021", "1/32/2021", "2021-01-05",
                            "1.5.2021", "", "n/a", "1/5/2021/1", "1/5/20211"})
        EXPECT_FALSE(ParseShortDate(q(bad)).has_value()) << bad;
}

TEST(ParseShortDate, TwoDigitYearsFallWithinFiftyYearsOfNow) {
    const int thisYear = QDate::currentDate().year();
    for (int offset : {-50, -49, -1, 0, 1, 48, 49}) {
        const int year = thisYear + offset;
        const QString text = QStringLiteral("1/2/%1").arg(year % 100, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(ParseShortDate(text), QDate(year, 1, 2)) << qPrintable(text);
    }
    const int fiftyOneAgo = thisYear - 51;
    const QString text = QStringLiteral("1/2/%1").arg(fiftyOneAgo % 100, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(ParseShortDate(text), QDate(fiftyOneAgo + 100, 1, 2));
}

TEST(Str2Date, ReadsShortAndMonthNameDates) {
    test::ReportRecorder recorder;
    EXPECT_EQ(Str2Date("3/9/2021"), QDate(2021, 3, 9));
    EXPECT_EQ(Str2Date("January 5, 2021"), QDate(2021, 1, 5));
    EXPECT_EQ(Str2Date("Sept. 3, 2020"), QDate(2020, 9, 3));
    EXPECT_EQ(Str2Date("08/01/2017"), QDate(2017, 8, 1));
    EXPECT_EQ(Str2Date(""), QDate::currentDate());
    EXPECT_TRUE(recorder.reports().isEmpty());
}

TEST(Str2Date, UnreadableDateReportsTheNormalisedTextAndYieldsToday) {
    const TextCase cases[] = {
        {"JANUARY 3, 2020", "/3/2020"},
        {"2/30/2021", "2/30/2021"},
        {"n/a", "n//"},
        {"2021-01-05", "2021-01-05"},
    };
    for (const auto& c : cases) {
        test::ReportRecorder recorder;
        EXPECT_EQ(Str2Date(q(c.input)), QDate::currentDate()) << c.input;
        ASSERT_EQ(recorder.numbers(), QList<int>{21340}) << c.input;
        EXPECT_EQ(recorder.reports()[0].text, q(c.expected));
    }
}

TEST(ConvertDate, WritesShortDatesInLongForm) {
    const TextCase cases[] = {
        {"3/9/2021", "March 9, 2021"},
        {"03/09/2021", "March 9, 2021"},
        {"12/25/1999", "December 25, 1999"},
        {"March 9, 2021", "March 9, 2021"},
        {"may 9, 2021", "may 9, 2021"},  // month names in any case are kept
        {"n/a", "n/a"},
        {"", ""},
        {"2/30/2021", "2/30/2021"},
    };
    test::ReportRecorder recorder;
    for (const auto& c : cases) EXPECT_EQ(ConvertDate(q(c.input)), q(c.expected)) << c.input;
    EXPECT_TRUE(recorder.reports().isEmpty());
}

TEST(FormatShortDate, WritesWithoutLeadingZeros) {
    EXPECT_EQ(FormatShortDate(QDate(2021, 1, 5)), "1/5/2021");
    EXPECT_EQ(FormatShortDate(QDate(1999, 12, 31)), "12/31/1999");
    EXPECT_EQ(ConvertDate(FormatShortDate(QDate(2024, 2, 29))), "February 29, 2024");
}

// ---- amounts in words ---------------------------------------------------------

TEST(NumberToWords, SpellsTheWholePart) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0, "No "},
        {0.4, ""},
        {-5, ""},
        {1, "One "},
        {10, "Ten "},
        {11, "Eleven "},
        {19, "Nineteen "},
        {20, "Twenty "},
        {110, "One Hundred Ten "},
        {123, "One Hundred Twenty Three "},
        {1012, "One Thousand Twelve "},
        {15015, "Fifteen Thousand Fifteen "},
        {2000000, "Two Million "},
        {10000, "Ten Thousand "},
        {10001, "Ten Thousand One "},
        {1234.99, "One Thousand Two Hundred Thirty Four "},
        {17017017, "Seventeen Million Seventeen Thousand Seventeen "},
        {999999999,
         "Nine Hundred Ninety Nine Million Nine Hundred Ninety Nine Thousand Nine "
         "Hundred Ninety Nine "},
        {1000001, "One Million One "},
        {310000, "Three Hundred Ten Thousand "},
    };
    test::ReportRecorder recorder;
    for (const auto& c : cases) EXPECT_EQ(NumberToWords(c.value), q(c.expected)) << c.value;
    EXPECT_TRUE(recorder.reports().isEmpty());
}

TEST(NumberToWords, RefusesAmountsItCannotSpell) {
    test::ReportRecorder recorder;
    EXPECT_EQ(NumberToWords(1'000'000'000), QString());
    EXPECT_EQ(NumberToWords(std::numeric_limits<double>::infinity()), QString());
    EXPECT_EQ(NumberToWords(std::numeric_limits<double>::quiet_NaN()), QString());
    EXPECT_EQ(recorder.numbers(), (QList<int>{21260, 21260, 21270}));
    EXPECT_EQ(recorder.reports()[0].message, "2126-NumberToWords. ");
}

TEST(ConvertTeens, ReplacesTheFirstPatternOnly) {
    const TextCase cases[] = {
        {"Ten One ", "Eleven "},
        {"Ten Nine Thousand Ten Two ", "Ten Nine Thousand Twelve "},  // patterns tested in order
        {"Ten Two Thousand Ten One ", "Ten Two Thousand Eleven "},
        {"Ten Thousand ", "Ten Thousand "},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ConvertTeens(q(c.input)), q(c.expected)) << c.input;
}

// ---- words, lines and paths ----------------------------------------------------

TEST(LastWord, TakesTheTextAfterTheLastInnerBlank) {
    const TextCase cases[] = {
        {"John Q. Smith", "Smith"}, {"Smith", ""},       {"", ""},     {"Smith ", ""},
        {"Ann Lee ", "Lee "},       {" Smith", "Smith"}, {"a b", "b"}, {"x", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(LastWord(q(c.input)), q(c.expected)) << c.input;
    EXPECT_EQ(LastWord("A " + QString(120, u'z')), QString(99, u'z'));
}

TEST(BarSeparator, ConvertsBetweenLineBreaksAndBars) {
    EXPECT_EQ(CRLF2Bar("line one\r\nline two\r\n"), "line one | line two | ");
    EXPECT_EQ(CRLF2Bar("a\nb"), "a\nb");  // only CR LF is a line break
    EXPECT_EQ(Bar2CRLF("line one | line two"), "line one\r\nline two");
    EXPECT_EQ(Bar2CRLF(CRLF2Bar("a\r\n\r\nb")), "a\r\n\r\nb");
    EXPECT_EQ(Bar2Par("Lot 1 | Lot 2"), "Lot 1\\par Lot 2");
    EXPECT_EQ(Bar2Space("Lot 1 | Lot 2"), "Lot 1  Lot 2");
    EXPECT_EQ(Bar2CRLF("a|b"), "a|b");
    // Replaced until none is left, so a replacement that forms a new separator
    // with the text before it is replaced too.
    EXPECT_EQ(Bar2Space(" | | "), "   ");
    EXPECT_EQ(Bar2Par(" | | "), "\\par\\par ");
    EXPECT_EQ(Bar2CRLF(" | | "), "\r\n| ");
}

TEST(BarSeparator, MemoTextTakesLfOrCrLf) {
    // A memo widget holds LF; a pasted CR LF must not become a doubled break.
    EXPECT_EQ(MemoToBars("line one\nline two"), "line one | line two");
    EXPECT_EQ(MemoToBars("line one\r\nline two\n"), "line one | line two | ");
    EXPECT_EQ(BarsToMemo("line one | line two"), "line one\nline two");
    EXPECT_EQ(BarsToMemo(MemoToBars("a\n\nb")), "a\n\nb");
}

TEST(PathHelpers, DelimitersAndExtensions) {
    EXPECT_EQ(AddTrailingDelimiter("/home/a/Files"), "/home/a/Files/");
    EXPECT_EQ(AddTrailingDelimiter("/home/a/Files/"), "/home/a/Files/");
    EXPECT_EQ(AddTrailingDelimiter(""), "");
    EXPECT_EQ(RemoveTrailingBackslash("/home/a/Files/"), "/home/a/Files");
    EXPECT_EQ(RemoveTrailingBackslash("/home/a/Files//"), "/home/a/Files/");
    EXPECT_EQ(RemoveTrailingBackslash("/home/a/Files"), "/home/a/Files");
    const TextCase extensions[] = {
        {"send_temp.rtf", "send_temp"},
        {"a.b.c", "a.b"},
        {"estate", "estate"},
        {"/cases/2021.smith/estate", "/cases/2021.smith/estate"},
        {"/cases/2021.smith/estate.wm3", "/cases/2021.smith/estate"},
    };
    for (const auto& c : extensions)
        EXPECT_EQ(RemoveExtension(q(c.input)), q(c.expected)) << c.input;
}

TEST(FindFileInTree, FindsTheFirstMatchIgnoringCase) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("a/deep/er"));
    ASSERT_TRUE(dir.mkpath("b"));
    for (const char* file : {"a/deep/er/SOFFICE", "b/soffice", "a/other.txt"}) {
        QFile f(dir.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    bool found = false;
    QString path;
    FindFileInTree(root.path(), "soffice", found, path);
    EXPECT_TRUE(found);
    EXPECT_EQ(path, root.path() + "/a/deep/er/SOFFICE");  // depth first, name order

    path = "kept";
    FindFileInTree(root.path(), "other.txt", found, path);  // flag already set: nothing
    EXPECT_EQ(path, "kept");

    found = false;
    path.clear();
    FindFileInTree(root.path(), "missing.exe", found, path);
    EXPECT_FALSE(found);
    EXPECT_TRUE(path.isEmpty());
    FindFileInTree(root.path() + "/no such folder", "soffice", found, path);
    EXPECT_FALSE(found);
}
