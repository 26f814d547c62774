#pragma once
// The client file (".wm4"): a three-line header, the answers of every page
// copy in page and copy order, then the kin, asset, expense and time
// worksheets as text grids. Windows-1252 text, one value per line, CR LF
// written and LF or CR alone accepted.
#include <QByteArray>
#include <QString>

#include "case/case_data.h"
#include "files/file_error.h"

namespace wm4 {

// A text the file's code page cannot hold was written with "?".
inline constexpr quint16 InexactTextReport = 35010;

// The fixed client-file names.
inline const QString UntitledFileName = QStringLiteral("Untitled.wm4");
inline const QString TemplateCaseFileName = QStringLiteral("default.wm4");

// Writes the case to path. Saving is atomic: the case is written to a
// temporary file beside path, which replaces the old file only after the whole
// case was written, so a failed save leaves the previous file as it was.
// Throws FileError naming the file when the file cannot be written. An answer
// holding a character Windows-1252 cannot store is written with "?" and
// reported (35010, once per copy or worksheet).
void WriteClientFile(const CaseData& data, const QString& path);

// The file's bytes, as WriteClientFile writes them.
QByteArray ClientFileBytes(const CaseData& data);

// Reads the file at path into data: the answers of every page copy it holds
// (with the copy counts), the four worksheets, then VersionNo := the program's version. Files
// written before 4.37 are migrated. Stops at the first line it cannot read
// (end of file, a count, flag or row-count line that is not an integer, a
// copy count above 99, a negative row count, a count that asks for more lines
// than the file holds, a header real that is not a number, anything after the
// time worksheet, running out of memory); what was read before stays in
// data. Returns false on such a read error, after putting the reason (file
// name and line number) in *error when error is given.
bool ReadClientFile(CaseData& data, const QString& path, QString* error = nullptr);

// The same from bytes already read; path only names the file in errors.
bool ReadClientFileBytes(CaseData& data, const QByteArray& bytes, const QString& path,
                         QString* error = nullptr);

}  // namespace wm4
