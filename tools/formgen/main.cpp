// formgen: writes the page screens, print templates and width files of every
// form source in data/forms. With --check it writes nothing and fails when a
// committed file differs from what the sources generate. With --headers it
// also writes each page's slot names, DIR/forms/pageNNN.h (slot_names.h).
//
//   formgen --forms data/forms --out data [--check] [--headers DIR]
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <stdexcept>

#include "case/answers.h"
#include "form_source.h"
#include "page_facts.h"
#include "screen_items.h"
#include "screen_writer.h"
#include "slot_names.h"
#include "template_writer.h"

using namespace formgen;

namespace {

struct Output {
    QString path;
    QByteArray bytes;
};

QByteArray widthFile(int page, const QMap<int, double>& widths) {
    // One line per slot: seven numbers of which the merge reads the field kind
    // (1: the width is the sixth number) and the width in inches. Slots the
    // template does not print get the full body width.
    QByteArray out;
    for (int slot = 0; slot <= wm4::MaxSlot[page]; ++slot) {
        const double w = widths.value(slot, 7.0);
        out += QStringLiteral("0 1 0 0 1 %1 0\n").arg(w, 0, 'f', 2).toLatin1();
    }
    return out;
}

void checkSlots(const FormSource& src, const QList<int>& slots, const char* where) {
    for (int s : slots)
        if (s < 0 || s > wm4::MaxSlot[src.page])
            throw std::runtime_error(
                QStringLiteral("%1: %2 names slot %3; page %4 has slots 0 to %5")
                    .arg(src.fileName, QLatin1String(where))
                    .arg(s)
                    .arg(src.page)
                    .arg(wm4::MaxSlot[src.page])
                    .toStdString());
}

QList<Output> generate(const QString& sourcePath, const QString& outDir, const QString& headerDir) {
    const FormSource src = ParseFormSource(sourcePath);
    if (src.page < 0 || src.page >= wm4::PageCount)
        throw std::runtime_error(
            QStringLiteral("%1: page out of range").arg(sourcePath).toStdString());
    const QList<ScreenControl> controls = ExpandScreen(src);
    checkSlots(src, ScreenSlots(controls), "the screen");
    FocusTag(src, controls);  // the focus line names a control of the screen (formfacts writes it)
    const TemplateResult t = WriteTemplate(src);
    checkSlots(src, t.widths.keys(), "the template");
    const QString n = QString::number(src.page);
    QList<Output> out;
    if (!src.screen.isEmpty())
        out.append({outDir + QStringLiteral("/PSF/page") + n + QStringLiteral(".psf"),
                    WriteScreen(src, controls)});
    out.append({outDir + QStringLiteral("/RTF/Page") + n + QStringLiteral(".rtf"), t.rtf});
    out.append({outDir + QStringLiteral("/DAT/PAGE") + n + QStringLiteral(".DAT"),
                widthFile(src.page, t.widths)});
    // The names are checked on every run, written only with --headers.
    const QList<SlotName> names = SlotNames(src, controls);
    if (!headerDir.isEmpty())
        out.append({headerDir + QStringLiteral("/forms/") +
                        QFileInfo(sourcePath).completeBaseName() + QStringLiteral(".h"),
                    WriteSlotHeader(src, names)});
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString formsDir, outDir, headerDir;
    bool check = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--forms") && i + 1 < args.size())
            formsDir = args[++i];
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            outDir = args[++i];
        else if (args[i] == QLatin1String("--check"))
            check = true;
        else if (args[i] == QLatin1String("--headers") && i + 1 < args.size())
            headerDir = args[++i];
        else {
            std::fprintf(stderr,
                         "usage: formgen --forms DIR --out DATA_DIR [--check] [--headers DIR]\n");
            return 2;
        }
    }
    if (formsDir.isEmpty() || outDir.isEmpty()) {
        std::fprintf(stderr,
                     "usage: formgen --forms DIR --out DATA_DIR [--check] [--headers DIR]\n");
        return 2;
    }
    const QStringList sources =
        QDir(formsDir).entryList({QStringLiteral("*.form")}, QDir::Files, QDir::Name);
    int written = 0, stale = 0;
    try {
        for (const QString& name : sources) {
            for (const Output& o : generate(formsDir + u'/' + name, outDir, headerDir)) {
                QFile existing(o.path);
                const bool same =
                    existing.open(QIODevice::ReadOnly) && existing.readAll() == o.bytes;
                existing.close();
                if (same) continue;
                if (check) {
                    std::fprintf(stderr, "out of date: %s\n", qPrintable(o.path));
                    ++stale;
                    continue;
                }
                QDir().mkpath(QFileInfo(o.path).absolutePath());
                QFile f(o.path);
                if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                    f.write(o.bytes) != o.bytes.size())
                    throw std::runtime_error(
                        QStringLiteral("cannot write %1").arg(o.path).toStdString());
                ++written;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "formgen: %s\n", e.what());
        return 1;
    }
    if (check) {
        if (stale > 0) {
            std::fprintf(stderr,
                         "%d generated file(s) differ from data/forms; build the update-formdata "
                         "target and commit them\n",
                         stale);
            return 1;
        }
        std::printf("%lld form sources, generated files up to date\n",
                    static_cast<long long>(sources.size()));
        return 0;
    }
    std::printf("%lld form sources, %d file(s) written\n", static_cast<long long>(sources.size()),
                written);
    return 0;
}
