#include "level_search.h"

#include <cmath>
#include <utility>

#include "model.h"

namespace {

// Up the energy in steps of kScanStep until the solutions at the bracket's
// ends differ in sign at kSignProbe; a level has converged when both are
// below kDecayThreshold at kDecayProbe or the bracket is narrower than
// kBracketTolerance.
constexpr double kScanStep = 0.1;
constexpr double kSignProbe = 15.0;
constexpr double kDecayProbe = 9.0;
constexpr double kDecayThreshold = 0.01;
constexpr double kBracketTolerance = 1e-9;

double Re(const ComplexFunction& f, double x) {
    return f.Value(x).x;
}

double Modulus(Vector2 v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

}  // namespace

// The three functions are alike in everything but their samples, so that a
// solution is kept by trading places with the one it replaces rather than by
// copying its samples.
LevelSearch::LevelSearch() {
    for (WaveFunction* psi : {&work_, &lower_, &upper_}) {
        psi->SetRange(model::kGridMin, model::kGridMax);
        psi->Resize(model::kSamples);
        psi->SetMassFactor(model::kMassFactor);
    }
    for (SampledFunction* half : {&leftHalf_, &rightHalf_})
        half->SetRange(model::kGridMin, model::kGridMax);
}

void LevelSearch::SetPotential(const RealFunction* v, bool twoSided) {
    for (WaveFunction* psi : {&work_, &lower_, &upper_})
        psi->SetPotential(v);
    twoSided_ = twoSided && v != nullptr;
    if (twoSided_) shot_.SetPotential(v, work_, model::kMassFactor);
}

void LevelSearch::SetGrowthLimit(double limit) {
    for (WaveFunction* psi : {&work_, &lower_, &upper_})
        psi->SetGrowthLimit(limit);
}

void LevelSearch::BeginPrediction() {
    bracket_.phase = Phase::Start;
    predictionShown_ = true;
}

void LevelSearch::Predict(double energy) {
    if (twoSided_) {
        predicted_ = shot_.Shoot(energy, lower_, &leftHalf_, &rightHalf_);
        return;
    }
    work_.Integrate(0, energy);
    std::swap(lower_, work_);
}

void LevelSearch::Clear() {
    count_ = 0;
    bracket_.phase = Phase::Start;
    predictionShown_ = false;
}

LevelSearch::Step LevelSearch::TakeStep(const SearchRange& range) {
    searching_ = true;
    switch (bracket_.phase) {
        case Phase::Start:
            Start(range);
            return Step::Started;
        case Phase::Scan:
            return twoSided_ ? ScanTwoSided() : Scan();
        case Phase::NextLevel:
            return NextLevel();
        case Phase::Bisect:
            break;
    }
    return twoSided_ ? BisectTwoSided() : Bisect();
}

void LevelSearch::MoveOn() {
    // Shot from both ends, a level whose bisection "Buscar" began is finished
    // first: each level is recorded in turn.
    if (twoSided_ && searching_) return;
    if (bracket_.phase == Phase::Bisect) bracket_.phase = Phase::NextLevel;
}

bool LevelSearch::Converged() const {
    // Both halves of a two-sided shot decay at any energy: only the bracket tells.
    if (twoSided_)
        return bracket_.phase == Phase::Bisect &&
               std::fabs(bracket_.low - bracket_.high) < kBracketTolerance;
    const bool decayed = Modulus(lower_.Value(kDecayProbe)) < kDecayThreshold &&
                         Modulus(upper_.Value(kDecayProbe)) < kDecayThreshold;
    return decayed || std::fabs(bracket_.low - bracket_.high) < kBracketTolerance;
}

bool LevelSearch::Record(int ticks) {
    if (count_ >= kMaxLevels) return false;
    searching_ = false;
    const double energy = (bracket_.high + bracket_.low) * 0.5;
    levels_[count_] = {static_cast<int>(count_), bracket_.parity, energy, ticks};
    if (twoSided_) levels_[count_].nodes = ShootWork(energy).nodes;
    ++count_;
    return true;
}

void LevelSearch::Start(const SearchRange& range) {
    bracket_.ceiling = range.ceiling;
    bracket_.low = range.bottom;
    bracket_.high = range.bottom + kScanStep;
    bracket_.parity = twoSided_ ? SearchLevel::kNoParity : 0;
    if (twoSided_) {
        // A ceiling this low (no level is bound) leaves no bracket to scan.
        bracket_.high = std::fmax(std::fmin(bracket_.high, range.ceiling), range.bottom);
        StartTwoSided();
    } else {
        IntegrateBracket();
    }
    count_ = 0;
}

LevelSearch::Step LevelSearch::Scan() {
    if (AdvanceScan(bracket_.high)) return Step::ScanEnded;
    work_.Integrate(bracket_.parity, bracket_.high);
    std::swap(upper_, work_);
    if (Re(upper_, kSignProbe) * Re(lower_, kSignProbe) < 0.0) bracket_.phase = Phase::Bisect;
    return Step::Moved;
}

LevelSearch::Step LevelSearch::NextLevel() {
    bracket_.low = bracket_.high;
    if (AdvanceScan(bracket_.low)) return Step::ScanEnded;
    if (twoSided_) {
        StartTwoSided();
        return Step::Moved;
    }
    bracket_.parity = bracket_.parity == 0 ? 1 : 0;
    IntegrateBracket();
    return Step::Moved;
}

LevelSearch::Step LevelSearch::Bisect() {
    const double e = (bracket_.high + bracket_.low) * 0.5;
    work_.Integrate(bracket_.parity, e);
    if (bracket_.lowSign * Re(work_, kSignProbe) > 0.0) {
        bracket_.low = e;
        std::swap(lower_, work_);
    } else {
        bracket_.high = e;
        std::swap(upper_, work_);
    }
    midpoint_ = e;
    return Step::Bisected;
}

// Solutions at both ends of the bracket; bisect if their signs differ far
// out (or one is zero there), else scan on.
void LevelSearch::IntegrateBracket() {
    work_.Integrate(bracket_.parity, bracket_.low);
    std::swap(lower_, work_);
    work_.Integrate(bracket_.parity, bracket_.high);
    std::swap(upper_, work_);
    const double low = Re(lower_, kSignProbe);
    bracket_.lowSign = low > 0.0 ? 1.0 : -1.0;
    bracket_.phase = low * Re(upper_, kSignProbe) > 0.0 ? Phase::Scan : Phase::Bisect;
}

// Moves the bracket's upper end one step past previousEnd. The last step is
// shortened to end on the ceiling, so that no level between the last scan
// point and the ceiling is lost. Returns true when the scan is over.
bool LevelSearch::AdvanceScan(double previousEnd) {
    bracket_.high = previousEnd + kScanStep;
    if (bracket_.high <= bracket_.ceiling) return false;
    if (previousEnd < bracket_.ceiling - kBracketTolerance) {
        bracket_.high = bracket_.ceiling;
        return false;
    }
    return true;
}

// ---- Shot from both ends ----------------------------------------------------
// The scan looks for a rise in the number of levels below the bracket's upper
// end; the bisection halves on the mismatch's sign while the bracket holds one
// level, and on that number while it holds more.

ShotResult LevelSearch::ShootWork(double energy) {
    return shot_.Shoot(energy, work_);
}

void LevelSearch::StartTwoSided() {
    lowerShot_ = ShootWork(bracket_.low);
    std::swap(lower_, work_);
    upperShot_ = ShootWork(bracket_.high);
    std::swap(upper_, work_);
    bracket_.lowSign = lowerShot_.mismatch > 0.0 ? 1.0 : -1.0;
    bracket_.lowBelow = lowerShot_.levelsBelow;
    bracket_.highBelow = upperShot_.levelsBelow;
    bracket_.phase = bracket_.highBelow > bracket_.lowBelow ? Phase::Bisect : Phase::Scan;
}

LevelSearch::Step LevelSearch::ScanTwoSided() {
    if (AdvanceScan(bracket_.high)) return Step::ScanEnded;
    upperShot_ = ShootWork(bracket_.high);
    std::swap(upper_, work_);
    bracket_.highBelow = upperShot_.levelsBelow;
    if (bracket_.highBelow > bracket_.lowBelow) bracket_.phase = Phase::Bisect;
    return Step::Moved;
}

LevelSearch::Step LevelSearch::BisectTwoSided() {
    const double e = (bracket_.high + bracket_.low) * 0.5;
    const ShotResult shot = ShootWork(e);
    const bool below = bracket_.highBelow - bracket_.lowBelow > 1
                           ? shot.levelsBelow <= bracket_.lowBelow
                           : bracket_.lowSign * shot.mismatch > 0.0;
    if (below) {
        bracket_.low = e;
        lowerShot_ = shot;
        std::swap(lower_, work_);
    } else {
        bracket_.high = e;
        bracket_.highBelow = shot.levelsBelow;
        upperShot_ = shot;
        std::swap(upper_, work_);
    }
    midpoint_ = e;
    return Step::Bisected;
}
