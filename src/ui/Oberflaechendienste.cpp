#include "ui/Oberflaechendienste.h"

#include "ui/InterfacePanel.h"
#include "ui/MouseOver.h"
#include "ui/Panelschalter.h"
#include "ui/Textausgabe.h"
#include "ui/Textoverlay.h"
#include "persistence/Spielstaende.h"
#include "population/Briefe.h"
#include "render/Interfaceatlas.h"
#include "ui/Rangliste.h"
#include "ui/MouseOver_Panel.h"
#include "world/Kartengenerator.h"
#include "ui/Fenster_Bau.h"
#include "ui/Aktionen.h"
#include "ui/Fenstermaus.h"
#include "ui/Interaktiv.h"
#include "ui/Paneltexte.h"
#include "foundation/Spielstatus.h"
#include "foundation/Fehler.h"

bool Oberflaechendienste::MO_Mouseover(bool klick) { return ::MO_Mouseover(klick); }
// The seam passes the action first; the executor takes the info number first.
void Oberflaechendienste::MOAktion(int aktion, int info, int parameter) {
    ::MOAktion(info, aktion, parameter);
}
void Oberflaechendienste::Panelanzeigen(int panel) { ::Panelanzeigen(panel); }
void Oberflaechendienste::ITP_Panels_laden() { ::ITP_Panels_laden(); }
void Oberflaechendienste::ITP_Paneltabellen_leeren() { ::ITP_Paneltabellen_leeren(); }
void Oberflaechendienste::MO_UIdat_laden() { ::MO_UIdat_laden(); }
void Oberflaechendienste::IAU_Edikte_laden() { ::IAU_Edikte_laden(); }
void Oberflaechendienste::Showtext() { ::Showtext(); }
int Oberflaechendienste::IAU_Auswahl_2() { return ::IAU_Auswahl_2; }
bool Oberflaechendienste::IAU_Edikte_speichern(const std::string& pfad) {
    return ::IAU_Edikte_speichern(pfad);
}
void Oberflaechendienste::IAU_Edikte_laden_Save(const std::string& pfad) { ::IAU_Edikte_laden_Save(pfad); }
void Oberflaechendienste::TPU_2D_Modus() { ::TPU_2D_Modus(); }
void Oberflaechendienste::TPU_Ladestatus_add(const std::string& text) { ::TPU_Ladestatus_add(text); }
void Oberflaechendienste::TPU_Ladestatus_leeren() { ::TPU_Ladestatus_leeren(); }
bool Oberflaechendienste::Ingamemenue_sichtbar() { return ITP_Panel_sichtbar(ITP_InGameMain); }
bool Oberflaechendienste::Speicherpanel_sichtbar() { return ITP_Panel_sichtbar(ITP_Speicherpanel); }
// The player types the name on the options panel.
bool Oberflaechendienste::Spielernamepanel_sichtbar() { return ITP_Panel_sichtbar(ITP_OptionsPanel); }
// The update check's lines and countdown go onto the update panel while it is shown.
void Oberflaechendienste::TPU_Updatestatus_setzen(int zeile, const std::string& text) {
    if (zeile < 0 || zeile >= static_cast<int>(TPU_Updatestatus.size())) {
        Fehler_melden("TPU_Updatestatus_setzen > Zeile nicht abgefangen : " + std::to_string(zeile));
        return;
    }
    TPU_Updatestatus[static_cast<std::size_t>(zeile)] = text;
}
void Oberflaechendienste::IFU_Updateanzeige_Zaehler_setzen(int frames) { IFU_Updateanzeige_Zaehler = frames; }
