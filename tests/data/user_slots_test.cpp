// What the user types stays. Every answer a page screen offers for typing (an
// edit box, memo, check box or radio button that is neither computed nor
// overridable) is the user's: no calculation unit may replace it. The test
// types into every such answer of every page, one page at a time, over the
// sample cases, runs the whole calculation and reads the answers back.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <map>
#include <vector>

#include "calc/calc_context.h"
#include "calc/run/calculate_complete.h"
#include "case/case_data.h"
#include "case/field_codes.h"
#include "data_files.h"
#include "output/textfit/text_wrapper.h"
#include "schedules/schedule_buffers.h"
#include "support/fixed_width_measurer.h"
#include "support/report_recorder.h"
#include "support/rich_sample.h"

namespace wm4 {
namespace {

enum class Typing { Text, Amount, Whole, Percent, Mark };

struct UserSlot {
    int slot;
    Typing typing;
};

// The controls of the generated screens the user types into, by page: no
// StyleLookup (computed boxes read "EDITREADONLY", overridable ones
// "...OVERRIDEABLE"), not read-only and not disabled.
std::map<int, std::vector<UserSlot>> userSlotsOfTheScreens() {
    std::map<int, std::vector<UserSlot>> slots;
    const QDir psf(test::dataDir() + QStringLiteral("/PSF"));
    static const QRegularExpression widget(
        QStringLiteral(R"re(<widget class="(\w+)" name="\w+">(.*?)(?=<widget|</widget>))re"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(
        QStringLiteral(R"re("Tag" stdset="0">\s*<number>(\d+)</number>)re"));
    static const QRegularExpression page(QStringLiteral(R"(^page(\d+)\.psf$)"));
    for (const QString& name : psf.entryList({QStringLiteral("page*.psf")})) {
        const auto p = page.match(name);
        if (!p.hasMatch()) continue;
        QFile file(psf.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString xml = QString::fromUtf8(file.readAll());
        std::vector<UserSlot>& list = slots[p.captured(1).toInt()];
        for (auto it = widget.globalMatch(xml); it.hasNext();) {
            const auto w = it.next();
            const QString cls = w.captured(1), body = w.captured(2);
            const auto t = tag.match(body);
            if (!t.hasMatch() || body.contains(QLatin1String("StyleLookup"))) continue;
            static const QRegularExpression readOnly(
                QStringLiteral(R"re("(readOnly|enabled)">\s*<bool>(true|false)</bool>)re"));
            const auto ro = readOnly.match(body);
            if (ro.hasMatch() && (ro.captured(1) == u"readOnly") == (ro.captured(2) == u"true"))
                continue;
            const int tagValue = t.captured(1).toInt();
            if (cls == u"QLineEdit") {
                const int slot = BoundEditSlot(tagValue);
                if (slot < 0) continue;
                switch (EditKindOfTag(tagValue)) {
                    case EditKind::Amount:
                    case EditKind::Amount4:
                        list.push_back({slot, Typing::Amount});
                        break;
                    case EditKind::Whole:
                        list.push_back({slot, Typing::Whole});
                        break;
                    case EditKind::Percent:
                        list.push_back({slot, Typing::Percent});
                        break;
                    default:
                        list.push_back({slot, Typing::Text});
                        break;
                }
            } else if (cls == u"QCheckBox") {
                list.push_back({CheckSlotOfTag(tagValue), Typing::Mark});
            } else if (cls == u"QRadioButton") {
                list.push_back({tagValue, Typing::Mark});
            } else if (cls == u"QPlainTextEdit") {
                list.push_back({tagValue, Typing::Text});
            }
        }
    }
    return slots;
}

// What the user types: a text that is no date, name or amount the units
// would reformat; an amount, whole number and percentage in the form the
// screens leave them; a tick in a box left empty (an empty box is one the
// program may fill, so untickings are not typed).
QString typedValue(const UserSlot& s, const QString& before, int page) {
    switch (s.typing) {
        case Typing::Text:
            return QStringLiteral("typed by the user on %1.%2").arg(page).arg(s.slot);
        case Typing::Amount:
            return QStringLiteral("4,321.09");
        case Typing::Whole:
            return QStringLiteral("7");
        case Typing::Percent:
            return QStringLiteral("3.5");
        case Typing::Mark:
            return before == u"X" ? QString() : QStringLiteral("X");  // "" skipped
    }
    return QString();
}

// Answers the calculation computes into a slot the screen lets the user
// type, where the forms' rule says so. Keep this list short.
struct Exception {
    int page;
    int slot;
    const char* reason;
};
const Exception kExceptions[] = {
    // "The surviving spouse is the fiduciary" ticked: General Information's
    // spouse answers are the fiduciary's, copied on every run.
    {0, 42, "spouse = fiduciary"}, {0, 43, "spouse = fiduciary"}, {0, 44, "spouse = fiduciary"},
    {0, 45, "spouse = fiduciary"}, {0, 46, "spouse = fiduciary"}, {0, 47, "spouse = fiduciary"},
    {0, 58, "spouse = fiduciary"},
};

bool excepted(int page, int slot) {
    for (const Exception& e : kExceptions)
        if (e.page == page && e.slot == slot) return true;
    return false;
}

struct Sample {
    const char* name;
    std::function<void(CaseData&)> fill;
};

class UserSlots : public ::testing::TestWithParam<Sample> {};

TEST_P(UserSlots, TypedAnswersOfEveryPageSurviveTheCalculation) {
    const std::map<int, std::vector<UserSlot>> screens = userSlotsOfTheScreens();
    ASSERT_GT(screens.size(), 100u) << "the generated screens were not found";
    CaseData data;
    GetParam().fill(data);
    ScheduleBuffers buffers;
    test::FixedWidthMeasurer measurer;
    TextWrapper wrapper(measurer);
    CalcContext ctx{data, buffers, wrapper};
    test::ReportRecorder reports;  // capacity reports of typed texts are beside the point
    CalculateComplete(ctx);
    TAnswer& a = data.answers;
    int typed = 0;
    QStringList replaced;
    for (const auto& [page, slots] : screens) {
        if (page < 0 || page >= PageCount) continue;
        const int copies = std::min(std::max(1, a.PgCt[page] + 1), int(CopyCount));
        struct Kept {
            int copy, slot;
            QString before, typed;
        };
        std::vector<Kept> kept;
        for (int copy = 0; copy < copies; ++copy)
            for (const UserSlot& s : slots) {
                if (s.slot > MaxSlot[page] || a.ovRide(page, copy, s.slot)) continue;
                const QString before = a.answer(page, copy, s.slot);
                const QString value = typedValue(s, before, page);
                if (value.isEmpty()) continue;
                a.setAnswer(page, copy, s.slot, value);
                kept.push_back({copy, s.slot, before, value});
            }
        CalculateComplete(ctx);
        for (const Kept& k : kept) {
            ++typed;
            const QString after = a.answer(page, k.copy, k.slot);
            if (after != k.typed && !excepted(page, k.slot))
                replaced << QStringLiteral("page %1 copy %2 slot %3: typed \"%4\", now \"%5\"")
                                .arg(page)
                                .arg(k.copy)
                                .arg(k.slot)
                                .arg(k.typed, after);
            a.setAnswer(page, k.copy, k.slot, k.before);
        }
    }
    EXPECT_GT(typed, 500) << "too few typed answers: the screens' controls were not read";
    EXPECT_TRUE(replaced.isEmpty()) << replaced.size() << " typed answers replaced:\n"
                                    << qPrintable(replaced.join(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(Samples, UserSlots,
                         ::testing::Values(Sample{"Rich", test::fillRichSample},
                                           Sample{"Relief", test::fillReliefSample},
                                           Sample{"Intestate", test::fillIntestateSample}),
                         [](const ::testing::TestParamInfo<Sample>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace wm4
