#include <gtest/gtest.h>

#include <cmath>

#include "potentials.h"

namespace {

struct Configured {
    SquareWell well;
    PowerPotential oscillator;
    WoodsSaxonPotential woodsSaxon;
    Configured() {
        well.SetHalfWidth(2.0);
        well.SetDepth(-8.0);
        oscillator.SetCoefficient(1.0);
        oscillator.SetOffset(-8.0);
        woodsSaxon.SetStrength(-16.0);
    }
};

}  // namespace

TEST(Potentials, SquareWellWallsBelongOutside) {
    Configured c;
    EXPECT_EQ(c.well.Value(1.5), -8.0);
    EXPECT_EQ(c.well.Value(0.0), -8.0);
    EXPECT_EQ(c.well.Value(2.0), 0.0);
    EXPECT_EQ(c.well.Value(-2.0), 0.0);
    EXPECT_EQ(c.well.Value(std::nextafter(2.0, 0.0)), -8.0);
    for (double x : {-2.0, -1.0, 0.0, 2.0, 7.0})
        EXPECT_EQ(c.well.Derivative(x), 0.0);
}

TEST(Potentials, OscillatorValueSlopeAndDifferenceQuotient) {
    Configured c;
    EXPECT_EQ(c.oscillator.Value(-3.0), 1.0);
    EXPECT_EQ(c.oscillator.Value(0.0), -8.0);
    EXPECT_EQ(c.oscillator.Derivative(-3.0), -6.0);
    EXPECT_EQ(c.oscillator.DifferenceQuotient(1.0, 0.5), 2.5);
    EXPECT_EQ(c.oscillator.Value(14.0), 188.0);
}

TEST(Potentials, WoodsSaxonNeverQuiteReachesZero) {
    Configured c;
    EXPECT_EQ(c.woodsSaxon.Value(0.0), -8.0);
    const double far = c.woodsSaxon.Value(10.0);
    EXPECT_LT(far, 0.0);
    EXPECT_EQ(far, -16.0 / (1.0 + std::exp(100.0)));
    EXPECT_EQ(c.woodsSaxon.Value(-10.0), far);
    // The slope is a forward difference: negative just left of the centre
    // moving right means the well deepens, positive to the right.
    EXPECT_GT(c.woodsSaxon.Derivative(0.5), 0.0);
    EXPECT_LT(c.woodsSaxon.Derivative(-0.5), 0.0);
}

TEST(Potentials, AllThreeAreEven) {
    Configured c;
    for (double x = 0.0; x < 20.0; x += 0.37) {
        EXPECT_EQ(c.well.Value(x), c.well.Value(-x));
        EXPECT_EQ(c.oscillator.Value(x), c.oscillator.Value(-x));
        EXPECT_EQ(c.woodsSaxon.Value(x), c.woodsSaxon.Value(-x));
    }
}
