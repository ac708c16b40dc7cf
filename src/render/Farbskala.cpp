#include "render/Farbskala.h"

#include <GL/gl.h>

#include <cmath>

#include "economy/Bauvorschau.h"
#include "economy/Spieler.h"
#include "foundation/Schablonen.h"
#include "foundation/Spielstatus.h"
#include "render/Gebaeude.h"
#include "render/Modelliste.h"
#include "render/Spritestapel.h"
#include "render/Vorschaubild.h"
#include "world/Inseln.h"
#include "world/Karte.h"

std::optional<int> Farbskala_Stufe(int wert, int rot_ende, int gruen_ende) {
    if (rot_ende == gruen_ende) return std::nullopt;
    const double k = std::floor((static_cast<double>(wert) - gruen_ende) /
                                (static_cast<double>(rot_ende) - gruen_ende) * 10.0);
    if (k < -1000.0 || k > 1000.0) return 10;
    return static_cast<int>(k);
}

std::array<float, 3> Farbskala_Farbe(int stufe) {
    static constexpr std::array<std::array<float, 3>, 9> kFarben = {{{0.0f, 1.0f, 0.0f},
                                                                     {0.3f, 0.9f, 0.0f},
                                                                     {0.4f, 0.8f, 0.0f},
                                                                     {0.5f, 0.7f, 0.0f},
                                                                     {0.6f, 0.6f, 0.0f},
                                                                     {0.7f, 0.5f, 0.0f},
                                                                     {0.8f, 0.4f, 0.0f},
                                                                     {0.9f, 0.3f, 0.0f},
                                                                     {1.0f, 0.2f, 0.0f}}};
    if (stufe < 0 || stufe > 8) return {1.0f, 0.0f, 0.0f};
    return kFarben[static_cast<std::size_t>(stufe)];
}

void Draw_Farbskala(int wert, int rot_ende, int gruen_ende) {
    const std::optional<int> k = Farbskala_Stufe(wert, rot_ende, gruen_ende);
    const std::array<float, 3> f = k ? Farbskala_Farbe(*k) : std::array<float, 3>{1.0f, 1.0f, 1.0f};
    SP_Farbe(f[0], f[1], f[2]);
}

std::array<float, 3> Bauvorschau_Farbe(int kosten, int gold, int felderzahl, int platzwert_max) {
    if (kosten >= gold) return {0.0f, 0.0f, 0.0f};
    const std::optional<int> k = Farbskala_Stufe(kosten, platzwert_max, felderzahl);
    if (!k || *k == 0) return {1.0f, 1.0f, 1.0f};
    return Farbskala_Farbe(*k);
}

void Draw_Bauvorschau() {
    if (!GU_Clan_gueltig(SpielerID)) return;
    Spielerzeile& mensch = Spieler[static_cast<std::size_t>(SpielerID)];
    const int ende = std::min(BPU_Sichtliste_Ende, static_cast<int>(BPU_Sichtliste.size()) - 1);
    static std::vector<VB_Marke> marken;
    marken.clear();
    for (int i = 0; i <= ende; ++i) {
        const BPU_Eintrag& e = BPU_Sichtliste[static_cast<std::size_t>(i)];
        bool zeigen = Bau_Testmodus > 0 || mensch.Startphase() == 1 || Bau_Typ == SBU_Hafen2_ID;
        if (!zeigen && MG_Feld_gueltig(e.Index))
            zeigen = IU_Spieler_auf_Insel(Karte[static_cast<std::size_t>(e.Index)].Insel(), SpielerID);
        if (!zeigen) continue;
        const std::array<float, 3> f =
            Bauvorschau_Farbe(e.Art, mensch.Gold(), Bau_Felderzahl, Bau_Platzwert_max);
        marken.push_back({static_cast<float>(e.x - 3), static_cast<float>(e.y + 11), f[0], f[1], f[2]});
    }
    VB_Zeichnen(marken, 0.9f, ML_Gezeigtes_Modell(ML_Spezialtyp(SBU_ID_place)));
    SP_Farbe(1, 1, 1);
}
