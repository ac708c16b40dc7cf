#include "ui/Debugseiten.h"

#include <algorithm>
#include <cmath>

#include "app/GLForm.h"
#include "economy/Bauvorschau.h"
#include "economy/KI.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "population/Statustexte.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"
#include "render/Modelliste.h"
#include "ui/MouseOver.h"
#include "ui/Statistiktexte.h"
#include "ui/Textsenke.h"
#include "population/Personenindex.h"
#include "world/Hasen.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Pfade.h"
#include "world/Wachstum.h"

namespace {

using std::to_string;

void P(int x, int y, const std::string& t) { TPU_Senke().Print(x, y, t); }
void titel(const std::string& t) { P(100, 100, t); }
void zeile(int i, const std::string& t) { P(100, 120 + 20 * i, t); }

std::string auftrag(int code, int person) {
    std::string t;
    FFU_JobInteger_zu_Berufname(code, person, t);
    return t;
}

const Personenzeile* lebende(int i) {
    if (!PM_Person_gueltig(i)) return nullptr;
    const Personenzeile& p = Personen[static_cast<std::size_t>(i)];
    return p.Hunger() > 0 ? &p : nullptr;
}

template <class Liste>
int hoechster(const Liste& l) {
    return static_cast<int>(l.size()) - 1;
}

void seite0() {
    titel(W("Mitglieder Übersicht Teil 1"));
    for (int i = 0; i < Personen_hoechster_Index && i < 30; ++i)
        if (const Personenzeile* p = lebende(i))
            zeile(i, "Alter :" + to_string(p->Alter()) + " | Hunger :" + to_string(p->Hunger()) +
                         " | Auftrag :" + auftrag(p->AuftragID(), i));
}

void seite1() {
    titel(W("Mitglieder Übersicht Teil 2"));
    for (int i = 0; i <= std::min(Personen_hoechster_Index, 28); ++i) {
        const Personenzeile* p = lebende(i);
        if (!p) continue;
        std::string t;
        if (p->Geschlecht() == 1)
            t = "Mann | Zufriedenheit :";
        else if (p->Geschlecht() == 2)
            t = "Frau   | Zufriedenheit :";
        else
            continue;
        zeile(i, t + to_string(p->Glueck()) + " | Geld :" + to_string(p->Gold()));
    }
}

void seite2() {
    titel(W("Kaninchen Übersicht [") + to_string(Hase_Anzahl) + "]");
    Hase_Loecher_abgleichen();
    const int letzter = std::min({Hase_Anzahl - 1, 28, hoechster(Hase_Loecher)});
    for (int i = 0; i <= letzter; ++i) {
        const Hasenloch& h = Hase_Loecher[static_cast<std::size_t>(i)];
        zeile(i, "LochID :" + to_string(i) + " | SpTick:" + to_string(h.Brutzaehler) +
                     " | Tiere im Loch:" + to_string(h.Anzahl));
    }
}

std::string indexzeile(const char* name, const Index& ix, const std::string& rest) {
    return std::string(name) + "[0.." + to_string(hoechster(ix.Eintraege)) + "] " +
           to_string(ix.Letzter_Platz + 1) + rest;
}

void seite4() {
    titel("MAIN DATA");
    P(100, 140, "Person");
    P(100, 160,
      to_string(Personen_Suchstart) + "Sprungpunkt / " + to_string(Personen_hoechster_Index) +
          W("Höhe / Personarray [0..") + to_string(hoechster(Personen)) + "]");
    P(100, 180, indexzeile("Arbeiter_Index", Arbeiter_Index, W(" Arbeitslose (Träger)")));
    P(100, 200, indexzeile("SpArbeiter_Index", SpArbeiter_Index, " Arbeitslose (Produkion)"));
    P(100, 220, indexzeile("SingelFrau_Index", SingelFrau_Index, " Singel(Frau)"));
    P(100, 240,
      "Pathanzahl[" + to_string(hoechster(PFU_Pfade)) + "]   Sprungpunkt[" + to_string(PFU_Naechster_freier) +
          "]");
    P(100, 280, "Objekte");
    P(100, 300, "Farmarray[0.." + to_string(Farmarray.size()) + "] " + to_string(Farm_Size) + " Farm_Size");
    P(100, 320, "Objektarray[0.." + to_string(Objekte.size()) + "]");
    P(100, 360, "Mouse");
    P(100, 380, "MoPosEcht[" + to_string(MoPosEcht_X) + " X | " + to_string(MoPosEcht_Y) + " Y]");
    P(100, 400,
      "MoPosFenstermitte[" + to_string(MoPosFenstermitte_X) + " X | " + to_string(MoPosFenstermitte_Y) +
          " Y]");
    P(100, 420,
      "Mousoverfunktion[" + to_string(hoechster(MO_Zonen)) + "Fenster],[" + to_string(BPU_Sichtliste_Ende) +
          W("Bauplätze],[") + to_string(BPU_Objektliste_Ende) + W("Felder für Gebäude]"));
    P(100, 460, "Engine");
    P(100, 480, "Engine.Interval[" + to_string(GLForm ? GLForm->Eventtimer.intervall_ms : 40) + "]");
    P(100, 520, "Kamera");
    P(100, 540, "SichtX[" + to_string(SX) + "]  SichtY[" + to_string(SY) + "]");
    P(100, 560, "Chunkinteger[" + to_string(Chunkinteger) + "]");
    P(100, 600, "Var");
    P(100, 620, "Autosaveinterval[" + to_string(Autosave_Zaehler) + "]");
}

std::string landklasse(int k) {
    const long long n = IU_Landklassen[static_cast<std::size_t>(k)];
    const long long flaeche = static_cast<long long>(MG_Kartengroesse) * MG_Kartengroesse;
    // Rounded half away from zero, in integers; no map, no share.
    const long long anteil = flaeche > 0 ? (n * 200 + flaeche) / (2 * flaeche) : 0;
    return TPU_Zahl_gruppiert(n) + " Felder(" + TPU_Zahl_gruppiert(anteil) + "%)";
}

void seite5() {
    titel("Weltinformation");
    struct Eintrag {
        std::string name, wert;
    };
    const long long erz = Floor_div((static_cast<long long>(IU_Landklassen[3]) + IU_Landklassen[4]) * 2, 9);
    const Eintrag e[] = {
        {"Gesamtzahl aller Inseln",
         TPU_Zahl_gruppiert(static_cast<long long>(IU_Inseln.size())) + W(" Stück")},
        {"Vermutete Erzvorkommen", TPU_Zahl_gruppiert(erz) + W(" Stück")},
        {"Kaninchenbauten", to_string(Hase_Anzahl) + W(" Stück")},
        {W("Gesamtfläche Wasser"), landklasse(0)},
        {W("Gesamtfläche Strand"), landklasse(1)},
        {W("Gesamtfläche (Bau)Land"), landklasse(2)},
        {W("Gesamtfläche Berg"), landklasse(3)},
        {W("Gesamtfläche Schnee"), landklasse(4)},
        {"Ingame Spielzeit",
         TPU_Zahl_gruppiert(SZ) + " Jahre " + to_string(Floor_div(Jahresschritt + 4, 4)) + "Tag"},
        {W("Weltbevölkerung"), to_string(WV) + " Personen"},
        // With nobody alive there is no age to average.
        {"Durchschnittsalter", to_string(WV > 0 ? Floor_div(WAlt, WV) : 0) + " Jahre"},
        {"Geld im Spiel", to_string(GU) + W(" Goldmünzen")},
    };
    int y = 152;
    for (const Eintrag& z : e) {
        P(100, y, z.name);
        P(300, y, z.wert);
        y += 26;
    }
}

void seite6() {
    const int clans = static_cast<int>(Spieler.size());
    if (static_cast<int>(KI_Status.size()) < clans) KI_Status.resize(static_cast<std::size_t>(clans));
    int d = 0;
    for (int i = 0; i < clans; ++i) {
        const Spielerzeile& s = Spieler[static_cast<std::size_t>(i)];
        std::string t = (i < 10 ? "Spieler:   " : "Spieler: ") + to_string(i) + " | ";
        switch (s.Steuerung()) {
            case -2:
                t.clear();
                ++d;
                break;
            case -1:
                t += W("Abrechnung am laufen (wird gelöscht)");
                break;
            case 0:
                t += "Mensch | Baustellen :" + to_string(s.Baustellen()) +
                     " | Arbeitslose :" + to_string(s.Arbeitslose()) + "/" + to_string(s.Mitglieder()) +
                     " | Gold :" + to_string(s.Gold());
                break;
            case 1:
                t += "NPC | Mod:" + to_string(s.KI_Phase()) + " | MA:" + to_string(s.Arbeitslose()) + "/" +
                     to_string(s.Mitglieder()) + " | G:" + to_string(s.Gold()) +
                     " | B:" + to_string(s.KI_Nahrung_im_Bau()) + "(" + to_string(s.KI_Nahrung_Typ()) +
                     ") | " + to_string(s.KI_Wohnung_im_Bau()) + "(" + to_string(s.KI_Wohnung_Typ()) +
                     ") | " + to_string(s.KI_Produktion_im_Bau()) + "(" + to_string(s.KI_Produktion_Typ()) +
                     ")" + KI_Status[static_cast<std::size_t>(i)];
                break;
            default:
                break;
        }
        if (i - d < 30 && !t.empty()) {
            if (i == KI_aktueller_Spieler) TPU_Senke().Farbe(1, 0, 0);
            zeile(i - d, t);
            if (i == KI_aktueller_Spieler) TPU_Senke().Farbe(0, 0, 0);
        }
    }
    titel(W("Clan Übersicht   [") + to_string(d) + "/" + to_string(clans) +
          W("] Clans vollständig gelöscht"));
}

void seite7() {
    titel("Geladene Objekte");
    for (int i = 1; i <= std::min(hoechster(SBU_Objekte), 28); ++i) {
        const Objekt_Item& o = SBU_Objekte[static_cast<std::size_t>(i)];
        std::string t = "Titel: " + o.Kurz + " Ob. Status: " + o.Modus;
        if (o.Modus == "Produktion") {
            t += " Waren: ";
            for (const Warenslot& s : o.Slots) t += to_string(s.WarenID) + "(" + to_string(s.Benutzung) + ")";
        }
        zeile(i, t);
    }
}

void seite8() {
    titel("Geladene Waren");
    for (int i = 1; i <= std::min(hoechster(SBU_Waren), 28); ++i) {
        const Waren_Item& w = SBU_Waren[static_cast<std::size_t>(i)];
        if (!w.benutzt) continue;
        zeile(i, "ID (" + to_string(i) + ") Handelbar:" + FFU_Bool_zu_JaNein(w.Transport != 0) + " " +
                     w.Titel + " (" + w.Group + ")");
    }
}

void seite9() {
    titel("Geladene Skills");
    for (int i = 1; i <= std::min(hoechster(SBU_Skills), 28); ++i) {
        const Skill_Item& s = SBU_Skills[static_cast<std::size_t>(i)];
        if (!s.benutzt) continue;
        zeile(i, "ID (" + to_string(i) + ") Titel:" + s.Titel + " | Beruf:" + s.Berufname +
                     W(" | Tätikkeit:") + s.Taetigkeit);
    }
}

void seite10() {
    titel("Anomalie (Achtung rechenlastige Filterroutine !)");
    int k = 0;
    for (int i = 0; i <= Personen_hoechster_Index; ++i) {
        const Personenzeile* p = lebende(i);
        if (!p || p->Alter() <= 100) continue;
        P(100, 160 + 20 * k,
          "PersonID(" + to_string(i) + ")   Alter(" + to_string(p->Alter()) + ")   Hunger(" +
              to_string(p->Hunger()) + ")   Auftrag(" + auftrag(p->AuftragID(), i) + ")");
        ++k;
    }
}

}  // namespace

std::string TPU_Zahl_gruppiert(long long n) {
    const std::string ziffern = to_string(n < 0 ? -n : n);
    std::string t;
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) t += '.';
        t += ziffern[i];
    }
    return n < 0 ? "-" + t : t;
}

void TPU_Debugseiten() {
    const int fps = GLForm ? static_cast<int>(std::floor(GLForm->FPS)) : 0;
    P(100, 80, to_string(fps) + "Fps (weiter mit F2)");
    switch (Anzeigestufe_F2) {
        case 0:
            seite0();
            break;
        case 1:
            seite1();
            break;
        case 2:
            seite2();
            break;
        case 3:
            TPU_Inseluebersicht();
            break;
        case 4:
            seite4();
            break;
        case 5:
            seite5();
            break;
        case 6:
            seite6();
            break;
        case 7:
            seite7();
            break;
        case 8:
            seite8();
            break;
        case 9:
            seite9();
            break;
        case 10:
            seite10();
            break;
        default:
            break;
    }
}
