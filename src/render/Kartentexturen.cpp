#include "render/Kartentexturen.h"

#include <exception>
#include <string>

#include "economy/Spieler.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "economy/Warenindex.h"
#include "render/Modelliste.h"

namespace {

using Farbe = std::array<std::uint8_t, 3>;

constexpr Farbe kWasser = {71, 167, 163};

// Terrain colours of the levels 0..20.
constexpr std::array<Farbe, 21> kGelaende = {
    {{71, 167, 163},  {204, 192, 136}, {230, 218, 162}, {62, 120, 40},  {88, 146, 62},   {114, 146, 84},
     {116, 89, 50},   {119, 92, 53},   {122, 95, 56},   {125, 98, 59},  {128, 101, 62},  {131, 104, 65},
     {134, 107, 68},  {137, 110, 71},  {140, 113, 74},  {145, 116, 77}, {175, 175, 175}, {185, 185, 185},
     {195, 195, 195}, {205, 205, 205}, {215, 215, 215}}};

// The island palette, entries 1..24.
constexpr std::array<Farbe, 24> kInseln = {
    {{0, 0, 255},     {0, 255, 0},     {255, 0, 0},     {0, 255, 255},   {255, 0, 255},   {255, 255, 0},
     {0, 0, 127},     {0, 127, 0},     {127, 0, 0},     {0, 127, 127},   {127, 0, 127},   {127, 127, 0},
     {255, 255, 127}, {255, 127, 255}, {127, 255, 255}, {255, 127, 127}, {127, 255, 127}, {127, 127, 255},
     {191, 191, 63},  {191, 63, 191},  {63, 191, 191},  {191, 63, 63},   {63, 191, 63},   {63, 63, 191}}};

// The terrain view knows 21 levels and shows any other as water; the clan and
// building views only tell water (level 0, or a broken one below it) from land.
bool wasser(int level) { return level <= 0 || level > 20; }
bool wasserfeld(int level) { return level <= 0; }

std::uint8_t prozent_zu_byte(int prozent) {
    const int p = prozent < 0 ? 0 : (prozent > 100 ? 100 : prozent);
    return static_cast<std::uint8_t>(p * 255 / 100);
}

// View 2: the clan's colour, or water and land.
Farbe clanansicht(const Kartenpunkt& p) {
    if (GU_Clan_gueltig(p.Spieler)) {
        Spielerzeile& s = Spieler[static_cast<std::size_t>(p.Spieler)];
        return {prozent_zu_byte(s.Farbe_R()), prozent_zu_byte(s.Farbe_G()), prozent_zu_byte(s.Farbe_B())};
    }
    return wasserfeld(p.LandType) ? kWasser : Farbe{255, 224, 168};
}

}  // namespace

std::array<std::uint8_t, 3> ML_Kartenfarbe(const Kartenpunkt& p, int ansicht) {
    switch (ansicht) {
        case 0:
            if (GU_Clan_gueltig(p.Spieler)) return {255, 0, 0};
            return wasser(p.LandType) ? kWasser : kGelaende[static_cast<std::size_t>(p.LandType)];
        case 1:
            if (p.Insel == 0) return {255, 255, 255};
            if (p.Insel >= 1 && p.Insel <= 96) return kInseln[static_cast<std::size_t>((p.Insel - 1) % 24)];
            return {0, 0, 0};
        case 2:
            return clanansicht(p);
        default: {
            if (p.Typ < 0 || static_cast<std::size_t>(p.Typ) >= SBU_Objekte.size())
                return wasserfeld(p.LandType) ? kWasser : Farbe{255, 255, 255};
            const std::string& modus = SBU_Objekte[static_cast<std::size_t>(p.Typ)].Modus;
            if (modus == "Home") return {255, 0, 0};
            if (modus == "Produktion") return {0, 255, 0};
            if (modus == "Lager") return {0, 0, 255};
            if (OM_ist_Hafen(p.Typ)) return {0, 0, 0};
            return clanansicht(p);
        }
    }
}

std::vector<std::uint8_t> ML_Kartenbild(std::span<const Kartenpunkt> punkte, int ansicht) {
    std::vector<std::uint8_t> pixel(punkte.size() * 3);
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const Farbe f = ML_Kartenfarbe(punkte[i], ansicht);
        pixel[3 * i] = f[0];
        pixel[3 * i + 1] = f[1];
        pixel[3 * i + 2] = f[2];
    }
    return pixel;
}

void ML_Kartentexturen_aus(std::span<const Kartenpunkt> punkte) {
    for (auto& t : ML_Kartentexturen) t.reset();
    if (punkte.size() != static_cast<std::size_t>(ML_Kartenseite) * ML_Kartenseite) {
        Fehler_melden("ML_Kartentexturen_erzeugen > Minimap hat " + std::to_string(punkte.size()) +
                      " Punkte");
        return;
    }
    for (int v = 0; v < 4; ++v) {
        std::vector<std::uint8_t> pixel = ML_Kartenbild(punkte, v);
        try {
            auto t = TglBitmap2D::CreateFromPixels(ML_Kartenseite, ML_Kartenseite, tfRGB8, pixel.data());
            // The buffer ends with this call: the object lets go of it after the upload.
            t->SetFreePixelsAfterUpload(true);
            t->GenTexture(true);
            ML_Kartentexturen[static_cast<std::size_t>(v)] = std::move(t);
        } catch (const std::exception& e) {
            Fehler_melden("ML_Kartentexturen_erzeugen > " + std::string(e.what()));
        }
    }
}

void ML_Kartentexturen_erzeugen() { ML_Kartentexturen_aus(MG_Minimap); }
