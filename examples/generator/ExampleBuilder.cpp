#include "examples/generator/ExampleBuilder.h"

#include "examples/generator/EditorRules.h"
#include "examples/generator/SourceError.h"
#include "examples/generator/SourceRecord.h"
#include "model/SkemtorApp.h"
#include "model/SkemtorDoc.h"

#include <memory>
#include <sstream>

namespace {

// The layout dialog's size spinners step by 20 from the standard 70-unit bar and keep
// the long side within 30..210; the bar grows or shrinks about its centre.
constexpr int kMinBarLength = 30;
constexpr int kMaxBarLength = 210;
constexpr int kBarLengthStep = 20;

int orientation(const CSourceRecord& record) {
    return record.Choice("orientation", {{"0", 0}, {"90", 90}, {"180", 180}, {"270", 270}}, 0);
}

} // namespace

CExampleBuilder::CExampleBuilder(CSkemtorDoc& doc, CSkemtorApp& app, std::string fileName)
    : m_doc(doc), m_app(app), m_fileName(std::move(fileName)) {}

void CExampleBuilder::Read(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (auto record = CSourceRecord::Parse(line, m_fileName, number)) Add(*record);
    }
    CheckNetwork();
}

void CExampleBuilder::Add(const CSourceRecord& record) {
    const std::string& kind = record.Keyword();
    if (kind != "case" && m_caseLine == 0) record.Fail("the first record must be the case record");
    if (kind == "case")
        AddCase(record);
    else if (kind == "bus")
        AddBus(record);
    else if (kind == "line")
        AddLine(record, false);
    else if (kind == "transformer")
        AddLine(record, true);
    else if (kind == "capacitor")
        AddCapacitor(record);
    else if (kind == "breaker")
        AddBreaker(record);
    else if (kind == "generator")
        AddGenerator(record);
    else if (kind == "flow")
        AddFlowMeter(record);
    else if (kind == "current")
        AddCurrentMeter(record);
    else if (kind == "injection")
        AddInjectionMeter(record);
    else if (kind == "voltage")
        AddVoltageMeter(record);
    else if (kind == "fault")
        AddFault(record);
    else if (kind == "zground")
        AddZground(record);
    else
        record.Fail("unknown record '" + kind + "'");
    if (kind != "line" && kind != "transformer") record.ExpectNoPoints();
    record.CheckAllUsed();
}

void CExampleBuilder::AddCase(const CSourceRecord& record) {
    if (m_caseLine != 0)
        record.Fail("a second case record (the first is on line " + std::to_string(m_caseLine) +
                    ")");
    m_caseLine = record.Line();
    record.ExpectNumbers(0, "number");
    const std::string name = record.Text("name", "");
    if (static_cast<int>(name.size()) > CEditorRules::kMaxCaseNameLength)
        record.Fail("case name longer than 30 characters (the 31st column of the case file's "
                    "title must stay blank)");
    const double base = record.Number("base", 100.0);
    if (!(base > 0.0 && base < 1000.0)) record.Fail("MVA base must lie between 0 and 1000");
    m_app.SetCaseName(name);
    m_app.m_mvaBase = base;
}

void CExampleBuilder::AddBus(const CSourceRecord& record) {
    record.ExpectNumbers(1, "bus number");
    const int horizontal = record.Choice("orientation", {{"h", 1}, {"v", 0}}, 1);
    const CPointL corner = record.RequirePoint("at");
    const int length = record.Integer("length", CBus::kBarLength);
    if (length < kMinBarLength || length > kMaxBarLength ||
        (length - CBus::kBarLength) % kBarLengthStep != 0)
        record.Fail("bus length " + std::to_string(length) +
                    " is not a size of the layout dialog (30 to 210 in steps of 20)");
    // The bus tool's click is the lower right corner of the standard bar; the resize
    // then moves each end by half the change.
    const int grow = (length - CBus::kBarLength) / 2;
    const CPointL click = horizontal ? CPointL{corner.x + CBus::kBarLength + grow, corner.y}
                                     : CPointL{corner.x + CBus::kBarWidth, corner.y + grow};
    CEditorRules::CheckClick(record, corner, "at");
    CEditorRules::CheckClick(record, click, "bus click");
    auto bus = std::make_unique<CBus>(click.x, click.y, horizontal, record.Numbers()[0]);
    if (length != CBus::kBarLength) {
        if (horizontal)
            bus->Resize(CBus::kBarWidth, length);
        else
            bus->Resize(length, CBus::kBarWidth);
    }
    if (bus->m_yMax > 0) record.Fail("bus runs off the top of the canvas");
    bus->m_name = record.Text("name", "");
    bus->m_area = record.Integer("area", 0);
    bus->m_type = record.Choice(
        "type", {{"pq", CBus::kLoad}, {"pv", CBus::kGenerator}, {"slack", CBus::kSlack}},
        CBus::kLoad);
    bus->m_voltage = record.Number("v", 1.0);
    bus->m_angle = record.Number("angle", 0.0);
    bus->m_genP = record.Number("pgen", 0.0);
    bus->m_genQ = record.Number("qgen", 0.0);
    bus->m_loadP = record.Number("pload", 0.0);
    bus->m_loadQ = record.Number("qload", 0.0);
    bus->m_qMax = record.Number("qmax", 100.0);
    bus->m_qMin = record.Number("qmin", -100.0);
    CEditorRules::CheckBus(record, m_doc, *bus);
    m_doc.AddBus(std::move(bus));
    m_busLines.push_back(record.Line());
}

void CExampleBuilder::AddLine(const CSourceRecord& record, bool transformer) {
    record.ExpectNumbers(2, "bus number");
    if (!record.HasPointList()) record.Fail("a branch needs ': ' and its points");
    const int bus1 = record.Numbers()[0];
    const int bus2 = record.Numbers()[1];
    const CBus* end1 = m_doc.FindBus(bus1);
    const CBus* end2 = m_doc.FindBus(bus2);
    const auto& points = record.Points();
    auto line = std::make_unique<CLine>(points.data(), static_cast<int>(points.size()), bus1,
                                        end1 ? end1->m_horizontal : 1, bus2,
                                        end2 ? end2->m_horizontal : 1, m_app);
    if (static_cast<int>(points.size()) != line->GetPointCount())
        record.Fail("a branch holds at most 100 points");
    CEditorRules::CheckLine(record, m_doc, *line);
    line->m_transformer = transformer ? 1 : 0;
    line->m_r = record.RequireNumber("r");
    line->m_x = record.RequireNumber("x");
    line->m_b = record.Number("b", 0.0);
    line->m_g = record.Number("g", 0.0);
    line->m_tap = transformer ? record.RequireNumber("tap") : record.Number("tap", line->m_tap);
    if (transformer && record.Has("phase")) {
        line->m_phaseShifter = 1;
        line->m_phase = record.Number("phase", 0.0);
    }
    line->m_mvaLimit = record.Integer("rating", 0);
    if (line->m_mvaLimit <= 0)
        record.Fail("a branch needs rating= (MVA); a rating of 0 is overloaded by any flow");
    line->m_r0 = record.Number("r0", 0.0);
    line->m_x0 = record.Number("x0", 0.0);
    line->m_zeroSeqDisabled = record.Switch("zero", false) ? 0 : 1;
    // The view gives every branch its area when it redraws after the placement.
    line->SetArea(end1->m_area, end2->m_area);
    m_doc.AddLine(std::move(line));
}

void CExampleBuilder::AddCapacitor(const CSourceRecord& record) {
    record.ExpectNumbers(1, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int bus = record.Numbers()[0];
    CEditorRules::CheckOnBus(record, m_doc, at, bus);
    auto shunt = std::make_unique<CCapacitance>(at.x, at.y, orientation(record), bus);
    shunt->m_susceptance = record.RequireNumber("b");
    m_doc.AddCapacitance(std::move(shunt));
}

void CExampleBuilder::AddBreaker(const CSourceRecord& record) {
    record.ExpectNumbers(2, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int bus1 = record.Numbers()[0];
    const int bus2 = record.Numbers()[1];
    CEditorRules::CheckOnBranch(record, m_doc, at, bus1, bus2, false);
    auto breaker = std::make_unique<CCircuitBreaker>(at.x, at.y, bus1, bus2);
    breaker->m_closed = record.Choice("state", {{"closed", 1}, {"open", 0}}, 1);
    m_doc.AddBreaker(std::move(breaker));
}

void CExampleBuilder::AddGenerator(const CSourceRecord& record) {
    record.ExpectNumbers(1, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int bus = record.Numbers()[0];
    CEditorRules::CheckOnBus(record, m_doc, at, bus);
    auto gen = std::make_unique<CGenerator>(at.x, at.y, orientation(record), bus);
    gen->m_model = record.Choice(
        "model", {{"classical", CGenerator::kClassical}, {"two-axis", CGenerator::kTwoAxis}},
        CGenerator::kClassical);
    struct Field {
        const char* key;
        double& value;
    };
    const Field fields[] = {
        {"h", gen->m_h},           {"damping", gen->m_damping}, {"xd", gen->m_xd},
        {"xq", gen->m_xq},         {"xdp", gen->m_xdPrime},     {"xqp", gen->m_xqPrime},
        {"tdop", gen->m_tdoPrime}, {"tqop", gen->m_tqoPrime},   {"efd1", gen->m_efd1},
        {"efd2", gen->m_efd2},     {"ka", gen->m_ka},           {"ke", gen->m_ke},
        {"kf", gen->m_kf},         {"se1", gen->m_se1},         {"se2", gen->m_se2},
        {"ta", gen->m_ta},         {"te", gen->m_te},           {"tf", gen->m_tf},
        {"vrmax", gen->m_vrMax},   {"vrmin", gen->m_vrMin},
    };
    for (const Field& field : fields) field.value = record.Number(field.key, field.value);
    // Cost curve break points p1..p4 (MW) with costs c1..c4, and q1..q4 (MVAr) with qc1..qc4.
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        gen->m_costP[i] = record.Number("p" + n, gen->m_costP[i]);
        gen->m_costPValue[i] = record.Number("c" + n, gen->m_costPValue[i]);
        gen->m_costQ[i] = record.Number("q" + n, gen->m_costQ[i]);
        gen->m_costQValue[i] = record.Number("qc" + n, gen->m_costQValue[i]);
    }
    m_doc.AddGenerator(std::move(gen));
}

void CExampleBuilder::AddFlowMeter(const CSourceRecord& record) {
    record.ExpectNumbers(2, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int from = record.Numbers()[0];
    const int to = record.Numbers()[1];
    CEditorRules::CheckOnBranch(record, m_doc, at, from, to, true);
    auto meter = std::make_unique<CPowerFlow>(at.x, at.y, from, to, record.Number("p", 0.0),
                                              record.Number("q", 0.0), m_app.m_sdPowerFlow);
    meter->m_pSd = record.Number("psd", meter->m_pSd);
    meter->m_qSd = record.Number("qsd", meter->m_qSd);
    meter->m_pEnabled = record.Switch("real", true) ? 1 : 0;
    meter->m_qEnabled = record.Switch("reactive", true) ? 1 : 0;
    m_doc.AddPowerFlow(std::move(meter));
}

void CExampleBuilder::AddCurrentMeter(const CSourceRecord& record) {
    record.ExpectNumbers(2, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int from = record.Numbers()[0];
    const int to = record.Numbers()[1];
    CEditorRules::CheckOnBranch(record, m_doc, at, from, to, true);
    m_doc.AddCurrent(std::make_unique<CCurrent>(at.x, at.y, from, to, record.Number("value", 0.0),
                                                record.Number("sd", m_app.m_sdCurrent)));
}

void CExampleBuilder::AddInjectionMeter(const CSourceRecord& record) {
    record.ExpectNumbers(1, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int bus = record.Numbers()[0];
    CEditorRules::CheckOnBus(record, m_doc, at, bus);
    auto meter = std::make_unique<CPowerInjection>(at.x, at.y, orientation(record), bus,
                                                   record.Number("p", 0.0), record.Number("q", 0.0),
                                                   m_app.m_sdPowerInjection);
    meter->m_pSd = record.Number("psd", meter->m_pSd);
    meter->m_qSd = record.Number("qsd", meter->m_qSd);
    meter->m_pEnabled = record.Switch("real", true) ? 1 : 0;
    meter->m_qEnabled = record.Switch("reactive", true) ? 1 : 0;
    m_doc.AddPowerInjection(std::move(meter));
}

void CExampleBuilder::AddVoltageMeter(const CSourceRecord& record) {
    record.ExpectNumbers(1, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int bus = record.Numbers()[0];
    CEditorRules::CheckOnBus(record, m_doc, at, bus);
    m_doc.AddVoltage(std::make_unique<CVoltage>(at.x, at.y, orientation(record), bus,
                                                record.Number("value", 1.0),
                                                record.Number("sd", m_app.m_sdVoltage)));
}

void CExampleBuilder::AddFault(const CSourceRecord& record) {
    record.ExpectNumbers(1, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int bus = record.Numbers()[0];
    CEditorRules::CheckOnBus(record, m_doc, at, bus);
    auto fault = std::make_unique<CShort>(at.x, at.y, orientation(record), bus);
    fault->SetFaultType(record.Choice("type",
                                      {{"3ph", CShort::kThreePhase}, {"1ph", CShort::kSinglePhase}},
                                      CShort::kThreePhase));
    m_doc.AddShort(std::move(fault));
}

void CExampleBuilder::AddZground(const CSourceRecord& record) {
    record.ExpectNumbers(1, "bus number");
    const CPointL at = record.RequirePoint("at");
    const int bus = record.Numbers()[0];
    CEditorRules::CheckOnBus(record, m_doc, at, bus);
    auto z = std::make_unique<CZground>(at.x, at.y, orientation(record), bus);
    z->m_r1 = record.Number("r1", 0.0);
    z->m_x1 = record.Number("x1", 0.0);
    z->m_r0 = record.Number("r0", 0.0);
    z->m_x0 = record.Number("x0", 0.0);
    z->m_posEnabled = record.Switch("pos", false) ? 1 : 0;
    z->m_zeroEnabled = record.Switch("zero", false) ? 1 : 0;
    if (!z->m_posEnabled && !z->m_zeroEnabled)
        record.Fail("an impedance to ground needs pos=on or zero=on");
    m_doc.AddZground(std::move(z));
}

void CExampleBuilder::CheckNetwork() const {
    if (m_caseLine == 0) throw CSourceError(m_fileName, 0, "no case record");
    const int count = m_doc.GetBusCount();
    if (count == 0) throw CSourceError(m_fileName, m_caseLine, "the network has no bus");
    int slackLine = 0;
    for (int i = 0; i < count; ++i) {
        const CBus& bus = *m_doc.GetBus(i);
        const int line = m_busLines[static_cast<std::size_t>(i)];
        if (bus.m_number > count)
            throw CSourceError(m_fileName, line,
                               "bus number " + std::to_string(bus.m_number) +
                                   " leaves a gap: the analyses number the buses 1.." +
                                   std::to_string(count));
        if (bus.m_type != CBus::kSlack) continue;
        if (slackLine != 0)
            throw CSourceError(m_fileName, line,
                               "a second slack bus (the first is on line " +
                                   std::to_string(slackLine) + ")");
        slackLine = line;
    }
    if (slackLine == 0) throw CSourceError(m_fileName, m_caseLine, "the network has no slack bus");
}
