// make_default_case: writes the template case "default.wm4" that every new
// case of this court starts from.
//
//   make_default_case data/default.wm4
#include <QCoreApplication>
#include <cstdio>
#include <exception>

#include "case/case_data.h"
#include "files/client_file.h"

namespace {

// General Information answers (page 0) every new case starts with.
struct StartAnswer {
    int slot;
    const char* text;
};

constexpr StartAnswer kStartAnswers[] = {
    {1, "EDGAR T. WILLOW, Presiding Judge; NORA P. ASHDOWN, Judge"},
    {2, "EDGAR T. WILLOW"},
    {3, "Wendmoor"},
    {11, "Wendmoor"},  // the decedent's county of residence
    {12, "OH"},        // decedent's state
    {24, "OH"},        // attorney's state
    {31, "OH"},        // fiduciary's state
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_default_case OUT.wm4\n");
        return 2;
    }
    try {
        wm4::CaseData data;
        for (const StartAnswer& a : kStartAnswers)
            data.answers.setAnswer(0, 0, a.slot, QString::fromLatin1(a.text));
        wm4::WriteClientFile(data, QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_default_case: %s\n", e.what());
        return 1;
    }
    return 0;
}
