#pragma once

#include "engine/opf/OpfModule.h"

// The routines of the optimal power flow. Each takes the module explicitly, reports
// failure through module.status (with a log line) and never throws. OPFMAIN is the
// engine entry point the editor calls.
namespace tarvex::engine {

// Reads pfparam.dat and opfinputgen.dat and checks the cost data against the case read
// into the power flow module: segments, widths, slopes, the generator-to-bus mapping.
void OPFREAD(OpfModule& s);
// One power flow with the current dispatch; the losses give PDEM and QDEM. A reporting
// run writes opfoutput.dat and the power flow result files. False when it failed.
bool OPFPF(OpfModule& s, bool reporting);
// Builds and solves the dispatch program (without the violation rows when `constrained`
// is false) and takes its dispatch. False (status 70) when la01bd fails.
bool OPFLP(OpfModule& s, bool constrained);
// Finds the violated branch ratings and bus voltage limits after a power flow.
void OPFLIM(OpfModule& s);
// Sensitivities of the violated quantities to the generator outputs (Jacobian, gradient
// rows, controls and solution of the Jacobian per control).
bool OPFSENS(OpfModule& s);
// Stores the dispatch; true when it did not change.
bool OPFSAVE(OpfModule& s);
// Branch data table of the report.
void OPFBRT(OpfModule& s);
// Dispatch table and total cost of the report.
void OPFDISP(OpfModule& s);
// Rewrites busotp.dat with the single status record `code`.
void OPFSTATUS(int code);

// The engine entry point: optimal power flow on pfinput.dat, pfparam.dat and
// opfinputgen.dat in the current directory. Never throws.
void OPFMAIN();

// The process-wide module used by OPFMAIN.
OpfModule& opfModule();

} // namespace tarvex::engine
