#pragma once
// A command never writes over the case it reads: an output path that names
// the case file (the same file, also through a link) is refused before
// anything is written.
#include <QString>
#include <QStringList>

#include "app/command_line.h"

namespace wm4 {

// Throws CommandError when outPath names the file at casePath.
void RefuseCaseAsOutput(const CommandArgs& args, const QString& casePath, const QString& outPath);

// The same for every output a print command names: the RTF, --pdf and the
// per-form PDFs of --pdf-folder (their file names, planned beforehand).
void RefuseCaseAsOutputs(const CommandArgs& args, const QString& casePath,
                         const QStringList& outPaths);

}  // namespace wm4
