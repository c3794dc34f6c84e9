// V(x) typed as text: parsed and evaluated by muparser, with the variable x,
// muparser's operators and functions, and sech. A formula is accepted only
// when it reads and is finite on every point of the wave functions' grid;
// whether it is even is checked there too.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "potentials.h"

class FormulaPotential : public Potential {
  public:
    static constexpr std::size_t kMaxLength = 1000;
    // |V(x) - V(-x)| <= kEvenTolerance * max(1, |V(x)|) on the grid: even.
    static constexpr double kEvenTolerance = 1e-12;

    FormulaPotential();
    ~FormulaPotential() override;
    FormulaPotential(const FormulaPotential&) = delete;
    FormulaPotential& operator=(const FormulaPotential&) = delete;

    // Why the text would not do as V(x) ("unexpected ')' at position 7",
    // "V is not finite at x = 0"); nothing if it would.
    static std::optional<std::string> Check(std::string_view text);
    // Takes the text as V(x) if it would do; otherwise the message, and the
    // formula stays as it was.
    std::optional<std::string> SetText(std::string_view text);
    const std::string& Text() const { return text_; }

    double Value(double x) const override;
    // A central difference: enough for drawing the curve.
    double Derivative(double x) const override;
    bool IsEven() const override { return even_; }
    // Where the formula switches (see switch_points.h) within kSwitchReach
    // of 0: its jumps and kinks, however narrow, for the solver's mesh.
    std::vector<double> Jumps() const override { return switches_; }
    static constexpr double kSwitchReach = 24.0;

  private:
    struct Engine;
    // The parsed text and whether it is even; a message if it would not do.
    static std::unique_ptr<Engine> Compile(std::string_view text, std::string& message);

    std::unique_ptr<Engine> engine_;
    std::string text_;
    bool even_ = true;
    std::vector<double> switches_;
};
