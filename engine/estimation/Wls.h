#pragma once

#include "engine/estimation/WlsModule.h"

// The weighted least squares state estimator and its bad data analysis. WLSEST is the
// engine entry point the editor calls; the other routines take the module explicitly.
namespace tarvex::engine {

// Status codes of the run (texts in tvx.err).
inline constexpr int kWlsTooManyBranchesAtBus = 30;
inline constexpr int kWlsEmptyGainRow = 31;
inline constexpr int kWlsUnobservable = 32;
inline constexpr int kWlsMeasurementsUnreadable = 33;
inline constexpr int kWlsCountMismatch = 34;
inline constexpr int kWlsUnknownBus = 35;
inline constexpr int kWlsNoBranch = 36;
inline constexpr int kWlsBadDeviation = 37;
inline constexpr int kWlsParametersUnreadable = 38;
inline constexpr int kWlsCaseUnreadable = 39;

// Orders the measurements into z, ties them to the branches and sets weights; the
// noise of INOISE = 1 is added here. Fails with 35 or 36.
void WLSSETUP(WlsModule& m);
// h(x), residuals and J at the current state (also the computed injections).
void WLSEVAL(WlsModule& m);
// The Jacobian rows at the current state.
void WLSJACOB(WlsModule& m);
// The gain matrix H^T W H, checked for empty rows (status 31), loaded into the sparse
// storage; rhs gets H^T W r.
void WLSGAIN(WlsModule& m);
// Gauss-Newton iterations, then the final evaluation, Vhat.dat, the final factoring,
// the bad data analysis and Zhat.dat.
void WLSITER(WlsModule& m);
// Normalized residuals and critical measurements with the final factors; writes rn.dat.
void WLSBAD(WlsModule& m);
void WLSVHAT(WlsModule& m);
void WLSZHAT(WlsModule& m);

// The engine entry point: estimates the state of pfinput.dat from measure.dat with the
// settings of parameter.dat in the current directory. Never throws.
void WLSEST();

} // namespace tarvex::engine
