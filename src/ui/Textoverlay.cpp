#include "ui/Textoverlay.h"

#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "economy/Logik.h"
#include "economy/Spieler.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Hilfen.h"
#include "foundation/Namen.h"
#include "foundation/Seams.h"
#include "foundation/Spielstatus.h"
#include "foundation/Zeichenbreiten.h"
#include "platform/base/Text1252.h"
#include "ui/Debugseiten.h"
#include "ui/Panelschalter.h"
#include "ui/Textausgabe.h"
#include "ui/Fenstertexte.h"
#include "ui/Paneltexte.h"
#include "ui/Statistiktexte.h"
#include "ui/Schaltertexte.h"
#include "ui/Textsenke.h"
#include "ui/Tooltip.h"
#include "ui/Interaktiv.h"
#include "platform/base/System.h"
#include "ui/Fenster_Bau.h"
#include "ui/Fenster_Lobby.h"
#include "world/Minimap.h"

namespace {

// The error line: where it starts, the room it keeps from the window's right edge, the pitch
// of its lines in the big font and how many lines it takes at most.
constexpr int kFehler_X = 400, kFehler_Y = 100, kFehler_Rand = 10, kFehler_Abstand = 22;
constexpr std::size_t kFehler_Zeilen = 6;

// The offsets and colour of one outline pass.
struct Durchgang {
    int p, ox, oy;
};

Durchgang durchgang_beginnen(int p) {
    FFU_Textfarbe(p);
    return {p, FFU_Richtung_dY(p), FFU_Richtung_dX(p)};
}

void slotdialog(const Durchgang& d, int cx, int cy) {
    TPU_Textsenke& s = TPU_Senke();
    s.Print_zentriert(cx + d.ox, cy - 103 + d.oy, W("Warenslot freiräumen !"));
    if (d.p == 4) s.Farbe(0.5f, 0, 0);
    s.Print_zentriert(cx + d.ox, cy - 63 + d.oy, "Hiermit wird die Ware entsorgt");
    s.Print_zentriert(cx + d.ox, cy - 37 + d.oy, W("um den Slot frei zu räumen?"));
    if (d.p == 4) s.Farbe(0, 0, 0);
    s.Print2(cx - 130 + d.ox, cy - 11 + d.oy, "Es kann eine Weile dauern bis der Slot");
    s.Print2(cx - 130 + d.ox, cy + 1 + d.oy, W("vollständig geräumt wurde. Er wird solange"));
    s.Print2(cx - 130 + d.ox, cy + 14 + d.oy, W("für dich gesperrt."));
}

void lobby(const Durchgang& d, int cx, int cy) {
    TPU_Textsenke& s = TPU_Senke();
    s.Print_zentriert(cx + d.ox, cy - 228 + d.oy, "Multiplayer Lobby");
    s.Print_zentriert(cx + d.ox, cy - 176 + d.oy, "Dein momentaner Spielername ist: " + Spielername);
    s.Print_zentriert(cx + d.ox, cy - 150 + d.oy, "Favoriten");
    for (int k = 0; k < 6; ++k)
        s.Print_zentriert(cx + d.ox, cy - 124 + 52 * k + d.oy, "+++++++++++++++++++++++++");
    for (int k = 0; k < 3; ++k)
        s.Print_zentriert(cx + d.ox, cy - 98 + 104 * k + d.oy, "Favorit " + std::to_string(k + 1));
    s.Print_zentriert(cx + 180 + d.ox, cy + 188 + d.oy, "Beitreten");
    s.Print_zentriert(cx - 180 + d.ox, cy + 214 + d.oy, "Abbrechen");
    s.Print_zentriert(cx + 180 + d.ox, cy + 214 + d.oy, "Server erstellen");
    // The input line stands still in every pass, so the black one covers the others.
    std::string zeile = Texteingabe;
    if (TPU_Textbreite_Font1(Texteingabe) > 160) {
        const int ab = std::max(TPU_Textanfang_kuerzen(Texteingabe, 160), 1);
        zeile = ".." + (static_cast<std::size_t>(ab - 1) < Texteingabe.size()
                            ? Texteingabe.substr(static_cast<std::size_t>(ab - 1))
                            : std::string());
    }
    s.Print(cx - 200, cy + 185, zeile + Cursorzeichen);
}

void einstellung(const Durchgang& d, int cx, int cy) {
    TPU_Textsenke& s = TPU_Senke();
    s.Print_zentriert(cx + d.ox, cy - 228 + d.oy, "Multiplayer Einstellung");
    for (int k = 1; k <= 8; ++k) {
        const std::string& name = Lobby_Spieler[static_cast<std::size_t>(k - 1)].Name;
        std::string zeile;
        if (k == 1)
            zeile = name.empty() ? W("läde Server") : "ADMIN: " + name;
        else
            zeile = name.empty() ? std::string("Noch Frei wird zur KI") : name;
        // Each name stands in the row of its entry's colour swatch and buttons (the swatch of
        // row k from cy - 224 + 26 k, 26 rows high), its base line near the swatch's foot.
        s.Print(cx - 220 + d.ox, cy - 202 + 26 * k + d.oy, zeile);
    }
    s.Print_zentriert(cx + 100 + d.ox, cy + 58 + d.oy, "Rohstoffe");
    s.Print_zentriert(cx - 130 + d.ox, cy + 84 + d.oy, W("Kartengröße"));
    s.Print_zentriert(cx + 100 + d.ox, cy + 110 + d.oy, "KI Gegner");
    s.Print_zentriert(cx + 140 + d.ox, cy + 136 + d.oy, "Level");
    s.Print_zentriert(cx - 130 + d.ox, cy + 214 + d.oy, "Abbrechen");
    s.Print_zentriert(cx + 100 + d.ox, cy + 214 + d.oy, "Starten");
}

// The clans the players' map shows: every clan marked on the minimap buffer, in clan order.
std::vector<int> clans_auf_der_karte() {
    std::vector<bool> da(Spieler.size(), false);
    for (const MG_Minimap_Pixel_Item& m : MG_Minimap)
        if (m.Spieler >= 0 && static_cast<std::size_t>(m.Spieler) < da.size())
            da[static_cast<std::size_t>(m.Spieler)] = true;
    std::vector<int> clans;
    for (std::size_t c = 0; c < da.size(); ++c)
        if (da[c]) clans.push_back(static_cast<int>(c));
    return clans;
}

// The longest start of the text no wider than the width in the small font.
std::string kuerzen_font2(const std::string& text, int breite) {
    std::string t = text;
    while (!t.empty() && TPU_Textbreite_Font2(t) > breite) t.pop_back();
    return t;
}

// The legend of the players' map: a colour swatch and the name of every clan on the map.
// Up to eight clans stand in two columns of four in the big font; more clans share
// columns of seven rows in the small font, each name cut to its column.
void clanlegende(const Durchgang& d, int cx, int cy, const std::vector<int>& clans) {
    TPU_Textsenke& s = TPU_Senke();
    constexpr int kZeilen = 7, kLinks = -235, kBreite = 490;
    const int n = static_cast<int>(clans.size());
    const int spalten = n <= 8 ? 2 : (n + kZeilen - 1) / kZeilen;
    const int spaltenbreite = kBreite / spalten;
    for (int i = 0; i < n; ++i) {
        const int clan = clans[static_cast<std::size_t>(i)];
        const Spielerzeile& z = Spieler[static_cast<std::size_t>(clan)];
        const std::string& name = static_cast<std::size_t>(clan) < NGU_Clannamen.size()
                                      ? NGU_Clannamen[static_cast<std::size_t>(clan)]
                                      : std::string();
        s.Farbe(z.Farbe_R() / 100.0f, z.Farbe_G() / 100.0f, z.Farbe_B() / 100.0f);
        if (n <= 8) {
            const bool links = i < 4;
            const int x = links ? cx - 230 : cx;
            const int y = cy - 124 + 24 * (links ? i : i - 4);
            s.Print(x + d.ox, y + d.oy, "######");
            const Durchgang wieder = durchgang_beginnen(d.p);
            s.Print(x + 60 + wieder.ox, y + wieder.oy, name);
            continue;
        }
        const int x = cx + kLinks + spaltenbreite * (i / kZeilen);
        const int y = cy - 138 + 14 * (i % kZeilen);
        const std::string feld = "##";
        s.Print2(x + d.ox, y + d.oy, feld);
        const Durchgang wieder = durchgang_beginnen(d.p);
        const int abstand = TPU_Textbreite_Font2(feld) + 4;
        s.Print2(x + abstand + wieder.ox, y + wieder.oy, kuerzen_font2(name, spaltenbreite - abstand - 6));
    }
}

void minimap(const Durchgang& d, int cx, int cy, const std::vector<int>& clans) {
    TPU_Textsenke& s = TPU_Senke();
    auto P = [&](int x, int y, const std::string& t) { s.Print(x + d.ox, y + d.oy, t); };
    switch (Minimap_Art) {
        case 0:
            P(cx - 70, cy - 228, "Topografische - Karte");
            P(cx - 230, cy - 124, W("Dies ist eine Karte, die lediglich eine bessere Übersicht"));
            P(cx - 230, cy - 100, W("zeigen soll. Um die nächsten Schritte zu planen."));
            break;
        case 1:
            P(cx - 70, cy - 228, "Sectorenkarte - Karte");
            P(cx - 230, cy - 124, W("Jede Farbe spiegelt einen in sich geschloßenen Wirtschaftsraum"));
            P(cx - 230, cy - 100, "wieder. Wenn man das gesamte Gold aus einem Wirtschaftsraum");
            P(cx - 230, cy - 76, "entfernt geht dieser mehr und mehr zu Grunde.");
            break;
        case 2:
            P(cx - 50, cy - 228, "Spieler - Karte");
            clanlegende(d, cx, cy, clans);
            break;
        case 3:
            P(cx - 60, cy - 228, "Industrie - Karte");
            s.Farbe(1, 0, 0);
            P(cx - 230, cy - 124, "#");
            s.Farbe(0, 1, 0);
            P(cx - 230, cy - 99, "#");
            s.Farbe(0, 0, 1);
            P(cx - 230, cy - 74, "#");
            s.Farbe(0, 0, 0);
            P(cx - 80, cy - 124, "#");
            durchgang_beginnen(d.p);
            P(cx - 210, cy - 124, "Wohnung");
            P(cx - 210, cy - 99, "Produktion");
            P(cx - 210, cy - 74, "Lager");
            P(cx - 60, cy - 124, "Hafenanlage");
            break;
        default:
            Fehler_melden("IFU_Minimap > Attribute nicht abgefangen : " + std::to_string(Minimap_Art));
            break;
    }
}

// The lines of the error line: "Error : " and the report, broken at blanks into lines of the
// big font no wider than `breite` (a word too wide for a line of its own is cut into pieces);
// past the last line that fits `max_zeilen`, the text is cut off with "..".
std::vector<std::string> fehlerzeilen(const std::string& text, int breite, std::size_t max_zeilen) {
    std::vector<std::string> zeilen(1);
    const auto passt = [breite](const std::string& t) { return TPU_Textbreite_Font1(t) <= breite; };
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t ende = std::min(text.find(' ', i), text.size());
        const std::string wort = text.substr(i, ende - i);
        std::string& zeile = zeilen.back();
        const std::string mit = zeile.empty() ? wort : zeile + " " + wort;
        if (passt(mit)) {
            zeile = mit;
        } else if (!zeile.empty() && passt(wort)) {
            zeilen.push_back(wort);
        } else {
            // Too wide for any line: as much as fits here, the rest on the next lines.
            std::string rest = wort;
            if (!zeile.empty()) zeile += ' ';
            for (;;) {
                std::size_t n = 0;
                while (n < rest.size() && passt(zeilen.back() + rest.substr(0, n + 1))) ++n;
                if (n == 0 && zeilen.back().empty()) n = 1;  // at least one character a line
                zeilen.back() += rest.substr(0, n);
                rest.erase(0, n);
                if (rest.empty()) break;
                zeilen.emplace_back();
            }
        }
        i = ende + 1;
    }
    if (zeilen.size() > max_zeilen) {
        zeilen.resize(max_zeilen);
        std::string& letzte = zeilen.back();
        while (!letzte.empty() && !passt(letzte + "..")) letzte.pop_back();
        letzte += "..";
    }
    return zeilen;
}

}  // namespace

void Showtext() {
    TPU_2D_Modus();
    if (Programmvariableanzeigen) TPU_Debugseiten();
    TPU_Paneltexte();

    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    TPU_Textsenke& s = TPU_Senke();
    // The legend lists what the map shows, found once for the five passes.
    const std::vector<int> clans =
        Minimap_offen && Minimap_Art == 2 ? clans_auf_der_karte() : std::vector<int>();
    // The error line starts at (400, 100) and breaks before the window's right edge.
    const std::vector<std::string> fehler =
        Fehleranzeige_Dauer > 0
            ? fehlerzeilen("Error : " + Fehler_Anzeigetext(Fehlertext),
                           Shell().Clientbreite() - kFehler_X - kFehler_Rand, kFehler_Zeilen)
            : std::vector<std::string>();
    for (int p = 0; p <= 4; ++p) {
        const Durchgang d = durchgang_beginnen(p);
        if (IFU_Iconleiste_aktiv) slotdialog(d, cx, cy);
        if (Statistikmenue_offen) TPU_Statistiktexte(d.ox, d.oy);
        if (Ediktfenster_offen) TPU_Edikt_Intraktiv_Panel_Text(d.ox, d.oy, IAU_Aktuelles_Edikt);
        if (Baufenster_offen) TPU_Baufenstertexte(d.ox, d.oy, p);
        if (Warenraster_offen) s.Print_zentriert(cx + d.ox, cy - 200 + d.oy, "Hafen");
        if (Objektinfo_offen) TPU_Objektinfotexte(Gewaehltes_Objekt, d.oy, d.ox, p);
        if (Texteingabe_aktiv) lobby(d, cx, cy);
        if (Fenster30_offen) einstellung(d, cx, cy);
        if (Minimap_offen) minimap(d, cx, cy, clans);
        TPU_Schaltertexte(d.ox, d.oy);
        if (Fehleranzeige_Dauer > 0) {
            --Fehleranzeige_Dauer;
            for (std::size_t i = 0; i < fehler.size(); ++i)
                s.Print(kFehler_X + d.ox, kFehler_Y + kFehler_Abstand * static_cast<int>(i) + d.oy,
                        fehler[i]);
        }
    }

    if (Mouseoverfunktion_Nummer != 0) TPU_Tooltip();

    s.Farbe(1, 1, 1);
    glEnable(GL_DEPTH_TEST);
}
