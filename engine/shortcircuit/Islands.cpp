#include "engine/shortcircuit/ShortCircuit.h"
#include "engine/shortcircuit/ShortCircuitStatus.h"

// ISLANDS: the connected parts of each sequence network (over its branches) and which of
// them reach ground through an element to ground. A positive-sequence island without
// one has no source; a zero-sequence island without one has an infinite zero-sequence
// impedance, so a line-to-ground fault there draws no current (a result, not an error).
namespace tarvex::engine::shortcircuit {

namespace {

int root(SequenceNetwork& net, int bus) {
    while (net.island[bus] != bus) {
        net.island[bus] = net.island[net.island[bus]];
        bus = net.island[bus];
    }
    return bus;
}

void findIslands(SequenceNetwork& net, int n) {
    for (int i = 1; i <= n; ++i) {
        net.island[i] = i;
        net.grounded[i] = false;
    }
    for (int k = 1; k <= net.count; ++k) {
        if (net.from[k] == 0 || net.to[k] == 0) continue;
        const int a = root(net, net.from[k]);
        const int b = root(net, net.to[k]);
        // The lower bus names the island.
        if (a < b) net.island[b] = a;
        if (b < a) net.island[a] = b;
    }
    for (int i = 1; i <= n; ++i) net.island[i] = root(net, i);
    for (int k = 1; k <= net.count; ++k) {
        const int bus = net.from[k] == 0 ? net.to[k] : net.to[k] == 0 ? net.from[k] : 0;
        if (bus != 0) net.grounded[net.island[bus]] = true;
    }
}

} // namespace

void ISLANDS(ShortCircuitModule& m) {
    findIslands(m.POS, m.NBUS);
    findIslands(m.ZERO, m.NBUS);
    for (int f = 1; f <= m.NFAULT; ++f) {
        if (m.POS.isGrounded(m.FBUS[f])) continue;
        Record r;
        r.text(" SHORT CIRCUIT: FAULTED BUS ").number(m.FBUS[f]);
        r.text(" HAS NO POSITIVE-SEQUENCE PATH TO GROUND (NO SOURCE)");
        m.fail(kNoSource, r);
        return;
    }
}

} // namespace tarvex::engine::shortcircuit
