// Shared pieces of the artwork and sound generator: sizes, deterministic
// noise and the entry points of each part.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdint>
#include <vector>

namespace gen {

// Everything is drawn at three times the size the window places it at, so
// the pictures stay sharp when the window is scaled up.
constexpr int Scale = 3;
constexpr int CellW = 33 * Scale;
constexpr int CellH = 41 * Scale;
constexpr int TitleW = 186 * Scale;
constexpr int TitleH = 39 * Scale;
// The icon, a single piece on a clear ground: drawn large, written at the
// sizes the desktop's icon theme asks for.
constexpr int IconDrawSize = 512;
constexpr int IconSizes[] = {48, 256};

// --- Deterministic noise -------------------------------------------------
// Fixed seeds and an integer hash: running the generator twice gives the
// same bytes.

inline std::uint32_t hash3(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// Uniform in [0, 1).
inline double lattice(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return (hash3(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

inline int wrap(int v, int period) {
    if (period <= 0) return v;
    const int m = v % period;
    return m < 0 ? m + period : m;
}

// Smooth value noise in [0, 1). With periods > 0 the lattice repeats every
// periodX x periodY units, which is what makes the backgrounds tile.
inline double valueNoise(double x, double y, std::uint32_t seed, int periodX = 0, int periodY = 0) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    double tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const int x0 = wrap(ix, periodX), x1 = wrap(ix + 1, periodX);
    const int y0 = wrap(iy, periodY), y1 = wrap(iy + 1, periodY);
    const double a = lattice(x0, y0, seed), b = lattice(x1, y0, seed);
    const double c = lattice(x0, y1, seed), d = lattice(x1, y1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Fractal noise in about [0, 1). Each octave doubles the frequency and the
// period, so a periodic base stays periodic.
inline double fbm(double x, double y, std::uint32_t seed, int octaves, int periodX = 0, int periodY = 0) {
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise(x, y, seed + 101u * o, periodX, periodY);
        norm += amp;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
        amp *= 0.5;
    }
    return sum / norm;
}

// A small deterministic generator for scattering things (stars, knots).
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ >> 8) * (1.0 / 16777216.0);
    }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

inline double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline double mix(double a, double b, double t) { return a + (b - a) * t; }
inline double smoothstep(double e0, double e1, double v) {
    const double t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

inline QColor mixColor(const QColor& a, const QColor& b, double t) {
    t = clamp01(t);
    return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF(), t)),
                            static_cast<float>(mix(a.greenF(), b.greenF(), t)),
                            static_cast<float>(mix(a.blueF(), b.blueF(), t)),
                            static_cast<float>(mix(a.alphaF(), b.alphaF(), t)));
}

inline QColor scaled(const QColor& c, double f) {
    return QColor::fromRgbF(static_cast<float>(clamp01(c.redF() * f)), static_cast<float>(clamp01(c.greenF() * f)),
                            static_cast<float>(clamp01(c.blueF() * f)), c.alphaF());
}

// --- Wood -----------------------------------------------------------------

struct WoodStyle {
    QColor light;
    QColor dark;
    double ringsAcross;   // grain lines across the width
    double warp;          // how far the grain wanders
    double lineStrength;  // contrast of the grain lines
    std::uint32_t seed;
};

// Straight-grained wood with the grain running top to bottom.
QImage woodTexture(int width, int height, const WoodStyle& style);

// Light kaya board wood, shared by the empty square and the pieces.
QImage boardSquare();

// --- Outputs ----------------------------------------------------------------

struct NamedImage {
    QString name;
    QImage image;
};

std::vector<NamedImage> pieceImages(const QString& kanjiFontFamily);
std::vector<NamedImage> backgroundImages();
QImage titleImage(const QString& kanjiFontFamily, const QString& latinFontFamily);
// "vudeve-48", "vudeve-256", ...
std::vector<NamedImage> iconImages(const QString& kanjiFontFamily);

struct NamedWave {
    QString name;
    int sampleRate;
    std::vector<double> samples;  // -1 .. 1
};

std::vector<NamedWave> soundWaves();

}  // namespace gen
