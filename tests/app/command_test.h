#pragma once
// Running command-line commands in-process for the command tests, and the
// folder each test works in.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

#include "support/file_bytes.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace wm4::test {

// What one command did: its exit status and what it printed.
struct CommandRun {
    int status;
    QString out;
    QString err;
};

// Runs "wendmoor4 ARGUMENTS..." through the command table, capturing standard
// output and standard error.
CommandRun runCommand(const QStringList& arguments);

// False when the file cannot be written.
bool writeAll(const QString& path, const QByteArray& bytes);

// The project's data folder and the shared test fixtures.
QString dataFolder();
QString fixture(const char* name);

// A test with a temporary folder of its own, in which the settings file is
// looked for. The widget application exists before the first command runs
// (render-screen draws widgets; the other commands would create a plain GUI
// application, on which widgets cannot live).
class CommandTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir m_dir;

private:
    bool m_hadConfig = false;
    QByteArray m_oldConfig;
};

}  // namespace wm4::test
