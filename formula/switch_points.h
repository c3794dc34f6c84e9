// Where a typed formula switches: the zeros of the arguments of its abs,
// sign, rint, min and max, and of the two sides of its comparisons (which is
// where a ? b : c changes branch). V may jump or have a kink there, however
// narrow the feature: the solver puts these points on its mesh.
//
// Found from the formula itself: a second parser on the same text, whose
// bytecode is evaluated here operation by operation, so that each switching
// operation is told apart by its place in the bytecode and its argument is
// seen, not only V. Each change of branch between two points is bisected to
// rounding; where an argument comes near zero and turns back between two
// points, its least |value| is sought, and a zero found there is bisected
// in turn. Features nested in others (a comparison of an abs) come out over
// a few rounds, each on the points the last one added.
//
// Smooth functions (exp, sech, ...) and divisions cannot switch, but a
// narrow feature of V hides there too: a bump exp(-((x - c)/w)^2) or a
// Lorentzian 1/((x - c)^2 + w^2) far narrower than the points' spacing, or
// a step tanh((x - c)/w). Where such an argument turns back between points
// (its extremum searched for) and V there is not the parabola through its
// neighbours, or where it crosses zero by more than 1 between two points,
// points about the feature at halving distances go on the list, down to
// where V about it is a parabola: a mesh through them resolves it.
#pragma once

#include <string_view>
#include <vector>

// Increasing x in [from, to]; empty when the text does not parse.
std::vector<double> SwitchPoints(std::string_view text, double from, double to);
