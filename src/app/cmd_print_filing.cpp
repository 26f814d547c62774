#include "app/cmd_print_filing.h"

#include <QDir>

namespace wm4 {

FilingOptions FilingOptionsOf(const CommandArgs& args) {
    FilingOptions options;
    options.addenda = args.has(QStringLiteral("addenda"));
    options.typedSignatures = args.has(QStringLiteral("typed-signatures"));
    return options;
}

QStringList FormPdfPaths(const CommandArgs& args, const QList<FormPdf>& forms) {
    const QDir folder(args.option(QStringLiteral("pdf-folder")));
    QStringList paths;
    for (const FormPdf& form : forms) paths << folder.filePath(form.fileName);
    return paths;
}

void WriteFormPdfsOf(const CommandArgs& args, const QList<FormPdf>& forms,
                     const QString& document) {
    const QString folder = args.option(QStringLiteral("pdf-folder"));
    if (!QDir().mkpath(folder))
        throw CommandError(QStringLiteral("print: cannot make the folder %1").arg(folder));
    for (const QString& path : WriteFormPdfs(document, forms, folder)) PrintLine(path);
}

}  // namespace wm4
