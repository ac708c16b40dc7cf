#include "economy/Bauvorschau.h"

#include <algorithm>
#include <string>

#include "economy/Baustelle.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Bauplaetze.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "population/Personen.h"
#include "world/Karte.h"

std::vector<BPU_Eintrag> BPU_Sichtliste;
int BPU_Sichtliste_Ende = -1;
std::vector<BPU_Eintrag> BPU_Objektliste;
int BPU_Objektliste_Ende = -1;
std::vector<int> BPU_PFU_Indexliste;

namespace {

constexpr int Listenschritt = 100;
// A planned site's code on its anchor cell lies below this.
constexpr int Baustellencode_Grenze = -100;

void hinzu(std::vector<BPU_Eintrag>& liste, int& ende, const BPU_Eintrag& e) {
    if (ende < -1) ende = -1;
    if (static_cast<int>(liste.size()) <= ende + 1) liste.resize(liste.size() + Listenschritt);
    liste[static_cast<std::size_t>(++ende)] = e;
}

void leeren(std::vector<BPU_Eintrag>& liste, int& ende) {
    const int n = std::min(ende, static_cast<int>(liste.size()) - 1);
    for (int i = 0; i <= n; ++i) liste[static_cast<std::size_t>(i)] = BPU_Eintrag{};
    ende = -1;
}

void beide_leeren() {
    BPU_Sichtliste_leeren();
    BPU_Objektliste_leeren();
}

// Map pixel position of a cell: px = 20x + 10y, py = -(7h + 10y).
int pixel_x(int x, int y) { return 20 * x + 10 * y; }
int pixel_y(int y, int h) { return -(7 * h + 10 * y); }

// Calls f(cell, px, py) for every cell of the visible range that lies on screen,
// columns outer and rows inner.
template <typename F>
void sichtbare_felder(F f) {
    const int n = MG_Kartengroesse;
    if (Karte.empty() || n < 1) return;
    const int breite = Shell().Clientbreite(), hoehe = Shell().Clienthoehe();
    const int x_von = std::max(Sichtbereich_1_von, 0), x_bis = std::min(Sichtbereich_1_bis, n - 1);
    const int y_von = std::max(Sichtbereich_2_von, 0), y_bis = std::min(Sichtbereich_2_bis, n - 1);
    for (int x = x_von; x <= x_bis; ++x) {
        for (int y = y_von; y <= y_bis; ++y) {
            const int c = x + y * n;
            if (!MG_Feld_gueltig(c)) continue;
            const int px = pixel_x(x, y);
            const int py = pixel_y(y, Karte[static_cast<std::size_t>(c)].LandType());
            if (SX + px <= -33 || SX + px >= breite - 6) continue;
            if (SY + py <= -29 || SY + py >= hoehe) continue;
            f(c, px, py);
        }
    }
}

// The footprint cells of the type that are not solid, as object list entries.
void fussabdruck_eintragen(int anker, int typ, int art, int index) {
    const int n = MG_Kartengroesse;
    const int zahl = SBU_Bauplatz_Felderzahl(typ);
    for (int i = 0; i <= zahl; ++i) {
        if (SBU_Bauplatz_Feld_belegt(typ, i) == 1) continue;
        const int c = anker + SBU_Bauplatz_Feld_Versatz(typ, i);
        if (!MG_Feld_gueltig(c)) continue;
        const int cx = c % n, cy = c / n;
        BPU_Objektliste_hinzu(pixel_x(cx, cy), pixel_y(cy, Karte[static_cast<std::size_t>(c)].LandType()),
                              art, index);
    }
}

// The building anchored on the cell, as object list entries.
void gebaeude_eintragen(int c) {
    const int o = Karte[static_cast<std::size_t>(c)].Objekt();
    if (!OM_Objekt_gueltig(o)) {
        Fehler_melden("BPU_Sichtliste_Objekte > unbekanntes Objekt auf Feld " + std::to_string(c) + ": " +
                      std::to_string(o));
        return;
    }
    const int typ = Objekte[static_cast<std::size_t>(o)].Typ();
    fussabdruck_eintragen(c, typ, typ, o);
}

bool typ_gueltig(int typ) { return typ >= 0 && static_cast<std::size_t>(typ) < SBU_Objekte.size(); }

}  // namespace

void BPU_Sichtliste_hinzu(int x, int y, int art, int index) {
    hinzu(BPU_Sichtliste, BPU_Sichtliste_Ende, {x, y, art, index});
}

void BPU_Objektliste_hinzu(int x, int y, int art, int index) {
    hinzu(BPU_Objektliste, BPU_Objektliste_Ende, {x, y, art, index});
}

void BPU_Sichtliste_leeren() { leeren(BPU_Sichtliste, BPU_Sichtliste_Ende); }

void BPU_Objektliste_leeren() { leeren(BPU_Objektliste, BPU_Objektliste_Ende); }

void BPU_Vorlage_merken(int typ) { Bauplatz_Vorlage = typ == SBU_Start_ID ? -1 : typ; }

void BPU_Baumodus_starten(int typ) {
    beide_leeren();
    if (!typ_gueltig(typ)) {
        Fehler_melden("BPU_Baumodus_starten > unbekannter Gebaeudetyp: " + std::to_string(typ));
        return;
    }
    Platzierungsmodus = true;
    Bau_Felderzahl = SBU_Bauplatz_Felderzahl(typ);
    Bau_Platzwert_max = 0;
    Bau_Typ = typ;
    BPU_Vorlage_merken(typ);
    if (OM_ist_Hafen(typ)) Bauplatz_Vorlage = -1;
    int faktor = 1;
    if (GU_Clan_gueltig(SpielerID))
        faktor = std::max(Spieler[static_cast<std::size_t>(SpielerID)].Baustellen() - 1, 1);
    const BPU_Bebaubarkeit_merken merken;
    const std::vector<Bauplatzfeld>& felder = SBU_Bauplatz_Felder(typ);
    sichtbare_felder([&](int c, int px, int py) {
        Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        if (k.LandType() <= 0) return;
        if (k.Block() == -1) {
            const int preis = BPU_Bauplatz_pruefen(c, felder) * faktor;
            k.Bauplatzwert() = preis;
            if (preis > -1 && preis < Bau_Felderzahl) Bau_Felderzahl = preis;
            if (preis > Bau_Platzwert_max && preis < 1000) Bau_Platzwert_max = preis;
            if (preis > -1) BPU_Sichtliste_hinzu(px, py, preis, c);
        }
        if (k.Objekt() > -1) gebaeude_eintragen(c);
    });
}

void BPU_Sichtliste_Objekte() {
    BPU_Objektliste_leeren();
    sichtbare_felder([](int c, int, int) {
        const Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        if (k.LandType() <= 0) return;
        if (k.Objekt() > -1) {
            gebaeude_eintragen(c);
        } else if (k.Objekt() < Baustellencode_Grenze) {
            const int code = k.Objekt();
            const int typ = -(code + 1000);
            if (typ_gueltig(typ)) fussabdruck_eintragen(c, typ, code, code);
        }
    });
}

namespace {

// A developer overlay: both lists emptied, the start values set, and every visible land
// cell whose kind is not -1 listed; a listed cell sets the two values to 0 and max_wert.
template <typename Art>
void overlay(int felderzahl, int max_wert, Art art_von) {
    beide_leeren();
    Bau_Felderzahl = felderzahl;
    Bau_Platzwert_max = 0;
    sichtbare_felder([&](int c, int px, int py) {
        const Kartenfeld& k = Karte[static_cast<std::size_t>(c)];
        if (k.LandType() <= 0) return;
        const int art = art_von(k);
        if (art < 0) return;
        Bau_Felderzahl = 0;
        Bau_Platzwert_max = max_wert;
        BPU_Sichtliste_hinzu(px, py, art, c);
    });
}

int auftrag_von(int p) {
    return PM_Person_gueltig(p) ? Personen[static_cast<std::size_t>(p)].AuftragID() : 0;
}

}  // namespace

void BPU_Sichtliste_Personen() {
    overlay(1, 1, [](const Kartenfeld& k) {
        if (k.Person() <= -1) return -1;
        const int p = k.Person();
        return PM_Person_gueltig(p) && Personen[static_cast<std::size_t>(p)].PfadID() >= 0 ? 1 : 0;
    });
}

void BPU_Sichtliste_Belegung() {
    overlay(1, 2, [](const Kartenfeld& k) { return k.Block() > -1 ? k.Block() : -1; });
}

void BPU_Sichtliste_Tiere() {
    overlay(2, 4, [](const Kartenfeld& k) {
        // A hunter's reservation of a hole shows as the cell's reserved mark.
        if (k.Ambiente() == SBU_ID_hole) return k.Block() == 1 ? 0 : 4;
        const int auftrag = auftrag_von(k.Person());
        return auftrag == 600 ? 1 : auftrag == 601 ? 2 : -1;
    });
}

void BPU_Sichtliste_Markierung() {
    beide_leeren();
    Bau_Felderzahl = 2;
    Bau_Platzwert_max = 0;
    if (BPU_PFU_Indexliste.empty()) BPU_PFU_Indexliste.assign(Karte.size() + 1, 0);
    sichtbare_felder([](int c, int px, int py) {
        const int wert = static_cast<std::size_t>(c) < BPU_PFU_Indexliste.size()
                             ? BPU_PFU_Indexliste[static_cast<std::size_t>(c)]
                             : 0;
        Bau_Felderzahl = 0;
        Bau_Platzwert_max = std::max(4, wert);
        if (wert > 0) BPU_Sichtliste_hinzu(px, py, 1, c);
    });
}
