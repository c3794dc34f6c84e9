// Shooting from both ends, for a potential that is not even: at a trial
// energy the wave equation is integrated inward from the grid's far left and
// from its far right, each half starting at zero where it decays, up to a
// matching point at V's least value. At a level the two halves meet with the
// same slope; elsewhere their Wronskian there is the mismatch, whose sign
// changes at each level. Both halves use the steps of WaveFunction::Integrate
// (psi_{i+1} = (2 + 2K h^2 (V_i - E)) psi_i - psi_{i-1}), so the levels are
// those of the same three-point equation with psi = 0 at the grid's ends.
#pragma once

#include <cstdint>
#include <vector>

#include "real_function.h"
#include "sampled_function.h"

// One trial energy's shot.
struct ShotResult {
    double energy = 0.0;
    // The Wronskian psi_L psi_R' - psi_L' psi_R at the matching point of the
    // two halves, each scaled to (psi, psi') of length 1 there: zero at a
    // level, between -1 and 1, of one sign between two levels.
    double mismatch = 0.0;
    // How many levels of the three-point equation lie below the energy
    // (sign changes of the left shot carried across the whole grid).
    int levelsBelow = 0;
    // Sign changes of the matched solution between its two tails.
    int nodes = 0;
};

class TwoSidedShot {
  public:
    // Samples V on the grid of `like` (its range, count and the given mass
    // factor) and chooses the matching point: the grid point of V's least
    // value for |x| <= 15 (the first, where several share it).
    void SetPotential(const RealFunction* v, const SampledFunction& like, double massFactor);
    bool Ready() const { return !potential_.empty(); }
    const RealFunction* Potential() const { return v_; }

    // Shoots at energy. matched (resized to the grid) receives the two halves
    // joined at the matching point: the right half scaled to meet the left
    // there, the whole scaled to a largest |psi| of 1, positive in the left
    // tail. left and right, when given, receive each half carried a little
    // past the matching point (kOverlap), at the same scale, zero elsewhere.
    ShotResult Shoot(double energy, SampledFunction& matched, SampledFunction* left = nullptr,
                     SampledFunction* right = nullptr);

    int MatchIndex() const { return match_; }
    double MatchX() const { return xmin_ + match_ * step_; }
    // How far each half of a prediction is drawn past the matching point.
    static constexpr double kOverlap = 1.5;

  private:
    void ShootLeft(double energy);
    void ShootRight(double energy, int last);
    double Q(int i, double energy) const;

    const RealFunction* v_ = nullptr;
    std::vector<double> potential_;  // V at every grid point
    double xmin_ = 0.0;
    double step_ = 0.0;
    double massFactor_ = 1.0;
    int match_ = 0;
    std::vector<double> left_;   // the left shot, every grid point
    std::vector<double> right_;  // the right shot, from its first stored point on
    std::vector<double> whole_;  // the matched solution
    int leftSigns_ = 0;          // sign changes of the left shot on the whole grid
};
