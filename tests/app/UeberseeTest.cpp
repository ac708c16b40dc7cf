// The player's walk overseas: from a saved game of a clan far enough up, build a
// harbour and an airship yard, wait for the first airship, found a landing stage
// on a second island and send settlers there; goods follow between the harbours.
#include <sstream>

#include "app/Rundgang.h"
#include "economy/Arbeiterslots.h"
#include "economy/Baumenue.h"
#include "economy/Baustelle.h"
#include "economy/Hilfen_Objekte.h"
#include "economy/Logik.h"
#include "economy/Haefen.h"
#include "economy/Objekte.h"
#include "economy/Schiffe.h"
#include "economy/Spieler.h"
#include "foundation/Hilfen.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "population/Jobarchiv.h"
#include "population/Personen.h"
#include "population/Befehlsliste.h"
#include "ui/Fenstermaus.h"
#include "world/Karte.h"

namespace {

using namespace bhmtest;

constexpr int kHolz = 1, kStein = 2, kBretter = 14, kEisen = 16, kWerkzeug = 17, kLeinen = 19,
              kLuftschiff = 27;
// The spiral search mode that finds a free cell for a new person.
constexpr int kFreiesFeld = 30;
constexpr int kHolzfaeller = 3, kSteinbruch = 4, kSaegewerk = 11, kLagerhaus = 51;

int insel_von(int feld) { return MG_Feld_gueltig(feld) ? Karte[static_cast<std::size_t>(feld)].Insel() : -1; }

// The first finished object of the type that the human clan owns, or -1.
int fertiges_Objekt(int typ, int insel = -2) {
    for (int o = 0; o < static_cast<int>(Objekte.size()); ++o) {
        const Objektzeile& r = Objekte[static_cast<std::size_t>(o)];
        if (r.Feld() >= 1 && r.Typ() == typ && r.Besitzer() == SpielerID && r.Zustand() == 0 &&
            !OM_Baumaterial_fehlt(o) && (insel == -2 || insel_von(r.Feld()) == insel))
            return o;
    }
    return -1;
}

int eigene_Luftschiffe() {
    int n = 0;
    for (int i = 0; i < Schiff_Anzahl; ++i) n += Schiffe[static_cast<std::size_t>(i)].Besitzer == SpielerID;
    return n;
}

int Mitglieder_auf_Insel(int insel) {
    int n = 0;
    for (const Personenzeile& p : Personen)
        n += p.Hunger() >= 1 && p.Spieler() == SpielerID && insel_von(p.Feld()) == insel;
    return n;
}

int Warenbestand(int o) {
    int n = 0;
    for (int k = 0; k < Objekt_Warenslots; ++k)
        n += std::max(0, Objekte[static_cast<std::size_t>(o)].Slot_Bestand(k));
    return n;
}

// The prepared game: a new game on an island map, its start building placed through the
// interface, then the clan raised with the game's own routines to the building stage of
// airship yards, with three stores full of building material; saved as "Werft".
void Werftspiel_vorbereiten(Rundgang& g) {
    g.klicken("$SingelGamePanel");
    for (int i = 0; i < 2; ++i) g.klicken("$LandTypePlus");
    for (int i = 0; i < 5; ++i) g.klicken("$LandSizeMinus");
    for (int i = 0; i < 3; ++i) g.klicken("$AIPlayerMinus");
    g.klicken("$SingelGameStart");
    g.frames(2);
    // On this map type every clan starts on its own realm; elsewhere the start building is placed.
    if (Spieler_Startphase(SpielerID) == 1) {
        auto platz = markierter_Platz();
        ASSERT_TRUE(platz);
        g.platz_klicken(*platz, [] { return Spieler_Startphase(SpielerID) == 0; });
    }
    ASSERT_EQ(Spieler_Startphase(SpielerID), 0);

    Spielerzeile& s = Spieler[static_cast<std::size_t>(SpielerID)];
    s.Baustufe() = 5;
    s.Gold() += 5000;
    const int start = s.Startfeld(), seite = MG_Kartengroesse;
    // A harbour takes no material from stores: its material stands ready at the workshops that
    // make it; the stores hold what the yard and its airships need.
    struct Vorrat {
        int typ;
        std::vector<int> waren;
    };
    const Vorrat vorraete[] = {{kHolzfaeller, {kHolz}},
                               {kSteinbruch, {kStein}},
                               {kSaegewerk, {kBretter}},
                               {kLagerhaus, {kBretter, kStein, kWerkzeug, kEisen}},
                               {kLagerhaus, {kBretter, kLeinen, kWerkzeug, kHolz}}};
    std::size_t gebaut = 0;
    int stellen = 0;  // worker places of the workshops and stores
    for (int r = 4; r < 30 && gebaut < std::size(vorraete); ++r)
        for (int dy = -r; dy <= r && gebaut < std::size(vorraete); dy += 4)
            for (int dx = -r; dx <= r && gebaut < std::size(vorraete); dx += 4) {
                const int anker = start + dx + dy * seite;
                const Vorrat& v = vorraete[gebaut];
                if (std::abs(dx) != r && std::abs(dy) != r) continue;
                if (!MG_Feld_gueltig(anker) || insel_von(anker) != insel_von(start)) continue;
                if (BPU_Bauplatz_pruefen(anker, v.typ) == -1) continue;
                // Completing counts a site off, as for a site that was placed and is now done.
                s.Baustellen() += 1;
                BPU_Baustelle_komplett_planieren(anker, v.typ, SpielerID);
                const int o = Karte[static_cast<std::size_t>(anker)].Objekt();
                ASSERT_TRUE(OM_Objekt_gueltig(o));
                Objektzeile& ob = Objekte[static_cast<std::size_t>(o)];
                stellen += OB_Anzahl_freie_Slots(o);
                for (int w : v.waren) {
                    if (v.typ == kLagerhaus) {
                        ASSERT_TRUE(OM_Warenslot_belegen(o, w));
                    }
                    for (int k = 0; k < Objekt_Warenslots; ++k)
                        if (ob.Slot_Ware(k) == w) ob.Slot_Bestand(k) = 9;
                    for (int n = 0; n < 9; ++n) GU_Ware_hinzu(w, SpielerID);
                }
                ++gebaut;
            }
    ASSERT_EQ(gebaut, std::size(vorraete)) << "room for the workshops and stores beside the start building";
    // Workers for every place of the workshops and stores, and twenty hands besides for the
    // building sites and the settlers.
    for (int i = 0; i < stellen + 20; ++i) {
        const int feld = Schneckenroutine(s.Startfeld(), kFreiesFeld, SpielerID);
        ASSERT_GE(feld, 0);
        PM_Person_erzeugen(false, feld, -1, SpielerID);
    }
    ASSERT_TRUE(Persistenz().LSU_Speichern("Werft"));
}

// Chooses the building type in the open build window, paging on where it is not on the
// first page; true when placing it has begun.
bool im_Baufenster_waehlen(Rundgang& g, int typ) {
    for (int seite = 0; seite < 4; ++seite) {
        int k = 0;
        for (int t = std::max(BMU_Seitenanfang, 0); t < typ; ++t) k += FFU_Objekt_baubar(t, SpielerID);
        if (!FFU_Objekt_baubar(typ, SpielerID) || k < 0) return false;
        if (k < 24) {
            g.klicken(
                Punkt{IFU_Fenstermitte_X - 213 + 84 * (k % 6), IFU_Fenstermitte_Y - 125 + 80 * (k / 6)});
            return Platzierungsmodus && Bau_Typ == typ;
        }
        auto weiter = g.zone(203);
        if (!weiter) return false;
        g.klicken(weiter->mitte());
    }
    return false;
}

// Builds the type on a highlighted cell of the home island; true when its site was placed.
bool bauen(Rundgang& g, int typ, int insel) {
    g.taste('B');
    if (!Baufenster_offen || !im_Baufenster_waehlen(g, typ)) return false;
    g.frames(1);
    const int vorher = Spieler[static_cast<std::size_t>(SpielerID)].Baustellen();
    auto platz = markierter_Platz([&](int feld) { return insel_von(feld) == insel; });
    if (!platz) return false;
    g.platz_klicken(*platz,
                    [&] { return Spieler[static_cast<std::size_t>(SpielerID)].Baustellen() > vorher; });
    return Spieler[static_cast<std::size_t>(SpielerID)].Baustellen() == vorher + 1;
}

// Clicks the object on the map and then the info window's hot zone that runs `aktion`;
// an empty text when that worked, else what stood in the way.
std::string im_Infofenster(Rundgang& g, int o, int aktion, const std::string& foto) {
    g.zeigen(Objekte[static_cast<std::size_t>(o)].Feld());
    auto p = objekt_auf_dem_Schirm(o);
    if (!p)
        return "no clickable cell of building type " +
               std::to_string(Objekte[static_cast<std::size_t>(o)].Typ());
    g.klicken(*p);
    if (!Objektinfo_offen) return "the click opens no info window";
    g.foto(foto);
    auto knopf = g.zone(aktion);
    if (!knopf)
        return std::string("the info window has no button for action ").append(std::to_string(aktion));
    g.klicken(knopf->mitte());
    return "";
}

// What the clan has on the map, its open orders and what its members do: the message of a
// wait that ran out.
std::string lagebericht() {
    std::ostringstream t;
    t << "pause " << Pause << ", speed " << Spielgeschwindigkeit << ", year " << SZ << "\n";
    for (int o = 0; o < static_cast<int>(Objekte.size()); ++o) {
        Objektzeile& r = Objekte[static_cast<std::size_t>(o)];
        if (r.Feld() < 1 || r.Besitzer() != SpielerID) continue;
        t << "object " << o << " type " << r.Typ() << " material missing " << OM_Baumaterial_fehlt(o)
          << " slots";
        for (int k = 0; k < Objekt_Warenslots; ++k) t << ' ' << r.Slot_Ware(k) << ':' << r.Slot_Bestand(k);
        t << '\n';
    }
    if (SpielerID >= 0 && SpielerID < static_cast<int>(JU_Befehlsliste.size())) {
        const JU_Befehle& l = JU_Befehlsliste[static_cast<std::size_t>(SpielerID)];
        for (int i = 0; i < l.Anzahl; ++i) {
            const Job_Befehl& b = l.Befehle[static_cast<std::size_t>(i)];
            t << "order " << b.Befehl << " cell " << b.Feld << " type " << b.Typ << " ware " << b.Ware
              << '\n';
        }
    }
    int frei = 0, mitglieder = 0;
    for (const Personenzeile& p : Personen)
        if (p.Hunger() >= 1 && p.Spieler() == SpielerID) {
            ++mitglieder;
            frei += p.AuftragID() == 0;
        }
    t << mitglieder << " members, " << frei << " without an order, " << eigene_Luftschiffe() << " airships";
    return t.str();
}

// Gives the harbour's first goods slot a ware through its info window and the goods grid.
std::string lagerplatz_waehlen(Rundgang& g, int o, int ware, const std::string& foto) {
    std::string grund = im_Infofenster(g, o, 551, foto);
    if (!grund.empty()) return grund;
    if (!Warenraster_offen) return "the free goods slot opens no goods grid";
    const int abstand = IFU_Warenraster_Abstand(IFU_Warenraster.Zeilen, IFU_Warenraster.Spalte);
    for (int k = 0; k < std::min(IFU_Warenraster.Anzahl, IFU_Warenraster_Max); ++k) {
        if (IFU_Warenraster.Waren[k] != ware) continue;
        const int i = k / IFU_Warenraster_Spalten, j = k % IFU_Warenraster_Spalten;
        g.foto(foto + "-waren");
        g.klicken(Punkt{IFU_Fenstermitte_X + i * abstand - 204, IFU_Fenstermitte_Y + j * 52 - 156});
        return Objekte[static_cast<std::size_t>(o)].Slot_Ware(0) == ware
                   ? ""
                   : "the chosen ware is not in the slot";
    }
    return "the goods grid does not offer the ware";
}

TEST(Rundgang, HafenWerftUndLuftschiffZurZweitenInsel) {
    Rundgang g("uebersee");
    const Punkt ruhe{1250, 300};
    g.ordner().write("Config.ini", "[Allgemein]\r\nAutoUpdate=0\r\nAutosaveCheck=0\r\n");
    ASSERT_TRUE(g.starten());
    ASSERT_NO_FATAL_FAILURE(Werftspiel_vorbereiten(g));

    // From here on only the player's input: back to the start screen, load the game.
    g.taste(plattform::VK_ESCAPE);
    g.klicken("$Hauptmenue");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_Startbildschirm));
    g.klicken("$LoadGamePanel");
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_LadePanel));
    g.foto("laden");
    g.klicken("$Savefound0");
    g.frames(2);
    ASSERT_TRUE(Spiel_laeuft());
    ASSERT_TRUE(ITP_Panel_sichtbar(ITP_SingelGameAktiv));
    const int heimat = insel_von(Spieler[static_cast<std::size_t>(SpielerID)].Startfeld());
    g.zeigen(Spieler[static_cast<std::size_t>(SpielerID)].Startfeld());
    g.foto("geladen");

    // A harbour and an airship yard on the home island.
    ASSERT_TRUE(bauen(g, SBU_Hafen_ID, heimat)) << "the harbour is placed";
    g.foto("hafen-geplant");
    int werft_typ = -1;
    for (int t = 0; t < static_cast<int>(SBU_Objekte.size()) && werft_typ < 0; ++t)
        for (const Warenslot& slot : SBU_Objekte[static_cast<std::size_t>(t)].Slots)
            if (slot.WarenID == kLuftschiff && slot.Benutzung == Benutzung_Produktion) werft_typ = t;
    ASSERT_GE(werft_typ, 0);
    ASSERT_TRUE(bauen(g, werft_typ, heimat)) << "the airship yard is placed";
    g.foto("werft-geplant");

    g.klicken("$MainPlay8Buttom");
    g.bewegen(ruhe);
    ASSERT_TRUE(g.frames_bis(
        [&] { return fertiges_Objekt(SBU_Hafen_ID) >= 0 && fertiges_Objekt(werft_typ) >= 0; }, 1500))
        << lagebericht() << "harbour and yard are built";
    g.zeigen(Objekte[static_cast<std::size_t>(fertiges_Objekt(werft_typ))].Feld());
    g.foto("hafen-und-werft");
    ASSERT_TRUE(g.frames_bis([&] { return eigene_Luftschiffe() >= 1; }, 1500))
        << lagebericht() << "the yard builds an airship";
    g.foto("luftschiff");

    // A landing stage on a second island: chosen from the harbour's info window, placed there.
    const int hafen = fertiges_Objekt(SBU_Hafen_ID);
    ASSERT_EQ(im_Infofenster(g, hafen, 550, "hafen-info"), "")
        << "the harbour's info window offers a new harbour";
    ASSERT_TRUE(Platzierungsmodus);
    ASSERT_EQ(Bau_Typ, SBU_Hafen2_ID);
    int ziel = -1;
    {
        // The land cell of another island nearest to home.
        const int start = Spieler[static_cast<std::size_t>(SpielerID)].Startfeld(), seite = MG_Kartengroesse;
        long long bester = 0;
        for (int c = 0; c < static_cast<int>(Karte.size()); ++c) {
            const int i = insel_von(c);
            if (i < 0 || i == heimat || BPU_Bauplatz_pruefen(c, SBU_Hafen2_ID) == -1) continue;
            const long long d = std::abs(c % seite - start % seite) + std::abs(c / seite - start / seite);
            if (ziel < 0 || d < bester) {
                ziel = c;
                bester = d;
            }
        }
    }
    ASSERT_GE(ziel, 0) << "the map has a second island";
    const int zweite = insel_von(ziel);
    g.zeigen(ziel);
    auto platz = markierter_Platz([&](int feld) { return insel_von(feld) == zweite; });
    ASSERT_TRUE(platz) << "the second island shows highlighted cells";
    g.platz_klicken(*platz, [] { return !Platzierungsmodus; });
    g.bewegen(ruhe);
    g.foto("steg-geplant");
    ASSERT_TRUE(g.frames_bis([&] { return fertiges_Objekt(SBU_Hafen2_ID, zweite) >= 0; }, 3000))
        << "an airship brings the landing stage";
    const int steg = fertiges_Objekt(SBU_Hafen2_ID, zweite);
    g.zeigen(Objekte[static_cast<std::size_t>(steg)].Feld());
    g.foto("steg");

    // Both harbours keep wood: the harbour's workers fetch it, airships even the stocks out.
    ASSERT_EQ(lagerplatz_waehlen(g, hafen, kHolz, "hafen-holz"), "");
    g.rechtsklicken(ruhe);
    ASSERT_EQ(lagerplatz_waehlen(g, steg, kHolz, "steg-holz"), "");
    g.rechtsklicken(ruhe);
    EXPECT_TRUE(g.frames_bis([&] { return Warenbestand(steg) > 0; }, 1500))
        << "goods arrive at the landing stage";
    g.zeigen(Objekte[static_cast<std::size_t>(steg)].Feld());
    g.foto("waren");

    // Settlers for the landing stage; they fly over. The stage counts the settlers it asked for
    // down as they land: a settler may marry into a clan of that island as soon as it arrives.
    const int vorher = Mitglieder_auf_Insel(zweite);
    const int offen = Objekte[static_cast<std::size_t>(steg)].Zaehler();
    ASSERT_EQ(im_Infofenster(g, steg, 560, "steg-info"), "") << "the landing stage asks for settlers";
    ASSERT_EQ(Objekte[static_cast<std::size_t>(steg)].Zaehler(), offen + 2);
    g.rechtsklicken(ruhe);
    EXPECT_TRUE(
        g.frames_bis([&] { return Objekte[static_cast<std::size_t>(steg)].Zaehler() <= offen; }, 1500))
        << "two settlers arrive on the second island";
    EXPECT_GT(Mitglieder_auf_Insel(zweite), vorher) << "the clan lives on the second island";
    g.foto("siedler");
}

}  // namespace
