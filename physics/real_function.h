// A real function of x: the potentials and the real views of wave functions.
// Everything the plotter draws is one of these.
#pragma once

class RealFunction {
  public:
    virtual ~RealFunction() = default;

    virtual double Value(double x) const = 0;

    // Forward difference (f(x + h) - f(x)) / h; the same for every function.
    double DifferenceQuotient(double x, double h) const { return (Value(x + h) - Value(x)) / h; }

    // The slope the curve drawing uses: exact where the formula allows.
    virtual double Derivative(double x) const = 0;
};
