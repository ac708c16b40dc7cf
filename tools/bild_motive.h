// The motifs of the content pictures: goods, skills, buildings and ambient objects.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bild_leinwand.h"

// The common palette of all content pictures.
namespace pal {
inline constexpr Farbe umriss = rgb(40, 32, 28);
inline constexpr Farbe holz = rgb(150, 98, 52);
inline constexpr Farbe holz_hell = rgb(196, 146, 88);
inline constexpr Farbe holz_dunkel = rgb(96, 62, 34);
inline constexpr Farbe rinde = rgb(112, 78, 48);
inline constexpr Farbe stein = rgb(142, 142, 136);
inline constexpr Farbe stein_hell = rgb(186, 184, 176);
inline constexpr Farbe stein_dunkel = rgb(92, 92, 90);
inline constexpr Farbe sand = rgb(226, 200, 134);
inline constexpr Farbe lehm = rgb(176, 128, 84);
inline constexpr Farbe erde = rgb(124, 92, 58);
inline constexpr Farbe gras = rgb(92, 150, 62);
inline constexpr Farbe gras_dunkel = rgb(54, 104, 44);
inline constexpr Farbe laub = rgb(70, 132, 50);
inline constexpr Farbe laub_hell = rgb(124, 176, 72);
inline constexpr Farbe nadel = rgb(38, 92, 58);
inline constexpr Farbe stroh = rgb(214, 180, 92);
inline constexpr Farbe stroh_dunkel = rgb(170, 132, 60);
inline constexpr Farbe ziegel = rgb(170, 74, 52);
inline constexpr Farbe schiefer = rgb(78, 84, 104);
inline constexpr Farbe putz = rgb(226, 214, 188);
inline constexpr Farbe wasser = rgb(70, 128, 196);
inline constexpr Farbe wasser_hell = rgb(140, 186, 226);
inline constexpr Farbe eisen = rgb(120, 126, 136);
inline constexpr Farbe eisen_hell = rgb(178, 184, 194);
inline constexpr Farbe gold = rgb(232, 186, 48);
inline constexpr Farbe gold_hell = rgb(252, 226, 120);
inline constexpr Farbe kohle = rgb(36, 34, 36);
inline constexpr Farbe glas = rgb(156, 214, 222);
inline constexpr Farbe glas_hell = rgb(214, 242, 246);
inline constexpr Farbe leinen = rgb(222, 208, 170);
inline constexpr Farbe weiss = rgb(244, 240, 232);
inline constexpr Farbe rot = rgb(186, 44, 40);
inline constexpr Farbe beere = rgb(120, 36, 92);
inline constexpr Farbe fleisch = rgb(170, 90, 76);
inline constexpr Farbe feuer = rgb(244, 140, 36);
inline constexpr Farbe feuer_hell = rgb(252, 214, 84);
inline constexpr Farbe rauch = rgb(170, 170, 176);
inline constexpr Farbe blau = rgb(64, 84, 170);
inline constexpr Farbe violett = rgb(120, 92, 176);
inline constexpr Farbe schild = rgb(232, 214, 160);
}  // namespace pal

// Goods: the 32 x 32 icon and the 96 x 32 carry strip (six frames of 16 x 32).
std::optional<Leinwand> ware_icon(const std::string& titel);
Leinwand ware_tragebild(const Leinwand& icon);

// Skills: a 32 x 32 badge showing the skill's main good.
std::optional<Leinwand> skill_icon(const std::string& titel);

// Buildings.
struct Fusszelle {
    int dx, dy;
};
struct Gebaeudeangaben {
    std::string titel, modus;
    std::vector<Fusszelle> fuss;                 // footprint cells relative to the anchor
    std::vector<std::string> waren;              // goods of the Produktion slots (for the sign)
    std::optional<std::pair<int, int>> prozess;  // offset of the production model
};
struct Gebaeudebild {
    Leinwand bild;  // without markers
    int anker_x = 0, anker_y = 0;
    int flagge_x = 0, flagge_y = 0;
    std::vector<std::pair<int, int>> punkte;  // smoke and fire points
};
std::optional<Gebaeudebild> gebaeude_bild(const Gebaeudeangaben& g);
Leinwand gebaeude_icon(const Leinwand& bild);

// Ambient objects: picture with its markers already placed.
std::optional<Leinwand> ambiente_bild(const std::string& titel);
