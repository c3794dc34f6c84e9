#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "vector2.h"

TEST(Vector2, ArithmeticKeepsOperandOrder) {
    EXPECT_EQ(Vector2(1, 2) - Vector2(3, 5), Vector2(-2, -3));
    EXPECT_EQ(Vector2(3, 5) - Vector2(1, 2), Vector2(2, 3));
    EXPECT_EQ(Vector2(1, 2) + Vector2(3, 5), Vector2(4, 7));
    EXPECT_EQ(Vector2(1, 2) * 3.0, Vector2(3, 6));
    EXPECT_DOUBLE_EQ(Vector2(2, 3).Dot(Vector2(4, -1)), 5.0);
    EXPECT_EQ(Vector2(), Vector2(0, 0));
}

TEST(Vector2, DivisionByZeroGivesInfinities) {
    const Vector2 v = Vector2(1, 2) / 0.0;
    EXPECT_TRUE(std::isinf(v.x) && v.x > 0);
    EXPECT_TRUE(std::isinf(v.y) && v.y > 0);
}

TEST(Matrix2, RotationIsTheTransposedLayout) {
    Matrix2 r;
    r.SetRotation(0.0);
    EXPECT_EQ(r * Vector2(3, -4), Vector2(3, -4));

    r.SetRotation(std::numbers::pi / 2);
    const Vector2 ex = r * Vector2(1, 0);
    const Vector2 ey = r * Vector2(0, 1);
    EXPECT_NEAR(ex.x, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(ex.y, -1.0);
    EXPECT_DOUBLE_EQ(ey.x, 1.0);
    EXPECT_NEAR(ey.y, 0.0, 1e-15);
}

TEST(Matrix2, ProductsAreRowMajor) {
    Matrix2 m, n;
    m.Set(1, 2, 3, 4);
    n.Set(5, 6, 7, 8);
    const Matrix2 p = m * n;
    EXPECT_EQ(p.m00, 19);
    EXPECT_EQ(p.m01, 22);
    EXPECT_EQ(p.m10, 43);
    EXPECT_EQ(p.m11, 50);
    EXPECT_EQ(m * Vector2(1, 1), Vector2(3, 7));
}
