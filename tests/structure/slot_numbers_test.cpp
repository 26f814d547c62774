// Slots are read and written by name (the generated headers of
// build/generated/forms, from the form sources), not by number. This test
// counts the bare numbers still passed as slots in src/calc, src/schedules and
// every folder of tests/ (their support files included): integer literals in
// the slot arguments of a page copy's reads, writes and blocks (pc.put(12,
// ...), pc.signer(6, {7, 8}, ...)) and of the answer store's (answer(page,
// copy, 12)), and of the tests' and Check Case's own readers (slot(20, 57),
// sum(61, {1, 2})). Page, copy and count arguments, report numbers and
// offsets from a named slot (slot + 2, Block[2]) are not slots.
//
// The count is zero: a slot passed by number fails here, with its file.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <cstdio>

namespace {

const QString Root = QStringLiteral(WM4_SOURCE_ROOT);

// Which arguments of a call are slots: their positions, or all (-1).
const QMap<QString, QList<int>>& slotArguments() {
    static const QMap<QString, QList<int>> table = {
        {"text", {0}},
        {"overridden", {0}},
        {"isX", {0}},
        {"amount", {0}},
        {"put", {0}},
        {"keep", {0}},
        {"write", {0}},
        {"putAmount", {0}},
        {"putGi", {0}},
        {"clear", {0, 1}},
        {"caseLine", {0}},
        {"decedentBlock", {0}},
        {"attorneyBlock", {0}},
        {"fiduciaryBlock", {0}},
        {"fiduciaryNames", {0}},
        {"attorneyWithRegistration", {0, 1}},
        {"judgeLine", {0}},
        {"longDate", {0}},
        {"longDates", {-1}},
        {"inherit", {-1}},
        {"signer", {-1}},
        {"other", {1}},
        {"answer", {2}},
        {"setAnswer", {2}},
        {"ovRide", {2}},
        {"setOvRide", {2}},
        {"gi", {0}},
        {"overrideSlot", {2}},
    };
    return table;
}

// The top-level arguments of the call whose "(" ends at from.
QStringList callArguments(const QString& text, qsizetype from) {
    QStringList out;
    QString current;
    int depth = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'(' || c == u'[' || c == u'{') ++depth;
        if (c == u')' || c == u']' || c == u'}') {
            if (depth == 0) {
                out << current;
                return out;
            }
            --depth;
        }
        if (c == u',' && depth == 0) {
            out << current;
            current.clear();
        } else {
            current += c;
        }
    }
    return out;
}

// The tests' own readers, called without an object: slot(page, s) and
// slot(page, copy, s) of the calculation fixture, printed(page, s, copy) and
// amount(page, s, copy) of the packet tests, sum(page, {s, ...}), the sample
// cases' answer(data, page, s, text), overridden(data, page, s, text) and
// answers(data, page, {{s, text}, ...}), the fixture's gi(s, text) and
// overrideSlot(page, copy, s, text), and Check Case's gi(data, s) and
// slotAmount(data, page, s, copy). Which argument is the slot, by the number
// of arguments (-1: none); answers() and gi() are read apart below.
int freeSlotArgument(const QString& name, qsizetype argumentCount) {
    if (name == u"slot") return argumentCount == 2 ? 1 : argumentCount == 3 ? 2 : -1;
    if (name == u"printed" || name == u"amount" || name == u"sum")
        return argumentCount >= 2 ? 1 : -1;
    if (name == u"slotAmount" || name == u"answer" || name == u"overridden" ||
        name == u"overrideSlot")
        return argumentCount >= 3 ? 2 : -1;
    return -1;
}

bool isBareSlot(const QString& argument) {
    // A slot argument that is a number, or a list of numbers ({7, 8, 9});
    // an offset from a named slot (slot + 2, Range[1]) is no bare slot.
    static const QRegularExpression number(QStringLiteral(R"(^\s*\d+\s*$)"));
    static const QRegularExpression numberList(QStringLiteral(R"(^\s*\{[\d,\s]*\}\s*$)"));
    return number.match(argument).hasMatch() || numberList.match(argument).hasMatch();
}

int digitRuns(const QString& argument) {
    static const QRegularExpression digits(QStringLiteral(R"(\d+)"));
    int count = 0;
    for (auto d = digits.globalMatch(argument); d.hasNext(); d.next()) ++count;
    return count;
}

// The sample cases' answers(data, page, {{slot, text}, ...}): the bare
// numbers that open the list's pairs.
int bareSlotsInPairs(const QString& list) {
    const qsizetype open = list.indexOf(u'{');
    if (open < 0) return 0;
    int count = 0;
    for (const QString& pair : callArguments(list, open + 1)) {
        const qsizetype inner = pair.indexOf(u'{');
        if (inner < 0) continue;
        const QStringList items = callArguments(pair, inner + 1);
        if (!items.isEmpty() && isBareSlot(items[0])) count += digitRuns(items[0]);
    }
    return count;
}

int bareSlotNumbers(const QString& source) {
    static const QRegularExpression comment(QStringLiteral("//[^\n]*"));
    static const QRegularExpression call(QStringLiteral(
        R"(\b(?:pc|front|c|a|a\(\)|answers|answers\(\)|ctx\.A\(\)|A\(\)|data\.answers)\s*(?:\.|->)\s*(\w+)\s*\()"));
    static const QRegularExpression freeCall(QStringLiteral(
        R"((?<![\w.>])(slot|printed|amount|sum|slotAmount|answer|answers|overridden|overrideSlot|gi)\s*\()"));
    QString text = source;
    text.remove(comment);
    int count = 0;
    for (auto it = call.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const auto positions = slotArguments().find(m.captured(1));
        if (positions == slotArguments().end()) continue;
        const QStringList args = callArguments(text, m.capturedEnd());
        for (int k = 0; k < args.size(); ++k) {
            if (!positions->contains(-1) && !positions->contains(k)) continue;
            if (isBareSlot(args[k])) count += digitRuns(args[k]);
        }
    }
    for (auto it = freeCall.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QStringList args = callArguments(text, m.capturedEnd());
        if (m.captured(1) == u"answers") {
            if (args.size() >= 3) count += bareSlotsInPairs(args[2]);
            continue;
        }
        // gi(slot, text) of the calculation fixture, gi(data, slot) of Check Case.
        if (m.captured(1) == u"gi") {
            for (const QString& arg : args.mid(0, 2))
                if (isBareSlot(arg)) count += digitRuns(arg);
            continue;
        }
        const int k = freeSlotArgument(m.captured(1), args.size());
        if (k >= 0 && isBareSlot(args[k])) count += digitRuns(args[k]);
    }
    return count;
}

// The bare slot numbers of every source file below folder, by file name
// relative to the source root.
QMap<QString, int> bareSlotNumbersIn(const QString& folder) {
    const QDir root(Root);
    QMap<QString, int> counts;
    QDirIterator it(root.filePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = root.relativeFilePath(path);
        // This test's own examples of the counter's input are no slots.
        if (name == QStringLiteral("tests/structure/slot_numbers_test.cpp")) continue;
        QFile f(path);
        counts[name] =
            f.open(QIODevice::ReadOnly) ? bareSlotNumbers(QString::fromUtf8(f.readAll())) : -1;
    }
    return counts;
}

// The folders counted: the calculation and the schedules, and every folder
// of the tests (their support files included).
QStringList countedFolders() {
    QStringList folders{QStringLiteral("src/calc"), QStringLiteral("src/schedules")};
    const QDir tests(Root + QStringLiteral("/tests"));
    for (const QString& sub : tests.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << QStringLiteral("tests/") + sub;
    return folders;
}

TEST(SlotNames, NoSlotIsPassedByNumber) {
    int total = 0, srcFiles = 0, testFiles = 0;
    const QStringList folders = countedFolders();
    ASSERT_TRUE(folders.contains(QStringLiteral("tests/support")));
    for (const QString& folder : folders) {
        const QMap<QString, int> counts = bareSlotNumbersIn(folder);
        int inFolder = 0;
        for (auto it = counts.begin(); it != counts.end(); ++it) {
            ASSERT_GE(it.value(), 0) << qPrintable(it.key()) << " cannot be read";
            inFolder += it.value();
            EXPECT_EQ(it.value(), 0) << qPrintable(it.key()) << " passes " << it.value()
                                     << " slot(s) by number; use the "
                                     << "names of build/generated/forms/pageNNN.h";
        }
        (folder.startsWith(QStringLiteral("src/")) ? srcFiles : testFiles) += counts.size();
        total += inFolder;
        std::printf("bare slot numbers in %s (%lld files): %d\n", qPrintable(folder),
                    qint64(counts.size()), inFolder);
    }
    ASSERT_GT(srcFiles, 50);
    ASSERT_GT(testFiles, 100);
    std::printf("bare slot numbers left in all: %d\n", total);
}

TEST(SlotNames, TheCounterSeesSlotArgumentsOnly) {
    EXPECT_EQ(bareSlotNumbers(QStringLiteral("pc.put(12, x); pc.putGi(4, gi::DeathDate);")), 2);
    EXPECT_EQ(bareSlotNumbers(QStringLiteral("pc.signer(6, {7, 8, 9}, 11, 12, Write::Kept);")), 6);
    EXPECT_EQ(
        bareSlotNumbers(QStringLiteral("a.answer(6, 0, box); pc.clear(Area.start, "
                                       "Area.last()); pc.put(Block[2], t); pc.put(slot + 2, t);")),
        0);
    EXPECT_EQ(bareSlotNumbers(QStringLiteral("front.keep(8, t); a.answer(6, 0, 12);")), 2);
    EXPECT_EQ(bareSlotNumbers(QStringLiteral("// pc.put(3, x) in a comment\npc.put(Name, x);")), 0);
    // The tests' readers: the slot is the last of slot()'s two or three
    // arguments, the second of printed(), amount() and sum().
    EXPECT_EQ(
        bareSlotNumbers(QStringLiteral("slot(20, 57); slot(20, 1, 4); slot(page20::Page, "
                                       "page20::TotalToBeRelieved); a().setAnswer(18, 0, 14, x);")),
        3);
    EXPECT_EQ(bareSlotNumbers(QStringLiteral("printed(61, 7, 1); amount(61, Total); "
                                             "sum(61, {1, 2, 3}); answers().ovRide(28, 0, 16);")),
              5);
    EXPECT_EQ(
        bareSlotNumbers(QStringLiteral("slotAmount(data, 99, 4); slotAmount(data, Fee, Base);")),
        1);
    EXPECT_EQ(bareSlotNumbers(QStringLiteral(
                  "answers(data, 45, {{4, \"2/2/2026\"}, {page45::X, \"X\"}, {16, f(1, 2)}}, 1); "
                  "answer(data, 45, 5, \"X\"); overridden(data, 45, page45::Y, \"1\");")),
              3);
    EXPECT_EQ(bareSlotNumbers(QStringLiteral("c.gi(14, t); gi(data, 16); gi(page0::DeathDate, t); "
                                             "overrideSlot(99, 0, 2, t); units::gi::DeathDate;")),
              3);
}

}  // namespace
