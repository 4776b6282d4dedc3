#pragma once

#include "engine/core/PowerFlowModule.h"

// The routines of the fast decoupled power flow. Each takes the module explicitly,
// reports failure through module.status (with the status record and a log line) and
// never throws. PFLINFLO is the engine entry point the editor calls.
namespace tarvex::engine {

// Reads pfinput.dat into the network tables. The result files must be open.
void READPF(PowerFlowModule& m);
// Builds the admittance matrix, writes ymatrix.dat, merges parallel branches, assembles
// B' and B'' and sets the flat start.
void YMATRX(PowerFlowModule& m);
// Merges consecutive parallel branches of the same orientation.
void PARBR(PowerFlowModule& m);
// Assembles B' and B'' in coordinate form with the voltage-control treatment.
void BMATRX(PowerFlowModule& m);

// Fast decoupled iterations: P and Q half-iterations with reactive-limit switching,
// then the final step (swing generation, loss figures and lossotp.dat).
void FDLF(PowerFlowModule& m);
// Computed net injections PCALC (with the cached branch angles) and QCALC (refreshing
// the caches first).
void CALCP(PowerFlowModule& m);
void CALCQ(PowerFlowModule& m);
// Reactive-limit check: generators beyond a limit become load buses held at it; a
// held generator whose voltage moved past its set point returns to voltage control.
void QLIMIT(PowerFlowModule& m);
// Swing generation and the four loss figures; writes lossotp.dat.
void PFLOSS(PowerFlowModule& m);
// Branch chains per bus, then the result files and the report.
void BRCHN(PowerFlowModule& m);
void PFOUT(PowerFlowModule& m);

// The engine entry point: runs the power flow on pfinput.dat and pfparam.dat in the
// current directory and writes its result files. Never throws.
void PFLINFLO();

// The process-wide power flow module used by PFLINFLO.
PowerFlowModule& powerFlowModule();

} // namespace tarvex::engine
