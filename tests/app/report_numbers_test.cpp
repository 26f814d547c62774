// Every report the program can raise has a text in the catalogue. The test
// reads the sources: each ReportError call passes a number, a named constant
// (`quint16 Name = 25019;`), or relays a number that comes from elsewhere: a
// table of the checks, or the callers of a routine that reports for them.
// Each relay is listed below with where its numbers come from; a call site
// that fits none of these fails, so a new one cannot slip past unread.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <functional>

#include "calc/checks/category_test.h"
#include "calc/checks/dollar_ceilings.h"
#include "calc/checks/item_capacity.h"
#include "calc/checks/line_capacity.h"
#include "calc/checks/person_capacity.h"
#include "messages/catalogue.h"

namespace wm4 {
namespace {

const QString Root = QStringLiteral(WM4_SOURCE_ROOT);

// A source file without its line comments (ReportError is named in many of
// them). A "//" only after a blank or at the start of a line: an address in
// a string ("https://") stays.
struct Source {
    QString path;  // from the root: "src/calc/units/blocks.cpp"
    QString code;
};

QString withoutComments(QString text) {
    static const QRegularExpression line(QStringLiteral(R"((^|\s)//[^\n]*)"),
                                         QRegularExpression::MultilineOption);
    return text.replace(line, QStringLiteral("\\1"));
}

// Every source of the program but the catalogue and the report routine.
const QList<Source>& sources() {
    static const QList<Source> all = [] {
        QList<Source> out;
        QDirIterator it(Root + QStringLiteral("/src"),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = path.mid(Root.size() + 1);
            if (relative.startsWith(QStringLiteral("src/messages/"))) continue;
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) continue;
            out.append({relative, withoutComments(QString::fromUtf8(file.readAll()))});
        }
        return out;
    }();
    return all;
}

// The named report constants, per file: "quint16 ErrDebtLines = 29190;".
using Constants = QMap<QString, int>;
QMap<QString, Constants> constantsByFile() {
    static const QRegularExpression declared(
        QStringLiteral(R"(\bquint16\s+(\w+)\s*=\s*(\d+)\s*;)"));
    QMap<QString, Constants> out;
    for (const Source& s : sources())
        for (auto it = declared.globalMatch(s.code); it.hasNext();) {
            const auto m = it.next();
            out[s.path][m.captured(1)] = m.captured(2).toInt();
        }
    return out;
}

// The values a name stands for as seen from file: its own constant first,
// else every file's constant of that name (two files may share a name).
QList<int> valuesOf(const QString& name, const QString& file) {
    static const QMap<QString, Constants> constants = constantsByFile();
    if (constants.value(file).contains(name)) return {constants.value(file).value(name)};
    QList<int> values;
    for (const Constants& c : constants)
        if (c.contains(name)) values.append(c.value(name));
    return values;
}

// The report numbers written in an argument list or a table: five-digit
// literals and the names of report constants.
QList<int> numbersIn(const QString& text, const QString& file) {
    static const QRegularExpression token(QStringLiteral(R"(\b(\d{5}|[A-Za-z_]\w*)\b)"));
    QList<int> out;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QString t = it.next().captured(1);
        if (t.front().isDigit())
            out.append(t.toInt());
        else
            out += valuesOf(t, file);
    }
    return out;
}

// The text between the parenthesis at `open` and its partner.
QString argumentsAt(const QString& code, qsizetype open) {
    int depth = 0;
    for (qsizetype i = open; i < code.size(); ++i) {
        if (code[i] == u'(') ++depth;
        if (code[i] == u')' && --depth == 0) return code.mid(open + 1, i - open - 1);
    }
    return {};
}

// The numbers every call of `routine` in the program passes to it.
QList<int> passedTo(const QString& routine) {
    const QRegularExpression call(QStringLiteral(R"(\b%1\s*\()").arg(routine));
    QList<int> out;
    for (const Source& s : sources())
        for (auto it = call.globalMatch(s.code); it.hasNext();) {
            const auto m = it.next();
            out += numbersIn(argumentsAt(s.code, m.capturedEnd() - 1), s.path);
        }
    return out;
}

// The numbers written anywhere in one file (a table of its own).
QList<int> writtenIn(const QString& file) {
    for (const Source& s : sources())
        if (s.path == file) return numbersIn(s.code, s.path);
    return {};
}

template <typename Table>
QList<int> numbersOfTable(const Table& table) {
    QList<int> out;
    for (const auto& row : table) out.append(row.errNo);
    return out;
}

struct Relay {
    const char* file;
    const char* argument;  // as written in the ReportError call
    std::function<QList<int>()> numbers;
};

const Relay Relays[] = {
    {"src/calc/checks/line_capacity.cpp", "capacity.errNo",
     [] { return numbersOfTable(LineCapacities()); }},
    {"src/calc/checks/item_capacity.cpp", "capacity.errNo",
     [] { return numbersOfTable(ItemCapacities()); }},
    {"src/calc/checks/person_capacity.cpp", "capacity.errNo",
     [] { return numbersOfTable(PersonCapacities()); }},
    {"src/calc/checks/category_test.cpp", "rule.errNo",
     [] { return numbersOfTable(CategoryRules()); }},
    {"src/calc/checks/dollar_ceilings.cpp", "ceiling.errNo",
     [] { return numbersOfTable(ReliefCeilings()); }},
    {"src/calc/checks/dollar_ceilings.cpp", "errNo",
     [] { return passedTo(QStringLiteral("CheckAutomobileAllowance")); }},
    {"src/calc/fees/calc_ttls.cpp", "form.errNo",
     [] { return writtenIn(QStringLiteral("src/calc/fees/calc_ttls.cpp")); }},
    {"src/calc/units/blocks.cpp", "errNo", [] { return passedTo(QStringLiteral("runGuarded")); }},
    {"src/case/conversions.cpp", "failure",
     [] { return writtenIn(QStringLiteral("src/case/conversions.cpp")); }},
    {"src/schedules/schedule_common.h", "tooManyReport",
     [] { return passedTo(QStringLiteral("CountScheduleSheets")); }},
    // The row writers' report: its default and what the schedules pass on.
    {"src/schedules/schedule_common.h", "reportNo",
     [] { return writtenIn(QStringLiteral("src/schedules/schedule_common.h")); }},
};

struct Raised {
    int number;
    QString where;  // file of the call site
};

// Every report number the sources can raise; a call site that is neither a
// number, a constant nor a listed relay is a failure.
QList<Raised> raisedNumbers() {
    static const QRegularExpression call(QStringLiteral(R"(\bReportError\s*\(\s*([^,)]+))"));
    static const QRegularExpression number(QStringLiteral(R"(^\d+$)"));
    static const QRegularExpression name(QStringLiteral(R"(^[A-Za-z_]\w*$)"));
    QList<Raised> out;
    for (const Source& s : sources())
        for (auto it = call.globalMatch(s.code); it.hasNext();) {
            const QString argument = it.next().captured(1).trimmed();
            if (argument.startsWith(QStringLiteral("quint16 "))) continue;  // a declaration
            if (number.match(argument).hasMatch()) {
                out.append({argument.toInt(), s.path});
                continue;
            }
            QList<int> values;
            if (name.match(argument).hasMatch()) values = valuesOf(argument, s.path);
            bool relayed = false;
            for (const Relay& relay : Relays)
                if (s.path == QLatin1String(relay.file) &&
                    argument == QLatin1String(relay.argument)) {
                    values += relay.numbers();
                    relayed = true;
                }
            if (values.isEmpty() && !relayed)
                ADD_FAILURE() << s.path.toStdString() << ": ReportError(" << argument.toStdString()
                              << ", ...): add where its numbers come from to Relays";
            for (int v : values) out.append({v, s.path});
        }
    return out;
}

bool isPlaceholder(int message) {
    return message % 100 == 0 || message == 1409;
}

TEST(ReportNumbers, EveryReportTheProgramRaisesHasACatalogueText) {
    const QList<Raised> raised = raisedNumbers();
    // The walk found the program's reports: the ones it must not miss.
    QSet<int> numbers;
    for (const Raised& r : raised) numbers.insert(r.number);
    for (int expected :
         {18012, 25019, 25020, 25039, 29397, 30189, 30209, 30219, 30279, 30379, 30500, 30510,
          35010, 16140, 11080, 11340, 9999,  21202, 31080, 21060, 21070, 13010, 13020})
        EXPECT_TRUE(numbers.contains(expected)) << expected;
    EXPECT_GT(numbers.size(), 60);

    for (const Raised& r : raised) {
        const int message = r.number / 10;
        EXPECT_TRUE(hasMessage(message) && !isPlaceholder(message))
            << "report " << r.number << " of " << r.where.toStdString()
            << " has no catalogue text: " << messageText(message, {}).toStdString();
    }
}

}  // namespace
}  // namespace wm4
