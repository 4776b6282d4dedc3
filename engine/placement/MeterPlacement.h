#pragma once

// MPLMAIN: proposes new meters for the network of pfinput.dat and the meters of
// measure.dat, with the meter costs of costmeas.dat, on the linear active-power model at
// flat start.
//  1. Observability: a basis of the measurement matrix (NB - 1 measurements that observe
//     every bus angle); every basis measurement that is not a meter yet is proposed.
//  2. Loss of one meter: for every basis measurement the other measurements that would
//     restore observability if it were lost; the cheapest set of them covering every
//     basis measurement (a zero-one set covering problem solved by KOVRAL).
// The proposals go to addmeas.out, one record per meter (2 bus, or 4 from to) and a closing
// record 0. measure.dat is left holding exactly the basis; H.dat, candcost.out,
// candbranch.out, candmeas.out and solution.txt record the steps.
//
// The status (0, or 90-94 of the catalogue) is the first record of addmeas.sts. On a
// failure the reason goes to ERROR.LOG and no addmeas.out exists (an earlier one is
// removed), so nothing stale or partial can be read as a proposal; addmeas.out is written
// under a temporary name and renamed when complete.
namespace tarvex::engine {

void MPLMAIN();

} // namespace tarvex::engine
