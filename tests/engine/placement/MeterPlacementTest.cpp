#include "engine/placement/MeterPlacement.h"

#include "tests/engine/core/CaseBuilder.h"
#include "tests/support/FileText.h"
#include "tests/support/ScopedWorkDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

// MPLMAIN checked independently: the test builds the angle model (DC flows and injections
// at flat start) of the network itself, and checks by rank that the meters with the
// proposals added observe every bus angle, that they still do after the loss of any one
// meter, and that the spares cost no more than the cheapest cover found by enumeration.
namespace tarvex::engine {
namespace {

struct Branch {
    int from;
    int to;
    double x;
};

// A meter: an injection at a bus (type 2) or a flow on a branch index (type 4).
struct Meter {
    int type;
    int a; // bus, or from bus
    int b; // 0, or to bus
    bool operator<(const Meter& o) const {
        return std::tie(type, a, b) < std::tie(o.type, o.a, o.b);
    }
    bool operator==(const Meter& o) const { return type == o.type && a == o.a && b == o.b; }
};

struct Network {
    int buses = 0;
    std::vector<Branch> branches;
};

std::string caseText(const Network& n) {
    test::CaseBuilder builder;
    for (int i = 1; i <= n.buses; ++i) {
        test::BusSpec bus;
        bus.number = i;
        bus.type = i == 1 ? 3 : 0;
        builder.bus(bus);
    }
    for (const Branch& br : n.branches) {
        test::BranchSpec spec;
        spec.from = br.from;
        spec.to = br.to;
        spec.r = 0.01;
        spec.x = br.x;
        builder.branch(spec);
    }
    return builder.text();
}

// measure.dat as the editor writes it: voltage, real and reactive injection, real and
// reactive flow and current groups.
std::string measurementText(const std::vector<Meter>& meters) {
    std::string inj;
    std::string flow;
    int ninj = 0;
    int nflow = 0;
    for (const Meter& m : meters) {
        if (m.type == 2) {
            inj += test::format("%3d %11.5f %g 0\n", m.a, 0.1, 0.01);
            ++ninj;
        } else {
            flow += test::format("%3d%3d %11.5f %g 0\n", m.a, m.b, 0.1, 0.01);
            ++nflow;
        }
    }
    return test::format("%4d\n", 1) + test::format("%3d %11.5f %g 0\n", 1, 1.0, 0.004) +
           test::format("%4d\n", ninj) + inj + test::format("%4d\n", ninj) + inj +
           test::format("%4d\n", nflow) + flow + test::format("%4d\n", nflow) + flow +
           test::format("%4d\n", 0) + "\n\n";
}

// Row of the angle model for a meter; columns are buses 2..N.
std::vector<double> row(const Network& n, const Meter& m) {
    std::vector<double> h(static_cast<std::size_t>(n.buses), 0.0);
    auto add = [&](int bus, double v) { h[static_cast<std::size_t>(bus - 1)] += v; };
    if (m.type == 2) {
        for (const Branch& br : n.branches) {
            if (br.from == br.to) continue;
            const double y = 1.0 / br.x;
            if (br.from == m.a) {
                add(m.a, y);
                add(br.to, -y);
            } else if (br.to == m.a) {
                add(m.a, y);
                add(br.from, -y);
            }
        }
    } else {
        const Branch& br = n.branches[static_cast<std::size_t>(m.b)];
        const double y = 1.0 / br.x;
        add(br.from, y);
        add(br.to, -y);
    }
    h.erase(h.begin()); // the reference angle
    return h;
}

int rank(std::vector<std::vector<double>> a) {
    if (a.empty()) return 0;
    const std::size_t cols = a[0].size();
    int r = 0;
    for (std::size_t c = 0; c < cols && r < static_cast<int>(a.size()); ++c) {
        std::size_t p = static_cast<std::size_t>(r);
        for (std::size_t i = p; i < a.size(); ++i)
            if (std::fabs(a[i][c]) > std::fabs(a[p][c])) p = i;
        if (std::fabs(a[p][c]) < 1e-9) continue;
        std::swap(a[p], a[static_cast<std::size_t>(r)]);
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (i == static_cast<std::size_t>(r)) continue;
            const double f = a[i][c] / a[static_cast<std::size_t>(r)][c];
            for (std::size_t j = c; j < cols; ++j) a[i][j] -= f * a[static_cast<std::size_t>(r)][j];
        }
        ++r;
    }
    return r;
}

// Meters as the model sees them: a flow meter names its branch by index (first branch
// with that bus pair in either order; the networks here have no parallel branches).
Meter canonical(const Network& n, Meter m) {
    if (m.type != 4 || m.a == 0) return m;
    for (std::size_t l = 0; l < n.branches.size(); ++l) {
        const Branch& br = n.branches[l];
        if ((br.from == m.a && br.to == m.b) || (br.from == m.b && br.to == m.a))
            return Meter{4, 0, static_cast<int>(l)};
    }
    ADD_FAILURE() << "flow " << m.a << "-" << m.b << " on no branch";
    return m;
}

int rankOf(const Network& n, const std::vector<Meter>& meters) {
    std::vector<std::vector<double>> rows;
    for (const Meter& m : meters) rows.push_back(row(n, canonical(n, m)));
    return rank(rows);
}

std::vector<Meter> readProposals(std::vector<int>& types) {
    std::istringstream in(test::readFileText("addmeas.out"));
    std::vector<Meter> proposals;
    int type = -1;
    while (in >> type) {
        types.push_back(type);
        if (type == 2) {
            int bus = 0;
            in >> bus;
            proposals.push_back(Meter{2, bus, 0});
        } else if (type == 4) {
            int from = 0;
            int to = 0;
            in >> from >> to;
            proposals.push_back(Meter{4, from, to});
        }
    }
    return proposals;
}

// The basis as left in measure.dat: real injection and real flow groups.
std::vector<Meter> readBasis() {
    std::istringstream in(test::readFileText("measure.dat"));
    std::vector<Meter> basis;
    std::string line;
    auto count = [&]() {
        std::getline(in, line);
        return std::stoi(line);
    };
    for (int k = count(); k > 0; --k) std::getline(in, line);
    for (int k = count(); k > 0; --k) {
        std::getline(in, line);
        basis.push_back(Meter{2, std::stoi(line.substr(0, 3)), 0});
    }
    for (int k = count(); k > 0; --k) std::getline(in, line);
    for (int k = count(); k > 0; --k) {
        std::getline(in, line);
        basis.push_back(Meter{4, std::stoi(line.substr(0, 3)), std::stoi(line.substr(3, 3))});
    }
    return basis;
}

struct Costs {
    int flow = 10;
    int injection = 5;
};

// costmeas.dat in matrix row order: existing flows, existing injections (cost 0), then
// a candidate flow per unmetered branch and a candidate injection per unmetered bus.
std::string costText(const Network& n, const std::vector<Meter>& meters, const Costs& costs) {
    std::string text;
    std::set<Meter> have;
    for (const Meter& m : meters) {
        if (m.type != 4) continue;
        have.insert(canonical(n, m));
        text += " 0\n";
    }
    for (const Meter& m : meters) {
        if (m.type != 2) continue;
        have.insert(m);
        text += " 0\n";
    }
    for (std::size_t l = 0; l < n.branches.size(); ++l)
        if (!have.count(Meter{4, 0, static_cast<int>(l)}))
            text += test::format(" %d\n", costs.flow);
    for (int i = 1; i <= n.buses; ++i)
        if (!have.count(Meter{2, i, 0})) text += test::format(" %d\n", costs.injection);
    return text;
}

// The covering problem charges ten times the cost, and at least 1 (so existing meters,
// of cost 0, cost 1).
int charged(int cost) { return cost * 10 == 0 ? 1 : cost * 10; }

struct Outcome {
    int status = -1;
    std::vector<Meter> proposals;
    std::vector<int> types;
    std::vector<Meter> basis;
};

Outcome run(const Network& n, const std::vector<Meter>& meters, const Costs& costs) {
    test::writeFileText("pfinput.dat", caseText(n));
    test::writeFileText("measure.dat", measurementText(meters));
    test::writeFileText("costmeas.dat", costText(n, meters, costs));
    MPLMAIN();
    Outcome o;
    std::istringstream status(test::readFileText("addmeas.sts"));
    status >> o.status;
    if (o.status == 0) {
        o.proposals = readProposals(o.types);
        o.basis = readBasis();
    }
    return o;
}

Network randomNetwork(std::mt19937& rng, int buses, int extra) {
    Network n;
    n.buses = buses;
    std::uniform_real_distribution<double> x(0.05, 0.5);
    for (int i = 2; i <= buses; ++i)
        n.branches.push_back({std::uniform_int_distribution<int>(1, i - 1)(rng), i, x(rng)});
    std::set<std::pair<int, int>> used;
    for (const Branch& b : n.branches)
        used.insert({std::min(b.from, b.to), std::max(b.from, b.to)});
    for (int k = 0; k < extra; ++k) {
        const int a = std::uniform_int_distribution<int>(1, buses)(rng);
        const int b = std::uniform_int_distribution<int>(1, buses)(rng);
        if (a == b || used.count({std::min(a, b), std::max(a, b)})) continue;
        used.insert({std::min(a, b), std::max(a, b)});
        n.branches.push_back({a, b, x(rng)});
    }
    return n;
}

// The cheapest set of candidates (measurements outside the basis) that restores full
// rank after the loss of any one basis measurement that can be restored at all.
int cheapestCover(const Network& n, const std::vector<Meter>& basis,
                  const std::vector<Meter>& existing, const Costs& costs) {
    std::set<Meter> basisSet;
    for (const Meter& m : basis) basisSet.insert(canonical(n, m));
    std::set<Meter> existingSet;
    for (const Meter& m : existing) existingSet.insert(canonical(n, m));
    std::vector<Meter> candidates;
    std::vector<int> cost;
    for (std::size_t l = 0; l < n.branches.size(); ++l) {
        const Meter m{4, 0, static_cast<int>(l)};
        if (basisSet.count(m)) continue;
        candidates.push_back(m);
        cost.push_back(existingSet.count(m) ? 1 : charged(costs.flow));
    }
    for (int i = 1; i <= n.buses; ++i) {
        const Meter m{2, i, 0};
        if (basisSet.count(m)) continue;
        candidates.push_back(m);
        cost.push_back(existingSet.count(m) ? 1 : charged(costs.injection));
    }
    const int states = n.buses - 1;
    std::vector<Meter> basisList(basisSet.begin(), basisSet.end());
    // restores[b][c]: candidate c restores the loss of basis meter b.
    std::vector<std::vector<bool>> restores(basisList.size(), std::vector<bool>(candidates.size()));
    std::vector<bool> coverable(basisList.size(), false);
    for (std::size_t b = 0; b < basisList.size(); ++b) {
        std::vector<Meter> rest;
        for (std::size_t k = 0; k < basisList.size(); ++k)
            if (k != b) rest.push_back(basisList[k]);
        for (std::size_t c = 0; c < candidates.size(); ++c) {
            rest.push_back(candidates[c]);
            restores[b][c] = rankOf(n, rest) == states;
            coverable[b] = coverable[b] || restores[b][c];
            rest.pop_back();
        }
    }
    int best = 1 << 30;
    const std::size_t nc = candidates.size();
    for (unsigned mask = 0; mask < (1u << nc); ++mask) {
        int total = 0;
        for (std::size_t c = 0; c < nc; ++c)
            if (mask & (1u << c)) total += cost[c];
        if (total >= best) continue;
        bool ok = true;
        for (std::size_t b = 0; b < basisList.size() && ok; ++b) {
            if (!coverable[b]) continue;
            bool covered = false;
            for (std::size_t c = 0; c < nc && !covered; ++c)
                covered = (mask & (1u << c)) && restores[b][c];
            ok = covered;
        }
        if (ok) best = total;
    }
    return best;
}

// Cost of the spares, the proposals after the basis ones, charged as the covering
// problem charges them.
int spareCost(const Network& n, const Outcome& o, const std::vector<Meter>& existing,
              const Costs& costs) {
    std::set<Meter> existingSet;
    for (const Meter& m : existing) existingSet.insert(canonical(n, m));
    std::size_t basisProposals = 0;
    for (const Meter& m : o.basis)
        if (!existingSet.count(canonical(n, m))) ++basisProposals;
    int total = 0;
    for (std::size_t k = basisProposals; k < o.proposals.size(); ++k) {
        const Meter m = canonical(n, o.proposals[k]);
        total += existingSet.count(m) ? 1 : charged(m.type == 4 ? costs.flow : costs.injection);
    }
    return total;
}

void expectProtectedPlacement(const Network& n, const std::vector<Meter>& existing,
                              const Costs& costs, const Outcome& o) {
    ASSERT_EQ(o.status, 0);
    ASSERT_FALSE(o.types.empty());
    EXPECT_EQ(o.types.back(), 0) << "addmeas.out ends with the record 0";
    const int states = n.buses - 1;
    EXPECT_EQ(static_cast<int>(o.basis.size()), states);
    EXPECT_EQ(rankOf(n, o.basis), states) << "the basis observes every angle";
    std::set<Meter> all;
    for (const Meter& m : existing) all.insert(canonical(n, m));
    for (const Meter& m : o.proposals) all.insert(canonical(n, m));
    const std::vector<Meter> final(all.begin(), all.end());
    EXPECT_EQ(rankOf(n, final), states);
    for (std::size_t k = 0; k < final.size(); ++k) {
        std::vector<Meter> lost = final;
        lost.erase(lost.begin() + static_cast<long>(k));
        EXPECT_EQ(rankOf(n, lost), states) << "observable after losing meter " << k;
    }
    EXPECT_EQ(spareCost(n, o, existing, costs), cheapestCover(n, o.basis, existing, costs));
}

TEST(MeterPlacement, RandomNetworksAreObservableAfterAnySingleLoss) {
    std::mt19937 rng(1511);
    for (int trial = 0; trial < 25; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        test::ScopedWorkDir dir;
        const Network n = randomNetwork(rng, std::uniform_int_distribution<int>(2, 6)(rng), 3);
        std::vector<Meter> existing;
        std::bernoulli_distribution have(0.3);
        for (int i = 1; i <= n.buses; ++i)
            if (have(rng)) existing.push_back({2, i, 0});
        for (const Branch& br : n.branches)
            if (have(rng))
                existing.push_back(have(rng) ? Meter{4, br.to, br.from} : Meter{4, br.from, br.to});
        const Costs costs{std::uniform_int_distribution<int>(0, 9)(rng),
                          std::uniform_int_distribution<int>(0, 9)(rng)};
        expectProtectedPlacement(n, existing, costs, run(n, existing, costs));
    }
}

TEST(MeterPlacement, NoMetersProposesTheWholeBasisAndCheaperFlowsWin) {
    test::ScopedWorkDir dir;
    // A ring of five buses with one chord.
    Network n;
    n.buses = 5;
    n.branches = {{1, 2, 0.1}, {2, 3, 0.2}, {3, 4, 0.15}, {4, 5, 0.1}, {5, 1, 0.3}, {2, 4, 0.25}};
    const Costs cheapFlows{1, 9};
    const Outcome flows = run(n, {}, cheapFlows);
    expectProtectedPlacement(n, {}, cheapFlows, flows);
    // Without meters every basis measurement is new and is proposed first.
    ASSERT_GE(flows.proposals.size(), flows.basis.size());
    std::set<Meter> proposed;
    std::set<Meter> basis;
    for (std::size_t k = 0; k < flows.basis.size(); ++k) {
        proposed.insert(canonical(n, flows.proposals[k]));
        basis.insert(canonical(n, flows.basis[k]));
    }
    EXPECT_EQ(proposed, basis);

    const Costs cheapInjections{9, 1};
    const Outcome injections = run(n, {}, cheapInjections);
    expectProtectedPlacement(n, {}, cheapInjections, injections);
    auto spareTypes = [&](const Outcome& o, int type) {
        int count = 0;
        for (std::size_t k = o.basis.size(); k < o.proposals.size(); ++k)
            count += o.proposals[k].type == type ? 1 : 0;
        return count;
    };
    EXPECT_GT(spareTypes(flows, 4), spareTypes(injections, 4));
    EXPECT_GT(spareTypes(injections, 2), spareTypes(flows, 2));
}

TEST(MeterPlacement, FailuresLeaveNoProposalAndReportTheirStatus) {
    Network n;
    n.buses = 3;
    n.branches = {{1, 2, 0.1}, {2, 3, 0.2}};
    struct Case {
        const char* name;
        int status;
    };
    for (const Case c :
         {Case{"missing costs", 92}, Case{"short costs", 92}, Case{"split network", 94},
          Case{"flow on no branch", 91}, Case{"missing case", 90}}) {
        SCOPED_TRACE(c.name);
        test::ScopedWorkDir dir;
        // A proposal left by an earlier run must not survive a failed one.
        test::writeFileText("addmeas.out", " 2 1\n 0\n");
        Network net = n;
        std::vector<Meter> meters;
        if (std::string(c.name) == "split network") net.buses = 4; // bus 4 unconnected
        if (std::string(c.name) == "flow on no branch") meters.push_back({4, 1, 3});
        test::writeFileText("pfinput.dat", caseText(net));
        test::writeFileText("measure.dat", measurementText(meters));
        test::writeFileText("costmeas.dat", costText(net, {}, Costs{}));
        if (std::string(c.name) == "missing costs") std::filesystem::remove("costmeas.dat");
        if (std::string(c.name) == "short costs") test::writeFileText("costmeas.dat", " 1\n 2\n");
        if (std::string(c.name) == "missing case") std::filesystem::remove("pfinput.dat");
        MPLMAIN();
        std::istringstream status(test::readFileText("addmeas.sts"));
        int code = -1;
        status >> code;
        EXPECT_EQ(code, c.status);
        EXPECT_FALSE(std::filesystem::exists("addmeas.out"));
        EXPECT_FALSE(test::readFileText("ERROR.LOG").empty());
    }
}

} // namespace
} // namespace tarvex::engine
