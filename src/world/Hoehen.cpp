#include "world/Hoehen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "world/Gelaende.h"
#include "world/Hasen.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"

namespace {

// The map side and cell count as the generators see them (the map must match).
int seite() { return MG_Kartengroesse; }
int zellenzahl() { return static_cast<int>(Karte.size()); }

// The hill stamp. It runs on a copy of the levels with a border of cells that
// never take a hill (outside the map, and cell 0), so a step needs no range
// test; the random source is drawn in exactly the order of the plain recursion,
// and a run of coin tosses that can no longer start a hill is skipped in one
// step of the generator.
class Huegelstempel {
public:
    explicit Huegelstempel(int n) : zellen_(n * n), rand_(2 * n + 2) {
        const int sprung[12] = {-2 + 2 * n, -2 + n, -2, -1 - n, -2 * n, 1 - 2 * n,
                                2 - 2 * n,  2 - n,  2,  1 + n,  2 * n,  -1 + 2 * n};
        const int nachbar[6] = {-1 + n, -1, -n, 1 - n, 1, n};
        std::copy(sprung, sprung + 12, sprung_);
        std::copy(nachbar, nachbar + 6, nachbar_);
        faktor_[0] = 1;
        summand_[0] = 0;
        for (int j = 1; j <= 12; ++j) {
            faktor_[j] = faktor_[j - 1] * Zufall_Faktor;
            summand_[j] = summand_[j - 1] * Zufall_Faktor + 1u;
        }
        puffer_.assign(static_cast<std::size_t>(zellen_ + 2 * rand_), Sperre);
        stufe_ = puffer_.data() + rand_;
        for (int c = 1; c < zellen_; ++c) stufe_[c] = einlesen(c);
        seed_ = RandSeed;
    }
    // Writes the levels and the random source back.
    ~Huegelstempel() {
        for (int c = 1; c < zellen_; ++c)
            if (stufe_[c] != einlesen(c)) Karte[static_cast<std::size_t>(c)].LandType() = stufe_[c];
        RandSeed = seed_;
    }
    Huegelstempel(const Huegelstempel&) = delete;
    Huegelstempel& operator=(const Huegelstempel&) = delete;

    // A value of the random source below m (as Random(m)).
    int ziehen(int m) {
        seed_ = seed_ * Zufall_Faktor + 1u;
        return static_cast<int>((static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(m)) >> 32);
    }

    void setzen(int feld, int h) {
        if (feld <= 0 || feld >= zellen_) return;
        h = std::clamp(h, -Grenze, Grenze);
        if (h > stufe_[feld]) stempeln(feld, h);
    }

private:
    static constexpr std::uint32_t Zufall_Faktor = 134775813u;
    static constexpr std::int16_t Sperre = 32767;
    static constexpr int Grenze = 32000;

    static std::int16_t einlesen(int c) {
        return static_cast<std::int16_t>(
            std::clamp(Karte[static_cast<std::size_t>(c)].LandType(), -Grenze, Grenze));
    }

    void stempeln(int feld, int h) {
        std::int16_t* const stufe = stufe_;
        stufe[feld] = static_cast<std::int16_t>(h);
        const int h1 = h - 1;
        // The jumps that could take a hill now; one that cannot now never can,
        // since hills only raise cells.
        unsigned offen = 0;
        for (int i = 0; i < 12; ++i) offen |= static_cast<unsigned>(h1 > stufe[feld + sprung_[i]]) << i;
        int i = 0;
        for (; (offen >> i) != 0; ++i) {
            seed_ = seed_ * Zufall_Faktor + 1u;  // Random(2) = 1 is the top bit
            if ((seed_ >> 31) & (offen >> i) & 1u) {
                const int ziel = feld + sprung_[i];
                if (h1 > stufe[ziel]) stempeln(ziel, h1);
            }
        }
        seed_ = faktor_[12 - i] * seed_ + summand_[12 - i];
        for (int k = 0; k < 6; ++k) {
            const int ziel = feld + nachbar_[k];
            if (h1 > stufe[ziel]) stempeln(ziel, h1);
        }
    }

    int zellen_;
    int rand_;
    int sprung_[12];
    int nachbar_[6];
    std::uint32_t faktor_[13], summand_[13];
    std::vector<std::int16_t> puffer_;
    std::int16_t* stufe_;  // cell 0 of the map inside puffer_
    std::uint32_t seed_;
};

// Floor(n / d) hills, none for a divisor that is not positive.
int anteil(int n, long long d) { return d > 0 ? static_cast<int>(n / d) : 0; }

// The five passes of one map type: hills per pass, their minimum, the damping.
void fuenf_durchgaenge(const std::array<int, 5>& anzahl, int minimum, double f) {
    for (int p = 0; p < 5; ++p) {
        const int n = std::max(anzahl[static_cast<std::size_t>(p)], minimum);
        MG_Hoehen_loeschen();
        MG_Kegel_setzen(n, f);
        switch (p) {
            case 0:
                MG_Schicht_kappen(1, MG_Schicht_Hoehe, MG_Schicht_Sand, 1);
                break;
            case 1:
                MG_Schicht_kappen(2, MG_Schicht_Hoehe, MG_Schicht_Heide, 3);
                break;
            case 2:
                MG_Schicht_kappen(4, MG_Schicht_Hoehe, MG_Schicht_Bauland, 2);
                break;
            case 3:
                MG_Schicht_kappen(5, MG_Schicht_Hoehe, MG_Schicht_Geroell, 4);
                break;
            default:
                MG_Berge_verschmelzen();
                break;
        }
    }
}

// Floor(k x f) of the real product. A damping such as N / (N - 64) - 1 is a
// quotient whose double is off in its last bit, so k x f can fall just short of
// a whole number it equals (3 x 1/3): within a hair of one it counts as that one.
// The true products lie far from other whole numbers (their denominators are
// below 1000).
int daempfung_abziehen(int k, double f) {
    return static_cast<int>(std::floor(static_cast<double>(k) * f + 1e-9));
}

// N / (N - 64) - 1: how strongly tall hills are lowered on the archipelago.
double daempfung(int n) { return n > 64 ? static_cast<double>(n) / static_cast<double>(n - 64) - 1.0 : 0.0; }

bool im_erosionsbereich(int x, int y, int n) { return x >= 2 && x <= n - 2 && y >= 2 && y <= n - 2; }

}  // namespace

void MG_Huegel_setzen(int feld, int h) {
    if (zellenzahl() != seite() * seite()) {
        Fehler_melden("MG_Huegel_setzen > Karte passt nicht zur Kartengroesse");
        return;
    }
    Huegelstempel stempel(seite());
    stempel.setzen(feld, h);
}

void MG_Kegel_setzen(int anzahl, double f) {
    const int n = seite();
    if (n < 1 || zellenzahl() != n * n) {
        Fehler_melden("MG_Kegel_setzen > Karte passt nicht zur Kartengroesse");
        return;
    }
    Huegelstempel stempel(n);
    const int letzte = n * n - 1;
    for (int i = 0; i < anzahl; ++i) {
        const int c = stempel.ziehen(letzte);
        const int y = c / n;
        const int x = c - y * n;
        // Room to the nearer edge, vertically and horizontally.
        const int r1 = c > letzte - c ? static_cast<int>(Ceil_div(n - y - 1, 2)) - 1
                                      : static_cast<int>(Ceil_div(y - 1, 2)) - 1;
        const int r2 = 2 * x <= n ? static_cast<int>(Ceil_div(x - 1, 2)) - 1
                                  : static_cast<int>(Ceil_div(n - x - 1, 2)) - 1;
        int h = std::max(std::min(r1, r2), 0);
        if (f == 0.0)
            h = std::min(h, 20);
        else if (h > 20)
            h = 20 - daempfung_abziehen(h - 20, f);
        stempel.setzen(c, h);
    }
}

void MG_Schicht_kappen(int a, int quelle, int ziel, int meldung) {
    if (!Kartenfeld::gueltiges_Feld(quelle) || !Kartenfeld::gueltiges_Feld(ziel)) {
        Fehler_melden("MG_Schicht_kappen > unbekanntes Feld: " + std::to_string(quelle) + " / " +
                      std::to_string(ziel));
        return;
    }
    for (Kartenfeld& k : Karte) {
        if (k.feld(quelle) > a)
            k.feld(ziel) = Random(2) > 0 ? a : a + 1;
        else
            k.feld(ziel) = k.feld(quelle);
    }
    switch (meldung) {
        case 1:
            Oberflaeche().TPU_Ladestatus_add(W("Erschaffe Sandland und Strände..."));
            break;
        case 2:
            Oberflaeche().TPU_Ladestatus_add(W("Erschaffe Bauland und grüne Ebenen..."));
            break;
        case 3:
            Oberflaeche().TPU_Ladestatus_add("Erschaffe Heideland ...");
            break;
        case 4:
            Oberflaeche().TPU_Ladestatus_add(W("Erschaffe Geröllfelder..."));
            break;
        default:
            break;
    }
}

bool MG_Gipfel_abtragen(int feld) {
    if (!MG_Feld_gueltig(feld)) return false;
    Kartenfeld& k = Karte[static_cast<std::size_t>(feld)];
    if (k.feld(MG_Schicht_Schutz) == 1 || k.LandType() < 5) return false;
    const int n = seite();
    if (feld > 1 && feld < n * n - 1) {
        for (int v : {n - 1, -1, -n, 1 - n, 1, n}) {
            const int j = feld + v;
            if (MG_Feld_gueltig(j) && Karte[static_cast<std::size_t>(j)].LandType() > k.LandType())
                return false;
        }
    }
    --k.LandType();
    return true;
}

void MG_Erosion() {
    const int n = seite();
    if (n < 1 || zellenzahl() != n * n) {
        Fehler_melden("MG_Erosion > Karte passt nicht zur Kartengroesse");
        return;
    }
    // 1. Protected peaks, drawn on the even-even cells only.
    for (int x = 2; x <= n - 2; ++x)
        for (int y = 2; y <= n - 2; ++y)
            if (x % 2 == 0 && y % 2 == 0 && Random(20) == 0)
                Karte[static_cast<std::size_t>(x + y * n)].feld(MG_Schicht_Schutz) = 1;

    // 2. Lower until no cell can be lowered. Lowering a cell never stops another
    // from being lowered, so the end state does not depend on the order: a work
    // list reaches the same land as repeated passes over the map, only sooner.
    std::vector<int> liste;
    std::vector<std::uint8_t> vorgemerkt(static_cast<std::size_t>(n) * static_cast<std::size_t>(n), 0);
    liste.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
    for (int x = n - 2; x >= 2; --x)
        for (int y = n - 2; y >= 2; --y) {
            liste.push_back(x + y * n);
            vorgemerkt[static_cast<std::size_t>(x + y * n)] = 1;
        }
    const std::array<int, 7> umgebung{0, n - 1, -1, -n, 1 - n, 1, n};
    while (!liste.empty()) {
        const int c = liste.back();
        liste.pop_back();
        vorgemerkt[static_cast<std::size_t>(c)] = 0;
        if (!MG_Gipfel_abtragen(c)) continue;
        for (int v : umgebung) {
            const int j = c + v;
            if (j < 0 || j >= n * n || vorgemerkt[static_cast<std::size_t>(j)] ||
                !im_erosionsbereich(j % n, j / n, n))
                continue;
            vorgemerkt[static_cast<std::size_t>(j)] = 1;
            liste.push_back(j);
        }
    }
    // 3. The marks go.
    for (Kartenfeld& k : Karte) k.feld(MG_Schicht_Schutz) = -1;
}

void MG_Berge_verschmelzen() {
    MG_Erosion();
    for (Kartenfeld& k : Karte) {
        k.feld(MG_Schicht_Bauland) = std::max(k.feld(MG_Schicht_Bauland), k.feld(MG_Schicht_Geroell));
        k.feld(MG_Schicht_Sand) = std::max(k.feld(MG_Schicht_Sand), k.feld(MG_Schicht_Bauland));
        k.feld(MG_Schicht_Heide) = std::max(k.feld(MG_Schicht_Heide), k.feld(MG_Schicht_Sand));
        k.LandType() = std::max(k.LandType(), k.feld(MG_Schicht_Heide));
    }
    Oberflaeche().TPU_Ladestatus_add(W("Erschaffe Bergland und Abhänge..."));
}

void MG_Kartentyp_0() {
    const int n = seite();
    fuenf_durchgaenge({n / 10, n / 10, n / 10, n / 20, n / 20}, 5, daempfung(n));
    Shell().Nachrichten_verarbeiten();
}

void MG_Kartentyp_1() {
    const int n = seite();
    double f = daempfung(n);
    if (f == 0.0) f = 0.5;
    if (f < 0.1) f = 0.1;
    if (n == 256) f = 0.5;
    fuenf_durchgaenge({n, n / 3, 2 * n / 3, n / 25, n / 25}, 5, f);
}

void MG_Kartentyp_2() {
    const int n = seite();
    fuenf_durchgaenge({0, 0, n, 0, n / 25}, 5, 0.0);
}

void MG_Kartentyp_3() {
    const int n = seite();
    fuenf_durchgaenge({n / 8, n / 8, n, n / 8, n / 3}, 1, 0.0);
}

void MG_Kartentyp_4() {
    // 1.-2. A world of half the side, dressed.
    const int m = MG_Groesse_aus_Wahl(SingelGameGroessenWahl);
    const int h = m / 2;
    MG_Kartengroesse = h;
    MG_Karte_anlegen(h, Karte);
    MG_Kartentyp_7();
    MG_Ambiente_verteilen();
    // 3. Kept aside while the full map is made.
    std::vector<Kartenfeld> viertel;
    viertel.swap(Karte);
    MG_Personenbits_verwerfen();
    // 4. The view covers the first quarter.
    Sichtbereich_1_von = 0;
    Sichtbereich_1_bis = h - 1;
    Sichtbereich_2_von = 0;
    Sichtbereich_2_bis = h - 1;
    // 5. The full map; the holes of the quarter are made anew below.
    MG_Kartengroesse = m;
    MG_Karte_anlegen(m, Karte);
    Hase_Loecher_loeschen();
    if (static_cast<int>(viertel.size()) != h * h || static_cast<int>(Karte.size()) != m * m) {
        Fehler_melden("MG_Kartentyp_4 > Karte konnte nicht angelegt werden");
        return;
    }
    // 6. Four copies, shifted.
    for (int y = 0; y < m; ++y)
        for (int x = 0; x < m; ++x)
            Karte[static_cast<std::size_t>(x + y * m)] =
                viertel[static_cast<std::size_t>(x % h + (y % h) * h)];
    MG_Personenbits_verwerfen();
    for (int x = 0; x < m; ++x)
        for (int y = 0; y < m; ++y) {
            const int c = x + y * m;
            if (MG_ist_Kaninchenbau(Karte[static_cast<std::size_t>(c)].Ambiente())) Hase_Loch_anlegen(c, c);
        }
}

void MG_Kartentyp_5() {
    const int n = seite();
    fuenf_durchgaenge({10 * n, n / 30, n / 30, n / 30, n / 30}, 5, 0.0);
}

void MG_Kartentyp_6() {
    const int n = seite();
    const long long g = SingelGameGroessenWahl;  // any value the set-up holds, even far out of range
    fuenf_durchgaenge({anteil(n, 18 - g), anteil(n, 18 - g), anteil(n, 11 - g), anteil(n, 35 - g), n / 20}, 5,
                      0.0);
}

void MG_Kartentyp_7() {
    const int n = seite();
    fuenf_durchgaenge({n / 10, n / 10, n / 10, n / 30, n / 20}, 5, 0.0);
}

bool MG_Kartentyp_erzeugen(int typ) {
    switch (typ) {
        case 0:
            MG_Kartentyp_0();
            return true;
        case 1:
            MG_Kartentyp_1();
            return true;
        case 2:
            MG_Kartentyp_2();
            return true;
        case 3:
            MG_Kartentyp_3();
            return true;
        case 4:
            MG_Kartentyp_4();
            return true;
        case 5:
            MG_Kartentyp_5();
            return true;
        case 6:
            MG_Kartentyp_6();
            return true;
        case 7:
            MG_Kartentyp_7();
            return true;
        default:
            Fehler_melden("Nicht abgefangener SingelGameTYPWahl :" + std::to_string(typ));
            return false;
    }
}
