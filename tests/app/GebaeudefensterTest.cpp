// The player's walks through the windows of the buildings: a house's info window with its
// demolition button (and the production panel's), and the build menu's pages.
#include <sstream>

#include "app/Rundgang.h"
#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Objekte.h"
#include "economy/Objekte_Betrieb.h"
#include "economy/Spieler.h"
#include "economy/Hilfen_Objekte.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "ui/Fenster_Bau.h"

namespace {

using namespace bhmtest;

// Where the pointer rests between stops: on the map, clear of bars and windows.
const Punkt ruhe{1250, 300};

Spielerzeile& mensch() { return Spieler[static_cast<std::size_t>(SpielerID)]; }

// A running program, the update check and the autosave switched off (the walks save and load
// games of their own).
void starten(Rundgang& g) {
    g.ordner().write("Config.ini", "[Allgemein]\r\nAutoUpdate=0\r\nAutosaveCheck=0\r\n");
    ASSERT_TRUE(g.starten());
    g.frames(2);
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
}

// A new game on the smallest map, its start building placed on a highlighted cell.
void spiel_mit_Startgebaeude(Rundgang& g) {
    g.kleinstes_Spiel_starten();
    ASSERT_TRUE(Platzierungsmodus) << "a new game starts with placing the start building";
    auto platz = markierter_Platz();
    ASSERT_TRUE(platz) << "no highlighted cell on the map view";
    g.klicken(*platz);
    g.frames(2);
    ASSERT_EQ(Spieler_Startphase(SpielerID), 0) << "a click on a highlighted cell places the start building";
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv));
}

// The middle of the build window's cell that shows the type, when the page shows it.
std::optional<Punkt> zelle_im_Baufenster(int typ) {
    const IFU_Bauseite seite = IFU_Bauseite_lesen();
    for (std::size_t i = 0; i < seite.size(); ++i)
        if (seite[i] == typ) {
            const int c = static_cast<int>(i) % IFU_Bau_Spalten, r = static_cast<int>(i) / IFU_Bau_Spalten;
            return Punkt{IFU_Fenstermitte_X - 213 + 84 * c, IFU_Fenstermitte_Y - 125 + 80 * r};
        }
    return std::nullopt;
}

// The first type on the build window's page whose mode is one of those given.
int erster_Typ(std::initializer_list<const char*> modi) {
    for (int t : IFU_Bauseite_lesen())
        for (const char* m : modi)
            if (t >= 0 && SBU_Objekte[static_cast<std::size_t>(t)].Modus == m) return t;
    return -1;
}

// Places a site of the type from the build window (key B) on a highlighted cell.
::testing::AssertionResult bauen(Rundgang& g, int typ) {
    g.taste('B');
    if (!Baufenster_offen) return ::testing::AssertionFailure() << "key B opens no build window";
    auto zelle = zelle_im_Baufenster(typ);
    if (!zelle) return ::testing::AssertionFailure() << "the build window's page has no type " << typ;
    g.klicken(*zelle);
    if (!Platzierungsmodus || Bau_Typ != typ)
        return ::testing::AssertionFailure() << "a click on the cell of type " << typ << " starts no placing";
    g.frames(1);
    const int vorher = mensch().Baustellen();
    auto platz = markierter_Platz();
    if (!platz) return ::testing::AssertionFailure() << "no highlighted cell for type " << typ;
    g.klicken(*platz);
    if (mensch().Baustellen() != vorher + 1)
        return ::testing::AssertionFailure()
               << "a click on a highlighted cell places no site of type " << typ;
    return ::testing::AssertionSuccess();
}

// The human's standing objects of the types, in row order.
std::vector<int> eigene_Objekte(const std::vector<int>& typen) {
    std::vector<int> o;
    for (int i = 0; i < static_cast<int>(Objekte.size()); ++i) {
        const Objektzeile& r = Objekte[static_cast<std::size_t>(i)];
        if (r.Feld() >= 1 && r.Besitzer() == SpielerID && r.Zustand() == 0 &&
            std::find(typen.begin(), typen.end(), r.Typ()) != typen.end())
            o.push_back(i);
    }
    return o;
}

std::string zustand(int o) {
    const Objektzeile& r = Objekte[static_cast<std::size_t>(o)];
    std::ostringstream t;
    t << "object " << o << " of type " << r.Typ() << " on field " << r.Feld() << ": state " << r.Zustand()
      << ", material missing " << OM_Baumaterial_fehlt(o) << ", residents " << OB_Anzahl_Arbeiter(o);
    return t.str();
}

// Brings the object into view (the bar shown) and clicks it; the frame before the click is kept.
::testing::AssertionResult anklicken(Rundgang& g, int o, Bild& vorher) {
    g.rechtsklicken(ruhe);
    g.zeigen(Objekte[static_cast<std::size_t>(o)].Feld());
    auto p = objekt_auf_dem_Schirm(o);
    if (!p) return ::testing::AssertionFailure() << "no clickable cell of " << zustand(o);
    g.bewegen(ruhe);
    vorher = g.foto("vor-dem-klick");
    g.klicken(*p);
    g.bewegen(ruhe);
    return ::testing::AssertionSuccess();
}

// What the info window takes clicks in, its twelve slots and its demolition button, lies where
// the window is drawn: the map there gave way to the window.
void klickflaechen_im_Fenster(Rundgang& g, const Bild& ohne, const Bild& mit) {
    for (int aktion = 262; aktion <= 273; ++aktion) {
        auto z = g.zone(aktion);
        ASSERT_TRUE(z) << "the info window has the slot of action " << aktion;
        EXPECT_GE(Unterschied(ohne, mit, *z), z->breite() * z->hoehe() * 9 / 10)
            << "slot " << aktion - 262 << " lies inside the window";
    }
    auto knopf = g.zone(278);
    ASSERT_TRUE(knopf) << "the info window of one's own building has a demolition button";
    EXPECT_GE(Unterschied(ohne, mit, *knopf), knopf->breite() * knopf->hoehe() * 9 / 10)
        << "the demolition button lies inside the window";
}

// Hovering the demolition button shows its tooltip beside it.
void abrisstooltip(Rundgang& g, const Bild& fenster, const std::string& foto) {
    auto knopf = g.zone(278);
    ASSERT_TRUE(knopf);
    g.bewegen(knopf->mitte());
    EXPECT_EQ(Mouseoverfunktion_Nummer, 55) << "the demolition button's tooltip";
    Bild tooltip = g.foto(foto);
    const Punkt m = knopf->mitte();
    EXPECT_GT(Unterschied(fenster, tooltip, {m.x - 80, m.y + 8, m.x + 180, m.y + 110}), 5000)
        << "the tooltip is drawn";
}

TEST(Rundgang, EinHausWirdUeberSeinInfofensterAbgerissen) {
    Rundgang g("abriss");
    ASSERT_NO_FATAL_FAILURE(starten(g));
    ASSERT_NO_FATAL_FAILURE(spiel_mit_Startgebaeude(g));
    // Two houses of the first kind the build window offers (its sites are the kinds it is built
    // up to), and a workshop.
    const int haustyp = erster_Typ({"Home"}), werkstatt = erster_Typ({"Produktion"});
    ASSERT_GE(haustyp, 0) << "the build window offers a house";
    ASSERT_GE(werkstatt, 0) << "the build window offers a workshop";
    std::vector<int> haeuser = {haustyp};
    while (SBU_Objekte[static_cast<std::size_t>(haeuser.back())].Updatelink >= 1 && haeuser.size() < 5)
        haeuser.push_back(SBU_Objekte[static_cast<std::size_t>(haeuser.back())].Updatelink);
    ASSERT_TRUE(bauen(g, haustyp));
    ASSERT_TRUE(bauen(g, haustyp));
    ASSERT_TRUE(bauen(g, werkstatt));
    g.klicken("$MainPlay8Buttom");
    g.bewegen(ruhe);

    // The first house while its material is still missing: its window holds the twelve slots and
    // the demolition button, which gives up the building.
    ASSERT_TRUE(g.frames_bis([&] { return !eigene_Objekte(haeuser).empty(); }, 2000)) << "a house site";
    g.klicken("$MainPauseButtom");
    const int baustelle = eigene_Objekte(haeuser).front();
    ASSERT_TRUE(OM_Baumaterial_fehlt(baustelle)) << zustand(baustelle);
    Bild karte;
    ASSERT_TRUE(anklicken(g, baustelle, karte));
    ASSERT_TRUE(Objektinfo_offen && Gewaehltes_Objekt == baustelle) << "a click opens its info window";
    const Bild baustellenfenster = g.foto("baustelle");
    ASSERT_NO_FATAL_FAILURE(klickflaechen_im_Fenster(g, karte, baustellenfenster));
    ASSERT_NO_FATAL_FAILURE(abrisstooltip(g, baustellenfenster, "baustelle-abreissen"));
    const Rechteck knopf = *g.zone(278);
    g.klicken(knopf.mitte());
    EXPECT_FALSE(Objektinfo_offen) << "the window closes";
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv)) << "and the game's bar comes back";
    EXPECT_GE(Objekte[static_cast<std::size_t>(baustelle)].Zustand(), 1) << zustand(baustelle);
    g.bewegen(ruhe);
    g.foto("baustelle-abgerissen");
    g.klicken("$MainPauseButtom");
    g.bewegen(ruhe);
    EXPECT_TRUE(g.frames_bis(
        [&] {
            const Objektzeile& r = Objekte[static_cast<std::size_t>(baustelle)];
            return r.Feld() < 1 || r.Zustand() == 2;
        },
        500))
        << "the site becomes a ruin: " << zustand(baustelle);

    // The other house once members live in it: its button is dimmed and says why a click leaves
    // the house standing, and the window stays open.
    ASSERT_TRUE(g.frames_bis(
        [&] {
            const std::vector<int> h = eigene_Objekte(haeuser);
            return !h.empty() && OM_Abriss_verweigert(h.front());
        },
        6000))
        << "a house with residents";
    g.klicken("$MainPauseButtom");
    const int haus = eigene_Objekte(haeuser).front();
    ASSERT_TRUE(anklicken(g, haus, karte));
    ASSERT_TRUE(Objektinfo_offen && Gewaehltes_Objekt == haus) << "a click opens its info window";
    const Bild hausfenster = g.foto("haus");
    ASSERT_NO_FATAL_FAILURE(klickflaechen_im_Fenster(g, karte, hausfenster));
    EXPECT_GE(Unterschied(baustellenfenster, hausfenster, knopf), knopf.breite() * knopf.hoehe() / 2)
        << "the button of a house with residents is dimmed";
    ASSERT_NO_FATAL_FAILURE(abrisstooltip(g, hausfenster, "haus-abreissen"));
    g.klicken(knopf.mitte());
    EXPECT_TRUE(Objektinfo_offen) << "the window stays";
    EXPECT_EQ(Objekte[static_cast<std::size_t>(haus)].Zustand(), 0) << "the house stands";
    // A resident's card.
    auto bewohner = g.zone(262);
    ASSERT_TRUE(bewohner);
    g.bewegen(bewohner->mitte());
    EXPECT_EQ(Mouseoverfunktion_Nummer, 96);
    g.foto("bewohner");

    // The workshop's panel: its demolition button brings the game's bar back.
    g.rechtsklicken(ruhe);
    g.klicken("$MainPauseButtom");
    ASSERT_TRUE(g.frames_bis([&] { return !eigene_Objekte({werkstatt}).empty(); }, 2000)) << "a workshop";
    ASSERT_TRUE(
        g.frames_bis([&] { return !OM_Baumaterial_fehlt(eigene_Objekte({werkstatt}).front()); }, 4000))
        << zustand(eigene_Objekte({werkstatt}).front());
    g.klicken("$MainPauseButtom");
    const int werk = eigene_Objekte({werkstatt}).front();
    ASSERT_TRUE(anklicken(g, werk, karte));
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_ObjektProduktionPanel)) << "a click opens the workshop's panel";
    g.foto("werkstatt");
    g.klicken("$ObjektAbriss");
    EXPECT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv)) << "the game's bar comes back at once";
    EXPECT_GE(Objekte[static_cast<std::size_t>(werk)].Zustand(), 1) << zustand(werk);
    g.bewegen(ruhe);
    g.foto("werkstatt-abgerissen");
}

}  // namespace

namespace {

// The types the build window offers the human, in order.
std::vector<int> angebotene_Typen() {
    std::vector<int> t;
    for (int i = 1; i < static_cast<int>(SBU_Objekte.size()); ++i)
        if (FFU_Objekt_baubar(i, SpielerID)) t.push_back(i);
    return t;
}

// The types of the build window's page k (from 0) when paging goes over the offered types.
std::vector<int> seite(const std::vector<int>& typen, std::size_t k) {
    std::vector<int> s(typen.begin() + static_cast<long>(std::min(typen.size(), 24 * k)),
                       typen.begin() + static_cast<long>(std::min(typen.size(), 24 * k + 24)));
    s.resize(24, -1);
    return s;
}

std::vector<int> gezeigte_Typen() {
    const IFU_Bauseite s = IFU_Bauseite_lesen();
    return {s.begin(), s.end()};
}

TEST(Rundgang, DasBaumenueBlaettertUeberSeineSeiten) {
    Rundgang g("baumenue");
    ASSERT_NO_FATAL_FAILURE(starten(g));
    ASSERT_NO_FATAL_FAILURE(spiel_mit_Startgebaeude(g));
    g.klicken("$MainPauseButtom");
    const int cx = IFU_Fenstermitte_X, cy = IFU_Fenstermitte_Y;
    // The cells, and the arrows with the page number between them.
    const Rechteck raster{cx - 253, cy - 165, cx + 251, cy + 155};
    const Rechteck zurueck_pfeil{cx - 120, cy - 221, cx - 88, cy - 189},
        vor_pfeil{cx + 110, cy - 221, cx + 142, cy - 189}, seitenzahl{cx - 60, cy - 222, cx + 60, cy - 198};

    // At the first build level every offered type stands on the first page: there is no page
    // after it, and the forward arrow's place does nothing.
    g.taste('B');
    ASSERT_TRUE(Baufenster_offen);
    g.bewegen(ruhe);
    std::vector<int> typen = angebotene_Typen();
    ASSERT_LE(typen.size(), 24u);
    EXPECT_EQ(gezeigte_Typen(), seite(typen, 0));
    const Bild eine_seite = g.foto("eine-seite");
    auto vor = g.zone(203), zurueck = g.zone(202);
    ASSERT_TRUE(vor && zurueck) << "the build window's arrows take clicks";
    g.klicken(vor->mitte());
    g.bewegen(ruhe);
    EXPECT_EQ(BMU_Seitenanfang, 1) << "forward stays on the only page";
    EXPECT_EQ(gezeigte_Typen(), seite(typen, 0));
    const Bild immer_noch = g.foto("eine-seite-vor");
    EXPECT_EQ(Unterschied(eine_seite, immer_noch, raster), 0) << "the page's cells stay";
    EXPECT_EQ(Unterschied(eine_seite, immer_noch, seitenzahl), 0) << "the page number stays";

    // Prepared with the game's own routines: the clan at the highest build level, saved. From
    // here on only the player's input: back to the start screen, load the game.
    int stufe = 0;
    for (const Objekt_Item& v : SBU_Objekte) stufe = std::max(stufe, v.AI_Level);
    mensch().Baustufe() = stufe;
    ASSERT_TRUE(Persistenz().LSU_Speichern("Baumenue"));
    g.rechtsklicken(ruhe);
    g.taste(plattform::VK_ESCAPE);
    g.klicken("$Hauptmenue");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    g.klicken("$LoadGamePanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_LadePanel));
    g.klicken("$Savefound0");
    g.frames(2);
    ASSERT_TRUE(Spiel_laeuft());
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv));
    g.klicken("$MainPauseButtom");
    g.taste('B');
    ASSERT_TRUE(Baufenster_offen);
    g.bewegen(ruhe);
    typen = angebotene_Typen();
    const std::size_t seiten = (typen.size() + 23) / 24;
    ASSERT_GE(seiten, 2u) << "more offered types than one page holds";

    // Forward over every page, the last one stays; back over them again.
    std::vector<Bild> bilder;
    for (std::size_t k = 0; k < seiten; ++k) {
        EXPECT_EQ(gezeigte_Typen(), seite(typen, k)) << "page " << k + 1;
        bilder.push_back(g.foto("seite-" + std::to_string(k + 1)));
        if (k > 0) {
            EXPECT_GT(Unterschied(bilder[k - 1], bilder[k], raster), 1000) << "page " << k + 1 << " is drawn";
            EXPECT_GT(Unterschied(bilder[k - 1], bilder[k], seitenzahl), 20) << "its number is " << k + 1;
        }
        EXPECT_EQ(Unterschied(bilder[0], bilder[k], zurueck_pfeil) > 100, k > 0)
            << "a back arrow on page " << k + 1 << " unless it is the first";
        g.klicken(vor->mitte());
        g.bewegen(ruhe);
    }
    EXPECT_EQ(gezeigte_Typen(), seite(typen, seiten - 1)) << "forward stays on the last page";
    const Bild letzte = g.foto("letzte-seite-vor");
    EXPECT_EQ(Unterschied(bilder.back(), letzte, raster), 0);
    EXPECT_GT(Unterschied(bilder.front(), bilder.back(), vor_pfeil), 100)
        << "no forward arrow on the last page";
    for (std::size_t k = seiten - 1; k-- > 0;) {
        g.klicken(zurueck->mitte());
        g.bewegen(ruhe);
        EXPECT_EQ(gezeigte_Typen(), seite(typen, k)) << "back to page " << k + 1;
        const Bild wieder = g.foto("zurueck-" + std::to_string(k + 1));
        EXPECT_EQ(Unterschied(bilder[k], wieder, raster), 0) << "page " << k + 1 << " as before";
        EXPECT_EQ(Unterschied(bilder[k], wieder, seitenzahl), 0) << "with its number";
    }
    g.klicken(zurueck->mitte());
    EXPECT_EQ(BMU_Seitenanfang, 1) << "back stays on the first page";
}

}  // namespace
