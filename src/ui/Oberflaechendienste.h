#pragma once
// The real interface behind the simulation's UiSeam: panels, hot zones, the
// mouse dispatcher and the on-screen text. The game installs one at start-up.
#include "foundation/Seams.h"

struct Oberflaechendienste : UiSeam {
    bool MO_Mouseover(bool klick) override;
    void MOAktion(int aktion, int info, int parameter) override;
    void Panelanzeigen(int panel) override;
    void ITP_Panels_laden() override;
    void ITP_Paneltabellen_leeren() override;
    void MO_UIdat_laden() override;
    void IAU_Edikte_laden() override;
    void Showtext() override;
    int IAU_Auswahl_2() override;
    bool IAU_Edikte_speichern(const std::string& pfad) override;
    void IAU_Edikte_laden_Save(const std::string& pfad) override;
    void TPU_2D_Modus() override;
    void TPU_Ladestatus_add(const std::string& text) override;
    void TPU_Ladestatus_leeren() override;
    bool Ingamemenue_sichtbar() override;
    bool Speicherpanel_sichtbar() override;
    bool Spielernamepanel_sichtbar() override;
    void TPU_Updatestatus_setzen(int zeile, const std::string& text) override;
    void IFU_Updateanzeige_Zaehler_setzen(int frames) override;
};
