#include "ui/Statistiktexte.h"

#include <algorithm>
#include <string>

#include "economy/Diagramm.h"
#include "economy/Logik.h"
#include "economy/Warenstatistik.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "ui/Textdaten.h"
#include "ui/Textsenke.h"
#include "persistence/Spielstaende.h"
#include "population/Arbeitsauftraege.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Fenster_Lobby.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "world/Inseln.h"

namespace {

// The caption of clan series s (1..26): label and value; an empty label for another series.
std::pair<std::string, long long> clanreihe(int s, const Spielerzeile& p) {
    const long long m = p.Mitglieder();
    // Averages over no members read 0.
    auto schnitt = [m](long long summe) { return m == 0 ? 0 : Floor_div(summe, m); };
    switch (s) {
        case 1:
            return {"Anzahl der Mitglieder (", m};
        case 2:
            return {"Anzahl der Frauen (", p.Frauen()};
        case 3:
            return {W("Anzahl der Männer ("), p.Maenner()};
        case 4:
            return {"Durchschnittsalter (", schnitt(p.Alter_Summe())};
        case 5:
            return {"Arbeitslos (", p.Arbeitslose()};
        case 6:
            return {"Arbeitsloser durch Produktionsstopp (", p.Arbeitslose_Fach()};
        case 7:
            return {"Arbeiter im Transport (", p.Arbeit_Produktion()};
        case 8:
            return {"Arbeiter im Bauindustrie (", p.Arbeit_Auftrag()};
        case 9:
            return {"Arbeiter im Produktinsgewerbe (", p.Arbeit_Rohstoff()};
        case 10:
            return {"Organisation (z.B Sich Essen holen) (", p.Ohne_Arbeit()};
        case 11:
            return {W("Gesamt Loyalität in % ("), schnitt(p.Zufriedenheit())};
        case 12:
            return {"Clanpunkte (addierte Zufriedenheit) (", p.Zufriedenheit()};
        case 13:
            return {"Anzahl zufriedener Mitglieder (", p.Zufriedene()};
        case 14:
            return {"Anzahl Mitglieder (Neutral eingestellt) (", p.Mittelzufriedene()};
        case 15:
            return {"Anzahl unzufriedener Mitglieder (", p.Unzufriedene()};
        case 16:
            return {W("Anzahl der Gebäude (Baustelle & Fertige) ("), p.Baustellen_gesamt()};
        case 17:
            return {"Baustellen (", p.Baustellen()};
        case 18:
            return {"Wohnraum (", p.Wohnraum()};
        case 19:
            return {"Gold (", p.Gold()};
        case 20:
            return {W("Bilanz Löhne - Verkauf an eigenen Clan ("), p.Konto_Clan()};
        case 21:
            return {"Verkaufe und Einkauf bei externe Personen (", p.Konto_Spieler()};
        case 22:
            return {"Aus und Einnahmen durch Edikte (", p.Konto_Edikt()};
        case 23:
            return {"Gesamte anzahl aller Waren (", TPU_Waren_des_Spielers(SpielerID)};
        case 24:
            return {"Gesamte anzahl aller Nahrungsmittel (", LGK_Nahrung_des_Spielers(SpielerID)};
        case 25:
            return {W("Anzahl Luxusgüter (Möbel, Kleider...) ("), LGK_Luxus_des_Spielers(SpielerID)};
        case 26:
            return {"Anzahl der Flugschiffe (", p.Flugschiffe()};
        default:
            return {std::string(), 0};
    }
}

}  // namespace

void TPU_Statistiktexte(int dx, int dy) {
    TPU_Textsenke& senke = TPU_Senke();
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    senke.Print2(cx - 245 + dx, cy + 32 + dy, TPU_Zahl(DiaU_Max_Punkt));
    senke.Print2(cx - 245 + dx, cy + 210 + dy, TPU_Zahl(DiaU_Min_Punkt));
    senke.Print2(
        cx - 250 + dx, cy + 235 + dy,
        "|60                 |50                 |40                 |30                 |20         "
        "        |10               |");
    if (Statistik_Kategorie == 1 || Statistik_Kategorie == 2) {
        const int n = static_cast<int>(SBU_Warengruppen.size()) - 1;
        const int abstand = n > 1 ? 469 / (n - 1) : 0;
        for (int i = 1; i <= n; ++i)
            senke.Print_zentriert(cx + 383 + dx, cy - 229 + (i - 1) * abstand, SBU_Warengruppen[i].Name);
        senke.Print(cx - 240 + dx, cy + 8 + dy,
                    (Statistik_Kategorie == 1 ? "Warenbestand: " : "Produktion: ") +
                        TPU_Warentitel(Statistik_Reihe, "TPU_Statistiktexte"));
    } else if (Statistik_Kategorie == 3) {
        senke.Print(cx - 240 + dx, cy + 8 + dy, "Clandaten:");
        const Spielerzeile* p = TPU_Mensch();
        if (!p) return;
        const auto [label, wert] = clanreihe(Statistik_Reihe, *p);
        if (!label.empty()) senke.Print(cx - 90 + dx, cy + 8 + dy, label + TPU_Zahl(wert) + ")");
    }
}

void TPU_Edikt_Intraktiv_Panel_Text(int dx, int dy, int Edikt) {
    static constexpr const char* routine = "TPU_Edikt_Intraktiv_Panel_Text";
    if (Edikt < 0 || static_cast<std::size_t>(Edikt) >= IAU_Edikte.size()) {
        Fehler_melden(std::string(routine) + " -> Edikt nicht abgefangen :" + std::to_string(Edikt));
        return;
    }
    const Edikt_Data& e = IAU_Edikte[Edikt];
    TPU_Textsenke& senke = TPU_Senke();
    const int X = IFU_Fenstermitte_X + dx, Y = IFU_Ediktfenster_Mitte_Y() + dy;
    senke.Print_zentriert(X, Y - 320, e.Titel);
    for (std::size_t i = 0; i < IAU_Textzeilen.size(); ++i)
        senke.Print(X - 240, Y - 320 + 25 * static_cast<int>(i + 1), IAU_Textzeilen[i]);
    // The counts come from the edict's file: never beyond the laws and durations it has.
    const int gesetze = std::min(e.Count, static_cast<int>(e.Gesetze.size()) - 1);
    for (int k = 0; k <= gesetze; ++k) senke.Print(X - 190, Y - 138 + 40 * (k + 1), e.Gesetze[k].Titel);
    const int zeiten = std::min(e.Timestep, static_cast<int>(e.Zeiten.size()) - 1);
    static constexpr struct {
        int fuer_x;
        const char* dauer;
        int dauer_x;
    } wahl[4] = {
        {-187, "10 Jahre", -200}, {-60, "50 Jahre", -75}, {60, "100 Jahre", 50}, {191, "immer", 180}};
    for (int j = 0; j <= zeiten; ++j) {
        const int code = e.Zeiten[j];
        if (code < 0 || code > 3) {
            Fehler_melden(std::string(routine) + " -> Zeitkomponente(" + std::to_string(Edikt) +
                          W(") -> hat ungültigen Timestep(") + std::to_string(code) + ")");
            continue;
        }
        senke.Print_zentriert(X + wahl[code].fuer_x, Y + 195, W("für"));
        senke.Print_zentriert(X + wahl[code].dauer_x, Y + 220, wahl[code].dauer);
    }
}

void TPU_Inseluebersicht() {
    TPU_Textsenke& senke = TPU_Senke();
    senke.Print(100, 100, W("Kontinent/Insel Übersicht"));
    const int n = std::min<int>(static_cast<int>(IU_Inseln.size()), 29);
    senke.Print(100, 120,
                "Inseln :" + TPU_Zahl(n) + " | Wasser:" + TPU_Zahl(IU_Landklassen[0]) +
                    " | Strand:" + TPU_Zahl(IU_Landklassen[1]) + " | Land:" + TPU_Zahl(IU_Landklassen[2]) +
                    " | Berg:" + TPU_Zahl(IU_Landklassen[3]) + " | Schnee:" + TPU_Zahl(IU_Landklassen[4]));
    int k = 0;
    for (int i = 0; i < n; ++i) {
        const IU_Item& insel = IU_Inseln[i];
        std::string clans;
        for (std::size_t j = 0; j < insel.Anwesenheit.size(); ++j)
            if (IU_Spieler_auf_Insel(i, static_cast<int>(j)))
                clans +=
                    "SP" + TPU_Zahl(static_cast<long long>(j)) + ":" + TPU_Zahl(insel.Anwesenheit[j]) + " | ";
        if (clans.empty()) continue;
        ++k;
        senke.Print(100, 120 + 20 * k,
                    "Insel ID:" + TPU_Zahl(i) + W(" | Baufläche:") + TPU_Zahl(insel.Bauland) +
                        " | KI darf bauen: " + FFU_Bool_zu_JaNein(insel.Frei) + " |" + clans);
    }
}
