// Typed signatures, form by form: the templates' /!SLOT/ markers stand on
// the lines the fiduciary, the co-fiduciary, the attorney or the applicant
// signs (the printed name's slot), and on no line a notary, a judge, a
// surety, a guarantor, a spouse, an affiant, a distributee or a buyer signs.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <map>
#include <set>

#include "data_files.h"

namespace wm4 {
namespace {

struct Signers {
    int page;
    std::set<int> typed;  // the name slots whose signature line is typed
    const char* who;
};

// clang-format off
const Signers kSigners[] = {
    {2, {89}, "1.0 back: applicant"},
    {3, {11, 16}, "2.0: attorney and applicant"},
    {4, {6}, "2.0 back: the fiduciary or the attorney signing"},
    {6, {15}, "2.2: the signer of the notice"},
    {8, {9}, "2.4: the signer"},
    {9, {8, 13}, "3.0: attorney and applicant"},
    {12, {5, 10}, "4.0: attorney and applicant (the notary's line has none)"},
    {13, {12}, "4.1: applicant"},
    {14, {5}, "4.2: the fiduciary as principal (the surety's line has none)"},
    {18, {19, 24}, "5.0: attorney and applicant"},
    {21, {94}, "5.1: applicant"},
    {28, {14, 16}, "6.0: attorney and fiduciary"},
    {33, {10}, "6.3: attorney"},
    {34, {19}, "7.1: applicant"},
    {35, {43}, "7.2: applicant"},
    {40, {11}, "9.0: fiduciary"},
    {43, {15}, "application for attorney fees: attorney (the consents have none)"},
    {45, {12, 7}, "7.0: fiduciary and attorney"},
    {46, {21}, "10.0: fiduciary"},
    {51, {7, 8}, "acceptance: fiduciary and co-fiduciary"},
    {52, {7}, "10.4: fiduciary (the distributee's receipt has none)"},
    {56, {11}, "12.0: applicant"},
    {61, {21}, "13.0: fiduciary"},
    {68, {14}, "13.5: attorney"},
    {69, {12}, "13.6: fiduciary"},
    {73, {19, 24}, "5.10: attorney and applicant (the notary's line has none)"},
    {75, {101}, "5.9: fiduciary"},
    {79, {13}, "7.0(A): fiduciary"},
    {84, {4}, "6.3AA: attorney"},
    {85, {15}, "13.8: fiduciary"},
    {86, {13}, "13.9: fiduciary"},
    {92, {11}, "13.10: the signer"},
    {110, {14, 19}, "6.4A: attorney and applicant"},
    {111, {55}, "confidential identifiers: attorney"},
    {112, {32}, "13.11: applicant"},
    {115, {14}, "stock power: fiduciary (the guarantor's line has none)"},
    {127, {27}, "9.C: fiduciary or applicant"},
    {128, {25}, "report of newly discovered assets: fiduciary"},
    {151, {6}, "24.0: fiduciary"},
    {153, {14}, "24.2: attorney"},
    {154, {4}, "24.3: attorney"},
    // None at all: BMV 3774's applicant is the person taking the title and
    // signs before a notary; the affidavits are sworn; the spouse's papers,
    // the publisher's proof and the conveyance forms' grantor are others'.
    {97, {}, "BMV 3773: the surviving spouse"},
    {98, {}, "BMV 3774: the transferee applying, before a notary"},
    {102, {}, "spouse's affidavit: affiant and notary"},
    {104, {}, "affidavit of domicile: affiant and notary"},
    {100, {}, "DTE 100: grantor"},
    {196, {}, "DTE 100EX: grantor"},
};
// clang-format on

std::set<int> typedMarkers(int page) {
    const QString rtf =
        test::ReadLatin1(test::dataDir() + QStringLiteral("/RTF/Page%1.rtf").arg(page));
    std::set<int> slots;
    static const QRegularExpression marker(QStringLiteral(R"(/!(\d+)/)"));
    for (auto it = marker.globalMatch(rtf); it.hasNext();)
        slots.insert(it.next().captured(1).toInt());
    return slots;
}

TEST(TypedSignatures, EverySignersLineOfEveryTemplate) {
    std::map<int, const Signers*> table;
    for (const Signers& s : kSigners) table[s.page] = &s;
    const QList<int> pages =
        test::PagesWithFiles(QStringLiteral("RTF"), QStringLiteral("Page"), QStringLiteral(".rtf"));
    ASSERT_GT(pages.size(), 100);
    for (int page : pages) {
        const std::set<int> found = typedMarkers(page);
        const auto row = table.find(page);
        const std::set<int> expected = row == table.end() ? std::set<int>{} : row->second->typed;
        QStringList shown;
        for (int s : found) shown << QString::number(s);
        EXPECT_EQ(found, expected)
            << "page " << page << " ("
            << (row == table.end() ? "no signer typed" : row->second->who)
            << ") types the signatures of slots " << qPrintable(shown.join(u' '));
    }
}

}  // namespace
}  // namespace wm4
