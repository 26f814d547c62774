#pragma once
// What the transfer forms share: the asset row a page copy belongs to, the
// transferee found among the kin rows, the parcel number split at its
// hyphens, and the table-driven copying of detail cells into kept slots.
#include <QString>
#include <initializer_list>
#include <vector>

#include "calc/units/blocks.h"

namespace wm4::transfer {

// The (copy+1)-th asset row marked in `sendTo`, top to bottom; -1 when there
// are fewer marked rows.
int assetRowOfCopy(const CalcContext& ctx, int sendTo, int copy);

enum class NameMatch { AsTyped, UpperCased };

// The kin rows, top to bottom and at most `limit`, whose name occurs anywhere
// in `distributees` (containment, so a surname alone matches). Nothing is
// searched for an empty distributees text, and a kin row without a name never
// matches.
std::vector<int> findTransferees(const CalcContext& ctx, const QString& distributees, int limit,
                                 NameMatch match = NameMatch::AsTyped);

// The first transferee of `distributees`, or -1.
int findTransferee(const CalcContext& ctx, const QString& distributees,
                   NameMatch match = NameMatch::AsTyped);

// One person a parcel, vehicle or holding passes to, and the share the
// person takes.
struct Grantee {
    int kinRow;
    QString share;
    bool sole = false;  // the only person named, with no share typed: takes it all
};

// Every transferee of `distributees` (the kin rows, top to bottom, whose
// name the text contains) with its share. A share is what the distributee's
// part of the text holds beside the name ("Ann Doe 1/2", "Ann Doe (one
// half)"). A part without one leaves the share unstated (for the user to
// give on the form): shares are never divided equally by the program. A
// single person named without a share is the sole grantee.
std::vector<Grantee> findGrantees(const CalcContext& ctx, const QString& distributees);

// "Ann Doe (1/2)": a grantee's name with its share, as lists print them; a
// sole grantee's name alone.
QString granteeWithShare(const CalcContext& ctx, const Grantee& grantee);

// The gender ("M", "F") of the surviving spouse's kin row, or empty: what
// tells the decedent's pronoun when the General Information marks are unset.
QString spouseKinGender(const CalcContext& ctx);

// A kin cell of `kinRow`; empty for kinRow -1.
QString kinCell(const CalcContext& ctx, int kinRow, int column);
// Street + ", " + city line of a kin row; empty for kinRow -1.
QString kinAddress(const CalcContext& ctx, int kinRow);

// An asset cell.
const QString& assetCell(const CalcContext& ctx, int row, int column);

// The permanent parcel number in its three parts: the text before the first
// "-", between the first and the second, and after the second (at most 99
// characters). Without hyphens the first two parts are empty and the last is
// the whole number.
struct ParcelParts {
    QString first, second, rest;
};
ParcelParts splitParcelNumber(const QString& parcelNumber);

// House number + " " + street name of an asset's realty details.
QString houseAndStreet(const CalcContext& ctx, int row);

// One detail cell copied into one slot.
struct CellToSlot {
    int slot;
    int column;
};
// Kept writes of asset cells into slots.
void keepAssetCells(units::PageCopy& pc, int row, std::initializer_list<CellToSlot> cells);

// One fixed wording or computed text and its slot.
struct TextToSlot {
    int slot;
    QString text;
};
void keepTexts(units::PageCopy& pc, std::initializer_list<TextToSlot> texts);

}  // namespace wm4::transfer
