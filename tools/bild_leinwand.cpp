#include "bild_leinwand.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

uint8_t begrenzen(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

// Keeps drawn colours away from the exact marker and transparent colours.
Farbe entschaerfen(Farbe f) {
    if (f == MARKER_ROT || f == MARKER_GRUEN || f == MARKER_BLAU) {
        if (f.r == 255) f.r = 254;
        if (f.g == 255) f.g = 254;
        if (f.b == 255) f.b = 254;
    }
    return f;
}

}  // namespace

Farbe schattieren(Farbe f, double faktor) {
    Farbe e;
    if (faktor >= 1.0) {
        const double t = faktor - 1.0;
        e = rgb(begrenzen(f.r + (255 - f.r) * t), begrenzen(f.g + (255 - f.g) * t),
                begrenzen(f.b + (255 - f.b) * t));
    } else {
        e = rgb(begrenzen(f.r * faktor), begrenzen(f.g * faktor), begrenzen(f.b * faktor));
    }
    if (e == TRANSPARENT) e.g = 1;
    return entschaerfen(e);
}

Farbe mischen(Farbe a, Farbe b, double anteil) {
    Farbe e = rgb(begrenzen(a.r + (b.r - a.r) * anteil), begrenzen(a.g + (b.g - a.g) * anteil),
                  begrenzen(a.b + (b.b - a.b) * anteil));
    if (e == TRANSPARENT) e.g = 1;
    return entschaerfen(e);
}

Leinwand::Leinwand(int breite, int hoehe, Farbe grund)
    : w_(breite), h_(hoehe), px_(static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe), grund) {}

Farbe Leinwand::lesen(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return TRANSPARENT;
    return px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x)];
}

void Leinwand::punkt(int x, int y, Farbe f) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x)] =
        f == TRANSPARENT ? f : entschaerfen(f);
}

void Leinwand::marker(int x, int y, Farbe f) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    px_[static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) + static_cast<std::size_t>(x)] = f;
}

void Leinwand::rechteck(int x, int y, int b, int h, Farbe f) {
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + b; ++xx) punkt(xx, yy, f);
}

void Leinwand::rahmen(int x, int y, int b, int h, Farbe f) {
    if (b <= 0 || h <= 0) return;
    linie(x, y, x + b - 1, y, f);
    linie(x, y + h - 1, x + b - 1, y + h - 1, f);
    linie(x, y, x, y + h - 1, f);
    linie(x + b - 1, y, x + b - 1, y + h - 1, f);
}

void Leinwand::linie(int x0, int y0, int x1, int y1, Farbe f) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        punkt(x0, y0, f);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Leinwand::ellipse(int cx, int cy, int rx, int ry, Farbe f) {
    if (rx <= 0 || ry <= 0) {
        punkt(cx, cy, f);
        return;
    }
    for (int y = -ry; y <= ry; ++y) {
        for (int x = -rx; x <= rx; ++x) {
            const double nx = (x + 0.0) / (rx + 0.5), ny = (y + 0.0) / (ry + 0.5);
            if (nx * nx + ny * ny <= 1.0) punkt(cx + x, cy + y, f);
        }
    }
}

void Leinwand::vieleck(const std::vector<std::pair<int, int>>& ecken, Farbe f) {
    if (ecken.size() < 3) return;
    int ymin = ecken[0].second, ymax = ymin;
    for (const auto& e : ecken) {
        ymin = std::min(ymin, e.second);
        ymax = std::max(ymax, e.second);
    }
    for (int y = ymin; y <= ymax; ++y) {
        const double py = y + 0.5;
        std::vector<double> xs;
        for (std::size_t i = 0; i < ecken.size(); ++i) {
            const auto& a = ecken[i];
            const auto& b = ecken[(i + 1) % ecken.size()];
            const double ay = a.second, by = b.second;
            if ((ay <= py && by > py) || (by <= py && ay > py)) {
                xs.push_back(a.first + (py - ay) / (by - ay) * (b.first - a.first));
            }
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5));
                 x <= static_cast<int>(std::floor(xs[i + 1] - 0.5)); ++x)
                punkt(x, y, f);
        }
    }
    // Edges are drawn as well so that thin shapes do not vanish.
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        const auto& a = ecken[i];
        const auto& b = ecken[(i + 1) % ecken.size()];
        linie(a.first, a.second, b.first, b.second, f);
    }
}

void Leinwand::einsetzen(const Leinwand& q, int x, int y) {
    for (int yy = 0; yy < q.h_; ++yy)
        for (int xx = 0; xx < q.w_; ++xx) {
            const Farbe f = q.lesen(xx, yy);
            if (f != TRANSPARENT) punkt(x + xx, y + yy, f);
        }
}

void Leinwand::einsetzen_skaliert(const Leinwand& q, int x, int y, int b, int h) {
    if (b <= 0 || h <= 0) return;
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < b; ++xx) {
            const Farbe f = q.lesen(xx * q.w_ / b, yy * q.h_ / h);
            if (f != TRANSPARENT) punkt(x + xx, y + yy, f);
        }
}

Leinwand Leinwand::gespiegelt() const {
    Leinwand s(w_, h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) s.px_[static_cast<std::size_t>(y * w_ + (w_ - 1 - x))] = lesen(x, y);
    return s;
}

std::vector<uint8_t> Leinwand::rgb_daten() const {
    std::vector<uint8_t> d;
    d.reserve(px_.size() * 3);
    for (const Farbe& f : px_) {
        d.push_back(f.r);
        d.push_back(f.g);
        d.push_back(f.b);
    }
    return d;
}
