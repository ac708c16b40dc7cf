#pragma once
// A small world for the job tests: one island of building land, clans with
// gold and ware prices, goods and building templates, and helpers that put
// persons, buildings, goods slots and order entries on it.
#include <cstddef>
#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Haefen.h"
#include "economy/Objekte.h"
#include "economy/Schiffe.h"
#include "economy/Spieler.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "population/Befehlsliste.h"
#include "population/Hafenjobs.h"
#include "population/Personen.h"
#include "economy/Baustelle.h"
#include "economy/Bauvorschau.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Schutt.h"
#include "population/Edikte.h"
#include "population/Personen_Geburt.h"
#include "population/Personen_Leben.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Hasen.h"
#include "world/Karte.h"

namespace bhmtest {

class Auftragswelt : public Kernwelt {
public:
    // Goods 0..anzahl_waren-1, clans 0..clans, every clan with 100 gold and price `preis` for every good.
    explicit Auftragswelt(int seite = 32, int clans = 1, int anzahl_waren = 6, int preis = 5)
        : Kernwelt(seite) {
        for (Kartenfeld& k : Karte) {
            k.LandType() = 4;
            k.Insel() = 0;
            k.Block() = -1;
            k.Person() = -1;
            k.Objekt() = -1;
            k.Ambiente() = -1;
        }
        SBU_Waren.assign(static_cast<std::size_t>(anzahl_waren), Ware());
        GU_Spieler_erstellen(clans);
        GU_Warenwerte.assign(Spieler.size(), std::vector<int>(static_cast<std::size_t>(anzahl_waren), preis));
        for (Spielerzeile& s : Spieler) {
            s.Gold() = 100;
            s.Arbeitsradius() = 10;
            s.Edikt_Exportverbot() = 0;
        }
        leeren();
    }
    ~Auftragswelt() { leeren(); }

    static int feld(int x, int y) { return x + y * MG_Kartengroesse; }

    // A building template with the mode and the slot uses {ware, use}; its type number.
    static int vorlage(const std::string& modus, std::vector<Warenslot> slots = {}) {
        Objekt_Item o = Gebaeude(modus);
        for (Warenslot& s : o.Slots) s = {-1, 0};
        for (std::size_t k = 0; k < slots.size() && k < 6; ++k) o.Slots[k] = slots[k];
        SBU_Objekte.push_back(o);
        return static_cast<int>(SBU_Objekte.size()) - 1;
    }

    // A finished building of the type on the cell, every goods slot unused.
    static int gebaeude(int clan, int feld, int typ) {
        const int o = OM_Objekt_anlegen(feld, clan, typ);
        Karte[static_cast<std::size_t>(feld)].Objekt() = o;
        for (int k = 0; k < Objekt_Warenslots; ++k) slot(o, k, -1, 0);
        return o;
    }

    static void slot(int o, int k, int ware, int bestand, int bestellt = 0, int reserviert = 0) {
        Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
        z.Slot_Ware(k) = ware;
        z.Slot_Bestand(k) = bestand;
        z.Slot_Bestellt(k) = bestellt;
        z.Slot_Reserviert(k) = reserviert;
        z.Slot_Raeumen(k) = -1;
    }

    // Lists the building in the goods index of the ware (the island of its anchor cell).
    static void anbieten(int o, int ware) {
        const int f = Objekte[static_cast<std::size_t>(o)].Feld();
        IWU_Ware_eintragen(ware, f, o, Karte[static_cast<std::size_t>(f)].Insel());
    }

    // An idle adult on the cell: alive, single, homeless, without workplace, with 10 gold.
    static int person(int clan, int feld, int geschlecht = 1) {
        const int p = PM_Person_erzeugen(false, feld, -1, clan);
        Personenzeile& z = Personen[static_cast<std::size_t>(p)];
        z.Hunger() = 150;
        z.Alter() = 20;
        z.Geschlecht() = geschlecht;
        z.Spieler() = clan;
        z.Feld() = feld;
        z.AuftragID() = 0;
        z.Zielfeld() = -1;
        z.Bewegungscounter() = 0;
        z.Auftragsziel2() = -1;
        z.PfadID() = -1;
        z.HeimID() = -1;
        z.ArbeitsplatzID() = -1;
        z.PartnerID() = -1;
        z.Glueck() = 100;
        z.Gold() = 10;
        z.WarenID() = 0;
        Karte[static_cast<std::size_t>(feld)].Person() = p;
        return p;
    }

    static Personenzeile& P(int p) { return Personen[static_cast<std::size_t>(p)]; }
    static Objektzeile& O(int o) { return Objekte[static_cast<std::size_t>(o)]; }
    static Spielerzeile& S(int c) { return Spieler[static_cast<std::size_t>(c)]; }
    static Kartenfeld& K(int f) { return Karte[static_cast<std::size_t>(f)]; }

    static int anzahl(int clan) {
        return static_cast<std::size_t>(clan) < JU_Befehlsliste.size()
                   ? JU_Befehlsliste[static_cast<std::size_t>(clan)].Anzahl
                   : 0;
    }
    static const Job_Befehl& befehl(int clan, int i) {
        return JU_Befehlsliste[static_cast<std::size_t>(clan)].Befehle[static_cast<std::size_t>(i)];
    }

private:
    // The lists the world reset does not reach while their units are stand-ins.
    static void leeren() {
        Schiffe.clear();
        Schiff_Anzahl = 0;
        Haefen.clear();
        Hafen_Ende = -1;
        Hafenjob_Liste.clear();
        BPU_PFU_Indexliste.clear();
        Platzierungsmodus = false;
        Bau_Platzwert_max = 0;
        Bau_Testmodus = 0;
    }
};

}  // namespace bhmtest
