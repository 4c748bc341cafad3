// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the ten table backgrounds the program carries and writes them as
// JPEG files: make_backgrounds [OUTPUT_DIR]  (default src/resources/backgrounds)
//
// Every texture is built from noise that repeats exactly over the tile, so
// the tiles join on the table without a seam. The output is deterministic:
// running the tool again gives the same files.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/Jpeg.h"

namespace {

constexpr float kPi = 3.14159265358979f;

uint32_t Hash(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^
               static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float Hash01(int x, int y, uint32_t seed) {
  return Hash(x, y, seed) / 4294967296.0f;
}

int Wrap(int i, int period) {
  return ((i % period) + period) % period;
}

float Fade(float t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

// Gradient noise on a lattice that repeats every px cells across and py
// cells down; about -0.7..0.7.
float Gradient(float u, float v, int px, int py, uint32_t seed) {
  const int x0 = static_cast<int>(std::floor(u));
  const int y0 = static_cast<int>(std::floor(v));
  const float fx = u - x0;
  const float fy = v - y0;
  auto dot = [&](int ix, int iy, float dx, float dy) {
    const float a = Hash01(Wrap(ix, px), Wrap(iy, py), seed) * 2 * kPi;
    return std::cos(a) * dx + std::sin(a) * dy;
  };
  const float n00 = dot(x0, y0, fx, fy);
  const float n10 = dot(x0 + 1, y0, fx - 1, fy);
  const float n01 = dot(x0, y0 + 1, fx, fy - 1);
  const float n11 = dot(x0 + 1, y0 + 1, fx - 1, fy - 1);
  const float sx = Fade(fx);
  const float sy = Fade(fy);
  const float a = n00 + (n10 - n00) * sx;
  const float b = n01 + (n11 - n01) * sx;
  return a + (b - a) * sy;
}

// Fractal noise over the tile: s, t in 0..1 across and down the tile; the
// first octave has px x py cells, each further octave twice as many, so
// every octave repeats over the tile.
float Fbm(float s, float t, int px, int py, int octaves, uint32_t seed, float gain = 0.5f,
          bool turbulence = false) {
  float sum = 0;
  float amp = 1;
  float norm = 0;
  for (int o = 0; o < octaves; ++o) {
    const int qx = px << o;
    const int qy = py << o;
    // Each octave is shifted by a fraction of its cell: otherwise the lattice
    // lines of all octaves would meet at the tile's edges and mark them.
    const float ox = Hash01(o, 1, seed);
    const float oy = Hash01(o, 2, seed);
    float n = Gradient(s * qx + ox, t * qy + oy, qx, qy, seed + 101u * o);
    if (turbulence) n = std::fabs(n);
    sum += amp * n;
    norm += amp;
    amp *= gain;
  }
  return sum / norm;
}

float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}

struct Rgb {
  float r, g, b;
};
Rgb Mix(Rgb a, Rgb b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Scale(Rgb a, float k) {
  return {a.r * k, a.g * k, a.b * k};
}
QRgb ToPixel(Rgb c) {
  auto ch = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.0f, 255.0f))); };
  return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

// ---------------------------------------------------------------------------
// Wood: growth rings running along the tile, bent by slow noise, with fine
// fibres and pores stretched along the grain.
struct Wood {
  Rgb early, late;  // light spring wood, dark late wood
  int rings;        // rings across the tile height
  float bend;       // how far the rings wander, in rings
  float sharpness;  // how abruptly the late wood ends
  float fibre;      // strength of the fine streaks
  uint32_t seed;
};

QImage DrawWood(int w, int h, const Wood& p) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float s = (x + 0.5f) / w;
      const float t = (y + 0.5f) / h;
      // Slow bends of the whole figure, plus a little ripple.
      const float warp = Fbm(s, t, 1, 2, 3, p.seed, 0.5f) + 0.12f * Fbm(s, t, 4, 6, 2, p.seed + 3u);
      const float ring = p.rings * t + p.bend * warp * 2.0f;
      const float f = ring - std::floor(ring);
      // Spring wood darkens slowly into the late wood, which ends sharply.
      const float shade = std::pow(f, p.sharpness);
      const float streak = Fbm(s, t, 2, 56, 3, p.seed + 7u, 0.6f);
      const float pores = Fbm(s, t, 10, 90, 2, p.seed + 13u, 0.5f);
      const float broad = Fbm(s, t, 1, 2, 2, p.seed + 29u, 0.5f);
      Rgb c = Mix(p.early, p.late, Clamp01(shade * 0.8f + streak * p.fibre));
      c = Scale(c, 1.0f + streak * 0.22f + broad * 0.12f);
      if (pores < -0.36f) c = Scale(c, 0.86f + (pores + 0.36f) * 0.8f);
      img.setPixel(x, y, ToPixel(c));
    }
  }
  return img;
}

// ---------------------------------------------------------------------------
// Marble: a soft cloudy ground crossed by turbulent veins, a few strong ones
// and a net of faint ones in another direction.
struct Marble {
  Rgb ground, cloud, vein, fineVein;
  int ax, ay;  // direction of the main veins: turns across and down the tile
  int bx, by;  // direction of the faint veins
  float turb;  // how much the veins twist
  uint32_t seed;
};

QImage DrawMarble(int w, int h, const Marble& p) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float s = (x + 0.5f) / w;
      const float t = (y + 0.5f) / h;
      const float cloud = Fbm(s, t, 2, 2, 5, p.seed, 0.55f);
      const float tb = Fbm(s, t, 2, 2, 6, p.seed + 3u, 0.55f, true);
      const float tb2 = Fbm(s, t, 3, 3, 5, p.seed + 5u, 0.5f, true);
      const float m1 = std::sin(2 * kPi * (p.ax * s + p.ay * t) + p.turb * tb * 6.0f);
      const float m2 = std::sin(2 * kPi * (p.bx * s + p.by * t) + p.turb * tb2 * 9.0f);
      const float v1 = std::pow(1 - std::fabs(m1), 10.0f);
      const float v2 = std::pow(1 - std::fabs(m2), 26.0f);
      Rgb c = Mix(p.ground, p.cloud, Clamp01(0.5f + cloud * 1.6f));
      c = Mix(c, p.fineVein, Clamp01(v2 * 0.7f));
      const float halo = std::pow(1 - std::fabs(m1), 3.0f);
      c = Mix(c, p.vein, Clamp01(halo * 0.18f));
      c = Mix(c, p.vein, Clamp01(v1 * 0.9f));
      const float grain = Hash01(x, y, p.seed + 11u) - 0.5f;
      c = Scale(c, 1.0f + grain * 0.03f);
      img.setPixel(x, y, ToPixel(c));
    }
  }
  return img;
}

// ---------------------------------------------------------------------------
// Cloth: threads of a given pitch crossing over and under each other. The
// weave decides which thread lies on top in each crossing; felt is a very
// fine weave buried under fuzz.
enum class Weave { Felt, Plain, Twill };

struct Cloth {
  Rgb base;
  Weave weave;
  int pitch;  // pixels per thread; the tile holds a whole number of threads
  float fuzz;
  uint32_t seed;
};

QImage DrawCloth(int w, int h, const Cloth& p) {
  QImage img(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const float s = (x + 0.5f) / w;
      const float t = (y + 0.5f) / h;
      const int i = x / p.pitch;
      const int j = y / p.pitch;
      const float fx = (x % p.pitch + 0.5f) / p.pitch;
      const float fy = (y % p.pitch + 0.5f) / p.pitch;
      bool warpOnTop = false;
      switch (p.weave) {
        case Weave::Felt:
        case Weave::Plain:
          warpOnTop = (i + j) % 2 == 0;
          break;
        case Weave::Twill:
          warpOnTop = (i + j) % 4 < 2;
          break;
      }
      // A thread is round: bright along its middle, darker at its sides
      // and where it dives under its neighbour.
      const float across = warpOnTop ? fx : fy;
      const float along = warpOnTop ? fy : fx;
      float shade = 0.62f + 0.38f * std::sqrt(std::sin(kPi * across));
      shade *= 0.86f + 0.14f * std::sin(kPi * along);
      // Each thread is dyed a little differently.
      const float dye = warpOnTop ? Hash01(i, 0, p.seed) : Hash01(0, j, p.seed + 1u);
      shade *= 0.95f + 0.10f * dye;
      const float fibres = Hash01(x, y, p.seed + 2u) - 0.5f;
      const float fuzz = Fbm(s, t, 16, 16, 3, p.seed + 3u, 0.6f);
      const float mottle = Fbm(s, t, 2, 2, 2, p.seed + 4u, 0.5f);
      float k;
      if (p.weave == Weave::Felt) {
        k = 1.0f + (shade - 0.9f) * 0.3f + fuzz * p.fuzz + fibres * 0.10f + mottle * 0.08f;
      } else {
        k = 0.08f + shade + fuzz * p.fuzz + fibres * 0.06f + mottle * 0.05f;
      }
      img.setPixel(x, y, ToPixel(Scale(p.base, k)));
    }
  }
  return img;
}

bool Write(const QString& dir, const QString& name, const QImage& img) {
  const QByteArray data = Jpeg::Encode(img, 90);
  QFile f(dir + '/' + name + ".jpg");
  if (data.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
    return false;
  }
  std::printf("%s %dx%d %lld bytes\n", qPrintable(name), img.width(), img.height(),
              static_cast<long long>(data.size()));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const QString dir =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("src/resources/backgrounds");
  QDir().mkpath(dir);
  bool ok = true;

  const Wood woods[4] = {
      // oak
      {{214, 170, 112}, {146, 96, 50}, 7, 0.9f, 3.0f, 0.5f, 11u},
      // walnut
      {{128, 84, 52}, {62, 38, 22}, 10, 1.2f, 2.2f, 0.30f, 23u},
      // cherry
      {{184, 98, 58}, {112, 46, 26}, 8, 1.0f, 2.6f, 0.30f, 37u},
      // maple
      {{238, 214, 168}, {190, 144, 92}, 6, 0.9f, 3.2f, 0.45f, 41u},
  };
  for (int k = 0; k < 4; ++k)
    ok &= Write(dir, QString("WOOD%1").arg(k + 1), DrawWood(240, 182, woods[k]));

  const Marble marbles[3] = {
      // white with grey veins
      {{236, 234, 230}, {214, 213, 210}, {118, 118, 126}, {170, 170, 176}, 1, 2, 3, -1, 1.0f, 51u},
      // dark green with pale veins
      {{34, 92, 64}, {18, 58, 40}, {206, 232, 214}, {120, 170, 140}, 2, 1, -1, 3, 1.1f, 67u},
      // black with gold veins
      {{38, 36, 40}, {22, 21, 24}, {214, 172, 90}, {150, 130, 110}, 1, -2, 2, 3, 1.0f, 79u},
  };
  for (int k = 0; k < 3; ++k)
    ok &= Write(dir, QString("MARBLE%1").arg(k + 1), DrawMarble(240, 240, marbles[k]));

  const Cloth cloths[3] = {
      {{38, 118, 58}, Weave::Felt, 2, 0.22f, 91u},    // green baize
      {{44, 78, 150}, Weave::Plain, 4, 0.05f, 97u},   // blue linen
      {{150, 36, 40}, Weave::Twill, 4, 0.05f, 103u},  // red twill
  };
  for (int k = 0; k < 3; ++k)
    ok &= Write(dir, QString("CLOTH%1").arg(k + 1), DrawCloth(128, 128, cloths[k]));

  return ok ? 0 : 1;
}
