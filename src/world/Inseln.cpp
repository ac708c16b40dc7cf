#include "world/Inseln.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "platform/base/Text1252.h"
#include "world/Karte.h"

std::vector<IU_Item> IU_Inseln;
std::array<int, 5> IU_Landklassen{};

namespace {

// Directions of the fill, turning once around a cell: 1 +N-1, 2 +N, 3 +1, 4 1-N, 5 -N, 6 -1.
int fuellversatz(int richtung, int n) {
    switch (richtung) {
        case 1:
            return n - 1;
        case 2:
            return n;
        case 3:
            return 1;
        case 4:
            return 1 - n;
        case 5:
            return -n;
        default:
            return -1;
    }
}

int richtung_normieren(int r) { return ((r - 1) % 6 + 6) % 6 + 1; }

// One fill step still to finish: its cell, the direction it was entered by and
// the next of its six turns.
struct Fuellschritt {
    int feld;
    int richtung;
    int drehung;
};

// Fills island n from cell start, depth first. The steps run exactly as a
// recursion would: each cell tries its six neighbours starting one direction
// before the one it was entered by, and a step deeper than the limit is not
// taken. True when the fill met an index outside the map (counted as water).
bool fuellen(int n, int start, std::vector<Fuellschritt>& stapel) {
    const int seite = MG_Kartengroesse;
    const std::size_t grenze = 10 * static_cast<std::size_t>(seite);
    bool ausserhalb = false;
    // Entering a cell: depth = the steps open above it plus this one.
    auto betreten = [&](int feld, int richtung) {
        if (stapel.size() + 1 >= grenze) return;
        Kartenfeld& k = Karte[static_cast<std::size_t>(feld)];
        if (k.LandType() <= 0 || k.Insel() != -1) return;
        k.Insel() = n;
        stapel.push_back({feld, richtung, 0});
    };
    betreten(start, 1);
    while (!stapel.empty()) {
        Fuellschritt& s = stapel.back();
        if (s.drehung == 6) {
            stapel.pop_back();
            continue;
        }
        const int richtung = richtung_normieren(s.richtung - 1 + s.drehung);
        ++s.drehung;
        const int ziel = s.feld + fuellversatz(richtung, seite);
        if (!MG_Feld_gueltig(ziel)) {
            ausserhalb = true;
            continue;
        }
        betreten(ziel, richtung);
    }
    return ausserhalb;
}

IU_Item* insel_eintrag(int insel) {
    if (insel < 0 || static_cast<std::size_t>(insel) >= IU_Inseln.size()) return nullptr;
    return &IU_Inseln[static_cast<std::size_t>(insel)];
}

void tabelle_bis(int insel) {
    if (insel >= 0 && static_cast<std::size_t>(insel) >= IU_Inseln.size())
        IU_Inseln.resize(static_cast<std::size_t>(insel) + 1);
}

// The smallest number joined with n so far (union-find with the smallest number as root).
int wurzel(std::vector<int>& eltern, int n) {
    int w = n;
    while (eltern[static_cast<std::size_t>(w)] != w) w = eltern[static_cast<std::size_t>(w)];
    while (eltern[static_cast<std::size_t>(n)] != w) {
        const int naechste = eltern[static_cast<std::size_t>(n)];
        eltern[static_cast<std::size_t>(n)] = w;
        n = naechste;
    }
    return w;
}

}  // namespace

int IU_Landklasse(int level) {
    if (level == 0) return 0;
    if (level >= 1 && level <= 2) return 1;
    if (level >= 3 && level <= 5) return 2;
    if (level >= 6 && level <= 15) return 3;
    if (level >= 16 && level <= 20) return 4;
    return -1;
}

void IU_Inseln_loeschen() {
    IU_Inseln.clear();
    IU_Landklassen.fill(0);
}

void IU_Inseln_erzeugen() {
    IU_Inseln_fuellen();
    IU_Inseln_verschmelzen();
    IU_Landklassen_zaehlen();
    IU_Inseln_freigeben();
}

void IU_Inseln_fuellen() {
    for (Kartenfeld& k : Karte) k.Insel() = -1;
    std::vector<Fuellschritt> stapel;
    bool ausserhalb = false;
    int n = -1;
    for (int c = 0; c < static_cast<int>(Karte.size()); ++c) {
        const Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        if (k.LandType() <= 0 || k.Insel() != -1) continue;
        ++n;
        if (fuellen(n, c, stapel)) ausserhalb = true;
    }
    if (ausserhalb)
        Fehler_melden(
            W("Die Sectoren konnten nicht sauber erfasst werden. Die Landflächen scheint über den Kartenrand "
              "zu "
              "ragen. Der Spielstand ist koruppt."));
}

void IU_Inseln_verschmelzen() {
    // Joining every pair of neighbouring island cells, each island ends with the
    // smallest number of its parts: what repeated merge passes would give.
    const int n = MG_Kartengroesse;
    const int zellen = static_cast<int>(Karte.size());
    int hoechste = -1;
    for (const Kartenfeld& k : Karte) hoechste = std::max(hoechste, k.Insel());
    if (hoechste < 0) return;
    std::vector<int> eltern(static_cast<std::size_t>(hoechste) + 1);
    for (int i = 0; i <= hoechste; ++i) eltern[static_cast<std::size_t>(i)] = i;
    for (int c = 0; c < zellen; ++c) {
        const int a = Karte[static_cast<std::size_t>(c)].Insel();
        if (a < 0 || Karte[static_cast<std::size_t>(c)].LandType() <= 0) continue;
        for (int v : {1, n, n - 1}) {
            const int j = c + v;
            if (j < 0 || j >= zellen) continue;
            const int b = Karte[static_cast<std::size_t>(j)].Insel();
            if (b < 0 || b == a) continue;
            const int wa = wurzel(eltern, a), wb = wurzel(eltern, b);
            if (wa < wb)
                eltern[static_cast<std::size_t>(wb)] = wa;
            else if (wb < wa)
                eltern[static_cast<std::size_t>(wa)] = wb;
        }
    }
    for (Kartenfeld& k : Karte)
        if (k.Insel() >= 0) k.Insel() = wurzel(eltern, k.Insel());
}

void IU_Landklassen_zaehlen() {
    IU_Landklassen.fill(0);
    for (IU_Item& i : IU_Inseln) i.Bauland = 0;
    for (int c = 0; c < static_cast<int>(Karte.size()); ++c) {
        if (Karte[static_cast<std::size_t>(c)].Insel() < 0)
            ++IU_Landklassen[0];
        else
            IU_Landklasse_zaehlen(c, 1);
    }
}

void IU_Spielerfelder_anlegen() {
    for (IU_Item& i : IU_Inseln) i.Anwesenheit.resize(Spieler.size(), 0);
}

void IU_Spieler_auf_Insel_addieren(int insel, int clan, int n) {
    if (insel < 0) return;
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("IU_Spieler_auf_Insel_addieren > unbekannter Clan: " + std::to_string(clan));
        return;
    }
    tabelle_bis(insel);
    IU_Item& i = IU_Inseln[static_cast<std::size_t>(insel)];
    if (static_cast<std::size_t>(clan) >= i.Anwesenheit.size()) IU_Spielerfelder_anlegen();
    i.Anwesenheit[static_cast<std::size_t>(clan)] += n;
}

bool IU_Spieler_auf_Insel(int insel, int clan) {
    const IU_Item* i = insel_eintrag(insel);
    if (!i || clan < 0 || static_cast<std::size_t>(clan) >= i->Anwesenheit.size()) return false;
    return i->Anwesenheit[static_cast<std::size_t>(clan)] > 0;
}

int IU_Insel_fuer_Spieler_waehlen(int clan) {
    int beste = -1;
    int schranke = 1000;
    for (int i = 0; i < static_cast<int>(IU_Inseln.size()); ++i) {
        const IU_Item& insel = IU_Inseln[static_cast<std::size_t>(i)];
        long long gesamt = 1;
        for (int a : insel.Anwesenheit) gesamt += a;
        if (gesamt <= 0) continue;  // presence counters out of step: no share to compare
        const double anteil = static_cast<double>(insel.Bauland) / static_cast<double>(gesamt);
        if (anteil > schranke && !IU_Spieler_auf_Insel(i, clan)) {
            schranke = static_cast<int>(std::floor(anteil));
            beste = i;
        }
    }
    return beste;
}

void IU_Insel_sperren(int insel) {
    if (IU_Item* i = insel_eintrag(insel)) i->Frei = false;
}

bool IU_Insel_frei(int insel) {
    const IU_Item* i = insel_eintrag(insel);
    return i && i->Frei;
}

void IU_Inseln_freigeben() {
    for (IU_Item& i : IU_Inseln) i.Frei = true;
}

void IU_Landklasse_zaehlen(int feld, int delta) {
    if (!MG_Feld_gueltig(feld)) return;
    const Kartenfeld& k = Karte[static_cast<std::size_t>(feld)];
    const int klasse = IU_Landklasse(k.LandType());
    if (klasse < 0) return;
    IU_Landklassen[static_cast<std::size_t>(klasse)] += delta;
    if (klasse == 2) IU_Inselgroesse_addieren(k.Insel(), delta);
}

void IU_Inselgroesse_addieren(int insel, int delta) {
    if (insel < 0) return;
    tabelle_bis(insel);
    IU_Inseln[static_cast<std::size_t>(insel)].Bauland += delta;
}

void IU_Spieler_Inseln_nach_Laden() {
    for (int p = 0; p < static_cast<int>(Spieler.size()); ++p) {
        const int heimat = Spieler[static_cast<std::size_t>(p)].Heimatfeld();
        if (heimat > 0 && MG_Feld_gueltig(heimat))
            IU_Spieler_auf_Insel_addieren(Karte[static_cast<std::size_t>(heimat)].Insel(), p, 1);
    }
}
