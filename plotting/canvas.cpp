#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <typeinfo>
#include <utility>

#include "color_ramp.h"

namespace {

using Index = std::int64_t;
using Count = std::uint64_t;

// Pixel coordinates and stroke extents up to these limits are scanned as they
// are: every index then stays within 32 bits for the whole scan, so the pixels
// are exactly those of the unbounded scan, and the scan itself is only walked
// where it can reach the image. Beyond them (some hundred million pixels off
// screen) a line is first cut down to the image's neighbourhood and the other
// primitives, which could not reach the image anyway, paint nothing.
constexpr double kCoordinateLimit = 536870912.0;  // 2^29
constexpr double kExtentLimit = 268435456.0;      // 2^28

Index Trunc(double v) {
    return static_cast<Index>(v);
}
Index Sign(Index v) {
    return (v > 0) - (v < 0);
}
Count Magnitude(Index v) {
    return static_cast<Count>(v < 0 ? -v : v);
}

bool Finite(Vector2 v) {
    return std::isfinite(v.x) && std::isfinite(v.y);
}
bool WithinLimit(Vector2 v) {
    return std::abs(v.x) <= kCoordinateLimit && std::abs(v.y) <= kCoordinateLimit;
}

// The line scan and the curve-point walk step their cells the same way: each
// step adds n to an axis's error term, and when the term exceeds the major
// count the axis advances and the term loses that count. After k steps an axis
// has therefore advanced ceil(k n / major) - 1 times (never on the first step),
// which lets a scan start at any step without walking there.
Index Advances(Count k, Count n, Count major) {
    if (n == 0 || k == 0) return 0;
    return static_cast<Index>((k * n + major - 1) / major) - 1;
}

struct Walk {
    Index x0, y0;
    Index sx, sy;
    Count nx, ny, major;

    // The cell of one step, with its two error terms.
    struct Cell {
        Index x, y;
        Count ex, ey;
    };

    Index XAt(Count k) const { return x0 + sx * Advances(k, nx, major); }
    Index YAt(Count k) const { return y0 + sy * Advances(k, ny, major); }
    Count ErrorX(Count k) const {
        return k * nx - static_cast<Count>(Advances(k, nx, major)) * major;
    }
    Count ErrorY(Count k) const {
        return k * ny - static_cast<Count>(Advances(k, ny, major)) * major;
    }
    Cell At(Count k) const { return {XAt(k), YAt(k), ErrorX(k), ErrorY(k)}; }

    // From one step's cell to the next one's.
    void Step(Cell& c) const {
        c.ex += nx;
        c.ey += ny;
        if (c.ex > major) {
            c.ex -= major;
            c.x += sx;
        }
        if (c.ey > major) {
            c.ey -= major;
            c.y += sy;
        }
    }
};

// First k in [lo, hi) for which pred holds, pred being false then true; hi if none.
template <typename Pred>
Count FirstTrue(Count lo, Count hi, Pred pred) {
    while (lo < hi) {
        const Count mid = lo + (hi - lo) / 2;
        if (pred(mid)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

// Narrows the steps [begin, end) to those whose coordinate at(k) lies in
// [lo, hi]; the coordinate moves monotonically in `direction` (0: constant).
template <typename Coordinate>
void ClipSteps(Count& begin, Count& end, Coordinate at, Index direction, Index lo, Index hi) {
    if (begin >= end) return;
    const Index first = at(begin);
    const Index last = at(end - 1);
    if (first >= lo && first <= hi && last >= lo && last <= hi) return;
    if (direction == 0) {
        end = begin;
        return;
    }
    const auto reached = [&](Count k) {
        const Index c = at(k);
        return direction > 0 ? c >= lo : c <= hi;
    };
    const auto passed = [&](Count k) {
        const Index c = at(k);
        return direction > 0 ? c > hi : c < lo;
    };
    begin = FirstTrue(begin, end, reached);
    end = FirstTrue(begin, end, passed);
}

// Cuts a segment down to its part with coordinate c in [lo, hi]; c1, c2 are
// that coordinate of the two ends and o1, o2 the other one. False when no part
// is left.
bool ClipAxis(double& c1, double& o1, double& c2, double& o2, double lo, double hi) {
    if ((c1 < lo && c2 < lo) || (c1 > hi && c2 > hi)) return false;
    const bool keep1 = c1 >= lo && c1 <= hi;
    const bool keep2 = c2 >= lo && c2 <= hi;
    if (keep1 && keep2) return true;
    // The slope is taken at half scale so that the differences cannot
    // overflow. A moved end is measured from an end that stays where there is
    // one, which keeps the precision of the part that is drawn.
    const double slope = (o2 * 0.5 - o1 * 0.5) / (c2 * 0.5 - c1 * 0.5);
    const double to1 = c1 < lo ? lo : hi;
    const double to2 = c2 < lo ? lo : hi;
    const double new1 = keep2 ? o2 + (to1 - c2) * slope : o1 + (to1 - c1) * slope;
    const double new2 = keep1 ? o1 + (to2 - c1) * slope : o2 + (to2 - c2) * slope;
    if (!keep1) {
        c1 = to1;
        o1 = new1;
    }
    if (!keep2) {
        c2 = to2;
        o2 = new2;
    }
    return true;
}

bool ClipSegment(Vector2& a, Vector2& b, Vector2 lo, Vector2 hi) {
    return ClipAxis(a.x, a.y, b.x, b.y, lo.x, hi.x) && ClipAxis(a.y, a.x, b.y, b.x, lo.y, hi.y);
}

// One step of a line scan: the band of pixels j = jLo..jHi across the line
// from the step's cell, e being the cell's offset from the line. Pixel j lies
// at signed distance d = (j + e) u from the line, and its foot on the line at
// q = s d v; it is painted when fromA < q < fromB (strictly between the ends:
// the square caps) and |d| < w.
struct BandStep {
    double e, u, s, v, fromA, fromB, w;

    bool Paints(Index j, double& distance) const {
        const double d = (static_cast<double>(j) + e) * u;
        const double q = s * d * v;
        if (!(fromA < q && fromB > q)) return false;
        distance = std::abs(d);
        return distance < w;
    }

    double Distance(Index j) const { return std::abs((static_cast<double>(j) + e) * u); }

    // The run of j in jLo..jHi with |d| < w, whatever the caps say: false if
    // there is none. |d| grows with the distance of j from -e, rounding
    // included, so the run holds the j nearest -e if anything.
    bool DistanceRun(Index jLo, Index jHi, Index& first, Index& last) const {
        if (jLo > jHi) return false;
        const auto within = [this](Index j) { return Distance(j) < w; };
        const Index nearest = std::clamp(Trunc(std::floor(0.5 - e)), jLo, jHi);
        if (!within(nearest)) return false;
        first = last = nearest;
        while (last < jHi && within(last + 1))
            ++last;
        while (first > jLo && within(first - 1))
            --first;
        return true;
    }

    // Every quantity above is monotone in j, rounding included, so each test
    // passes on a run of consecutive j and so does their conjunction. The run
    // is grown from the j nearest the line; only when that one fails (near an
    // end of the segment) is the whole band tested. The pixels are distinct,
    // so the order they are painted in does not matter.
    template <typename PaintAt>
    void Scan(Index jLo, Index jHi, PaintAt paint) const {
        if (jLo > jHi) return;
        const Index nearest = std::clamp(Trunc(std::floor(0.5 - e)), jLo, jHi);
        double distance = 0.0;
        if (!Paints(nearest, distance)) {
            for (Index j = jLo; j <= jHi; ++j) {
                if (Paints(j, distance)) paint(j, distance);
            }
            return;
        }
        paint(nearest, distance);
        for (Index j = nearest + 1; j <= jHi && Paints(j, distance); ++j)
            paint(j, distance);
        for (Index j = nearest - 1; j >= jLo && Paints(j, distance); --j)
            paint(j, distance);
    }
};

// Brings a segment with an end beyond the coordinate limit down to the
// image's neighbourhood; false when nothing of it is left to draw.
bool CutToImage(Vector2& a, Vector2& b, double w, Index width, Index height) {
    if (WithinLimit(a) && WithinLimit(b)) return true;
    if (!(w > 0.0) || w > kExtentLimit) return false;
    // The stroke reaches at most w from the segment, so cutting it a little
    // beyond that changes nothing inside the image but its square ends.
    const double margin = w + 4.0;
    const Vector2 lo(-margin, -margin);
    const Vector2 hi(static_cast<double>(width) + margin, static_cast<double>(height) + margin);
    return ClipSegment(a, b, lo, hi) && WithinLimit(a) && WithinLimit(b);
}

// A line stroke as its scan sees it. The scan walks the major axis one cell
// per step, from w before a so that the bands cover the stroke's whole width
// at the square end, and paints a band of pixels across the line from each
// cell. A steep (y-major, equal counts included) line has its axes exchanged
// throughout, so that here x is always the major axis; all but the slope,
// which stays the segment's own and is divided by instead of multiplied.
struct LineScan {
    Vector2 a, b;
    Vector2 unit;  // along the segment
    double slope;  // infinite for a vertical segment
    double w;
    bool steep;
    bool straight;  // horizontal or vertical: the scan's row never changes
    Walk walk;
    Count steps;
    Index band;  // how far from its cell a band can reach
    Index width, height;

    // Row offset of cell (x, y) from the line; with the infinite slope of a
    // steep vertical line the second term is zero.
    double Offset(Index x, Index y) const {
        const double along = static_cast<double>(x) - a.x;
        const double across = static_cast<double>(y) - a.y;
        return across - (steep ? along / slope : along * slope);
    }
    // The caps' bounds fromA and fromB (see BandStep) at column x.
    std::pair<double, double> Caps(Index x) const {
        const double sx = static_cast<double>(walk.sx);
        return {sx * (a.x - static_cast<double>(x)), sx * (b.x - static_cast<double>(x))};
    }
    BandStep BandAt(Index x, Index y) const {
        const auto [fromA, fromB] = Caps(x);
        const double sx = static_cast<double>(walk.sx);
        return {Offset(x, y), unit.x, sx, unit.y, fromA, fromB, w};
    }
    // The band's rows y + j that lie in the image: j = RowLo(y)..RowHi(y).
    Index RowLo(Index y) const { return std::max(-band, -y); }
    Index RowHi(Index y) const { return std::min(band - 1, height - 1 - y); }
};

LineScan MakeLineScan(Vector2 a, Vector2 b, double w, Index width, Index height) {
    const Vector2 diff = b - a;
    const double length = std::sqrt(diff.x * diff.x + diff.y * diff.y);
    LineScan s{};
    s.a = a;
    s.b = b;
    s.unit = diff / length;
    s.slope = diff.y / diff.x;
    s.w = w;
    s.width = width;
    s.height = height;
    Index ix = Trunc(diff.x);
    Index iy = Trunc(diff.y);
    Index startX = Trunc(a.x - w * s.unit.x);
    Index startY = Trunc(a.y - w * s.unit.y);
    s.steep = !(Magnitude(ix) > Magnitude(iy));
    s.straight = (s.steep ? diff.x : diff.y) == 0.0;
    if (s.steep) {
        std::swap(s.a.x, s.a.y);
        std::swap(s.b.x, s.b.y);
        std::swap(s.unit.x, s.unit.y);
        std::swap(s.width, s.height);
        std::swap(ix, iy);
        std::swap(startX, startY);
    }
    const Count nx = Magnitude(ix);
    s.walk = Walk{startX, startY, Sign(ix), Sign(iy), nx, Magnitude(iy), nx};
    s.steps = nx + static_cast<Count>(Trunc(2.0 * w * std::abs(s.unit.x))) + 1;
    s.band = Trunc(std::abs(w / s.unit.x)) + 3;
    return s;
}

// A straight line: with a zero slope and uy = 0 the offset e, and so every
// distance, is the same at every step, while the caps' q = sx d uy is zero.
// One run of rows serves all steps; a step paints it when its column lies
// strictly between the ends.
template <typename PaintAt>
void PaintStraightLine(const LineScan& s, Count begin, Count end, PaintAt paint) {
    Index x = s.walk.XAt(begin);
    const Index y = s.walk.YAt(begin);
    const BandStep band = s.BandAt(x, y);
    Index first = 0;
    Index last = 0;
    if (!band.DistanceRun(s.RowLo(y), s.RowHi(y), first, last)) return;
    // The walk without its error terms: x advances on every step but the first.
    for (Count k = begin; k < end; ++k, x += (k > 1 ? s.walk.sx : 0)) {
        const auto [fromA, fromB] = s.Caps(x);
        if (fromA < 0.0 && fromB > 0.0) {
            for (Index j = first; j <= last; ++j)
                paint(x, y + j, band.Distance(j));
        }
    }
}

// Any other line: each step scans its own band.
template <typename PaintAt>
void PaintBands(const LineScan& s, Count begin, Count end, PaintAt paint) {
    Walk::Cell c = s.walk.At(begin);
    for (Count k = begin; k < end; ++k, s.walk.Step(c)) {
        const BandStep band = s.BandAt(c.x, c.y);
        band.Scan(s.RowLo(c.y), s.RowHi(c.y),
                  [&](Index j, double distance) { paint(c.x, c.y + j, distance); });
    }
}

// The scan's steps whose column lies in the image, painted at the scan's
// (x, y).
template <typename PaintAt>
void PaintLine(const LineScan& s, PaintAt paint) {
    Count begin = 0;
    Count end = s.steps;
    ClipSteps(
        begin, end, [&](Count k) { return s.walk.XAt(k); }, s.walk.sx, 0, s.width - 1);
    if (begin >= end) return;
    if (s.straight) {
        PaintStraightLine(s, begin, end, paint);
    } else {
        PaintBands(s, begin, end, paint);
    }
}

// The walk across a curve at one sample point, from point + reach towards
// point - reach, reach being the unit normal made w + 2 long. Each step
// paints its cell and two side pixels, one cell away from it on either side.
struct CrossWalk {
    Walk walk;
    Index side1x, side1y, side2x, side2y;  // relative to the walk cell
    // Without a step along the minor axis both side pixels are the walk cell
    // itself, which then needs painting only once: it gets the same colour
    // each time. That is the case on every nearly flat stretch of a curve.
    bool sidesApart;
};

CrossWalk MakeCrossWalk(Vector2 point, Vector2 normal, double w) {
    const Vector2 reach = normal * (w + 2.0);
    const Index dx = Trunc(-2.0 * reach.x);
    const Index dy = Trunc(-2.0 * reach.y);
    const Index sx = Sign(dx);
    const Index sy = Sign(dy);
    const Count nx = Magnitude(dx);
    const Count ny = Magnitude(dy);
    const Index x0 = Trunc(point.x) + Trunc(reach.x);
    const Index y0 = Trunc(point.y) + Trunc(reach.y);
    if (nx > ny) return {Walk{x0, y0, sx, sy, nx, ny, nx}, sy, 0, 0, -sy, sy != 0};
    return {Walk{x0, y0, sx, sy, nx, ny, ny}, 0, -sx, -sx, 0, sx != 0};
}

// The pixels a curve point paints: those within w of the point.
struct NearPoint {
    Vector2 point;
    double w;
    // Squares beyond this have a square root beyond w, whatever the
    // rounding: the root is not needed to turn them away. (For a w so small
    // that its square would lose precision no square is turned away early.)
    double farSquare;

    NearPoint(Vector2 p, double extent)
        : point(p),
          w(extent),
          farSquare(w >= 1e-150 ? w * w * (1.0 + 1e-9) : std::numeric_limits<double>::infinity()) {}

    // True when pixel (qx, qy) is painted; d is then its distance.
    bool Within(Index qx, Index qy, double& d) const {
        const double ddx = static_cast<double>(qx) - point.x;
        const double ddy = static_cast<double>(qy) - point.y;
        const double square = ddx * ddx + ddy * ddy;
        if (square > farSquare) return false;
        d = std::sqrt(square);
        return d <= w;
    }
};

// A nearly flat curve, whose walk takes no step across: the walk runs along
// one column, its side pixels are the walk cell itself, and the distance from
// the point falls and then rises along the column (rounding keeps it so). The
// pixels within w are therefore one run around the point's row: grown outward
// from there, within the rows the walk covers.
template <typename PaintAt>
void PaintColumnRun(const Walk& walk, const NearPoint& near, Index width, Index height,
                    PaintAt paint) {
    const Index column = walk.x0;
    if (column < 0 || column >= width) return;
    const Index last = walk.y0 + walk.sy * static_cast<Index>(walk.ny);
    const Index lo = std::max<Index>(std::min(walk.y0, last), 0);
    const Index hi = std::min<Index>(std::max(walk.y0, last), height - 1);
    const Index below = Trunc(std::floor(near.point.y));  // the last row not above the point
    double d = 0.0;
    for (Index qy = std::min(below, hi); qy >= lo && near.Within(column, qy, d); --qy)
        paint(column, qy, d);
    for (Index qy = std::max(below + 1, lo); qy <= hi && near.Within(column, qy, d); ++qy)
        paint(column, qy, d);
}

// The steps [begin, end) of a cross walk that can reach the image: side
// pixels lie one cell away from the walk. A walk that stays well inside the
// image (each axis moves at most its count) needs no cutting.
void ClipCrossWalk(const Walk& walk, Index width, Index height, Count& begin, Count& end) {
    begin = 0;
    end = walk.major + 2;
    const auto nx = static_cast<Index>(walk.nx);
    const auto ny = static_cast<Index>(walk.ny);
    if (walk.x0 - nx > 0 && walk.x0 + nx < width - 1 && walk.y0 - ny > 0 &&
        walk.y0 + ny < height - 1) {
        return;
    }
    ClipSteps(
        begin, end, [&](Count k) { return walk.XAt(k); }, walk.nx > 0 ? walk.sx : 0, -1, width);
    ClipSteps(
        begin, end, [&](Count k) { return walk.YAt(k); }, walk.ny > 0 ? walk.sy : 0, -1, height);
}

// Visits the pixels of the steps [begin, end): each step's side pixels, then
// its cell.
template <typename Visit>
void WalkAcross(const CrossWalk& cross, Count begin, Count end, Visit visit) {
    Walk::Cell c = cross.walk.At(begin);
    for (Count k = begin; k < end; ++k, cross.walk.Step(c)) {
        if (cross.sidesApart) {
            visit(c.x + cross.side1x, c.y + cross.side1y);
            visit(c.x + cross.side2x, c.y + cross.side2y);
        }
        visit(c.x, c.y);
    }
}

}  // namespace

// Paints pixels in the colour the profile gives for a distance, stored as the
// image's SetPixel stores it. How is settled once per primitive: the frame's
// own combination, a ramp profile over a colour ramp on a 24-bit image, stores
// the ramp's packed colour directly; a solid profile's one colour is made
// once; anything else goes through the profile and a pixel every time. The
// bytes are the same on every road.
class PlotCanvas::Brush {
  public:
    // With painted non-null, a pixel whose entry there equals stamp is left
    // as it is, and every pixel painted gets that mark.
    Brush(const StrokeProfile& profile, BufferImage& image, std::uint8_t* painted = nullptr,
          std::uint8_t stamp = 0)
        : profile_(profile),
          image_(image),
          width_(image.Width()),
          height_(image.Height()),
          painted_(painted),
          stamp_(stamp) {
        if (typeid(profile) == typeid(RampProfile)) {
            const auto& ramp = static_cast<const RampProfile&>(profile);
            const ColorMap* map = ramp.Map();
            if (map != nullptr && typeid(*map) == typeid(ColorRamp) && image.Format() == kRgb24) {
                ramp_ = &ramp;
                colours_ = static_cast<const ColorRamp*>(map);
            }
        } else if (typeid(profile) == typeid(SolidProfile)) {
            // Its colour does not depend on the distance.
            profile.ColorAt(scratch_, 0.0);
            solid_ = true;
            // A 24-bit image stores red, green and blue of the pixel, which
            // is what storing its packed colour does.
            if (image.Format() == kRgb24) {
                solidPacked_ = scratch_.ToRgb();
                solidRgb_ = true;
            }
        }
    }

    // Pixel (x, y) in the colour for distance d, provided it lies inside the
    // image. Coordinates are true ones, never wrapped. Kept out of line: inlined
    // into the painting loops it costs more in registers saved around its call
    // than the call itself.
    [[gnu::noinline]] void Paint(Index x, Index y, double d) {
        if (Skips(x, y)) return;
        PaintUnskipped(x, y, d);
    }

    // Paint for a pixel that Skips has just let through.
    void PaintUnskipped(Index x, Index y, double d) {
        if (painted_ != nullptr) painted_[y * width_ + x] = stamp_;
        const auto px = static_cast<std::uint16_t>(x);
        const auto py = static_cast<std::uint16_t>(y);
        if (solidRgb_) {
            image_.SetRgb(px, py, solidPacked_);
            return;
        }
        if (colours_ != nullptr) {
            image_.SetRgb(px, py, colours_->PackedRgb(ramp_->RampPosition(d)));
            return;
        }
        if (!solid_) profile_.ColorAt(scratch_, d);
        image_.SetPixel(px, py, scratch_);
    }

    // True where Paint would leave the pixel alone whatever the distance: off
    // the image, or already painted by a later piece of the curve.
    bool Skips(Index x, Index y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return true;
        return painted_ != nullptr && painted_[y * width_ + x] == stamp_;
    }

  private:
    const StrokeProfile& profile_;
    BufferImage& image_;
    Index width_;
    Index height_;
    std::uint8_t* painted_;
    std::uint8_t stamp_;
    const RampProfile* ramp_ = nullptr;
    const ColorRamp* colours_ = nullptr;
    bool solid_ = false;
    bool solidRgb_ = false;
    std::uint32_t solidPacked_ = 0;
    PixelRGB24 scratch_;
};

Canvas::Canvas(double pixelsPerUnit, double angle, Vector2 origin)
    : pixelsPerUnit_(pixelsPerUnit), angle_(angle) {
    origin_ = origin;
    Matrix2 scale;
    scale.Set(pixelsPerUnit, 0.0, 0.0, pixelsPerUnit);
    Matrix2 rotation;
    rotation.SetRotation(angle);
    transform_ = rotation * scale;
}

Vector2 Canvas::ToPixel(Vector2 w) const {
    return transform_ * w + origin_;
}

void Canvas::Line(Vector2 wa, Vector2 wb) {
    DrawLine(ToPixel(wa), ToPixel(wb));
}

void Canvas::CurvePoint(Vector2 wp, Vector2 wt) {
    DrawCurvePoint(ToPixel(wp), transform_ * wt);
}

PlotCanvas::PlotCanvas(BufferImage* image, double pixelsPerUnit, double angle, Vector2 origin)
    : Canvas(pixelsPerUnit, angle, origin), image_(image) {}

double PlotCanvas::MinX() const {
    return -Origin().x / PixelsPerUnit();
}

double PlotCanvas::MaxX() const {
    const double width = image_ != nullptr ? image_->Width() : 0.0;
    return (width - Origin().x) / PixelsPerUnit();
}

double PlotCanvas::MinY() const {
    return -Origin().y / PixelsPerUnit();
}

double PlotCanvas::MaxY() const {
    const double height = image_ != nullptr ? image_->Height() : 0.0;
    return (height - Origin().y) / PixelsPerUnit();
}

double PlotCanvas::PixelSize() const {
    return 1.0 / PixelsPerUnit();
}

void PlotCanvas::DrawLine(Vector2 a, Vector2 b) {
    if (profile == nullptr || image_ == nullptr) return;
    if (!Finite(a) || !Finite(b)) return;
    const double w = profile->Extent();
    const Index width = image_->Width();
    const Index height = image_->Height();
    if (!CutToImage(a, b, w, width, height)) return;

    const Vector2 diff = b - a;
    if (Trunc(diff.x) == 0 && Trunc(diff.y) == 0) {
        // Shorter than a pixel both ways: a dot, placed at twice the difference
        // from a. Steep stretches of every curve are drawn with these dots, so
        // where they land is part of every picture.
        DrawDisc(a + diff * 2.0, 0.0);
        return;
    }
    // The strict distance test paints nothing without a positive extent.
    if (!(w > 0.0) || w > kExtentLimit) return;

    const LineScan scan = MakeLineScan(a, b, w, width, height);
    std::optional<Brush> own;
    Brush& brush = BrushFor(own);
    // A steep scan has its axes exchanged: its (x, y) is pixel (y, x).
    if (scan.steep) {
        PaintLine(scan, [&](Index x, Index y, double d) { brush.Paint(y, x, d); });
    } else {
        PaintLine(scan, [&](Index x, Index y, double d) { brush.Paint(x, y, d); });
    }
}

void PlotCanvas::DrawDisc(Vector2 centre, double radius) {
    if (profile == nullptr || image_ == nullptr) return;
    const double outer = profile->Extent() + radius;
    if (!Finite(centre) || !std::isfinite(radius) || !std::isfinite(outer)) return;
    if (!WithinLimit(centre) || std::abs(outer) > kCoordinateLimit) return;
    const Index width = image_->Width();
    const Index height = image_->Height();
    // Distances are measured from the truncated centre.
    const Index cx = Trunc(centre.x);
    const Index cy = Trunc(centre.y);
    const Index n = Trunc(std::abs(outer)) + 2;
    const double outer2 = outer * outer;
    const double radius2 = radius * radius;
    std::optional<Brush> own;
    Brush& brush = BrushFor(own);
    const Index iLo = std::max(-n, -cy);
    const Index iHi = std::min(n, height - 1 - cy);
    const Index jLo = std::max(-n, -cx);
    const Index jHi = std::min(n, width - 1 - cx);
    const auto inside = [outer2](Index i, Index j) {
        return static_cast<double>(i * i + j * j) < outer2;
    };
    for (Index i = iLo; i <= iHi; ++i) {
        // The test grows with |j|, so a row's pixels inside the disc are
        // those with |j| <= reach: found from the root and checked by the
        // test itself, the corners of the square are never visited.
        Index reach = Trunc(std::sqrt(std::max(0.0, outer2 - static_cast<double>(i * i))));
        reach = std::min(reach, n);
        while (reach < n && inside(i, reach + 1))
            ++reach;
        while (reach >= 0 && !inside(i, reach))
            --reach;
        for (Index j = std::max(jLo, -reach); j <= std::min(jHi, reach); ++j) {
            const double q = static_cast<double>(i * i + j * j);
            brush.Paint(cx + j, cy + i, q < radius2 ? 0.0 : std::sqrt(q) - radius);
        }
    }
}

void PlotCanvas::FillRect(Vector2 centre, double halfWidth, double halfHeight, double angle) {
    if (profile == nullptr || image_ == nullptr) return;
    const double halfA = std::abs(halfWidth);
    const double halfB = std::abs(halfHeight);
    // A zero half-size leaves an axis without a direction: nothing to fill.
    if (!(halfA > 0.0) || !(halfB > 0.0) || halfA > kCoordinateLimit || halfB > kCoordinateLimit) {
        return;
    }
    if (!Finite(centre) || !WithinLimit(centre) || !std::isfinite(angle)) return;
    const Index width = image_->Width();
    const Index height = image_->Height();
    const Index cx = Trunc(centre.x);
    const Index cy = Trunc(centre.y);
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    Vector2 u(halfA * c, halfA * s);
    u = u / std::sqrt(u.Dot(u));
    Vector2 v(-halfB * s, halfB * c);
    v = v / std::sqrt(v.Dot(v));
    PixelRGB24 scratch;
    profile->ColorAt(scratch, 0.0);
    Matrix2 rotation;
    rotation.SetRotation(angle);
    const Vector2 c1 = rotation * Vector2(halfWidth, halfHeight);
    const Vector2 c2 = rotation * Vector2(halfWidth, -halfHeight);
    const Index nx = Trunc(std::max(std::abs(c1.x), std::abs(c2.x)));
    const Index ny = Trunc(std::max(std::abs(c1.y), std::abs(c2.y)));
    const Index iLo = std::max(-ny, -cy);
    const Index iHi = std::min(ny, height - 1 - cy);
    const Index jLo = std::max(-nx, -cx);
    const Index jHi = std::min(nx, width - 1 - cx);
    for (Index i = iLo; i <= iHi; ++i) {
        for (Index j = jLo; j <= jHi; ++j) {
            const Vector2 p(static_cast<double>(j), static_cast<double>(i));
            if (std::abs(p.Dot(u)) <= halfA && std::abs(p.Dot(v)) <= halfB) {
                image_->SetPixel(static_cast<std::uint16_t>(cx + j),
                                 static_cast<std::uint16_t>(cy + i), scratch);
            }
        }
    }
}

void PlotCanvas::DrawCurvePoint(Vector2 point, Vector2 tangent) {
    if (profile == nullptr || image_ == nullptr) return;
    const Vector2 across(-tangent.y, tangent.x);
    const double length = std::sqrt(across.Dot(across));
    // A zero tangent gives no direction to paint across.
    if (!(length > 0.0) || !std::isfinite(length) || !Finite(point)) return;
    const double w = profile->Extent();
    if (!(w >= 0.0) || w > kExtentLimit) return;
    const Index width = image_->Width();
    const Index height = image_->Height();
    // Everything painted lies within w of the point.
    if (point.x < -w - 1.0 || point.x > static_cast<double>(width) + w || point.y < -w - 1.0 ||
        point.y > static_cast<double>(height) + w) {
        return;
    }

    const CrossWalk cross = MakeCrossWalk(point, across / length, w);
    const NearPoint near(point, w);
    std::optional<Brush> own;
    Brush& brush = BrushFor(own);
    if (cross.walk.nx == 0) {
        PaintColumnRun(cross.walk, near, width, height,
                       [&](Index qx, Index qy, double d) { brush.Paint(qx, qy, d); });
        return;
    }
    Count begin = 0;
    Count end = 0;
    ClipCrossWalk(cross.walk, width, height, begin, end);
    WalkAcross(cross, begin, end, [&](Index qx, Index qy) {
        if (brush.Skips(qx, qy)) return;
        double d = 0.0;
        if (near.Within(qx, qy, d)) brush.PaintUnskipped(qx, qy, d);
    });
}

PlotCanvas::Brush& PlotCanvas::BrushFor(std::optional<Brush>& own) {
    if (batchBrush_ != nullptr) return *batchBrush_;
    return own.emplace(*profile, *image_);
}

void PlotCanvas::DrawCurve(std::span<const CurvePiece> pieces) {
    // Back to front is safe when every pixel a primitive paints gets one
    // colour that depends on that primitive and that pixel alone: true of
    // this class's primitives (a pixel painted twice within one is painted
    // at the same distance) with a profile that maps a distance to a colour
    // and nothing else.
    const bool orderFree =
        typeid(*this) == typeid(PlotCanvas) && profile != nullptr && image_ != nullptr &&
        (typeid(*profile) == typeid(RampProfile) || typeid(*profile) == typeid(SolidProfile));
    if (!orderFree || pieces.size() < 2 || !BeginPaintOnce()) {
        for (const CurvePiece& piece : pieces)
            DrawPiece(piece, false);
        return;
    }
    // One brush for the whole curve: the profile stays as it is meanwhile.
    Brush brush(*profile, *image_, painted_.get(), paintedStamp_);
    batchBrush_ = &brush;
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
        DrawPiece(*it, true);
    batchBrush_ = nullptr;
}

void PlotCanvas::DrawPiece(const CurvePiece& piece, bool ownPrimitives) {
    if (!ownPrimitives) {
        if (piece.kind == CurvePiece::Kind::Point) {
            CurvePoint(piece.a, piece.b);
        } else {
            Line(piece.a, piece.b);
        }
        return;
    }
    // This class's own primitives, called directly.
    if (piece.kind == CurvePiece::Kind::Point) {
        PlotCanvas::DrawCurvePoint(ToPixel(piece.a), Transform() * piece.b);
    } else {
        PlotCanvas::DrawLine(ToPixel(piece.a), ToPixel(piece.b));
    }
}

bool PlotCanvas::BeginPaintOnce() {
    const std::size_t size = static_cast<std::size_t>(image_->Width()) * image_->Height();
    if (size != paintedSize_) {
        painted_.reset(new (std::nothrow) std::uint8_t[size]());
        paintedSize_ = painted_ ? size : 0;
        paintedStamp_ = 0;
        if (!painted_) return false;
    }
    // A new mark for every curve; the record is wiped only when the marks
    // run out.
    if (++paintedStamp_ == 0) {
        std::fill_n(painted_.get(), paintedSize_, std::uint8_t{0});
        paintedStamp_ = 1;
    }
    return true;
}

void PlotCanvas::Clear(const Pixel& colour) {
    if (image_ != nullptr) image_->Fill(colour);
}
