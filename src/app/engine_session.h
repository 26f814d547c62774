#pragma once
// What a command-line command works with: one case, the program settings, the
// schedule buffers and the text wrapper of a calculation run.
//
// Creating a session settles the data folder (--data DIR; else, for a binary
// run from the build tree, the source tree's data/; else the installed
// share/wendmoor4) and reads the settings file when it exists, never writing
// it. --data also overrides the folders the settings file names.
#include <memory>

#include "app/command_line.h"
#include "case/case_data.h"
#include "files/settings.h"
#include "schedules/schedule_buffers.h"

namespace wm4 {

class TextMeasurer;
class TextWrapper;

class EngineSession {
public:
    explicit EngineSession(const CommandArgs& args);
    ~EngineSession();
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    CaseData& data() { return *m_data; }
    TAnswer& answers() { return m_data->answers; }
    ProgramSettings& settings() { return m_settings; }
    ScheduleBuffers& buffers() { return *m_buffers; }
    // The wrapper with the settings' MemoWidthFactor, measuring with Qt's
    // font metrics (created on first use).
    TextWrapper& wrapper();

    // Reads a client file into a fresh store (no template case). Throws
    // CommandError with the reason (file and line) when it cannot be read.
    void readCase(const QString& path);
    // Reads a prior-version file into a fresh store. Throws CommandError.
    void importWM3(const QString& path);
    // Writes the case (atomically). Throws FileError.
    void saveCase(const QString& path) const;

    // The full calculation run (CalculateComplete) over the case, with this
    // session's buffers, settings and wrapper; what it finds wrong is
    // reported, not thrown.
    void calculate();

private:
    std::unique_ptr<CaseData> m_data;
    ProgramSettings m_settings;
    std::unique_ptr<ScheduleBuffers> m_buffers;
    std::unique_ptr<TextMeasurer> m_measurer;
    std::unique_ptr<TextWrapper> m_wrapper;
};

}  // namespace wm4
