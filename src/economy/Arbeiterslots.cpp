#include "economy/Arbeiterslots.h"

#include <algorithm>

#include "economy/Objekte.h"
#include "foundation/Fehler.h"
#include "foundation/Seitendatei.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "foundation/Textzeilen.h"
#include "population/Arbeitsamt.h"
#include "population/Personen.h"
#include "population/Personen_Leben.h"

std::vector<std::array<OB_Slot, OB_MaxSlot + 1>> OB_Slots;

namespace {

constexpr int Slotzahl = OB_MaxSlot + 1;
using Slotreihe = std::array<OB_Slot, Slotzahl>;

Slotreihe* reihe(int o, const char* routine) {
    if (o >= 0 && static_cast<std::size_t>(o) < OB_Slots.size())
        return &OB_Slots[static_cast<std::size_t>(o)];
    Fehler_melden(std::string(routine) + " > unbekanntes Objekt: " + std::to_string(o));
    return nullptr;
}

OB_Slot* slot(int o, int k, const char* routine) {
    Slotreihe* r = reihe(o, routine);
    if (!r) return nullptr;
    if (k < 0 || k >= Slotzahl) {
        Fehler_melden(std::string(routine) + " > unbekannter Slot: " + std::to_string(k));
        return nullptr;
    }
    return &(*r)[static_cast<std::size_t>(k)];
}

bool offen(const OB_Slot& s) { return s.Status > -1; }
bool hat_arbeiter(const OB_Slot& s) { return s.Person > -1; }
bool besetzt(const OB_Slot& s) { return offen(s) && hat_arbeiter(s); }
bool frei(const OB_Slot& s) { return offen(s) && !hat_arbeiter(s); }

int zaehlen(int o, const char* routine, bool (*test)(const OB_Slot&)) {
    const Slotreihe* r = reihe(o, routine);
    return r ? static_cast<int>(std::count_if(r->begin(), r->end(), test)) : 0;
}

// One object's line: per slot a state letter and "C" or the person's number.
std::string zeile_schreiben(const Slotreihe& r) {
    std::string text;
    for (const OB_Slot& s : r) {
        switch (s.Status) {
            case -1:
                text += 'A';
                break;
            case 0:
                text += 'B';
                break;
            case 1:
                text += 'D';
                break;
            default:
                Fehler_melden("OB_File_Save -> Status -> unbekannt");
        }
        if (s.Person == -1)
            text += 'C';
        else if (s.Person >= 0)
            text += std::to_string(s.Person);
        else
            Fehler_melden("OB_File_Save -> MA_ID -> unbekannt");
    }
    return text;
}

// Reads one line into r; false (with the reason) for a bad line.
bool zeile_lesen(const std::string& zeile, Slotreihe& r, std::string& fehler) {
    int k = 0;
    std::size_t i = 0;
    while (i < zeile.size()) {
        const char c = zeile[i];
        const bool ziffer = c >= '0' && c <= '9';
        if (c != 'A' && c != 'B' && c != 'C' && c != 'D' && !ziffer) {
            fehler = "OB_File_Load -> Filterhelfer[I2] -> unbekannt.";
            return false;
        }
        if (k >= Slotzahl) {
            fehler = "OB_File_Load > mehr als 12 Slots in der Zeile";
            return false;
        }
        OB_Slot& s = r[static_cast<std::size_t>(k)];
        if (c == 'A' || c == 'B' || c == 'D') {
            s.Status = c == 'A' ? -1 : c == 'B' ? 0 : 1;
            ++i;
        } else if (c == 'C') {
            s.Person = -1;
            ++k;
            ++i;
        } else {
            std::size_t ende = i;
            while (ende < zeile.size() && zeile[ende] >= '0' && zeile[ende] <= '9') ++ende;
            int person = -1;
            if (!FFU_Zahl_lesen(zeile.substr(i, ende - i), person) || !PM_Person_gueltig(person)) {
                fehler = "OB_File_Load > unbekannte Person: " + zeile.substr(i, ende - i);
                return false;
            }
            s.Person = person;
            ++k;
            i = ende;
        }
    }
    return true;
}

}  // namespace

void OB_Objekt_anlegen(int o) {
    if (o < 0) {
        Fehler_melden("OB_Objekt_anlegen > unbekanntes Objekt: " + std::to_string(o));
        return;
    }
    if (static_cast<std::size_t>(o) >= OB_Slots.size()) OB_Slots.resize(static_cast<std::size_t>(o) + 1);
    OB_Slots[static_cast<std::size_t>(o)].fill(OB_Slot{});
}

void OB_Slots_oeffnen(int n, int o, int clan) {
    Slotreihe* r = reihe(o, "OB_Slots_oeffnen");
    if (!r) return;
    if (n > Slotzahl) {
        Fehler_melden("OB_Slots_oeffnen > mehr Plaetze als Slots: " + std::to_string(n));
        n = Slotzahl;
    }
    if (n > -1) AAU_Stelle_eintragen(clan, o);
    for (int k = 0; k < Slotzahl; ++k) (*r)[static_cast<std::size_t>(k)].Status = k < n ? 0 : -1;
}

void OB_Slot_Status_setzen(int o, int k, int status) {
    if (OB_Slot* s = slot(o, k, "OB_Slot_Status_setzen")) s->Status = status;
}

bool OB_Arbeiter_eintragen(int p, int o, int k) {
    OB_Slot* s = slot(o, k, "OB_Arbeiter_eintragen");
    if (!s || hat_arbeiter(*s)) return false;
    s->Person = p;
    return true;
}

void OB_Arbeiter_austragen(int o, int k) {
    if (OB_Slot* s = slot(o, k, "OB_Arbeiter_austragen")) s->Person = -1;
}

int OB_Arbeiter_des_Slots(int o, int k) {
    const OB_Slot* s = slot(o, k, "OB_Arbeiter_des_Slots");
    return s ? s->Person : -1;
}

bool OB_Slot_offen(int o, int k) {
    const OB_Slot* s = slot(o, k, "OB_Slot_offen");
    return s && offen(*s);
}

bool OB_Slot_hat_Arbeiter(int o, int k) {
    const OB_Slot* s = slot(o, k, "OB_Slot_hat_Arbeiter");
    return s && hat_arbeiter(*s);
}

bool OB_Slot_besetzt(int o, int k) {
    const OB_Slot* s = slot(o, k, "OB_Slot_besetzt");
    return s && besetzt(*s);
}

bool OB_Slot_frei(int o, int k) {
    const OB_Slot* s = slot(o, k, "OB_Slot_frei");
    return s && frei(*s);
}

bool OB_Slot_Entlassung_vorgemerkt(int o, int k) {
    const OB_Slot* s = slot(o, k, "OB_Slot_Entlassung_vorgemerkt");
    return s && s->Status == 1;
}

int OB_Max_Slot() { return OB_MaxSlot; }

int OB_Erster_freier_Slot(int o) {
    const Slotreihe* r = reihe(o, "OB_Erster_freier_Slot");
    if (!r) return -1;
    for (int k = 0; k < Slotzahl; ++k)
        if (frei((*r)[static_cast<std::size_t>(k)])) return k;
    return -1;
}

int OB_Anzahl_freie_Slots(int o) { return zaehlen(o, "OB_Anzahl_freie_Slots", frei); }
int OB_Anzahl_Arbeiter(int o) { return zaehlen(o, "OB_Anzahl_Arbeiter", hat_arbeiter); }
bool OB_Hat_Arbeiter(int o) { return zaehlen(o, "OB_Hat_Arbeiter", hat_arbeiter) > 0; }
bool OB_Keine_Arbeiter(int o) { return zaehlen(o, "OB_Keine_Arbeiter", besetzt) == 0; }

int OB_Slot_des_Arbeiter(int o, int p) {
    const Slotreihe* r = reihe(o, "OB_Slot_des_Arbeiter");
    if (r) {
        for (int k = 0; k < Slotzahl; ++k) {
            const OB_Slot& s = (*r)[static_cast<std::size_t>(k)];
            if (offen(s) && s.Person == p) return k;
        }
    }
    Fehler_melden("OB_Slot_des_Arbeiter > MA nicht im Objekt vorhanden. Kann nicht entlassen werden.");
    return -1;
}

void OB_Slots_verdichten(int o) {
    Slotreihe* r = reihe(o, "OB_Slots_verdichten");
    if (!r) return;
    int h = OB_MaxSlot;
    while (h >= 0 && !hat_arbeiter((*r)[static_cast<std::size_t>(h)])) --h;
    if (h <= 0) return;
    int j = 0;
    while (j < h && hat_arbeiter((*r)[static_cast<std::size_t>(j)])) ++j;
    if (j >= h) return;
    (*r)[static_cast<std::size_t>(j)] = (*r)[static_cast<std::size_t>(h)];
    (*r)[static_cast<std::size_t>(h)] = OB_Slot{};
}

void OB_Slot_schliessen(int clan, int o, int k) {
    OB_Slot* s = slot(o, k, "OB_Slot_schliessen");
    if (!s) return;
    s->Status = -1;
    const int position = AAU_Position_von_Objekt(clan, o);
    if (position >= 0 && OB_Anzahl_freie_Slots(o) == 0) AAU_Stelle_austragen(clan, position);
}

void OB_Slot_anklicken(int o, int k) {
    OB_Slot* s = slot(o, k, "OB_Slot_anklicken");
    if (!s || OM_Objekt_ist_Home(o) || !offen(*s)) return;
    if (hat_arbeiter(*s)) {
        const int p = s->Person;
        if (!PM_Person_gueltig(p)) {
            Fehler_melden("OB_Slot_anklicken > unbekannte Person: " + std::to_string(p));
            return;
        }
        if (Personen[static_cast<std::size_t>(p)].AuftragID() < 1)
            PM_Person_entlassen(p);
        else
            s->Status = 1;  // leaves when its current order ends
        return;
    }
    IFU_Anzeigezaehler = 12;
    const int p = AAU_Arbeitslosen_suchen(o);
    if (!PM_Person_gueltig(p)) return;
    const int position = AAU_Position_von_Objekt(Personen[static_cast<std::size_t>(p)].Spieler(), o);
    if (position >= 0) AAU_Stelle_besetzen(p, position);
}

bool OB_Alle_Arbeiter_entlassen(int clan, int o) {
    Slotreihe* r = reihe(o, "OB_Alle_Arbeiter_entlassen");
    if (!r) return true;
    bool alle = true;
    for (int k = 0; k < Slotzahl; ++k) {
        const OB_Slot s = (*r)[static_cast<std::size_t>(k)];
        if (s.Status != 0) continue;
        if (hat_arbeiter(s)) {
            if (!PM_Person_gueltig(s.Person)) {
                Fehler_melden("OB_Alle_Arbeiter_entlassen > unbekannte Person: " + std::to_string(s.Person));
            } else if (Personen[static_cast<std::size_t>(s.Person)].AuftragID() >= 1) {
                alle = false;
                continue;
            } else {
                PM_Person_entlassen(s.Person);
            }
        }
        OB_Slot_schliessen(clan, o, k);
    }
    return alle;
}

bool OB_File_Save(const std::string& pfad) {
    std::vector<std::string> zeilen;
    zeilen.reserve(OB_Slots.size());
    for (const Slotreihe& r : OB_Slots) zeilen.push_back(zeile_schreiben(r));
    return Seitendatei_schreiben(pfad, zeilen, "OB_File_Save");
}

void OB_File_Load(const std::string& pfad) {
    OB_Slots.clear();
    auto zeilen = Seitendatei_lesen(pfad, "OB_File_Load");
    if (!zeilen) return;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        // One line per object: there are never more lines than object rows.
        if (i >= Objekte.size()) {
            Fehler_melden("OB_File_Load > mehr Zeilen als Objekte: " + std::to_string(zeilen->size()));
            return;
        }
        const int o = static_cast<int>(i);
        OB_Objekt_anlegen(o);
        Slotreihe gelesen = OB_Slots[i];
        std::string fehler;
        if (zeile_lesen((*zeilen)[i], gelesen, fehler))
            OB_Slots[i] = gelesen;
        else
            Fehler_melden(fehler + " (Zeile " + std::to_string(i + 1) + ")");
    }
}
