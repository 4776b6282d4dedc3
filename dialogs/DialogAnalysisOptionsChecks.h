#pragma once

#include <functional>
#include <optional>
#include <string>

class CSkemtorApp;

// Values the options sheet refuses before they reach an engine file or a drawing: a
// zero or negative MVA base (every per-unit value is divided by it), iteration limits
// below one, tolerances and standard deviations that are not positive (an estimator
// weights each measurement by the inverse of its variance), Vmin above Vmax, negative
// counts, ratings, taps and times, and fault buses that do not name a bus or a line.
class CDialogAnalysisOptionsChecks {
public:
    struct Problem {
        int fieldId;         // the resource number of the field to correct
        std::string message; // names the field and says why
    };

    // The first refused setting among those whose field the sheet shows
    // (`shown(fieldId)`).
    static std::optional<Problem> Check(const CSkemtorApp& values,
                                        const std::function<bool(int fieldId)>& shown);
};
