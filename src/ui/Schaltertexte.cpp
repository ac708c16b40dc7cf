#include "ui/Schaltertexte.h"

#include "foundation/Fehler.h"
#include "foundation/Spielstatus.h"
#include "foundation/Zeichenbreiten.h"
#include "platform/base/Text1252.h"
#include "ui/Textsenke.h"

namespace {

TPU_Schalter_Beschreibung ohne_wirkung() {
    return {"(frei)", "Freies Gesetz", {W("Dieser Schalter hat noch keine Wirkung."), "", "", "", ""}};
}

const std::array<TPU_Schalter_Beschreibung, TPU_Schalter_Anzahl>& tabelle() {
    static const std::array<TPU_Schalter_Beschreibung, TPU_Schalter_Anzahl> t = [] {
        std::array<TPU_Schalter_Beschreibung, TPU_Schalter_Anzahl> a;
        a.fill(ohne_wirkung());
        // Window 1: money (entries 0, 3, ..., 24).
        a[0] = {"Umverteilung",
                "Umverteilung",
                {W("Mitglieder mit mehr als 249 Gold zahlen"), "jeden Monat 5 Gold in die Gemeinschafts-",
                 "kasse (-1 Zufriedenheit). Aus der Kasse", "bekommen Mitglieder mit weniger als",
                 "51 Gold je 5 Gold (+1 Zufriedenheit)."}};
        a[3] = {"Armenhilfe",
                "Armenhilfe",
                {"Der Clan zahlt Mitgliedern mit weniger", "als 51 Gold jeden Monat 5 Gold",
                 "(+1 Zufriedenheit), solange er selbst", "mindestens 51 Gold hat.", ""}};
        a[6] = {"Steuer",
                "Steuer",
                {"Jedes Mitglied zahlt dem Clan jeden", "Monat 1 Gold, wenn es eins hat.",
                 "Alle Mitglieder verlieren dabei jeden", "Monat 5 Zufriedenheit.", ""}};
        a[15] = {"Abgabe",
                 "Wohnabgabe",
                 {"Wer ein Haus bewohnt, zahlt jeden Monat", "1 Gold an den Clan und verliert",
                  "1 Zufriedenheit.", "", ""}};
        a[18] = {"Arbeitsamt",
                 "Arbeitsamt",
                 {"Das Arbeitsamt vermittelt Mitglieder", W("ohne Arbeit an offene Arbeitsplätze"),
                  W("des Clans."), "", ""}};
        // Window 2: family (entries 1, 4, ..., 25).
        a[1] = {"Schule",
                "Schulbildung",
                {"Jedes Kind lernt 10 Stufen in jeder", W("seiner Fähigkeiten dazu; der Clan zahlt"),
                 W("dafür 10 Gold in die Gemeinschaftskasse."), "Hat der Clan 9 Gold oder weniger,",
                 "endet die Schulbildung."}};
        a[4] = {"Rente",
                "Rente",
                {"Alte Mitglieder bekommen 1 Gold vom", "Clan und kaufen weiter Essen, solange",
                 "der Clan mindestens 101 Gold hat.", "Sie leben so bis zum Alter von 85.", ""}};
        a[7] = {"Kindergeld",
                "Kindergeld",
                {"Jedes neugeborene Kind bekommt 20 Gold", "vom Clan, solange der Clan mehr als",
                 "119 Gold hat.", "", ""}};
        // Window 3: neighbours (entries 2, 5, ..., 26).
        a[2] = {"Nur Eigene",
                "Nur eigene Frauen",
                {W("Männer des Clans heiraten nur Frauen"), "aus dem eigenen Clan.", "", "", ""}};
        a[5] = {"Exportverbot",
                "Exportverbot",
                {"Fremde Clans und ihre Mitglieder", W("können aus den Gebäuden des Clans"),
                 "keine Waren kaufen oder holen.", "", ""}};
        a[8] = {"Schutz",
                "Abwerbeschutz",
                {"Frauen des Clans heiraten nicht in", W("fremde Clans; eine verhinderte Heirat"),
                 "kostet sie Zufriedenheit.", W("Schließt Neutral, Offen und Bündnis aus."), ""}};
        a[11] = {"Neutral",
                 "Neutral",
                 {W("Keine besonderen Regeln für fremde"), "Clans.", W("Schließt Abwerbeschutz, Offen und"),
                  W("Bündnis aus."), ""}};
        a[14] = {"Offen",
                 "Offener Clan",
                 {W("Fremde Clans dürfen Frauen des Clans"), "heiraten; ein Clan kann so wachsen",
                  "und Mitglieder verlieren.", W("Schließt Abwerbeschutz und Neutral aus."), ""}};
        a[20] = {
            W("Bündnis"),
            W("Bündnis"),
            {W("Verbündete Clans sehen Arbeiter und"), W("Waren der Gebäude des anderen."),
             "Alle Mitglieder bekommen jeden Monat", "+1 Zufriedenheit.", W("Öffnet den Clan (Offen).")}};
        return a;
    }();
    return t;
}

// The three columns and rows of switches, relative to the window centre; 80 pixels each, their
// symbol in the upper part, the label on the free strip at the bottom.
constexpr int kVersatz[3] = {-125, -40, 45};
constexpr int kSchalter = 80;
constexpr int kGrundlinie = 75;

}  // namespace

const TPU_Schalter_Beschreibung& TPU_Schalter_Text(int eintrag) {
    static const TPU_Schalter_Beschreibung leer;
    if (eintrag < 0 || eintrag >= TPU_Schalter_Anzahl) {
        Fehler_melden("TPU_Schalter_Text > Schalter nicht abgefangen : " + std::to_string(eintrag));
        return leer;
    }
    return tabelle()[static_cast<std::size_t>(eintrag)];
}

int TPU_Schalter_Tooltip(int eintrag) {
    if (eintrag < 0 || eintrag >= TPU_Schalter_Anzahl) return -1;
    return eintrag < 25 ? 28 + eintrag : 53 + eintrag - 25;
}

int TPU_Schalter_von_Tooltip(int nummer) {
    if (nummer >= 28 && nummer <= 52) return nummer - 28;
    if (nummer == 53 || nummer == 54) return nummer - 53 + 25;
    return -1;
}

void TPU_Schaltertexte(int ox, int oy) {
    const int w = Schalterfenster1_offen ? 1 : Schalterfenster2_offen ? 2 : Schalterfenster3_offen ? 3 : 0;
    if (w == 0) return;
    TPU_Textsenke& s = TPU_Senke();
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    for (int k = 0; k < 9; ++k) {
        const std::string& kurz = TPU_Schalter_Text(3 * k + w - 1).Kurz;
        const int mitte = cx + kVersatz[k % 3] + kSchalter / 2;
        s.Print2(mitte - TPU_Textbreite_Font2(kurz) / 2 + ox, cy + kVersatz[k / 3] + kGrundlinie + oy, kurz);
    }
}

void TPU_Schalter_Tooltip_zeigen(int X, int Y, int eintrag) {
    const TPU_Schalter_Beschreibung& b = TPU_Schalter_Text(eintrag);
    TPU_Textsenke& s = TPU_Senke();
    s.Print_zentriert(X + 45, Y + 20, b.Titel);
    int y = Y + 46;
    for (const std::string& z : b.Zeilen) {
        if (!z.empty()) s.Print2(X - 80, y, z);
        y += 16;
    }
}
