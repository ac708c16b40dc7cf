#pragma once
// A 16 x 16 world of level building land (land type 4) on island 0 with two
// clans, wares 0..3 (ware 1 a "stone" material), and building types:
//   0 "Produktion": footprint anchor (solid), east neighbour (not solid), north
//     cell (solid); needs 4 of ware 1 and 2 of ware 2; two workers; slot 0 keeps
//     ware 3 for production, slot 1 fetches ware 2.
//   1 "Home" with room 4, envy 5, built up to type 2.
//   2 "Home" with room 6, envy 8, no follow-up; needs 3 of ware 2.
//   3 "Hafen2" with the one-cell footprint and no material.
//   4 "Hafen", the harbour template.
// Every type but 0 has the one-cell footprint.
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Spieler.h"
#include "economy/Haefen.h"
#include "economy/KI.h"
#include "economy/Schiffe.h"
#include "economy/Baustelle.h"
#include "economy/Diagramm.h"
#include "economy/Errungenschaften.h"
#include "economy/Objekte.h"
#include "economy/Warenstatistik.h"
#include "population/Animation.h"
#include "population/Bauauftraege.h"
#include "population/Befehlsliste.h"
#include "world/Hasen.h"
#include "population/Personen_Leben.h"
#include "economy/Objekte_Betrieb.h"
#include "population/Jobschritt.h"
#include "population/Personen_Skills.h"
#include "world/Kartengenerator.h"
#include "world/Landschaft.h"
#include "world/Pfade.h"
#include "population/Wohnraum.h"
#include "world/Ernte.h"
#include "world/Wachstum.h"
#include "population/Personenindex.h"
#include "foundation/Schablonen.h"
#include "world/Karte.h"

namespace bhmtest {

struct Bauwelt : Kernwelt {
    static constexpr int Anker = 5 + 5 * 16;
    Bauwelt() : Kernwelt(16) {
        for (Kartenfeld& k : Karte) {
            k.LandType() = 4;
            k.Insel() = 0;
        }
        SBU_Waren.assign(4, Ware());
        SBU_Waren[1].Spez = "stone";
        Objekt_Item p = Gebaeude("Produktion", 2);
        p.Baukosten[0] = {1, 4};
        p.Baukosten[2] = {2, 2};
        p.Slots[0] = {3, Benutzung_Produktion};
        p.Slots[1] = {2, Benutzung_Holen};
        for (int k = 2; k < 6; ++k) p.Slots[static_cast<std::size_t>(k)] = {-1, 0};
        Objekt_Item h1 = Gebaeude("Home", 4);
        h1.Neid = 5;
        h1.Updatelink = 2;
        Objekt_Item h2 = Gebaeude("Home", 6);
        h2.Neid = 8;
        h2.Baukosten[1] = {2, 3};
        SBU_Objekte = {p, h1, h2, Gebaeude("Hafen2", 1), Gebaeude("Hafen", 1)};
        SBU_Hafen_ID = 4;
        SBU_Hafen2_ID = 3;
        SBU_Bauplaetze = {{{0, 1}, {1, 0}, {-16, 1}}, {{0, 1}}, {{0, 1}}, {{0, 1}}, {{0, 1}}};
        SBU_Ambiente.resize(4);
        SBU_Ambiente[2].block = 1;  // type 7: a blocking stone
        SBU_ID_mark = 5;
        GU_Spieler_erstellen(1);
        for (Spielerzeile& s : Spieler) s.Gold() = 100;
        JU_Befehlsliste.clear();
        SingelFrau_Index = {};
    }
    ~Bauwelt() {
        JU_Befehlsliste.clear();
        SingelFrau_Index = {};
    }
    static Kartenfeld& feld(int c) { return Karte[static_cast<std::size_t>(c)]; }
    // The clan's orders in list order.
    static std::vector<Job_Befehl> auftraege(int clan) {
        std::vector<Job_Befehl> a;
        if (static_cast<std::size_t>(clan) >= JU_Befehlsliste.size()) return a;
        const JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(clan)];
        for (int i = 0; i < l.Anzahl; ++i) a.push_back(l.Befehle[static_cast<std::size_t>(i)]);
        return a;
    }
};

}  // namespace bhmtest
