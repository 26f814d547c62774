#include "app/output_paths.h"

#include <QDir>

#include "files/same_file.h"

namespace wm4 {

void RefuseCaseAsOutput(const CommandArgs& args, const QString& casePath, const QString& outPath) {
    if (IsSameFile(casePath, outPath))
        throw CommandError(QStringLiteral("%1: the output \"%2\" is the case file \"%3\" itself; "
                                          "nothing was written (name another file)")
                               .arg(args.command(), QDir::toNativeSeparators(outPath),
                                    QDir::toNativeSeparators(casePath)));
}

void RefuseCaseAsOutputs(const CommandArgs& args, const QString& casePath,
                         const QStringList& outPaths) {
    for (const QString& path : outPaths) RefuseCaseAsOutput(args, casePath, path);
}

}  // namespace wm4
