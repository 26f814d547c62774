// wendmoor4 check CASE: the full calculation, then every Check Case rule;
// one line per finding on standard output ("<rule>: <text> [<where>]").
// Exit status 0 when nothing is found, 3 when something is (reports of the
// run go to standard error as REPORT lines, as for calc), 1 when the
// calculation stopped at a fault. The case file is not written.
#include "app/commands.h"
#include "app/engine_session.h"
#include "calc/casecheck/case_check.h"
#include "calc/casecheck/reduced_text.h"
#include "files/filing_options.h"
#include "output/document/document_printer.h"
#include "output/textfit/text_wrapper.h"

namespace wm4 {

void RunCheck(const CommandArgs& args) {
    const QString in = args.argument(0, "case file");
    args.expectArguments(1);
    EngineSession session(args);
    session.readCase(in);
    // The rules read calculated answers: after a stopped run they would
    // check what is left from an earlier one.
    session.calculateToTheEnd(QStringLiteral("The case was not checked."));
    // The rule "reduced-text" merges the forms as print does.
    const ProgramSettings& s = session.settings();
    const ScopedReducedTextFinder reduced([&](const CaseData& data) {
        return FindReducedTexts(data, session.wrapper().measurer(), s.RTFFolder, s.DATFolder,
                                s.PSFFolder, ReadFilingOptions(s.SettingsFolder));
    });
    const CaseFindings findings = CheckCase(session.data());
    for (const CaseFinding& finding : findings) PrintLine(findingLine(finding));
    if (!findings.isEmpty()) throw CommandStatus(CheckFoundStatus);
}

}  // namespace wm4
