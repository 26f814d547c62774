// formfacts: writes the page facts of every form source in data/forms (the
// focus, fit and amounts heading lines) into OUT/forms/page_facts.h, which
// the case library compiles in. It rewrites the header only when it changes.
// It is a tool of its own, apart from formgen, because formgen links the case
// library, which needs this header before it builds.
//
//   formfacts --forms data/forms --out build/generated
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <stdexcept>

#include "form_source.h"
#include "page_facts.h"
#include "screen_items.h"

using namespace formgen;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString formsDir, outDir;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--forms") && i + 1 < args.size())
            formsDir = args[++i];
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size())
            outDir = args[++i];
        else
            formsDir.clear(), outDir.clear(), i = int(args.size());
    }
    if (formsDir.isEmpty() || outDir.isEmpty()) {
        std::fprintf(stderr, "usage: formfacts --forms DIR --out DIR\n");
        return 2;
    }
    try {
        QList<PageFact> facts;
        for (const QString& name :
             QDir(formsDir).entryList({QStringLiteral("*.form")}, QDir::Files, QDir::Name)) {
            const FormSource src = ParseFormSource(formsDir + u'/' + name);
            facts.append(FactsOf(src, ExpandScreen(src)));
        }
        const QByteArray bytes = WritePageFacts(facts);
        const QString path = outDir + QStringLiteral("/forms/page_facts.h");
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return 0;
        existing.close();
        QDir().mkpath(outDir + QStringLiteral("/forms"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            throw std::runtime_error(QStringLiteral("cannot write %1").arg(path).toStdString());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "formfacts: %s\n", e.what());
        return 1;
    }
    return 0;
}
