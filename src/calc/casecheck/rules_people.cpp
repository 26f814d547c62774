// Persons: everyone a notice goes to or a waiver names needs an address, one
// person's name is spelled alike wherever it is typed, and a letter to an
// organisation is not greeted as a person.
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include "calc/casecheck/check_support.h"
#include "calc/casecheck/rules.h"
#include "calc/checks/worksheet_marks.h"
#include "calc/units/blocks.h"
#include "case/worksheet_columns.h"
#include "forms/page116.h"
#include "forms/page117.h"
#include "forms/page119.h"
#include "forms/page122.h"
#include "forms/page125.h"

namespace wm4::casecheck {

namespace {

struct PersonForm {
    int kinColumn;
    const char* form;
};
// The notices and waivers the kin worksheet sends persons to.
constexpr PersonForm kNoticesAndWaivers[] = {
    {kinColumn::ToForm2_1, "2.1 Waiver of Notice of Probate"},
    {kinColumn::ToForm2_2, "2.2 Notice of Probate"},
    {kinColumn::ToForm4_3, "4.3 Waiver of Right to Administer"},
    {kinColumn::ToForm4_4, "4.4 Notice of Hearing on Appointment"},
    {kinColumn::ToForm5_2, "5.2 Waiver of Notice of Application"},
    {kinColumn::ToForm5_3, "5.3 Notice of Application to Relieve"},
    {kinColumn::ToForm6_2, "6.2 Waiver of Notice on Hearing"},
    {kinColumn::ToForm6_3, "6.3 Notice of Hearing"},
    {kinColumn::ToForm6_4C, "6.4C Waiver and Consent"},
    {kinColumn::ToForm10_2, "10.2 Notice of Hearing on Application"},
    {kinColumn::ToForm10_4, "10.4 Notice to Distributee"},
    {kinColumn::ToForm13_4, "13.4 Waiver of Partial Account"},
    {kinColumn::ToForm13_5, "13.5 Notice of Hearing on Account"},
    {kinColumn::ToForm13_7b, "13.7b Waiver of Notice of Hearing on Account"},
    {kinColumn::ToForm24_2, "24.2 Notice of Hearing"},
};

}  // namespace

void noticeAddresses(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const WorksheetStore& kin = data.KSchedList;
    for (int r = 0; r < kin.rowCount(); ++r) {
        QStringList forms;
        for (const PersonForm& form : kNoticesAndWaivers)
            if (isMarked(kin, form.kinColumn, r)) forms << QString::fromLatin1(form.form);
        if (forms.isEmpty()) continue;
        const bool street = !kin.cell(kinColumn::Street, r).trimmed().isEmpty();
        const bool city = !kin.cell(kinColumn::CityStateZip, r).trimmed().isEmpty();
        if (street && city) continue;
        const QString name = kin.cell(kinColumn::Name, r).trimmed();
        add(out, rule,
            QStringLiteral("%1 has no %2 but is on %3.")
                .arg(name.isEmpty() ? QStringLiteral("A person without a name") : name,
                     !street && !city ? QStringLiteral("address")
                     : !street        ? QStringLiteral("street address")
                                      : QStringLiteral("city, state and ZIP code"),
                     forms.join(QStringLiteral(", "))),
            ReportPlace::worksheetRow(KinSheet, r));
    }
}

namespace {

struct TypedName {
    QString text;   // as typed
    QString key;    // compared form
    QString where;  // for the finding
    ReportPlace place;
};

// Letters and digits only, lower case, one blank between words: "Thomas R.
// Whitcombe" and "thomas r whitcombe" compare alike.
QString nameKey(const QString& name) {
    QString key;
    bool blank = false;
    for (QChar c : name) {
        if (c.isLetterOrNumber()) {
            if (blank && !key.isEmpty()) key += u' ';
            key += c.toLower();
            blank = false;
        } else if (c.isSpace() || c == u',' || c == u'.') {
            blank = true;
        }
    }
    return key;
}

// One letter added, dropped, changed, or two neighbours swapped.
bool oneSlip(const QString& a, const QString& b) {
    if (a == b) return false;
    const qsizetype la = a.size(), lb = b.size();
    if (qAbs(la - lb) > 1) return false;
    if (la == lb) {
        qsizetype first = -1, count = 0;
        for (qsizetype i = 0; i < la; ++i)
            if (a[i] != b[i]) {
                if (first < 0) first = i;
                ++count;
            }
        if (count == 1) return true;
        return count == 2 && first + 1 < la && a[first] == b[first + 1] && a[first + 1] == b[first];
    }
    const QString& longer = la > lb ? a : b;
    const QString& shorter = la > lb ? b : a;
    qsizetype i = 0;
    while (i < shorter.size() && shorter[i] == longer[i]) ++i;
    return shorter.mid(i) == longer.mid(i + 1);
}

// A share typed after a distributee's name ("Ann Doe 1/2", "Ann Doe 50%").
QString withoutShare(const QString& name) {
    static const QRegularExpression share(QStringLiteral("\\s+[0-9./%]+\\s*$"));
    QString n = name;
    n.remove(share);
    return n.trimmed();
}

void addName(QList<TypedName>& names, const QString& text, const QString& where,
             const ReportPlace& place) {
    const QString typed = text.trimmed();
    if (typed.isEmpty()) return;
    names.append({typed, nameKey(typed), where, place});
}

QList<TypedName> typedNames(const CaseData& data) {
    namespace g = units::gi;
    QList<TypedName> names;
    const ReportPlace general = ReportPlace::pageCopy(GeneralInformation, 0);
    const std::pair<int, const char*> giNames[] = {
        {g::DecedentName, "the decedent"}, {g::AttorneyName, "the attorney"},
        {g::FiduciaryName, "the fiduciary"}, {g::CoFiduciaryName, "the co-fiduciary"},
        {g::SpouseName, "the surviving spouse"}};
    for (const auto& [slot, what] : giNames)
        addName(names, gi(data, slot),
                QStringLiteral("General Information, %1").arg(QString::fromLatin1(what)), general);
    const WorksheetStore& kin = data.KSchedList;
    for (int r = 0; r < kin.rowCount(); ++r)
        addName(names, kin.cell(kinColumn::Name, r), QStringLiteral("Kin Worksheet, row %1").arg(r + 1),
                ReportPlace::worksheetRow(KinSheet, r));
    const WorksheetStore& assets = data.ASchedList;
    for (int r = 0; r < assets.rowCount(); ++r)
        for (const QString& n : assets.cell(assetColumn::Distributees, r).split(u','))
            addName(names, withoutShare(n),
                    QStringLiteral("Asset Worksheet, row %1, distributees").arg(r + 1),
                    ReportPlace::worksheetRow(AssetSheet, r));
    const WorksheetStore& expenses = data.ESchedList;
    for (int r = 0; r < expenses.rowCount(); ++r)
        for (const QString& n : expenses.cell(expenseColumn::InterestedPersons, r).split(u','))
            addName(names, n.trimmed(),
                    QStringLiteral("Expense Worksheet, row %1, interested persons").arg(r + 1),
                    ReportPlace::worksheetRow(ExpenseSheet, r));
    return names;
}

}  // namespace

// Two spellings are one person's when they compare alike without case,
// blanks and punctuation, or differ by one slip of a letter in a name long
// enough that a slip is likelier than a second person ("Thomas R. Whitcombe"
// and "Thomas R Whitcombe"; "Eleanor M. Whitcombe" and "Elenor M. Whitcombe").
void nameSpellings(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    constexpr int SlipMinimumLength = 10;
    const QList<TypedName> names = typedNames(data);
    QSet<QString> reported;  // each pair of spellings once
    for (qsizetype j = 1; j < names.size(); ++j)
        for (qsizetype i = 0; i < j; ++i) {
            const TypedName& a = names[i];
            const TypedName& b = names[j];
            if (a.text == b.text) continue;
            const bool alike = a.key == b.key ||
                               (qMin(a.key.size(), b.key.size()) >= SlipMinimumLength &&
                                oneSlip(a.key, b.key));
            if (!alike) continue;
            const QString pair = a.text < b.text ? a.text + u'\n' + b.text : b.text + u'\n' + a.text;
            if (reported.contains(pair)) continue;
            reported.insert(pair);
            add(out, rule,
                QStringLiteral("\"%1\" (%2) and \"%3\" (%4) look like one name spelled two ways.")
                    .arg(b.text, b.where, a.text, a.where),
                b.place);
        }
}

namespace {

// The letters to kin rows: the (k+1)-th row marked for a letter gets its
// copy k, greeted "Mr." or "Ms." and the last word of the name.
struct KinLetter {
    int kinColumn;
    int page;
    int salutationSlot;
    int copies;  // how many of the marked rows get one (0: every one)
    const char* what;
};
constexpr KinLetter kKinLetters[] = {
    {kinColumn::ToWillLetter, page116::Page, page116::Salutation, 0, "will letter"},
    {kinColumn::ToInventoryLetter, page117::Page, page117::Salutation, 0, "inventory letter"},
    {kinColumn::ToAccountLetter, page119::Page, page119::Salutation, 0, "account letter"},
    {kinColumn::ToInsuranceLetter, page122::Page, page122::Salutation, 0, "life insurance letter"},
    {kinColumn::ToAppraiserLetter, page125::Page, page125::Salutation, 1,
     "letter to the appraiser"},
};

// Words that name an organisation rather than a person.
bool namesAnOrganisation(const QString& name) {
    static const QSet<QString> words{QStringLiteral("company"),      QStringLiteral("co"),
                                     QStringLiteral("corporation"),  QStringLiteral("corp"),
                                     QStringLiteral("incorporated"), QStringLiteral("inc"),
                                     QStringLiteral("llc"),          QStringLiteral("llp"),
                                     QStringLiteral("ltd"),          QStringLiteral("bank"),
                                     QStringLiteral("trust"),        QStringLiteral("insurance"),
                                     QStringLiteral("association"),  QStringLiteral("society"),
                                     QStringLiteral("church"),       QStringLiteral("foundation"),
                                     QStringLiteral("university"),   QStringLiteral("college"),
                                     QStringLiteral("hospital"),     QStringLiteral("fund"),
                                     QStringLiteral("department"),   QStringLiteral("agency"),
                                     QStringLiteral("bureau"),       QStringLiteral("office"),
                                     QStringLiteral("services"),     QStringLiteral("group"),
                                     QStringLiteral("partners"),     QStringLiteral("union"),
                                     QStringLiteral("home"),         QStringLiteral("county")};
    static const QRegularExpression separators(QStringLiteral("[^A-Za-z]+"));
    for (const QString& word : name.toLower().split(separators, Qt::SkipEmptyParts))
        if (words.contains(word)) return true;
    return false;
}

}  // namespace

// A letter greets its addressee "Mr." or "Ms." and the last word of the
// name, which for a company reads "Ms. Company"; the office types the
// greeting over on the letter (override), after which it is left alone.
void letterSalutations(const CaseRule& rule, const CaseData& data, CaseFindings& out) {
    const WorksheetStore& kin = data.KSchedList;
    for (const KinLetter& letter : kKinLetters) {
        int copy = 0;
        for (int r = 0; r < kin.rowCount(); ++r) {
            if (!isMarked(kin, letter.kinColumn, r)) continue;
            const int thisCopy = copy++;
            if (letter.copies > 0 && thisCopy >= letter.copies) break;
            const QString name = kin.cell(kinColumn::Name, r).trimmed();
            if (!namesAnOrganisation(name) ||
                data.answers.ovRide(letter.page, thisCopy, letter.salutationSlot))
                continue;
            add(out, rule,
                QStringLiteral("The %1 to %2 greets it as \"%3\"; type the greeting over on the "
                               "letter.")
                    .arg(QString::fromLatin1(letter.what), name,
                         data.answers.answer(letter.page, thisCopy, letter.salutationSlot)
                             .trimmed()),
                ReportPlace::pageCopy(letter.page, thisCopy));
        }
    }
}

}  // namespace wm4::casecheck
