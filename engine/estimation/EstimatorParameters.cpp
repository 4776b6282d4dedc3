#include "engine/estimation/EstimatorParameters.h"

#include "engine/estimation/FreeFormatText.h"

#include <cstdio>

namespace tarvex::engine {

bool readEstimatorParameters(const char* fileName, EstimatorParameters& parameters) {
    char buffer[4096];
    std::size_t size = 0;
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) return false;
    size = std::fread(buffer, 1, sizeof buffer, file);
    std::fclose(file);
    FreeFormatText text(buffer, size);
    EstimatorParameters p;
    if (!text.readInt(p.INOISE) || !text.readInt(p.MAXITW) || !text.readReal(p.TOLW)) return false;
    parameters = p;
    return true;
}

} // namespace tarvex::engine
