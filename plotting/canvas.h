// The plot canvas: a world-to-pixel viewport over one image and the raster
// primitives every picture is made of. Each primitive (except Clear) measures
// how far a candidate pixel lies from the shape, in pixels, and paints it in the
// colour the current stroke profile gives for that distance, so the profile
// alone decides how wide a stroke is and how softly its edge fades.
//
// Pixel coordinates are doubles; pixel (column, row) is the integer point with
// no half-pixel offset, and real coordinates become indices by truncation toward
// zero. Row 0 is the bottom of the picture on screen, so world y grows upward.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "image.h"
#include "pixel.h"
#include "stroke_profile.h"
#include "vector2.h"

class Canvas {
  public:
    // transform = SetRotation(angle) x diag(pixelsPerUnit, pixelsPerUnit).
    Canvas(double pixelsPerUnit, double angle, Vector2 origin);
    virtual ~Canvas() = default;

    // Primitives in pixel coordinates.
    virtual void DrawLine(Vector2 a, Vector2 b) = 0;
    virtual void DrawDisc(Vector2 centre, double radius) = 0;
    virtual void FillRect(Vector2 centre, double halfWidth, double halfHeight, double angle) = 0;
    virtual void DrawCurvePoint(Vector2 point, Vector2 tangent) = 0;
    virtual void Clear(const Pixel& colour) = 0;

    // World coordinates in, primitives out.
    Vector2 ToPixel(Vector2 w) const;
    void Line(Vector2 wa, Vector2 wb);
    // The tangent is a direction: it is mapped without the origin.
    void CurvePoint(Vector2 wp, Vector2 wt);

    const Matrix2& Transform() const { return transform_; }
    double PixelsPerUnit() const { return pixelsPerUnit_; }
    double Angle() const { return angle_; }
    Vector2 Origin() const { return origin_; }

  private:
    Matrix2 transform_;
    double pixelsPerUnit_;
    double angle_;
    Vector2 origin_;
};

// One piece of a plotted curve, in world coordinates: a stroke across the
// curve at a sample point (CurvePoint(a, b), b being the tangent) or a
// straight join (Line(a, b)).
struct CurvePiece {
    enum class Kind : std::uint8_t { Point, Line };
    Kind kind;
    Vector2 a;
    Vector2 b;
};

class PlotCanvas : public Canvas {
  public:
    PlotCanvas(BufferImage* image, double pixelsPerUnit, double angle, Vector2 origin);

    // The world rectangle the image shows. They ignore the angle, which is
    // always 0.0 in this program.
    double MinX() const;
    double MaxX() const;
    double MinY() const;
    double MaxY() const;
    // World length of one pixel.
    double PixelSize() const;

    // A stroke of half-width Extent() around the segment, with square ends.
    void DrawLine(Vector2 a, Vector2 b) override;
    // A filled disc of the given radius plus a rim of the profile's extent,
    // measured from the truncated centre.
    void DrawDisc(Vector2 centre, double radius) override;
    // A solid rectangle in the colour at distance 0, without anti-aliasing.
    void FillRect(Vector2 centre, double halfWidth, double halfHeight, double angle) override;
    // The short run of pixels across a curve at one sample point that lie
    // within Extent() of it.
    void DrawCurvePoint(Vector2 point, Vector2 tangent) override;
    // Every pixel of the image; the only primitive that ignores the profile.
    void Clear(const Pixel& colour) override;

    // The pieces of one curve with the current profile: the same picture as
    // CurvePoint or Line for each piece in order. Neighbouring pieces cover
    // each other's pixels several times over, and only the last paint of a
    // pixel is seen; so where the outcome is known not to depend on the order
    // (this very class, and a profile whose colour depends on the distance
    // alone) the pieces are painted last to first and each pixel only once.
    void DrawCurve(std::span<const CurvePiece> pieces);

    BufferImage* Image() const { return image_; }

    // The current stroke profile; not owned. Null paints nothing. The plotter
    // points it at its own profiles and restores it after each curve.
    StrokeProfile* profile = nullptr;

  private:
    class Brush;
    // The brush of the curve being painted, or a new one made in own.
    Brush& BrushFor(std::optional<Brush>& own);
    // ownPrimitives: this very class, whose primitives need no virtual call.
    void DrawPiece(const CurvePiece& piece, bool ownPrimitives);
    // Readies the record of painted pixels for one curve; false if there is
    // no memory for it.
    bool BeginPaintOnce();

    BufferImage* image_;
    // While a curve is painted back to front, a pixel whose entry in
    // painted_ equals paintedStamp_ has been painted and keeps its colour;
    // batchBrush_ is that curve's brush, which knows this.
    std::unique_ptr<std::uint8_t[]> painted_;
    std::size_t paintedSize_ = 0;
    std::uint8_t paintedStamp_ = 0;
    Brush* batchBrush_ = nullptr;
};
