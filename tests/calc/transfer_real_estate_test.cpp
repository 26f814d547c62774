// The real-estate papers: the parcel number split at its hyphens, the
// conveyance-fee sums, the exemption statement and the spouse's affidavit
// with its overridable wording.
#include <vector>

#include "calc/calc_case.h"
#include "calc/transfer/transfer_rows.h"
#include "calc/transfer/transfer_units.h"
#include "calc/units/units.h"
#include "forms/page000.h"
#include "forms/page057.h"
#include "forms/page100.h"
#include "forms/page102.h"
#include "forms/page196.h"

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
        gi(page0::DecedentName, "Carl Smith");
        gi(page0::DecedentLastName, "Smith");
        gi(page0::DecedentFirstName, "Carl");
        gi(page0::DecedentMiddleName, "A.");
        gi(page0::DecedentCity, "Akron");
        gi(page0::DeathDate, "May 1, 2020");
        typeAttorney();
        gi(page0::SpouseName, "Jane Smith");
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
    gi(page0::FiduciaryPhone, "330-555-0199");
    a().setAnswer(page100::Page, 0, page100::Cash, "1,000.00");
    a().setAnswer(page100::Page, 0, page100::MortgageAssumed, "$2.50");
    a().setAnswer(page100::Page, 0, page100::MarketValueIfAGift, "10");

    Calc100(ctx, 0);

    EXPECT_EQ(slot(page100::Page, page100::ParcelNumberFirstPart), "");
    EXPECT_EQ(slot(page100::Page, page100::ParcelNumberSecondPart), "");
    EXPECT_EQ(slot(page100::Page, page100::ParcelNumberThirdPart), "12345678");
    EXPECT_EQ(slot(page100::Page, page100::ParcelFirstPart), "");
    EXPECT_EQ(slot(page100::Page, page100::ParcelThirdPart), "12345678");
    EXPECT_EQ(slot(page100::Page, page100::CityOrTownship), "Akron");
    EXPECT_EQ(slot(page100::Page, page100::Grantor), "Estate of Carl Smith");
    EXPECT_EQ(slot(page100::Page, page100::GrantorTelephone),
              "330-555-0199");  // the fiduciary's, not the attorney's
    EXPECT_EQ(slot(page100::Page, page100::TheConveyanceIsExemptStatementOfReasonDTE100EX),
              "X");  // exempt: the DTE 100EX goes with it
    EXPECT_EQ(slot(page100::Page, page100::PropertyAddress),
              "");  // no house number: no address line
    EXPECT_EQ(slot(page100::Page, page100::Date), "11/30/2025");
    EXPECT_EQ(slot(page100::Page, page100::Grantee), "Jane Smith");
    EXPECT_EQ(slot(page100::Page, page100::GranteeAddress), "1 Main St, Akron, OH  44300");
    EXPECT_EQ(slot(page100::Page, page100::TotalConsideration), "1,002.50");
    EXPECT_EQ(slot(page100::Page, page100::Total), "1,012.50");
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

    EXPECT_EQ(slot(page100::Page, 1, page100::ParcelNumberFirstPart), "123");
    EXPECT_EQ(slot(page100::Page, 1, page100::ParcelNumberSecondPart), "45");
    EXPECT_EQ(slot(page100::Page, 1, page100::ParcelNumberThirdPart), "678");
    EXPECT_EQ(slot(page100::Page, 1, page100::ParcelFirstPart), "123");
    EXPECT_EQ(slot(page100::Page, 1, page100::PropertyAddress), "12 Oak Lane, Akron, OH 44300");
    EXPECT_EQ(slot(page100::Page, 1, page100::Grantee), "");  // no distributees: no transferee
}

TEST_F(RealEstateForms, Dte100ExStatement) {
    addAsset({{AssetForm12, "X"},
              {Parcel, "123-45-678"},
              {House, "12"},
              {Street, "Oak Lane"},
              {CityStateZip, "Akron, OH 44300"},
              {Volume, "V9"},
              {PageNo, "P4"},
              {AssetDistributees, "Jane Smith"},
              {AssetDescription, "Lot 4 of Elm Park"}});

    Calc196(ctx, 0);

    EXPECT_EQ(slot(page196::Page, page196::CityStateAndZIP), "Akron, OH 44300");
    EXPECT_EQ(slot(page196::Page, page196::DeedVolume), "V9");
    EXPECT_EQ(slot(page196::Page, page196::DeedPage), "P4");
    EXPECT_EQ(slot(page196::Page, page196::ParcelNumberFirstPart), "123");
    EXPECT_EQ(slot(page196::Page, page196::ParcelNumberSecondPart), "45");
    EXPECT_EQ(slot(page196::Page, page196::ParcelNumberThirdPart), "678");
    // The address once: street above the city line.
    EXPECT_EQ(slot(page196::Page, page196::PropertyAddressHouseNumberAndStreet), "12 Oak Lane");
    EXPECT_EQ(slot(page196::Page, page196::PropertyConveyedTheAssetDescription),
              "Lot 4 of Elm Park");  // the property conveyed
    EXPECT_EQ(slot(page196::Page, page196::Grantor), "Estate of Carl Smith");
    EXPECT_EQ(slot(page196::Page, page196::CertificateOfTransfer),
              "X");  // by a certificate of transfer
    EXPECT_EQ(slot(page196::Page, page196::Date), "11/30/2025");
    EXPECT_EQ(slot(page196::Page, page196::Grantee), "Jane Smith");
    EXPECT_EQ(slot(page196::Page, page196::GranteeAddress), "1 Main St, Akron, OH  44300");
    EXPECT_EQ(slot(page196::Page, page196::FurtherGranteesWithTheirShares), "");

    // A reason the user chose stays the only one ticked.
    a().setAnswer(page196::Page, 0, page196::CertificateOfTransfer, "");
    a().setAnswer(page196::Page, 0, page196::ByWillDescentOrSurvivorshipTheTransferFromTheEstate,
                  "X");
    Calc196(ctx, 0);
    EXPECT_EQ(slot(page196::Page, page196::CertificateOfTransfer), "");
}

// A parcel left to several devisees: every conveyance form names each of
// them, the first on the grantee line and the others below, with no share
// the data does not give.
TEST_F(RealEstateForms, ConveyanceFormsNameEveryGrantee) {
    addKin({{KinName, "Ann Doe"}, {KinStreet, "2 Elm"}, {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Bob Roe"}, {KinStreet, "3 Ash"}, {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Cy Poe"}, {KinStreet, "4 Fir"}, {KinCityLine, "Kent, OH  44240"}});
    addAsset({{AssetForm12, "X"},
              {AssetDistributees, "Cy Poe, Jane Smith, Ann Doe, Bob Roe"},
              {House, "12"},
              {Street, "Oak Lane"}});

    Calc100(ctx, 0);
    Calc196(ctx, 0);

    const QString further =
        "Further grantees: | Ann Doe, 2 Elm, Kent, OH  44240 | Bob Roe, 3 Ash, "
        "Kent, OH  44240 | Cy Poe, 4 Fir, Kent, OH  44240";
    EXPECT_EQ(slot(page100::Page, page100::Grantee), "Jane Smith");
    EXPECT_EQ(slot(page100::Page, page100::GranteeAddress), "1 Main St, Akron, OH  44300");
    EXPECT_EQ(slot(page100::Page, page100::FurtherGranteesWithTheirShares), further);
    EXPECT_EQ(slot(page196::Page, page196::Grantee), "Jane Smith");
    EXPECT_EQ(slot(page196::Page, page196::FurtherGranteesWithTheirShares), further);
}

// The shares typed on the certificate of transfer (12.1) are the user's:
// no run replaces them, and the conveyance forms of the same parcel state
// them. Without them nothing invents equal shares.
TEST_F(RealEstateForms, TypedCertificateSharesStayAndReachTheConveyanceForms) {
    addKin({{KinName, "Ann Doe"}, {KinStreet, "2 Elm"}, {KinCityLine, "Kent, OH  44240"}});
    addKin({{KinName, "Bob Roe"}, {KinStreet, "3 Ash"}, {KinCityLine, "Kent, OH  44240"}});
    addAsset({{AssetForm12, "X"}, {AssetDistributees, "Jane Smith, Ann Doe, Bob Roe"}});
    const auto share = [](int person) { return page57::Persons.start + 5 * person + 4; };
    units::Calc57(ctx, 0);
    units::Calc58(ctx, 0);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(slot(page57::Page, share(p)), "") << p;
    EXPECT_EQ(slot(page57::Page, page57::Persons.start + 5), "Ann Doe");

    const char* typed[] = {"1/2", "1/4", "1/4"};
    for (int p = 0; p < 3; ++p) a().setAnswer(page57::Page, 0, share(p), typed[p]);
    for (int run = 0; run < 2; ++run) {
        units::Calc57(ctx, 0);
        units::Calc58(ctx, 0);
    }
    for (int p = 0; p < 3; ++p) EXPECT_EQ(slot(page57::Page, share(p)), typed[p]) << p;
    Calc100(ctx, 0);
    Calc196(ctx, 0);
    EXPECT_EQ(slot(page100::Page, page100::Grantee), "Jane Smith (1/2)");
    EXPECT_EQ(slot(page196::Page, page196::FurtherGranteesWithTheirShares),
              "Further grantees: | Ann Doe (1/4), 2 Elm, Kent, OH  44240 | Bob Roe (1/4), 3 Ash, "
              "Kent, OH  44240");
}

TEST_F(RealEstateForms, SharesComeFromTheDistributeesText) {
    addKin({{KinName, "Ann Doe"}});
    addKin({{KinName, "Roe"}});  // a surname alone: its given names are no share
    struct Case {
        const char* distributees;
        std::vector<QString> shares;  // in the order of the kin rows
        bool sole;
    };
    const Case cases[] = {
        {"Jane Smith", {""}, true},                // named alone: the whole, no share to state
        {"Ann Doe, Jane Smith", {"", ""}, false},  // none given: none invented
        {"Ann Doe 2/3, Jane Smith (1/3)", {"1/3", "2/3"}, false},
        {"Ann Doe - one half, Jane Smith", {"", "one half"}, false},  // the other is the user's
        {"Bob Roe, Jane Smith", {"", ""}, false},
        {"", {}, false},
    };
    for (const Case& c : cases) {
        std::vector<QString> shares;
        bool sole = false;
        for (const transfer::Grantee& g : transfer::findGrantees(ctx, c.distributees)) {
            shares.push_back(g.share);
            sole = sole || g.sole;
        }
        EXPECT_EQ(shares, c.shares) << c.distributees;
        EXPECT_EQ(sole, c.sole) << c.distributees;
    }
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
              {CityStateZip, "Akron, Ohio 44300"},
              {Parcel, "1-2-3"}});
    overrideSlot(page102::Page, 0, page102::WordingIs, "was");
    overrideSlot(page102::Page, 0, page102::SurvivingSpouse, "Jane Q. Smith");

    Calc102(ctx, 0);

    EXPECT_EQ(slot(page102::Page, page102::WordingIs), "was");
    EXPECT_EQ(slot(page102::Page, page102::WordingOwner), "owner");
    EXPECT_EQ(slot(page102::Page, page102::ParcelCity),
              "Akron");  // the city alone: no ZIP in the description
    EXPECT_EQ(slot(page102::Page, page102::WordingTheUndersignedHas) + " " +
                  slot(page102::Page, page102::StatementAboutRemarriage),
              "The undersigned has survived the decedent as the decedent's surviving spouse.");
    EXPECT_EQ(slot(page102::Page, page102::Affiant), "Jane Smith");
    EXPECT_EQ(slot(page102::Page, page102::SurvivingSpouse), "Jane Q. Smith");
    EXPECT_EQ(slot(page102::Page, page102::Spouse),
              "Jane Q. Smith");  // follows the page's deponent
    EXPECT_EQ(slot(page102::Page, page102::SignatureName), "JANE Q. SMITH");
    EXPECT_EQ(slot(page102::Page, page102::Address), "12 Oak Lane");
    EXPECT_EQ(slot(page102::Page, page102::PermanentParcelNumber), "1-2-3");
    EXPECT_EQ(slot(page102::Page, page102::Frontage), "50 ft");
    EXPECT_EQ(slot(page102::Page, page102::Acreage), "0.2");
    EXPECT_EQ(slot(page102::Page, page102::Decedent), "Carl A. Smith");
    EXPECT_EQ(slot(page102::Page, page102::DecedentResidence), "Akron, Ohio");
    EXPECT_EQ(slot(page102::Page, page102::CityStateAndZIP), "Akron, OH  44308");

    a().setOvRide(page102::Page, 0, page102::WordingIs, false);
    Calc102(ctx, 0);
    EXPECT_EQ(slot(page102::Page, page102::WordingIs), "is");
}

}  // namespace
}  // namespace wm4
