#pragma once
// The options for filings made electronically, kept in "efiling.ini" in the
// settings folder beside "wendmoor4.ini". That file is a fixed sequence of
// lines shared with the Windows version, so these options live apart from it.
//
// Both are off by default: the printed packet then stays as the court's
// paper forms print (a field too long prints "REDUCE TEXT", a list cut at its
// form's capacity is reported, signature lines are blank).
#include <QString>

namespace wm4 {

struct FilingOptions {
    // A text answer or list that does not fit its form prints as much as
    // fits with "(continued on addendum)"; the whole text follows the form
    // on an "Addendum to Form N" page.
    bool addenda = false;
    // Signature lines of the fiduciary, co-fiduciary, attorney and applicant
    // print "/s/ " and the signer's name.
    bool typedSignatures = false;

    bool operator==(const FilingOptions&) const = default;
};

// settingsFolder + "/efiling.ini".
QString FilingOptionsPath(const QString& settingsFolder);

// The options of the file; the defaults when it is missing or unreadable.
FilingOptions ReadFilingOptions(const QString& settingsFolder);

// Writes the options; false when the file could not be written.
bool WriteFilingOptions(const QString& settingsFolder, const FilingOptions& options);

}  // namespace wm4
