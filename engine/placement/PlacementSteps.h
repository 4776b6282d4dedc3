#pragma once

#include <iosfwd>

// The steps of one meter placement run, in the order MPLMAIN calls them. Each step that
// can fail raises the module's status with its code and writes one ERROR.LOG line.
namespace tarvex::engine {

struct PlacementModule;

// Set-up: the network of pfinput.dat (bus numbers, branch ends, susceptances, adjacency).
void readPlacementCase(PlacementModule& m, std::ostream& log, std::ostream& console);
// Set-up: the active-power injection and flow meters of measure.dat.
void readPlacementMeters(PlacementModule& m, std::ostream& log);
// Set-up: the measurement matrix of the meters read, written to H.dat.
void buildPlacementMatrix(PlacementModule& m);
void writePlacementMatrix(const PlacementModule& m);
// Basis: the NB + NBR costs of costmeas.dat, one per matrix row.
void readPlacementCosts(PlacementModule& m, std::ostream& log);
// Basis: factors the matrix, fills the basis lists and their proposals, rewrites
// measure.dat with exactly the basis and writes the covering columns' costs.
void choosePlacementBasis(PlacementModule& m, std::ostream& log);
// Branch tables of the second set-up (candbranch.out).
void writePlacementBranches(const PlacementModule& m);
// Covering pairs of the second set-up (candmeas.out).
void findCoveringPairs(PlacementModule& m, std::ostream& log);
// The least-cost covering by KOVRAL; its spares join the proposals (solution.txt).
void solvePlacementCover(PlacementModule& m, std::ostream& log, std::ostream& console);

} // namespace tarvex::engine
