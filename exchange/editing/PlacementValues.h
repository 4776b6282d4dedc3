#pragma once

#include "exchange/ResultFile.h"

#include <optional>

// With "Use power flow results" on, a newly placed meter starts from the solved power
// flow instead of zero: flow and current meters from the first branchotp.dat row for the
// branch in its drawn direction (from = first bus, to = second bus; the reverse row is
// the other end's flow and does not count), injection and voltage meters from the first
// busotp.dat row of their bus. A missing file or row leaves the meter's defaults.
namespace tarvex::editing {

std::optional<CResultFile::BranchRow> FindBranchResult(int from, int to);
std::optional<CResultFile::BusRow> FindBusResult(int bus, int resultFileSwitch);

} // namespace tarvex::editing
