#pragma once
// What a command-line command works with: the case session (one case, the
// program settings, the schedule buffers and the text wrapper of a run) set up
// from the command's arguments.
//
// Creating a session settles the data folder (--data DIR; else, for a binary
// run from the build tree, the source tree's data/; else the installed
// share/wendmoor4) and reads the settings file when it exists, never writing
// it. --data also overrides the folders the settings file names.
#include <memory>

#include "app/command_line.h"
#include "session/case_session.h"

namespace wm4 {

class EngineSession {
public:
    explicit EngineSession(const CommandArgs& args);
    ~EngineSession();
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    CaseSession& session() { return *m_session; }
    CaseData& data() { return m_session->data(); }
    TAnswer& answers() { return m_session->answers(); }
    ProgramSettings& settings() { return m_session->settings(); }
    ScheduleBuffers& buffers() { return m_session->buffers(); }
    TextWrapper& wrapper() { return m_session->wrapper(); }

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
    RunOutcome calculate() { return m_session->calculate(); }
    // The same for a command whose work needs the finished run: a run that
    // stopped at a fault throws CommandError with StoppedRunText and
    // `consequence` ("No packet was written.").
    void calculateToTheEnd(const QString& consequence);

private:
    QString m_command;
    std::unique_ptr<CaseSession> m_session;
};

}  // namespace wm4
