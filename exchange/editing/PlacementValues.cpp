#include "exchange/editing/PlacementValues.h"

#include "engine/core/ExchangeFiles.h"

namespace tarvex::editing {

std::optional<CResultFile::BranchRow> FindBranchResult(int from, int to) {
    CResultFile file(tarvex::files::kBranchResults);
    CResultFile::BranchRow row;
    while (file.ReadBranchRow(row))
        if (row.from == from && row.to == to) return row;
    return std::nullopt;
}

std::optional<CResultFile::BusRow> FindBusResult(int bus, int resultFileSwitch) {
    CResultFile file(tarvex::files::kBusResults);
    if (!file.ReadErrorCode(resultFileSwitch)) return std::nullopt;
    CResultFile::BusRow row;
    while (file.ReadBusRow(row))
        if (row.bus == bus) return row;
    return std::nullopt;
}

} // namespace tarvex::editing
