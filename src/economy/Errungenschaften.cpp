#include "economy/Errungenschaften.h"

#include <algorithm>
#include <vector>

#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Info.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "population/Personen.h"

std::array<bool, ESU_Flaggen_Anzahl> ESU_Flags{};

namespace {

const std::string kSektion = "USERDATA";
const std::string kSchluessel = "SESSION";
const std::string kTextfehler = "<ESU_TEXT_ERROR>";

// The error text, the three texts of achievement 0, then one text per achievement 1..52.
const std::vector<std::string>& texte() {
    static const std::vector<std::string> t = {
        kTextfehler,
        W("Der schnellste Clan mit 20 Mitglieder!"),
        W("20 Mitglieder, jetzt geht es los!"),
        W("Als letztes hat auch dein Clan 20 Mitglieder!"),
        W("Runter auf 5 Mitgliedern und dann wieder auf 30 rauf, RESPEKT!"),
        W("50 Mitglieder und damit gut dabei!"),
        W("100 Mitglieder, wirst du einen Film mit Namen \"The 100\" drehen?"),
        W("150 Pokemo... ne doch nur Mitglieder."),
        W("200 Clanmitglieder auch Murkel findet es voll OK... "),
        W("250 Spartiaten stehen zu deinen Diensten!"),
        W("300 Mitglieder sind noch 200 zu wenig."),
        W("400 Mitglieder sind auf den Strassen, hier wird es eng..."),
        W("Herzlichen Glückwunsch, dein Clan hat nun gewaltige 500 Mitglieder."),
        W("Deine Lager umfassen nun 100 Waren."),
        W("Deine Lager umfassen nun 150 Waren."),
        W("Deine Lager umfassen nun 200 Waren."),
        W("Deine Lager umfassen nun 300 Waren."),
        W("Deine Lager umfassen nun 500 Waren."),
        W("Deine Lager umfassen nun 750 Waren."),
        W("Deine Lager umfassen nun 1000 Waren."),
        W("Deine Lager umfassen nun 1250 Waren."),
        W("Deine Lager umfassen nun 1500 Waren."),
        W("1750 Waren befinden sich in deinem Besitz."),
        W("Du hast deine ersten 10 Luxuswaren im Lager. Weiter so!"),
        W("Du besitzt 25 Luxuswaren, damit hälst du deine Mitglieder bei Laune."),
        W("50 Luxuswaren, du scheinst dir deiner Sache sicher zu sein."),
        W("Du hast 100 Luxuswaren, Zeit einen Clan zu unterwandern."),
        W("150 Luxusware? Ist es dir noch genug?"),
        W("Schon 200 unverkaufte Luxuswaren im Lager. Ist das wirklich Qualität?"),
        W("250 Luxuswaren das Erste Viertel hast du endlich..."),
        W("Du hast Luxuswaren für 300 Mitglieder auf Vorrat."),
        W("Luxus für die Massen."),
        W("Wenn man den Hals nicht voll bekommt."),
        W("Das Wappentier deines Clans ist nun der Pleitegeier."),
        W("Das Verwaltungsvermögen deines Clans beträgt 1000 Gold."),
        W("Das Verwaltungsvermögen ist auf 2000 Gold angewachsen."),
        W("Das Verwaltungsvermögen beträgt nun 3000 Gold."),
        W("4000 Gold wurden der Wirtschaft entzogen und liegen rum, wann bricht alles zusammen?"),
        W("5000 Gold ohne Verwendung lagern in deinen Tressor."),
        W("Dein Verwaltungsvermögen beträgt 6000 Gold."),
        W("Du hast 7000 Gold auf der hohen Kante, pass auf, das du nicht erschlagen wirst."),
        W("8000 Gold pass auf das dein Klingelbeutel nicht reißt."),
        W("9000 Gold, leitest du einen Clan oder eine Bank?"),
        W("Dein Clan nennt dich Geizhals, herzlichen Glückwunsch."),
        W("Hurra, das erste Zelt steht. Endlich ein Dach übern Kopf."),
        W("Die ersten 4 Wände sind errichtet worden."),
        W("Mit den neuen Dächern, wird das Haus nicht mehr so schnell Nass."),
        W("Mit der neuen Wärmedämmung frieren wir nicht mehr."),
        W("Ein wenig größer darf es schon sein."),
        W("Auch der Sturm kann unserem Haus nix mehr anhaben."),
        W("Fest und sicher. Hier Wohnen wir gerne."),
        W("Ein bisschen mehr Luxus wäre schon schön."),
        W("Was für ein schönes Eigenheim."),
        W("Die Armee der Alten. Das Durchschnittsalter deines Clans ist über 50 mit mindestens 100 "
          "Mitgliedern."),
        W("Einer deiner Mitglieder hat ein erstaunliches Alter von 95 Jahren erreicht."),
        W("Das erste Schiff ist vom Stappel gelau... ähm ...geschwebt."),
    };
    return t;
}

// The viewed clan's row while achievements can be earned; nullptr otherwise.
const Spielerzeile* zaehlt(int clan) {
    if (!KSL || clan != SpielerID || !GU_Clan_gueltig(clan)) return nullptr;
    return &Spieler[static_cast<std::size_t>(clan)];
}

// Awards the first milestone of the table that the value equals: flag erste_flagge + i,
// achievement erste_nummer + i.
template <std::size_t N>
void gleich_pruefen(int wert, const int (&stufen)[N], int erste_flagge, int erste_nummer) {
    for (std::size_t i = 0; i < N; ++i)
        if (wert == stufen[i])
            ESU_Errungenschaft_vergeben(erste_flagge + static_cast<int>(i),
                                        erste_nummer + static_cast<int>(i));
}

// A digit at 1-based position p stands for true exactly when digit + p is odd.
bool ziffer_wahr(int ziffer, int p) { return (ziffer + p) % 2 == 1; }

bool ist_ziffer(char c) { return c >= '0' && c <= '9'; }

// The eight check digits 72..79 of the digits 1..71 (ziffern[0] is position 1).
std::array<int, 8> pruefziffern(const std::string& ziffern) {
    auto d = [&](int p) { return ziffern[static_cast<std::size_t>(p - 1)] - '0'; };
    std::array<int, 8> z{};
    int alle = 0, gerade = 0, ungerade = 0;
    for (int p = 1; p <= 71; ++p) alle += d(p);
    for (int p = 2; p <= 70; p += 2) gerade += d(p);
    for (int p = 3; p <= 71; p += 2) ungerade += d(p);
    z[0] = alle % 10;
    z[1] = gerade % 10;
    z[2] = ungerade % 10;
    for (int g = 0; g < 5; ++g) {
        int summe = 0;
        for (int p = 14 * g + 1; p <= 14 * g + 14; ++p) summe += d(p);
        z[static_cast<std::size_t>(3 + g)] = summe % 10;
    }
    return z;
}

}  // namespace

void ESU_Zuruecksetzen() { ESU_Flags.fill(false); }

std::string ESU_Text(int nummer) {
    if (nummer == 0) return texte()[static_cast<std::size_t>(1 + Random(3))];
    const int index = nummer + 3;
    if (nummer < 0 || index >= static_cast<int>(texte().size())) return kTextfehler + std::to_string(nummer);
    return texte()[static_cast<std::size_t>(index)];
}

void ESU_Errungenschaft_vergeben(int flagge, int nummer) {
    if (flagge < 0 || flagge >= ESU_Flaggen_Anzahl) {
        Fehler_melden("ESU_Errungenschaft_vergeben > unbekannte Errungenschaft: " + std::to_string(flagge));
        return;
    }
    if (ESU_Flags[static_cast<std::size_t>(flagge)]) return;
    ESU_Flags[static_cast<std::size_t>(flagge)] = true;
    ESU_USERDATA_neu();
    // An award is news for the player, not an error: it goes to the info messages,
    // which the error line's silence does not hide.
    GUI_Info_add(GUI_Event_Errungenschaft, -1, ESU_Text(nummer));
}

void ESU_Mitglieder_pruefen(int clan, bool gruendung) {
    const Spielerzeile* s = zaehlt(clan);
    if (!s) return;
    const int m = s->Mitglieder();
    // Down to a handful first: the marker carries no award of its own. A clan being
    // founded has not come down to anything.
    if (!gruendung && m >= 1 && m <= 5) ESU_Flags[1] = true;
    if (m == 30 && ESU_Flags[1]) ESU_Errungenschaft_vergeben(0, 1);
    if (m == 20) ESU_Errungenschaft_vergeben(2, 0);
    static const int stufen[] = {50, 100, 150, 200, 250, 300, 400, 500};
    gleich_pruefen(m, stufen, 3, 2);
}

void ESU_Waren_pruefen(int clan) {
    if (!zaehlt(clan)) return;
    const int summe =
        LGK_Nahrung_des_Spielers(clan) + LGK_Luxus_des_Spielers(clan) + LGK_Sonstiges_des_Spielers(clan);
    static const int stufen[] = {100, 150, 200, 300, 500, 750, 1000, 1250, 1500, 1750};
    gleich_pruefen(summe, stufen, 11, 10);
}

void ESU_Luxus_pruefen(int clan) {
    if (!zaehlt(clan)) return;
    static const int stufen[] = {10, 25, 50, 100, 150, 200, 250, 300, 400, 500};
    gleich_pruefen(LGK_Luxus_des_Spielers(clan), stufen, 21, 20);
}

void ESU_Gold_pruefen(int clan) {
    const Spielerzeile* s = zaehlt(clan);
    if (!s) return;
    const int gold = s->Gold();
    if (gold == 0) ESU_Errungenschaft_vergeben(31, 30);
    // Flags 32..41 for 1000..1999 up to 10000..19999.
    if (gold >= 1000 && gold <= 19999) {
        const int k = std::min(gold / 1000, 10);
        ESU_Errungenschaft_vergeben(31 + k, 30 + k);
    }
}

void ESU_Haus_pruefen(int clan, int stufe) {
    if (!zaehlt(clan)) return;
    if (stufe >= 1 && stufe <= 9) ESU_Errungenschaft_vergeben(41 + stufe, 40 + stufe);
}

void ESU_Alter_pruefen(int clan) {
    const Spielerzeile* s = zaehlt(clan);
    if (!s) return;
    if (s->Mitglieder() > 100 && Quotient_groesser(s->Alter_Summe(), s->Mitglieder(), 50))
        ESU_Errungenschaft_vergeben(51, 50);
}

void ESU_Personen_pruefen(int person) {
    if (!PM_Person_gueltig(person)) {
        Fehler_melden("ESU_Personen_pruefen > unbekannte Person: " + std::to_string(person));
        return;
    }
    const Personenzeile& p = Personen[static_cast<std::size_t>(person)];
    if (!zaehlt(p.Spieler())) return;
    if (p.Alter() > 94) ESU_Errungenschaft_vergeben(52, 51);
}

void ESU_Schiff_pruefen(int clan) {
    if (!zaehlt(clan)) return;
    ESU_Errungenschaft_vergeben(53, 52);
}

// --- The record -----------------------------------------------------------------------

void ESU_USERDATA_neu() {
    std::string ziffern;
    ziffern.reserve(ESU_Datensatz_Laenge);
    for (int p = 1; p <= 71; ++p) {
        const bool wert = p <= ESU_Flaggen_Anzahl ? ESU_Flags[static_cast<std::size_t>(p - 1)] : true;
        int d = 2 * Random(5);
        if (ziffer_wahr(d, p) != wert) d += 1;
        ziffern.push_back(static_cast<char>('0' + d));
    }
    for (int z : pruefziffern(ziffern)) ziffern.push_back(static_cast<char>('0' + z));
    Config_WriteString(Configdatei, kSektion, kSchluessel, ziffern);
}

bool ESU_USERDATA_pruefen(const std::string& datensatz) {
    if (datensatz.size() != static_cast<std::size_t>(ESU_Datensatz_Laenge)) return true;
    for (char c : datensatz)
        if (!ist_ziffer(c)) return true;
    const std::array<int, 8> soll = pruefziffern(datensatz);
    for (std::size_t i = 0; i < soll.size(); ++i)
        if (datensatz[71 + i] - '0' != soll[i]) return true;
    return false;
}

void ESU_USERDATA_lesen(const std::string& datensatz) {
    for (int p = 1; p <= ESU_Flaggen_Anzahl; ++p) {
        const std::size_t i = static_cast<std::size_t>(p - 1);
        ESU_Flags[i] = i < datensatz.size() && ist_ziffer(datensatz[i]) && ziffer_wahr(datensatz[i] - '0', p);
    }
}

void ESU_Errungenschaften_laden() {
    std::string datensatz;
    Config_ReadString(Configdatei, kSektion, kSchluessel, datensatz, "");
    if (!datensatz.empty() && !ESU_USERDATA_pruefen(datensatz)) {
        ESU_USERDATA_lesen(datensatz);
        return;
    }
    // A record that fails its checks cannot be trusted: every achievement starts again. That is
    // told (to a player who shows reports), since the player loses what the record held.
    if (!datensatz.empty())
        Fehler_melden("ESU_Errungenschaften_laden > Der Errungenschaftsdatensatz (" + Programmpfad +
                      Configdatei + " [USERDATA] SESSION) ist fehlerhaft und wird ersetzt.");
    ESU_Flags.fill(false);
    ESU_USERDATA_neu();
}
