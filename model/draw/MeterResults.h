#pragma once

#include "model/Element.h"
#include "model/draw/DrawSurface.h"

#include <string>

class CSkemtorApp;

// The estimator results of the meters on the diagram and in the status bar. A power
// meter (flow or injection) has a real and a reactive part; the current and voltage
// meters have one value, labelled and reported like a real part.
class CMeterResults {
public:
    // Residual classes as the estimators report them.
    static constexpr int kRedundant = 0;
    static constexpr int kCritical = 1;
    static constexpr int kLargest = 2; // among the largest normalized residuals
    static constexpr int kBad = 3;     // flagged as bad data by the LAV estimator

    enum class Kind { PowerFlow, PowerInjection, Single };

    // One part's results as the meter holds them.
    struct Part {
        int valid = 0;
        double measured = 0;
        double estimated = 0;
        double residual = 0;
        double residualClass = 0; // held as a real, read from a result file
        int position = 1;         // 1 = largest
    };

    // Labels beside the meter in state estimation mode: estimates or normalized
    // residuals, coloured by residual class. `reactive` is ignored for a single-value
    // meter.
    static void DrawLabels(CDrawSurface& surface, const CSkemtorApp& app, const CElement& meter,
                           Kind kind, const Part& real, const Part& reactive);
    static void FormatStatus(CSkemtorApp& app, Kind kind, const Part& real, const Part& reactive);

    // The normalized-residual text of one part ("Real: ..." or "Reactive: ..."), empty
    // when the part has no result or is flagged bad.
    static std::string ResidualText(const char* name, const Part& part, int largestBlanks,
                                    int otherBlanks);
    static int ClassOf(const Part& part);
};
