// Synthesises the game's sounds as WAV files (44100 Hz, 16 bit, mono):
//
//   klanggenerator OUTDIR
//
// writes OUTDIR/fx1.wav .. fx6.wav (chime, click, chop, hammer, coin, horn),
// OUTDIR/dialog1.wav (a murmured phrase) and OUTDIR/m0.wav, m1.wav (two calm
// music loops). Everything is computed from fixed numbers: the same program
// gives the same files.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

using Spur = std::vector<double>;

// A fixed linear congruential noise source.
struct Rauschen {
    std::uint32_t s;
    explicit Rauschen(std::uint32_t seed) : s(seed) {}
    double weiter() {  // -1 .. 1
        s = s * 1664525u + 1013904223u;
        return static_cast<double>(s >> 8) / 8388608.0 - 1.0;
    }
    int unter(int n) {
        s = s * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<std::uint64_t>(s) * static_cast<std::uint32_t>(n)) >> 32);
    }
};

Spur stille(double sekunden) { return Spur(static_cast<std::size_t>(sekunden * kRate), 0.0); }

void mischen(Spur& ziel, const Spur& quelle, double ab_sekunde, double pegel) {
    const std::size_t ab = static_cast<std::size_t>(ab_sekunde * kRate);
    if (ziel.size() < ab + quelle.size()) ziel.resize(ab + quelle.size(), 0.0);
    for (std::size_t i = 0; i < quelle.size(); ++i) ziel[ab + i] += quelle[i] * pegel;
}

double frequenz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A struck tone: partials (ratio, level) with exponential decay.
Spur schlag(double f, double dauer, double abklingen,
            std::initializer_list<std::pair<double, double>> teile) {
    Spur s = stille(dauer);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double huelle = std::exp(-t * abklingen) * std::min(1.0, t * 400.0);
        double v = 0;
        int k = 0;
        for (auto [verh, pegel] : teile) {
            v += pegel * std::sin(2 * kPi * f * verh * t) * std::exp(-t * abklingen * 0.6 * k);
            ++k;
        }
        s[i] = v * huelle;
    }
    return s;
}

// Noise through a two-pole resonator at f with bandwidth b, decaying.
Spur rauschschlag(Rauschen& r, double f, double b, double dauer, double abklingen) {
    Spur s = stille(dauer);
    const double rad = std::exp(-kPi * b / kRate);
    const double c1 = 2 * rad * std::cos(2 * kPi * f / kRate), c2 = -rad * rad;
    double y1 = 0, y2 = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double x = r.weiter() * std::exp(-t * abklingen);
        const double y = x * (1 - rad) + c1 * y1 + c2 * y2;
        y2 = y1;
        y1 = y;
        s[i] = y;
    }
    return s;
}

// A plucked string (Karplus-Strong).
Spur zupfen(Rauschen& r, double f, double dauer, double daempfung) {
    Spur s = stille(dauer);
    std::vector<double> linie(static_cast<std::size_t>(std::max(2.0, kRate / f)));
    for (double& v : linie) v = r.weiter();
    std::size_t pos = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t naechste = (pos + 1) % linie.size();
        const double v = linie[pos];
        linie[pos] = daempfung * 0.5 * (v + linie[naechste]);
        s[i] = v;
        pos = naechste;
    }
    // Soften the attack a little.
    for (std::size_t i = 0; i < std::min<std::size_t>(s.size(), 200); ++i)
        s[i] *= static_cast<double>(i) / 200.0;
    return s;
}

// A soft pad chord: slightly detuned sines with slow attack and release.
Spur flaeche(const std::vector<int>& noten, double dauer) {
    Spur s = stille(dauer);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double huelle = std::min({1.0, t / 0.8, (dauer - t) / 0.8});
        double v = 0;
        for (int n : noten) {
            const double f = frequenz(n);
            v += std::sin(2 * kPi * f * t) + 0.5 * std::sin(2 * kPi * f * 1.003 * t + 1.0) +
                 0.15 * std::sin(2 * kPi * f * 2 * t);
        }
        s[i] = v * std::max(0.0, huelle) / static_cast<double>(noten.size());
    }
    return s;
}

void normieren(Spur& s, double spitze) {
    double m = 0;
    for (double v : s) m = std::max(m, std::abs(v));
    if (m > 0)
        for (double& v : s) v *= spitze / m;
}

void ausblenden(Spur& s, double sekunden) {
    const std::size_t n = std::min(s.size(), static_cast<std::size_t>(sekunden * kRate));
    for (std::size_t i = 0; i < n; ++i)
        s[s.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(n);
}

bool wav_schreiben(const std::string& datei, const Spur& s) {
    std::FILE* f = std::fopen(datei.c_str(), "wb");
    if (!f) return false;
    auto u32 = [&](std::uint32_t v) {
        unsigned char b[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                              static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        std::fwrite(b, 1, 4, f);
    };
    auto u16 = [&](std::uint16_t v) {
        unsigned char b[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
        std::fwrite(b, 1, 2, f);
    };
    const std::uint32_t daten = static_cast<std::uint32_t>(s.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    u32(36 + daten);
    std::fwrite("WAVEfmt ", 1, 8, f);
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    std::fwrite("data", 1, 4, f);
    u32(daten);
    for (double v : s) {
        const long x = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(x)));
    }
    return std::fclose(f) == 0;
}

// --- The effects -----------------------------------------------------------------

// A message comes up: a soft two-note chime.
Spur glocke() {
    Spur s = stille(0.9);
    const auto teile = {std::pair{1.0, 1.0}, std::pair{2.76, 0.35}, std::pair{5.4, 0.12}};
    mischen(s, schlag(frequenz(84), 0.8, 4.5, teile), 0.0, 0.6);
    mischen(s, schlag(frequenz(91), 0.75, 4.5, teile), 0.12, 0.5);
    normieren(s, 0.7);
    return s;
}

// A short dry click.
Spur klick() {
    Rauschen r(11);
    Spur s = rauschschlag(r, 3200, 1800, 0.05, 160);
    mischen(s, schlag(2000, 0.02, 300, {{1.0, 1.0}}), 0.0, 0.4);
    normieren(s, 0.6);
    return s;
}

// An axe into wood: a knock and a short splintering.
Spur hieb() {
    Rauschen r(23);
    Spur s = rauschschlag(r, 420, 260, 0.3, 28);
    mischen(s, schlag(110, 0.2, 30, {{1.0, 1.0}, {2.3, 0.3}}), 0.0, 0.8);
    mischen(s, rauschschlag(r, 2400, 1500, 0.12, 45), 0.015, 0.25);
    normieren(s, 0.8);
    return s;
}

// A hammer on a nail: two metallic knocks.
Spur hammer() {
    Rauschen r(37);
    Spur s = stille(0.45);
    for (double t : {0.0, 0.22}) {
        mischen(s, schlag(1850, 0.2, 22, {{1.0, 1.0}, {1.37, 0.6}, {2.9, 0.25}}), t, 0.5);
        mischen(s, rauschschlag(r, 700, 500, 0.06, 70), t, 0.7);
    }
    normieren(s, 0.7);
    return s;
}

// Coins: two bright pings.
Spur muenzen() {
    Spur s = stille(0.5);
    const auto teile = {std::pair{1.0, 1.0}, std::pair{2.1, 0.4}, std::pair{3.3, 0.2}};
    mischen(s, schlag(frequenz(96), 0.35, 12, teile), 0.0, 0.5);
    mischen(s, schlag(frequenz(100), 0.35, 12, teile), 0.09, 0.45);
    normieren(s, 0.6);
    return s;
}

// A low horn call.
Spur horn() {
    Spur s = stille(0.9);
    const double f = frequenz(50);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double huelle = std::min({1.0, t / 0.12, (0.9 - t) / 0.3});
        const double vib = 1.0 + 0.004 * std::sin(2 * kPi * 5 * t);
        double v = 0;
        for (int k = 1; k <= 6; ++k) v += std::sin(2 * kPi * f * k * vib * t) / (k * k * 0.6 + 0.4);
        s[i] = v * std::max(0.0, huelle);
    }
    normieren(s, 0.45);
    return s;
}

// A murmured phrase: a voiced buzz through two moving formants, in syllables.
Spur gemurmel() {
    Rauschen r(51);
    const double dauer = 1.4;
    Spur s = stille(dauer);
    const double formanten[][2] = {{700, 1150}, {400, 2000}, {550, 900}, {300, 2300}, {650, 1100}};
    double phase = 0;
    double a1[2] = {0, 0}, a2[2] = {0, 0};
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const int silbe = std::min(4, static_cast<int>(t / 0.26));
        const double in_silbe = t - silbe * 0.26;
        const double huelle = std::sin(kPi * std::clamp(in_silbe / 0.24, 0.0, 1.0));
        const double f0 = 130 + 18 * std::sin(2 * kPi * 0.7 * t) - 10 * t;
        phase += f0 / kRate;
        phase -= std::floor(phase);
        const double quelle = (2 * phase - 1) + 0.05 * r.weiter();
        double y = 0;
        for (int k = 0; k < 2; ++k) {
            const double f = formanten[silbe][k], b = 90 + 40 * k;
            const double rad = std::exp(-kPi * b / kRate);
            const double c1 = 2 * rad * std::cos(2 * kPi * f / kRate), c2 = -rad * rad;
            const double v = quelle * (1 - rad) + c1 * a1[k] + c2 * a2[k];
            a2[k] = a1[k];
            a1[k] = v;
            y += v / (k + 1);
        }
        s[i] = y * huelle;
    }
    normieren(s, 0.6);
    return s;
}

// --- The music -------------------------------------------------------------------

struct Stueck {
    double tempo;                           // beats per minute
    std::vector<std::vector<int>> akkorde;  // one chord a bar (MIDI notes)
    std::vector<int> tonleiter;             // melody notes to choose from
    std::vector<int> zupfmuster;            // chord tone index per eighth, -1 rest
    std::uint32_t seed;
};

// Bars of pad and plucked arpeggio with a sparse bell melody.
Spur musik(const Stueck& st) {
    Rauschen r(st.seed);
    const double schlag_s = 60.0 / st.tempo;
    const double takt = 4 * schlag_s;
    const double laenge = takt * static_cast<double>(st.akkorde.size());
    Spur s = stille(laenge + 1.0);
    int melodie = static_cast<int>(st.tonleiter.size()) / 2;
    for (std::size_t b = 0; b < st.akkorde.size(); ++b) {
        const auto& ak = st.akkorde[b];
        const double anfang = static_cast<double>(b) * takt;
        std::vector<int> tief;
        for (int n : ak) tief.push_back(n - 12);
        mischen(s, flaeche(tief, takt + 0.6), anfang, 0.22);
        for (std::size_t e = 0; e < st.zupfmuster.size(); ++e) {
            const int idx = st.zupfmuster[e];
            if (idx < 0) continue;
            const int note = ak[static_cast<std::size_t>(idx) % ak.size()] + (idx >= 3 ? 12 : 0);
            mischen(s, zupfen(r, frequenz(note), 1.6, 0.996), anfang + static_cast<double>(e) * schlag_s / 2,
                    0.28);
        }
        // Two or three melody notes a bar, stepping through the scale.
        for (int k = 0; k < 4; ++k) {
            if (r.unter(3) == 0) continue;
            melodie = std::clamp(melodie + r.unter(5) - 2, 0, static_cast<int>(st.tonleiter.size()) - 1);
            const auto teile = {std::pair{1.0, 1.0}, std::pair{3.0, 0.08}, std::pair{4.07, 0.05}};
            mischen(s, schlag(frequenz(st.tonleiter[static_cast<std::size_t>(melodie)]), 1.8, 2.2, teile),
                    anfang + k * schlag_s, 0.16);
        }
    }
    s.resize(static_cast<std::size_t>(laenge * kRate));
    normieren(s, 0.75);
    ausblenden(s, 1.5);
    return s;
}

Spur musik0() {
    // C major, walking calmly: C - Am - F - G, twice with a turn at the end.
    return musik({72,
                  {{60, 64, 67},
                   {57, 60, 64},
                   {53, 57, 60},
                   {55, 59, 62},
                   {60, 64, 67},
                   {57, 60, 64},
                   {53, 57, 60},
                   {55, 60, 62}},
                  {67, 69, 72, 74, 76, 79, 81, 84},
                  {0, 1, 2, 3, 2, 1, -1, 1},
                  20241});
}

Spur musik1() {
    // D dorian, slower and darker: Dm - G - Dm - C, twice.
    return musik({64,
                  {{62, 65, 69},
                   {55, 59, 62},
                   {62, 65, 69},
                   {60, 64, 67},
                   {62, 65, 69},
                   {55, 59, 62},
                   {57, 60, 64},
                   {62, 65, 69}},
                  {62, 64, 65, 69, 71, 74, 76, 77},
                  {0, -1, 2, 1, 3, -1, 2, 1},
                  7310});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 64;
    }
    const std::string ordner = std::string(argv[1]) + "/";
    const std::pair<const char*, Spur> dateien[] = {
        {"fx1.wav", glocke()},       {"fx2.wav", klick()},   {"fx3.wav", hieb()},
        {"fx4.wav", hammer()},       {"fx5.wav", muenzen()}, {"fx6.wav", horn()},
        {"dialog1.wav", gemurmel()}, {"m0.wav", musik0()},   {"m1.wav", musik1()},
    };
    for (const auto& [name, spur] : dateien) {
        if (!wav_schreiben(ordner + name, spur)) {
            std::fprintf(stderr, "klanggenerator: cannot write %s%s\n", ordner.c_str(), name);
            return 1;
        }
    }
    return 0;
}
