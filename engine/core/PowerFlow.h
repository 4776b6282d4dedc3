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

// The process-wide power flow module used by PFLINFLO.
PowerFlowModule& powerFlowModule();

} // namespace tarvex::engine
