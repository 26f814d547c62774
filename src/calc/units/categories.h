#pragma once
// Category names of the asset worksheet as the forms look for them.
//
// A category cell holds the text of the item picked in the category list;
// cases imported from the prior version and older cases carry other
// wordings of the same category ("1st automobile", "Stocks & Bonds"). Each
// category below lists every wording that means it; cells are compared
// without regard to case (and to surrounding blanks).
#include <QString>

namespace wm4::units {

enum class Category {
    // Form 5.1 (assetColumn::Category5_1)
    FirstAutoToSpouse,
    SecondAutoToSpouse,
    RealProperty,
    Other,
    // Form 5.6 (Category5_6)
    PersonaltyToBeSold,
    AccountsToBeReleased,
    RemainderToBeDistributed,
    // Form 5.10 (Category5_10)
    MotorVehicle,
    Accounts,
    StocksAndBonds,
    RealEstate,
    // Form 7.1 / 7.2 (Category7_1, Category7_2)
    SecondAutomobile,
    Spouse,
    Others,
    // Form 3.0 (Category3_0)
    ReadilyAscertainableValue,
    PersonalPropertyWithoutAscertainableValue,
};

// True when the cell names the category in any of its wordings.
bool categoryMatches(const QString& cell, Category category);

}  // namespace wm4::units
