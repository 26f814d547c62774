// The layer table, enforced: every engine library is one folder of src/, the
// CMake link lines say which libraries each may use, and the README's layout
// table orders the folders from the top layer down. A file that includes a
// header of a library its own does not link (a higher layer, or a side
// layer it has no arrow to) fails, and so does a link the library's files
// never include.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

namespace {

const QString Root = QStringLiteral(WM4_SOURCE_ROOT);

QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(f.readAll());
}

struct Library {
    QString name;
    QString folder;       // below src/
    QSet<QString> links;  // the wm4_ libraries it links directly
};

// The engine libraries of src/CMakeLists.txt and src/app/CMakeLists.txt.
QMap<QString, Library> libraries() {
    QMap<QString, Library> out;
    static const QRegularExpression library(
        QStringLiteral(R"(wm4_library\((\w+)\s+(\S+)\s+LINK([^)]*)\))"));
    static const QRegularExpression app(
        QStringLiteral(R"(target_link_libraries\(wm4_app\s+PUBLIC([^)]*)\))"));
    static const QRegularExpression word(QStringLiteral(R"(\bwm4_\w+)"));
    auto linksOf = [](const QString& text) {
        QSet<QString> links;
        for (auto it = word.globalMatch(text); it.hasNext();) links.insert(it.next().captured());
        return links;
    };
    const QString src = readText(Root + QStringLiteral("/src/CMakeLists.txt"));
    for (auto it = library.globalMatch(src); it.hasNext();) {
        const auto m = it.next();
        out[m.captured(1)] = {m.captured(1), m.captured(2), linksOf(m.captured(3))};
    }
    const auto m = app.match(readText(Root + QStringLiteral("/src/app/CMakeLists.txt")));
    if (m.hasMatch())
        out[QStringLiteral("wm4_app")] = {QStringLiteral("wm4_app"), "app", linksOf(m.captured(1))};
    return out;
}

// The library whose folder holds path (below src/): the longest folder wins
// (output/textfit before output).
QString libraryOf(const QMap<QString, Library>& libs, const QString& path) {
    QString best;
    int bestLength = -1;
    for (const Library& lib : libs)
        if (path.startsWith(lib.folder + u'/') && lib.folder.size() > bestLength) {
            best = lib.name;
            bestLength = int(lib.folder.size());
        }
    return best;
}

QSet<QString> closure(const QMap<QString, Library>& libs, const QString& name) {
    QSet<QString> seen;
    QList<QString> todo{name};
    while (!todo.isEmpty()) {
        const QString n = todo.takeLast();
        for (const QString& l : libs.value(n).links)
            if (!seen.contains(l)) {
                seen.insert(l);
                todo.append(l);
            }
    }
    return seen;
}

// Every src/ file with the quoted includes that name a folder of src/.
QMap<QString, QStringList> includesBySourceFile() {
    QMap<QString, QStringList> out;
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s+"([^"]+)\")"),
                                            QRegularExpression::MultilineOption);
    const QDir src(Root + QStringLiteral("/src"));
    QDirIterator it(src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QStringList includes;
        for (auto m = include.globalMatch(readText(path)); m.hasNext();) {
            const QString header = m.next().captured(1);
            if (header.contains(u'/')) includes << header;
        }
        out[src.relativeFilePath(path)] = includes;
    }
    return out;
}

TEST(Layers, NoFileIncludesAHeaderOfALibraryItsOwnDoesNotLink) {
    const QMap<QString, Library> libs = libraries();
    ASSERT_GE(libs.size(), 12) << "the library lines of src/CMakeLists.txt were not found";
    const QMap<QString, QStringList> files = includesBySourceFile();
    ASSERT_GT(files.size(), 100);
    for (auto f = files.cbegin(); f != files.cend(); ++f) {
        const QString own = libraryOf(libs, f.key());
        ASSERT_FALSE(own.isEmpty()) << qPrintable(f.key()) << " lies in no library's folder";
        const QSet<QString> allowed = closure(libs, own);
        for (const QString& header : f.value()) {
            const QString lib = libraryOf(libs, header);
            if (lib.isEmpty() || lib == own) continue;
            EXPECT_TRUE(allowed.contains(lib))
                << qPrintable(f.key()) << " (" << qPrintable(own) << ") includes "
                << qPrintable(header) << " of " << qPrintable(lib) << ", a layer it does not link";
        }
    }
}

TEST(Layers, EachLibraryLinksOnlyWhatItsFilesInclude) {
    const QMap<QString, Library> libs = libraries();
    const QMap<QString, QStringList> files = includesBySourceFile();
    QMap<QString, QSet<QString>> used;
    for (auto f = files.cbegin(); f != files.cend(); ++f)
        for (const QString& header : f.value())
            used[libraryOf(libs, f.key())].insert(libraryOf(libs, header));
    for (const Library& lib : libs)
        for (const QString& link : lib.links)
            EXPECT_TRUE(used.value(lib.name).contains(link))
                << qPrintable(lib.name) << " links " << qPrintable(link)
                << " but none of its files includes a header of it";
}

// The layout table of the README lists every library folder, top layer first;
// a link never points up the table.
TEST(Layers, TheReadmeTableOrdersEveryLibraryAndLinksPointDown) {
    const QMap<QString, Library> libs = libraries();
    const QString readme = readText(Root + QStringLiteral("/README.md"));
    const qsizetype start = readme.indexOf(QStringLiteral("## Layout"));
    ASSERT_GE(start, 0);
    const qsizetype open = readme.indexOf(QStringLiteral("```"), start);
    const qsizetype close = readme.indexOf(QStringLiteral("```"), open + 3);
    ASSERT_GT(close, open);
    const QStringList rows = readme.mid(open + 3, close - open - 3).split(u'\n');
    QMap<QString, int> rank;  // 0 = the top row
    static const QRegularExpression folder(QStringLiteral(R"(\bsrc/([a-z/]+?)/(?=\s))"));
    for (int row = 0; row < rows.size(); ++row)
        for (auto it = folder.globalMatch(rows[row] + u' '); it.hasNext();)
            rank[it.next().captured(1)] = row;
    for (const Library& lib : libs) {
        ASSERT_TRUE(rank.contains(lib.folder))
            << "src/" << qPrintable(lib.folder) << "/ is missing from the README's layout table";
        for (const QString& link : lib.links) {
            const QString linked = libs.value(link).folder;
            ASSERT_TRUE(rank.contains(linked)) << qPrintable(link);
            EXPECT_LE(rank[lib.folder], rank[linked])
                << qPrintable(lib.name) << " links " << qPrintable(link)
                << ", which the README places above it";
        }
    }
}

}  // namespace
