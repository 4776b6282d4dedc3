#pragma once

#include <cstdio>
#include <functional>

class CSkemtorDoc;
class CSkemtorApp;
class CUserInterface;
class CErrorReporter;

// Run short circuit analysis: writes short.dat, runs the short-circuit solver, resets the
// result state, reads the status and the bus rows of shbus.out and the branch rows of
// shline.out into the buses and branches, sets the short-circuit result state and
// redraws. There is no bus-count limit and no slack-bus check. A result file that is
// missing or holds no readable status ends the command before anything is cleared.
class CShortCircuitCommands {
public:
    // `runShortCircuit` runs the solver in the working directory (SHORTCKT in the program).
    CShortCircuitCommands(CSkemtorDoc& doc, CSkemtorApp& app, CUserInterface& ui,
                          const CErrorReporter& errors, std::function<void()> runShortCircuit);

    void RunShortCircuit();

private:
    void ReadBusResults(std::FILE* file);
    void ReadBranchResults(std::FILE* file);

    CSkemtorDoc& m_doc;
    CSkemtorApp& m_app;
    CUserInterface& m_ui;
    const CErrorReporter& m_errors;
    std::function<void()> m_runShortCircuit;
};
