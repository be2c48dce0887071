// The terminal's picture of the real program's windows, printed by the headless display's
// "print cells": the list, the entry editor over it, an alert and the help window.
#include "ProgramRun.h"

#include <regex>

using namespace endtoend;

namespace {

std::string Expected(const std::string& name) {
    return ReadFileText(std::string(KORVANE_SOURCE_DIR) + "/tests/EndToEnd/data/" + name +
                        ".cells");
}

std::vector<std::string> CellPrintouts(const std::string& out) {
    static const std::regex block("--- cells at tick \\d+ ---\\n([^]*?\\n)---\\n");
    std::vector<std::string> printouts;
    for (std::sregex_iterator at(out.begin(), out.end(), block), end; at != end; ++at)
        printouts.push_back((*at)[1]);
    return printouts;
}

} // namespace

using TerminalScreens = ProgramTest;

TEST_F(TerminalScreens, ListEditorAlertAndHelpLookAsExpected) {
    const RunResult run = Run(ReadFileText(std::string(KORVANE_SOURCE_DIR) +
                                           "/tests/EndToEnd/data/TerminalScreens.script"));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> printouts = CellPrintouts(run.out);
    const char* names[] = {"ListDialog", "EntryEditor", "CautionAlert", "HelpWindow"};
    ASSERT_EQ(printouts.size(), std::size(names));
    for (size_t i = 0; i < printouts.size(); ++i)
        EXPECT_EQ(printouts[i], Expected(names[i])) << names[i];
}
