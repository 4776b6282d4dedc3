#pragma once

// The estimator settings of parameter.dat, free format: INOISE (1 adds random errors to
// the measurements), MAXITW (iteration limit), TOLW (tolerance on the largest state
// correction). Shared by both estimators.
namespace tarvex::engine {

struct EstimatorParameters {
    int INOISE = 0;
    int MAXITW = 0;
    double TOLW = 0.0;
};

// False when the file is missing or does not hold the three items.
bool readEstimatorParameters(const char* fileName, EstimatorParameters& parameters);

} // namespace tarvex::engine
