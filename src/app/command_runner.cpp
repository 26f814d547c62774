#include <cstdio>

#include "app/commands.h"
#include "files/file_error.h"
#include "messages/report.h"

namespace wm4 {

const Command* FindCommand(const QString& name) {
    for (const Command& command : Commands())
        if (name == QLatin1String(command.name)) return &command;
    return nullptr;
}

QString CommandUsage() {
    QString usage = QStringLiteral("usage: wendmoor4 [CASE.wm4]\n");
    for (const Command& command : Commands())
        usage += QStringLiteral("       wendmoor4 %1 %2\n")
                     .arg(QLatin1String(command.name), QLatin1String(command.usage));
    usage += QStringLiteral("any command: --data DIR uses DIR as the program's data folder");
    return usage;
}

int RunCommand(const QStringList& arguments) {
    // Asked for, the help text is the result: standard output, status 0.
    static const QStringList helpNames{QStringLiteral("--help"), QStringLiteral("-h"),
                                       QStringLiteral("help")};
    if (arguments.size() == 1 && helpNames.contains(arguments.first())) {
        PrintLine(CommandUsage());
        std::fflush(stdout);
        return 0;
    }
    const Command* command = arguments.isEmpty() ? nullptr : FindCommand(arguments.first());
    if (!command) {
        PrintError(CommandUsage());
        return 1;
    }
    // Every report of the command becomes one line on standard error.
    const ReportHandler previous =
        setReportHandler([](const Report& report) { PrintError(reportLine(report)); });
    int status = 0;
    try {
        const QStringList known =
            QString::fromLatin1(command->options).split(u' ', Qt::SkipEmptyParts);
        command->run(CommandArgs(arguments.first(), arguments.mid(1), known));
    } catch (const CommandStatus& done) {
        status = done.status;
    } catch (const CommandError& e) {
        PrintError(QStringLiteral("wendmoor4: ") + QString::fromUtf8(e.what()));
        status = 1;
    } catch (const FileError& e) {
        PrintError(QStringLiteral("wendmoor4: ") + e.text());
        status = 1;
    } catch (const SilentAbort&) {
        PrintError(QStringLiteral("wendmoor4: %1: abandoned after report %2")
                       .arg(arguments.first())
                       .arg(currentReportNumber()));
        status = 1;
    } catch (const std::exception& e) {
        PrintError(QStringLiteral("wendmoor4: %1: %2")
                       .arg(arguments.first(), QString::fromUtf8(e.what())));
        status = 1;
    }
    std::fflush(stdout);
    setReportHandler(previous);
    return status;
}

}  // namespace wm4
