// Pixel-art primitives shared by every sheet: ramps shaded by one light from
// the top-left, ordered dithering, outlined shapes and painted textures.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "generators/art/canvas.h"

namespace art {

// Four tones of one material, darkest first: shadow, base, light, highlight.
struct Ramp {
    std::array<std::uint32_t, 4> tone;
};

// Ordered-dither threshold in [0, 1) for a pixel (4 by 4 Bayer matrix).
double Bayer(int x, int y);

// The tone of a ramp for a brightness t in [0, 1], dithered between tones.
std::uint32_t ShadeAt(const Ramp& ramp, double t, int x, int y);

// A dithered blend along a list of colours for t in [0, 1].
std::uint32_t GradientAt(const std::vector<std::uint32_t>& colours, double t, int x, int y);

// Brightness of a surface whose normal faces (nx, ny) in the picture plane
// (|n| <= 1, the rest points at the viewer), lit from the top-left.
double Lit(double nx, double ny);

void FillRect(Canvas& c, int x, int y, int w, int h, std::uint32_t colour);
// A raised block: lit top and left edges, dark bottom and right edges.
void BevelRect(Canvas& c, int x, int y, int w, int h, const Ramp& ramp);
// Rounded-corner rectangle filled with one colour.
void FillRoundRect(Canvas& c, int x, int y, int w, int h, int radius, std::uint32_t colour);

// Shaded as a ball.
void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, const Ramp& ramp);
void FillEllipseFlat(Canvas& c, double cx, double cy, double rx, double ry, std::uint32_t colour);
// A round-ended limb from (x0, y0) to (x1, y1), shaded as a cylinder.
void FillCapsule(Canvas& c, double x0, double y0, double x1, double y1, double r, const Ramp& ramp);
// A convex or concave polygon, flat, even-odd fill of pixel centres.
struct Point {
    double x, y;
};
void FillPolygon(Canvas& c, const std::vector<Point>& pts, std::uint32_t colour);
// A polygon shaded by its height inside its box (lit at the top).
void FillPolygonRamp(Canvas& c, const std::vector<Point>& pts, const Ramp& ramp);
void Line(Canvas& c, int x0, int y0, int x1, int y1, std::uint32_t colour);

// Puts colour on every transparent pixel that touches (4-neighbours) an
// opaque one that is not colour itself: a one-pixel outline of the silhouette.
// A wider outline grows the ring by further pixels.
void Outline(Canvas& c, std::uint32_t colour, int width = 1);

// Draws through a scratch layer so that each part gets its own outline:
// paint into Layer(), then Stamp() puts the outlined part over the canvas.
class PartLayer {
public:
    explicit PartLayer(const Canvas& target);
    PartLayer(const PartLayer&) = delete;
    PartLayer& operator=(const PartLayer&) = delete;
    Canvas& Layer() { return layer_; }
    // Outlines the part with edge (if not transparent) and copies its opaque
    // pixels onto the target; the layer is then cleared for the next part.
    void Stamp(std::uint32_t edge, int width = 1);

private:
    Canvas target_;
    platform::Pixels scratch_;
    Canvas layer_;
};

// Fills every transparent pocket that does not reach the canvas's edge, so
// no background shows through gaps inside a sprite (e.g. between arm and body).
void FillEnclosed(Canvas& c, std::uint32_t colour);

// Every pixel of the canvas that is not transparent, replaced by colour.
void Silhouette(Canvas& c, std::uint32_t colour);

// A 1-pixel star cross with a bright centre.
void Sparkle(Canvas& c, int x, int y, std::uint32_t centre, std::uint32_t arms);

// Deterministic hash noise in [0, 1) for texture variation.
double Noise(int x, int y, int seed);

}  // namespace art
