#include "ui/InterfacePanel.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Textzeilen.h"
#include "foundation/Zeichenbreiten.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "persistence/Spielstaende.h"
#include "population/Briefe.h"
#include "render/Interfaceatlas.h"
#include "ui/Textausgabe.h"
#include "ui/Rangliste.h"
#include "ui/MouseOver_Panel.h"
#include "world/Kartengenerator.h"
#include "ui/Fenster_Bau.h"
#include "ui/Aktionen.h"
#include "ui/Fenstermaus.h"
#include "ui/Interaktiv.h"
#include "ui/Textoverlay.h"
#include "foundation/Spielstatus.h"

std::vector<ITP_Icon_R> ITP_Icons;
std::vector<ITP_Text_R> ITP_Texte;
std::vector<ITP_Mous_R> ITP_Mausfelder;
std::vector<ITP_Popup> ITP_PopUps;
std::array<ITP_Schalter, ITP_Schalter_Anzahl> ITP_Panel_Schalter;

namespace {

const std::array<std::string, ITP_Schalter_Anzahl>& slotnamen() {
    static const std::array<std::string, ITP_Schalter_Anzahl> namen = {
        "IronmanPanel",
        "Einzelspieler",
        "InGameMain",
        "LadeBildschirm",
        "LadePanel",
        "Speicherpanel",
        "Startbildschirm",
        "Credits",
        "OptionsPanel",
        "HandbuchMitglieder",
        "HandbuchSpielwelt",
        W("HandbuchWohnhäuser"),
        "HandbuchProduktion",
        "HandbuchWaren",
        "HandbuchWirtschaft",
        "ErrungenschaftenMitglieder",
        "ErrungenschaftenWaren",
        "ErrungenschaftenLuxus",
        "ErrungenschaftenGold",
        "ErrungenschaftenHaus",
        "ErrungenschaftenClan",
        "UpdatePanel",
        "UpdatePanelfehler",
        "DebugPanel",
        "SingelGameAktiv",
        "SingelGameLupe",
        "SingelGameForschung",
        "SingelGameForschungAuswahl",
        "SingelGameTutorial",
        "GameGewonnen",
        "GameVerloren",
        "",
        "ObjektProduktionPanel",
    };
    return namen;
}

// The "$" names of the click areas and their action numbers.
const std::vector<std::pair<std::string, int>>& knopfnamen() {
    static const std::vector<std::pair<std::string, int>> tabelle = [] {
        std::vector<std::pair<std::string, int>> t = {
            {"$IronmanPanel", 1},
            {"$SingelGamePanel", 2},
            {"$Multiplayer", 3},
            {"$LoadGamePanel", 4},
            {"$OptionsPanel", 5},
            {"$Credits", 6},
            {"$Update", 7},
            {"$Close", 8},
            {"$ObjektProduktionStopp", 9},
            {"$Speicherpanel", 10},
            {"$Minimalebesetzung", 12},
            {"$Maximalebesetzung", 13},
            {"$Hauptmenue", 15},
            {"$Weiter", 16},
            {"$ExitPanel", 18},
            {"$MainMenueButtom", 18},
            {"$IronmanStart", 155},
            {"$FullScreen", 156},
            {"$Autosave", 157},
            {"$MouseInvertY", 158},
            {"$MouseInvertX", 159},
            {"$SetOptionBack", 161},
            {"$LandTypeMinus", 163},
            {"$LandTypePlus", 164},
            {"$LandSizeMinus", 165},
            {"$LandSizePlus", 166},
            {"$LandVegetationMinus", 167},
            {"$LandVegetationPlus", 168},
            {"$AIPlayerMinus", 173},
            {"$AIPlayerPlus", 174},
            {"$AILevelMinus", 175},
            {"$AILevelPlus", 176},
            {"$AnzahlZielMitgliedCheck", 177},
            {"$AnzahlZielGoldCheck", 178},
            {"$SingelGameStart", 180},
            {"$MainPauseButtom", 192},
            {"$MainBauButtom", 194},
            {"$MitgliederPanel", 198},
            {"$GoldPanel", 199},
            {"$ZufriedenheitPanel", 200},
            {"$WarenPanel", 201},
            {"$ObjektAbriss", 278},
            {"$Ranglisteaktiv", 290},
            {"$Musikcheck", 291},
            {"$SFXcheck", 292},
            {"$Savenow", 604},
            {"$ErrorlogToggel", 607},
            {"$VSYNC", 608},
            {"$ErrungenschaftenGold", 609},
            {"$ErrungenschaftenMitglieder", 610},
            {"$ErrungenschaftenWaren", 611},
            {"$ErrungenschaftenLuxus", 612},
            {"$ErrungenschaftenHaus", 613},
            {"$ErrungenschaftenClan", 614},
            {"$RedSlider", 615},
            {"$GreenSlider", 616},
            {"$BlueSlider", 617},
            {"$MusikSlider", 618},
            {"$SFXSlider", 619},
            {"$EndlosErz", 620},
            {"$ClanTeilung", 621},
            {"$AnzahlZielLuxusCheck", 622},
            {"$ZielLastClanCheck", 623},
            {"$AnzahlZielMitgliedMinus", 624},
            {"$AnzahlZielMitgliedPlus", 625},
            {"$AnzahlZielGoldMinus", 626},
            {"$AnzahlZielGoldPlus", 627},
            {"$AnzahlZielLuxusMinus", 628},
            {"$AnzahlZielLuxusPlus", 629},
            {"$AutoUpdateToggel", 630},
            {"$HandbuchMitglieder", 650},
            {"$HandbuchSpielwelt", 651},
            {W("$HandbuchWohnhäuser"), 652},
            {W("$HandbuchProduktionsgebäude"), 653},
            {"$HandbuchWaren", 654},
            {"$HandbuchWirtschaft", 655},
            {"$MainPlay05Buttom", 656},
            {"$MainPlay1Buttom", 657},
            {"$MainPlay2Buttom", 658},
            {"$MainPlay4Buttom", 659},
            {"$MainPlay8Buttom", 660},
            {"$MainMapButtom", 661},
            {"$MainStatistikButtom", 662},
            {"$MainForschungButtom", 663},
            {"$MainLupeButtom", 664},
            {"$MainNachrichtButtom", 665},
            // Openers of the three windows of standing edicts and the sales margin buttons.
            {"$Schalterfenster1", 232},
            {"$Schalterfenster2", 233},
            {"$Schalterfenster3", 234},
            {"$VerkaufsmargePlus", 751},
            {"$VerkaufsmargeMinus", 752},
            {"$Bauplatzanzeige", 666},
            {"$Bauplatzplanieren", 667},
            {"$Bauplatzaufbau", 668},
            {"$Wohnhaus", 669},
            {"$Niederlassung", 670},
            {"$Produktion", 671},
            {"$Qualmt", 672},
            {"$Brand", 673},
            {"$Hafen", 674},
            {"$Lager", 675},
            {"$Markt", 676},
            {"$Geburteninfo", 680},
            {"$Todeinfo", 681},
            {"$Abwanderunginfo", 682},
            {"$Einwanderunginfo", 683},
            {"$FertigesObjektinfo", 684},
            {"$Kaninchentodinfo", 685},
            {"$Kaninchenseucheinfo", 686},
            {"$FertigesSchiffinfo", 687},
            {"$Autosaveinfo", 688},
            {"$ClanTodinfo", 689},
            {"$Meldungeninfo", 690},
            {W("$Gebäudeproduktionsstopp"), 691},
            {"$Infostreamstopp", 692},
            {W("$Gebäudeproduktionsstatus"), 693},
            {"$RohstoffmangelSymbol", 694},
            {W("$RentabilitätsFilter"), 695},
            {"$MitgliederAlterFilter", 696},
            {"$MitgliederHungerFilter", 697},
            {"$ZufriedenheitFilter", 698},
            {W("$Wohngebäudefüllstand"), 699},
            {"$SpielgeladenInfoSteam", 700},
            {"$SpielgespeichertInfoSteam", 701},
            {"$AutosaveInfoSteam", 702},
            {"$ClanTodInfoSteam", 703},
            {"$MaTodInfoSteam", 704},
            {"$GeburtenInfoSteam", 705},
            {"$AbwanderungInfoSteam", 706},
            {"$EinwanderungInfoSteam", 707},
            {"$FertigesObjektInfoSteam", 708},
            {"$KaninchentodInfoSteam", 709},
            {"$MeldungenBaumInfoSteam", 710},
            {"$MeldungenBergInfoSteam", 711},
            {"$MeldungenFischInfoSteam", 712},
            {"$MeldungenSteinInfoSteam", 713},
            {"$FertigesSchiffInfoSteam", 714},
            {"$ERRORInfoSteam", 715},
            {"$KaninchenseucheInfoSteam", 716},
            {"$ClanNeuInfoSteam", 717},
            {"$ErrungenschaftInfoSteam", 718},
        };
        for (int k = 0; k <= 11; ++k) t.emplace_back("$ObjektSlot" + std::to_string(k), 262 + k);
        t.emplace_back("$SavefoundZurueck", 631);
        t.emplace_back("$SavefoundWeiter", 632);
        for (int k = 0; k <= 9; ++k) {
            t.emplace_back("$Savefound" + std::to_string(k), 590 + k);
            t.emplace_back("$Savefound" + std::to_string(k) + "Trash", 640 + k);
        }
        return t;
    }();
    return tabelle;
}

// The slots in the order in which a visible one decides the panel shown.
constexpr std::array<int, 32> kVorrang = {
    ITP_LadeBildschirm,
    ITP_ObjektProduktionPanel,
    ITP_SingelGameForschungAuswahl,
    ITP_SingelGameForschung,
    ITP_SingelGameLupe,
    ITP_SingelGameTutorial,
    ITP_GameVerloren,
    ITP_GameGewonnen,
    ITP_SingelGameAktiv,
    ITP_DebugPanel,
    ITP_UpdatePanelfehler,
    ITP_UpdatePanel,
    ITP_ErrungenschaftenClan,
    ITP_ErrungenschaftenHaus,
    ITP_ErrungenschaftenLuxus,
    ITP_ErrungenschaftenWaren,
    ITP_ErrungenschaftenMitglieder,
    ITP_ErrungenschaftenGold,
    ITP_OptionsPanel,
    ITP_Credits,
    ITP_Startbildschirm,
    ITP_Speicherpanel,
    ITP_LadePanel,
    ITP_HandbuchWirtschaft,
    ITP_HandbuchWaren,
    ITP_HandbuchProduktion,
    ITP_HandbuchWohnhaeuser,
    ITP_HandbuchSpielwelt,
    ITP_HandbuchMitglieder,
    ITP_InGameMain,
    ITP_Einzelspieler,
    ITP_IronmanPanel,
};

// The "/"-separated fields of one script line, taken from the front. A field
// asked for after the last one is missing, and so is a bad number: both end
// the file.
class Felder {
public:
    explicit Felder(std::string rest) : rest_(std::move(rest)) {}
    bool text(std::string& feld) {
        if (ende_) return false;
        if (rest_.find('/') == std::string::npos) ende_ = true;
        FFU_Slashteil_entnehmen(rest_, feld);
        return true;
    }
    bool zahl(int& wert) {
        std::string f;
        return text(f) && FFU_Zahl_lesen(f, wert);
    }
    bool bild(int& wert) {
        std::string f;
        if (!text(f)) return false;
        wert = ITP_Bildnummer(f);
        return true;
    }
    bool align(int& wert) {
        std::string f;
        if (!text(f)) return false;
        wert = ITP_Align_Code(f);
        return true;
    }
    bool ausrichtung(int& wert) {
        std::string f;
        if (!text(f)) return false;
        wert = f == "Center" ? 2 : f == "Right" ? 3 : 1;
        return true;
    }
    bool schrift(int& wert) {
        std::string f;
        if (!text(f)) return false;
        wert = f == "BigFont" ? 2 : 1;
        return true;
    }

private:
    std::string rest_;
    bool ende_ = false;
};

int textbreite(int schrift, const std::string& text) {
    return schrift == 2 ? TPU_Textbreite_Font1(text) : TPU_Textbreite_Font2(text);
}

ITP_Mausfeld mausfeld(int bild, int align, int x, int y, int w, int h, int aktion, int popup, int parameter) {
    return {bild, align, x, y, w, h, aktion, popup, parameter};
}

ITP_Mausfeld mausfeld_vom_Icon(const ITP_Icon_Item& icon, int aktion, int popup, int parameter) {
    const int bild = icon.Bilder.empty() ? 0 : icon.Bilder[0];
    return mausfeld(bild, icon.Align, icon.X, icon.Y, ITP_Bildbreite(bild), ITP_Bildhoehe(bild), aktion,
                    popup, parameter);
}

int popup_anlegen(const std::string& titel, const std::string& text) {
    ITP_Popup p;
    p[0] = titel;
    p[1] = text;
    ITP_PopUps.push_back(std::move(p));
    const int i = static_cast<int>(ITP_PopUps.size()) - 1;
    ITP_Popup_umbrechen(i);
    return i;
}

int schiebestufen(const std::string& name) {
    if (name == "$RedSlider" || name == "$GreenSlider" || name == "$BlueSlider" || name == "$MusikSlider" ||
        name == "$SFXSlider")
        return 10;
    if (name == "$LandSizeSlider" || name == "$VegetationSlider") return 9;
    return 0;
}

// Handles one line (its key already taken); false when a field is bad or missing. A key
// the panels do not know adds nothing and sets `unbekannt`.
bool zeile_auswerten(const std::string& key, Felder& f, const std::string& rest, int n,
                     const std::string& pfad, std::string& resultLine, bool& unbekannt) {
    ITP_Icon_R& icons = ITP_Icons[static_cast<std::size_t>(n)];
    ITP_Text_R& texte = ITP_Texte[static_cast<std::size_t>(n)];
    ITP_Mous_R& maus = ITP_Mausfelder[static_cast<std::size_t>(n)];

    if (key == "Titel") {
        ITP_Panel_registrieren(rest, n);
        resultLine = "ID:" + std::to_string(n) + "=" + rest;
        return true;
    }
    if (key == "Icon") {
        ITP_Icon_Item i;
        int b = 0;
        if (!f.bild(b) || !f.align(i.Align) || !f.zahl(i.X) || !f.zahl(i.Y)) return false;
        i.Bilder = {b};
        i.Art = ITP_Icon;
        icons.push_back(std::move(i));
        return true;
    }
    if (key == "IconVollbild") {
        ITP_Icon_Item i;
        int b = 0;
        if (!f.bild(b)) return false;
        i.Bilder = {b};
        i.Art = ITP_IconVollbild;
        i.Align = 0;
        icons.push_back(std::move(i));
        return true;
    }
    if (key == "IconInfoStreamCall") {
        ITP_Icon_Item i;
        i.Bilder.assign(ITP_Infostream_Bilder, 0);
        i.Art = ITP_IconInfoStreamCall;
        i.Align = 7;
        i.X = 0;
        i.Y = -53;
        icons.push_back(std::move(i));
        return true;
    }
    if (key == "IconInfoStream") {
        int slot = 0, b = 0;
        if (!f.zahl(slot) || !f.bild(b)) return false;
        if (icons.empty() || icons.back().Art != ITP_IconInfoStreamCall || slot < 0 ||
            slot >= static_cast<int>(icons.back().Bilder.size())) {
            Fehler_melden("ITP_Script_lesen > IconInfoStream ohne passendes IconInfoStreamCall: " + pfad +
                          "  Platz[" + std::to_string(slot) + "]");
            return true;
        }
        icons.back().Bilder[static_cast<std::size_t>(slot)] = b;
        return true;
    }
    if (key == "IconIF" || key == "IconIFWare" || key == "IconPlayerColor" || key == "IconRangColor") {
        ITP_Icon_Item i;
        int b = 0;
        if (!f.bild(b) || !f.align(i.Align) || !f.zahl(i.X) || !f.zahl(i.Y) || !f.text(i.Name)) return false;
        if (key == "IconIF" || key == "IconIFWare") {
            i.Bilder = {0, b};
            i.Art = key == "IconIF" ? ITP_IconIF : ITP_IconIFWare;
        } else {
            i.Bilder = {b};
            i.Art = key == "IconPlayerColor" ? ITP_IconPlayerColor : ITP_IconRangColor;
        }
        icons.push_back(std::move(i));
        return true;
    }
    if (key == "IconCheckBox" || key == "IconCheckSlider") {
        ITP_Icon_Item i;
        int b1 = 0, b2 = 0;
        if (!f.bild(b1) || !f.bild(b2) || !f.align(i.Align) || !f.zahl(i.X) || !f.zahl(i.Y) ||
            !f.text(i.Name))
            return false;
        i.Bilder = {b1, b2};
        i.Art = key == "IconCheckBox" ? ITP_IconCheckBox : ITP_IconCheckSlider;
        icons.push_back(i);
        if (i.Art == ITP_IconCheckSlider) {
            const int aktion = ITP_ButtonID_von_Name(i.Name);
            for (int k = 0, s = schiebestufen(i.Name); k <= s; ++k) {
                ITP_Mausfeld m = mausfeld_vom_Icon(i, aktion, -1, k);
                m[ITP_Maus_X] = static_cast<int>(std::min<long long>(static_cast<long long>(i.X) + 16 * k,
                                                                     std::numeric_limits<int>::max()));
                maus.push_back(m);
            }
        }
        return true;
    }
    if (key == "IconKlick") {
        ITP_Icon_Item i;
        int b = 0;
        std::string name;
        if (!f.bild(b) || !f.align(i.Align) || !f.zahl(i.X) || !f.zahl(i.Y) || !f.text(name)) return false;
        i.Bilder = {b};
        icons.push_back(i);
        maus.push_back(mausfeld_vom_Icon(i, ITP_ButtonID_von_Name(name), -1, 0));
        return true;
    }
    if (key == "IconKlickText" || key == "IconText" || key == "IconPopupText") {
        ITP_Icon_Item i;
        ITP_Text_Item t;
        int b = 0;
        if (!f.bild(b) || !f.align(i.Align) || !f.zahl(i.X) || !f.zahl(i.Y) ||
            !f.ausrichtung(t.Ausrichtung) || !f.schrift(t.Schrift) || !f.zahl(t.X) || !f.zahl(t.Y) ||
            !f.text(t.Text))
            return false;
        std::string name, titel, text;
        if (key == "IconKlickText" && !f.text(name)) return false;
        if (key == "IconPopupText" && (!f.text(titel) || !f.text(text))) return false;
        i.Bilder = {b};
        t.Align = i.Align;
        t.Breite = textbreite(t.Schrift, t.Text);
        icons.push_back(i);
        texte.push_back(std::move(t));
        if (key == "IconKlickText") maus.push_back(mausfeld_vom_Icon(i, ITP_ButtonID_von_Name(name), -1, 0));
        if (key == "IconPopupText") maus.push_back(mausfeld_vom_Icon(i, -1, popup_anlegen(titel, text), 0));
        return true;
    }
    if (key == "Popup" || key == "Klick" || key == "KlickPopup") {
        int align = 1, x = 0, y = 0, w = 0, h = 0;
        if (!f.align(align) || !f.zahl(x) || !f.zahl(y) || !f.zahl(w) || !f.zahl(h)) return false;
        std::string name, titel, text;
        if (key != "Popup" && !f.text(name)) return false;
        if (key != "Klick" && (!f.text(titel) || !f.text(text))) return false;
        const int aktion = key == "Popup" ? -1 : ITP_ButtonID_von_Name(name);
        const int popup = key == "Klick" ? -1 : popup_anlegen(titel, text);
        const int parameter = key == "KlickPopup" && aktion >= 640 && aktion <= 650 ? aktion - 640 : 0;
        maus.push_back(mausfeld(0, align, x, y, w, h, aktion, popup, parameter));
        return true;
    }
    if (key == "Text" || key == "TextIF") {
        ITP_Text_Item t;
        if (!f.ausrichtung(t.Ausrichtung) || !f.schrift(t.Schrift) || !f.align(t.Align) || !f.zahl(t.X) ||
            !f.zahl(t.Y) || !f.text(t.Text))
            return false;
        if (key == "TextIF" && !f.text(t.Text2)) return false;
        t.Breite = textbreite(t.Schrift, t.Text);
        texte.push_back(std::move(t));
        return true;
    }
    unbekannt = true;
    return true;
}

// Pixels of the cells from `von` up to `bis` (16 a cell), held within 0 and the Integer range:
// the rectangles come from a table file.
int zellen_in_pixel(int von, int bis) {
    const long long p = (static_cast<long long>(bis) - von) * 16;
    return static_cast<int>(std::clamp<long long>(p, 0, std::numeric_limits<int>::max()));
}

}  // namespace

const std::string& ITP_Slotname(int slot) {
    static const std::string leer;
    if (slot < 0 || slot >= ITP_Schalter_Anzahl) return leer;
    return slotnamen()[static_cast<std::size_t>(slot)];
}

int ITP_Align_Code(const std::string& wort) {
    static const std::array<const char*, 9> namen = {"AlignLO", "AlignMO", "AlignRO", "AlignLM", "AlignMM",
                                                     "AlignRM", "AlignLU", "AlignMU", "AlignRU"};
    for (std::size_t i = 0; i < namen.size(); ++i)
        if (wort == namen[i]) return static_cast<int>(i) + 1;
    return 1;
}

int ITP_Bildbreite(int bild) {
    if (bild < 0 || static_cast<std::size_t>(bild) >= ITF_Texturkoordinaten.size()) return 0;
    const auto& r = ITF_Texturkoordinaten[static_cast<std::size_t>(bild)];
    return zellen_in_pixel(r.cellX0, r.cellX1);
}

int ITP_Bildhoehe(int bild) {
    if (bild < 0 || static_cast<std::size_t>(bild) >= ITF_Texturkoordinaten.size()) return 0;
    const auto& r = ITF_Texturkoordinaten[static_cast<std::size_t>(bild)];
    return zellen_in_pixel(r.cellY0, r.cellY1);
}

void ITP_Panels_laden() { ITP_Panels_einlesen(Programmpfad + "daten\\"); }

void ITP_Panels_einlesen(const std::string& base) {
    std::vector<std::string> log = {W("Das letzte erstellte Panel-Set besaß folgende Einträge.")};
    for (int n = 0;; ++n) {
        const std::string ordner = base + "Panel\\" + std::to_string(n);
        if (!Ordner_existiert(ordner)) {
            if (n == 0) Fehler_melden("ITP_Panels_einlesen > kein Panel gefunden: " + ordner + " fehlt");
            break;
        }
        std::string zeile;
        ITP_Panel_einlesen(ordner + "\\", n, zeile);
        log.push_back(zeile);
    }
    if (!Textdatei_schreiben(base + "Panel_Interface_Log.Txt", log))
        Fehler_melden("ITP_Panels_einlesen > Log konnte nicht geschrieben werden: " + base +
                      "Panel_Interface_Log.Txt");
}

void ITP_Panel_einlesen(const std::string& ordner, int n, std::string& resultLine) {
    resultLine = "-0 ERROR Script konnte nicht integriert werden.";
    if (n < 0) return;
    if (!Datei_existiert(ordner + "Script.srt")) {
        Fehler_melden("ITP_Panel_einlesen > " + ordner + "Script.srt fehlt: Panel " + std::to_string(n) +
                      " bleibt leer");
        return;
    }
    if (static_cast<std::size_t>(n) >= ITP_Icons.size()) {
        const auto groesse = static_cast<std::size_t>(n) + 1;
        ITP_Icons.resize(groesse);
        ITP_Texte.resize(groesse);
        ITP_Mausfelder.resize(groesse);
    }
    ITP_Script_lesen(ordner + "Script.srt", n, resultLine);
}

void ITP_Script_lesen(const std::string& pfad, int n, std::string& resultLine) {
    if (n < 0 || static_cast<std::size_t>(n) >= ITP_Icons.size() || ITP_Texte.size() != ITP_Icons.size() ||
        ITP_Mausfelder.size() != ITP_Icons.size()) {
        Fehler_melden("ITP_Script_lesen > Panelnummer ohne Tabellen: " + std::to_string(n));
        return;
    }
    const auto zeilen = Textdatei_lesen(pfad);
    if (!zeilen) {
        Fehler_melden("SBU > Script konnte nicht geladen werden: " + pfad);
        return;
    }
    std::size_t fremde = 0, erste_fremde = 0;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        const std::string& zeile = (*zeilen)[i];
        if (!zeile.empty() && zeile.back() == ' ')
            Fehler_melden("Unerwartetes Leerzeichen bei:" + pfad + "  Zeile[" + std::to_string(i + 1) +
                          "]   Zeichen[" + std::to_string(zeile.size()) + "]");
        std::string rest = zeile, key;
        FFU_Slashteil_entnehmen(rest, key);
        Felder f(rest);
        bool unbekannt = false;
        if (!zeile_auswerten(key, f, rest, n, pfad, resultLine, unbekannt)) {
            Fehler_melden("SBU > Script konnte nicht geladen werden: " + pfad);
            return;
        }
        if (unbekannt && !zeile.empty() && fremde++ == 0) erste_fremde = i + 1;
    }
    // A panel with lines the loader does not know is damaged (random data, a line cut off):
    // it is told once, and keeps what its known lines gave.
    if (fremde > 0)
        Fehler_melden("ITP_Script_lesen > Script fehlerhaft: " + pfad + ": " + std::to_string(fremde) +
                      " Zeile(n) mit unbekanntem Schluessel (erste: Zeile " + std::to_string(erste_fremde) +
                      ")");
}

void ITP_Panel_registrieren(const std::string& name, int n) {
    for (int s = 0; s < ITP_Schalter_Anzahl; ++s)
        if (!slotnamen()[static_cast<std::size_t>(s)].empty() &&
            slotnamen()[static_cast<std::size_t>(s)] == name)
            ITP_Panel_Schalter[static_cast<std::size_t>(s)].ID = n;
}

int ITP_ButtonID_von_Name(const std::string& name) {
    for (const auto& [n, aktion] : knopfnamen())
        if (n == name) return aktion;
    return -1;
}

int ITP_Bildnummer(const std::string& name) {
    for (std::size_t i = 1; i < ITF_Elemente.size(); ++i)
        if (ITF_Elemente[i].Titel == name) return static_cast<int>(i);
    return 0;
}

int ITP_aktives_Panel_ID() {
    for (int s : kVorrang)
        if (ITP_Panel_Schalter[static_cast<std::size_t>(s)].sichtbar)
            return ITP_Panel_Schalter[static_cast<std::size_t>(s)].ID;
    return -1;
}

void ITP_Popup_umbrechen(int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= ITP_PopUps.size()) return;
    ITP_Popup& p = ITP_PopUps[static_cast<std::size_t>(i)];
    const std::string& text = p[1];
    for (std::size_t k = 2; k < p.size(); ++k) p[k].clear();
    std::size_t pos = 0;
    for (std::size_t slot = 2; slot < p.size() && pos < text.size(); ++slot) {
        const std::size_t strich = text.find('\\', pos);
        std::string zeile = text.substr(pos, strich == std::string::npos ? std::string::npos : strich - pos);
        while (TPU_Textbreite_Font2(zeile) > ITP_Popup_Breite) {
            const std::size_t leer = zeile.rfind(' ');
            zeile.resize(leer == std::string::npos ? 0 : leer);
        }
        pos += zeile.size() + 1;
        p[slot] = std::move(zeile);
    }
}

void ITP_Paneltabellen_leeren() {
    ITP_Icons.clear();
    ITP_Texte.clear();
    ITP_Mausfelder.clear();
    ITP_PopUps.clear();
}
