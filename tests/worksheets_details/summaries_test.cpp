#include <gtest/gtest.h>

#include <QSet>

#include "worksheets/details/detail_summaries.h"

namespace wm4 {
namespace {

namespace col = assetColumn;

AssetDetail sentTo(std::initializer_list<int> columns) {
    AssetDetail d;
    for (int c : columns) d.setSent(c, true);
    return d;
}

TEST(SendToSummary, CodesOfSetFlagsInTableOrder) {
    struct Case {
        std::initializer_list<int> columns;
        const char* summary;
    };
    const Case cases[] = {
        {{}, ""},
        {{col::ToScheduleA, col::ToCommissionersReport}, "CommRep, SchA"},
        {{col::ToForm13_0, col::ToForm6_0, col::ToForm5_1}, "5.1, 6.0, 13.0"},
        {{col::ToScheduleI}, "SchI"},
        {{col::ToScheduleH, col::ToScheduleI}, "SchH, SchI"},
        // The columns added after the first layout stand at their place in the order.
        {{col::ToForm9_C, col::ToForm9_0, col::ToForm10_0}, "9.0, 9.C, 10.0"},
        {{col::ToNewlyDiscovered, col::ToForm13_2, col::ToSpouseAffidavit}, "13.2, NDisc, SSA"},
        {{col::ToAttorneyFee, col::ToExecutorFee, col::ToIdentifiers}, "ExecFee, AttyFee, CPID"},
        {{col::ToStockPower, col::ToBmv3774}, "3774, Stock POA"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AssetSendToSummary(sentTo(c.columns)), QString::fromLatin1(c.summary));
}

TEST(SendToSummary, OnlyAnXCounts) {
    AssetDetail d;
    d.sendTo[0] = QStringLiteral("0");
    d.sendTo[1] = QStringLiteral("x");
    d.sendTo[2] = QStringLiteral("X");
    EXPECT_EQ(AssetSendToSummary(d), QStringLiteral("5.1"));
}

TEST(SendToSummary, ExpenseFlags) {
    namespace ecol = expenseColumn;
    const auto summary = [](QSet<int> set) {
        return SendToSummary(ExpenseSendToFlags, [&](int column) { return set.contains(column); });
    };
    EXPECT_EQ(summary({ecol::ToScheduleJ, ecol::ToForm13_0}), QStringLiteral("13.0, SchJ"));
    EXPECT_EQ(summary({ecol::ToForm24_4, ecol::ToForm5_1}), QStringLiteral("5.1, 24.4"));
    EXPECT_EQ(summary({ecol::ToScheduleM2, ecol::ToIdentifiers, ecol::ToCommissionersReport}),
              QStringLiteral("CPID, CommRep, SchM2"));
}

TEST(CategorySummary, ChosenItemsJoinedBySlashAndCutAtFifty) {
    AssetDetail d;
    EXPECT_EQ(CategorySummary(d), QString());
    d.categories[0] = QStringLiteral("Real Estate");  // Form 3.0
    d.categories[8] = QStringLiteral("Income");       // Form 13.0
    EXPECT_EQ(CategorySummary(d), QStringLiteral("Real Estate/Income"));

    d.categories[5] = QStringLiteral("Intangible personal property");  // Form 6.0
    d.categories[9] = QStringLiteral("Intangible personal property");  // Form 13.2
    const QString full = QStringLiteral(
        "Real Estate/Intangible personal property/Income/Intangible personal property");
    EXPECT_EQ(CategorySummary(d), full.left(50));
    EXPECT_EQ(CategorySummary(d).size(), 50);
    // The cells keep the whole item texts.
    EXPECT_EQ(d.categories[9], QStringLiteral("Intangible personal property"));
}

TEST(CategorySummary, TheSixPointZeroListsEmptyItemAddsNothing) {
    AssetDetail d;
    d.categories[5] = QString();
    d.categories[6] = QStringLiteral("Other");  // Form 7.1
    EXPECT_EQ(CategorySummary(d), QStringLiteral("Other"));
}

TEST(DetailSummaries, RealtyVehicleStockIdentifiers) {
    // Realty values by dialog order: PPN, city, number, street, volume, page,
    // lot, subdivision, frontage, depth, sublot, acreage.
    struct RealtyCase {
        std::array<const char*, 12> values;
        const char* summary;
    };
    const RealtyCase realty[] = {
        {{"", "Anytown", "12", "Oak Lane"}, "12 Oak Lane, Anytown"},
        {{"012-34-567", "Anytown"}, "Anytown, 012-34-567"},  // no leading separator
        {{"", "", "", "Oak Lane"}, "Oak Lane"},
        {{"", "", "12"}, "12"},
        {{"P", "C", "N", "S", "V", "Pg", "L", "Sd", "F", "D", "Sl", "A"},
         "N S, C, P, V, Pg, L, Sd, F, D, Sl, A"},
        {{"", "", "", "", "", "", "", "", "", "", "", "2.5 acres"}, "2.5 acres"},
        {{}, ""},
    };
    for (const RealtyCase& c : realty) {
        AssetDetail d;
        for (size_t i = 0; i < d.realty.size(); ++i)
            d.realty[i] = QString::fromLatin1(c.values[i] ? c.values[i] : "");
        EXPECT_EQ(RealtySummary(d), QString::fromLatin1(c.summary));
    }

    AssetDetail d;
    // Vehicle by dialog order: body, make, year, manufacturer, length, model,
    // serial, title, horsepower; the summary keeps that order.
    d.vehicle = {"4 door", "Buick", "2019", "", "", "LeSabre", "1G4HP", "T-55", ""};
    EXPECT_EQ(VehicleSummary(d), QStringLiteral("4 door, Buick, 2019, LeSabre, 1G4HP, T-55"));
    // Stock by dialog order: shares, class, corporation, certificate; the
    // summary starts with the corporation.
    d.stock = {"100", "Common", "Acme Corp.", "C-17"};
    EXPECT_EQ(StockSummary(d), QStringLiteral("Acme Corp., 100, Common, C-17"));
    d.stock = {"", "", "Acme Corp.", ""};
    EXPECT_EQ(StockSummary(d), QStringLiteral("Acme Corp."));
    EXPECT_EQ(IdentifierSummary({"123-45-6789", "", "SSN", "4.0", "1/2/2026"}),
              QStringLiteral("123-45-6789, SSN, 4.0, 1/2/2026"));
    EXPECT_EQ(IdentifierSummary({}), QString());
}

}  // namespace
}  // namespace wm4
