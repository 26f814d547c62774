#include "app/command_test.h"

#include <QApplication>
#include <QFile>

#include "app/commands.h"
#include "app/runtime_folder.h"

namespace wm4::test {

CommandRun runCommand(const QStringList& arguments) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCommand(arguments);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    return {status, QString::fromStdString(out), QString::fromStdString(err)};
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString dataFolder() {
    return QStringLiteral(WM4_SOURCE_DATA_DIR);
}

QString fixture(const char* name) {
    return QStringLiteral(WM4_TEST_FIXTURES_DIR "/") + QString::fromUtf8(name);
}

void CommandTest::SetUpTestSuite() {
    if (QCoreApplication::instance()) return;
    // As the program does: quiet about a missing XDG_RUNTIME_DIR.
    static PrivateRuntimeFolder runtimeFolder;
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

void CommandTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    m_hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    m_oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
}

void CommandTest::TearDown() {
    if (m_hadConfig)
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace wm4::test
