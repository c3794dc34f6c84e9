// Accurate bound states of -1/2 psi'' + V(x) psi = E psi on the whole line
// (hbar = m = 1), for any potential the program can describe: even or not,
// smooth or with jumps at known positions.
//
// Every level below a ceiling comes with its node count, its parity where V
// is even, and an error estimate; a level that cannot be brought to the
// tolerance is still returned, with a warning. Where V levels off to a
// constant on a side, the levels stop at the continuum edge (only bound
// states are listed), and their number is counted exactly. See solver.cpp
// for the method.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class RealFunction;
struct PotentialInfo;

namespace spectrum {

namespace detail {
struct Continuum;
struct Sampled;
}  // namespace detail

using Potential = std::function<double(double)>;

// What the solver is told about V besides its values.
struct PotentialShape {
    std::vector<double> jumps;  // x positions where V jumps; they become mesh points
    std::optional<bool> even;   // unknown: checked on the scan
};

struct Settings {
    double tolerance = 1e-12;     // wanted |E - exact| / max(1, |E|)
    double scanHalfWidth = 20.0;  // wells are looked for in [-w, w]
    double tailAction = 40.0;     // WKB action kept beyond the outer turning points
    int maxRefinements = 7;       // halvings of the mesh beyond the first three meshes
    int maxLevels = 500;          // the lowest ones, with a note, when there are more
    // The work of one listing, in mesh steps swept (about 20 ns each): the
    // levels beyond it are left out, with a note, so that any V answers soon.
    double maxSweptSteps = 1e7;
};

enum class Parity { Even, Odd };

struct Level {
    int index = 0;                 // 0 for the ground state
    int nodes = 0;                 // sign changes of the computed eigenfunction
    std::optional<Parity> parity;  // only where V is even
    double energy = 0.0;
    double errorEstimate = 0.0;
    bool converged = false;
    std::string warning;  // empty when converged
};

struct Spectrum {
    std::vector<Level> levels;  // every level below the ceiling, ordered
    double ceiling = 0.0;
    double bottom = 0.0;  // the lowest V seen on the scan
    bool even = false;
    // "no level below the ceiling" when there is none; what was left out when
    // there are more than Settings::maxLevels.
    std::string note;
    // The continuum edge: the lower of V's limits at -infinity and
    // +infinity (none where V grows without bound on both sides). Only the
    // levels below it are bound states, and none above it is listed.
    std::optional<double> continuum;
    // The number of bound states, all of them, whatever the ceiling: none
    // where there is no edge or where there are infinitely many.
    std::optional<int> boundCount;
    bool infinitelyMany = false;
    std::string countNote;  // why the count is infinite
};

// A normalised eigenfunction: psi at the requested x (0 outside the range the
// solver kept, where it is below any double's relevance).
using Samples = std::vector<double>;

class Solver {
  public:
    Solver(Potential v, PotentialShape shape, Settings settings = {});
    // v (and info.v below) must outlive the solver.
    Solver(const RealFunction& v, PotentialShape shape, Settings settings = {});
    // One of the program's potentials, as physics/potential_family.h describes it.
    explicit Solver(const PotentialInfo& info, Settings settings = {});
    ~Solver();
    Solver(Solver&&) noexcept;
    Solver& operator=(Solver&&) noexcept;

    Spectrum Levels(double ceiling);
    // The eigenfunction of a level from the last Levels(), sign chosen so that
    // its left tail is positive.
    Samples Eigenfunction(const Level& level, const std::vector<double>& xs) const;

  private:
    struct State;
    bool Prepare(State& s, const detail::Sampled& sampled, double top,
                 const detail::Continuum* open, bool edge) const;
    int CountBelow(State& s, double top) const;
    void SolveBelow(const detail::Sampled& sampled, double top, bool lowered,
                    const detail::Continuum& c, Spectrum& out);
    std::unique_ptr<State> ChooseState(const detail::Sampled& sampled, double top, bool lowered,
                                       const detail::Continuum& c, Spectrum& out, int& count) const;
    Level SolveLevel(int k);
    int NodeCount(int k) const;

    Potential v_;
    PotentialShape shape_;
    Settings settings_;
    std::unique_ptr<State> state_;
};

// Where a search for V's bound states must stop: the continuum edge; minus
// infinity where V falls without bound on a side (no level is bound);
// nothing where V grows without bound on both sides. `bottom` is V's least
// value near its wells, which sets what counts as rounding.
std::optional<double> BoundStatesEnd(const RealFunction& v, double bottom);

inline constexpr const char* kNoLevelNote = "no level below the ceiling";

}  // namespace spectrum
