// The level search of the "Normal" tab, as a person runs it: "Predictor"
// shoots one solution at a trial energy; "Buscar" takes one step of the scan
// and the bisection; "Play" takes steps until a level has converged, which is
// then recorded. The search knows nothing of windows or timers: the dialog
// hands it the presses and the ticks and draws what it holds.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "real_function.h"
#include "search_bounds.h"
#include "two_sided_shot.h"
#include "wave_function.h"

// A level the search has recorded.
struct SearchLevel {
    // The parity of a level shot from both ends: none.
    static constexpr std::uint8_t kNoParity = 2;

    int index = 0;            // in the order of recording, 0 first
    std::uint8_t parity = 0;  // the starting values it was shot with: 0 even, 1 odd
    double energy = 0.0;
    int ticks = 0;   // timer ticks from the press of "Play" to the recording
    int nodes = -1;  // of the matched solution, shot from both ends; -1 from the centre
    bool TwoSided() const { return parity == kNoParity; }
};

class LevelSearch {
  public:
    static constexpr std::size_t kMaxLevels = 20;

    // Where the search stands: not begun (or a prediction on show), halving
    // a bracket whose ends' solutions differ in sign far out, scanning up for
    // such a bracket, or about to move past the level in hand.
    enum class Phase : std::uint8_t { Start, Bisect, Scan, NextLevel };

    // The bracket and the parity being searched: everything a step depends
    // on besides the potential.
    struct Bracket {
        Phase phase = Phase::Start;
        double low = 0.0;
        double high = 0.0;
        double ceiling = 0.0;
        std::uint8_t parity = 0;
        double lowSign = 1.0;  // the sign far out of the lower end's solution
        // Shot from both ends: the levels below each end (the lower end's is
        // the index of the level sought); lowSign is its mismatch's sign.
        int lowBelow = 0;
        int highBelow = 0;
    };

    // What a step did: began afresh (no levels yet), moved the bracket, moved its
    // middle (the energy box too), or found the scan past its ceiling (the
    // bracket of the level before stays on show).
    enum class Step : std::uint8_t { Started, Moved, Bisected, ScanEnded };

    LevelSearch();

    // The potential and how far a shot solution may grow before it stops.
    // twoSided: V is not even, and every solution is shot from both ends and
    // matched at V's least value; the levels come in order of energy, with
    // their nodes and no parity.
    void SetPotential(const RealFunction* v, bool twoSided = false);
    void SetGrowthLimit(double limit);

    // "Predictor": the search stands back for a prediction, then the even
    // solution at energy is on show until the next step.
    void BeginPrediction();
    void Predict(double energy);
    // A new potential: no levels, no bracket, no prediction.
    void Clear();

    // One step; a search that has not begun starts at the bottom of range.
    Step TakeStep(const SearchRange& range);
    // "Play": move past the level whose bracket is in hand (shot from both
    // ends, only once it is recorded).
    void MoveOn();
    // Both bracket solutions have died away far out, or the bracket has
    // shrunk to nothing: the level is found.
    bool Converged() const;
    // Records the bracket's middle as the next level; false when the table
    // is full.
    bool Record(int ticks);
    bool ScanEnded() const { return bracket_.high > bracket_.ceiling; }

    const Bracket& CurrentBracket() const { return bracket_; }
    Phase CurrentPhase() const { return bracket_.phase; }
    // Between the first step and the next recording: the brackets are on show.
    bool Searching() const { return searching_; }
    bool PredictionShown() const { return predictionShown_; }
    double Midpoint() const { return midpoint_; }
    std::span<const SearchLevel> Levels() const { return {levels_.data(), count_}; }

    // The solutions on show: the prediction (lower), the bracket's ends.
    const WaveFunction& Lower() const { return lower_; }
    const WaveFunction& Upper() const { return upper_; }
    // Where each integration is made: its grid, potential and limits are
    // the search's (its samples are scratch).
    const WaveFunction& Work() const { return work_; }

    // Shot from both ends: the prediction's two halves, each carried a little
    // past the matching point, and what the last shots at the prediction and
    // at the bracket's ends gave.
    bool TwoSided() const { return twoSided_; }
    const TwoSidedShot& Shot() const { return shot_; }
    const SampledFunction& LeftHalf() const { return leftHalf_; }
    const SampledFunction& RightHalf() const { return rightHalf_; }
    const ShotResult& PredictionShot() const { return predicted_; }
    const ShotResult& LowerShot() const { return lowerShot_; }
    const ShotResult& UpperShot() const { return upperShot_; }

    // For benchmarks and tests: a step from a bracket of their choosing.
    void SetBracket(const Bracket& bracket) { bracket_ = bracket; }

  private:
    void Start(const SearchRange& range);
    Step Scan();
    Step NextLevel();
    Step Bisect();
    void IntegrateBracket();
    bool AdvanceScan(double previousEnd);
    // Shot from both ends into work_.
    ShotResult ShootWork(double energy);
    void StartTwoSided();
    Step ScanTwoSided();
    Step BisectTwoSided();

    bool twoSided_ = false;
    TwoSidedShot shot_;
    SampledFunction leftHalf_;
    SampledFunction rightHalf_;
    ShotResult predicted_;
    ShotResult lowerShot_;
    ShotResult upperShot_;
    WaveFunction work_;
    WaveFunction lower_;
    WaveFunction upper_;
    Bracket bracket_;
    bool searching_ = false;
    bool predictionShown_ = false;
    double midpoint_ = 0.0;
    std::array<SearchLevel, kMaxLevels> levels_{};
    std::size_t count_ = 0;
};
