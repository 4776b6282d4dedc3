#include "tests/cli/TestDocument.h"

#include "model/DocumentFile.h"

#include <gtest/gtest.h>

namespace tarvex::test {

void buildThreeBusNetwork(CSkemtorDoc& doc, CSkemtorApp& app) {
    app.SetCaseName("CLI THREE BUS");
    const struct {
        int type;
        double voltage, genP, loadP, loadQ;
    } buses[] = {{CBus::kSlack, 1.02, 0, 0, 0},
                 {CBus::kGenerator, 1.01, 40, 0, 0},
                 {CBus::kLoad, 1.0, 0, 90, 30}};
    for (const auto& b : buses) {
        auto bus = std::make_unique<CBus>(100 * (doc.GetBusCount() + 1), 0, 1, doc.NextBusNumber());
        bus->m_name = "BUS" + std::to_string(bus->m_number);
        bus->m_type = b.type;
        bus->m_voltage = b.voltage;
        bus->m_genP = b.genP;
        bus->m_loadP = b.loadP;
        bus->m_loadQ = b.loadQ;
        doc.AddBus(std::move(bus));
    }
    const struct {
        int from, to;
        double r, x;
    } lines[] = {{1, 2, 0.02, 0.06}, {1, 3, 0.08, 0.24}, {2, 3, 0.06, 0.18}};
    for (const auto& l : lines) {
        const CPointL points[2] = {{0, 0}, {10, 0}};
        auto line = std::make_unique<CLine>(points, 2, l.from, 1, l.to, 1, app);
        line->m_r = l.r;
        line->m_x = l.x;
        line->m_tap = 1.0;
        line->m_mvaLimit = 500;
        doc.AddLine(std::move(line));
    }
}

void saveDocument(const std::string& path, CSkemtorDoc& doc, CSkemtorApp& app) {
    const auto saved = CDocumentFile::Save(path, doc, app);
    ASSERT_TRUE(saved.ok) << saved.message;
}

} // namespace tarvex::test
