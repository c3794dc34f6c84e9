// Plane vectors and 2x2 matrices: the geometry of the plot and, with x as the
// real part and y as the imaginary part, the complex numbers of wave functions.
#pragma once

#include <cmath>

struct Vector2 {
    double x = 0.0;
    double y = 0.0;

    constexpr Vector2() = default;
    constexpr Vector2(double x_, double y_) : x(x_), y(y_) {}

    constexpr void Set(double x_, double y_) {
        x = x_;
        y = y_;
    }
    constexpr void Zero() { x = y = 0.0; }

    constexpr Vector2 operator+(Vector2 v) const { return {x + v.x, y + v.y}; }
    constexpr Vector2 operator-(Vector2 v) const { return {x - v.x, y - v.y}; }
    constexpr Vector2 operator*(double k) const { return {x * k, y * k}; }
    constexpr Vector2 operator/(double k) const { return {x / k, y / k}; }
    constexpr double Dot(Vector2 v) const { return x * v.x + y * v.y; }

    constexpr bool operator==(const Vector2&) const = default;
};

// Row-major: (m00 m01; m10 m11).
struct Matrix2 {
    double m00 = 0.0;
    double m01 = 0.0;
    double m10 = 0.0;
    double m11 = 0.0;

    constexpr void Set(double a00, double a01, double a10, double a11) {
        m00 = a00;
        m01 = a01;
        m10 = a10;
        m11 = a11;
    }

    // Sine in row 0 and minus sine in row 1: (1, 0) goes to (cos a, -sin a).
    // The canvas composes this with its scale, so the layout is load-bearing.
    void SetRotation(double angle) {
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        Set(c, s, -s, c);
    }

    constexpr Vector2 operator*(Vector2 v) const {
        return {m00 * v.x + m01 * v.y, m10 * v.x + m11 * v.y};
    }
    constexpr Matrix2 operator*(const Matrix2& n) const {
        return {m00 * n.m00 + m01 * n.m10, m00 * n.m01 + m01 * n.m11, m10 * n.m00 + m11 * n.m10,
                m10 * n.m01 + m11 * n.m11};
    }

    constexpr bool operator==(const Matrix2&) const = default;
};
