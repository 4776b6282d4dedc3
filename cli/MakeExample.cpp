// Builds the bundled five-bus example network in memory and writes its power flow case
// file, so the case file writer can be tried without the desktop program.
//
//   tarvex-example [FILE]     (standard output without FILE)

#include "exchange/CaseFileWriter.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <cstdio>
#include <memory>

namespace {

struct BusData {
    const char* name;
    int type;
    double voltage, loadP, loadQ, genP, genQ;
};

struct LineData {
    int from, to;
    double r, x, b, tap;
    int transformer, mvaLimit;
};

// A small textbook system: one slack, one voltage-controlled generator, three loads.
constexpr BusData kBuses[] = {
    {"NORTH", CBus::kSlack, 1.06, 0, 0, 0, 0}, {"SOUTH", CBus::kGenerator, 1.045, 20, 10, 40, 30},
    {"LAKE", CBus::kLoad, 1.0, 45, 15, 0, 0},  {"MAIN", CBus::kLoad, 1.0, 40, 5, 0, 0},
    {"ELM", CBus::kLoad, 1.0, 60, 10, 0, 0},
};

constexpr LineData kLines[] = {
    {1, 2, 0.02, 0.06, 0.060, 1.0, 0, 100}, {1, 3, 0.08, 0.24, 0.050, 1.0, 0, 100},
    {2, 3, 0.06, 0.18, 0.040, 1.0, 0, 100}, {2, 4, 0.06, 0.18, 0.040, 1.0, 0, 100},
    {2, 5, 0.04, 0.12, 0.030, 1.0, 0, 100}, {3, 4, 0.01, 0.03, 0.020, 1.0, 0, 100},
    {4, 5, 0.08, 0.24, 0.050, 1.0, 0, 100},
};

} // namespace

int main(int argc, char** argv) {
    CSkemtorApp app;
    app.SetCaseName("FIVE BUS EXAMPLE");
    CSkemtorDoc doc;
    int x = 200;
    for (const BusData& data : kBuses) {
        auto bus = std::make_unique<CBus>(x, -200, 1, doc.GetBusCount() + 1);
        bus->m_name = data.name;
        bus->m_type = data.type;
        bus->m_voltage = data.voltage;
        bus->m_loadP = data.loadP;
        bus->m_loadQ = data.loadQ;
        bus->m_genP = data.genP;
        bus->m_genQ = data.genQ;
        doc.AddBus(std::move(bus));
        x += 150;
    }
    for (const LineData& data : kLines) {
        const CBus* from = doc.FindBus(data.from);
        const CBus* to = doc.FindBus(data.to);
        const CPointL points[2] = {{from->m_xMin + 10, from->m_yMin},
                                   {to->m_xMin + 20, to->m_yMin}};
        auto line = std::make_unique<CLine>(points, 2, data.from, 1, data.to, 1, app);
        line->m_r = data.r;
        line->m_x = data.x;
        line->m_b = data.b;
        line->m_tap = data.tap;
        line->m_transformer = data.transformer;
        line->m_mvaLimit = data.mvaLimit;
        doc.AddLine(std::move(line));
    }
    const char* target = argc > 1 ? argv[1] : "/dev/stdout";
    if (!CCaseFileWriter::WriteCaseFile(doc, app, target)) {
        std::fprintf(stderr, "tarvex-example: cannot write %s\n", target);
        return 1;
    }
    return 0;
}
