#include "economy/Baustelle.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "economy/Baumenue.h"
#include "economy/Bauvorschau.h"
#include "economy/Geldkreis.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schutt.h"
#include "economy/Spieler.h"
#include "economy/Haefen.h"
#include "economy/KI.h"
#include "economy/Schiffe.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Warenstatistik.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "population/Personen.h"
#include "population/Personen_Leben.h"
#include "population/Jobschritt.h"
#include "population/Personen_Skills.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Wachstum.h"
#include "foundation/Bauplaetze.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Geometrie.h"
#include "foundation/Info.h"
#include "population/Personenindex.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "platform/base/Zufall.h"
#include "world/Chunks.h"
#include "world/Gelaende.h"
#include "world/Karte.h"
#include "world/Ressourcen.h"

namespace {

// Land types a footprint may stand on, and the level sites are flattened to.
constexpr int Bauland_min = 3, Bauland_max = 5, Bauland_eben = 4;
// Building orders.
constexpr int Befehl_Material = 350, Befehl_Bau = 500, Befehl_Schiffsbau = 800;
// Construction material slots of a template.
constexpr int Baumaterial_Slots = 4;

Kartenfeld& feld_von(int c) { return Karte[static_cast<std::size_t>(c)]; }

// The footprint cells of the type in footprint order: anchor + offset (may lie outside the map).
std::vector<int> fussabdruck(int anker, int typ) {
    std::vector<int> zellen;
    const int n = SBU_Bauplatz_Felderzahl(typ);
    for (int i = 0; i <= n; ++i) zellen.push_back(anker + SBU_Bauplatz_Feld_Versatz(typ, i));
    return zellen;
}

// The cell must be levelled: not at the site level, or holding an ambient object.
bool einzuebnen(int c) { return feld_von(c).LandType() != Bauland_eben || feld_von(c).Ambiente() != -1; }

bool bauland(int c) {
    const int h = feld_von(c).LandType();
    return h >= Bauland_min && h <= Bauland_max;
}

// Where a footprint is planned, occupied or the object is created, every cell must be on the map.
bool alle_auf_karte(const std::vector<int>& zellen, const char* routine, int anker, int typ) {
    for (int c : zellen) {
        if (MG_Feld_gueltig(c)) continue;
        Fehler_melden(std::string(routine) + " > Bauplatz ausserhalb der Karte: " + std::to_string(anker) +
                      "/" + std::to_string(typ));
        return false;
    }
    return true;
}

// Open-site factor of the clan's price: open sites - 1, at least 1.
int kostenfaktor(int clan) {
    if (!GU_Clan_gueltig(clan)) return 1;
    return std::max(Spieler[static_cast<std::size_t>(clan)].Baustellen() - 1, 1);
}

// Creates the object on the anchor, registers it on its island and puts it into service
// when it needs no material. The ambient of the anchor then shows the building.
void objekt_erstellen(int anker, int typ, int clan, int registriert, bool mit_material) {
    const int objekt = OM_Objekt_anlegen(anker, clan, typ);
    if (objekt < 0) return;
    feld_von(anker).Objekt() = objekt;
    if (mit_material) BPU_Baumaterial_eintragen(objekt, clan, typ);
    IndexU_Item_Add(0, registriert, anker);
    OM_Objekt_in_Betrieb_nehmen(objekt);
    BPU_Sichtliste_Objekte();
    feld_von(anker).Block() = 0;
    feld_von(anker).Ambiente() = typ;
}

// One ambient from the list on the cell with chance 1 in `chance`; true when placed.
bool ambiente_setzen(int c, const std::vector<int>& arten, int chance) {
    const int l = static_cast<int>(arten.size());
    const int r = Random(chance * l);
    if (r > l - 1) return false;
    const int art = arten[static_cast<std::size_t>(r)];
    feld_von(c).Ambiente() = art;
    const int zeile = art - SBU_Ambiente_Basis();
    if (zeile >= 0 && static_cast<std::size_t>(zeile) < SBU_Ambiente.size() &&
        SBU_Ambiente[static_cast<std::size_t>(zeile)].block != 0)
        feld_von(c).Block() = 2;
    return true;
}

}  // namespace

namespace {

// The answers kept while a BPU_Bebaubarkeit_merken lives (-2: not asked yet).
std::vector<signed char> bebaubar_gemerkt;
bool bebaubar_merken = false;

int bebaubar_pruefen(int feld) {
    if (feld < 1 || feld > static_cast<int>(Karte.size()) - 2) return -1;
    if (MG_Ambiente_blockiert(feld)) return -1;
    if (feld_von(feld).Block() > -1) return -1;
    if (!bauland(feld)) return -1;
    for (int r = 1; r <= 6; ++r) {
        const int n = feld + FFU_Nachbarfeld(r);
        if (!MG_Feld_gueltig(n) || !bauland(n)) return -1;
    }
    return feld_von(feld).LandType();
}

}  // namespace

BPU_Bebaubarkeit_merken::BPU_Bebaubarkeit_merken() {
    bebaubar_gemerkt.assign(Karte.size(), -2);
    bebaubar_merken = true;
}

BPU_Bebaubarkeit_merken::~BPU_Bebaubarkeit_merken() { bebaubar_merken = false; }

int BPU_Feld_bebaubar(int feld) {
    if (!bebaubar_merken || feld < 0 || static_cast<std::size_t>(feld) >= bebaubar_gemerkt.size())
        return bebaubar_pruefen(feld);
    signed char& gemerkt = bebaubar_gemerkt[static_cast<std::size_t>(feld)];
    if (gemerkt != -2) return gemerkt;
    const int wert = bebaubar_pruefen(feld);
    if (wert >= -1 && wert <= 127) gemerkt = static_cast<signed char>(wert);
    return wert;
}

int BPU_Bauplatz_pruefen(int anker, int typ) {
    if (!OM_Vorlage(typ, "BPU_Bauplatz_pruefen")) return -1;
    return BPU_Bauplatz_pruefen(anker, SBU_Bauplatz_Felder(typ));
}

int BPU_Bauplatz_pruefen(int anker, const std::vector<Bauplatzfeld>& felder) {
    // Asked for every visible cell while the preview is built: no list is made here.
    int n = 0;
    for (const Bauplatzfeld& f : felder) {
        const int c = anker + f.Versatz;
        if (BPU_Feld_bebaubar(c) == -1) return -1;
        if (einzuebnen(c)) ++n;
    }
    return n;
}

bool BPU_Baustelle_setzen(int anker, int typ, int clan) {
    if (!OM_Vorlage(typ, "BPU_Baustelle_setzen")) return false;
    if (!GU_Clan_gueltig(clan)) {
        Fehler_melden("BPU_Baustelle_setzen > unbekannter Clan: " + std::to_string(clan));
        return false;
    }
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    const std::vector<int> zellen = fussabdruck(anker, typ);
    int n = 0;
    for (int c : zellen)
        if (MG_Feld_gueltig(c) && einzuebnen(c)) ++n;
    const int kosten = n * kostenfaktor(clan);
    if (s.Gold() <= kosten) return false;
    if (BPU_Bauplatz_pruefen(anker, typ) == -1) {
        GUI_Info_add(280, anker, "");
        // Only the human's own refused click rebuilds the preview of his running placement;
        // a computer clan's refusal leaves it alone.
        if (clan == SpielerID && Platzierungsmodus && Bau_Typ >= 0) BPU_Baumodus_starten(Bau_Typ);
        return false;
    }
    if (clan == SpielerID) {
        Platzierungsmodus = false;
        Bau_Typ = -1;
    }
    if (Karte.empty()) return false;
    // A template without footprint cells never tested the anchor itself.
    if (!MG_Feld_gueltig(anker)) {
        Fehler_melden("BPU_Baustelle_setzen > Ankerfeld ausserhalb der Karte: " + std::to_string(anker));
        return false;
    }
    BMU_Zaehler_aendern(clan, OM_Zaehltyp(typ), 0, 1);
    BPU_Bauauftraege_anlegen(anker, typ, clan, kosten);
    feld_von(anker).Ambiente() = SBU_ID_mark;
    feld_von(anker).Objekt() = BPU_Planungscode(typ);
    BPU_Sichtliste_Objekte();
    s.Baustellen() += 1;
    s.Baustellen_gesamt() += 1;
    return true;
}

void BPU_Bauauftraege_anlegen(int anker, int typ, int clan, int kosten) {
    if (!OM_Vorlage(typ, "BPU_Bauauftraege_anlegen")) return;
    const bool schiffsbau = OM_ist_Hafen2(typ);
    if (!schiffsbau) GKU_Bau_Lohn_sichern(clan, kosten);
    for (int c : fussabdruck(anker, typ))
        if (MG_Feld_gueltig(c)) feld_von(c).Block() = einzuebnen(c) ? 0 : 1;
    if (schiffsbau)
        JU_Befehl_eintragen(Befehl_Schiffsbau, clan, anker, typ, 0, anker, 0);
    else
        JU_Befehl_eintragen(Befehl_Bau, clan, anker, typ, 0, kosten, 0);
}

namespace {

bool belegen(int anker, int typ, bool nur_eben, const char* routine) {
    if (!OM_Vorlage(typ, routine)) return false;
    const std::vector<int> zellen = fussabdruck(anker, typ);
    if (!alle_auf_karte(zellen, routine, anker, typ)) return false;
    for (int c : zellen) {
        if (feld_von(c).Person() > -1) return false;
        if (nur_eben && feld_von(c).Block() != 1) return false;
    }
    const int n = static_cast<int>(zellen.size());
    for (int i = 0; i < n; ++i)
        feld_von(zellen[static_cast<std::size_t>(i)]).Block() = SBU_Bauplatz_Feld_belegt(typ, i) == 1 ? 1 : 2;
    return true;
}

}  // namespace

bool BPU_Bauplatz_belegen(int anker, int typ) { return belegen(anker, typ, false, "BPU_Bauplatz_belegen"); }

bool BPU_Bauplatz_belegen_pruefen(int anker, int typ) {
    return belegen(anker, typ, true, "BPU_Bauplatz_belegen_pruefen");
}

void BPU_Bauplatz_aufheben(int anker, int typ) {
    if (!OM_Vorlage(typ, "BPU_Bauplatz_aufheben")) return;
    for (int c : fussabdruck(anker, typ)) {
        if (!MG_Feld_gueltig(c)) continue;
        Kartenfeld& k = feld_von(c);
        if (k.Block() != 0 && k.Block() != 1) continue;
        k.Block() = -1;
        if (k.Ambiente() == SBU_ID_mark) k.Ambiente() = -1;
    }
    // The planning code on the anchor goes with the footprint.
    if (BPU_Bauplatz_geplant(anker, typ)) feld_von(anker).Objekt() = -1;
}

bool BPU_Bauplatz_geplant(int anker, int typ) {
    return MG_Feld_gueltig(anker) && feld_von(anker).Objekt() == BPU_Planungscode(typ);
}

void BPU_Baustelle_anlegen(int anker, int typ, int clan) {
    if (!OM_Vorlage(typ, "BPU_Baustelle_anlegen")) return;
    if (!MG_Feld_gueltig(anker)) {
        Fehler_melden("BPU_Baustelle_anlegen > Ankerfeld ausserhalb der Karte: " + std::to_string(anker));
        return;
    }
    objekt_erstellen(anker, typ, clan, OM_Zaehltyp(typ), true);
}

void BPU_Baumaterial_eintragen(int objekt, int clan, int typ) {
    const Objekt_Item* v = OM_Vorlage(typ, "BPU_Baumaterial_eintragen");
    if (!v) return;
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("BPU_Baumaterial_eintragen > unbekanntes Objekt: " + std::to_string(objekt));
        return;
    }
    (void)clan;  // the orders go to the object's owner
    Objektzeile& ob = Objekte[static_cast<std::size_t>(objekt)];
    for (int k = 0; k < Baumaterial_Slots; ++k) {
        const int ware = v->Baukosten[static_cast<std::size_t>(k)].WarenID;
        if (ware <= 0) {
            // A build-up must not find the materials of the previous type here.
            ob.Baumaterial_Ware(k) = -1;
            ob.Baumaterial_Rest(k) = -1;
            continue;
        }
        if (static_cast<std::size_t>(ware) >= SBU_Waren.size()) {
            Fehler_melden("BPU_Baumaterial_eintragen > unbekannte Ware: " + std::to_string(ware));
            continue;
        }
        const int menge = BPU_Baumaterial_Menge(typ, k);
        // An order of no units would never be used up.
        if (menge > 0) BPU_Materialauftrag_eintragen(objekt, ware, menge);
        ob.Baumaterial_Ware(k) = ware;
        ob.Baumaterial_Rest(k) = menge;
    }
}

void BPU_Materialauftrag_eintragen(int objekt, int ware, int menge) {
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("BPU_Materialauftrag_eintragen > unbekanntes Objekt: " + std::to_string(objekt));
        return;
    }
    Objektzeile& ob = Objekte[static_cast<std::size_t>(objekt)];
    JU_Befehl_eintragen(Befehl_Material, ob.Besitzer(), ob.Feld(), ob.Typ(), ware, 0, menge);
}

namespace {

// The units of the ware the object misses over all its material slots, when it is a site in
// the given state (0 in use, 1 being demolished); 0 for anything else.
int fehlende_Einheiten(int objekt, int ware, int zustand = 0) {
    if (!OM_Objekt_gueltig(objekt) || ware < 1) return 0;
    Objektzeile& ob = Objekte[static_cast<std::size_t>(objekt)];
    if (ob.Feld() < 1 || ob.Zustand() != zustand) return 0;
    int fehlt = 0;
    for (int k = 0; k < Baumaterial_Slots; ++k)
        if (ob.Baumaterial_Ware(k) == ware && ob.Baumaterial_Rest(k) > 0) fehlt += ob.Baumaterial_Rest(k);
    return fehlt;
}

// A site being demolished waits only for the units carriers bring it: n units of the ware
// that will not come are no longer missing, and once nothing is, the site is finished and
// demolished as its service test does for a site whose demolition was asked for.
void nicht_mehr_erwartet(int objekt, int ware, int n) {
    Objektzeile& ob = Objekte[static_cast<std::size_t>(objekt)];
    for (int k = 0; k < Baumaterial_Slots && n > 0; ++k) {
        if (ob.Baumaterial_Ware(k) != ware) continue;
        const int weniger = std::min(n, std::max(ob.Baumaterial_Rest(k), 0));
        ob.Baumaterial_Rest(k) -= weniger;
        n -= weniger;
    }
    OM_Objekt_in_Betrieb_nehmen(objekt);
}

}  // namespace

void BPU_Materialauftrag_zurueck(int objekt, int ware) {
    if (fehlende_Einheiten(objekt, ware, 1) > 0) {
        nicht_mehr_erwartet(objekt, ware, 1);
        return;
    }
    if (fehlende_Einheiten(objekt, ware) < 1) return;
    const Objektzeile& ob = Objekte[static_cast<std::size_t>(objekt)];
    if (Job_Befehl* b = JU_Befehl_finden(ob.Besitzer(), Befehl_Material, ob.Feld(), ware))
        b->Menge += 1;
    else
        BPU_Materialauftrag_eintragen(objekt, ware, 1);
}

void BPU_Baumaterial_nachbestellen() {
    // Units carriers are bringing, by site cell and ware.
    std::map<std::pair<int, int>, int> getragen;
    for (int p = 0; p < static_cast<int>(Personen.size()); ++p) {
        if (!PM_Person_lebt(p)) continue;
        const Personenzeile& z = Personen[static_cast<std::size_t>(p)];
        if (z.AuftragID() == JU_Auftrag_Material || z.AuftragID() == JU_Auftrag_Material + 1)
            ++getragen[{z.Auftragsziel2(), z.WarenID()}];
    }
    // What each site still misses beyond the carriers' units, by site cell and ware: the
    // most its open orders may ask for.
    std::map<std::pair<int, int>, int> offen;
    auto offen_von = [&](int objekt, int ware) -> int& {
        const std::pair<int, int> schluessel{Objekte[static_cast<std::size_t>(objekt)].Feld(), ware};
        auto [it, neu] = offen.try_emplace(schluessel, 0);
        if (neu) {
            const auto g = getragen.find(schluessel);
            it->second =
                std::max(fehlende_Einheiten(objekt, ware) - (g == getragen.end() ? 0 : g->second), 0);
        }
        return it->second;
    };
    // Open orders keep what is still missing and no more: an order for a site that is gone,
    // finished, being demolished or supplied by carriers already is struck or cut.
    for (std::size_t c = 0; c < JU_Befehlsliste.size(); ++c) {
        JU_Befehle& liste = JU_Befehlsliste[c];
        for (int i = 0; i < liste.Anzahl && static_cast<std::size_t>(i) < liste.Befehle.size();) {
            Job_Befehl& b = liste.Befehle[static_cast<std::size_t>(i)];
            if (b.Befehl != Befehl_Material) {
                ++i;
                continue;
            }
            const int o = MG_Feld_gueltig(b.Feld) ? feld_von(b.Feld).Objekt() : -1;
            const bool eigen = OM_Objekt_gueltig(o) &&
                               Objekte[static_cast<std::size_t>(o)].Feld() == b.Feld &&
                               Objekte[static_cast<std::size_t>(o)].Besitzer() == static_cast<int>(c);
            int* rest = eigen ? &offen_von(o, b.Ware) : nullptr;
            const int behalten = rest ? std::min(b.Menge, *rest) : 0;
            if (behalten < 1) {
                JU_Befehl_entfernen(static_cast<int>(c), i);
                continue;
            }
            b.Menge = behalten;
            *rest -= behalten;
            ++i;
        }
    }
    // Whatever no order and no carrier covers is ordered again; a site being demolished
    // waits no longer for what no carrier brings.
    for (int o = 0; o < static_cast<int>(Objekte.size()); ++o) {
        const Objektzeile& ob = Objekte[static_cast<std::size_t>(o)];
        if (ob.Feld() < 1 || (ob.Zustand() != 0 && ob.Zustand() != 1) || !OM_Baumaterial_fehlt(o)) continue;
        const bool abriss = ob.Zustand() == 1;
        for (int k = 0; k < Baumaterial_Slots; ++k) {
            const int ware = Objekte[static_cast<std::size_t>(o)].Baumaterial_Ware(k);
            if (ware < 1 || Objekte[static_cast<std::size_t>(o)].Baumaterial_Rest(k) < 1) continue;
            if (abriss) {
                const auto g = getragen.find({Objekte[static_cast<std::size_t>(o)].Feld(), ware});
                const int ungedeckt = fehlende_Einheiten(o, ware, 1) - (g == getragen.end() ? 0 : g->second);
                if (ungedeckt > 0) nicht_mehr_erwartet(o, ware, ungedeckt);
                continue;
            }
            int& rest = offen_von(o, ware);
            if (rest > 0) BPU_Materialauftrag_eintragen(o, ware, rest);
            rest = 0;
        }
    }
}

int BPU_Baumaterial_Menge(int typ, int k) {
    const Objekt_Item* v = OM_Vorlage(typ, "BPU_Baumaterial_Menge");
    if (!v || k < 0 || k >= Baumaterial_Slots) return 0;
    const int menge = v->Baukosten[static_cast<std::size_t>(k)].Menge;
    return menge < 0 ? 1 : menge;
}

bool BPU_Kein_Baumaterial(int typ) {
    const Objekt_Item* v = OM_Vorlage(typ, "BPU_Kein_Baumaterial");
    if (!v) return true;
    return std::none_of(v->Baukosten.begin(), v->Baukosten.end(),
                        [](const Waren_Menge& m) { return m.WarenID > 0; });
}

int BPU_Baufortschritt_Prozent(int objekt) {
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("BPU_Baufortschritt_Prozent > unbekanntes Objekt: " + std::to_string(objekt));
        return 0;
    }
    Objektzeile& ob = Objekte[static_cast<std::size_t>(objekt)];
    const Objekt_Item* v = OM_Vorlage(ob.Typ(), "BPU_Baufortschritt_Prozent");
    if (!v) return 0;
    long long noetig = 0, fehlt = 0;
    for (int k = 0; k < Baumaterial_Slots; ++k) {
        if (v->Baukosten[static_cast<std::size_t>(k)].WarenID <= 0) continue;
        noetig += BPU_Baumaterial_Menge(ob.Typ(), k);
        fehlt += ob.Baumaterial_Rest(k);
    }
    if (noetig <= 0) return 100;
    return static_cast<int>(Floor_div((noetig - fehlt) * 100, noetig));
}

void BPU_Baumaterial_geliefert(int ware, int objekt, int clan, int auftrag) {
    if (!OM_Objekt_gueltig(objekt) || clan < 0 || static_cast<std::size_t>(clan) >= JU_Befehlsliste.size() ||
        auftrag < 0 || auftrag >= JU_Befehlsliste[static_cast<std::size_t>(clan)].Anzahl ||
        static_cast<std::size_t>(auftrag) >= JU_Befehlsliste[static_cast<std::size_t>(clan)].Befehle.size()) {
        Fehler_melden("BPU_Baumaterial_geliefert > unbekanntes Objekt oder unbekannter Auftrag: " +
                      std::to_string(objekt) + "/" + std::to_string(clan) + "/" + std::to_string(auftrag));
        return;
    }
    const int menge =
        JU_Befehlsliste[static_cast<std::size_t>(clan)].Befehle[static_cast<std::size_t>(auftrag)].Menge;
    Objektzeile& ob = Objekte[static_cast<std::size_t>(objekt)];
    for (int k = 0; k < Baumaterial_Slots; ++k) {
        if (ob.Baumaterial_Ware(k) != ware) continue;
        ob.Baumaterial_Rest(k) -= menge;
        return;
    }
}

void BPU_Baustelle_komplett_planieren(int anker, int typ, int clan) {
    if (!OM_Vorlage(typ, "BPU_Baustelle_komplett_planieren")) return;
    if (!MG_Feld_gueltig(anker)) {
        Fehler_melden("BPU_Baustelle_komplett_planieren > Ankerfeld ausserhalb der Karte: " +
                      std::to_string(anker));
        return;
    }
    const std::vector<int> zellen = fussabdruck(anker, typ);
    if (!alle_auf_karte(zellen, "BPU_Baustelle_komplett_planieren", anker, typ)) return;
    for (int c : zellen) {
        Kartenfeld& k = feld_von(c);
        if (k.Block() != -1 && k.Block() != 0) continue;
        k.LandType() = Bauland_eben;
        k.Block() = 1;
        k.Ambiente() = -1;
        Chunk_Feld_geaendert(c);
    }
    if (!BPU_Bauplatz_belegen(anker, typ)) {
        Fehler_melden("BPU_Baustelle_komplett_planieren: " + std::to_string(anker) + "/" +
                      std::to_string(typ) + "/" + std::to_string(clan));
        return;
    }
    objekt_erstellen(anker, typ, clan, OM_ist_Hafen(typ) ? SBU_Hafen_ID : typ, false);
}

void BPU_Truemmer_verteilen(int anker, int typ) {
    const Objekt_Item* v = OM_Vorlage(typ, "BPU_Truemmer_verteilen");
    if (!v) return;
    if (!MG_Feld_gueltig(anker)) {
        Fehler_melden("BPU_Truemmer_verteilen > Ankerfeld ausserhalb der Karte: " + std::to_string(anker));
        return;
    }
    const int objekt = feld_von(anker).Objekt();
    Objektzeile* ob = OM_Objekt_gueltig(objekt) ? &Objekte[static_cast<std::size_t>(objekt)] : nullptr;
    if (!ob)
        Fehler_melden("BPU_Truemmer_verteilen > kein Objekt auf dem Ankerfeld: " + std::to_string(anker));
    int steine = 0;
    if (ob && ob->Material_geliefert() == 1) {
        for (const Waren_Menge& m : v->Baukosten) {
            if (m.WarenID <= 0 || static_cast<std::size_t>(m.WarenID) >= SBU_Waren.size()) continue;
            if (SBU_Waren[static_cast<std::size_t>(m.WarenID)].Spez == "stone") steine = m.Menge;
        }
    }
    for (int c : fussabdruck(anker, typ)) {
        if (!MG_Feld_gueltig(c)) continue;
        Kartenfeld& k = feld_von(c);
        k.Block() = -1;
        if (!MG_Raster_gerade(c)) continue;
        if (k.Ambiente() == -1 && steine >= 1 && BPU_Stein_setzen(c)) --steine;
        if (k.Ambiente() == -1) BPU_Schutt_setzen(c);
    }
    if (ob) ob->Material_geliefert() = 0;
}

bool BPU_Stein_setzen(int feld) {
    if (!MG_Feld_gueltig(feld)) return false;
    if (!ambiente_setzen(feld, SBU_Stone_IDs, 5)) return false;
    RU_Ressource_eintragen(RU_Stein, feld);
    return true;
}

bool BPU_Schutt_setzen(int feld) {
    if (!MG_Feld_gueltig(feld)) return false;
    if (!ambiente_setzen(feld, SBU_Trash_IDs, 3)) return false;
    SchU_Schutt_hinzufuegen(feld);
    return true;
}
