#include "render/Interface.h"

#include <GL/gl.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "economy/Logik.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "population/Briefe.h"
#include "render/Interfaceatlas.h"
#include "render/Interfacezustaende.h"
#include "render/Modelliste.h"
#include "ui/Fenster.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "ui/Fensterprimitive.h"
#include "ui/InterfacePanel.h"
#include "ui/Panelschalter.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"

namespace {

constexpr int kTiefe = 1000;

// The element, nullptr (reported) when the panel or the element is not in the tables.
const ITP_Icon_Item* element_von(int panel, int element, const char* routine) {
    if (panel < 0 || static_cast<std::size_t>(panel) >= ITP_Icons.size() || element < 0 ||
        static_cast<std::size_t>(element) >= ITP_Icons[static_cast<std::size_t>(panel)].size()) {
        Fehler_melden(std::string(routine) + " > Element nicht abgefangen : " + std::to_string(panel) + "/" +
                      std::to_string(element));
        return nullptr;
    }
    return &ITP_Icons[static_cast<std::size_t>(panel)][static_cast<std::size_t>(element)];
}

// Pixel size of the element's first image; 0 x 0 when it has none.
void bildgroesse(const ITP_Icon_Item& e, int& w, int& h) {
    w = h = 0;
    if (e.Bilder.empty()) return;
    const int nr = e.Bilder[0];
    if (nr < 0 || static_cast<std::size_t>(nr) >= ITF_Texturkoordinaten.size()) return;
    const ITF_Rechteck& r = ITF_Texturkoordinaten[static_cast<std::size_t>(nr)];
    w = (r.cellX1 - r.cellX0) * 16;
    h = (r.cellY1 - r.cellY0) * 16;
}

// The frame between the outer and the client width, on one side (0 in full screen).
int seitenrahmen() { return (Shell().Clientbreite() - Shell().Formbreite()) / 2; }

// Image slot i of the element at (x, y); a slot the element does not have is reported.
void bild(const ITP_Icon_Item& e, std::size_t i, int x, int y) {
    if (i >= e.Bilder.size()) {
        Fehler_melden("Draw_Panelelemente > Bild nicht abgefangen : " + e.Name + " " + std::to_string(i));
        return;
    }
    IFU_Icon_zeichnen_Set2(x, y, kTiefe, e.Bilder[i]);
}

// A ranking place 0..7 from the element name; -1 for anything else.
int rangplatz(const std::string& name) {
    int r = -1;
    const auto [ende, fehler] = std::from_chars(name.data(), name.data() + name.size(), r);
    if (fehler != std::errc() || ende != name.data() + name.size() || r < 0 || r > 7) return -1;
    return r;
}

void goods_icon(const ITP_Icon_Item& e, int x, int y) {
    const int g = Draw_Warenicon_Nummer(e.Name);
    if (g <= 0) return;
    const int nr = static_cast<int>(SBU_Ambiente.size() + 2 * SBU_Objekte.size() + SBU_Skills.size()) + g;
    if (ITF_Textur) ITF_Textur->UnbindTexture(true);
    if (ML_Binden(ML_Gebaeudepack.get(), "ML_Gebaeudepack")) {
        IFU_Icon_zeichnen_Set3(x, y, kTiefe, nr);
        ML_Gebaeudepack->UnbindTexture(true);
    }
    if (ITF_Textur) ITF_Textur->BindTexture(true);
}

void schieber(const ITP_Icon_Item& e, int x, int y) {
    if (Spiel_laeuft() && GU_Clan_gueltig(SpielerID)) {
        const Spielerzeile& s = Spieler[static_cast<std::size_t>(SpielerID)];
        SpielerfarbeR = s.feld(0);
        SpielerfarbeG = s.feld(1);
        SpielerfarbeB = s.feld(2);
    }
    int n = 0;
    const int v = Draw_Slider_Wert(e.Name, n);
    for (int i = 0; i <= n; ++i) bild(e, i == v ? 1 : 0, x + 16 * i, y);
}

void nachrichtenstrom(const ITP_Icon_Item& e, int x, int y) {
    if (GUI_Infoanzahl <= 0) return;
    const int L = Shell().Formbreite() - 214 - seitenrahmen();
    const int anzahl = std::min<int>(GUI_Infoanzahl, static_cast<int>(GUI_Infoliste.size()));
    for (int i = 0; i < anzahl; ++i) {
        const GUI_Info& m = GUI_Infoliste[static_cast<std::size_t>(i)];
        if (m.Restzeit >= GUI_Anzeigedauer || m.Event < 0) continue;
        const double weg = std::floor(static_cast<double>(L) / GUI_Anzeigedauer * m.Restzeit);
        bild(e, static_cast<std::size_t>(m.Event), x + L - static_cast<int>(weg), y);
    }
}

// The origin of an element along one axis: the codes 1..9 run left, middle, right (x) within
// top, middle, bottom (y); any other code gives 0.
int ausrichtung(int panel, int element, const char* routine, bool x) {
    const ITP_Icon_Item* e = element_von(panel, element, routine);
    if (!e || e->Align < 1 || e->Align > 9) return 0;
    int w = 0, h = 0;
    bildgroesse(*e, w, h);
    const int stufe = x ? (e->Align - 1) % 3 : (e->Align - 1) / 3;
    if (stufe == 0) return 0;
    if (x) return stufe == 1 ? IFU_Fenstermitte_X - w / 2 : Shell().Formbreite() - w;
    const int unten = Shell().Clienthoehe() - seitenrahmen() - (Vollbild ? 0 : 5);
    return stufe == 1 ? IFU_Fenstermitte_Y - h / 2 : unten - h;
}

void element_zeichnen(int p, int i) {
    const ITP_Icon_Item& e = ITP_Icons[static_cast<std::size_t>(p)][static_cast<std::size_t>(i)];
    if (e.Art == 8) {
        if (!e.Bilder.empty()) IFU_Interfaceelement_zeichnen(0, 0, 100, e.Bilder[0]);
        return;
    }
    const int x = Draw_Ausrichtung_X(p, i) + e.X;
    const int y = Draw_Ausrichtung_Y(p, i) + e.Y;
    switch (e.Art) {
        case 0:
            bild(e, 0, x, y);
            break;
        case 1:
            goods_icon(e, x, y);
            break;
        case 2:
            bild(e, static_cast<std::size_t>(Draw_Checkbox_Zustand(e.Name)), x, y);
            break;
        case 3:
            schieber(e, x, y);
            break;
        case 4:
            glColor3f(SpielerfarbeR / 100.0f, SpielerfarbeG / 100.0f, SpielerfarbeB / 100.0f);
            bild(e, 0, x, y);
            glColor3f(1, 1, 1);
            break;
        case 5:
            if (Draw_Fenstericon_Zustand(e.Name) == 1) bild(e, 1, x, y);
            break;
        case 6: {
            if (!Rangliste_anzeigen || Platzierungsmodus) break;
            const int r = rangplatz(e.Name);
            if (r < 0) break;
            const int q = TPU_Rangliste[static_cast<std::size_t>(r)];
            if (!GU_Clan_gueltig(q)) break;
            const Spielerzeile& s = Spieler[static_cast<std::size_t>(q)];
            glColor3f(s.feld(0) / 100.0f, s.feld(1) / 100.0f, s.feld(2) / 100.0f);
            bild(e, 0, x, y);
            glColor3f(1, 1, 1);
            break;
        }
        case 7:
            nachrichtenstrom(e, x, y);
            break;
        default:
            break;
    }
}

}  // namespace

int Draw_Ausrichtung_X(int panel, int element) {
    return ausrichtung(panel, element, "Draw_Ausrichtung_X", true);
}

int Draw_Ausrichtung_Y(int panel, int element) {
    return ausrichtung(panel, element, "Draw_Ausrichtung_Y", false);
}

void Draw_Panelelemente() {
    const int p = ITP_aktives_Panel_ID();
    if (p == -1) return;
    if (p < 0 || static_cast<std::size_t>(p) >= ITP_Icons.size()) {
        Fehler_melden("Draw_Panelelemente > Panel nicht abgefangen : " + std::to_string(p));
        return;
    }
    const int anzahl = static_cast<int>(ITP_Icons[static_cast<std::size_t>(p)].size());
    for (int i = 0; i < anzahl; ++i) element_zeichnen(p, i);
}

void Draw_Briefstapel() {
    // The pile lies where a click opens its first letter: over the map while the bar is shown
    // (not while a building is being placed), and while an in-game window has replaced the bar.
    const bool leiste = ITP_Panel_sichtbar(ITP_SingelGameAktiv) || ITP_Panel_sichtbar(ITP_SingelGameTutorial);
    if (!Spiel_laeuft() || (leiste ? Platzierungsmodus : ITP_aktives_Panel_ID() != -1)) return;
    const int n = BrU_Brief_Anzahl_sichtbar(SpielerID);
    const int bild = ITP_Bildnummer("Brief");
    if (n < 1 || bild <= 0) return;
    // The click area (BrU_Brief_lesen) is 64 pixels wide from 84 pixels left of the right edge and
    // runs from y = 21 to 84 + 10 per letter; the top bar covers its upper part, so the letters
    // lie at its lower end (the last one ends there), each 10 pixels below the one before, the
    // first letter (the one a click opens) in front. Behind the bar, whose elements stand at depth
    // 1000.
    const int oben = std::max(21, 94 - ITP_Bildhoehe(bild));
    const int x = Shell().Formbreite() - 84 + (64 - ITP_Bildbreite(bild)) / 2;
    for (int k = n - 1; k >= 0; --k) IFU_Icon_zeichnen_Set2(x, oben + 10 * k, kTiefe - 20 + (n - k), bild);
}

void Draw_Panelregel() { glDepthFunc(GL_LEQUAL); }

void Draw_Fensterregel() { glDepthFunc(GL_LESS); }

void Draw_Interface() {
    Draw_Panelregel();
    const bool atlas = ML_Binden(ITF_Textur.get(), "ITF_Textur");
    Draw_Briefstapel();
    Draw_Panelelemente();
    if (atlas) ITF_Textur->UnbindTexture(true);
    Draw_Fensterregel();

    if (ITP_Panel_sichtbar(ITP_UpdatePanel) || ITP_Panel_sichtbar(ITP_UpdatePanelfehler)) {
        if (--IFU_Updateanzeige_Zaehler < 1) Panelanzeigen(1);
    }

    ML_Binden(ML_Interfacepack.get(), "ML_Interfacepack");
    if (Baufenster_offen) IFU_Baufenster_Panel();
    if (Schalterfenster1_offen) IFU_Checkbox_Panel1();
    if (Schalterfenster2_offen) IFU_Checkbox_Panel2();
    if (Schalterfenster3_offen) IFU_Checkbox_Panel3();
    if (Statistikmenue_offen) IFU_Statmenu();
    if (Minimap_offen) IFU_Minimap();
    if (Warenraster_offen) IFU_Fenster28();
    if (Fenster36_offen) IFU_Fenster36();
    if (Objektinfo_offen) IFU_Objektinfo_Panel();
    if (Texteingabe_aktiv) IFU_Fenster29();
    if (Fenster30_offen) IFU_SingelGame_Panel();
    if (Fenster42_offen) IFU_Fenster42();
    if (Fenster40_offen) IFU_Fenster40();
    if (Fenster41_offen) IFU_Fenster41();
    if (Ediktfenster_offen) IFU_Edikt_Intraktiv_Panel_call(IAU_Aktuelles_Edikt);
    if (IFU_Iconleiste_aktiv) IFU_Icon_Leiste_zeichnen();
    if (IFU_Anzeigezaehler > 0) IFU_Anzeigezaehler_runter();
    ML_Loesen();
}
