#include "render/Gebaeude.h"

#include <GL/gl.h>

#include <algorithm>

#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "render/Farbskala.h"
#include "render/Modelliste.h"
#include "render/Spritestapel.h"
#include "world/Karte.h"

namespace {

// Translates by (x, y, z) around one model call.
void modell_bei(float x, float y, float z, int typ) {
    SP_Verschieben(x, y, z);
    ML_Modell_rufen(typ);
    SP_Verschieben(-x, -y, -z);
}

bool ist_gebaeude(int typ) { return typ >= 0 && static_cast<std::size_t>(typ) < SBU_Objekte.size(); }

bool ist_home(int typ) {
    return ist_gebaeude(typ) && SBU_Objekte[static_cast<std::size_t>(typ)].Modus == "Home";
}

// The object row of a building's anchor cell, or nullptr.
Objektzeile* objekt_von(int zelle) {
    if (!MG_Feld_gueltig(zelle)) return nullptr;
    const int o = Karte[static_cast<std::size_t>(zelle)].Objekt();
    return OM_Objekt_gueltig(o) ? &Objekte[static_cast<std::size_t>(o)] : nullptr;
}

void clanfarbe(int clan) {
    if (!GU_Clan_gueltig(clan)) {
        SP_Farbe(1, 1, 1);
        return;
    }
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    SP_Farbe(static_cast<float>(s.Farbe_R()) / 100.0f, static_cast<float>(s.Farbe_G()) / 100.0f,
             static_cast<float>(s.Farbe_B()) / 100.0f);
}

// The building type of an anchor cell with an object row and the row, for the
// goods and production displays; -1 when there is none.
int anzeigetyp(int zelle, Objektzeile*& ob) {
    ob = objekt_von(zelle);
    if (!ob) return -1;
    const int t = Karte[static_cast<std::size_t>(zelle)].Ambiente();
    return ist_gebaeude(t) ? t : -1;
}

// Depth of a display step placed b pixels below the anchor: models placed higher
// and later steps come nearer.
float stufentiefe(int b, int i) { return static_cast<float>(Ceil_div(-b, 16) + i + 1) / 100.0f; }

}  // namespace

int ML_Gezeigtes_Modell(int typ) {
    const int b = SBU_Ambiente_Basis();
    if (typ < 0 || typ >= b + static_cast<int>(SBU_Ambiente.size())) return -1;
    if (typ < b) return typ;
    if (SBU_Ambiente[static_cast<std::size_t>(typ - b)].animation <= 0) return typ;
    if (static_cast<std::size_t>(typ) >= SBU_Animation_Tabelle.size()) return typ;
    const int gezeigt = SBU_Animation_Tabelle[static_cast<std::size_t>(typ)];
    // A step that is no ambient type (an entry never filled) shows the type itself.
    return gezeigt >= b && gezeigt < b + static_cast<int>(SBU_Ambiente.size()) ? gezeigt : typ;
}

int ML_Spezialtyp(int id) {
    const int b = SBU_Ambiente_Basis();
    return id >= b && id < b + static_cast<int>(SBU_Ambiente.size()) ? id : -1;
}

bool ML_Modell_rufen(int typ) {
    return SP_Modell(ML_Gebaeudelisten, ML_Gebaeudequads, ML_Gezeigtes_Modell(typ));
}

void Draw_Gebaeude() {
    if (Karte.size() <= 1) return;
    const int n = MG_Kartengroesse;
    const int w = Shell().Clientbreite(), h = Shell().Clienthoehe();
    const int x0 = std::max(0, Sichtbereich_1_von), x1 = std::min(n - 1, Sichtbereich_1_bis);
    const int y0 = std::max(0, Sichtbereich_2_von), y1 = std::min(n - 1, Sichtbereich_2_bis);
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            const int px = 20 * x + 10 * y;
            if (!(-px - 33 < SX && SX < w - 6 - px)) continue;
            const int z = x + y * n;
            if (!MG_Feld_gueltig(z)) continue;
            const Kartenfeld& f = Karte[static_cast<std::size_t>(z)];
            const int py = -7 * f.LandType() - 10 * y;
            if (f.Ambiente() > -1 && -py - 29 < SY && SY < h - py) Draw_Feldobjekt(px, py, z);
        }
    }
}

void Draw_Feldobjekt(int px, int py, int zelle) {
    if (SBU_Ambiente.empty() || !MG_Feld_gueltig(zelle)) return;
    const int b = SBU_Ambiente_Basis();
    const int t = Karte[static_cast<std::size_t>(zelle)].Ambiente();
    const float x = static_cast<float>(px + 5), y = static_cast<float>(py + 21);
    if (t >= b || t < 0) {
        modell_bei(x, y, 0.2f, t);
        return;
    }
    SP_Verschieben(x, y, 0.2f);
    const int o = Karte[static_cast<std::size_t>(zelle)].Objekt();
    if (OM_Objekt_gueltig(o)) {
        Objektzeile& ob = Objekte[static_cast<std::size_t>(o)];
        if (OM_Baumaterial_fehlt(o)) {
            if (ob.Ausbau() == -1)
                SP_Farbe(0.4f, 0.4f, 1.0f);
            else
                Draw_Objekt_Overlays(zelle, b);
        } else {
            Draw_Objekt_Overlays(zelle, b);
            if (ob.Zustand() == 1) Draw_Markerpunkte(t, ML_Spezialtyp(SBU_ID_rauch));
        }
        if (ob.Zustand() == 2) Draw_Markerpunkte(t, ML_Spezialtyp(SBU_ID_feuer));
        if (Fil_Wgf) {
            const int arbeiter = OB_Anzahl_Arbeiter(o);
            Draw_Farbskala(arbeiter, 0, arbeiter + OB_Anzahl_freie_Slots(o));
        }
        if (Fil_Rfi) Draw_Farbskala(ob.Ampelwert(), 0, 1);
        if (Fil_Gst && !ist_home(t)) Draw_Farbskala(OM_Lagerbestand(o), 0, OM_Lagerkapazitaet(o));
        SP_Modell(ML_Gebaeudelisten, ML_Gebaeudequads, t);
        if (!SBU_Way_IDs.empty()) ML_Modell_rufen(SBU_Way_IDs.back());
    } else {
        // A building type without its object row: the model alone.
        SP_Modell(ML_Gebaeudelisten, ML_Gebaeudequads, t);
    }
    SP_Verschieben(-x, -y, -0.2f);
    SP_Farbe(1, 1, 1);
}

void Draw_Objekt_Overlays(int zelle, int ambiente_start) {
    if (!MG_Feld_gueltig(zelle)) return;
    const Kartenfeld& f = Karte[static_cast<std::size_t>(zelle)];
    if (f.Ambiente() == ML_Spezialtyp(SBU_ID_mark) || f.Objekt() < 0) return;
    Draw_Flaggen(zelle);
    Draw_Mangelsymbol(zelle);
    Draw_Stoppsymbol(zelle);
    Draw_Warenanzeige(zelle, ambiente_start);
    Draw_Prozessanzeige(zelle, ambiente_start);
}

void Draw_Flaggen(int zelle) {
    Objektzeile* ob = objekt_von(zelle);
    if (!ob) return;
    const int t = Karte[static_cast<std::size_t>(zelle)].Ambiente();
    if (t < 0 || static_cast<std::size_t>(t) >= SBA_Atlastabelle.size()) return;
    const Atlaseintrag& e = SBA_Atlastabelle[static_cast<std::size_t>(t)];
    if (!e.hat_Flagge) return;
    const float fx = static_cast<float>(e.Flagge_X), fy = static_cast<float>(e.Flagge_Y);
    clanfarbe(ob->Besitzer());
    modell_bei(fx, fy, 0.4f, ob->Flagge());
    const int o = Karte[static_cast<std::size_t>(zelle)].Objekt();
    if (!ist_home(ob->Typ()) && OB_Slot_offen(o, 0)) {
        if (ob->Stillgelegt() == 1)
            SP_Farbe(1, 1, 0);
        else if (OB_Hat_Arbeiter(o))
            SP_Farbe(0, 1, 0);
        else
            SP_Farbe(1, 0, 0);
        modell_bei(fx, fy + 7, 0.4f, ob->Flagge_klein());
    }
    SP_Farbe(1, 1, 1);
}

void Draw_Mangelsymbol(int zelle) {
    Objektzeile* ob = objekt_von(zelle);
    if (Fil_Rms && ob && ob->Besitzer() == SpielerID && ob->Mangel() == 1)
        modell_bei(-50, -50, 0.4f, ML_Spezialtyp(SBU_ID_lackof));
}

void Draw_Stoppsymbol(int zelle) {
    Objektzeile* ob = objekt_von(zelle);
    if (Fil_Gps && ob && ob->Besitzer() == SpielerID && ob->Stillgelegt() == 1)
        modell_bei(-50, -50, 0.4f, ML_Spezialtyp(SBU_ID_prostop));
}

void Draw_Warenanzeige(int zelle, int) {
    Objektzeile* ob = nullptr;
    const int t = anzeigetyp(zelle, ob);
    if (t < 0 || static_cast<std::size_t>(t) >= SBU_Warenanzeige.size()) return;
    const Slot_Ware_vor_objekt& anzeige = SBU_Warenanzeige[static_cast<std::size_t>(t)];
    const Objekt_Item& vorlage = SBU_Objekte[static_cast<std::size_t>(t)];
    for (int s = 0; s < Objekt_Warenslots; ++s) {
        const Waren_vor_Objekt& w = anzeige.Slot[static_cast<std::size_t>(s)];
        if (w.Modelltyp[0] <= 0) continue;
        // A slot of the template with a ware shows its stock (nine steps at most); a
        // slot without one shows all nine steps as decoration.
        const int stufen = vorlage.Slots[static_cast<std::size_t>(s)].WarenID > -1
                               ? std::clamp(ob->Slot_Bestand(s), 0, 9)
                               : 9;
        for (int i = 0; i < stufen; ++i) {
            const auto si = static_cast<std::size_t>(i);
            modell_bei(static_cast<float>(w.a[si]), static_cast<float>(w.b[si]), stufentiefe(w.b[si], i),
                       w.Modelltyp[si]);
        }
    }
}

void Draw_Prozessanzeige(int zelle, int) {
    Objektzeile* ob = nullptr;
    const int t = anzeigetyp(zelle, ob);
    if (t < 0 || static_cast<std::size_t>(t) >= SBU_Prozessanzeige.size()) return;
    const Prozess_Ani_vor_Objekt& p = SBU_Prozessanzeige[static_cast<std::size_t>(t)];
    const int o = Karte[static_cast<std::size_t>(zelle)].Objekt();
    if (p.Standtyp <= 0 || OM_Baumaterial_fehlt(o) || ob->Zustand() != 0) return;
    modell_bei(static_cast<float>(p.a), static_cast<float>(p.b), stufentiefe(p.b, 0),
               ob->Zaehler() > 0 ? p.Bewegttyp : p.Standtyp);
}

void Draw_Markerpunkte(int typ, int effekt) {
    if (typ < 0 || static_cast<std::size_t>(typ) >= SBU_Markerpunkte.size()) return;
    for (const Markerpunkt& m : SBU_Markerpunkte[static_cast<std::size_t>(typ)])
        modell_bei(static_cast<float>(m.x), static_cast<float>(m.y), 0.4f, effekt);
}
