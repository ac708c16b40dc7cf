#include "ui/Paneltexte.h"

#include <algorithm>
#include <clocale>

#include "app/GLForm.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Warenstatistik.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "foundation/Zeichenbreiten.h"
#include "persistence/Spielstaende.h"
#include "platform/base/Text1252.h"
#include "ui/Dollarcodes.h"
#include "ui/Textausgabe.h"
#include "ui/Textdaten.h"
#include "ui/Textformat.h"
#include "ui/Textsenke.h"
#include "world/Kartengenerator.h"

std::array<std::string, 10> TPU_Updatestatus;

void TPU_Paneltexte_zuruecksetzen() {
    TPU_Updatestatus.fill(std::string());
    TPU_Dollarcodes_zuruecksetzen();
}

int TPU_Jahrestag() { return static_cast<int>(Floor_div(Jahresschritt + 4, 4)); }

namespace {

const char* const Monatsnamen[12] = {"Tiraxon", "Belumon", "Quendon", "Lirabon", "Gavoton", "Zerinon",
                                     "Dumalon", "Vespron", "Ombilon", "Kradeon", "Nuvelon", "Sarqion"};

// The year with the user's thousands separator.
std::string jahr(long long j) {
    std::string ziffern = std::to_string(j < 0 ? -j : j);
    const std::lconv* lc = std::localeconv();
    const std::string trenner = lc && lc->thousands_sep ? lc->thousands_sep : "";
    if (!trenner.empty())
        for (int i = static_cast<int>(ziffern.size()) - 3; i > 0; i -= 3) ziffern.insert(i, trenner);
    return (j < 0 ? "-" : "") + ziffern;
}

}  // namespace

std::string TPU_Kalenderdatum() {
    const int d = TPU_Jahrestag();
    const long long m = Ceil_div(d, 30);
    const std::string monat = m >= 1 && m <= 12 ? Monatsnamen[m - 1] : "";
    const long long tag = d - 30 * Floor_div(d - 1, 30);
    return TPU_Zahl(tag) + "." + monat + "." + jahr(SZ);
}

int TPU_Ranglistenart() {
    if (SBMAb || SBGOb || SBLUb) return 1;
    return SBLCb ? 2 : 0;
}

namespace {

int rangplatz(int Platz) {
    if (Platz < 0 || Platz > 7) return -1;
    return TPU_Rangliste[Platz];
}

}  // namespace

void TPU_Ranglistenname(int Platz, std::string& Ergebnis) {
    Ergebnis.clear();
    const int p = rangplatz(Platz);
    if (p < 0) return;
    Ergebnis = TPU_Clanname(p, "TPU_Ranglistenname") + ":";
}

void TPU_Ranglistenwert(int Platz, std::string& Ergebnis) {
    Ergebnis.clear();
    const int p = rangplatz(Platz);
    if (p < 0) return;
    const Spielerzeile* s = TPU_Clan(p, "TPU_Ranglistenwert");
    if (!s) return;
    if (!SBMAb && !SBGOb && !SBLUb) {
        Ergebnis = TPU_Zahl(s->Zufriedenheit());
        return;
    }
    const struct {
        bool an;
        long long wert, ziel;
    } ziele[] = {{SBMAb, s->Mitglieder(), SBMAi},
                 {SBGOb, s->Gold_gespeichert(), SBGOi},
                 {SBLUb, LGK_Luxus_des_Spielers(p), SBLUi}};
    long long summe = 0;
    for (const auto& z : ziele) {
        if (!z.an) continue;
        // A goal of 0 has no percentage; the place shows nothing.
        if (z.ziel == 0) return;
        summe = std::max<long long>(summe, Floor_div(z.wert * 100, z.ziel));
    }
    Ergebnis = TPU_Zahl(summe) + "%";
}

int TPU_Ankerursprung_X(int Align) {
    const int w = GLForm ? GLForm->ClientWidth : 0;
    switch (Align) {
        case 2:
        case 5:
        case 8:
            return IFU_Fenstermitte_X;
        case 3:
        case 6:
        case 9:
            return w;
        default:
            return 0;
    }
}

int TPU_Ankerursprung_Y(int Align) {
    const int h = GLForm ? GLForm->ClientHeight : 0;
    switch (Align) {
        case 4:
        case 5:
        case 6:
            return IFU_Fenstermitte_Y;
        case 7:
        case 8:
        case 9:
            return Vollbild ? h : h - 5;
        default:
            return 0;
    }
}

namespace {

const ITP_Text_Item* element(int Panel, int Element, const char* routine) {
    if (Panel < 0 || static_cast<std::size_t>(Panel) >= ITP_Texte.size() || Element < 0 ||
        static_cast<std::size_t>(Element) >= ITP_Texte[Panel].size()) {
        Fehler_melden(std::string(routine) + " -> Textelement nicht abgefangen :" + std::to_string(Panel) +
                      "/" + std::to_string(Element));
        return nullptr;
    }
    return &ITP_Texte[Panel][Element];
}

}  // namespace

int TPU_Anker_X(int Panel, int Element) {
    const ITP_Text_Item* e = element(Panel, Element, "TPU_Anker_X");
    return e ? TPU_Ankerursprung_X(e->Align) : 0;
}

int TPU_Anker_Y(int Panel, int Element) {
    const ITP_Text_Item* e = element(Panel, Element, "TPU_Anker_Y");
    return e ? TPU_Ankerursprung_Y(e->Align) : 0;
}

namespace {

constexpr const char* routine = "TPU_Paneltexte";

// "<prefix><digit><suffix>": the digit, or -1.
int ziffernschluessel(const std::string& key, const std::string& prefix, const std::string& suffix = "") {
    if (key.size() != prefix.size() + 1 + suffix.size()) return -1;
    if (key.compare(0, prefix.size(), prefix) != 0) return -1;
    if (key.compare(prefix.size() + 1, suffix.size(), suffix) != 0) return -1;
    const char z = key[prefix.size()];
    return z >= '0' && z <= '9' ? z - '0' : -1;
}

// "$LoadStatustext0".."15" and "$RanglistePlatz1".."8"+suffix: the number, or -1.
int zahlschluessel(const std::string& key, const std::string& prefix, const std::string& suffix = "") {
    if (key.size() <= prefix.size() + suffix.size() || key.compare(0, prefix.size(), prefix) != 0) return -1;
    if (key.compare(key.size() - suffix.size(), suffix.size(), suffix) != 0) return -1;
    const std::string zahl = key.substr(prefix.size(), key.size() - prefix.size() - suffix.size());
    if (zahl.size() > 2 || (zahl.size() == 2 && zahl[0] == '0')) return -1;
    int n = 0;
    for (char c : zahl) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

std::string produktionszeile(ITP_Text_Item& e) {
    const std::string& t2 = e.Text2;
    const char k = t2.size() > 2 ? t2[2] : 0;
    const std::string format = t2.size() > 3 ? t2.substr(3) : std::string();
    // A planned site under the mouse is a template and has no production.
    if (MO_Objektart_unter_Maus == 1) return {};
    std::string l;
    TPU_Produktionscode(MO_Objekt_unter_Maus, l);
    if ((k != '1' && k != '2' && k != '3') || l.empty() || l[0] != k) return {};
    std::string text = TPU_Format(format, {l.substr(1)});
    if (k == '3') {
        e.Art = 2;
        TPU_Dollarcode_formatieren(t2, text);
    }
    return text;
}

std::string gewaehltes_objekt(const std::string& key, const ITP_Text_Item& e, bool& erkannt) {
    erkannt = true;
    const int k = ziffernschluessel(key, "$ProduktionsWare");
    if (key != "$Objekt_Titel_Lang" && key != "$Verkaufsmarge" && key != "$Ausbaustufe" && (k < 0 || k > 5)) {
        erkannt = false;
        return {};
    }
    Objektzeile* ob = TPU_Objekt(Gewaehltes_Objekt, routine);
    if (!ob) return {};
    if (key == "$Objekt_Titel_Lang") {
        const Objekt_Item* v = TPU_Vorlage(ob->Typ(), routine);
        return v ? v->Titel : std::string();
    }
    if (key == "$Verkaufsmarge") return TPU_Zahl(ob->Verkaufsmarge());
    if (key == "$Ausbaustufe") {
        for (int m = 0; m < 4; ++m)
            if (ob->Baumaterial_Rest(m) >= 1) return {};
        return e.Text2;
    }
    if (ob->Slot_Ware(k) <= 0) return {};
    std::string text = TPU_Zahl(ob->Slot_Bestand(k));
    if (ob->Slot_Reserviert(k) > 0) text += "(-" + TPU_Zahl(ob->Slot_Reserviert(k)) + ")";
    return text;
}

std::string rangliste(const std::string& key, const ITP_Text_Item& e, bool& erkannt) {
    erkannt = true;
    const int titel = ziffernschluessel(key, "$RanglisteTitelText");
    if (titel >= 1 && titel <= 3) {
        if (!Rangliste_anzeigen || Platzierungsmodus || TPU_Ranglistenart() != titel - 1) return {};
        TPU_Rangliste_berechnen();
        return e.Text2;
    }
    int platz = zahlschluessel(key, "$RanglistePlatz", "Int");
    const bool wert = platz >= 1 && platz <= 8;
    if (!wert) platz = zahlschluessel(key, "$RanglistePlatz");
    if (platz < 1 || platz > 8) {
        erkannt = false;
        return {};
    }
    if (!Rangliste_anzeigen || Platzierungsmodus) return {};
    std::string text;
    if (wert)
        TPU_Ranglistenwert(platz - 1, text);
    else
        TPU_Ranglistenname(platz - 1, text);
    return text;
}

std::string clanzahlen(const std::string& key, ITP_Text_Item& e, bool& erkannt) {
    erkannt = true;
    static const std::string gold = W("$GoldmünzenText");
    if (key != "$MitgliederText" && key != gold && key != "$ZufriedenheitsText" && key != "$WarenText" &&
        key != "$BaustellenText" && key != "$FlugschiffText") {
        erkannt = false;
        return {};
    }
    const Spielerzeile* s = TPU_Mensch();
    if (!s) return {};
    if (key == "$MitgliederText") return TPU_Zahl(s->Arbeitslose()) + "/" + TPU_Zahl(s->Mitglieder());
    if (key == gold) {
        e.Art = s->Gold() >= 30 ? 0 : 2;
        return TPU_Zahl(s->Gold());
    }
    if (key == "$ZufriedenheitsText") {
        // Nobody to be content: no figure.
        if (s->Mitglieder() == 0) return {};
        return TPU_Zahl(std::min<long long>(100, Ceil_div(s->Zufriedenheit(), s->Mitglieder()))) + "%";
    }
    if (key == "$WarenText") return TPU_Zahl(TPU_Waren_des_Spielers(SpielerID)) + " St.";
    if (key == "$BaustellenText") return TPU_Zahl(s->Baustellen()) + "/" + TPU_Zahl(s->Baustellen_Max());
    return TPU_Zahl(s->Flugschiffe()) + "/" + TPU_Zahl(s->Flugschiffe_Max());
}

std::string spielstand(const std::string& key, const ITP_Text_Item& e, bool& erkannt) {
    erkannt = true;
    // "Seite 2/3" while there is more than one page.
    if (key == "$SavefoundSeite") {
        const int anzahl = static_cast<int>(LSU_Spielstaende_alle.size());
        if (anzahl <= LSU_Spielstaende_max) return {};
        return "Seite " + std::to_string(LSU_Spielstand_Seite / LSU_Spielstaende_max + 1) + "/" +
               std::to_string((anzahl - 1) / LSU_Spielstaende_max + 1);
    }
    for (const char* teil : {"Name", "Time", "Start"}) {
        const int n = ziffernschluessel(key, "$Savefound", teil);
        if (n < 0) continue;
        if (n > LSU_Spielstand_Letzter) return {};
        const std::string t = teil;
        if (t == "Name") return LSU_Spielstandliste[n].Name;
        if (t == "Time") return LSU_Spielstandliste[n].Zeit;
        return e.Text2;
    }
    erkannt = false;
    return {};
}

}  // namespace

std::string TPU_Elementtext(ITP_Text_Item& e) {
    const std::string& key = e.Text;
    if (key.empty() || key[0] != '$') return key;
    if (key == "$User") return Spielername;
    if (key == "$Version") return Version;
    if (key == "$Tannserver") return Server;
    if (key == "$SetUser") return Spielername + Cursorzeichen;
    if (key == "$SetSavegameName") return LSU_Speichername + Cursorzeichen;
    if (const int n = ziffernschluessel(key, "$UpdateStatus"); n >= 0) return TPU_Updatestatus[n];
    if (const int n = zahlschluessel(key, "$LoadStatustext"); n >= 0 && n <= 15)
        return TPU_Ladestatus_Zeilen[n];
    if (const int n = ziffernschluessel(key, "$Karten"); n >= 0 && n <= 7)
        return SingelGameTYPWahl == n ? e.Text2 : std::string();
    if (const int n = ziffernschluessel(key, "$AIPlayer"); n >= 0 && n <= 6)
        return SingelGameKIanzahl == n ? e.Text2 : std::string();
    if (const int n = ziffernschluessel(key, "$AILevel"); n >= 1 && n <= 6)
        return SingelGameKILevel == n ? e.Text2 : std::string();
    if (key == "$AnzahlZielMitglied") return TPU_Zahl(SBMAi);
    if (key == "$AnzahlZielGold") return TPU_Zahl(SBGOi);
    if (key == "$AnzahlZielLuxus") return TPU_Zahl(SBLUi);
    if (key == "$InterneProduktion") return produktionszeile(e);
    bool erkannt = false;
    std::string text = gewaehltes_objekt(key, e, erkannt);
    if (erkannt) return text;
    if (key == "$Baumodus" || key == "$BaumodusEX") {
        if (!Platzierungsmodus) return {};
        if (key == "$BaumodusEX") {
            const Spielerzeile* s = TPU_Mensch();
            if (!s || s->Gold() >= Bau_Platzwert_max) return {};
        }
        TPU_Dollarcode_formatieren(e.Text2, text);
        return text;
    }
    text = rangliste(key, e, erkannt);
    if (erkannt) return text;
    if (key == "$MainPlayTimeText") return TPU_Kalenderdatum();
    text = clanzahlen(key, e, erkannt);
    if (erkannt) return text;
    text = spielstand(key, e, erkannt);
    return text;
}

void TPU_Paneltexte_von(int Panel) {
    if (Panel < 0 || static_cast<std::size_t>(Panel) >= ITP_Texte.size()) return;
    TPU_Textsenke& senke = TPU_Senke();
    for (ITP_Text_Item& e : ITP_Texte[Panel]) {
        if (e.Text.empty()) continue;
        const bool platzhalter = e.Text[0] == '$';
        const std::string text = TPU_Elementtext(e);
        if (platzhalter) e.Breite = e.Schrift == 2 ? TPU_Textbreite_Font1(text) : TPU_Textbreite_Font2(text);
        switch (e.Art) {
            case 1:
                senke.Farbe(0, 0, 1);
                break;
            case 2:
                senke.Farbe(1, 0, 0);
                break;
            default:
                senke.Farbe(0, 0, 0);
                break;
        }
        int x = TPU_Ankerursprung_X(e.Align) + e.X;
        if (e.Ausrichtung == 2)
            x -= static_cast<int>(Floor_div(e.Breite, 2));
        else if (e.Ausrichtung == 3)
            x -= e.Breite;
        const int y = TPU_Ankerursprung_Y(e.Align) + e.Y;
        if (text.empty()) continue;
        if (e.Schrift == 1)
            senke.Print2(x, y, text);
        else if (e.Schrift == 2)
            senke.Print(x, y, text);
    }
}

void TPU_Paneltexte() { TPU_Paneltexte_von(ITP_aktives_Panel_ID()); }
