#pragma once
// The Tools and Help commands that change a setting, fill a field, or hand
// a document or web address to the desktop: Insert Today, Set Hourly Rate,
// Default File Locations, Set Internet Locations, Get Stock / Fund Quote,
// Table of Contents, Tutorial, Manual and the tax forms.
#include <QDate>
#include <QString>

#include "ui/commands/user_prompts.h"

class QWidget;

namespace wm4 {

struct ProgramSettings;
class Launcher;

// The folder a "Default File Locations" item sets, by its Tag.
enum class FileLocation { ClientFiles = 0, WM3Files = 1, TemporaryFiles = 2 };
// The quote site "Set Internet Locations" sets, by its Tag.
enum class QuoteSite { Stocks = 1, Funds = 2 };

// "wendmoor4.pdf" in the program folder (a binary run from the build tree:
// the one the build made).
QString ManualPath(const ProgramSettings& settings);

class ToolsCommands {
public:
    ToolsCommands(ProgramSettings& settings, Launcher& launcher, UserPrompts prompts);

    // Insert Today: an editable edit box gets today's short date (stored
    // when the user leaves it); any other control is left alone. Returns
    // true when a date was inserted.
    static bool InsertToday(QWidget* active, const QDate& today = QDate::currentDate());

    // Each returns true when the user confirmed (and a setting changed or a
    // page was opened).
    bool SetHourlyRate();
    bool SetFileLocation(FileLocation which);
    bool SetInternetLocation(QuoteSite which);
    bool GetQuote(QuoteSite which);

    bool OpenHelpContents();
    bool OpenTutorial();
    // Opens "wendmoor4.pdf" from the program folder; when that fails, tells
    // the user why in the desktop's words (file or folder missing, access
    // denied, no program for PDF documents).
    bool OpenManual();
    // The notice, then the tax authority's published form of Tag 1001 to
    // 1005; any other Tag reports 9999 and opens nothing.
    bool OpenTaxForm(int tag);

    // The message for a manual that could not be opened (empty when the
    // desktop opened it).
    static QString ManualFailureText(const QString& path, bool opened);

private:
    ProgramSettings& m_settings;
    Launcher& m_launcher;
    UserPrompts m_prompts;
};

}  // namespace wm4
