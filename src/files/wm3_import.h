#pragma once
// Import of a prior-version (".wm3") client file into the current case.
//
// The prior-version file is read into its own answer store and four worksheet
// grids, then copied into the case: every answer slot of every page copy, and
// the worksheets with their columns re-arranged and a few category texts
// replaced by the current wording.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

#include "case/case_data.h"
#include "files/file_error.h"
#include "messages/version.h"

namespace wm4 {

// The override flag of a prior-version slot (read from the file, not used).
struct TWM3AObj {
    bool OvRide = false;
};

// The prior-version answer store: answer texts of pages 0-199, copies 0-99,
// with the current store's slot counts. A copy's slots are allocated when the
// file fills them.
class TWM3Answer {
public:
    bool ErrFlag = false;
    QString ProgramName = QStringLiteral("Wendmoor4");
    double VersionNo = VersionNumber;
    double DefaultHourlyRate = 0;
    int NoOf1_0 = 0, NoOf2_2 = 0, NoOf4_4 = 0, NoOf5_3 = 0, NoOf6_1 = 0, NoOf6_3 = 0, NoOf10_2 = 0,
        NoOf10_4 = 0, NoOf12 = 0, NoOf13_1 = 0, NoOf13_2 = 0, NoOf13_5 = 0, NoOf24_2 = 0,
        NoOf24_5 = 0, NoOf3774 = 0, NoOfSSA_JS = 0, NoOfStockPower = 0, NoOfWillLtr = 0,
        NoOfInvLtr = 0, NoOfAcctLtr = 0, NoOfInsLtr = 0, NoOfCPID = 0, NoOfCommRep = 0;

    // The highest copy index the file gave each page (-1: none). Page 4 holds
    // two copies at creation, as in the current store.
    std::array<int, PageCount> PgCt = [] {
        std::array<int, PageCount> counts{};
        counts[4] = 1;
        return counts;
    }();

    // The slot texts of (page, copy); empty when the file held none.
    const QStringList& copy(int page, int copy) const;
    void setAnswer(int page, int copy, int slot, const QString& text);

    // Refuses a copy index above 98 with report 18012 and a silent abort.
    void CreateAPage(int page, int copy);

private:
    std::array<std::array<QStringList, CopyCount>, PageCount> m_copies;
};

// The four prior-version worksheet grids (kin 44, asset 88, expense 25 and
// time 5 columns).
struct WM3Sheets {
    WorksheetStore WM3KSchedList{44};
    WorksheetStore WM3ASchedList{88};
    WorksheetStore WM3ESchedList{25};
    WorksheetStore WM3TSchedList{5};
};

// Reads a prior-version file's bytes into the prior-version store and grids.
// Throws FileError naming the file and line at the first line that cannot be
// read (end of file, a number line that is not a number, a copy index above
// 99, a negative row count, a count that asks for more lines than the file
// holds, anything after the last worksheet, running out of memory); what was
// read before stays.
void ReadWM3Bytes(TWM3Answer& answers, WM3Sheets& sheets, const QByteArray& bytes,
                  const QString& path);

// Copies the prior-version case into the current one: every slot text of
// every page copy (override flags as they were), the current judges and
// county on the General Information page, the worksheets with the asset
// category texts translated and the time columns moved one to the left. Sets
// VersionNo to the program's version and takes over the copy counts of the file's pages.
void CopyWM3IntoCase(const TWM3Answer& answers, const WM3Sheets& sheets, CaseData& data);

// The import: reads the file at path and copies it into data. Returns false
// after putting the reason (file name and line) in *error when error is
// given; the case is then left as it was (the import command discards it).
bool ReadWM3File(CaseData& data, const QString& path, QString* error = nullptr);

}  // namespace wm4
