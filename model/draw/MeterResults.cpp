#include "model/draw/MeterResults.h"

#include "model/SkemtorApp.h"
#include "model/draw/Format.h"
#include "model/draw/Labels.h"
#include "model/draw/ResultDisplay.h"

#include <cmath>

using namespace tarvex::colors;

namespace {

// Offsets of the two label lines above the meter's lower edge.
constexpr int kRealLine = 30;
constexpr int kReactiveLine = 15;

CColor estimateColor(int residualClass) {
    return residualClass == CMeterResults::kBad ? kRed : kBlack;
}

CColor residualColor(int residualClass) {
    if (residualClass == CMeterResults::kLargest) return kRed;
    if (residualClass == CMeterResults::kCritical) return kBlue;
    return kBlack;
}

const char* ordinalSuffix(int position) {
    switch (position) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

} // namespace

int CMeterResults::ClassOf(const Part& part) {
    return static_cast<int>(std::lround(part.residualClass));
}

void CMeterResults::DrawLabels(CDrawSurface& surface, const CSkemtorApp& app, const CElement& meter,
                               Kind kind, const Part& real, const Part& reactive) {
    if (!CResultDisplay::InStateEstimation(app)) return;
    const bool power = kind != Kind::Single;
    const int x = meter.m_xMax + 1;
    const int realY = meter.m_yMin + kRealLine;
    const int reactiveY = meter.m_yMin + kReactiveLine;
    if (app.m_seDisplay == CResultDisplay::kMeasurementEstimates) {
        if (real.valid) {
            const std::string text =
                power ? FormatText("%.3fP", real.estimated) : FormatText("%.3f", real.estimated);
            CLabels::Draw(surface, x, realY, text, estimateColor(ClassOf(real)));
        }
        if (power && reactive.valid)
            CLabels::Draw(surface, x, reactiveY, FormatText("%.3fQ", reactive.estimated),
                          estimateColor(ClassOf(reactive)));
    } else if (app.m_seDisplay == CResultDisplay::kNormalizedResiduals) {
        if (real.valid) {
            const std::string text =
                power ? FormatText("%.3fP", real.residual) : FormatText("%.3f", real.residual);
            CLabels::Draw(surface, x, realY, text, residualColor(ClassOf(real)));
        }
        if (power && reactive.valid)
            CLabels::Draw(surface, x, reactiveY, FormatText("%.3fQ", reactive.residual),
                          residualColor(ClassOf(reactive)));
    }
}

std::string CMeterResults::ResidualText(const char* name, const Part& part, int largestBlanks,
                                        int otherBlanks) {
    if (!part.valid) return {};
    switch (ClassOf(part)) {
    case kLargest:
        return FormatText("%s: %.5f (%d%s Largest)", name, part.residual, part.position,
                          ordinalSuffix(part.position)) +
               std::string(static_cast<std::size_t>(largestBlanks), ' ');
    case kCritical:
        return FormatText("%s: %.5f (Critical)", name, part.residual) +
               std::string(static_cast<std::size_t>(otherBlanks), ' ');
    case kRedundant:
        return FormatText("%s: %.5f (Redundant)", name, part.residual) +
               std::string(static_cast<std::size_t>(otherBlanks), ' ');
    default: // bad data, shown by colour on the diagram only
        return {};
    }
}

void CMeterResults::FormatStatus(CSkemtorApp& app, Kind kind, const Part& real,
                                 const Part& reactive) {
    if (!CResultDisplay::HasStatusResults(app)) return;
    app.m_statusText.clear();
    if (!CResultDisplay::InStateEstimation(app)) return;
    const bool power = kind != Kind::Single;
    std::string& text = app.m_statusText;
    if (app.m_seDisplay == CResultDisplay::kMeasurementEstimates) {
        text = "Z Estimates:       ";
        if (real.valid)
            text += FormatText("PMeas.: %.5f  PEstim.: %.5f      ", real.measured, real.estimated);
        if (power && reactive.valid)
            text +=
                FormatText("QMeas.: %.5f  QEstim.: %.5f", reactive.measured, reactive.estimated);
    } else if (app.m_seDisplay == CResultDisplay::kNormalizedResiduals) {
        // The flow meter's real "Largest" text keeps one blank fewer than the rest.
        const int realLargestBlanks = kind == Kind::PowerFlow ? 4 : 5;
        text = "NR:       " + ResidualText("Real", real, realLargestBlanks, 5);
        if (power) text += ResidualText("Reactive", reactive, 5, 5);
    }
}
