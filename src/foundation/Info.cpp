#include "foundation/Info.h"

#include "foundation/Fehler.h"
#include "foundation/Seams.h"
#include "foundation/Sound.h"
#include "foundation/Spielstatus.h"

std::vector<GUI_Info> GUI_Infoliste;
int GUI_Infoanzahl = 0;
int GUI_Infoversatz = 0;
bool GUI_Ge = true, GUI_To = true, GUI_Ab = true, GUI_Ei = true, GUI_FO = true, GUI_KT = true, GUI_KS = true,
     GUI_FS = true, GUI_Au = true, GUI_Cl = true, GUI_Me = true;
bool GUI_In = false;

namespace {

// The switch of an event's category; nullptr for an event in none.
bool* kategorie(int event) {
    switch (event) {
        case 2:
        case 249:
            return &GUI_Cl;
        case 246:
        case 247:
        case 248:
            return &GUI_Au;
        case 250:
            return &GUI_To;
        case 251:
            return &GUI_Ge;
        case 253:
            return &GUI_Ab;
        case 254:
            return &GUI_Ei;
        case 255:
            return &GUI_FO;
        case 256:
            return &GUI_KT;
        case 257:
        case 258:
        case 259:
        case 260:
        case 280:
        case GUI_Event_Errungenschaft:
            return &GUI_Me;
        case 261:
            return &GUI_FS;
        case 281:
            return &GUI_KS;
        default:
            return nullptr;
    }
}

}  // namespace

int GUI_Info_Abstand() {
    ShellSeam& s = Shell();
    const int form = s.Formbreite();
    // The distance a message travels across the window.
    const int d = form - 214 - (s.Clientbreite() - form) / 2;
    if (d <= 0) return 1;
    // Frames to travel 70 pixels at d / 760 pixels per frame.
    const int schritt = 70 * GUI_Anzeigedauer / d;
    return schritt < 1 ? 1 : schritt;
}

void GUI_Info_add(int event, int wert, const std::string& text) {
    if (bool* schalter = kategorie(event)) {
        if (!*schalter) return;
    } else {
        Fehler_melden("GUI_Info_add > nicht abgefangenes Event " + std::to_string(event));
    }
    GUI_Info info{event, GUI_Anzeigedauer + GUI_Infoversatz, wert, text};
    if (GUI_Infoanzahl < static_cast<int>(GUI_Infoliste.size()))
        GUI_Infoliste[static_cast<std::size_t>(GUI_Infoanzahl)] = std::move(info);
    else
        GUI_Infoliste.push_back(std::move(info));
    ++GUI_Infoanzahl;
    GUI_Infoversatz += GUI_Info_Abstand();
}

void GUI_Info_Versatz_abbauen() {
    if (GUI_In && Oberflaeche().MO_Slider_gezogen()) return;
    if (GUI_Infoversatz > 0) --GUI_Infoversatz;
}

void GUI_Info_Tick() {
    GUI_Info_Versatz_abbauen();
    UiSeam& ui = Oberflaeche();
    const bool gehalten = GUI_In && Kamera_ziehen && ui.MO_Slider_gezogen();
    const int gehaltene = gehalten ? ui.MO_Slider_Wert() : -1;
    int i = 0;
    while (i < GUI_Infoanzahl) {
        GUI_Info& info = GUI_Infoliste[static_cast<std::size_t>(i)];
        if (i != gehaltene) {
            --info.Restzeit;
            // Just come up. (A held message does not sound again every frame.)
            if (info.Restzeit == GUI_Anzeigedauer - 1) SND_Effekt_abspielen(0);
        }
        if (info.Restzeit < 0)
            GUI_Info_entfernen(i);  // the last message moved here: look at it too
        else
            ++i;
    }
}

void GUI_Info_entfernen(int i) {
    if (i < 0 || i >= GUI_Infoanzahl) {
        Fehler_melden("GUI_Info_entfernen > keine Nachricht " + std::to_string(i));
        return;
    }
    const int letzte = GUI_Infoanzahl - 1;
    if (i != letzte)
        GUI_Infoliste[static_cast<std::size_t>(i)] = GUI_Infoliste[static_cast<std::size_t>(letzte)];
    --GUI_Infoanzahl;
}

void GUI_Info_leeren() { GUI_Infoanzahl = 0; }

void GUI_Info_zuruecksetzen() {
    GUI_Infoliste.clear();
    GUI_Infoanzahl = 0;
    GUI_Infoversatz = 0;
    GUI_Ge = GUI_To = GUI_Ab = GUI_Ei = GUI_FO = GUI_KT = GUI_KS = GUI_FS = GUI_Au = GUI_Cl = GUI_Me = true;
    GUI_In = false;
}
