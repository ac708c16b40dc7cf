#include "economy/KI.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "economy/Baumenue.h"
#include "economy/Bauvorschau.h"
#include "economy/Diagramm.h"
#include "economy/Geldkreis.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "economy/Baustelle.h"
#include "economy/Errungenschaften.h"
#include "population/Animation.h"
#include "population/Arbeitsauftraege.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "economy/Warenstatistik.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"
#include "population/Jobarchiv.h"
#include "world/Inseln.h"
#include "world/Karte.h"
#include "world/Kartengenerator.h"
#include "world/Ressourcen.h"

int KI_aktueller_Spieler = 0;
std::vector<std::string> KI_Status;

namespace {

// Order codes a died-out clan's list may still hold.
constexpr int Befehl_Bauen = 500;
constexpr int Befehl_Schiffsbau = 800;
constexpr int Befehl_Siedler = 850;

// Members per level step, and the first sites that are always production buildings.
constexpr int KI_Mitglieder_je_Stufe = 25;
constexpr int KI_Startbaustellen = 4;
// From this many sites on the phase advances once a turn instead of after each attempt.
constexpr int KI_Baustellen_frei = 10;
// The most sites of one type a clan keeps under construction.
constexpr int KI_Typ_max = 5;
// How far a hunting lodge may stand from a rabbit hole.
constexpr int KI_Hasen_Reichweite = 49;

Spielerzeile* zeile(int clan) {
    return GU_Clan_gueltig(clan) ? &Spieler[static_cast<std::size_t>(clan)] : nullptr;
}

bool typ_gueltig(int typ) { return typ >= 0 && static_cast<std::size_t>(typ) < SBU_Objekte.size(); }

const Objekt_Item* vorlage(int typ, const char* routine) {
    if (typ_gueltig(typ)) return &SBU_Objekte[static_cast<std::size_t>(typ)];
    Fehler_melden(std::string(routine) + " > unbekannter Gebaeudetyp: " + std::to_string(typ));
    return nullptr;
}

void status(int clan, const std::string& text) {
    if (clan < 0) return;
    if (static_cast<std::size_t>(clan) >= KI_Status.size())
        KI_Status.resize(static_cast<std::size_t>(clan) + 1);
    KI_Status[static_cast<std::size_t>(clan)] = text;
}

void typ_status(int clan, const Objekt_Item& o, const char* zusatz) { status(clan, o.Titel + zusatz); }

// The clan's produced total of the ware; none when the clan or the ware has no entry.
std::optional<int> produziert(int clan, int ware) {
    if (clan < 0 || ware < 0 || static_cast<std::size_t>(clan) >= LGK_Spieler_Waren.size())
        return std::nullopt;
    const std::vector<int>& w = LGK_Spieler_Waren[static_cast<std::size_t>(clan)];
    if (static_cast<std::size_t>(ware) >= w.size()) return std::nullopt;
    return w[static_cast<std::size_t>(ware)];
}

int insel_von(int feld) { return MG_Feld_gueltig(feld) ? Karte[static_cast<std::size_t>(feld)].Insel() : -1; }

// Advances the phase while the clan is still among its first sites.
void frueh_weiter(int clan) {
    const Spielerzeile* s = zeile(clan);
    if (s && s->Baustellen_gesamt() < KI_Baustellen_frei) KI_Phase_weiter(clan);
}

// A placement that failed blocks the island of the (possibly moved) home cell.
void platzieren_oder_sperren(int clan, int typ, int phase) {
    if (KI_Bauplatz_setzen(clan, typ, phase)) return;
    const int insel = insel_von(Spieler[static_cast<std::size_t>(clan)].Heimatfeld());
    if (insel >= 0) IU_Insel_sperren(insel);
}

// One random entry per level of the list, from the clan's level down to 1;
// -1 when no drawn entry passes.
int aus_liste_waehlen(const std::vector<std::vector<int>>& liste, int clan, bool grund_pruefen) {
    const int oben = Spieler[static_cast<std::size_t>(clan)].KI_Stufe();
    for (int stufe = oben; stufe >= 1; --stufe) {
        if (static_cast<std::size_t>(stufe) >= liste.size()) continue;
        const std::vector<int>& l = liste[static_cast<std::size_t>(stufe)];
        if (l.empty()) continue;
        const int typ = l[static_cast<std::size_t>(Random(static_cast<int>(l.size())))];
        if (KI_Baumaterial_vorhanden(clan, typ) && (!grund_pruefen || KI_Rohstoff_Grund(typ, clan)))
            return typ;
    }
    return -1;
}

// One food or housing step: pending flag, need, choice, placement.
void bauen_aus_liste(int clan, int flagge, bool benoetigt, const std::vector<std::vector<int>>& liste,
                     bool grund_pruefen, int phase, const std::string& text_im_bau,
                     const std::string& text_genug, const std::string& text_kein_plan) {
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    status(clan, text_im_bau);
    if (s.feld(flagge) != 0) return;
    status(clan, text_genug);
    if (!benoetigt) {
        frueh_weiter(clan);
        return;
    }
    if (!text_kein_plan.empty()) status(clan, text_kein_plan);
    const int typ = aus_liste_waehlen(liste, clan, grund_pruefen);
    if (typ < 0) {
        frueh_weiter(clan);
        return;
    }
    platzieren_oder_sperren(clan, typ, phase);
}

// Gives the reserved wage of a withdrawn building order back to the treasury.
void lohn_zurueck(Spielerzeile& s, int lohn) {
    s.Baulohn_reserviert() -= lohn;
    s.Konto_Clan() += lohn;
    s.Gold() += lohn;
}

void ki_zug(int clan) {
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    if (KI_Spieler_aktiv(clan)) {
        if (KI_Status.size() < Spieler.size()) KI_Status.resize(Spieler.size());
        KI_Level_setzen(clan);
        if (!(clan == SpielerID && Platzierungsmodus)) KI_Bauen(clan);
    }
    if (s.Steuerung() == -1) KI_Abrechnen(clan);
}

}  // namespace

void KIU_Zuruecksetzen() {
    KI_aktueller_Spieler = 0;
    KI_Status.clear();
}

// --- Turns, level and winding up ------------------------------------------------

void KIU_KI_Manager() {
    if (Spieler.empty()) return;
    const int letzte = static_cast<int>(Spieler.size()) - 1;
    // An index from an older table (fewer rows now) would never meet its step again.
    if (KI_aktueller_Spieler < 0 || KI_aktueller_Spieler > letzte) KI_aktueller_Spieler = 0;
    const int d = std::max(letzte, 1);
    const int schritt = Monatsticks / d;
    if (schritt * KI_aktueller_Spieler != Monatsschritt) return;
    try {
        ki_zug(KI_aktueller_Spieler);
    } catch (...) {
        Fehler_melden(W("KIU_KI_Manager except ausgelöst."));
        return;
    }
    KI_aktueller_Spieler = KI_naechster_Spieler(KI_aktueller_Spieler, letzte);
}

bool KI_Spieler_aktiv(int clan) {
    const Spielerzeile* s = zeile(clan);
    return s && s->Mitglieder() >= 1 && s->Steuerung() == 1;
}

int KI_naechster_Spieler(int clan, int letzte_zeile) { return clan + 1 > letzte_zeile ? 0 : clan + 1; }

void KI_Level_setzen(int clan) {
    Spielerzeile* s = zeile(clan);
    if (!s) return;
    int stufe = static_cast<int>(Floor_div(s->Mitglieder(), KI_Mitglieder_je_Stufe)) + 1;
    if (SingelGameKILevel < 6 && stufe > SingelGameKILevel) stufe = SingelGameKILevel;
    s->KI_Stufe() = stufe;
}

void KI_im_Bau_merken(int clan, int typ, int phase) {
    Spielerzeile* s = zeile(clan);
    if (!s) return;
    switch (phase) {
        case 1:
            s->KI_Nahrung_im_Bau() = 1;
            s->KI_Nahrung_Typ() = typ;
            break;
        case 2:
            s->KI_Wohnung_im_Bau() = 1;
            s->KI_Wohnung_Typ() = typ;
            break;
        case 3:
            s->KI_Produktion_im_Bau() = 1;
            s->KI_Produktion_Typ() = typ;
            break;
        default:
            break;
    }
}

void KI_Objekt_abmelden(int objekt) {
    if (!OM_Objekt_gueltig(objekt)) return;
    const Objektzeile& o = Objekte[static_cast<std::size_t>(objekt)];
    Spielerzeile* s = zeile(o.Besitzer());
    if (!s) return;
    const int typ = o.Typ();
    for (int flagge = 39; flagge <= 43; flagge += 2) {
        if (s->feld(flagge + 1) != typ) continue;
        s->feld(flagge) = 0;
        s->feld(flagge + 1) = 0;
    }
}

void KI_Abrechnen(int clan) {
    if (!zeile(clan)) return;
    bool beschaeftigt = false;
    for (std::size_t i = 0; i < Objekte.size(); ++i) {
        Objektzeile& o = Objekte[i];
        if (o.Besitzer() != clan || o.Feld() <= 0) continue;
        if (o.Zustand() != 2) OM_Abriss(static_cast<int>(i));
        beschaeftigt = true;
    }
    if (static_cast<std::size_t>(clan) < JU_Befehlsliste.size()) {
        int i = 0;
        while (i < JU_Befehlsliste[static_cast<std::size_t>(clan)].Anzahl) {
            beschaeftigt = true;
            JU_Befehle& liste = JU_Befehlsliste[static_cast<std::size_t>(clan)];
            if (static_cast<std::size_t>(i) >= liste.Befehle.size()) break;
            const Job_Befehl b = liste.Befehle[static_cast<std::size_t>(i)];
            // Sites that were only planned are given up; a settler request has nobody left to send.
            if (b.Befehl == Befehl_Bauen || b.Befehl == Befehl_Schiffsbau || b.Befehl == Befehl_Siedler) {
                if (b.Befehl != Befehl_Siedler) BPU_Bauplatz_aufheben(b.Feld, b.Typ);
                if (b.Befehl == Befehl_Bauen) lohn_zurueck(Spieler[static_cast<std::size_t>(clan)], b.Lohn);
                const int vorher = liste.Anzahl;
                JU_Befehl_entfernen(clan, i);
                // The last order moved into place i and is looked at next.
                if (JU_Befehlsliste[static_cast<std::size_t>(clan)].Anzahl < vorher) continue;
            } else {
                Fehler_melden("KI_Abrechnen -> Jobarray -> Befehl nicht erkannt: " +
                              std::to_string(b.Befehl));
            }
            ++i;
        }
    }
    if (beschaeftigt) return;
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    s.Steuerung() = -2;
    s.Buendnis() = 0;
    s.Gold() += s.Gemeinschaftskasse() + s.Gold_gespeichert();
    // Saved gold had left circulation; the edict fund never did.
    SU_Geldmenge_aendern(s.Gold_gespeichert());
    s.Gemeinschaftskasse() = 0;
    s.Gold_gespeichert() = 0;
    if (s.Gold() >= 1) {
        GKU_Geld_verteilen(s.Gold(), clan);
        Spieler[static_cast<std::size_t>(clan)].Gold() = 0;
    }
    DiaU_Clan_loeschen(clan);
}

// --- Build decisions ----------------------------------------------------------------

void KI_Bauen(int clan) {
    Spielerzeile* s = zeile(clan);
    if (!s) return;
    status(clan, W("KI hat nicht genügent Arbeitslose"));
    if (static_cast<std::int64_t>(s->Mitglieder()) > 5 * static_cast<std::int64_t>(s->Arbeitslose())) return;
    status(clan, "KI darf nicht auf Insel bauen");
    const int insel = insel_von(s->Heimatfeld());
    if (insel < 0 || !IU_Insel_frei(insel)) return;
    switch (s->KI_Phase()) {
        case KI_Phase_Nahrung:
            KI_Nahrung_bauen(clan);
            break;
        case KI_Phase_Wohnung:
            KI_Wohnung_bauen(clan);
            break;
        case KI_Phase_Produktion:
            KI_Produktion_bauen(clan);
            break;
        default:
            break;
    }
    Spielerzeile& t = Spieler[static_cast<std::size_t>(clan)];
    if (t.Baustellen_gesamt() < KI_Startbaustellen) t.KI_Phase() = KI_Phase_Produktion;
    if (t.Baustellen_gesamt() > KI_Baustellen_frei - 1) KI_Phase_weiter(clan);
}

void KI_Nahrung_bauen(int clan) {
    if (!zeile(clan)) return;
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    const bool benoetigt = static_cast<std::int64_t>(LGK_Nahrung_des_Spielers(clan)) - 3 < s.Mitglieder();
    bauen_aus_liste(clan, 39, benoetigt, SBU_KI_Nahrung, true, 1,
                    W("Nahrungs Gebäude noch nicht fertig(skip)"), W("Nahrungs Gebäude nicht benötigt(skip)"),
                    W("Nahrungs Gebäude kein Bauplan gefunden"));
}

void KI_Wohnung_bauen(int clan) {
    if (!zeile(clan)) return;
    const Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    const bool benoetigt = s.Wohnraum() < s.Mitglieder();
    bauen_aus_liste(clan, 41, benoetigt, SBU_KI_Wohnen, false, 2, W("Wohngebäude noch nicht fertig(skip)"),
                    W("Wohngebäude nicht benötigt(skip)"), "");
}

void KI_Produktion_bauen(int clan) {
    Spielerzeile* s = zeile(clan);
    if (!s) return;
    status(clan, W("Produktiongebäude noch im Bau"));
    if (s->KI_Produktion_im_Bau() != 0) return;
    const int typ = KI_Produktion_waehlen(s->KI_Stufe(), clan);
    if (typ < 0) {
        frueh_weiter(clan);
        return;
    }
    status(clan, SBU_Objekte[static_cast<std::size_t>(typ)].Titel + " gefunden");
    platzieren_oder_sperren(clan, typ, 3);
}

int KI_Produktion_waehlen(int stufe, int clan) {
    if (stufe < 1 || !zeile(clan)) return -1;
    for (int l = stufe; l >= 1; --l) {
        if (static_cast<std::size_t>(l) >= SBU_KI_Rest.size()) continue;
        std::vector<int> kopie = SBU_KI_Rest[static_cast<std::size_t>(l)];
        while (!kopie.empty()) {
            const std::size_t k = static_cast<std::size_t>(Random(static_cast<int>(kopie.size())));
            const int typ = kopie[k];
            if (KI_Baumaterial_vorhanden(clan, typ) && KI_Rohstoff_Grund(typ, clan) &&
                !KI_Rohstoff_Ueberschuss(typ, clan) && KI_Typ_Grenze(typ, clan))
                return typ;
            kopie[k] = kopie.back();
            kopie.pop_back();
        }
    }
    return -1;
}

bool KI_Bauplatz_setzen(int clan, int typ, int phase) {
    if (!zeile(clan) || !vorlage(typ, "KI_Bauplatz_setzen")) return true;
    const int c = KI_Suchzentrum(clan, typ);
    if (c == -1) return true;
    const int heimat = Spieler[static_cast<std::size_t>(clan)].Heimatfeld();
    if (insel_von(c) != insel_von(heimat)) return true;
    const int platz = JA_Bauplatz_suchen(c, typ, false);
    if (!MG_Feld_gueltig(platz) || Karte[static_cast<std::size_t>(platz)].Bauplatzwert() < 1 ||
        insel_von(platz) != insel_von(heimat)) {
        KI_Heimat_wechseln(clan);
        return false;
    }
    if (!KI_Bauplatz_belieferbar(platz, typ, clan)) {
        // Nobody could ever bring a material there, or only another clan whose output its
        // own sites and workshops wait for too, while the clan's own makers stand beyond the
        // carriers' reach: the site would wait for good or for years, and its pending mark
        // would stop the clan's building of that phase. The clan looks from another of its
        // buildings next time; the island stays open.
        KI_Heimat_wechseln(clan);
        return true;
    }
    if (BPU_Baustelle_setzen(platz, typ, clan)) KI_im_Bau_merken(clan, typ, phase);
    Spielerzeile& s = Spieler[static_cast<std::size_t>(clan)];
    if (s.Baustellen_gesamt() < KI_Baustellen_frei) KI_Phase_weiter(clan);
    if (Random(10) == 1) Spieler[static_cast<std::size_t>(clan)].Heimatfeld() = platz;
    return true;
}

bool KI_Bauplatz_belieferbar(int platz, int typ, int clan) {
    const Objekt_Item* o = vorlage(typ, "KI_Bauplatz_belieferbar");
    if (!o) return false;
    for (const Waren_Menge& m : o->Baukosten)
        if (m.WarenID > 0 && m.Menge != 0 && !JU_Baustelle_belieferbar(platz, m.WarenID, clan)) return false;
    return true;
}

int KI_Suchzentrum(int clan, int typ) {
    const Spielerzeile* s = zeile(clan);
    const Objekt_Item* o = vorlage(typ, "KI_Suchzentrum");
    if (!s || !o) return -1;
    const int heimat = s->Heimatfeld();
    for (const Warenslot& slot : o->Slots) {
        switch (slot.Benutzung) {
            case Benutzung_stone:
                return RU_Ressource_vorhanden(RU_Stein, heimat, clan);
            case Benutzung_lumberjack:
                return RU_Ressource_vorhanden(RU_Baum, heimat, clan);
            case Benutzung_fishing:
                return RU_Ressource_vorhanden(RU_Kueste, heimat, clan);
            case Benutzung_ore:
                return RU_Ressource_vorhanden(RU_Huegel, heimat, clan);
            case Benutzung_Kaninchenabbau:
                return Hase_Loch_suchen(heimat, KI_Hasen_Reichweite, false);
            default:
                break;
        }
    }
    return heimat;
}

void KI_Heimat_wechseln(int clan) {
    Spielerzeile* s = zeile(clan);
    if (!s) return;
    const int heimat = s->Heimatfeld();
    const int auf_heimat = MG_Feld_gueltig(heimat) ? Karte[static_cast<std::size_t>(heimat)].Objekt() : -1;
    int erstes = -1, folgendes = -1;
    for (std::size_t i = 0; i < Objekte.size() && folgendes < 0; ++i) {
        const Objektzeile& o = Objekte[i];
        if (o.Besitzer() != clan || o.Feld() <= 0) continue;
        if (erstes < 0) erstes = static_cast<int>(i);
        if (static_cast<int>(i) > auf_heimat && auf_heimat >= 0) folgendes = static_cast<int>(i);
    }
    const int ziel = folgendes >= 0 ? folgendes : erstes;
    if (ziel >= 0) s->Heimatfeld() = Objekte[static_cast<std::size_t>(ziel)].Feld();
}

void KI_Phase_weiter(int clan) {
    Spielerzeile* s = zeile(clan);
    if (!s) return;
    s->KI_Phase() = s->KI_Phase() >= KI_Phase_Produktion ? KI_Phase_Nahrung : s->KI_Phase() + 1;
}

bool KI_Baumaterial_vorhanden(int clan, int typ) {
    const Objekt_Item* o = vorlage(typ, "KI_Baumaterial_vorhanden");
    if (!o) return false;
    typ_status(clan, *o, " kein Baumaterialien vorhanden");
    for (const Waren_Menge& m : o->Baukosten) {
        if (m.WarenID < 0) return true;
        // A slot without a ware or without an amount asks for nothing.
        if (m.WarenID == 0 || m.Menge <= 0) continue;
        const std::optional<int> p = produziert(clan, m.WarenID);
        if (!p || *p < m.Menge) return false;
    }
    return true;
}

bool KI_Rohstoff_Grund(int typ, int clan) {
    const Objekt_Item* o = vorlage(typ, "KI_Rohstoff_Grund");
    if (!o) return false;
    typ_status(clan, *o, " kein Grund Rohstoffe");
    for (const Warenslot& slot : o->Slots) {
        if (slot.WarenID <= -1 || slot.Benutzung != Benutzung_Holen) continue;
        const std::optional<int> p = produziert(clan, slot.WarenID);
        if (!p || *p < 3) return false;
    }
    return true;
}

bool KI_Rohstoff_Ueberschuss(int typ, int clan) {
    const Objekt_Item* o = vorlage(typ, "KI_Rohstoff_Ueberschuss");
    const Spielerzeile* s = zeile(clan);
    if (!o || !s) return false;
    typ_status(clan, *o, " zu viele Rohstoffe vorhanden");
    bool gepruefte = false;
    for (const Warenslot& slot : o->Slots) {
        if (slot.WarenID <= -1) continue;
        switch (slot.Benutzung) {
            case Benutzung_Produktion:
            case Benutzung_Anbau:
            case Benutzung_stone:
            case Benutzung_Kaninchenabbau:
            case Benutzung_lumberjack:
            case Benutzung_fishing:
            case Benutzung_ore:
            case Benutzung_recycle:
            case Benutzung_sand:
                break;
            default:
                continue;
        }
        const bool schiff = static_cast<std::size_t>(slot.WarenID) < SBU_Waren.size() &&
                            SBU_Waren[static_cast<std::size_t>(slot.WarenID)].Spez == "ship";
        if (KI_Spieler_aktiv(clan) && schiff && s->Flugschiffe() >= s->Flugschiffe_Max()) return true;
        const std::optional<int> p = produziert(clan, slot.WarenID);
        if (!p || *p <= s->Mitglieder()) return false;
        gepruefte = true;
    }
    // Every product is already in stock beyond the clan's members (the totals fall again
    // as goods are taken out): another such building would only fill its store, and a
    // workplace with a full store keeps taking the clan's unemployed without work for them.
    return gepruefte;
}

bool KI_Typ_Grenze(int typ, int clan) {
    const Objekt_Item* o = vorlage(typ, "KI_Typ_Grenze");
    if (!o) return false;
    typ_status(clan, *o, " zuviele eines Typs");
    if (clan < 0 || static_cast<std::size_t>(clan) >= BMU_Zaehler.size()) return true;
    const std::vector<BMU_Eintrag>& z = BMU_Zaehler[static_cast<std::size_t>(clan)];
    if (static_cast<std::size_t>(typ) >= z.size()) return true;
    return z[static_cast<std::size_t>(typ)].Gesamt < KI_Typ_max;
}
