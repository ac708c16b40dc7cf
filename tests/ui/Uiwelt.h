#pragma once
// A clean world for the interface tests: the clean simulation world, the
// interface seam of the actions installed, no edicts, no selection and every
// toggle and set-up list cleared.
#include <algorithm>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "foundation/Info.h"
#include "foundation/Seams.h"
#include "foundation/Sound.h"
#include "foundation/Zeichenbreiten.h"
#include "population/Befehlsliste.h"
#include "ui/InterfacePanel.h"
#include "ui/Oberflaechendienste.h"
#include "ui/Interaktiv.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "foundation/Spielstatus.h"

namespace bhmtest {

class Uiwelt : public Kernwelt {
public:
    explicit Uiwelt(int clans = 1) {
        std::copy(std::begin(TPU_Zeichenbreiten_Font1), std::end(TPU_Zeichenbreiten_Font1), breiten1_);
        std::copy(std::begin(TPU_Zeichenbreiten_Font2), std::end(TPU_Zeichenbreiten_Font2), breiten2_);
        leeren();
        Oberflaeche_setzen(&dienste_);
        Spieler.assign(static_cast<std::size_t>(clans), Spielerzeile{});
    }
    ~Uiwelt() {
        Oberflaeche_setzen(nullptr);
        leeren();
        std::copy(std::begin(breiten1_), std::end(breiten1_), TPU_Zeichenbreiten_Font1);
        std::copy(std::begin(breiten2_), std::end(breiten2_), TPU_Zeichenbreiten_Font2);
    }

    // Object row o (the table grows as needed) as a building of the clan.
    static Objektzeile& objekt(int o, int besitzer, int typ = 0) {
        if (Objekte.size() <= static_cast<std::size_t>(o)) Objekte.resize(static_cast<std::size_t>(o) + 1);
        Objektzeile& z = Objekte[static_cast<std::size_t>(o)];
        z = Objektzeile{};
        z.Feld() = 5;
        z.Besitzer() = besitzer;
        z.Typ() = typ;
        for (int k = 0; k < Objekt_Warenslots; ++k) z.Slot_Ware(k) = -1;
        return z;
    }

private:
    static void leeren() {
        IAU_Zuruecksetzen();
        Gewaehltes_Objekt = -1;
        Gewaehlter_Warenslot = 0;
        std::fill(std::begin(Schalterfenster_Optionen), std::end(Schalterfenster_Optionen), false);
        for (ITP_Schalter& s : ITP_Panel_Schalter) s.sichtbar = false;
        for (Spieler_element& e : Lobby_Spieler) e = {};
        IFU_Lobby_aktiv = false;
        ELE = CLT = false;
        Lautstaerke = 0.2;
        GUI_Info_zuruecksetzen();
        Mouseoverfunktion_Nummer = Mouseoverfunktion_Wert = 0;
        MoPosFenstermitte_X = MoPosFenstermitte_Y = 0;
        Objekte.clear();
        JU_Befehlsliste.clear();
        std::fill(std::begin(TPU_Zeichenbreiten_Font1), std::end(TPU_Zeichenbreiten_Font1), 10);
        std::fill(std::begin(TPU_Zeichenbreiten_Font2), std::end(TPU_Zeichenbreiten_Font2), 10);
    }

    Oberflaechendienste dienste_;
    int breiten1_[256] = {}, breiten2_[256] = {};
};

}  // namespace bhmtest
