#include "ui/Tooltip.h"

#include <GL/gl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "economy/Arbeiterslots.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Spieler.h"
#include "economy/Warenindex.h"
#include "economy/Warenstatistik.h"
#include "foundation/Fehler.h"
#include "foundation/Namen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "population/Statustexte.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"
#include "population/Personennamen.h"
#include "render/Interfaceatlas.h"
#include "render/Modelliste.h"
#include "render/Textur.h"
#include "ui/Fensterprimitive.h"
#include "ui/InterfacePanel.h"
#include "ui/Dollarcodes.h"
#include "ui/Fenstertexte.h"
#include "foundation/Zeichenbreiten.h"
#include "ui/Textsenke.h"
#include "ui/Interaktiv.h"
#include "ui/Schaltertexte.h"

namespace {

constexpr int kKachel = 28;
// Lines start 10 pixels in from the tile's left edge; a stretched tile leaves as much at the right.
constexpr int kText_Einzug = 10;

bool kachelhintergrund(int n) {
    return (n >= 1 && n <= 25) || (n >= 28 && n <= 80) || n == 82 || n == 83 || (n >= 85 && n <= 105);
}

// The popup tooltips of the placement list and the special click areas need the game bar.
bool popup_sichtbar(int n) {
    if (n == 106) return true;
    if (n != 27 && n != 81 && n != 84) return false;
    return ITP_Panel_sichtbar(ITP_SingelGameAktiv) || ITP_Panel_sichtbar(ITP_SingelGameTutorial);
}

// The tile at (X, Y), stretched to `breite` pixels where that is wider than the tile.
void kachel(int X, int Y, int breite = TPU_Kachelbreite) {
    if (ML_Interfacepack) ML_Interfacepack->BindTexture(true);
    if (breite > TPU_Kachelbreite) {
        glPushMatrix();
        glTranslatef(static_cast<float>(X), 0, 0);
        glScalef(static_cast<float>(breite) / TPU_Kachelbreite, 1, 1);
        IFU_Icon_zeichnen(0, Y, 100, kKachel);
        glPopMatrix();
    } else {
        IFU_Icon_zeichnen(X, Y, 100, kKachel);
    }
    if (ML_Interfacepack) ML_Interfacepack->UnbindTexture(true);
}

void popup_hintergrund(int X, int Y) {
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_EQUAL, 1.0f);
    if (ITF_Textur) ITF_Textur->BindTexture(true);
    IFU_Icon_zeichnen_Set2(X - 90, Y + 3, 100, ITF_MousePopup);
    if (ITF_Textur) ITF_Textur->UnbindTexture(true);
    glDisable(GL_ALPHA_TEST);
}

// Heading centred, then the six wrapped body lines; each string formatted by its dollar code.
void popuptext(int X, int Y) {
    const int i = Mouseoverfunktion_Wert;
    if (i < 0 || static_cast<std::size_t>(i) >= ITP_PopUps.size()) return;
    const ITP_Popup& p = ITP_PopUps[static_cast<std::size_t>(i)];
    TPU_Textsenke& s = TPU_Senke();
    std::string t;
    TPU_Dollarcode_formatieren(p[0], t);
    s.Print_zentriert(X + 45, Y + 23, t);
    for (int k = 0; k < 6; ++k) {
        TPU_Dollarcode_formatieren(p[static_cast<std::size_t>(2 + k)], t);
        s.Print2(X - 80, Y + 39 + 16 * k, t);
    }
}

// A fixed help text: its heading and its lines.
struct Hilfe {
    std::string titel;
    std::vector<std::string> zeilen;
};

void hilfetext(int X, int Y, const Hilfe& h) {
    TPU_Textsenke& s = TPU_Senke();
    s.Print_zentriert(X + 45, Y + 20, h.titel);
    int y = Y + 46;
    for (const std::string& z : h.zeilen) {
        s.Print2(X - 80, y, z);
        y += 16;
    }
}

std::string auftragstext(const Personenzeile& p, int person) {
    std::string t;
    FFU_JobInteger_zu_Berufname(p.AuftragID(), person, t);
    return t;
}

void arbeiterkarte(int X, int Y, int person) {
    TPU_Textsenke& s = TPU_Senke();
    const Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    s.Print_zentriert(X + 45, Y + 20, NGU_Personenname(person));
    if (p.AuftragID() == 0) {
        s.Farbe(0.5f, 0, 0);
        s.Print2(X - 80, Y + 46, "Jetzt: " + auftragstext(p, person));
        const int clan = p.Spieler();
        if (!GU_Clan_gueltig(clan))
            Fehler_melden("Showtext->Mouseoverfunktion: Clan nicht abgefangen = " + std::to_string(clan));
        std::string grund;
        if (GU_Clan_gueltig(clan) && Spieler[static_cast<std::size_t>(clan)].Gold() < 10)
            grund = "Du hast die Person nicht auszahlen";
        else if (p.Glueck() == 0)
            grund = "STREIK, Mitglied ist unzufrieden";
        else
            grund = "Kein Material gefunden";
        s.Print2(X - 80, Y + 62, grund);
        s.Farbe(0, 0, 0);
    } else {
        s.Print2(X - 80, Y + 46, "Jetzt: " + auftragstext(p, person));
        s.Print2(X - 80, Y + 62, std::to_string(p.Gold()) + W(" Goldstücke"));
        s.Print2(X - 80, Y + 78, std::to_string(p.Alter()) + " Jahre alt");
    }
    s.Print2(X - 80, Y + 94, std::to_string(p.Glueck()) + "% Zufriedenheit");
}

void familienkarte(int X, int Y, int person) {
    TPU_Textsenke& s = TPU_Senke();
    const Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    // A heading and six rows of 16 pixels below it: the background is one tile longer than the
    // three the other tooltips have, so that no row touches the heading or hangs below.
    s.Farbe(1, 1, 1);
    kachel(X - 90, Y + 79);
    enum Reihe { Nahrung, Geld, Alter, Kinder, Partner, Zeit };
    auto zeile = [&](Reihe r, bool gut, const std::string& text) {
        if (gut)
            s.Farbe(0, 0.5f, 0);
        else
            s.Farbe(0.5f, 0, 0);
        s.Print2(X - 80, Y + 40 + 16 * r, text);
    };
    s.Farbe(0, 0, 0);
    s.Print2(X - 20, Y + 20, "Zuwachs-Bedingung:");

    const int clan = p.Spieler();
    const int mitglieder = GU_Clan_gueltig(clan) ? Spieler[static_cast<std::size_t>(clan)].Mitglieder() : 0;
    const bool nahrung = GU_Clan_gueltig(clan) && LGK_Nahrung_des_Spielers(clan) > mitglieder;
    zeile(Nahrung, nahrung, nahrung ? "Nahrung ist ausreichend." : "Clan braucht mehr Nahrung.");

    const int partner = p.PartnerID();
    zeile(Partner, partner > -1, partner > -1 ? "Partner lebt." : "Partner ist tot.");
    if (partner > -1) {
        // A partner row that does not exist has no money.
        const bool geld = PM_Person_gueltig(partner) && p.Gold() > 49 &&
                          Personen[static_cast<std::size_t>(partner)].Gold() > 49;
        zeile(Geld, geld,
              geld ? W("Familie kann Kinder ernähren.") : W("Familie hat nicht genug Geld für Essen."));
    }

    if (p.Geschlecht() == 2) {
        if (p.Alter() < 15)
            zeile(Alter, false, "Frau ist zu jung.");
        else if (p.Alter() > 49)
            zeile(Alter, false, "Frau ist zu alt.");
        else
            zeile(Alter, true, "Frau ist im richtigen Alter.");
        bool kinderplatz = false;
        for (int k = 0; k < 5; ++k) kinderplatz = kinderplatz || p.KindID(k) == -1;
        zeile(Kinder, kinderplatz, kinderplatz ? "Mitglied will Kinder." : W("Bloß keine Kinder mehr."));
        const bool zeit = p.AuftragID() == 0;
        zeile(Zeit, zeit,
              zeit ? W("Hat Zeit für Kinder.") : auftragstext(p, person) + " Kinder? Keine Zeit!");
    } else {
        zeile(Alter, true, "Mann im richtigen Alter.");
    }
    s.Farbe(0, 0, 0);
}

void edikteffekt(int X, int Y) {
    TPU_Edikt_Effekt_Text(IAU_Aktuelles_Edikt, Mouseoverfunktion_Wert);
    const int h = static_cast<int>(TPU_Edikt_Effektzeilen.size()) - 1;
    TPU_Textsenke& s = TPU_Senke();
    if (h > 5) {
        s.Farbe(1, 1, 1);
        if (ML_Interfacepack) ML_Interfacepack->BindTexture(true);
        for (int k = 6; k <= h; ++k) IFU_Icon_zeichnen(X - 90, Y + 63 + 16 * (k - 5), 100, kKachel);
        if (ML_Interfacepack) ML_Interfacepack->UnbindTexture(true);
        s.Farbe(0, 0, 0);
    }
    if (h < 0) return;
    s.Print_zentriert(X + 45, Y + 20, TPU_Edikt_Effektzeilen[0]);
    for (int k = 1; k <= h; ++k)
        s.Print2(X - 80, Y + 30 + 16 * k, TPU_Edikt_Effektzeilen[static_cast<std::size_t>(k)]);
}

void warenslot(int X, int Y) {
    const int w = Mouseoverfunktion_Wert;
    if (!OM_Objekt_gueltig(Gewaehltes_Objekt) || w < 16 || w + 3 >= Objektfeld_Anzahl) {
        Fehler_melden("Showtext->Mouseoverfunktion: Warenslot nicht abgefangen = " +
                      std::to_string(Gewaehltes_Objekt) + "/" + std::to_string(w));
        return;
    }
    const Objektzeile& o = Objekte[static_cast<std::size_t>(Gewaehltes_Objekt)];
    TPU_Wareninfo(X, Y, 0, 0, o.feld(w));
    TPU_Senke().Print2(X - 80, Y + 110,
                       "Von " + std::to_string(o.feld(w + 1)) + " Bestand sind " +
                           std::to_string(o.feld(w + 3)) + W(" für Abholung reserviert."));
}

// The demolition button of the object info window: what a click does to the shown object.
std::optional<Hilfe> abrisshilfe() {
    const int o = Gewaehltes_Objekt;
    if (!OM_Objekt_gueltig(o)) return std::nullopt;
    const std::string titel = W("Abreißen");
    if (OM_Abriss_verweigert(o))
        return Hilfe{titel,
                     {"In diesem Haus wohnen noch Mitglieder.", "Ein bewohntes Haus kann nicht",
                      "abgerissen werden."}};
    if (OM_Baumaterial_fehlt(o) && OB_Hat_Arbeiter(o) && OM_Objekt_ist_Home(o))
        return Hilfe{
            titel,
            {"Der Ausbau wird aufgegeben. Das Haus", "wird abgerissen, sobald niemand mehr", "darin wohnt."}};
    if (OM_Baumaterial_fehlt(o))
        return Hilfe{titel,
                     {"Der Bau wird aufgegeben und das", W("Gebäude abgerissen. Geliefertes"),
                      "Baumaterial geht verloren."}};
    return Hilfe{titel,
                 {W("Das Gebäude wird geräumt: Arbeiter"), "gehen, die Waren werden entsorgt.",
                  "Ist nichts mehr abzuholen, bleibt", W("eine Ruine, die mit der Zeit zerfällt.")}};
}

// The fixed help text of a tooltip number, if it has one.
std::optional<Hilfe> hilfe(int n) {
    switch (n) {
        case 55:
            return abrisshilfe();
        case 101:
            return Hilfe{"Neuen Hafen errichten",
                         {"Eins deiner Schiffe wird in", "einer anderen Region gelandet",
                          "und dort zu einen Hafen umgebaut.", "Bedenke dabei das dieses Schiff",
                          "dabei verloren geht."}};
        case 102:
            return Hilfe{
                "Mitglieder bestellen",
                {"Auf allen verbundenen Inseln werden", "die Singels angesprochen, ob sie nicht",
                 W("in dieser Region für den Clan arbeiten"), W("möchten. Die Zahl gibt an wieviele noch"),
                 "kommen sollen. Sie ist auf 10 begrenzt"}};
        case 104:
            return Hilfe{
                "Hilfe",
                {"Wenn du die Aufforderung ignorierst,", "bekommen alle deine Mitglieder jeden Monat",
                 W("für JEDE offene Forderung -1 zufriedenheit."),
                 "Es kann sinnvoll sein ein wengig zu warten.", "Es Bringt dich aber nicht vorran."}};
        case 105:
            return Hilfe{
                "So soll es sein",
                {W("Mit der Bestätigung wird deine Entscheidung"),
                 W("zum Gesetz. Überlege dir gut, ob es wirklich"), "die besste Wahl ist. Du kannst deine",
                 "Entscheidung manchmal auch zeitlich begrenzen,", "um her raus zu finden wie sie wirkt."}};
        default:
            return std::nullopt;
    }
}

bool person_pruefen(int person) {
    if (PM_Person_gueltig(person)) return true;
    Fehler_melden("Showtext->Mouseoverfunktion: Person nicht abgefangen = " + std::to_string(person));
    return false;
}

}  // namespace

int TPU_Tooltip_Kachelbreite(int N) {
    int breite = TPU_Kachelbreite;
    if (const std::optional<Hilfe> h = hilfe(N))
        for (const std::string& z : h->zeilen)
            breite = std::max(breite, kText_Einzug + TPU_Textbreite_Font2(z) + kText_Einzug);
    return breite;
}

void TPU_Tooltip_Anker(int x, int y, int breite, int hoehe, int& X, int& Y) {
    X = std::max(x, 90);
    Y = std::max(y, 20);
    X = std::min(X, breite - 200);
    if (Y > hoehe - 150) Y -= 150;
}

void TPU_Tooltip_Anker_Bauplatz(int x, int y, int breite, int hoehe, int& X, int& Y) {
    int b = 288, h = 128;  // the popup background's size
    if (ITF_MousePopup > 0 && static_cast<std::size_t>(ITF_MousePopup) < ITF_Texturkoordinaten.size()) {
        const ITF_Rechteck& r = ITF_Texturkoordinaten[static_cast<std::size_t>(ITF_MousePopup)];
        b = 16 * (r.cellX1 - r.cellX0);
        h = 16 * (r.cellY1 - r.cellY0);
    }
    constexpr int kOben = 100, kUnten = 112, kAbstand = 40;
    const int links = breite / 2 - b / 2;
    int oben = hoehe - kUnten - h;
    if (x > links - kAbstand && x < links + b + kAbstand && y > oben - kAbstand) oben = kOben;
    // The background stands at (X - 90, Y + 3).
    X = links + 90;
    Y = oben - 3;
}

void TPU_Tooltip() {
    const int N = Mouseoverfunktion_Nummer;
    if (N == 0) return;
    int X = 0, Y = 0;
    const int breite = kachelhintergrund(N) ? TPU_Tooltip_Kachelbreite(N) : TPU_Kachelbreite;
    if (N == 27 && Platzierungsmodus)
        TPU_Tooltip_Anker_Bauplatz(MoPosEcht_X, MoPosEcht_Y, Shell().Formbreite(), Shell().Clienthoehe(), X,
                                   Y);
    else
        // A wider tile keeps as far from the right edge as the tile does.
        TPU_Tooltip_Anker(MoPosEcht_X, MoPosEcht_Y, Shell().Formbreite() - (breite - TPU_Kachelbreite),
                          Shell().Clienthoehe(), X, Y);
    MoPosFenstermitte_X = X;
    MoPosFenstermitte_Y = Y;

    TPU_Textsenke& s = TPU_Senke();
    s.Farbe(1, 1, 1);
    const bool popup = popup_sichtbar(N);
    if (kachelhintergrund(N)) {
        for (int k = 0; k < 3; ++k) kachel(X - 90, Y + 3 + 30 * k, breite);
    } else if (popup) {
        popup_hintergrund(X, Y);
    } else if (N != 26 && N != 27 && N != 81 && N != 84) {
        Fehler_melden("Showtext->Mouseoverfunktion: Hintergrundbild nicht abgefangen = " + std::to_string(N));
    }

    s.Farbe(0, 0, 0);
    switch (N) {
        case 20:
            s.Print_zentriert(X + 45, Y + 20, "FeldID[" + std::to_string(Sichtliste_Index_unter_Maus) + "]");
            s.Print_zentriert(X + 45, Y + 46, "Signal[" + std::to_string(Sichtliste_Art_unter_Maus) + "]");
            break;
        case 27:
        case 81:
        case 84:
        case 106:
            if (popup) popuptext(X, Y);
            break;
        case 82:
            warenslot(X, Y);
            break;
        case 83:
            s.Print(X - 40, Y + 20, "Arbeitsplatz");
            s.Print2(X - 40, Y + 46, "Dieser Arbeitsplatz ist nicht besetzt.");
            s.Print2(X - 40, Y + 62, "Wenn du mit der linken Taste auf den");
            s.Print2(X - 40, Y + 78, W("Arbeitsplatz drückst, kannst du eins"));
            s.Print2(X - 40, Y + 94, "deiner Mitglieder fest einstellen.");
            s.Print2(X - 40, Y + 110, W("Genauso schmeißt du ihn wieder raus."));
            break;
        case 87:
            s.Print(X - 40, Y + 20, "Mousover-Funktionstest");
            s.Print2(X - 80, Y + 46, "Wenn du mich siehst, hat der Programmierer");
            s.Print2(X - 80, Y + 62, "schei... gebaut. Sag bitte Bescheid wo du");
            s.Print2(X - 80, Y + 78, "mich gefunden hast. Hier die Werte :");
            s.Print2(X - 80, Y + 94, "moposX " + std::to_string(X));
            s.Print2(X - 80, Y + 110, "moposY " + std::to_string(Y));
            break;
        case 95:
            if (person_pruefen(Mouseoverfunktion_Wert)) arbeiterkarte(X, Y, Mouseoverfunktion_Wert);
            break;
        case 96:
            if (person_pruefen(Mouseoverfunktion_Wert)) familienkarte(X, Y, Mouseoverfunktion_Wert);
            break;
        case 99:
            TPU_Wareninfo(X, Y, 0, 0, Mouseoverfunktion_Wert);
            break;
        case 55:
        case 101:
        case 102:
        case 104:
        case 105:
            if (const std::optional<Hilfe> h = hilfe(N)) hilfetext(X, Y, *h);
            break;
        case 103:
            edikteffekt(X, Y);
            break;
        default:
            // The switches of the windows of standing edicts say what they do.
            if (const int schalter = TPU_Schalter_von_Tooltip(N); schalter >= 0)
                TPU_Schalter_Tooltip_zeigen(X, Y, schalter);
            else if (N == 80 || N == 97 || N == 98 || N < 0 || N > 106)
                s.Print(X - 80, Y + 20, "INFOPANELAKTIV INHALT UNBEKANNT " + std::to_string(N));
            break;
    }
    s.Farbe(1, 1, 1);
}
