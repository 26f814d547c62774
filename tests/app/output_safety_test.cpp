// What every command that writes a file leaves behind when the disk is full
// (a real full tmpfs where it can be mounted, an injected one always): the
// older file whole, no temporary file, exit status 1 and the reason in
// words. And no command writes over the case it reads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <functional>

#include "app/command_test.h"
#include "files/atomic_save.h"
#include "output/document/document_error.h"
#include "output/pdf/form_pdfs.h"
#include "support/full_disk.h"

namespace wm4::test {
namespace {

// Every name in the folder, hidden ones included.
QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// Each command writing OUT (a file of the given name).
struct Writer {
    const char* what;
    QStringList arguments;  // "CASE" and "OUT" stand for the paths
    const char* out;
};

const Writer Writers[] = {
    {"the page on display", {"print", "CASE", "OUT", "--page", "6"}, "page.rtf"},
    {"a worksheet printout", {"print-worksheet", "asset", "CASE", "OUT"}, "assets.rtf"},
    {"the calendar", {"deadlines", "CASE", "--ics", "OUT"}, "deadlines.ics"},
    {"a screen picture", {"render-screen", "CASE", "6", "OUT"}, "page6.png"},
    {"the case written back", {"resave", "CASE", "OUT"}, "copy.wm4"},
    {"the calculated case", {"calc", "CASE", "OUT"}, "calculated.wm4"},
};

QStringList filledIn(const QStringList& arguments, const QString& casePath,
                     const QString& outPath) {
    QStringList filled;
    for (const QString& a : arguments)
        filled << (a == u"CASE" ? casePath : a == u"OUT" ? outPath : a);
    return filled;
}

int writesLeft = 0;
ssize_t writeThenFull(int fd, const void* data, size_t size) {
    if (writesLeft-- > 0) return ::write(fd, data, std::min<size_t>(size, 100));
    errno = ENOSPC;
    return -1;
}

class OutputSafety : public CommandTest {
protected:
    void TearDown() override {
        SaveSystemCallsForTests() = m_calls;
        CommandTest::TearDown();
    }

    // Runs every writer into `folder` over an older file and checks what
    // stays. `full` makes the disk full before each run, `room` frees it.
    void expectOlderFilesKept(const QString& folder, const std::function<void()>& full,
                              const std::function<void()>& room) {
        const QString rich = fixture("rich_sample.wm4");
        for (const Writer& w : Writers) {
            SCOPED_TRACE(w.what);
            const QString out = QDir(folder).filePath(QString::fromUtf8(w.out));
            ASSERT_TRUE(writeAll(out, "the older file"));
            full();
            QStringList before = namesIn(folder);
            before.removeAll(QStringLiteral("filler"));  // gone again after room()
            const CommandRun r = runCommand(filledIn(w.arguments, rich, out));
            room();
            EXPECT_EQ(r.status, 1) << r.err.toStdString();
            EXPECT_TRUE(r.err.contains(QStringLiteral("the disk is full: no room is left in the "
                                                      "folder \"%1\"")
                                           .arg(folder)))
                << r.err.toStdString();
            EXPECT_EQ(readAll(out, "(unreadable)"), "the older file");
            EXPECT_EQ(namesIn(folder), before) << "no temporary file stays";
        }
    }

    SaveSystemCalls m_calls = SaveSystemCallsForTests();
};

TEST_F(OutputSafety, AFullDiskKeepsEveryOlderOutputWhole) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << disk.refusal().toStdString();
    expectOlderFilesKept(
        disk.path(), [&] { disk.fill(); }, [&] { disk.empty(); });
}

TEST_F(OutputSafety, AnInjectedFullDiskKeepsEveryOlderOutputWhole) {
    // The disk fills up after the first few hundred bytes of each file.
    expectOlderFilesKept(
        m_dir.path(),
        [] {
            writesLeft = 3;
            SaveSystemCallsForTests().write = writeThenFull;
        },
        [this] { SaveSystemCallsForTests() = m_calls; });
}

// The per-form PDFs are each saved whole: a disk that fills up after the
// first leaves the others as they were, and says how many were saved.
TEST_F(OutputSafety, PerFormPdfsStopWholeWhenTheDiskFills) {
    QDir(m_dir.path()).mkdir("made");
    QDir(m_dir.path()).mkdir("forms");
    QStringList made;
    for (const char* name : {"1.0 Surviving Spouse.pdf", "2.0 Probate.pdf", "6.0 Inventory.pdf"}) {
        made << path("made/") + name;
        ASSERT_TRUE(writeAll(made.back(), QByteArray("%PDF new ") + name));
        ASSERT_TRUE(writeAll(path("forms/") + name, "older"));
    }
    writesLeft = 1;  // one small file's bytes
    SaveSystemCallsForTests().write = writeThenFull;
    try {
        PlaceFormPdfs(made, path("forms"));
        ADD_FAILURE() << "every PDF was saved on a full disk";
    } catch (const DocumentError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("1 of the 3 PDFs were saved in %1 before "
                                                       "this one failed")
                                            .arg(path("forms"))))
            << e.text().toStdString();
        EXPECT_TRUE(
            e.text().contains(QStringLiteral("2.0 Probate.pdf\": cannot be written: the "
                                             "disk is full")))
            << e.text().toStdString();
    }
    SaveSystemCallsForTests() = m_calls;
    EXPECT_EQ(readAll(path("forms/1.0 Surviving Spouse.pdf")), "%PDF new 1.0 Surviving Spouse.pdf");
    EXPECT_EQ(readAll(path("forms/2.0 Probate.pdf")), "older");
    EXPECT_EQ(readAll(path("forms/6.0 Inventory.pdf")), "older");
    EXPECT_EQ(namesIn(path("forms")).size(), 3);
}

TEST_F(OutputSafety, NoOutputNamesTheCaseBeingRead) {
    const QString casePath = path("estate.wm4");
    ASSERT_TRUE(QFile::copy(fixture("rich_sample.wm4"), casePath));
    const QByteArray original = readAll(casePath);
    const QString link = path("link.wm4");
    ASSERT_TRUE(QFile::link(casePath, link));
    const QString hardLink = path("hard.wm4");
    ASSERT_EQ(
        ::link(QFile::encodeName(casePath).constData(), QFile::encodeName(hardLink).constData()),
        0);
    const QString rtf = path("out.rtf");
    const QStringList outputs[] = {
        {"print", casePath, casePath, "--page", "6"},
        {"print", casePath, link, "--forms", "all"},
        {"print", casePath, rtf, "--page", "6", "--pdf", link},
        {"print-worksheet", "kin", casePath, hardLink},
        {"print-worksheet", "kin", casePath, rtf, "--pdf", casePath},
        {"deadlines", casePath, "--ics", link},
        {"render-screen", casePath, "6", path("./estate.wm4")},
    };
    for (const QStringList& arguments : outputs) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CommandRun r = runCommand(arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("is the case file \"%1\" itself; nothing was "
                                                  "written")
                                       .arg(casePath)))
            << r.err.toStdString();
        EXPECT_EQ(readAll(casePath), original);
        EXPECT_FALSE(QFile::exists(rtf)) << "refused before anything is written";
    }
    // An import over its own prior-version file is refused the same way.
    const QString prior = path("old.wm3");
    ASSERT_TRUE(writeAll(prior, "prior"));
    const CommandRun r = runCommand({"import", prior, prior});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("is the case file"))) << r.err.toStdString();
    EXPECT_EQ(readAll(prior), "prior");
}

}  // namespace
}  // namespace wm4::test
