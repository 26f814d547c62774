#pragma once
// The command-line commands: "wendmoor4 NAME ..." runs command NAME headless.
//
// Adding a command: write src/app/cmd_NAME.cpp with its function, declare the
// function below and add one row to the table in commands.cpp.
#include <span>

#include "app/command_line.h"

namespace wm4 {

// Runs a command. Returns normally when the work was done (reports included);
// throws CommandError or FileError when it could not be done.
using CommandFunction = void (*)(const CommandArgs& args);

struct Command {
    const char* name;
    const char* usage;  // the arguments, for the help text
    CommandFunction run;
    const char* options;  // its options besides --data, blank-separated
};

std::span<const Command> Commands();
const Command* FindCommand(const QString& name);

// Runs the command named by arguments[0] with the rest; returns the exit
// status (0 done, 1 not done, with the reason on standard error). "--help",
// "-h" or "help" alone prints the help text on standard output (status 0).
int RunCommand(const QStringList& arguments);

// The help text listing every command.
QString CommandUsage();

// ---- the commands, one file each (cmd_<name>.cpp) ----
void RunDump(const CommandArgs& args);
void RunResave(const CommandArgs& args);
void RunImport(const CommandArgs& args);
void RunCalc(const CommandArgs& args);
void RunRenderScreen(const CommandArgs& args);
void RunPrint(const CommandArgs& args);
void RunPrintWorksheet(const CommandArgs& args);
void RunDeadlines(const CommandArgs& args);
void RunCheck(const CommandArgs& args);

// Thrown by a command that did its work and says what it found by its exit
// status (check: 3 when it found something).
struct CommandStatus {
    int status;
};
inline constexpr int CheckFoundStatus = 3;

}  // namespace wm4
