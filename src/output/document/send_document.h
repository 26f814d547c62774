#pragma once
// Writing a produced document and handing it to the word processor.
#include <QString>
#include <functional>

namespace wm4 {

struct ProgramSettings;
class ProgramLauncher;

inline constexpr QStringView SendFileName = u"send_temp.rtf";

// Writes an RTF document: plain ASCII (every other character as an RTF
// Unicode escape), CR LF line ends, ending with a line end. The file is
// replaced only once the whole document is written; a failure throws
// FileError and leaves any previous file as it was.
void WriteRtfDocument(const QString& path, const QString& document);

// The file a document is sent to: "send_temp.rtf" in the temporary folder
// (created when missing) after deleting the old one; when the old one cannot
// be deleted, "send_temp" + a random number from 0 to 998 + ".rtf" beside it.
QString SendFilePath(const QString& tempFolder, const std::function<int()>& randomBelow999 = {});

// Writes the document to the send file and opens it in the word processor
// (StartWordProcessor; report 11550 when nothing starts). Returns the path
// written.
QString SendDocument(const QString& document, const ProgramSettings& settings, bool wordFound,
                     ProgramLauncher& launcher);

}  // namespace wm4
