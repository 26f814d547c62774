// The real-estate papers: the parcel number split at its hyphens, the
// conveyance-fee sums, the exemption statement and the spouse's affidavit
// with its overridable wording.
#include "calc/calc_case.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"

namespace wm4 {
namespace {

using test::CalcCaseTest;
using namespace test::columns;

constexpr int Parcel = 59, CityStateZip = 60, House = 61, Street = 62, Volume = 63, PageNo = 64,
              Frontage = 67, Acreage = 70;

TEST(ParcelNumber, SplitsAtTheFirstTwoHyphens) {
    struct Case {
        const char* parcel;
        const char* first;
        const char* second;
        const char* rest;
    };
    const Case cases[] = {
        {"123-45-678", "123", "45", "678"},
        {"12345678", "", "", "12345678"},  // no hyphens: all in the last part
        {"12-345", "12", "", "345"},
        {"1-2-3-4", "1", "2", "3-4"},
        {"", "", "", ""},
        {"-45-", "", "45", ""},
    };
    for (const Case& c : cases) {
        const transfer::ParcelParts parts = transfer::splitParcelNumber(c.parcel);
        EXPECT_EQ(parts.first, c.first) << c.parcel;
        EXPECT_EQ(parts.second, c.second) << c.parcel;
        EXPECT_EQ(parts.rest, c.rest) << c.parcel;
    }
    EXPECT_EQ(transfer::splitParcelNumber(QString(120, '7')).rest.size(), 99);
}

class RealEstateForms : public CalcCaseTest {
protected:
    void SetUp() override {
        ctx.today = [] { return QDate(2025, 11, 30); };
        gi(0, "Carl Smith");
        gi(5, "Smith");
        gi(6, "Carl");
        gi(7, "A.");
        gi(10, "Akron");
        gi(16, "May 1, 2020");
        gi(21, "J. Counsel");
        gi(22, "2 Court St");
        gi(23, "Akron");
        gi(24, "OH");
        gi(25, "44308");
        gi(26, "330-555-0100");
        gi(42, "Jane Smith");
        addKin(
            {{KinName, "Jane Smith"}, {KinStreet, "1 Main St"}, {KinCityLine, "Akron, OH  44300"}});
    }
};

TEST_F(RealEstateForms, Dte100WithAParcelNumberWithoutHyphens) {
    addAsset({{AssetForm12, "X"},
              {Parcel, "12345678"},
              {AssetDistributees, "Jane Smith"},
              {CityStateZip, "Akron, OH 44300"},
              {Street, "Oak Lane"}});
    a().setAnswer(100, 0, 57, "1,000.00");
    a().setAnswer(100, 0, 58, "$2.50");
    a().setAnswer(100, 0, 61, "10");

    Calc100(ctx, 0);

    EXPECT_EQ(slot(100, 0), "");
    EXPECT_EQ(slot(100, 1), "");
    EXPECT_EQ(slot(100, 2), "12345678");
    EXPECT_EQ(slot(100, 11), "");
    EXPECT_EQ(slot(100, 13), "12345678");
    EXPECT_EQ(slot(100, 8), "Akron");
    EXPECT_EQ(slot(100, 25), "Estate of Carl Smith");
    EXPECT_EQ(slot(100, 26), "330-555-0100");
    EXPECT_EQ(slot(100, 30), "");  // no house number: no address line
    EXPECT_EQ(slot(100, 77), "11/30/2025");
    EXPECT_EQ(slot(100, 27), "Jane Smith");
    EXPECT_EQ(slot(100, 29), "1 Main St, Akron, OH  44300");
    EXPECT_EQ(slot(100, 60), "1,002.50");
    EXPECT_EQ(slot(100, 62), "1,012.50");
    EXPECT_TRUE(reports.numbers().isEmpty());
}

TEST_F(RealEstateForms, Dte100CopiesFollowTheMarkedRows) {
    addAsset({{AssetForm12, "X"}, {Parcel, "1-2-3"}});
    addAsset({{AssetForm12, "X"},
              {Parcel, "123-45-678"},
              {House, "12"},
              {Street, "Oak Lane"},
              {CityStateZip, "Akron, OH 44300"}});

    Calc100(ctx, 1);

    EXPECT_EQ(slot(100, 1, 0), "123");
    EXPECT_EQ(slot(100, 1, 1), "45");
    EXPECT_EQ(slot(100, 1, 2), "678");
    EXPECT_EQ(slot(100, 1, 11), "123");
    EXPECT_EQ(slot(100, 1, 30), "12 Oak Lane, Akron, OH 44300");
    EXPECT_EQ(slot(100, 1, 27), "");  // no distributees: no transferee
}

TEST_F(RealEstateForms, Dte100ExStatement) {
    addAsset({{AssetForm12, "X"},
              {Parcel, "123-45-678"},
              {House, "12"},
              {Street, "Oak Lane"},
              {CityStateZip, "Akron, OH 44300"},
              {Volume, "V9"},
              {PageNo, "P4"},
              {AssetDistributees, "Jane Smith"}});

    Calc196(ctx, 0);

    EXPECT_EQ(slot(196, 3), "Akron, OH 44300");
    EXPECT_EQ(slot(196, 6), "V9");
    EXPECT_EQ(slot(196, 7), "P4");
    EXPECT_EQ(slot(196, 8), "123");
    EXPECT_EQ(slot(196, 9), "45");
    EXPECT_EQ(slot(196, 10), "678");
    EXPECT_EQ(slot(196, 16), "12 Oak Lane, Akron, OH 44300");
    EXPECT_EQ(slot(196, 17), "12 Oak Lane, Akron, OH 44300");
    EXPECT_EQ(slot(196, 49), "11/30/2025");
    EXPECT_EQ(slot(196, 13), "Jane Smith");
    EXPECT_EQ(slot(196, 15), "1 Main St, Akron, OH  44300");
}

// Every wording of the affidavit is a kept write: "is ... owner" typed over
// as "was ... co-owner" stays; clearing the override brings the computed
// text back on the next run.
TEST_F(RealEstateForms, SpouseAffidavitKeepsOverriddenWording) {
    addAsset({{AssetSpouseAffidavit, "X"},
              {House, "12"},
              {Street, "Oak Lane"},
              {Frontage, "50 ft"},
              {Acreage, "0.2"},
              {Parcel, "1-2-3"}});
    overrideSlot(102, 0, 30, "was");
    overrideSlot(102, 0, 4, "Jane Q. Smith");

    Calc102(ctx, 0);

    EXPECT_EQ(slot(102, 30), "was");
    EXPECT_EQ(slot(102, 31), "owner");
    EXPECT_EQ(slot(102, 2), "Jane Smith");
    EXPECT_EQ(slot(102, 4), "Jane Q. Smith");
    EXPECT_EQ(slot(102, 29), "Jane Q. Smith");  // follows the page's deponent
    EXPECT_EQ(slot(102, 33), "JANE Q. SMITH");
    EXPECT_EQ(slot(102, 7), "12 Oak Lane");
    EXPECT_EQ(slot(102, 11), "1-2-3");
    EXPECT_EQ(slot(102, 17), "50 ft");
    EXPECT_EQ(slot(102, 24), "0.2");
    EXPECT_EQ(slot(102, 26), "Carl A. Smith");
    EXPECT_EQ(slot(102, 28), "Akron, Ohio");
    EXPECT_EQ(slot(102, 44), "Akron, OH  44308");

    a().setOvRide(102, 0, 30, false);
    Calc102(ctx, 0);
    EXPECT_EQ(slot(102, 30), "is");
}

}  // namespace
}  // namespace wm4
