#include "render/Interfacezustaende.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "economy/Arbeiterslots.h"
#include "economy/Errungenschaften.h"
#include "economy/Logik.h"
#include "economy/Objekte.h"
#include "economy/Sieg.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Info.h"
#include "foundation/Sound.h"
#include "foundation/Spielstatus.h"
#include "platform/base/Text1252.h"
#include "population/Animation.h"
#include "population/Briefe.h"
#include "population/Personen.h"
#include "persistence/Spielstaende.h"
#include "ui/InterfacePanel.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "world/Kartengenerator.h"

namespace {

using Zustand = std::function<int()>;
using Tabelle = std::unordered_map<std::string, Zustand>;

int als_int(bool b) { return b ? 1 : 0; }

// The human player's row, nullptr while there is none.
const Spielerzeile* spieler() {
    return GU_Clan_gueltig(SpielerID) ? &Spieler[static_cast<std::size_t>(SpielerID)] : nullptr;
}
int spielerfeld(int n) {
    const Spielerzeile* s = spieler();
    return s ? s->feld(n) : 0;
}

// The selected building, -1 when the selection is no row.
int gewaehlt() { return OM_Objekt_gueltig(Gewaehltes_Objekt) ? Gewaehltes_Objekt : -1; }
int objektfeld(int n) {
    const int o = gewaehlt();
    return o < 0 ? 0 : Objekte[static_cast<std::size_t>(o)].feld(n);
}

bool hat_briefe() {
    return SpielerID >= 0 && static_cast<std::size_t>(SpielerID) < Briefe.size() &&
           Briefe[static_cast<std::size_t>(SpielerID)].Anzahl > 0;
}

const Tabelle& checkboxen() {
    static const Tabelle t = [] {
        Tabelle t;
        const auto flag = [&t](const std::string& name, const bool& wert) {
            t[name] = [&wert] { return als_int(wert); };
        };
        flag("$ErrorlogToggel", Error_Silence);
        flag("$FullScreen", Vollbild);
        flag("$MouseInvertX", MausinverterX);
        flag("$MouseInvertY", MausinverterY);
        flag("$VSYNC", VSync);
        flag("$Autosave", AutosaveCheck);
        flag("$Musikcheck", Musik);
        flag("$SFXcheck", SFX);
        flag("$EndlosErz", ELE);
        flag("$ClanTeilung", CLT);
        flag("$AnzahlZielLuxusCheck", SBLUb);
        flag("$AnzahlZielGoldCheck", SBGOb);
        flag("$AnzahlZielMitgliedCheck", SBMAb);
        flag("$ZielLastClanCheck", SBLCb);
        flag("$AutoUpdateToggel", AutoUpdate);
        flag("$MainMapButtom", Minimap_offen);
        flag("$MainBauButtom", Baufenster_offen);
        flag("$MainStatistikButtom", Statistikmenue_offen);
        t["$MainForschungButtom"] = [] {
            return als_int(ITP_Panel_sichtbar(ITP_SingelGameForschung) ||
                           ITP_Panel_sichtbar(ITP_SingelGameForschungAuswahl));
        };
        t["$MainLupeButtom"] = [] { return als_int(ITP_Panel_sichtbar(ITP_SingelGameLupe)); };
        t["$MainNachrichtButtom"] = [] {
            return als_int(Fenster36_offen || (hat_briefe() && Cursor_sichtbar));
        };
        flag("$MainPauseButtom", Pause);
        const std::pair<const char*, int> tempi[] = {{"$MainPlay05Buttom", 0},
                                                     {"$MainPlay1Buttom", 1},
                                                     {"$MainPlay2Buttom", 2},
                                                     {"$MainPlay4Buttom", 4},
                                                     {"$MainPlay8Buttom", 8}};
        for (auto [name, tempo] : tempi) t[name] = [tempo] { return als_int(Spielgeschwindigkeit == tempo); };
        const std::pair<const char*, const bool*> meldungen[] = {
            {"$Geburteninfo", &GUI_Ge},        {"$Todeinfo", &GUI_To},
            {"$Abwanderunginfo", &GUI_Ab},     {"$Einwanderunginfo", &GUI_Ei},
            {"$FertigesObjektinfo", &GUI_FO},  {"$Kaninchentodinfo", &GUI_KT},
            {"$Kaninchenseucheinfo", &GUI_KS}, {"$FertigesSchiffinfo", &GUI_FS},
            {"$Autosaveinfo", &GUI_Au},        {"$ClanTodinfo", &GUI_Cl},
            {"$Meldungeninfo", &GUI_Me},       {"$Infostreamstopp", &GUI_In}};
        for (auto [name, wert] : meldungen) flag(name, *wert);
        const std::pair<std::string, const bool*> filter[] = {
            {W("$Gebäudeproduktionsstopp"), &Fil_Gps}, {W("$Gebäudeproduktionsstatus"), &Fil_Gst},
            {"$RohstoffmangelSymbol", &Fil_Rms},       {W("$RentabilitätsFilter"), &Fil_Rfi},
            {"$MitgliederAlterFilter", &Fil_Maf},      {"$MitgliederHungerFilter", &Fil_Mhf},
            {"$ZufriedenheitFilter", &Fil_Zuf},        {W("$Wohngebäudefüllstand"), &Fil_Wgf}};
        for (const auto& [name, wert] : filter) flag(name, *wert);
        flag("$Ranklisteaktiv", Rangliste_anzeigen);
        t["$Minimalebesetzung"] = [] { return als_int(gewaehlt() >= 0 && objektfeld(9) == 0); };
        t["$Maximalebesetzung"] = [] { return als_int(gewaehlt() >= 0 && objektfeld(9) == OB_MaxSlot); };

        // Achievement coins: flag 1 has none.
        std::vector<std::pair<std::string, int>> muenzen = {{"$CoinMA5", 0}};
        const auto reihe = [&muenzen](const std::string& stamm, std::initializer_list<int> werte, int k) {
            for (int w : werte) muenzen.emplace_back(stamm + std::to_string(w), k++);
        };
        reihe("$CoinMA", {20, 50, 100, 150, 200, 250, 300, 400, 500}, 2);
        reihe("$CoinGoods", {100, 150, 200, 300, 500, 750, 1000, 1250, 1500, 1750}, 11);
        reihe("$CoinLuxus", {10, 25, 50, 100, 150, 200, 250, 300, 400, 500}, 21);
        reihe("$CoinGold", {0, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000}, 31);
        reihe("$CoinHaus", {0, 1, 2, 3, 4, 5, 6, 7, 8}, 42);
        muenzen.emplace_back("$CoinOldArmy", 51);
        muenzen.emplace_back("$CoinOldMan", 52);
        muenzen.emplace_back("$CoinAirship", 53);
        for (const auto& [name, k] : muenzen)
            t[name] = [k] { return als_int(ESU_Flags[static_cast<std::size_t>(k)]); };
        return t;
    }();
    return t;
}

// Knob position of a percentage or a volume: floor(wert / 10); a value that is not a number gives 0.
int zehntel(double wert) {
    const double v = std::floor(wert / 10.0);
    return std::isfinite(v) && std::fabs(v) < 1e6 ? static_cast<int>(v) : 0;
}

// Knob position of the volume (0..1 as kept in Config.ini): round(volume x 10), held in 0..10.
int Lautstaerke_Stufe(double v) {
    const double s = std::round(v * 10.0);
    return std::isfinite(s) ? static_cast<int>(std::clamp(s, 0.0, 10.0)) : 0;
}

bool rangliste() { return Rangliste_anzeigen && !Platzierungsmodus; }
bool platz_frei(int p) { return TPU_Rangliste[static_cast<std::size_t>(p)] == -1; }
bool platz_belegt(int p) { return TPU_Rangliste[static_cast<std::size_t>(p)] > -1; }

// The worker of slot k of the selected building, -1 when there is none or it is no person.
int slot_arbeiter(int o, int k) {
    if (!OB_Slot_hat_Arbeiter(o, k)) return -1;
    const int p = OB_Arbeiter_des_Slots(o, k);
    return p >= 0 && static_cast<std::size_t>(p) < Personen.size() ? p : -1;
}

const Tabelle& fenstericons() {
    static const Tabelle t = [] {
        Tabelle t;
        for (int k = 0; k <= 7; ++k)
            t["$Karten" + std::to_string(k)] = [k] { return als_int(SingelGameTYPWahl == k); };
        const std::string farben[] = {"Lila", "blau", W("grün"), "gelb", "weiss"};
        for (int r = 1; r <= 3; ++r)
            for (int f = 0; f < 5; ++f)
                t["$Forschungsauswahl" + std::to_string(r) + farben[f]] = [r, f] {
                    return als_int(spieler() && spielerfeld(77 + r) == f + 1);
                };
        const std::pair<std::string, int> trends[] = {
            {"Mitglieder", 58}, {W("Goldmünzen"), 61}, {"Zufriedenheit", 64}, {"Waren", 67}};
        for (const auto& [stamm, feld] : trends) {
            t["$" + stamm + "Gleich"] = [feld] { return spielerfeld(feld); };
            t["$" + stamm + "Hoch"] = [feld] { return spielerfeld(feld + 1); };
            t["$" + stamm + "Runter"] = [feld] { return spielerfeld(feld + 2); };
        }
        t["$ClanWarnung1"] = [] { return spielerfeld(71); };
        t["$ClanWarnung2"] = [] { return spielerfeld(72); };
        t["$ClanWarnung3"] = [] { return als_int((spielerfeld(73) & 0xFF) != 0 && Cursor_sichtbar); };
        t["$Pause"] = [] { return als_int(Pause && Cursor_sichtbar); };
        t["$Baumodus"] = [] { return als_int(Platzierungsmodus); };
        t["$BaumodusEX"] = [] {
            return als_int(Platzierungsmodus && spieler() && spielerfeld(5) < Bau_Platzwert_max);
        };
        t["$Rangliste"] = [] { return als_int(rangliste()); };
        t["$Rangliste4"] = [] { return als_int(rangliste() && platz_frei(4)); };
        for (int p = 5; p <= 7; ++p)
            t["$Rangliste" + std::to_string(p)] = [p] {
                return als_int(rangliste() && platz_belegt(p - 1) && platz_frei(p));
            };
        t["$Rangliste8"] = [] { return als_int(rangliste() && platz_belegt(7)); };
        t["$ObjektProduktionGelb"] = [] { return als_int(gewaehlt() >= 0 && objektfeld(8) == 1); };
        t["$ObjektProduktionRot"] = [] {
            return als_int(gewaehlt() >= 0 && objektfeld(8) < 1 && !OB_Hat_Arbeiter(gewaehlt()));
        };
        t["$ObjektProduktionGruen"] = [] {
            return als_int(gewaehlt() >= 0 && objektfeld(8) < 1 && OB_Hat_Arbeiter(gewaehlt()));
        };
        for (int k = 0; k <= OB_MaxSlot; ++k) {
            const std::string nr = std::to_string(k);
            const auto geschlecht = [k](int g) {
                const int o = gewaehlt();
                if (o < 0 || !OB_Slot_offen(o, k)) return 0;
                const int p = slot_arbeiter(o, k);
                return als_int(p >= 0 && Personen[static_cast<std::size_t>(p)].Geschlecht() == g);
            };
            t["$MitgliedMannObjektSlot" + nr] = [geschlecht] { return geschlecht(1); };
            t["$MitgliedFrauObjektSlot" + nr] = [geschlecht] { return geschlecht(2); };
            t["$MitgliedNixObjektSlot" + nr] = [k] {
                const int o = gewaehlt();
                return als_int(o >= 0 && OB_Slot_offen(o, k) && !OB_Slot_hat_Arbeiter(o, k));
            };
            t["$MitgliedZeitObjektSlot" + nr] = [k] {
                const int o = gewaehlt();
                return als_int(o >= 0 && OB_Slot_offen(o, k) && OB_Slot_hat_Arbeiter(o, k) &&
                               OB_Slot_Entlassung_vorgemerkt(o, k));
            };
            t["$MitgliedGesperrtObjektSlot" + nr] = [k] {
                const int o = gewaehlt();
                return als_int(o >= 0 && !OB_Slot_offen(o, k));
            };
        }
        for (int k = 0; k <= 9; ++k)
            t["$Savefound" + std::to_string(k)] = [k] { return als_int(k <= LSU_Spielstand_Letzter); };
        return t;
    }();
    return t;
}

int nachschlagen(const Tabelle& t, const std::string& name) {
    const auto it = t.find(name);
    return it == t.end() ? 0 : it->second();
}

}  // namespace

int Draw_Checkbox_Zustand(const std::string& name) {
    if (name.empty() || name[0] != '$') return 0;
    return nachschlagen(checkboxen(), name);
}

int Draw_Slider_Wert(const std::string& name, int& n) {
    n = 0;
    if (name.empty() || name[0] != '$') return 0;
    n = 10;
    if (name == "$RedSlider") return zehntel(SpielerfarbeR);
    if (name == "$GreenSlider") return zehntel(SpielerfarbeG);
    if (name == "$BlueSlider") return zehntel(SpielerfarbeB);
    if (name == "$MusikSlider" || name == "$SFXSlider") return Lautstaerke_Stufe(Lautstaerke);
    if (name == "$LandSizeSlider") {
        n = 9;
        return SingelGameGroessenWahl;
    }
    if (name == "$VegetationSlider") {
        n = 9;
        return SingelGamerohstoffWahl;
    }
    return 0;
}

int Draw_Fenstericon_Zustand(const std::string& name) { return nachschlagen(fenstericons(), name); }

int Draw_Warenicon_Nummer(const std::string& name) {
    for (int k = 0; k < Objekt_Warenslots; ++k)
        if (name == "$ProduktionsWare" + std::to_string(k))
            return gewaehlt() < 0 ? 0 : objektfeld(16 + 4 * k);
    return 0;
}
