#include "engine/core/PowerFlowFiles.h"

#include "engine/core/ExchangeFiles.h"

namespace tarvex::engine {

void PowerFlowFiles::openAll() {
    loss.open(files::kLossResults);
    bus.open(files::kBusResults);
    branch.open(files::kBranchResults);
    log.open(files::kErrorLog);
    report.open(files::kPowerFlowReport);
}

void PowerFlowFiles::closeAll() {
    loss.close();
    bus.close();
    branch.close();
    log.close();
    report.close();
}

} // namespace tarvex::engine
