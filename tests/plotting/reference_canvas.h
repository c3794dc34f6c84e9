// The canvas primitives written out step by step, with no clipping and no
// jumping ahead: every cell of every scan is visited and every candidate
// pixel is tested. Slow, and only defined for coordinates well inside 32-bit
// range, but plain enough to check the canvas's clipped scans against.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "canvas.h"

class ReferenceCanvas : public PlotCanvas {
  public:
    using PlotCanvas::PlotCanvas;

    void DrawLine(Vector2 a, Vector2 b) override {
        if (profile == nullptr) return;
        const Vector2 d = b - a;
        const int ix = static_cast<int>(d.x);
        const int iy = static_cast<int>(d.y);
        if (ix == 0 && iy == 0) {
            DrawDisc(a + d * 2.0, 0.0);
            return;
        }
        const double m = d.y / d.x;
        const double len = std::sqrt(d.x * d.x + d.y * d.y);
        const double ux = d.x / len;
        const double uy = d.y / len;
        const int sx = Sign(ix);
        const int sy = Sign(iy);
        const unsigned nx = static_cast<unsigned>(std::abs(ix));
        const unsigned ny = static_cast<unsigned>(std::abs(iy));
        const double w = profile->Extent();
        int x = static_cast<int>(a.x - w * ux);
        int y = static_cast<int>(a.y - w * uy);
        unsigned e1 = 0;
        unsigned e2 = 0;
        if (nx > ny) {
            const int count = static_cast<int>(nx) + static_cast<int>(2.0 * w * std::abs(ux)) + 1;
            const int band = static_cast<int>(std::abs(w / ux)) + 3;
            for (int step = 0; step < count; ++step) {
                const double e = (y - a.y) - (x - a.x) * m;
                for (int j = -band; j < band; ++j) {
                    const double dist = (j + e) * ux;
                    const double q = sx * dist * uy;
                    if (sx * (a.x - x) < q && sx * (b.x - x) > q && std::abs(dist) < w) {
                        Put(x, y + j, std::abs(dist));
                    }
                }
                e1 += nx;
                e2 += ny;
                if (e1 > nx) e1 -= nx, x += sx;
                if (e2 > nx) e2 -= nx, y += sy;
            }
        } else {
            const int count = static_cast<int>(ny) + static_cast<int>(2.0 * w * std::abs(uy)) + 1;
            const int band = static_cast<int>(std::abs(w / uy)) + 3;
            for (int step = 0; step < count; ++step) {
                const double e = (x - a.x) - (y - a.y) / m;
                for (int j = -band; j < band; ++j) {
                    const double dist = (j + e) * uy;
                    const double q = sy * dist * ux;
                    if (sy * (a.y - y) < q && sy * (b.y - y) > q && std::abs(dist) < w) {
                        Put(x + j, y, std::abs(dist));
                    }
                }
                e1 += nx;
                e2 += ny;
                if (e1 > ny) e1 -= ny, x += sx;
                if (e2 > ny) e2 -= ny, y += sy;
            }
        }
    }

    void DrawDisc(Vector2 c, double r) override {
        if (profile == nullptr) return;
        const double outer = profile->Extent() + r;
        const int cx = static_cast<int>(c.x);
        const int cy = static_cast<int>(c.y);
        const int n = static_cast<int>(std::abs(outer)) + 2;
        for (int i = -n; i <= n; ++i) {
            for (int j = -n; j <= n; ++j) {
                const double q = i * i + j * j;
                if (q < outer * outer) Put(cx + j, cy + i, q < r * r ? 0.0 : std::sqrt(q) - r);
            }
        }
    }

    void DrawCurvePoint(Vector2 p, Vector2 t) override {
        if (profile == nullptr) return;
        const Vector2 across(-t.y, t.x);
        const Vector2 n = across / std::sqrt(across.x * across.x + across.y * across.y);
        const int cx = static_cast<int>(p.x);
        const int cy = static_cast<int>(p.y);
        const double w = profile->Extent();
        const Vector2 reach = n * (w + 2.0);
        int x = cx + static_cast<int>(reach.x);
        int y = cy + static_cast<int>(reach.y);
        const int dx = static_cast<int>(-2.0 * reach.x);
        const int dy = static_cast<int>(-2.0 * reach.y);
        const int sx = Sign(dx);
        const int sy = Sign(dy);
        const unsigned nx = static_cast<unsigned>(std::abs(dx));
        const unsigned ny = static_cast<unsigned>(std::abs(dy));
        const bool xMajor = nx > ny;
        const unsigned major = xMajor ? nx : ny;
        unsigned e1 = 0;
        unsigned e2 = 0;
        for (unsigned step = 0; step < major + 2; ++step) {
            const int q[3][2] = {{xMajor ? x + sy : x, xMajor ? y : y - sx},
                                 {xMajor ? x : x - sx, xMajor ? y - sy : y},
                                 {x, y}};
            for (const auto& cell : q) {
                const Vector2 diff = Vector2(cell[0], cell[1]) - p;
                const double dist = std::sqrt(diff.x * diff.x + diff.y * diff.y);
                if (dist <= w) Put(cell[0], cell[1], dist);
            }
            e1 += nx;
            e2 += ny;
            if (e1 > major) e1 -= major, x += sx;
            if (e2 > major) e2 -= major, y += sy;
        }
    }

  private:
    static int Sign(int v) { return (v > 0) - (v < 0); }

    void Put(int x, int y, double distance) {
        PixelRGB24 scratch;
        profile->ColorAt(scratch, distance);
        if (x >= 0 && y >= 0)
            Image()->SetPixel(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y),
                              scratch);
    }
};
