// The pixel-art primitives.
#include "generators/art/paint.h"

#include <algorithm>
#include <cmath>

#include "assets/palette.h"

namespace art {
namespace {

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

double Clamp01(double t) { return std::clamp(t, 0.0, 1.0); }

}  // namespace

double Bayer(int x, int y) { return (kBayer[y & 3][x & 3] + 0.5) / 16.0; }

std::uint32_t ShadeAt(const Ramp& ramp, double t, int x, int y) {
    // Three bands between four tones; only a narrow strip at each boundary dithers,
    // so the surfaces read as clean bands of colour.
    double v = Clamp01(t) * 3.0;
    int band = std::min(2, static_cast<int>(v));
    double f = v - band;
    constexpr double kSoft = 0.3;
    double mix = Clamp01((f - (1.0 - kSoft)) / kSoft);
    return ramp.tone[band + (mix > Bayer(x, y) ? 1 : 0)];
}

std::uint32_t GradientAt(const std::vector<std::uint32_t>& colours, double t, int x, int y) {
    double v = Clamp01(t) * (colours.size() - 1);
    int i = std::min(static_cast<int>(colours.size()) - 2, static_cast<int>(v));
    double f = v - i;
    return colours[i + (f > Bayer(x, y) ? 1 : 0)];
}

double Lit(double nx, double ny) {
    double r2 = std::min(1.0, nx * nx + ny * ny);
    double nz = std::sqrt(1.0 - r2);
    // Light from the top-left, in front of the picture.
    constexpr double lx = -0.5, ly = -0.6, lz = 0.62;
    double d = nx * lx + ny * ly + nz * lz;
    return Clamp01(0.5 + 0.62 * d);
}

void FillRect(Canvas& c, int x, int y, int w, int h, std::uint32_t colour) {
    Rect r = c.Visible(x, y, w, h);
    for (int j = r.y0; j < r.y1; ++j)
        for (int i = r.x0; i < r.x1; ++i) c.Put(i, j, colour);
}

void BevelRect(Canvas& c, int x, int y, int w, int h, const Ramp& ramp) {
    FillRect(c, x, y, w, h, ramp.tone[1]);
    for (int i = x; i < x + w; ++i) {
        c.Put(i, y, ramp.tone[3]);
        c.Put(i, y + h - 1, ramp.tone[0]);
    }
    for (int j = y + 1; j < y + h - 1; ++j) {
        c.Put(x, j, ramp.tone[2]);
        c.Put(x + w - 1, j, ramp.tone[0]);
    }
}

void FillRoundRect(Canvas& c, int x, int y, int w, int h, int radius, std::uint32_t colour) {
    Rect r = c.Visible(x, y, w, h);
    for (int j = r.y0 - y; j < r.y1 - y; ++j)
        for (int i = r.x0 - x; i < r.x1 - x; ++i) {
            int dx = std::max({radius - i, i - (w - 1 - radius), 0});
            int dy = std::max({radius - j, j - (h - 1 - radius), 0});
            if (dx * dx + dy * dy <= radius * radius + radius / 2) c.Put(x + i, y + j, colour);
        }
}

void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, const Ramp& ramp) {
    for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y)
        for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx)); ++x) {
            double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            if (nx * nx + ny * ny <= 1.0) c.Put(x, y, ShadeAt(ramp, Lit(nx, ny), x, y));
        }
}

void FillEllipseFlat(Canvas& c, double cx, double cy, double rx, double ry, std::uint32_t colour) {
    for (int y = static_cast<int>(std::floor(cy - ry)); y <= static_cast<int>(std::ceil(cy + ry)); ++y)
        for (int x = static_cast<int>(std::floor(cx - rx)); x <= static_cast<int>(std::ceil(cx + rx)); ++x) {
            double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
            if (nx * nx + ny * ny <= 1.0) c.Put(x, y, colour);
        }
}

void FillCapsule(Canvas& c, double x0, double y0, double x1, double y1, double r, const Ramp& ramp) {
    double dx = x1 - x0, dy = y1 - y0, len2 = std::max(1e-9, dx * dx + dy * dy);
    int left = static_cast<int>(std::floor(std::min(x0, x1) - r)),
        right = static_cast<int>(std::ceil(std::max(x0, x1) + r));
    int top = static_cast<int>(std::floor(std::min(y0, y1) - r)),
        bottom = static_cast<int>(std::ceil(std::max(y0, y1) + r));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            double px = x + 0.5, py = y + 0.5;
            double t = std::clamp(((px - x0) * dx + (py - y0) * dy) / len2, 0.0, 1.0);
            double nx = (px - (x0 + t * dx)) / r, ny = (py - (y0 + t * dy)) / r;
            if (nx * nx + ny * ny <= 1.0) c.Put(x, y, ShadeAt(ramp, Lit(nx, ny), x, y));
        }
}

namespace {

template <typename PixelColour>
void ScanPolygon(Canvas& c, const std::vector<Point>& pts, PixelColour colourAt) {
    double top = pts[0].y, bottom = pts[0].y;
    for (const Point& p : pts) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    for (int y = static_cast<int>(std::floor(top)); y <= static_cast<int>(std::ceil(bottom)); ++y) {
        double py = y + 0.5;
        std::vector<double> xs;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const Point& a = pts[i];
            const Point& b = pts[(i + 1) % pts.size()];
            if ((a.y <= py) != (b.y <= py)) xs.push_back(a.x + (py - a.y) / (b.y - a.y) * (b.x - a.x));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2)
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x + 0.5 <= xs[i + 1]; ++x)
                c.Put(x, y, colourAt(x, y, (py - top) / std::max(1.0, bottom - top)));
    }
}

}  // namespace

void FillPolygon(Canvas& c, const std::vector<Point>& pts, std::uint32_t colour) {
    ScanPolygon(c, pts, [&](int, int, double) { return colour; });
}

void FillPolygonRamp(Canvas& c, const std::vector<Point>& pts, const Ramp& ramp) {
    ScanPolygon(c, pts, [&](int x, int y, double t) { return ShadeAt(ramp, 0.95 - 0.8 * t, x, y); });
}

void Line(Canvas& c, int x0, int y0, int x1, int y1, std::uint32_t colour) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
    for (;;) {
        c.Put(x0, y0, colour);
        if (x0 == x1 && y0 == y1) return;
        int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
    }
}

namespace {

// The box around a canvas's opaque pixels, grown by margin; empty when none.
Rect OpaqueBox(const Canvas& c, int margin) {
    Rect v = c.Visible();
    Rect b{v.x1, v.y1, v.x0, v.y0};
    for (int y = v.y0; y < v.y1; ++y)
        for (int x = v.x0; x < v.x1; ++x)
            if (c.Get(x, y) != assets::palette::Transparent)
                b = {std::min(b.x0, x), std::min(b.y0, y), std::max(b.x1, x + 1), std::max(b.y1, y + 1)};
    if (b.Empty()) return b;
    return {std::max(v.x0, b.x0 - margin), std::max(v.y0, b.y0 - margin), std::min(v.x1, b.x1 + margin),
            std::min(v.y1, b.y1 + margin)};
}

}  // namespace

void Outline(Canvas& c, std::uint32_t colour, int width) {
    using assets::palette::Transparent;
    Rect box = OpaqueBox(c, width);
    for (int pass = 0; pass < width; ++pass) {
        std::vector<std::pair<int, int>> edge;
        auto solid = [&](int i, int j) {
            std::uint32_t p = c.Get(i, j);
            return p != Transparent && (pass > 0 || p != colour);
        };
        for (int y = box.y0; y < box.y1; ++y)
            for (int x = box.x0; x < box.x1; ++x)
                if (c.Get(x, y) == Transparent &&
                    (solid(x - 1, y) || solid(x + 1, y) || solid(x, y - 1) || solid(x, y + 1)))
                    edge.emplace_back(x, y);
        for (auto [x, y] : edge) c.Put(x, y, colour);
    }
}

// The scratch covers only what of the target can be drawn on; the layer keeps
// the target's coordinates.
PartLayer::PartLayer(const Canvas& target)
    : target_(target),
      scratch_(
          BlankPicture(target.Visible().x1 - target.Visible().x0, target.Visible().y1 - target.Visible().y0)),
      layer_(scratch_, -target.Visible().x0, -target.Visible().y0, target.Width(), target.Height()) {}

void PartLayer::Stamp(std::uint32_t edge, int width) {
    using assets::palette::Transparent;
    if (edge != Transparent) Outline(layer_, edge, width);
    Rect box = OpaqueBox(layer_, 0);
    for (int y = box.y0; y < box.y1; ++y)
        for (int x = box.x0; x < box.x1; ++x) {
            std::uint32_t p = layer_.Get(x, y);
            if (p == Transparent) continue;
            target_.Put(x, y, p);
            layer_.Put(x, y, Transparent);
        }
}

void FillEnclosed(Canvas& c, std::uint32_t colour) {
    using assets::palette::Transparent;
    int w = c.Width(), h = c.Height();
    std::vector<char> outside(static_cast<std::size_t>(w) * h, 0);
    std::vector<std::pair<int, int>> stack;
    for (int x = 0; x < w; ++x) stack.push_back({x, 0}), stack.push_back({x, h - 1});
    for (int y = 0; y < h; ++y) stack.push_back({0, y}), stack.push_back({w - 1, y});
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h || outside[y * w + x] || c.Get(x, y) != Transparent) continue;
        outside[y * w + x] = 1;
        stack.push_back({x + 1, y}), stack.push_back({x - 1, y}), stack.push_back({x, y + 1}),
            stack.push_back({x, y - 1});
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (c.Get(x, y) == Transparent && !outside[y * w + x]) c.Put(x, y, colour);
}

void Silhouette(Canvas& c, std::uint32_t colour) {
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Get(x, y) != assets::palette::Transparent) c.Put(x, y, colour);
}

void Sparkle(Canvas& c, int x, int y, std::uint32_t centre, std::uint32_t arms) {
    c.Put(x - 1, y, arms);
    c.Put(x + 1, y, arms);
    c.Put(x, y - 1, arms);
    c.Put(x, y + 1, arms);
    c.Put(x, y, centre);
}

double Noise(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

}  // namespace art
