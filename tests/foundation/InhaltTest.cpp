// The default game content, loaded once with the real template loader, and
// the rules the economy, the world, the drawing and the computer clans rely on,
// checked over the loaded tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/Schablonenvorrat.h"
#include "foundation/SchablonenHilfe.h"
#include "foundation/Schablonen_Laden.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"

namespace {

namespace fs = std::filesystem;

std::string u8(const std::string& cp1252) { return cp1252_zu_utf8(cp1252); }

bool ware_gueltig(int w) { return w >= 0 && static_cast<std::size_t>(w) < SBU_Waren.size(); }
bool objekt_gueltig(int k) { return k >= 0 && static_cast<std::size_t>(k) < SBU_Objekte.size(); }
bool ambiente_typ_gueltig(int typ) {
    return typ >= SBU_Ambiente_Basis() && typ - SBU_Ambiente_Basis() < static_cast<int>(SBU_Ambiente.size());
}

// Slot uses that bring a good into the building (all but fetching and storing).
bool erzeugend(int benutzung) {
    return benutzung >= Benutzung_Produktion && benutzung <= Benutzung_sand && benutzung != Benutzung_Lager &&
           benutzung != Benutzung_Holen;
}
// Producing and planting both take the good's recipe first.
bool braucht_Rezept(int benutzung) {
    return benutzung == Benutzung_Produktion || benutzung == Benutzung_Anbau;
}
bool waechst_weiter(const Objekt_Item& o) {
    return o.Modus == "Home" || o.Modus == "Start" || o.Modus == "Startex";
}

// What a clan can reach from its start: the buildings it can put up and the
// goods some of them make.
struct Erreichbar {
    std::vector<char> Objekt;
    std::vector<char> Ware;
};

Erreichbar erreichbar_berechnen() {
    Erreichbar e{std::vector<char>(SBU_Objekte.size()), std::vector<char>(SBU_Waren.size())};
    auto vorhanden = [&](int w) { return ware_gueltig(w) && e.Ware[w]; };
    auto rezept_da = [&](int w) {
        return std::all_of(SBU_Waren[w].Need.begin(), SBU_Waren[w].Need.end(),
                           [&](const Waren_Menge& n) { return n.WarenID == -1 || vorhanden(n.WarenID); });
    };
    auto schiff_da = [&] {
        for (std::size_t w = 0; w < SBU_Waren.size(); ++w)
            if (SBU_Waren[w].Spez == "ship" && e.Ware[w]) return true;
        return false;
    };
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (std::size_t k = 1; k < SBU_Objekte.size(); ++k) {
            const Objekt_Item& o = SBU_Objekte[k];
            if (!e.Objekt[k]) {
                // Offered in the build menu; a landing stage comes with an airship; the
                // later stages of homes and the start building grow out of the earlier.
                bool zugang =
                    o.Modus == "Start" || (o.Modus != "Hafen2" && o.Modus != "Startex" && o.Neid <= 1);
                if (o.Modus == "Hafen2") zugang = schiff_da();
                for (std::size_t j = 1; j < SBU_Objekte.size(); ++j)
                    if (e.Objekt[j] && waechst_weiter(SBU_Objekte[j]) &&
                        SBU_Objekte[j].Updatelink == static_cast<int>(k))
                        zugang = true;
                const bool material =
                    std::all_of(o.Baukosten.begin(), o.Baukosten.end(),
                                [&](const Waren_Menge& b) { return b.WarenID <= 0 || vorhanden(b.WarenID); });
                if (zugang && material) e.Objekt[k] = weiter = true;
            }
            if (!e.Objekt[k]) continue;
            for (const Warenslot& s : o.Slots)
                if (s.WarenID > 0 && ware_gueltig(s.WarenID) && !e.Ware[s.WarenID] &&
                    erzeugend(s.Benutzung) && (!braucht_Rezept(s.Benutzung) || rezept_da(s.WarenID)))
                    e.Ware[s.WarenID] = weiter = true;
        }
    }
    return e;
}

std::vector<std::string> log_lesen(const std::string& name) {
    return Textdatei_lesen(Programmpfad + "Daten/" + name).value_or(std::vector<std::string>{});
}

std::size_t ordner_zahl(const std::string& art) {
    std::size_t n = 0;
    while (fs::is_directory(fs::path(Programmpfad) / "Daten" / art / std::to_string(n))) ++n;
    return n;
}

// The content of the game folder, loaded once for all tests of the suite.
class Inhalt : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        const fs::path spiel = BHM_GAME_DIR;
        if (!fs::exists(spiel / "Daten" / "Objekt" / "0")) return;
        umgebung = std::make_unique<bhmtest::Schablonenumgebung>();
        for (const char* teil : {"Daten", "Texture"})
            if (fs::exists(spiel / teil))
                fs::copy(spiel / teil, umgebung->dir().path() / teil, fs::copy_options::recursive);
        // The blank packs belong to the textures; stand-ins when the game folder has none.
        for (const char* pack : {"Texture/aktiv/Iconpack.BMP", "Texture/aktiv/Personpack.bmp"})
            if (!fs::exists(umgebung->dir().path() / pack))
                bhmtest::Vorrat_Bild_schreiben(Programmpfad + pack,
                                               bhmtest::Vorrat_Bild(1024, 1024, 255, 0, 255));
        SBU_Schablonen_laden(Programmpfad + "Daten\\");
        meldungen = umgebung->meldungen();
    }
    static void TearDownTestSuite() { umgebung.reset(); }

protected:
    void SetUp() override { ASSERT_TRUE(umgebung) << "the built game folder has no content"; }

    static std::unique_ptr<bhmtest::Schablonenumgebung> umgebung;
    static std::vector<std::string> meldungen;
};

std::unique_ptr<bhmtest::Schablonenumgebung> Inhalt::umgebung;
std::vector<std::string> Inhalt::meldungen;

TEST_F(Inhalt, LoadsEveryFolderWithoutAReport) {
    for (const std::string& m : meldungen) ADD_FAILURE() << u8(m);
    EXPECT_TRUE(SBU_Fehlwaren.empty());
    ASSERT_FALSE(SBU_Objekte.empty());
    EXPECT_EQ(SBA_Atlastabelle.size(),
              2 * SBU_Objekte.size() + SBU_Ambiente.size() + SBU_Skills.size() + SBU_Waren.size());

    // Each log holds its header and then, for every folder on disk, the line
    // the parser left for the loaded template.
    struct Log {
        const char* datei;
        const char* art;
        std::size_t zahl;
        std::string (*zeile)(std::size_t);
    };
    const Log logs[] = {
        {"Skill_Log.Txt", "Skill", SBU_Skills.size(),
         [](std::size_t n) {
             const Skill_Item& s = SBU_Skills[n];
             return "ID:" + std::to_string(n) + " = " + s.Titel + " = " + s.Berufname + " = " + s.Taetigkeit;
         }},
        {"Waren_Log.Txt", "Waren", SBU_Waren.size(),
         [](std::size_t n) {
             return "ID:" + std::to_string(n) + "=" + SBU_Waren[n].Titel + "=" +
                    (SBU_Waren[n].Transport ? "JA" : W("NÖ"));
         }},
        {"Objekt_Log.Txt", "Objekt", SBU_Objekte.size(),
         [](std::size_t n) { return "ID:" + std::to_string(n) + "=" + SBU_Objekte[n].Titel; }},
        {"Ambiente_Log.Txt", "Ambiente", SBU_Ambiente.size(),
         [](std::size_t n) { return "ID:" + std::to_string(n) + "=" + SBU_Ambiente[n].Titel; }},
    };
    for (const Log& log : logs) {
        SCOPED_TRACE(log.datei);
        const std::vector<std::string> zeilen = log_lesen(log.datei);
        EXPECT_EQ(log.zahl, ordner_zahl(log.art)) << "every folder makes one template";
        ASSERT_EQ(zeilen.size(), log.zahl + 1);
        for (std::size_t n = 0; n < log.zahl; ++n) {
            EXPECT_EQ(zeilen[n + 1], log.zeile(n)) << "folder " << n;
            EXPECT_EQ(zeilen[n + 1].find("nicht geladen"), std::string::npos) << "folder " << n;
        }
    }
}

TEST_F(Inhalt, EveryNeededGoodIsMadeByABuildingReachableFromTheStart) {
    const Erreichbar e = erreichbar_berechnen();
    // Each needed good once, with the first use that needs it.
    std::vector<std::pair<int, std::string>> gebraucht;
    auto brauchen = [&](int w, const std::string& wofuer) {
        if (std::none_of(gebraucht.begin(), gebraucht.end(), [&](const auto& g) { return g.first == w; }))
            gebraucht.emplace_back(w, wofuer);
    };
    for (const Waren_Item& w : SBU_Waren)
        for (const Waren_Menge& n : w.Need)
            if (n.WarenID != -1) brauchen(n.WarenID, "the recipe of " + w.Titel);
    for (const Objekt_Item& o : SBU_Objekte) {
        for (const Waren_Menge& b : o.Baukosten)
            if (b.WarenID > 0) brauchen(b.WarenID, "building " + o.Titel);
        for (const Warenslot& s : o.Slots)
            if (s.Benutzung == Benutzung_Holen && s.WarenID > 0)
                brauchen(s.WarenID, "the input of " + o.Titel);
    }
    for (const auto& [w, wofuer] : gebraucht) {
        if (!ware_gueltig(w))
            ADD_FAILURE() << "good " << w << " named by " << u8(wofuer) << " does not exist";
        else
            EXPECT_TRUE(e.Ware[w]) << u8(SBU_Waren[w].Titel) << ", needed for " << u8(wofuer)
                                   << ", is made by no building reachable from the start";
    }
    // No dead content: every building and every good can be had.
    for (std::size_t k = 1; k < SBU_Objekte.size(); ++k)
        EXPECT_TRUE(e.Objekt[k]) << u8(SBU_Objekte[k].Titel) << " (" << k << ") can never be built";
    for (std::size_t w = 1; w < SBU_Waren.size(); ++w)
        EXPECT_TRUE(e.Ware[w]) << u8(SBU_Waren[w].Titel) << " (" << w << ") is made nowhere";
}

TEST_F(Inhalt, PlantedGoodsGrowAndEveryGrowthChainEnds) {
    const int B = SBU_Ambiente_Basis();
    const int letzte = B + static_cast<int>(SBU_Ambiente.size()) - 1;
    // Walks the links from an ambient template until a link below B; the stages visited.
    auto kette = [&](int a, bool ende_verlangt) {
        std::set<int> gesehen;
        while (true) {
            const std::string stufe = u8(SBU_Ambiente[a].Titel) + " (" + std::to_string(a) + ")";
            if (!gesehen.insert(a).second) {
                ADD_FAILURE() << "the chain returns to " << stufe;
                break;
            }
            const int link = SBU_Ambiente[a].link;
            if (ende_verlangt && link < B - 2)
                ADD_FAILURE() << stufe << " has no link; the last stage links -1";
            if (link > letzte) ADD_FAILURE() << stufe << " links to the missing ambient type " << link;
            if (link < B || link > letzte) break;
            a = link - B;
        }
        return gesehen.size();
    };
    for (std::size_t w = 1; w < SBU_Waren.size(); ++w) {
        const Waren_Item& ware = SBU_Waren[w];
        if (ware.Grow == 0) continue;
        SCOPED_TRACE(u8(ware.Titel));
        ASSERT_TRUE(ware.Grow > 0 && ware.Grow < static_cast<int>(SBU_Ambiente.size())) << ware.Grow;
        EXPECT_GE(kette(ware.Grow, true), 2u) << "a crop grows through more than its seed";
    }
    // Felled trees, quarried stones, graves and traps follow their links as well.
    for (std::size_t a = 0; a < SBU_Ambiente.size(); ++a) {
        SCOPED_TRACE(u8(SBU_Ambiente[a].Titel));
        kette(static_cast<int>(a), false);
    }
    // Felling and quarrying turn the cell into the template's next stage (an end
    // link would make it a building type), and a trap catches only on its way to
    // a next stage.
    std::vector<int> folgen_verlangt(SBU_Stone_IDs.begin(), SBU_Stone_IDs.end());
    for (std::size_t a = 0; a < SBU_Ambiente.size(); ++a)
        if (SBU_Ambiente[a].spezial == "tree") folgen_verlangt.push_back(B + static_cast<int>(a));
    folgen_verlangt.push_back(SBU_ID_cage);
    for (int typ : folgen_verlangt)
        EXPECT_TRUE(ambiente_typ_gueltig(typ) && ambiente_typ_gueltig(SBU_Ambiente[typ - B].link))
            << "ambient type " << typ << " has no next stage";
    // A planting slot needs a good that grows and is harvested by hand (the
    // harvest poses exist for skills 1, 2 and 11).
    for (const Objekt_Item& o : SBU_Objekte)
        for (const Warenslot& s : o.Slots)
            if (s.Benutzung == Benutzung_Anbau && ware_gueltig(s.WarenID)) {
                const Waren_Item& ware = SBU_Waren[s.WarenID];
                EXPECT_GT(ware.Grow, 0)
                    << u8(o.Titel) << " plants " << u8(ware.Titel) << ", which does not grow";
                EXPECT_TRUE(ware.SkillID == 1 || ware.SkillID == 2 || ware.SkillID == 11)
                    << u8(ware.Titel) << " is harvested with skill " << ware.SkillID;
            }
}

TEST_F(Inhalt, EveryBuildingPictureHasAFlagAndAPlaceInTheAtlas) {
    for (std::size_t k = 0; k < SBA_Atlastabelle.size(); ++k) {
        const Atlaseintrag& a = SBA_Atlastabelle[k];
        EXPECT_TRUE(a.Links >= 0 && a.Links < a.Rechts && a.Rechts <= 128 && a.Oben >= 0 &&
                    a.Oben < a.Unten && a.Unten <= 128)
            << "atlas entry " << k << " found no room";
    }
    // Entry k is the picture of building k. The flag stands on the picture.
    ASSERT_GE(SBA_Atlastabelle.size(), SBU_Objekte.size());
    for (std::size_t k = 1; k < SBU_Objekte.size(); ++k) {
        const Atlaseintrag& a = SBA_Atlastabelle[k];
        SCOPED_TRACE(u8(SBU_Objekte[k].Titel) + " (" + std::to_string(k) + ")");
        EXPECT_EQ(a.hat_Flagge, 1);
        EXPECT_GE(a.Flagge_X, a.Anker_X);
        EXPECT_LT(a.Flagge_X, a.Anker_X + 16 * (a.Rechts - a.Links));
        EXPECT_GE(a.Flagge_Y, a.Anker_Y - 3);
        EXPECT_LT(a.Flagge_Y, a.Anker_Y - 3 + 16 * (a.Unten - a.Oben));
    }
}

TEST_F(Inhalt, AnimatedAmbientObjectsCycleBackToTheirFirstFrame) {
    const int B = SBU_Ambiente_Basis();
    ASSERT_FALSE(SBU_Animationen.empty());
    auto animiert = [&](int typ) {
        return ambiente_typ_gueltig(typ) && static_cast<std::size_t>(typ) < SBU_Animation_Tabelle.size() &&
               SBU_Animation_Tabelle[typ] == typ;
    };
    for (int typ : SBU_Animationen) {
        ASSERT_TRUE(animiert(typ)) << typ;
        SCOPED_TRACE(u8(SBU_Ambiente[typ - B].Titel));
        // The frame clock shows, after frame t, the frame named by t's animation.
        std::set<int> gesehen;
        int bild = typ;
        bool gueltig = true;
        while (gesehen.insert(bild).second) {
            const int naechstes = SBU_Ambiente[bild - B].animation + B;
            if (!animiert(naechstes)) {
                ADD_FAILURE() << u8(SBU_Ambiente[bild - B].Titel) << " shows next the frame " << naechstes
                              << ", which is no animated ambient object";
                gueltig = false;
                break;
            }
            bild = naechstes;
        }
        if (gueltig) {
            EXPECT_EQ(bild, typ) << "the frames end in a loop that misses the first one";
        }
    }
    // The drawing animates these models.
    for (auto [name, typ] : {std::pair{"flag", SBU_ID_flag}, std::pair{"flagsmall", SBU_ID_flagsmall},
                             std::pair{"rauch", SBU_ID_rauch}, std::pair{"feuer", SBU_ID_feuer}})
        EXPECT_TRUE(animiert(typ)) << name;
}

TEST_F(Inhalt, EveryComputerLevelFindsFoodHousingAndProduction) {
    const Erreichbar e = erreichbar_berechnen();
    const std::pair<const char*, const std::vector<std::vector<int>>*> listen[] = {
        {"food", &SBU_KI_Nahrung}, {"housing", &SBU_KI_Wohnen}, {"production", &SBU_KI_Rest}};
    // Computer clans grow through levels 1..6 (and use the highest list beyond).
    std::size_t hoechste = 6;
    for (const auto& [name, liste] : listen)
        for (std::size_t level = 1; level < liste->size(); ++level)
            if (!(*liste)[level].empty()) hoechste = std::max(hoechste, level);
    // Each choice walks down from the clan's level: a level may leave it to the levels
    // below, as long as the first level has some.
    for (std::size_t level = 1; level <= hoechste; ++level)
        for (const auto& [name, liste] : listen) {
            const bool erste = liste->size() > 1 && !(*liste)[1].empty();
            EXPECT_TRUE((level < liste->size() && !(*liste)[level].empty()) || erste)
                << "computer level " << level << " has no " << name << " building";
            if (level >= liste->size()) continue;
            for (int k : (*liste)[level])
                EXPECT_TRUE(objekt_gueltig(k) && e.Objekt[k])
                    << "computer level " << level << " lists building " << k << " "
                    << (objekt_gueltig(k) ? u8(SBU_Objekte[k].Titel) : std::string())
                    << ", which cannot be built";
        }
}

// True when a building that the computer clans build at the level or below makes the ware.
bool hergestellt_bis(int ware, int level) {
    for (const Objekt_Item& o : SBU_Objekte)
        if (o.AI_Level >= 1 && o.AI_Level <= level)
            for (const Warenslot& s : o.Slots)
                if (s.WarenID == ware && erzeugend(s.Benutzung)) return true;
    return false;
}

// A house grows into its upgrade as soon as it is finished, so the upgrade's
// materials have to come from buildings a computer clan builds at the level of
// the first house of the chain, or the upgrade site waits for a later level.
TEST_F(Inhalt, EveryHouseUpgradeNeedsOnlyGoodsMadeAtTheLevelOfItsHouse) {
    ASSERT_GT(SBU_KI_Wohnen.size(), 1u);
    for (std::size_t level = 1; level < SBU_KI_Wohnen.size(); ++level)
        for (int haus : SBU_KI_Wohnen[level]) {
            ASSERT_TRUE(objekt_gueltig(haus));
            int stufe = SBU_Objekte[haus].Updatelink;
            for (int n = 0; objekt_gueltig(stufe) && stufe > 0 && n < 10; ++n) {
                for (const Waren_Menge& b : SBU_Objekte[stufe].Baukosten)
                    if (b.WarenID > 0) {
                        EXPECT_TRUE(hergestellt_bis(b.WarenID, static_cast<int>(level)))
                            << u8(SBU_Objekte[stufe].Titel) << " (from " << u8(SBU_Objekte[haus].Titel)
                            << ", level " << level << ") needs " << u8(SBU_Waren[b.WarenID].Titel)
                            << ", which no building of that level makes";
                    }
                stufe = SBU_Objekte[stufe].Updatelink;
            }
        }
}

// A computer clan's production site halts its production building until it is
// finished, and a workshop waits for its inputs: what a computer production
// building is built of or fetches has to come from buildings of its level.
TEST_F(Inhalt, EveryComputerProductionBuildingTakesOnlyGoodsMadeAtItsLevel) {
    for (const Objekt_Item& o : SBU_Objekte) {
        if (o.AI_Level < 1 || o.Modus != "Produktion") continue;
        for (const Waren_Menge& b : o.Baukosten)
            if (b.WarenID > 0) {
                EXPECT_TRUE(hergestellt_bis(b.WarenID, o.AI_Level))
                    << u8(o.Titel) << " (level " << o.AI_Level << ") is built of "
                    << u8(SBU_Waren[b.WarenID].Titel) << ", which no building of that level makes";
            }
        for (const Warenslot& s : o.Slots)
            if (s.Benutzung == Benutzung_Holen && s.WarenID > 0) {
                EXPECT_TRUE(hergestellt_bis(s.WarenID, o.AI_Level))
                    << u8(o.Titel) << " (level " << o.AI_Level << ") fetches "
                    << u8(SBU_Waren[s.WarenID].Titel) << ", which no building of that level makes";
            }
    }
}

// Logs run short once the trees near a clan are cut, and a production site
// waiting for logs halts a computer clan's production building for good, the
// forester that would bring wood back included. Beyond the first level, while
// the clan's own trees still stand, production buildings take no logs.
TEST_F(Inhalt, NoComputerProductionBuildingBeyondTheFirstLevelIsBuiltOfLogs) {
    int holz = -1;
    for (const Objekt_Item& o : SBU_Objekte)
        for (const Warenslot& s : o.Slots)
            if (s.Benutzung == Benutzung_lumberjack) holz = s.WarenID;
    ASSERT_TRUE(ware_gueltig(holz)) << "no woodcutter";
    for (const Objekt_Item& o : SBU_Objekte) {
        if (o.AI_Level < 2 || o.Modus != "Produktion") continue;
        for (const Waren_Menge& b : o.Baukosten) EXPECT_NE(b.WarenID, holz) << u8(o.Titel);
    }
}

// A child is born only while the clan's stored food exceeds its members; one
// food building of the first build level has to store more than the founders
// number, or a player who starts with one garden never sees a child.
TEST_F(Inhalt, OneFirstLevelFoodBuildingStoresMoreFoodThanTheFounders) {
    constexpr int je_Slot = 9;  // a slot counts as full at nine units
    int bester = 0;
    for (const Objekt_Item& o : SBU_Objekte) {
        if (o.AI_Level != 1 || o.Modus != "Produktion") continue;
        int vorrat = 0;
        for (const Warenslot& s : o.Slots)
            if (ware_gueltig(s.WarenID) && s.WarenID > 0 && SBU_Waren[s.WarenID].Spez == "food" &&
                erzeugend(s.Benutzung))
                vorrat += je_Slot;
        bester = std::max(bester, vorrat);
    }
    EXPECT_GT(bester, Startpersonen_Anzahl);
}

TEST_F(Inhalt, HoldsTheTemplatesTheCodeNamesByKeywordOrNumber) {
    const int B = SBU_Ambiente_Basis();
    auto hat_spezial = [&](int typ, const std::string& wort) {
        return ambiente_typ_gueltig(typ) && SBU_Ambiente[typ - B].spezial == wort;
    };
    const std::pair<const char*, int> stichworte[] = {
        {"hole", SBU_ID_hole},           {"mark", SBU_ID_mark},
        {"place", SBU_ID_place},         {"rabitcatch", SBU_ID_rabitcatch},
        {"cage", SBU_ID_cage},           {"dead", SBU_ID_dead},
        {"lackof", SBU_ID_lackof},       {"prostop", SBU_ID_prostop},
        {"flag", SBU_ID_flag},           {"flagsmall", SBU_ID_flagsmall},
        {"rauch", SBU_ID_rauch},         {"feuer", SBU_ID_feuer},
        {"airshipLO", SBU_ID_airshipLO}, {"airshipRO", SBU_ID_airshipRO},
        {"airshipR", SBU_ID_airshipR},   {"airshipLU", SBU_ID_airshipLU},
        {"airshipRU", SBU_ID_airshipRU}, {"airshipL", SBU_ID_airshipL}};
    for (const auto& [wort, typ] : stichworte) EXPECT_TRUE(hat_spezial(typ, wort)) << wort << " = " << typ;
    EXPECT_TRUE(std::any_of(SBU_Ambiente.begin(), SBU_Ambiente.end(), [](const Ambiente_Item& a) {
        return a.spezial == "tree";
    })) << "no tree";
    EXPECT_FALSE(SBU_Stone_IDs.empty());
    for (int typ : SBU_Stone_IDs) EXPECT_TRUE(hat_spezial(typ, "stone")) << typ;
    // World generation places trees and stones, which block their cells (the
    // resource search looks for blocked ones); flowers spring up only where
    // their land type lists them.
    auto auf_der_karte = [](int typ) {
        for (std::size_t land = 1; land < SBU_OnMap.size(); ++land)
            if (std::find(SBU_OnMap[land].begin(), SBU_OnMap[land].end(), typ) != SBU_OnMap[land].end())
                return true;
        return false;
    };
    for (std::size_t a = 0; a < SBU_Ambiente.size(); ++a) {
        const Ambiente_Item& amb = SBU_Ambiente[a];
        const int typ = B + static_cast<int>(a);
        if (amb.spezial == "tree" || amb.spezial == "stone") {
            EXPECT_EQ(amb.block, 1) << u8(amb.Titel);
            EXPECT_TRUE(auf_der_karte(typ)) << u8(amb.Titel) << " grows on no land";
        }
        if (amb.spezial == "flower") {
            EXPECT_TRUE(auf_der_karte(typ)) << u8(amb.Titel) << " grows on no land";
        }
    }
    EXPECT_GE(SBU_Way_IDs.size(), 3u);
    EXPECT_LE(SBU_Way_IDs.size(), 5u);
    for (int typ : SBU_Way_IDs) EXPECT_TRUE(hat_spezial(typ, "way")) << typ;

    for (auto [modus, id] : {std::pair{"Hafen", SBU_Hafen_ID}, std::pair{"Hafen2", SBU_Hafen2_ID},
                             std::pair{"Start", SBU_Start_ID}})
        EXPECT_TRUE(id > 0 && objekt_gueltig(id) && SBU_Objekte[id].Modus == modus) << modus << " = " << id;

    // Goods with a role; gold, ships and inventions act when made and stored, so
    // they never travel.
    for (const char* spez : {"food", "luxury", "gold", "ship", "tech", "stone"})
        EXPECT_TRUE(std::any_of(SBU_Waren.begin(), SBU_Waren.end(),
                                [&](const Waren_Item& w) { return w.Spez == spez; }))
            << "no good of Spez " << spez;
    for (const Waren_Item& w : SBU_Waren)
        if (w.Spez == "gold" || w.Spez == "ship" || w.Spez == "tech") {
            EXPECT_EQ(w.Transport, 0) << u8(w.Titel);
        }
    EXPECT_FALSE(SBU_Food_Waren.empty());
    EXPECT_FALSE(SBU_Luxury_Waren.empty());

    // The harvest poses belong to skills 1, 2 and 11; building 14 has the
    // production sound.
    for (std::size_t skill : {1u, 2u, 11u})
        EXPECT_TRUE(skill < SBU_Skills.size() && !SBU_Skills[skill].Titel.empty()) << "skill " << skill;
    ASSERT_GT(SBU_Objekte.size(), 14u);
    EXPECT_TRUE(std::any_of(SBU_Objekte[14].Slots.begin(), SBU_Objekte[14].Slots.end(),
                            [](const Warenslot& s) {
                                return s.Benutzung == Benutzung_Produktion && s.WarenID > 0 &&
                                       ware_gueltig(s.WarenID);
                            }))
        << "building 14 produces nothing";
}

}  // namespace
