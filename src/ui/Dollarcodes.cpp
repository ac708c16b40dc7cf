#include "ui/Dollarcodes.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "economy/Arbeiterslots.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Warenstatistik.h"
#include "foundation/Config.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Info.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "population/Statustexte.h"
#include "persistence/Spielstaende.h"
#include "population/Personen.h"
#include "population/Personen_Leben.h"
#include "ui/Textdaten.h"
#include "ui/Textformat.h"
#include "ui/Textsenke.h"
#include "population/Arbeitsauftraege.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "world/Hasen.h"

bool TPU_Rotschrift = false;

void TPU_Dollarcodes_zuruecksetzen() { TPU_Rotschrift = false; }

namespace {

// The kind digit, the value and "%".
std::string code_mit_wert(char art, long long wert) {
    std::string e(1, art);
    e += TPU_Zahl(wert);
    e += '%';
    return e;
}

std::string produktionscode(int Objekt) {
    static constexpr const char* routine = "TPU_Produktionscode";
    const Objektzeile* ob = TPU_Objekt(Objekt, routine);
    if (!ob) return std::string(1, '0');
    const Objekt_Item* vorlage = TPU_Vorlage(ob->Typ(), routine);
    const Spielerzeile* besitzer = TPU_Clan(ob->Besitzer(), routine);
    if (!vorlage || !besitzer) return std::string(1, '0');
    const long long c = ob->Zaehler();
    const int art = vorlage->Slots[0].Benutzung;
    const long long r = besitzer->Arbeitsradius();
    if (c >= 0) {
        if (art == 2 || art == 4) return code_mit_wert('1', Ceil_div(c, 10));
        if (art == 7 || art == 9) return code_mit_wert('2', 64 * (Floor_div(r, 32) + 1 - c));
        if (art == 11) return code_mit_wert('2', 2 * (r + 1 - c));
    } else if (art == 2) {
        return code_mit_wert('1', Ceil_div(c, 10));
    } else if (art == 7 || art == 9 || art == 11) {
        return std::string(1, '3');
    }
    return std::string(1, '0');
}

}  // namespace

void TPU_Produktionscode(int Objekt, std::string& Ergebnis) { Ergebnis = produktionscode(Objekt); }

namespace {

using Werte = std::vector<TPU_Formatwert>;

void rot() {
    TPU_Senke().Farbe(1, 0, 0);
    TPU_Rotschrift = true;
}

// Values of the human clan, codes A..X and a..f; nullopt for another code.
// An empty optional inside means: no text (no clan, or a quotient by zero).
std::optional<std::optional<Werte>> clanwerte(char code) {
    static const std::string codes = "ABCDEFGHIJKLMNOPQRSTUVWXabcdef";
    if (codes.find(code) == std::string::npos) return std::nullopt;
    Spielerzeile* s = TPU_Mensch();
    if (!s) return std::optional<Werte>();
    const long long m = s->Mitglieder();
    const int id = SpielerID;
    auto quotient = [](long long a, long long b) -> std::optional<long long> {
        if (b == 0) return std::nullopt;
        return Floor_div(a, b);
    };
    switch (code) {
        case 'A':
            return Werte{m};
        case 'B':
            return Werte{s->Arbeitslose()};
        case 'C':
            return Werte{s->Arbeit_Produktion()};
        case 'D':
            return Werte{s->Arbeit_Auftrag()};
        case 'E':
            return Werte{s->Arbeit_Rohstoff()};
        case 'F':
            return Werte{s->Ohne_Arbeit()};
        case 'G':
            return Werte{s->Arbeitslose_Fach()};
        case 'H':
            return Werte{s->Gold()};
        case 'I':
            return Werte{s->Konto_Clan()};
        case 'J':
            return Werte{s->Konto_Spieler()};
        case 'K':
            return Werte{s->Konto_Edikt()};
        case 'L': {
            const auto q = quotient(s->Vermoegen(), m);
            if (!q) return std::optional<Werte>();
            return Werte{s->Vermoegen(), *q};
        }
        case 'M': {
            const auto q = quotient(GU, WV);
            if (!q) return std::optional<Werte>();
            return Werte{GU, *q};
        }
        case 'N':
            if (m == 0) return std::optional<Werte>();
            return Werte{Ceil_div(s->Zufriedenheit(), m), std::string("%")};
        case 'O':
            return Werte{s->Zufriedene()};
        case 'P':
            return Werte{s->Mittelzufriedene()};
        case 'Q':
            return Werte{s->Unzufriedene()};
        case 'R':
            return Werte{s->Zufriedenheit()};
        case 'S':
            return Werte{Spielerbewertung_Schnitt, std::string("%")};
        case 'T':
            return Werte{TPU_Waren_des_Spielers(id)};
        case 'U':
            return Werte{LGK_Nahrung_des_Spielers(id)};
        case 'V':
            return Werte{LGK_Luxus_des_Spielers(id)};
        case 'W':
            return Werte{LGK_Sonstiges_des_Spielers(id)};
        case 'X':
            return Werte{static_cast<long long>(s->Gold()) - Bau_Platzwert_max};
        case 'a':
            return Werte{s->Wohnraum(), m};
        case 'b':
            return Werte{LGK_Nahrung_des_Spielers(id), m};
        case 'c':
            return Werte{s->Frauen_Paar_reich(), s->Frauen_Kinderplatz()};
        case 'd':
            return Werte{s->Frauen_untaetig(), s->Frauen_Kinderplatz()};
        case 'e':
            return Werte{s->Frauen_Kinderplatz()};
        default:
            return Werte{s->Frauen_mit_Partner(), s->Frauen_Kinderplatz()};
    }
}

// Warnings g..l of the human clan; nullopt for another code.
std::optional<bool> warnung(char code) {
    if (code < 'g' || code > 'l') return std::nullopt;
    const Spielerzeile* s = TPU_Mensch();
    if (!s) return false;
    const long long m = s->Mitglieder();
    switch (code) {
        case 'g':
            return s->Arbeitslose() == 0;
        case 'h':
            return LGK_Nahrung_des_Spielers(SpielerID) < m;
        case 'i':
            return m != 0 && Quotient_kleiner(s->Vermoegen_Vormonat(), m, 50);
        case 'j':
            return s->Wohnraum() < m;
        case 'k':
            return m != 0 && Quotient_groesser(s->Alter_Summe(), m, 40);
        default:
            return m != 0 && Quotient_kleiner(s->Zufriedenheit(), m, 26);
    }
}

std::string z_code(char sub, const std::string& f) {
    switch (sub) {
        case 'a':
            return TPU_Format(f, {Version});
        case 'b':
            return TPU_Format(f, {LSU_Letzter_Speichername});
        case 'c':
            return TPU_Format(f, {static_cast<long long>(Spieler.size())});
        case 'd': {
            if (MO_Info_Index < 0 || static_cast<std::size_t>(MO_Info_Index) >= GUI_Infoliste.size())
                return {};
            return TPU_Format(f, {GUI_Infoliste[MO_Info_Index].Text});
        }
        case 'e':
            return TPU_Format(f, {Hase_Anzahl});
        case 'f':
            return !SBMAb && !SBGOb && !SBLUb && !SBLCb ? TPU_Format(f, {}) : std::string();
        case 'g':
            return SBMAb ? TPU_Format(f, {SBMAi}) : std::string();
        case 'h':
            return SBGOb ? TPU_Format(f, {SBGOi}) : std::string();
        case 'i':
            return SBLUb ? TPU_Format(f, {SBLUi}) : std::string();
        case 'j':
            return SBLCb ? TPU_Format(f, {}) : std::string();
        default:
            return {};
    }
}

// Codes of the building being placed: m, n, o, p..s, w.
std::optional<std::string> platzierung(char code, const std::string& f) {
    static constexpr const char* routine = "TPU_Dollarcode_formatieren";
    if (code != 'm' && code != 'n' && code != 'o' && code != 'w' && (code < 'p' || code > 's'))
        return std::nullopt;
    if (code == 'n') return TPU_Format(f, {PM_Arbeitslose_in_Naehe(Sichtliste_Index_unter_Maus)});
    if (code == 'o') {
        const Spielerzeile* s = TPU_Mensch();
        if (!s) return std::string();
        const long long anteil = 100LL * std::max(1, s->Baustellen() - 1);
        return TPU_Format(f, {Sichtliste_Art_unter_Maus, std::string("= ("), anteil, std::string("%)")});
    }
    const Objekt_Item* v = TPU_Vorlage(Bau_Typ, routine);
    if (!v) return std::string();
    if (code == 'm') return TPU_Format(f, {v->Titel, static_cast<long long>(BPU_Sichtliste_Ende) + 1});
    if (code == 'w') return TPU_Format(f, {v->Titel});
    const int ware = v->Baukosten[code - 'p'].WarenID;
    if (ware <= 0) return std::string();
    const int d = JU_Auftrag_Text(Sichtliste_Index_unter_Maus, ware, SpielerID);
    const std::string titel = TPU_Warentitel(ware, routine);
    if (d < 0) return titel + " ???";
    return TPU_Format(f, {titel, d});
}

// Codes of the object under the mouse: t, u, v, 1..9.
std::optional<std::string> unter_maus(char code, const std::string& text, const std::string& f) {
    static constexpr const char* routine = "TPU_Dollarcode_formatieren";
    if (code != 't' && code != 'u' && code != 'v' && (code < '1' || code > '9')) return std::nullopt;
    const int o = MO_Objekt_unter_Maus;
    if (code == 't' && MO_Objektart_unter_Maus == 1) {
        const Objekt_Item* v = TPU_Vorlage(o, routine);
        return v ? TPU_Format(f, {v->Titel}) : std::string();
    }
    // A planned site is a template, not a row of Objekte: it has no owner, stock or production.
    if (MO_Objektart_unter_Maus == 1) return std::string();
    if (code == '7') {
        const char k = text.size() > 2 ? text[2] : 0;
        const std::string format = text.size() > 3 ? text.substr(3) : std::string();
        std::string l;
        TPU_Produktionscode(o, l);
        if ((k == '1' || k == '2' || k == '3') && !l.empty() && l[0] == k)
            return TPU_Format(format, {l.substr(1)});
        return std::string();
    }
    Objektzeile* ob = TPU_Objekt(o, routine);
    if (!ob) return std::string();
    switch (code) {
        case 't': {
            const Objekt_Item* v = TPU_Vorlage(ob->Typ(), routine);
            return v ? TPU_Format(f, {v->Titel}) : std::string();
        }
        case 'u':
            return TPU_Format(f, {TPU_Clanname(ob->Besitzer(), routine)});
        case 'v':
            return TPU_Format(f, {BPU_Baufortschritt_Prozent(o), std::string("%")});
        case '5': {
            const Objekt_Item* v = TPU_Vorlage(ob->Typ(), routine);
            return v ? TPU_Format(f, {OB_Anzahl_Arbeiter(o), v->Platz}) : std::string();
        }
        case '6':
            return TPU_Format(f, {OM_Lagerbestand(o), OM_Lagerkapazitaet(o)});
        case '8':
        case '9': {
            const Spielerzeile* s = TPU_Clan(ob->Besitzer(), routine);
            if (!s) return std::string();
            const long long erster = code == '8' ? s->Wohnraum() : LGK_Nahrung_des_Spielers(ob->Besitzer());
            return TPU_Format(f, {erster, s->Mitglieder()});
        }
        default: {  // '1'..'4': construction material
            const int k = code - '1';
            if (ob->Baumaterial_Rest(k) < 1) return std::string();
            return TPU_Format(f, {ob->Baumaterial_Rest(k), TPU_Warentitel(ob->Baumaterial_Ware(k), routine)});
        }
    }
}

// Code x: "$x", condition digit, two slot digits, then the format.
std::string arbeiter(const std::string& text) {
    static constexpr const char* routine = "TPU_Dollarcode_formatieren";
    if (text.size() < 5) return {};
    const char c = text[2];
    const auto ziffer = [](char z) { return std::isdigit(static_cast<unsigned char>(z)) != 0; };
    if (!ziffer(text[3]) || !ziffer(text[4])) return {};
    const int slot = 10 * (text[3] - '0') + (text[4] - '0');
    const std::string f = text.substr(5);
    const int o = Gewaehltes_Objekt;
    if (!TPU_Objekt(o, routine) || slot > OB_Max_Slot()) return {};
    if (!OB_Slot_offen(o, slot) || !OB_Slot_hat_Arbeiter(o, slot)) return {};
    const int p = OB_Arbeiter_des_Slots(o, slot);
    if (!PM_Person_gueltig(p)) return {};
    const Personenzeile& person = Personen[p];
    switch (c) {
        case '1':
            if (person.Glueck() != 0) return {};
            rot();
            return f;
        case '2': {
            const Spielerzeile* s = TPU_Clan(person.Spieler(), routine);
            if (person.AuftragID() != 0 || person.Glueck() <= 0 || !s || s->Gold() <= 9) return {};
            rot();
            return f;
        }
        case '3': {
            const Spielerzeile* s = TPU_Clan(person.Spieler(), routine);
            if (!s || s->Gold() >= 10) return {};
            rot();
            return f;
        }
        case '4': {
            std::string beruf;
            FFU_JobInteger_zu_Berufname(person.AuftragID(), p, beruf);
            return TPU_Format(f, {beruf});
        }
        default:
            return {};
    }
}

}  // namespace

void TPU_Dollarcode_formatieren(const std::string& Text, std::string& Ergebnis) {
    Ergebnis = Text;
    if (TPU_Rotschrift) {
        TPU_Rotschrift = false;
        TPU_Senke().Farbe(0, 0, 0);
    }
    if (Text.size() < 2 || Text[0] != '$') return;
    const char code = Text[1];
    const std::string f = Text.substr(2);
    if (auto werte = clanwerte(code)) {
        Ergebnis = *werte ? TPU_Format(f, **werte) : std::string();
    } else if (auto gilt = warnung(code)) {
        Ergebnis = *gilt ? TPU_Format(f, {}) : std::string();
    } else if (code == 'Z') {
        Ergebnis = Text.size() > 2 ? z_code(Text[2], Text.substr(3)) : std::string();
    } else if (auto p = platzierung(code, f)) {
        Ergebnis = *p;
    } else if (auto m = unter_maus(code, Text, f)) {
        Ergebnis = *m;
    } else if (code == 'x') {
        Ergebnis = arbeiter(Text);
    }
}
