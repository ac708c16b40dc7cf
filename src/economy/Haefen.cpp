#include "economy/Haefen.h"

#include "economy/Objekte.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"
#include "population/Bauauftraege.h"
#include "population/Personen.h"
#include "population/Zielaktion.h"
#include "world/Karte.h"

std::vector<Hafen_inhalte> Haefen;
int Hafen_Ende = -1;

namespace {

// Records are added ten at a time.
constexpr int Hafen_Schritt = 10;

bool hafen_gueltig(int h) { return h >= 0 && h <= Hafen_Ende && static_cast<std::size_t>(h) < Haefen.size(); }

void platz_fuer(int h) {
    if (static_cast<std::size_t>(h) >= Haefen.size())
        Haefen.resize(static_cast<std::size_t>(h) + Hafen_Schritt);
}

// Passengers still waiting when their harbour goes step ashore where they waited, as a ship
// sets a passenger down, and the harbour that asked for each of them asks again.
void passagiere_an_Land(const Hafen_inhalte& h) {
    for (int k = 0; k < h.Anzahl && static_cast<std::size_t>(k) < h.Passagiere.size(); ++k) {
        const int q = h.Passagiere[static_cast<std::size_t>(k)];
        if (!PM_Person_lebt(q) || Personen[static_cast<std::size_t>(q)].AuftragID() != JU_Auftrag_im_Hafen)
            continue;
        ZAU_Auftrag_freigeben(q);
        Personenzeile& p = Personen[static_cast<std::size_t>(q)];
        p.AuftragID() = JU_Auftrag_gelandet;
        p.WarenID() = 0;
        PM_Ziel_setzen(q, p.Feld());
    }
}

}  // namespace

int Hafen_registrieren(int objekt) {
    if (!OM_Objekt_gueltig(objekt)) {
        Fehler_melden("Hafen_registrieren > Objekt nicht vorhanden: " + std::to_string(objekt));
        return -1;
    }
    if (Haefen.empty()) {
        Haefen.resize(Hafen_Schritt);
        Hafen_Ende = -1;
    }
    ++Hafen_Ende;
    platz_fuer(Hafen_Ende);
    Haefen[static_cast<std::size_t>(Hafen_Ende)] = Hafen_inhalte{objekt, 0, {}};
    Objekte[static_cast<std::size_t>(objekt)].Hafen() = Hafen_Ende;
    return Hafen_Ende;
}

void Hafen_entfernen(int objekt) {
    for (int h = 0; h <= Hafen_Ende && static_cast<std::size_t>(h) < Haefen.size(); ++h) {
        if (Haefen[static_cast<std::size_t>(h)].Objekt != objekt) continue;
        passagiere_an_Land(Haefen[static_cast<std::size_t>(h)]);
        Haefen[static_cast<std::size_t>(h)] = std::move(Haefen[static_cast<std::size_t>(Hafen_Ende)]);
        const int verschoben = Haefen[static_cast<std::size_t>(h)].Objekt;
        if (h != Hafen_Ende && OM_Objekt_gueltig(verschoben))
            Objekte[static_cast<std::size_t>(verschoben)].Hafen() = h;
        Haefen[static_cast<std::size_t>(Hafen_Ende)] = Hafen_inhalte{};
        --Hafen_Ende;
        return;
    }
}

int Hafen_naechster_auf_Insel(int feld, int besitzer) {
    if (!MG_Feld_gueltig(feld)) return -1;
    const int insel = Karte[static_cast<std::size_t>(feld)].Insel();
    int beste = MG_Kartengroesse, ergebnis = -1;
    for (int h = 0; hafen_gueltig(h); ++h) {
        const int o = Haefen[static_cast<std::size_t>(h)].Objekt;
        if (!OM_Objekt_gueltig(o)) continue;
        if (besitzer >= 0 && Objekte[static_cast<std::size_t>(o)].Besitzer() != besitzer) continue;
        const int anker = Objekte[static_cast<std::size_t>(o)].Feld();
        if (!MG_Feld_gueltig(anker) || Karte[static_cast<std::size_t>(anker)].Insel() != insel) continue;
        const int d = FFU_Distanz(anker, feld);
        if (d < beste) {
            beste = d;
            ergebnis = anker;
        }
    }
    return ergebnis;
}

void Hafen_Passagier_hinzufuegen(int hafen, int person) {
    if (!hafen_gueltig(hafen)) {
        Fehler_melden("Hafen_Passagier_hinzufuegen > Hafen nicht vorhanden: " + std::to_string(hafen));
        return;
    }
    Hafen_inhalte& h = Haefen[static_cast<std::size_t>(hafen)];
    if (static_cast<std::size_t>(h.Anzahl) >= h.Passagiere.size())
        h.Passagiere.resize(static_cast<std::size_t>(h.Anzahl) + 1);
    h.Passagiere[static_cast<std::size_t>(h.Anzahl)] = person;
    ++h.Anzahl;
}

void Hafen_Passagier_entfernen(int hafen, int position) {
    if (!hafen_gueltig(hafen)) return;
    Hafen_inhalte& h = Haefen[static_cast<std::size_t>(hafen)];
    if (position < 0 || position >= h.Anzahl || static_cast<std::size_t>(h.Anzahl) > h.Passagiere.size())
        return;
    h.Passagiere[static_cast<std::size_t>(position)] = h.Passagiere[static_cast<std::size_t>(h.Anzahl - 1)];
    --h.Anzahl;
}

void Hafen_Liste_leeren() {
    Haefen.clear();
    Hafen_Ende = -1;
}

void Hafen_File_Load(const std::string& datei) {
    // A missing file reads as nothing.
    const auto zeilen = Textdatei_lesen(datei);
    if (!zeilen) return;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        const std::string& zeile = (*zeilen)[i];
        if (zeile == "0" || zeile.empty()) continue;
        std::string rest = zeile, feld;
        int objekt = 0, anzahl = 0;
        FFU_Slashteil_entnehmen(rest, feld);
        const bool ok_objekt = FFU_Zahl_lesen(feld, objekt) && objekt >= 0;
        FFU_Slashteil_entnehmen(rest, feld);
        if (!ok_objekt || !FFU_Zahl_lesen(feld, anzahl)) {
            Fehler_melden("Hafen_File_Load > Zeile " + std::to_string(i + 1) + " unlesbar: " + zeile);
            continue;
        }
        const int h = static_cast<int>(i);
        // The list is sized from the saved game's settings; a longer file still fits.
        platz_fuer(h);
        Hafen_Ende = h;
        Haefen[i] = Hafen_inhalte{objekt, 0, {}};
        while (anzahl >= 1 && !rest.empty()) {
            FFU_Slashteil_entnehmen(rest, feld);
            int person = -1;
            if (FFU_Zahl_lesen(feld, person) && person >= 0)
                Hafen_Passagier_hinzufuegen(h, person);
            else
                Fehler_melden("Hafen_File_Load > Passagier unlesbar in Zeile " + std::to_string(i + 1));
        }
    }
}
