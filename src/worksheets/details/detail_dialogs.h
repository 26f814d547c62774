#pragma once
// The detail dialogs of the asset and expense worksheets, one call each. Each
// shows its dialog modally over parent, loaded from the record it is given,
// and writes the edited values back into that record only when the user
// confirms with OK; Cancel (or closing the window) leaves the record as it
// was. The worksheet then shows the summary, saves the row and marks the case
// modified.
//
// The asset calls also rebuild the summary of what they edit, so that after
// OK the record is complete: EditCategories sets categorySummary, EditRealty
// realtySummary, EditVehicle vehicleSummary, EditStock stockSummary and the
// asset EditIdentifiers identifierSummary. (The Send To summary is built when
// the row is written, AssetDetail::writeToRow.)
#include <QString>

class QWidget;

namespace wm4 {

struct AssetDetail;
struct ExpenseDetail;
class WorksheetStore;

// "Send to:" Set: the 35 send-to flags. True on OK.
bool EditSendTo(QWidget* parent, AssetDetail& detail);

// "Category:" Set: the 12 categories and the category summary. A stored
// category is found regardless of case and written back as the list words
// it. True on OK.
bool EditCategories(QWidget* parent, AssetDetail& detail);

// "Realty:", "Vehicle:", "Stock:" Set: the free-text details and their
// summary. True on OK.
bool EditRealty(QWidget* parent, AssetDetail& detail);
bool EditVehicle(QWidget* parent, AssetDetail& detail);
bool EditStock(QWidget* parent, AssetDetail& detail);

// "Personal ID:" Set (asset mode): the five identifiers and their summary.
// True on OK.
bool EditIdentifiers(QWidget* parent, AssetDetail& detail);
// "Enter Personal Identifiers" (expense mode): true only when the user
// confirmed with OK after changing a field; the worksheet saves the row
// and marks the case modified only then.
bool EditIdentifiers(QWidget* parent, ExpenseDetail& detail);

// The distributee dialog: lists the names (column 1) of every row of kin,
// shows property (the description in the calling worksheet's panel) and
// pre-checks the names that make up the record's selection. On OK the
// selection is the checked names in list order joined by ", " (empty when
// none). The caller passes the case's kin store after storing an open kin
// window's rows into it. True on OK.
bool SelectDistributees(QWidget* parent, const WorksheetStore& kin, const QString& property,
                        AssetDetail& detail);  // distributees (asset mode)
bool SelectDistributees(QWidget* parent, const WorksheetStore& kin, const QString& property,
                        ExpenseDetail& detail);  // Form 24.2 parties (expense mode)

// The worksheets' Find: asks for the search text, showing searchText; on OK
// searchText becomes what the user entered. True on OK.
bool FindString(QWidget* parent, QString& searchText);

}  // namespace wm4
