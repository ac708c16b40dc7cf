#pragma once
// Template content generated into a program folder: numbered folders of
// skills, goods, buildings and ambient objects with their scripts, footprints
// and pictures, and the blank packs under Texture\aktiv. Used by the template
// tests and the loading benchmark.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "foundation/Bild.h"
#include "foundation/Bilddatei.h"

namespace bhmtest {

// A 24-bit picture in one colour.
inline Bild Vorrat_Bild(int breite, int hoehe, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    Bild bild(breite, hoehe, tfBGR8);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x) {
            std::uint8_t* p = bild.Zeile(y) + 3 * x;
            p[0] = b;
            p[1] = g;
            p[2] = r;
        }
    return bild;
}

inline void Vorrat_Pixel(Bild& bild, int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::uint8_t* p = bild.Zeile(y) + 3 * x;
    p[0] = b;
    p[1] = g;
    p[2] = r;
}

// The colour of a pixel as 0xRRGGBB; 0xFFFFFFFF outside the picture.
inline std::uint32_t Vorrat_Farbe(const Bild& bild, int x, int y) {
    if (x < 0 || y < 0 || x >= bild.breite || y >= bild.hoehe || bild.format != tfBGR8) return 0xFFFFFFFFu;
    const std::uint8_t* p = bild.Zeile(y) + 3 * x;
    return static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}

inline void Vorrat_Datei(const std::string& pfad, const std::string& inhalt) {
    std::filesystem::create_directories(std::filesystem::path(pfad).parent_path());
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

inline void Vorrat_Bild_schreiben(const std::string& pfad, const Bild& bild) {
    std::filesystem::create_directories(std::filesystem::path(pfad).parent_path());
    Bilddatei_speichern(pfad, bild);
}

struct Vorratsgroesse {
    int skills = 20, waren = 40, objekte = 40, ambiente = 40;
};

// A consistent content set of the given size under programmordner (with a
// trailing "/"): every good needs earlier goods only, every building names
// existing goods and ambient models, every growth chain ends. Each building
// picture carries an anchor, a flag and two blue points; every ambient picture
// an anchor, and those of ambient 2, 5, 8, ... a blue point.
inline void Vorrat_anlegen(const std::string& programmordner, const Vorratsgroesse& g) {
    const std::string daten = programmordner + "Daten/";
    Vorrat_Bild_schreiben(programmordner + "Texture/aktiv/Iconpack.BMP",
                          Vorrat_Bild(1024, 1024, 255, 0, 255));
    Vorrat_Bild_schreiben(programmordner + "Texture/aktiv/Personpack.bmp",
                          Vorrat_Bild(1024, 1024, 40, 40, 40));
    auto n_text = [](int n) { return std::to_string(n); };

    for (int s = 0; s < g.skills; ++s) {
        const std::string o = daten + "Skill/" + n_text(s) + "/";
        Vorrat_Datei(o + "Script.srt", "Titel/Beruf" + n_text(s) + "\r\nBerufname/Meister" + n_text(s) +
                                           "\r\nT\xE4"
                                           "tikkeit/arbeitet\r\n");
        Vorrat_Bild_schreiben(o + "Icon.BMP", Vorrat_Bild(32, 32, 10, static_cast<std::uint8_t>(s), 10));
    }
    for (int w = 0; w < g.waren; ++w) {
        const std::string o = daten + "Waren/" + n_text(w) + "/";
        std::string s =
            "Titel/Ware" + n_text(w) + "\r\nTransport/True\r\nGroup/Gruppe" + n_text(w % 5) + "\r\n";
        if (w > 0 && g.skills > 1) s += "Skill/Beruf" + n_text(1 + w % (g.skills - 1)) + "\r\n";
        if (w >= 3) s += "Need/Ware" + n_text(w - 1) + "/2/Ware" + n_text(w - 2) + "/1\r\n";
        if (w % 4 == 1) s += "Spez/food\r\n";
        if (w % 7 == 2) s += "Spez/luxury\r\n";
        if (w % 6 == 5 && g.ambiente > 4) s += "Grow/" + n_text(1 + w % (g.ambiente - 4)) + "\r\n";
        s += "Make/2\r\nChance/80\r\nText/Eine Ware.\r\n";
        Vorrat_Datei(o + "Script.srt", s);
        Vorrat_Bild_schreiben(o + "Icon.BMP", Vorrat_Bild(32, 32, static_cast<std::uint8_t>(w), 20, 20));
        Vorrat_Bild_schreiben(o + "Frame.BMP", Vorrat_Bild(96, 32, 30, static_cast<std::uint8_t>(w), 30));
    }
    const int waren = g.waren > 1 ? g.waren : 2;
    auto ware = [&](int i) { return "Ware" + n_text(1 + i % (waren - 1)); };
    for (int k = 0; k < g.objekte; ++k) {
        const std::string o = daten + "Objekt/" + n_text(k) + "/";
        std::string s = "Titel/Gebaeude" + n_text(k) + "\r\nKurz/G" + n_text(k) + "\r\nText/Ein Haus.\r\n";
        s += "Baukosten/" + ware(k) + "/4/" + ware(k + 1) + "/3\r\nPlatz/" + n_text(2 + k % 4) + "\r\n";
        switch (k % 5) {
            case 0:
                s += "Modus/Home/Neid/" + n_text(k % 3) + "\r\n";
                break;
            case 1:
                s += "Modus/Lager/" + n_text(k % 6) + "\r\n";
                break;
            default:
                s += "Modus/Produktion/" + ware(k) + "/Produktion/" + ware(k + 3) + "/Holen/" + ware(k + 5) +
                     "/Anbau\r\n";
        }
        s += "AI_Level/" + n_text(1 + k % 3) + "\r\n";
        if (g.ambiente > 2) {
            std::string schritte = "Ambiente1/0/0";
            for (int st = 1; st < 9; ++st) schritte += "//" + n_text(st) + "/" + n_text(st);
            s += "Warenanzeige/0/" + schritte + "\r\nProzessanzeige/Ambiente1/Ambiente2/3/4\r\n";
        }
        Vorrat_Datei(o + "Script.srt", s);
        Vorrat_Datei(o + "Bauplatz.Obj", k % 2 ? "111\r\n141\r\n111\r\n" : "0110\r\n1411\r\n0110\r\n");
        Bild haus = Vorrat_Bild(64 + 16 * (k % 3), 48 + 8 * (k % 4), 90, 60, static_cast<std::uint8_t>(k));
        Vorrat_Pixel(haus, 32, haus.hoehe - 8, 255, 0, 0);
        Vorrat_Pixel(haus, 40, 4, 0, 255, 0);
        Vorrat_Pixel(haus, 10, 10, 0, 0, 255);
        Vorrat_Pixel(haus, 50, 20, 0, 0, 255);
        Vorrat_Bild_schreiben(o + "building.bmp", haus);
        Vorrat_Bild_schreiben(o + "Icon.BMP", Vorrat_Bild(64, 64, 20, 20, static_cast<std::uint8_t>(k)));
    }
    for (int a = 0; a < g.ambiente; ++a) {
        const std::string o = daten + "Ambiente/" + n_text(a) + "/";
        std::string s = "Titel/Ambiente" + n_text(a) + "\r\nonMap/true/" + n_text(1 + a % 4) + "/" +
                        n_text(5 + a % 10) + "\r\nblock/" + (a % 2 ? "true" : "false") + "\r\n";
        // Stages a -> a + 1 in chains of four; the last of each chain ends.
        s += "link/" + (a % 4 == 3 || a + 1 >= g.ambiente ? std::string("-1") : n_text(a + 1)) + "\r\n";
        static const char* const spezial[] = {"tree",  "stone", "flower", "way",
                                              "trash", "hole",  "flag",   "mark"};
        s += std::string("spezial/") + spezial[a % 8] + "\r\n";
        if (a % 5 == 0) s += "animation/" + n_text(a % 3) + "\r\n";
        Vorrat_Datei(o + "Script.srt", s);
        Bild bild = Vorrat_Bild(32, 32 + 16 * (a % 3), 30, static_cast<std::uint8_t>(a), 90);
        Vorrat_Pixel(bild, 16, bild.hoehe - 4, 255, 0, 0);
        if (a % 3 == 2) Vorrat_Pixel(bild, 4, 4, 0, 0, 255);
        Vorrat_Bild_schreiben(o + "Icon.BMP", bild);
    }
}

}  // namespace bhmtest
