// Feeds arbitrary bytes to the plot pane as its result files: the same bytes become
// busotp.dat (the voltage profile after a power flow) and dyplot.dat (the swing curves
// after a transient stability run) in the current directory, and the pane draws both
// pictures at a few sizes. Whatever the files hold, the pictures must stay on the pane
// and print no "nan" or "inf".
#include "fuzz/ScratchDirectory.h"

#include "fuzz/PaneSurface.h"

#include "engine/core/ExchangeFiles.h"
#include "model/SkemtorApp.h"
#include "view/VoltagePlotDrawing.h"

#include <cstdint>
#include <cstdio>

namespace {

void writeFile(const char* name, const std::uint8_t* data, std::size_t size) {
    if (std::FILE* file = std::fopen(name, "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
}

struct PaneSize {
    int width, height;
};
// A usual pane, the smallest that holds the axes, one too small for them, a large one.
constexpr PaneSize kSizes[] = {{400, 300}, {71, 31}, {54, 12}, {2000, 1500}};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    CScratchDirectory::KeepFindingsHere(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CScratchDirectory::Visit scratch;
    writeFile(tarvex::files::kBusResults, data, size);
    writeFile(tarvex::files::kTransientPlot, data, size);
    CVoltagePlotDrawing drawing(".", [](int) {});
    CPaneSurface pane;
    CSkemtorApp app;
    for (const int switchValue : {1, CSkemtorApp::kSkipErrorCode}) {
        app.m_resultFileSwitch = switchValue;
        for (const int buses : {3, 102}) {
            app.m_powerFlowBusCount = buses;
            for (const PaneSize& paneSize : kSizes) {
                app.m_resultState = CSkemtorApp::kPowerFlowResults;
                drawing.Draw(pane, app, paneSize.width, paneSize.height);
            }
        }
    }
    for (const PaneSize& paneSize : kSizes) {
        app.m_resultState = CSkemtorApp::kTransientResults;
        drawing.Draw(pane, app, paneSize.width, paneSize.height);
    }
    return 0;
}
