#include "ui/MouseOver_Panel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "economy/Bauvorschau.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Info.h"
#include "foundation/Namen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "population/Personen_Geburt.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver.h"
#include "ui/Panelschalter.h"
#include "persistence/Spielstaende.h"
#include "population/Briefe.h"
#include "render/Interfaceatlas.h"
#include "ui/Textausgabe.h"
#include "ui/Rangliste.h"
#include "world/Kartengenerator.h"
#include "ui/Fenster_Bau.h"
#include "ui/Aktionen.h"
#include "ui/Fenstermaus.h"
#include "ui/Interaktiv.h"
#include "ui/Textoverlay.h"
#include "world/Inseln.h"
#include "world/Karte.h"

bool MO_Objekt_gueltig = false;
int MO_Objekt_unter_Maus = -1;
int MO_Objektart_unter_Maus = 0;
bool MO_Info_unter_Maus = false;
int MO_Info_Event = 0;
int MO_Info_Wert = -1;
int MO_Info_Index = -1;

namespace {

const ITP_Mausfeld* feld(int panel, int area) {
    if (panel < 0 || static_cast<std::size_t>(panel) >= ITP_Mausfelder.size()) return nullptr;
    const ITP_Mous_R& felder = ITP_Mausfelder[static_cast<std::size_t>(panel)];
    if (area < 0 || static_cast<std::size_t>(area) >= felder.size()) return nullptr;
    return &felder[static_cast<std::size_t>(area)];
}

int feldanzahl(int panel) {
    if (panel < 0 || static_cast<std::size_t>(panel) >= ITP_Mausfelder.size()) return 0;
    return static_cast<int>(ITP_Mausfelder[static_cast<std::size_t>(panel)].size());
}

// The mouse in world pixels: the scene is drawn at (Zoomstufe / 20) x (world + view offset).
void Weltmaus(int& mx, int& my) {
    const long long zoom = Zoomstufe > 0 ? Zoomstufe : 20;
    mx = static_cast<int>(Floor_div(static_cast<long long>(MoPosEcht_X) * 20, zoom)) - SX;
    my = static_cast<int>(Floor_div(static_cast<long long>(MoPosEcht_Y) * 20, zoom)) - SY;
}

// The bar of the running game is shown (with or without the start building placed).
bool spielleiste() {
    return ITP_Panel_sichtbar(ITP_SingelGameAktiv) || ITP_Panel_sichtbar(ITP_SingelGameTutorial);
}

// The message event whose hidden area carries the explanation of the message kind.
int meldungsereignis(int aktion) {
    switch (aktion) {
        case 700:
            return 247;
        case 701:
            return 246;
        case 702:
            return 248;
        case 703:
            return 249;
        case 704:
            return 250;
        case 705:
            return 251;
        case 706:
            return 253;
        case 707:
            return 254;
        case 708:
            return 255;
        case 709:
            return 256;
        case 710:
            return 257;
        case 711:
            return 259;
        case 712:
            return 260;
        case 713:
            return 258;
        case 714:
            return 261;
        case 715:
            return 280;
        case 716:
            return 281;
        case 717:
            return 2;
        case 718:
            return GUI_Event_Errungenschaft;
        default:
            return -1000;
    }
}

// The object kind whose hidden area carries the explanation of that kind.
int objektart_der_Aktion(int aktion) {
    switch (aktion) {
        case 667:
            return MO_Art_Planung;
        case 668:
            return MO_Art_Baustelle;
        case 669:
            return MO_Art_Wohnhaus;
        case 670:
            return MO_Art_Start;
        case 671:
            return MO_Art_Gebaeude;
        case 672:
            return MO_Art_Abriss;
        case 673:
            return MO_Art_Ruine;
        case 674:
            return MO_Art_Hafen;
        case 675:
            return MO_Art_Lager;
        default:
            return -1000;
    }
}

int objektart(int o) {
    Objektzeile& r = Objekte[static_cast<std::size_t>(o)];
    if (OM_Baumaterial_fehlt(o) && r.Ausbau() == -1) return MO_Art_Baustelle;
    int art = MO_Art_Gebaeude;
    if (OM_Objekt_ist_Home(o)) art = MO_Art_Wohnhaus;
    if (OM_Objekt_ist_Start(o)) art = MO_Art_Start;
    if (OM_ist_Hafen(r.Typ())) art = MO_Art_Hafen;
    if (OM_Objekt_ist_Lager(o)) art = MO_Art_Lager;
    if (r.Zustand() == 1) art = MO_Art_Abriss;
    if (r.Zustand() == 2) art = MO_Art_Ruine;
    return art;
}

// Bounds of message i's box in client pixels (all exclusive).
struct Kasten {
    int links, rechts, oben, unten;
};
Kasten meldungskasten(int i) {
    const int breite = Shell().Formbreite();
    const int rand = (Shell().Clientbreite() - breite) / 2;
    const int x0 = breite - 214 - rand;
    const int rest = GUI_Infoliste[static_cast<std::size_t>(i)].Restzeit;
    const int links = x0 - static_cast<int>(std::floor(static_cast<double>(x0) / GUI_Anzeigedauer * rest));
    const int oben = Shell().Clienthoehe() - rand - 74;
    return {links, links + 64, oben, oben + 64};
}
bool im_Kasten(const Kasten& k) {
    return k.links < MoPosEcht_X && MoPosEcht_X < k.rechts && k.oben < MoPosEcht_Y && MoPosEcht_Y < k.unten;
}
// a + b, held within the Integer range (offsets and sizes come from the panel scripts).
int summe(int a, int b) {
    const long long s = static_cast<long long>(a) + b;
    return static_cast<int>(
        std::clamp<long long>(s, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int meldungen() { return std::min(GUI_Infoanzahl, static_cast<int>(GUI_Infoliste.size())); }

}  // namespace

int MO_Align_X(int panel, int area) {
    const ITP_Mausfeld* m = feld(panel, area);
    if (!m) return 0;
    const int w = ITP_Bildbreite((*m)[ITP_Maus_Bild]);
    switch ((*m)[ITP_Maus_Align]) {
        case 2:
        case 5:
        case 8:
            return IFU_Fenstermitte_X - w / 2;
        case 3:
        case 6:
        case 9:
            return Shell().Formbreite() - w;
        default:
            return 0;
    }
}

int MO_Align_Y(int panel, int area) {
    const ITP_Mausfeld* m = feld(panel, area);
    if (!m) return 0;
    const int h = ITP_Bildhoehe((*m)[ITP_Maus_Bild]);
    switch ((*m)[ITP_Maus_Align]) {
        case 4:
        case 5:
        case 6:
            return IFU_Fenstermitte_Y - h / 2;
        case 7:
        case 8:
        case 9: {
            const int y = Shell().Clienthoehe() - (Shell().Clientbreite() - Shell().Formbreite()) / 2 - h;
            return Vollbild ? y : y - 5;
        }
        default:
            return 0;
    }
}

void MO_Popup_setzen(int popup) {
    if (popup == -1) return;
    Mouseoverfunktion_Nummer = 106;
    Mouseoverfunktion_Wert = popup;
}

bool MO_Panelelement_pruefen(int panel, int area, bool click) {
    const ITP_Mausfeld* m = feld(panel, area);
    if (!m) return false;
    const ITP_Mausfeld f = *m;  // the action may reload the panels
    const int x1 = summe(f[ITP_Maus_X], MO_Align_X(panel, area));
    const int x2 = summe(x1, f[ITP_Maus_W]);
    const int y1 = summe(f[ITP_Maus_Y], MO_Align_Y(panel, area));
    const int y2 = summe(y1, f[ITP_Maus_H]);
    if (!MORahmen(x1, x2, y1, y2, 1)) return false;
    MO_Popup_setzen(f[ITP_Maus_Popup]);
    if (click && MO_Aktion_ausfuehren) MO_Aktion_ausfuehren(-1, f[ITP_Maus_Aktion], f[ITP_Maus_Parameter]);
    return true;
}

bool MO_Panel_Mouseover(bool click) {
    const int p = ITP_aktives_Panel_ID();
    if (p == -1) return false;
    if (spielleiste()) {
        MO_Objekt_Mouseover();
        MO_Infostream_Mouseover();
    }
    if (ITP_Panel_sichtbar(ITP_LadePanel)) {
        for (int a = 0; a < feldanzahl(p); ++a) {
            const ITP_Mausfeld* m = feld(p, a);
            if (!m) break;
            const int aktion = (*m)[ITP_Maus_Aktion];
            // Delete buttons exist only for listed saves; 650 is the first manual page, no delete button.
            if (aktion >= 640 && aktion <= 649 && (*m)[ITP_Maus_Parameter] > LSU_Spielstand_Letzter) continue;
            MO_Panelelement_pruefen(p, a, click);
        }
        return true;
    }
    // The pile of letters lies over the map: what is under it is not picked; the bar's own
    // elements still win over it.
    const int brief =
        spielleiste() && !Platzierungsmodus ? BrU_Brief_lesen(SpielerID, MoPosEcht_X, MoPosEcht_Y) : -1;
    if (brief >= 0) MO_Objekt_gueltig = MO_Info_unter_Maus = false;
    bool getroffen = false;
    for (int a = 0; a < feldanzahl(p); ++a) {
        if (MO_Panelelement_pruefen(p, a, click)) getroffen = true;
        if (getroffen) continue;
        if (!spielleiste()) continue;
        const ITP_Mausfeld* m = feld(p, a);
        if (!m) break;
        const int aktion = (*m)[ITP_Maus_Aktion];
        const int popup = (*m)[ITP_Maus_Popup];
        if (Platzierungsmodus) {
            if (aktion == 666) MO_Bauplatz_waehlen(p, a, click);
            continue;
        }
        if (MO_Info_unter_Maus) {
            if (click && MO_Info_Wert >= 0) {
                const int seite = MG_Kartengroesse;
                if (seite > 0) Render().Kamera_zentrieren(MO_Info_Wert % seite, MO_Info_Wert / seite);
                return true;
            }
            if (meldungsereignis(aktion) == MO_Info_Event) {
                Mouseoverfunktion_Nummer = 84;
                Mouseoverfunktion_Wert = popup;
            }
        }
        if (MO_Objekt_gueltig) {
            if (click && MO_Objektart_unter_Maus != MO_Art_Abriss &&
                MO_Objektart_unter_Maus != MO_Art_Ruine) {
                Gewaehltes_Objekt = MO_Objekt_unter_Maus;
                if (MO_Objektart_unter_Maus == MO_Art_Start) {
                    if (MO_Aktion_ausfuehren) MO_Aktion_ausfuehren(-1, 663, -1);
                    return true;
                }
                if (MO_Objektart_unter_Maus != MO_Art_Planung) Panelanzeigen(11);
            }
            if (objektart_der_Aktion(aktion) == MO_Objektart_unter_Maus) {
                Mouseoverfunktion_Nummer = 81;
                Mouseoverfunktion_Wert = popup;
            }
        }
    }
    if (brief >= 0 && !getroffen && click) {
        IAU_Aktuelles_Edikt = brief;
        Panelanzeigen(44);
    }
    return true;
}

void MO_Objekt_Mouseover() {
    MO_Objekt_gueltig = false;
    const int ende = std::min(BPU_Objektliste_Ende, static_cast<int>(BPU_Objektliste.size()) - 1);
    int mx = 0, my = 0;
    Weltmaus(mx, my);
    for (int i = 0; i <= ende; ++i) {
        const BPU_Eintrag& e = BPU_Objektliste[static_cast<std::size_t>(i)];
        if (!(e.x < mx && mx < e.x + 21 && e.y + 10 < my && my < e.y + 25)) continue;
        if (e.Index >= 0) {
            if (!OM_Objekt_gueltig(e.Index)) {
                Fehler_melden("MO_Objekt_Mouseover > Objekt existiert nicht: " + std::to_string(e.Index));
                return;
            }
            MO_Objekt_gueltig = true;
            MO_Objekt_unter_Maus = e.Index;
            MO_Objektart_unter_Maus = objektart(e.Index);
        } else if (e.Index < -100) {
            MO_Objekt_gueltig = true;
            MO_Objekt_unter_Maus = -(e.Index + 1000);
            MO_Objektart_unter_Maus = MO_Art_Planung;
        }
        return;
    }
}

void MO_Infostream_Mouseover() {
    const int n = meldungen();
    const bool bleibt = MO_Info_unter_Maus && MO_Info_Index >= 0 && MO_Info_Index < n &&
                        im_Kasten(meldungskasten(MO_Info_Index));
    MO_Info_unter_Maus = false;
    for (int i = 0; i < n; ++i) {
        if (!im_Kasten(meldungskasten(i))) continue;
        MO_Info_unter_Maus = true;
        if (!bleibt) {
            const GUI_Info& m = GUI_Infoliste[static_cast<std::size_t>(i)];
            MO_Info_Event = m.Event;
            MO_Info_Wert = m.Wert;
            MO_Info_Index = i;
        }
        return;
    }
}

bool MO_im_Bauplatz(int x, int y, int mx, int my) {
    const int unten = y + 22;
    if (my > unten || my <= unten - 10) return false;
    const int links = x + 6 + (unten - my);
    return links <= mx && mx < links + 20;
}

void MO_Bauplatz_waehlen(int panel, int area, bool click) {
    if (!Platzierungsmodus) return;
    const ITP_Mausfeld* m = feld(panel, area);
    if (!m) return;
    const int popup = (*m)[ITP_Maus_Popup];
    const int ende = std::min(BPU_Sichtliste_Ende, static_cast<int>(BPU_Sichtliste.size()) - 1);
    int mx = 0, my = 0;
    Weltmaus(mx, my);
    for (int i = 0; i <= ende; ++i) {
        const BPU_Eintrag e = BPU_Sichtliste[static_cast<std::size_t>(i)];
        if (!MO_im_Bauplatz(e.x, e.y, mx, my)) continue;
        Sichtliste_Art_unter_Maus = e.Art;
        if (!GU_Clan_gueltig(SpielerID)) {
            Fehler_melden("MO_Bauplatz_waehlen > SpielerID ohne Zeile: " + std::to_string(SpielerID));
            return;
        }
        Spielerzeile& mensch = Spieler[static_cast<std::size_t>(SpielerID)];
        if (mensch.Gold() <= e.Art) return;
        Sichtliste_Index_unter_Maus = e.Index;
        Mouseoverfunktion_Nummer = Bau_Testmodus == 3 ? 20 : 27;
        Mouseoverfunktion_Wert = popup;
        if (!click) return;
        const bool startgebaeude = mensch.Startphase() == 1;
        if (!BPU_Baustelle_setzen(e.Index, Bau_Typ, SpielerID)) return;
        Platzierungsmodus = false;
        if (!startgebaeude) return;
        if (!MG_Feld_gueltig(e.Index)) {
            Fehler_melden("MO_Bauplatz_waehlen > Feld existiert nicht: " + std::to_string(e.Index));
            return;
        }
        NGU_Clanname_setzen(SpielerID, Spielername);
        PM_Startbevoelkerung_anlegen(e.Index, SpielerID);
        Spielerzeile& s = Spieler[static_cast<std::size_t>(SpielerID)];
        s.Heimatfeld() = e.Index;
        s.Startfeld() = e.Index;
        IU_Spieler_auf_Insel_addieren(Karte[static_cast<std::size_t>(e.Index)].Insel(), SpielerID, 1);
        GUI_Info_add(2, e.Index, NGU_Clanname(SpielerID));
        return;
    }
}

void MO_Panelstufe_zuruecksetzen() {
    MO_Objekt_gueltig = false;
    MO_Objekt_unter_Maus = -1;
    MO_Objektart_unter_Maus = 0;
    MO_Info_unter_Maus = false;
    MO_Info_Event = 0;
    MO_Info_Wert = -1;
    MO_Info_Index = -1;
}
