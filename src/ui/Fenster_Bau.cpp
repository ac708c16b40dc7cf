#include "ui/Fenster_Bau.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <string>

#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Hilfen_Objekte.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "economy/Warenindex.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"
#include "render/Interfaceatlas.h"
#include "render/Modelliste.h"
#include "ui/Fenster.h"
#include "ui/Fensterprimitive.h"
#include "ui/InterfacePanel.h"
#include "ui/Panelschalter.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"
#include "ui/Fenster_Lobby.h"

std::vector<int> IFU_Statmenu_Liste;

namespace {

constexpr int kTiefe = 1000;
constexpr int kHoverfunktion_Baufenster = 26;

void arbeiterslots(int o, int cx, int cy) {
    for (int s = 0; s <= OB_Max_Slot(); ++s) {
        if (!OB_Slot_offen(o, s)) continue;
        int modell = 48;
        if (IFU_Anzeigezaehler > 0) {
            modell = 51;
        } else if (OB_Slot_hat_Arbeiter(o, s)) {
            if (OB_Slot_Entlassung_vorgemerkt(o, s)) {
                modell = 51;
            } else {
                const int p = OB_Arbeiter_des_Slots(o, s);
                const int g = p >= 0 && static_cast<std::size_t>(p) < Personen.size()
                                  ? Personen[static_cast<std::size_t>(p)].Geschlecht()
                                  : 0;
                if (g != 1 && g != 2) {
                    Fehler_melden(
                        W("Beim öffnen konnte nicht abgefragt werden, welches geschlecht die Person hat."));
                    continue;
                }
                modell = g == 1 ? 49 : 50;
            }
        }
        IFU_Icon_zeichnen(cx + IFU_Objektinfo_Slot_X + IFU_Objektinfo_Slot_Abstand * s, cy, kTiefe, modell);
    }
}

// The demolition button: the atlas image, dimmed while the object refuses demolition (a house
// with residents; its tooltip says why).
void abrissknopf(int o, int cx, int cy) {
    const int bild = ITP_Bildnummer(IFU_Abrissknopf_Bild);
    if (bild <= 0) return;
    const IFU_Packbindung atlas(ITF_Textur.get(), "ITF_Textur");
    const float hell = OM_Abriss_verweigert(o) ? 0.55f : 1.0f;
    glColor3f(hell, hell, hell);
    IFU_Icon_zeichnen_Set2(cx + IFU_Abrissknopf.x, cy + IFU_Abrissknopf.y, kTiefe, bild);
    glColor3f(1, 1, 1);
}

}  // namespace

void IFU_Statmenu_Liste_fuellen(const std::string& Gruppe) {
    IFU_Statmenu_Liste.clear();
    for (std::size_t i = 0; i < SBU_Waren.size() && IFU_Statmenu_Liste.size() < IFU_Statmenu_Liste_Max; ++i)
        if (SBU_Waren[i].Group == Gruppe) IFU_Statmenu_Liste.push_back(static_cast<int>(i));
}

IFU_Bauseite IFU_Bauseite_lesen() {
    IFU_Bauseite typen;
    typen.fill(-1);
    const int letzter = static_cast<int>(SBU_Objekte.size()) - 1;
    int t = BMU_Seitenanfang;
    for (int& zelle : typen) {
        while (t <= letzter && (t < 0 || !FFU_Objekt_baubar(t, SpielerID))) ++t;
        if (t > letzter) break;
        zelle = t++;
    }
    return typen;
}

IFU_Hoverbox IFU_Hoverbox_finden(const IFU_Bauseite& seite) {
    IFU_Hoverbox box;
    if (Mouseoverfunktion_Nummer != kHoverfunktion_Baufenster) return box;
    for (std::size_t i = 0; i < seite.size(); ++i) {
        if (seite[i] < 0 || seite[i] != Mouseoverfunktion_Wert) continue;
        box.aktiv = true;
        box.c = static_cast<int>(i) % IFU_Bau_Spalten;
        box.r = static_cast<int>(i) / IFU_Bau_Spalten;
        box.bc = std::min(box.c, IFU_Bau_Spalten - 5);
        box.br = std::min(box.r, IFU_Bau_Zeilen - 3);
        break;
    }
    return box;
}

void IFU_Baufenster_Panel() {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    const IFU_Bauseite typen = IFU_Bauseite_lesen();
    const IFU_Hoverbox box = IFU_Hoverbox_finden(typen);
    // Every shown cell with its type: the hovered one at the box's corner, the others it
    // hides not at all.
    const auto zellen = [&](auto zeichnen) {
        for (int r = 0; r < IFU_Bau_Zeilen; ++r)
            for (int c = 0; c < IFU_Bau_Spalten; ++c) {
                const int typ = typen[static_cast<std::size_t>(r * IFU_Bau_Spalten + c)];
                if (typ < 0) return;
                if (box.aktiv && c == box.c && r == box.r)
                    zeichnen(box.bc, box.br, typ, true);
                else if (!box.deckt(c, r))
                    zeichnen(c, r, typ, false);
            }
    };
    const auto icon = [&](int c, int r, int typ) {
        IFU_Icon_zeichnen_Set4(cx - 244 + 84 * c, cy - 156 + 80 * r, kTiefe, typ);
    };
    // The icons first, the hovered one at the box's corner with them: windows are drawn with the
    // strictly-less depth rule, so an icon stays in front of the box and frames drawn after it at
    // the same depth.
    {
        const IFU_Packbindung bauicons(ML_Bauiconpack.get(), "ML_Bauiconpack");
        zellen([&](int c, int r, int typ, bool) { icon(c, r, typ); });
    }
    zellen([&](int c, int r, int, bool hover) {
        const int x = cx - 253 + 84 * c, y = cy - 165 + 80 * r;
        if (!hover) {
            IFU_Icon_zeichnen(x, y, kTiefe, 89);
            return;
        }
        IFU_Icon_zeichnen(x, y, kTiefe, 292);
        for (int dy : {-101, -69, -37, -5}) IFU_Icon_zeichnen(x, cy + dy + 80 * r, kTiefe, 293);
        IFU_Icon_zeichnen(x, cy + 11 + 80 * r, kTiefe, 294);
    });

    const int m = GU_Clan_gueltig(SpielerID) ? Spieler[static_cast<std::size_t>(SpielerID)].Mitglieder() : 0;
    const int rest = m - 25 * static_cast<int>(Floor_div(m - 1, 25));
    for (int q = 0; q <= 2; ++q)
        for (int j = 0; j < rest; ++j) {
            glPushMatrix();
            glTranslatef(static_cast<float>(cx - 270 + 5 * q + 17 * j), static_cast<float>(cy - 246), 9.9f);
            IFU_Stufenleiste_zeichnen(0, 17);
            glPopMatrix();
        }

    if (BMU_Seitenanfang > 1) IFU_Icon_zeichnen(cx - 120, cy - 221, kTiefe, 93);
    if (BMU_Weitere_Seite()) IFU_Icon_zeichnen(cx + 110, cy - 221, kTiefe, 92);
    IFU_Fensterhintergrund_zeichnen(cx, cy - 80);
}

void IFU_Statmenu() {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    IFU_Icon_zeichnen(cx - 135, cy - 215, kTiefe, 207);
    IFU_Icon_zeichnen(cx - 15, cy - 215, kTiefe, 206);
    IFU_Icon_zeichnen(cx + 105, cy - 215, kTiefe, 205);
    if (Statistik_Kategorie == 1 || Statistik_Kategorie == 2) {
        const int n = static_cast<int>(SBU_Warengruppen.size()) - 1;
        // With a single group shown it stands at the top.
        const int d = n > 1 ? 469 / (n - 1) : 0;
        for (int i = 1; i <= n; ++i) IFU_Icon_zeichnen(cx + 300, cy - 247 + (i - 1) * d, 999, 181);
        const IFU_Packbindung icons(ML_Iconpack.get(), "ML_Iconpack");
        for (int i = 1; i <= n; ++i)
            IFU_Icon_zeichnen_Set5(cx + 271, cy - 250 + (i - 1) * d, kTiefe,
                                   SBU_Warengruppen[static_cast<std::size_t>(i)].WarenID);
        for (std::size_t j = 0; j < IFU_Statmenu_Liste.size(); ++j)
            IFU_Icon_zeichnen_Set5(cx - 198 + 32 * static_cast<int>(j), cy - 146, kTiefe,
                                   IFU_Statmenu_Liste[j]);
    } else if (Statistik_Kategorie == 3) {
        static constexpr int oben[] = {225, 50, 49, 222, 223, 224, 226, 227, 228, 229, 221, 211, 237};
        static constexpr int unten[] = {238, 239, 233, 212, 208, 209, 230, 231, 232, 210, 234, 235, 236};
        for (int k = 0; k < 13; ++k) {
            IFU_Icon_zeichnen(cx - 198 + 32 * k, cy - 146, kTiefe, oben[k]);
            IFU_Icon_zeichnen(cx - 198 + 32 * k, cy - 94, kTiefe, unten[k]);
        }
    } else {
        Fehler_melden("IFU_Statmenu_mi_atr konnten nicht gelesen werden: " +
                      std::to_string(Statistik_Kategorie));
    }

    {
        const IFU_Packbindung diagramm(ML_Diagrammtextur.get(), "ML_Diagrammtextur");
        if (diagramm.gebunden()) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            // The image's first row is at the bottom.
            IFU_Texturviereck(cx - 250, cy + 18, 9.9f,
                              {{{0, 1, 0, 0}, {0, 0, 0, 200}, {1, 0, 500, 200}, {1, 1, 500, 0}}});
        }
    }
    IFU_Fensterhintergrund_zeichnen(cx, cy);
}

void IFU_Baumaterial_zeichnen(int X, int Y) {
    const int o = Gewaehltes_Objekt;
    if (!OM_Objekt_gueltig(o)) return;
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    // In a row from the left edge, each with room for its count beside it (Fenstertexte).
    for (int k = 0; k < 4; ++k)
        if (z.Baumaterial_Rest(k) > 0)
            IFU_Icon_zeichnen_Set5(X + IFU_Objektinfo_Material_X + IFU_Objektinfo_Material_Abstand * k,
                                   Y + IFU_Objektinfo_Material_Y, kTiefe, z.Baumaterial_Ware(k));
}

void IFU_Objektinfo_Panel() {
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    const int o = Gewaehltes_Objekt;
    // The window closes itself when its object is gone.
    if (!OM_Objekt_gueltig(o) || Objekte[static_cast<std::size_t>(o)].Feld() <= 0) {
        Objektinfo_offen = false;
        return;
    }
    Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
    const bool eigen = FFU_Objekt_eigen(o);
    if (eigen) arbeiterslots(o, cx, cy);
    {
        const IFU_Packbindung icons(ML_Iconpack.get(), "ML_Iconpack");
        if (eigen) IFU_Baumaterial_zeichnen(cx, cy);
        for (int k = 0; k < Objekt_Warenslots; ++k)
            if (z.Slot_Ware(k) > -1 && !OM_Slotmarke_gesetzt(o, k))
                IFU_Icon_zeichnen_Set5(cx - 120 + 40 * k, cy + 42, kTiefe, z.Slot_Ware(k));
    }
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (z.Slot_Ware(k) > -1 && OM_Slotmarke_gesetzt(o, k))
            IFU_Icon_zeichnen(cx - 120 + 40 * k, cy + 42, kTiefe, 51);
    if (!OM_Baumaterial_fehlt(o) && OM_ist_Hafen(z.Typ())) {
        IFU_Icon_zeichnen(cx - 80, cy + 90, kTiefe, 243);
        IFU_Icon_zeichnen(cx, cy + 90, kTiefe, 242);
        IFU_Icon_zeichnen(cx + 103, cy + 100, kTiefe, 192);
    }
    if (eigen) abrissknopf(o, cx, cy);
    IFU_Fensterrahmen_zeichnen(cx, cy, IFU_Objektinfo_Halbbreite);
}
