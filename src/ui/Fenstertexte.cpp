#include "ui/Fenstertexte.h"

#include <array>
#include <vector>

#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Hilfen_Objekte.h"
#include "economy/Objekte.h"
#include "economy/Warenfluss.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Ganzzahl.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "economy/Warenindex.h"
#include "foundation/Zeichenbreiten.h"
#include "platform/base/Text1252.h"
#include "ui/Textdaten.h"
#include "ui/Textsenke.h"
#include "persistence/Spielstaende.h"
#include "population/Arbeitsauftraege.h"
#include "ui/Fenster_Bau.h"
#include "ui/InterfacePanel.h"
#include "ui/MouseOver_Panel.h"
#include "ui/Interaktiv.h"
#include "ui/Rangliste.h"

int TPU_Umbruchstelle(const std::string& Text, const std::string& Zeichen, int Von, int Bis) {
    const int laenge = static_cast<int>(Text.size());
    if (Von > laenge || Bis == laenge) return laenge;
    if (Bis > Von || Zeichen.empty()) return Von;
    // Only a break after the previous line's end moves on: a blank at Bis itself would give an
    // empty line again and again, and a word longer than a line is cut at Von instead.
    for (int i = Von; i > std::max(Bis, 0); --i)
        if (Text[i - 1] == Zeichen[0]) return i;
    return Von;
}

int TPU_Textanfang_kuerzen(const std::string& Text, int Breite) {
    const int laenge = static_cast<int>(Text.size());
    for (int n = 0; n <= laenge; ++n) {
        const std::size_t ab = n < 1 ? 0 : static_cast<std::size_t>(n - 1);
        if (TPU_Textbreite_Font1(std::string_view(Text).substr(ab)) < Breite) return n;
    }
    return laenge + 1;
}

namespace {

// Characters von..bis (1-based, inclusive) of the text; empty when nothing lies there.
std::string teil(const std::string& t, int von, int bis) {
    von = std::max(von, 1);
    bis = std::min(bis, static_cast<int>(t.size()));
    if (bis < von) return {};
    return t.substr(von - 1, bis - von + 1);
}

// A description in four lines, each broken at the last blank at most 40 characters on.
std::array<std::string, 4> vier_zeilen(const std::string& text) {
    std::array<std::string, 4> z;
    int vorher = 0;
    for (auto& zeile : z) {
        const int b = TPU_Umbruchstelle(text, " ", vorher + 40, vorher);
        zeile = teil(text, vorher + 1, b);
        vorher = b;
    }
    return z;
}

int symbolmodell(int art) {
    static constexpr int modelle[12] = {314, 283, 51, 285, 282, 289, 51, 287, 288, 284, 291, 290};
    return art >= -12 && art <= -1 ? modelle[art + 12] : -1;
}

void zaehltext(int typ, int x, int y) {
    static constexpr const char* routine = "TPU_Baufenstertexte";
    if (SpielerID < 0 || static_cast<std::size_t>(SpielerID) >= BMU_Zaehler.size() || typ < 0 ||
        static_cast<std::size_t>(typ) >= BMU_Zaehler[SpielerID].size()) {
        Fehler_melden(std::string(routine) + " -> Bauzaehler nicht abgefangen :" + std::to_string(SpielerID) +
                      "/" + std::to_string(typ));
        return;
    }
    const BMU_Eintrag& z = BMU_Zaehler[SpielerID][typ];
    TPU_Senke().Print_zentriert(x, y, TPU_Zahl(z.Gebaut) + "/" + TPU_Zahl(z.Gesamt));
}

void hoverbox(int typ, int X, int Y, int Durchgang) {
    static constexpr const char* routine = "TPU_Baufenstertexte";
    TPU_Textsenke& senke = TPU_Senke();
    const Objekt_Item* v = TPU_Vorlage(typ, routine);
    if (!v) return;
    if (Durchgang == 4) {
        senke.Farbe(1, 1, 1);
        WFU_Warenfluss_aufbauen(typ);
        if (!OM_ist_Home(typ)) {
            const int links = X + 150 - static_cast<int>(Floor_div(WFU_Dia.WFU_Hoehe, 2));
            std::vector<std::array<int, 3>> symbole, waren;
            for (const WFU_Eintrag& e : WFU_Dia.WFU_Eintraege) {
                const int x = links + e.x, y = Y + 105 + e.y;
                if (e.code < 0 && symbolmodell(e.code) >= 0) symbole.push_back({x, y, symbolmodell(e.code)});
                if (e.code > 0) waren.push_back({x, y, e.code});
            }
            senke.Warenfluss(symbole, waren);
        }
        senke.Farbe(0, 0, 0);
    }
    senke.Print(X + 100, Y + 10, v->Titel);
    const long long felder = static_cast<std::size_t>(typ) < SBU_Bauplaetze.size()
                                 ? static_cast<long long>(SBU_Bauplaetze[typ].size())
                                 : 0;
    senke.Print2(X + 100, Y + 26, "Max. Planierkosten: " + TPU_Zahl(felder - 1) + " Gold");
    for (int k = 0; k < 4; ++k) {
        const Waren_Menge& m = v->Baukosten[k];
        if (m.WarenID <= 0) continue;
        senke.Print2(X + 100, Y + 42 + 16 * k,
                     "Baumaterial: " + TPU_Zahl(m.Menge) + "*" + TPU_Warentitel(m.WarenID, routine));
    }
}

}  // namespace

void TPU_Baufenstertexte(int dx, int dy, int Durchgang) {
    TPU_Textsenke& senke = TPU_Senke();
    const int cx = IFU_Fenstermitte_X + dx, cy = IFU_Fenstermitte_Y + dy;
    senke.Print_zentriert(cx, cy - 283, W("Baumenü"));
    const IFU_Bauseite typen = IFU_Bauseite_lesen();
    const IFU_Hoverbox box = IFU_Hoverbox_finden(typen);
    for (int r = 0; r < IFU_Bau_Zeilen; ++r)
        for (int c = 0; c < IFU_Bau_Spalten; ++c) {
            const int typ = typen[static_cast<std::size_t>(r * IFU_Bau_Spalten + c)];
            if (typ < 0) continue;
            if (box.aktiv && c == box.c && r == box.r) {
                // The hovered type is shown at the box's corner.
                zaehltext(typ, cx - 210 + 84 * box.bc, cy - 95 + 80 * box.br);
                hoverbox(typ, cx - 240 + 84 * box.bc, cy - 150 + 80 * box.br, Durchgang);
                continue;
            }
            // Cells under the hover box keep their count hidden.
            if (!box.deckt(c, r)) zaehltext(typ, cx - 210 + 84 * c, cy - 95 + 80 * r);
        }
    long long m = 0;
    if (const Spielerzeile* s = TPU_Mensch()) m = s->Mitglieder();
    // Above the member steps (cy - 246 to cy - 224), which it would cross at their height.
    senke.Print_zentriert(
        cx, cy - 254,
        TPU_Zahl(26 - (m - 25 * Floor_div(m - 1, 25))) + W(" Mitglieder bis zur nächsten Gebäudestufe "));
    senke.Print_zentriert(cx, cy - 204, "Seite " + TPU_Zahl(BMU_Seitennummer()));
}

void TPU_Produktionszeile(int Zaehler, int Art, int Durchgang, std::string& Zeile) {
    Zeile.clear();
    const long long c = Zaehler;
    long long r = 0;
    if (const Spielerzeile* s = TPU_Mensch()) r = s->Arbeitsradius();
    if (c < 0 && Durchgang == 4) TPU_Senke().Farbe(0.5f, 0, 0);
    if (c >= 0) {
        if (Art == 2 || Art == 4)
            Zeile = "Interne Produktion: " + TPU_Zahl(Ceil_div(c, 10)) + "%";
        else if (Art == 7 || Art == 9)
            Zeile = W("Effektivität: ") + TPU_Zahl(64 * (Floor_div(r, 32) + 1 - c)) + "%";
        else if (Art == 11)
            Zeile = W("Effektivität: ") + TPU_Zahl(2 * (r + 1 - c)) + "%";
        return;
    }
    switch (Art) {
        case 2:
            Zeile = "Interne Produktion: " + TPU_Zahl(Ceil_div(c, 10)) + "%";
            break;
        case 7:
            Zeile = W("Kein freier Baum verfügbar!");
            break;
        case 9:
            Zeile = W("Berggelände ist nicht verfügbar!");
            break;
        case 11:
            Zeile = "Keinen sauberen Sand gefunden!";
            break;
        default:
            break;
    }
}

void TPU_Objektinfotexte(int Objekt, int dy, int dx, int Durchgang) {
    static constexpr const char* routine = "TPU_Objektinfotexte";
    Objektzeile* ob = TPU_Objekt(Objekt, routine);
    if (!ob) return;
    const Objekt_Item* v = TPU_Vorlage(ob->Typ(), routine);
    if (!v) return;
    TPU_Textsenke& senke = TPU_Senke();
    const int cx = IFU_Fenstermitte_X + dx, cy = IFU_Fenstermitte_Y + dy;
    // The texts start at the window's left edge, the title clear of the frame's corner.
    const int links = cx + IFU_Objektinfo_Rand, titel_y = cy - 110;
    const bool eigen = FFU_Objekt_eigen(Objekt);
    if (eigen) {
        const std::string abreissen = W("Abreißen");
        senke.Print2(cx + IFU_Abrissknopf.x + (IFU_Abrissknopf.breite - TPU_Textbreite_Font2(abreissen)) / 2,
                     cy + IFU_Abrissknopf.y + 21, abreissen);
    }
    if (OM_Baumaterial_fehlt(Objekt)) {
        if (!eigen) return;
        senke.Print(links, titel_y, v->Titel);
        senke.Print(links, cy - 76, W("Baumaterial zum Aufbau benötigt!"));
        // Each count beside its material's icon.
        for (int k = 0; k < 4; ++k) {
            const int rest = ob->Baumaterial_Rest(k);
            if (rest <= 0) continue;
            senke.Print(cx + IFU_Objektinfo_Material_X + IFU_Objektinfo_Material_Abstand * k + 36,
                        cy + IFU_Objektinfo_Material_Y + 23, TPU_Zahl(rest));
        }
        return;
    }
    if (!eigen) {
        senke.Print(links, titel_y, "Besitzer: " + TPU_Clanname(ob->Besitzer(), routine));
        senke.Print(links, cy - 62, W("Dieses Gebäude gehört nicht dir,"));
        senke.Print(links, cy - 35, "Du darfst den Inhalt nicht sehen.");
        return;
    }
    senke.Print(links, titel_y, v->Titel);
    const auto zeilen = vier_zeilen(v->Text);
    static constexpr int zeilen_y[4] = {-89, -70, -52, -34};
    for (int i = 0; i < 4; ++i) senke.Print2(links, cy + zeilen_y[i], zeilen[i]);
    if (Programmvariableanzeigen)
        for (int s = 0; s <= 11; ++s)
            if (OB_Slot_hat_Arbeiter(Objekt, s))
                senke.Print(cx + IFU_Objektinfo_Slot_X + 5 + IFU_Objektinfo_Slot_Abstand * s, cy + 10,
                            TPU_Zahl(OB_Arbeiter_des_Slots(Objekt, s)));
    if (v->Modus == "Home") {
        const long long n = Floor_div(ob->Zaehler(), 2);
        senke.Print_zentriert(cx, cy + 100,
                              n < 1 ? std::string("Dieses Wohnhaus ist voll.")
                                    : W("Freier Wohnraum übrig. (") + TPU_Zahl(n) + ")");
    }
    if (v->Modus == "Produktion") {
        std::string zeile;
        TPU_Produktionszeile(ob->Zaehler(), v->Slots[0].Benutzung, Durchgang, zeile);
        senke.Print_zentriert(cx, cy + 100, zeile);
    }
    if (OM_ist_Hafen(ob->Typ())) senke.Print_zentriert(cx + 30, cy + 125, TPU_Zahl(ob->Zaehler()));
    static constexpr int slot_x[Objekt_Warenslots] = {-101, -61, -21, 19, 59, 99};
    for (int k = 0; k < Objekt_Warenslots; ++k) {
        if (ob->Slot_Ware(k) <= -1) continue;
        if (!Programmvariableanzeigen) {
            if (ob->Slot_Raeumen(k) != 1) senke.Print(cx + slot_x[k], cy + 68, TPU_Zahl(ob->Slot_Bestand(k)));
            continue;
        }
        senke.Print(cx + slot_x[k], k == 1 || k == 4 ? cy + 58 : cy + 68,
                    TPU_Zahl(ob->Slot_Bestand(k)) + "-" + TPU_Zahl(ob->Slot_Bestellt(k)) + "-" +
                        TPU_Zahl(ob->Slot_Reserviert(k)));
    }
}

void TPU_Wareninfo(int x, int y, int dy, int dx, int Ware) {
    static constexpr const char* routine = "TPU_Wareninfo";
    if (Ware < 0 || static_cast<std::size_t>(Ware) >= SBU_Waren.size()) {
        TPU_Warentitel(Ware, routine);
        return;
    }
    TPU_Textsenke& senke = TPU_Senke();
    senke.Print(x - 40 + dx, y + 20 + dy, SBU_Waren[Ware].Titel);
    const auto zeilen = vier_zeilen(SBU_Waren[Ware].Text);
    for (int i = 0; i < 4; ++i) senke.Print2(x - 80 + dx, y + 46 + 16 * i + dy, zeilen[i]);
}
