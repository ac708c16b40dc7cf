// The interface pack: every interface model's rectangle of the 64 x 64 grid of
// 16-pixel cells gets a picture fitting its size: framed panels for the wide
// strips (window frames, the tooltip frame), bevelled buttons, check boxes,
// slider knobs, symbol tiles and gold coins.
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <set>
#include <tuple>
#include <vector>

#include "bild_interface.h"
#include "bild_motive.h"
#include "bild_schmuck.h"
#include "render/Spriterechtecke.h"
#include "textur_motive.h"

namespace {

Rechteck pixel(const ML_Rechteck& r) {
    return {16 * r.Links, 16 * r.Oben, 16 * (r.Rechts - r.Links), 16 * (r.Unten - r.Oben)};
}

Rechteck modellrechteck(int m) {
    ML_Interfacemodell_Rechteck(m);
    return pixel(ML_Zellrechteck);
}

void leeren(Leinwand& l, Rechteck r) { l.rechteck(r.x, r.y, r.b, r.h, TRANSPARENT); }

// A pictogram of the 32-pixel grid in the middle of r.
void mitte(Leinwand& l, Rechteck r, const std::string& art, Farbe f) {
    piktogramm(l, r.x + (r.b - 32) / 2, r.y + (r.h - 32) / 2, art, f);
}

// A slot of a window: a parchment square in a thin frame with a pictogram.
void slot(Leinwand& l, Rechteck r, const std::string& art) {
    leeren(l, r);
    l.rechteck(r.x + 1, r.y + 1, r.b - 2, r.h - 2, kPergament);
    l.rahmen(r.x + 1, r.y + 1, r.b - 2, r.h - 2, kRahmen);
    l.rahmen(r.x + 2, r.y + 2, r.b - 4, r.h - 4, kRahmenHell);
    if (!art.empty()) mitte(l, r, art, pal::umriss);
}

// A button with a pictogram; `an` lit.
void bildknopf(Leinwand& l, Rechteck r, const std::string& art, bool an) {
    knopf(l, r, an);
    if (an) l.rahmen(r.x + 1, r.y + 1, r.b - 2, r.h - 2, pal::gold_hell);
    mitte(l, r, art, an ? pal::gold_hell : pal::umriss);
}

// A round radio button, filled when chosen. It sits in the left part of its cell: the edict
// window writes the labels from the cell's last few pixels on.
void radio(Leinwand& l, Rechteck r, bool gewaehlt) {
    leeren(l, r);
    const int cx = r.x + 12, cy = r.y + r.h / 2;
    l.kreis(cx, cy, 9, pal::umriss);
    l.kreis(cx, cy, 7, rgb(250, 244, 226));
    if (gewaehlt) l.kreis(cx, cy, 4, pal::gras_dunkel);
}

// A panel piece without the frame edges that other pieces continue: the hover box and the
// edict frames are stacked from a top, middles and a bottom.
void tafelstueck(Leinwand& l, Rechteck r, bool oben, bool unten) {
    const int rand = 64;
    Leinwand t(r.b, r.h + 2 * rand);
    tafel(t, {0, oben ? rand : 0, r.b, r.h + (oben ? rand : 2 * rand) - (unten ? rand : 0)});
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.b; ++x) l.punkt(r.x + x, r.y + y, t.lesen(x, y + rand));
}

// A face of the contentment figures, in the colour of its mood (0 glad, 1 middling, 2 sad).
void gesicht(Leinwand& l, int ox, int oy, Farbe f, int stimmung) {
    l.kreis(ox + 16, oy + 16, 11, pal::umriss);
    l.kreis(ox + 16, oy + 16, 9, f);
    l.kreis(ox + 12, oy + 13, 1, pal::umriss);
    l.kreis(ox + 20, oy + 13, 1, pal::umriss);
    for (int x = -5; x <= 5; ++x) {
        const int bogen = (25 - x * x) / 10;
        const int y = stimmung == 0 ? 19 + bogen : stimmung == 2 ? 23 - bogen : 21;
        l.punkt(ox + 16 + x, oy + y, pal::umriss);
    }
}

void muenzbild(Leinwand& l, int ox, int oy) {
    l.kreis(ox + 16, oy + 16, 10, schattieren(pal::gold, 0.6));
    l.kreis(ox + 16, oy + 16, 8, pal::gold);
    l.kreis(ox + 14, oy + 14, 4, pal::gold_hell);
}

// The motif of a clan figure: a pictogram of the pack or one of the figures' own.
void kennbild(Leinwand& l, int ox, int oy, const std::string& art) {
    if (art == "paar") {
        piktogramm(l, ox - 5, oy, "mann", pal::umriss);
        piktogramm(l, ox + 5, oy + 1, "frau", pal::umriss);
    } else if (art == "froh") {
        gesicht(l, ox, oy, pal::laub_hell, 0);
    } else if (art == "mittel") {
        gesicht(l, ox, oy, pal::gold_hell, 1);
    } else if (art == "traurig") {
        gesicht(l, ox, oy, rgb(232, 120, 96), 2);
    } else if (art == "gesicht") {
        gesicht(l, ox, oy, pal::gold_hell, 0);
    } else if (art == "muenze") {
        muenzbild(l, ox, oy);
    } else if (art == "nahrung") {
        l.kreis(ox + 16, oy + 18, 9, pal::rot);
        l.kreis(ox + 13, oy + 15, 3, rgb(226, 110, 96));
        l.rechteck(ox + 15, oy + 6, 2, 5, pal::holz_dunkel);
        l.ellipse(ox + 20, oy + 8, 4, 2, pal::laub);
    } else if (art == "luxus") {
        l.vieleck(
            {{ox + 8, oy + 12}, {ox + 12, oy + 7}, {ox + 20, oy + 7}, {ox + 24, oy + 12}, {ox + 16, oy + 26}},
            pal::violett);
        l.vieleck({{ox + 12, oy + 12}, {ox + 16, oy + 8}, {ox + 20, oy + 12}, {ox + 16, oy + 22}},
                  schattieren(pal::violett, 1.4));
    } else if (art == "luftschiff") {
        l.ellipse(ox + 16, oy + 12, 12, 6, pal::leinen);
        l.ellipse(ox + 16, oy + 12, 12, 1, pal::stroh_dunkel);
        l.linie(ox + 11, oy + 17, ox + 13, oy + 22, pal::umriss);
        l.linie(ox + 21, oy + 17, ox + 19, oy + 22, pal::umriss);
        l.rechteck(ox + 12, oy + 22, 8, 4, pal::holz);
    } else {
        piktogramm(l, ox, oy, art, pal::umriss);
    }
}

// A tile of the clan figures in the statistics window: a parchment square with the figure's
// motif and, where two figures share a motif, a small badge in the lower right corner.
void kennzahl(Leinwand& l, Rechteck r, const std::string& art, const std::string& abzeichen) {
    leeren(l, r);
    l.rechteck(r.x + 1, r.y + 1, r.b - 2, r.h - 2, kPergament);
    l.rahmen(r.x + 1, r.y + 1, r.b - 2, r.h - 2, kRahmen);
    kennbild(l, r.x + (r.b - 32) / 2, r.y + (r.h - 32) / 2, art);
    if (abzeichen.empty()) return;
    Leinwand klein(32, 32);
    klein.kreis(16, 16, 15, pal::umriss);
    klein.kreis(16, 16, 13, pal::weiss);
    if (abzeichen == "minus" || abzeichen == "plus") {
        klein.rechteck(7, 13, 18, 6, abzeichen == "minus" ? pal::rot : pal::gras_dunkel);
        if (abzeichen == "plus") klein.rechteck(13, 7, 6, 18, pal::gras_dunkel);
    } else {
        kennbild(klein, 0, 0, abzeichen);
    }
    l.einsetzen_skaliert(klein, r.x + r.b - 15, r.y + r.h - 15, 14, 14);
}

// The strip that the window backgrounds and the window frame stack row by row (models 176,
// 27, 179, 180, 181 share its rectangle at 704, 64, squeezed to their sizes): parchment with a
// wooden edge at the left and right only, whose rows run back the way they came, so that rows
// stacked one below the other join without a line. The parchment runs on above the strip and
// the tooltip panel lies below it, so that the smaller mipmap levels take parchment, not the
// transparent key, into its top and bottom rows.
void bahn(Leinwand& l) {
    constexpr int x0 = 704, b = 320, y0 = 64, hoehe = 64;
    for (int y = y0 - 16; y < y0 + hoehe; ++y) {
        const int p = ((y - y0) % hoehe + hoehe) % hoehe;
        const int q = p < hoehe / 2 ? p : hoehe - 1 - p;
        for (int x = x0; x < x0 + b; ++x) {
            const double g = glattes_rauschen(x, y0 + q, 24, 31);
            l.punkt(x, y, mischen(kPergament, kPergamentDunkel, 0.25 + 0.5 * g));
        }
        for (int i = 0; i < 8; ++i) {
            const Farbe f = i < 2 ? kRahmen : i < 6 ? kRahmenHell : schattieren(kPergamentDunkel, 0.85);
            l.punkt(x0 + i, y, f);
            l.punkt(x0 + b - 1 - i, y, f);
        }
    }
}

// The tile of the tooltips (model 28, the panel below the strip): a tooltip stacks it three
// times or more, 30 pixels apart, each tile over the one before, so that only the last tile
// shows whole and the others only their top rows. The tile has the wooden edge at the left,
// the right and the bottom, and none at the top, which would run across the text of every
// tile after the first; its parchment runs on without a seam from tile to tile.
void tooltipkachel(Leinwand& l) {
    constexpr int x0 = 704, b = 320, y0 = 128, hoehe = 64;
    for (int y = y0; y < y0 + hoehe; ++y)
        for (int x = x0; x < x0 + b; ++x) {
            const double g = glattes_rauschen(x, y0, 24, 31);
            l.punkt(x, y, mischen(kPergament, kPergamentDunkel, 0.25 + 0.5 * g));
        }
    for (int i = 0; i < 5; ++i) {
        const Farbe f = i < 2 ? kRahmen : kRahmenHell;
        for (int y = y0; y < y0 + hoehe - i; ++y) {
            l.punkt(x0 + i, y, f);
            l.punkt(x0 + b - 1 - i, y, f);
        }
        for (int x = x0 + i; x < x0 + b - i; ++x) l.punkt(x, y0 + hoehe - 1 - i, f);
    }
    for (int x : {x0 + 2, x0 + b - 3}) l.kreis(x, y0 + hoehe - 3, 2, pal::gold);
}

// The pictures of the models whose meaning the windows give them; drawn over the general
// pictures of the pack.
void bedeutungen(Leinwand& l) {
    // Hover box of the build window (292 top, 293 middle, 294 bottom) and the edict frames
    // (297/298 top, 299..302 middle, 303/304 bottom) cut from two panels: one open at the
    // bottom, one open at the top, so that the stacked pieces join without seams.
    tafelstueck(l, {160, 32, 416, 96}, true, false);
    tafelstueck(l, {160, 192, 416, 64}, false, true);
    // The cell frame of the build window: a wooden frame around the build icon.
    {
        const Rechteck r = modellrechteck(89);
        leeren(l, r);
        for (int i = 0; i < 4; ++i)
            l.rahmen(r.x + i, r.y + i, r.b - 2 * i, r.h - 2 * i, i < 2 ? kRahmen : kRahmenHell);
    }
    // Worker slots: free, a man, a woman, dismissal pending (also goods marked for clearing).
    slot(l, modellrechteck(48), "");
    slot(l, modellrechteck(49), "mann");
    slot(l, modellrechteck(50), "frau");
    slot(l, modellrechteck(51), "uhr");
    // Level steps, drawn narrow and tall: filled and empty.
    for (int m : {177, 178}) {
        const Rechteck r = modellrechteck(m);
        l.rechteck(r.x, r.y, r.b, r.h, pal::umriss);
        l.rechteck(r.x + 2, r.y + 2, r.b - 4, r.h - 4, m == 177 ? pal::laub_hell : kPergamentDunkel);
    }
    // Paging and choosing arrows, remove and add.
    bildknopf(l, modellrechteck(92), "rechts", false);
    bildknopf(l, modellrechteck(93), "links", false);
    // The set-up's remove and add buttons and its colour swatch stand in rows 26 pixels apart:
    // their pictures fill the top 26 rows of the cell, so that rows of them do not overlap.
    for (auto [m, art] : {std::pair{94, "minus"}, std::pair{95, "plus"}}) {
        Leinwand knopfbild(32, 32);
        bildknopf(knopfbild, {0, 0, 32, 32}, art, false);
        const Rechteck r = modellrechteck(m);
        leeren(l, r);
        l.einsetzen_skaliert(knopfbild, r.x, r.y, 32, 26);
    }
    {
        const Rechteck r = modellrechteck(204);
        leeren(l, r);
        l.rechteck(r.x, r.y, 32, 26, pal::umriss);
        l.rechteck(r.x + 2, r.y + 2, 28, 22, pal::weiss);
    }
    // Minimap kinds: landscape, sectors, clans, industry.
    {
        const char* arten[] = {"karte", "raster", "fahne", "haus"};
        for (int i = 0; i < 4; ++i) bildknopf(l, modellrechteck(97 + i), arten[i], false);
    }
    // The clan figures of the statistics window's third category, in the order of its series:
    // members, women, men, average age, idle, idle with a skill, production, orders and raw
    // material work, without work, average and summed contentment, glad, middling and sad
    // members, all building sites and those being built, housing, gold, the clan's, the
    // player's and the edicts' account, all production, food, luxury, airships.
    for (auto [m, art, abzeichen] : std::initializer_list<std::tuple<int, const char*, const char*>>{
             {225, "paar", ""},         {50, "frau", ""},         {49, "mann", ""},
             {222, "uhr", ""},          {223, "mann", "minus"},   {224, "forschung", "minus"},
             {226, "bau", ""},          {227, "brief", ""},       {228, "stein", ""},
             {229, "pause", ""},        {221, "gesicht", ""},     {211, "gesicht", "plus"},
             {237, "froh", ""},         {238, "mittel", ""},      {239, "traurig", ""},
             {233, "schaufel", "plus"}, {212, "schaufel", ""},    {208, "haus", ""},
             {209, "muenze", ""},       {230, "muenze", "fahne"}, {231, "muenze", "mann"},
             {232, "muenze", "rolle"},  {210, "statistik", ""},   {234, "nahrung", ""},
             {235, "luxus", ""},        {236, "luftschiff", ""}})
        if (m != 49 && m != 50) kennzahl(l, modellrechteck(m), art, abzeichen);
    // Statistics categories: goods in stock, production, clan data.
    bildknopf(l, modellrechteck(207), "rolle", false);
    bildknopf(l, modellrechteck(206), "bau", false);
    bildknopf(l, modellrechteck(205), "mann", false);
    // The three toggle windows: each switch lit with its symbol when set, dark when not.
    static constexpr std::array<Farbe, 6> farben = {pal::rot,         pal::blau,    pal::gras_dunkel,
                                                    pal::holz_dunkel, pal::violett, pal::schiefer};
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 9; ++i) {
            const int k = 9 * j + i;
            for (int aus = 0; aus < 2; ++aus) {
                const Rechteck r = modellrechteck(103 + 18 * j + 2 * i + aus);
                knopf(l, r, aus == 0);
                if (aus == 0) {
                    l.rahmen(r.x + 2, r.y + 2, r.b - 4, r.h - 4, pal::gold_hell);
                    l.rahmen(r.x + 3, r.y + 3, r.b - 6, r.h - 6, pal::gold);
                }
                symbol(l, {r.x + 16, r.y + 12, r.b - 32, r.h - 32}, k,
                       aus == 0 ? farben[static_cast<std::size_t>(k) % farben.size()] : pal::stein_dunkel);
            }
        }
    // The goods-flow diagram's source symbols, on transparent ground like the goods icons:
    // fishing, (digging), fields, mining, (spare), hunting, quarrying, wood cutting, the
    // connector, the collector and recycling.
    for (auto [m, art] :
         {std::pair{282, "fisch"}, std::pair{283, "schaufel"}, std::pair{284, "feld"}, std::pair{285, "berg"},
          std::pair{286, "rechts"}, std::pair{287, "hase"}, std::pair{288, "stein"}, std::pair{289, "baum"},
          std::pair{290, "rechts"}, std::pair{291, "sammeln"}, std::pair{314, "kreislauf"}}) {
        const Rechteck r = modellrechteck(m);
        leeren(l, r);
        mitte(l, r, art, pal::holz_dunkel);
    }
    // The lobby's input field (model 191, drawn stretched to about eight times its width): a
    // light field between a dark line at the top and a light one at the bottom, with nothing
    // that the stretching would smear.
    {
        const Rechteck r = modellrechteck(191);
        l.rechteck(r.x, r.y, r.b, r.h, rgb(250, 246, 232));
        l.rechteck(r.x, r.y, r.b, 2, kRahmen);
        l.rechteck(r.x, r.y + 2, r.b, 1, schattieren(kPergamentDunkel, 0.85));
        l.rechteck(r.x, r.y + r.h - 2, r.b, 2, kRahmenHell);
    }
    // The edict window: laws and durations as radio buttons, the law's effects, help and enact.
    radio(l, modellrechteck(305), false);
    radio(l, modellrechteck(306), true);
    {
        const Rechteck r = modellrechteck(307);
        leeren(l, r);
        l.kreis(r.x + 16, r.y + 16, 11, pal::blau);
        l.rechteck(r.x + 15, r.y + 14, 3, 9, pal::weiss);
        l.rechteck(r.x + 15, r.y + 9, 3, 3, pal::weiss);
    }
    {
        const Rechteck hilfe = modellrechteck(311), ja = modellrechteck(310);
        knopf(l, hilfe, false);
        l.kreis(hilfe.x + 32, hilfe.y + 32, 18, pal::blau);
        l.rechteck(hilfe.x + 29, hilfe.y + 40, 6, 6, pal::weiss);
        l.rechteck(hilfe.x + 29, hilfe.y + 30, 6, 7, pal::weiss);
        l.rechteck(hilfe.x + 24, hilfe.y + 20, 16, 5, pal::weiss);
        l.rechteck(hilfe.x + 35, hilfe.y + 22, 5, 10, pal::weiss);
        knopf(l, ja, true);
        for (int d = -2; d <= 2; ++d) {
            l.linie(ja.x + 14, ja.y + 32 + d, ja.x + 27, ja.y + 45 + d, pal::gras_dunkel);
            l.linie(ja.x + 27, ja.y + 45 + d, ja.x + 50, ja.y + 18 + d, pal::gras_dunkel);
        }
    }
}

}  // namespace

Leinwand interfacepack_bild() {
    Leinwand l(1024, 1024);
    // The panels many models cut their pieces from.
    for (const Rechteck& r : {Rechteck{160, 32, 416, 96}, Rechteck{160, 192, 416, 64},
                              Rechteck{704, 128, 320, 64}, Rechteck{704, 896, 320, 64}})
        tafel(l, r);
    bahn(l);
    tooltipkachel(l);
    std::set<std::array<int, 4>> gezeichnet;
    auto im_panel = [](const Rechteck& r) {
        for (const Rechteck& p : {Rechteck{160, 32, 416, 96}, Rechteck{160, 192, 416, 64},
                                  Rechteck{704, 64, 320, 128}, Rechteck{704, 896, 320, 64}})
            if (r.x >= p.x && r.y >= p.y && r.x + r.b <= p.x + p.b && r.y + r.h <= p.y + p.h) return true;
        return false;
    };
    // Larger models first, so that the small ones drawn over them stay whole.
    std::vector<int> reihe;
    for (int m = 1; m < ML_Interfacemodell_Anzahl; ++m) reihe.push_back(m);
    std::stable_sort(reihe.begin(), reihe.end(), [](int a, int b) {
        ML_Interfacemodell_Rechteck(a);
        const Rechteck ra = pixel(ML_Zellrechteck);
        ML_Interfacemodell_Rechteck(b);
        const Rechteck rb = pixel(ML_Zellrechteck);
        return ra.b * ra.h > rb.b * rb.h;
    });
    for (int m : reihe) {
        ML_Interfacemodell_Rechteck(m);
        const Rechteck r = pixel(ML_Zellrechteck);
        if (!gezeichnet.insert({r.x, r.y, r.b, r.h}).second || im_panel(r)) continue;
        const int bz = r.b / 16, hz = r.h / 16;
        if (m >= 246 && m <= 261) {
            muenze(l, r, m - 246, false);
        } else if (m >= 309 && m <= 313) {
            muenze(l, r, m - 309 + 3, true);
        } else if (bz == 1 && hz == 1) {
            regler(l, r);
        } else if (bz == 2 && hz == 2) {
            if (m >= 35 && m <= 38)
                kaestchen(l, r, m == 36 || m == 38);
            else if (m >= 282 && m <= 291)
                kaestchen(l, r, m % 2 == 1);
            else
                kachel(l, r, m);
        } else if (bz > hz) {
            knopf(l, r, (m % 2) == 0);
            if (bz <= 6) symbol(l, {r.x + r.b / 2 - 8, r.y + r.h / 2 - 8, 16, 16}, m, pal::umriss);
        } else {
            kachel(l, r, m);
        }
    }
    bedeutungen(l);
    // Model 0: one plain white cell for coloured rectangles.
    l.rechteck(0, 0, 16, 16, rgb(250, 250, 250));
    return l;
}
