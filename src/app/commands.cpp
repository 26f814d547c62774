#include "app/commands.h"

namespace wm4 {

namespace {

// One row per command.
const Command CommandTable[] = {
    {"dump", "CASE.wm4 (--page N [--copy C] | --sheet kin|asset|expense|time)", RunDump,
     "page copy sheet"},
    {"resave", "IN.wm4 OUT.wm4", RunResave, ""},
    {"import", "IN.wm3 OUT.wm4", RunImport, ""},
    {"calc", "IN.wm4 OUT.wm4", RunCalc, ""},
    {"render-screen", "CASE.wm4 N [--copy C] OUT.png", RunRenderScreen, "copy"},
    {"print",
     "CASE.wm4 OUT.rtf (--forms LIST [--pdf-folder DIR] | --page N [--copy C]) [--pdf OUT.pdf] "
     "[--addenda] [--typed-signatures]",
     RunPrint, "forms page copy pdf pdf-folder addenda! typed-signatures!"},
    {"print-worksheet", "kin|asset|expense|time CASE.wm4 OUT.rtf [--pdf OUT.pdf]", RunPrintWorksheet,
     "pdf"},
    {"deadlines", "CASE.wm4 [--today M/D/YYYY] [--ics OUT.ics]", RunDeadlines, "today ics"},
    {"check", "CASE.wm4", RunCheck, ""},
};

}  // namespace

std::span<const Command> Commands() {
    return CommandTable;
}

}  // namespace wm4
