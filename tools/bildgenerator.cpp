// Draws every picture of the default content into a game folder's Daten tree.
//
//   bildgenerator <game folder>/Daten [<content folder>/Daten]
//
// The script files (copied there from content/Daten before) decide which pictures
// are needed: every skill and good gets Icon.BMP, every good Frame.BMP, every
// building building.bmp (with its marker pixels) and Icon.BMP, every ambient
// object Icon.BMP (with its anchor). The motif is chosen by the template's title,
// so a template without a motif stops the generator with an error. The interface
// images go to Interface/<n> with Icon.BMP and a Script.srt naming the image. Given the
// content folder as well, template folders of the game folder that the content
// no longer has are removed first, so that a shrunken set leaves no stale folder.
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "bild_ausgabe.h"
#include "bild_interface.h"
#include "bild_motive.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zahl.h"

namespace fs = std::filesystem;

namespace {

int fehler = 0;

void melden(const std::string& text) {
    std::cerr << "bildgenerator: " << text << "\n";
    ++fehler;
}

// A text file split into lines (CR, LF or CR LF); empty when it cannot be read.
std::vector<std::string> zeilen_von(const fs::path& p) {
    auto inhalt = Datei_lesen(utf8_zu_1252(p.string()));
    return inhalt ? Zeilen_teilen(*inhalt) : std::vector<std::string>{};
}

// The "/"-separated fields of a value (at least one, possibly empty).
std::vector<std::string> felder(std::string wert) {
    std::vector<std::string> f;
    do {
        std::string teil;
        FFU_Slashteil_entnehmen(wert, teil);
        f.push_back(teil);
    } while (!wert.empty());
    return f;
}

// The last value of a key in a script file ("" when absent).
std::string wert(const std::vector<std::string>& skript, const std::string& schluessel) {
    std::string w;
    for (const auto& z : skript) {
        const auto pos = z.find('/');
        const std::string k = pos == std::string::npos ? z : z.substr(0, pos);
        if (k == schluessel) w = pos == std::string::npos ? "" : z.substr(pos + 1);
    }
    return w;
}

bool schreiben(const fs::path& p, const Leinwand& l) {
    if (!bild_schreiben(p.string(), l.breite(), l.hoehe(), l.rgb_daten())) {
        melden("cannot write " + p.string());
        return false;
    }
    return true;
}

// Footprint cells relative to the anchor, read like the game reads Bauplatz.Obj.
std::vector<Fusszelle> fussabdruck(const std::vector<std::string>& grid) {
    std::vector<Fusszelle> z;
    if (grid.empty()) return z;
    int ref_zeile = 0, ref_spalte = -1;
    for (std::size_t r = 0; r < grid.size(); ++r)
        for (std::size_t c = 0; c < grid[r].size(); ++c)
            if (grid[r][c] == '4') {
                ref_zeile = static_cast<int>(r);
                ref_spalte = static_cast<int>(c);
            }
    for (std::size_t r = 0; r < grid.size(); ++r)
        for (std::size_t c = 0; c < grid[r].size(); ++c)
            if (grid[r][c] != '0')
                z.push_back({static_cast<int>(c) - ref_spalte, ref_zeile - static_cast<int>(r)});
    return z;
}

void markieren(Leinwand& l, int& x, int y, Farbe f, std::vector<std::pair<int, int>>& belegt) {
    // a marker takes the colour of its right neighbour in the atlas: keep markers apart
    auto frei = [&](int px) {
        for (auto [bx, by] : belegt)
            if (by == y && std::abs(bx - px) < 2) return false;
        return true;
    };
    while (!frei(x) && x + 1 < l.breite() - 1) ++x;
    l.marker(x, y, f);
    belegt.push_back({x, y});
}

void veraltete_entfernen(const fs::path& spiel, const fs::path& inhalt) {
    for (const char* art : {"Skill", "Waren", "Objekt", "Ambiente"}) {
        if (!fs::is_directory(spiel / art)) continue;
        for (const auto& e : fs::directory_iterator(spiel / art)) {
            const std::string name = e.path().filename().string();
            const bool nummer = !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
            if (nummer && e.is_directory() && !fs::is_directory(inhalt / art / name)) {
                std::error_code ec;
                fs::remove_all(e.path(), ec);
                if (ec) melden("cannot remove " + e.path().string());
            }
        }
    }
}

// Interface/<n>: the picture and its title; numbered folders beyond the set are removed.
int interface_schreiben(const fs::path& ordner) {
    const auto bilder = interfacebilder();
    std::set<std::string> titel;
    for (std::size_t n = 0; n < bilder.size(); ++n) {
        const fs::path o = ordner / std::to_string(n);
        if (!titel.insert(bilder[n].titel).second) melden("interface title twice: " + bilder[n].titel);
        std::error_code ec;
        fs::create_directories(o, ec);
        schreiben(o / "Icon.BMP", bilder[n].bild);
        if (!Textdatei_schreiben(utf8_zu_1252((o / "Script.srt").string()),
                                 {utf8_zu_1252("Titel/" + bilder[n].titel)}))
            melden("cannot write " + (o / "Script.srt").string());
    }
    for (std::size_t n = bilder.size(); fs::is_directory(ordner / std::to_string(n)); ++n) {
        std::error_code ec;
        fs::remove_all(ordner / std::to_string(n), ec);
        if (ec) melden("cannot remove " + (ordner / std::to_string(n)).string());
    }
    return static_cast<int>(bilder.size());
}

template <typename F>
int ordner_durchlaufen(const fs::path& basis, F f) {
    int n = 0;
    for (; fs::is_directory(basis / std::to_string(n)); ++n) {
        const fs::path ordner = basis / std::to_string(n);
        f(n, ordner, zeilen_von(ordner / "Script.srt"));
    }
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: bildgenerator <game folder>/Daten [<content folder>/Daten]\n";
        return 2;
    }
    const fs::path daten = argv[1];
    if (argc == 3) veraltete_entfernen(daten, argv[2]);

    const int skills = ordner_durchlaufen(daten / "Skill", [](int, const fs::path& o, const auto& s) {
        const std::string titel = cp1252_zu_utf8(wert(s, "Titel"));
        auto icon = skill_icon(titel);
        if (!icon) return melden("no motif for skill " + titel);
        schreiben(o / "Icon.BMP", *icon);
    });

    const int waren = ordner_durchlaufen(daten / "Waren", [](int, const fs::path& o, const auto& s) {
        const std::string titel = cp1252_zu_utf8(wert(s, "Titel"));
        auto icon = ware_icon(titel);
        if (!icon) return melden("no motif for good " + titel);
        schreiben(o / "Icon.BMP", *icon);
        schreiben(o / "Frame.BMP", ware_tragebild(*icon));
    });

    const int objekte = ordner_durchlaufen(daten / "Objekt", [](int, const fs::path& o, const auto& s) {
        Gebaeudeangaben g;
        g.titel = cp1252_zu_utf8(wert(s, "Titel"));
        const auto modus = felder(wert(s, "Modus"));
        g.modus = modus.front();
        if (g.modus == "Produktion")
            for (std::size_t i = 1; i + 1 < modus.size(); i += 2)
                if (!modus[i].empty() && modus[i + 1] != "Holen") g.waren.push_back(cp1252_zu_utf8(modus[i]));
        const auto prozess = felder(wert(s, "Prozessanzeige"));
        if (prozess.size() >= 4) {
            int a = 0, b = 0;
            if (Zahl_lesen(prozess[2], a) && Zahl_lesen(prozess[3], b))
                g.prozess = std::make_pair(a, b);
            else
                melden("bad Prozessanzeige offset in " + (o / "Script.srt").string());
        }
        g.fuss = fussabdruck(zeilen_von(o / "Bauplatz.Obj"));
        auto bild = gebaeude_bild(g);
        if (!bild) return melden("no motif for building " + g.titel);
        schreiben(o / "Icon.BMP", gebaeude_icon(bild->bild));
        Leinwand l = bild->bild;
        std::vector<std::pair<int, int>> belegt;
        int x = bild->anker_x;
        markieren(l, x, bild->anker_y, MARKER_ROT, belegt);
        if (x != bild->anker_x) melden("anchor of " + g.titel + " moved");
        x = bild->flagge_x;
        markieren(l, x, bild->flagge_y, MARKER_GRUEN, belegt);
        for (auto [px, py] : bild->punkte) markieren(l, px, py, MARKER_BLAU, belegt);
        schreiben(o / "building.bmp", l);
    });

    const int ambiente = ordner_durchlaufen(daten / "Ambiente", [](int, const fs::path& o, const auto& s) {
        const std::string titel = cp1252_zu_utf8(wert(s, "Titel"));
        auto bild = ambiente_bild(titel);
        if (!bild) return melden("no motif for ambient object " + titel);
        schreiben(o / "Icon.BMP", *bild);
    });

    const int interface = interface_schreiben(daten / "Interface");

    std::cout << "bildgenerator: " << skills << " skills, " << waren << " goods, " << objekte
              << " buildings, " << ambiente << " ambient objects, "
              << interface << " interface images drawn\n";
    if (skills == 0 || waren == 0 || objekte == 0 || ambiente == 0) melden("a template kind has no folder");
    return fehler == 0 ? 0 : 1;
}
