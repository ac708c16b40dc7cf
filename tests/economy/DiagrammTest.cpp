#include "economy/Diagramm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Kernwelt.h"
#include "economy/Errungenschaften.h"
#include "economy/Spieler.h"
#include "foundation/Seams.h"
#include "platform/base/Datei.h"

namespace {

using bhmtest::Kernwelt;

// A world with n computer clans and the given number of goods.
void Clans(int n, int waren) {
    SBU_Waren.assign(static_cast<std::size_t>(waren), bhmtest::Ware());
    GU_Spieler_erstellen(n);
}

TEST(Diagramm, RingOfSlotsCarriesStockAndClearsIntake) {
    Kernwelt welt;
    Clans(1, 3);
    ASSERT_EQ(DiaU_Startpunkt, 1);
    // Stored twice and taken once during the year.
    GU_Ware_hinzu(2, 1);
    GU_Ware_hinzu(2, 1);
    GU_Ware_entfernen(2, 1);
    EXPECT_EQ(DiaU_Ware_get_Wert(1, 2, 1), 1);
    EXPECT_EQ(DiaU_Zugang_get_Wert(1, 2, 1), 2);
    DiaU_Zeitschritt();
    EXPECT_EQ(DiaU_Startpunkt, 2);
    EXPECT_EQ(DiaU_Ware_get_Wert(1, 2, 2), 1) << "the stock carries into the new year";
    EXPECT_EQ(DiaU_Zugang_get_Wert(1, 2, 2), 0) << "the intake starts again";
    EXPECT_EQ(DiaU_Zugang_get_Wert(1, 2, 1), 2) << "last year's intake stays in its slot";
    // A value left in an old slot is overwritten when the ring comes round to it.
    DiaU_Zugang_set_Wert(1, 2, 10, 7);
    for (int i = 0; i < 64; ++i) DiaU_Zeitschritt();
    EXPECT_EQ(DiaU_Startpunkt, 1) << "65 years later the ring is back at the start";
    EXPECT_EQ(DiaU_Zugang_get_Wert(1, 2, 10), 0);
    EXPECT_EQ(DiaU_Ware_get_Wert(1, 2, 10), 1);
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Diagramm, YearlySampleOfClanSeries) {
    Kernwelt welt;
    Clans(1, 1);
    Spielerzeile& s = Spieler[0];
    s.Mitglieder() = 4;
    s.Alter_Summe() = 90;
    s.Zufriedenheit() = 203;
    s.Gold() = 1234;
    s.Konto_Clan() = 50;
    s.Konto_Spieler() = 60;
    s.Konto_Edikt() = 70;
    s.Flugschiffe() = 2;
    s.Frauen() = 3;
    Spieler[1].Mitglieder() = 0;
    Spieler[1].Alter_Summe() = 40;
    DiaU_Zeitschritt();
    const int t = DiaU_Startpunkt;
    const struct {
        int id, wert;
    } faelle[] = {{1, 4},     {2, 3},   {4, 22},  {11, 50}, {12, 203},
                  {19, 1234}, {20, 50}, {21, 60}, {22, 70}, {26, 2}};
    for (const auto& f : faelle) EXPECT_EQ(DiaU_Clan_lesen(0, f.id, t), f.wert) << "series " << f.id;
    // The accounts of series 20 and 22 hold one year's flow; 21 keeps accumulating.
    EXPECT_EQ(std::make_tuple(s.Konto_Clan(), s.Konto_Spieler(), s.Konto_Edikt()), std::make_tuple(0, 60, 0));
    DiaU_Zeitschritt();
    EXPECT_EQ(DiaU_Clan_lesen(0, 20, DiaU_Startpunkt), 0);
    EXPECT_EQ(DiaU_Clan_lesen(0, 21, DiaU_Startpunkt), 60);
    // A clan without members averages to 0 without a report.
    EXPECT_EQ(DiaU_Clan_lesen(1, 4, DiaU_Startpunkt), 0);
    EXPECT_FALSE(Kernwelt::gemeldet());
    // A wound-up clan loses its clan series, not its ware series.
    GU_Ware_hinzu(0, 0);
    DiaU_Clan_loeschen(0);
    EXPECT_EQ(DiaU_Clan_lesen(0, 1, t), 0);
    EXPECT_EQ(DiaU_Ware_get_Wert(0, 0, DiaU_Startpunkt), 1);
}

TEST(Diagramm, BadSlotsGroupsIdsAndIndexesAreReportedAndChangeNothing) {
    Kernwelt welt;
    Clans(0, 2);
    const struct {
        int clan, gruppe, id, slot;
        const char* text;
    } faelle[] = {
        {0, 1, 0, 65, "DiaU_Wert_einsetzen: Falsches Zeitfenster erkannt. ZeitID: 65"},
        {0, 1, 0, -1, "DiaU_Wert_einsetzen: Falsches Zeitfenster erkannt. ZeitID: -1"},
        {0, 4, 0, 3, "DiaU_Wert_einsetzen: Die Gruppenzuordnung ist fehlgschlagen. GruppeID: 4"},
        {0, 3, 27, 3, "DiaU_Clan_set_Wert abfrage ID nicht erkannt: 27"},
        {0, 3, 0, 3, "DiaU_Clan_set_Wert abfrage ID nicht erkannt: 0"},
        {0, 1, 2, 3, "DiaU_Ware_set_Wert > unbekannte Ware: 2"},
        {0, 2, -1, 3, "DiaU_Zugang_set_Wert > unbekannte Ware: -1"},
        {5, 1, 0, 3, "DiaU_Ware_set_Wert > unbekannter Clan: 5"},
        {-1, 3, 1, 3, "DiaU_Clan_set_Wert > unbekannter Clan: -1"},
    };
    for (const auto& f : faelle) {
        DiaU_Wert_einsetzen(f.clan, f.gruppe, f.id, 9, f.slot);
        EXPECT_EQ(Fehlertext, f.text);
        Fehler_zuruecksetzen();
    }
    DiaU_Clan_Eintragen(0, 30);
    EXPECT_EQ(Fehlertext, "DiaU_Clan_Eintragen abfrage ID nicht erkannt: 30");
    EXPECT_EQ(DiaU_Clan_lesen(0, 0, 1), 0);
    EXPECT_EQ(Fehlertext, "DiaU_Clan_lesen abfrage ID nicht erkannt: 0");
    for (int w = 0; w < 2; ++w)
        for (int t = 0; t < DiaU_Slots; ++t)
            EXPECT_EQ(DiaU_Ware_get_Wert(0, w, t) + DiaU_Zugang_get_Wert(0, w, t), 0);
    EXPECT_EQ(DiaU_Ware_get_Wert(9, 0, 1), 0) << "reading outside the table gives 0";
}

TEST(Diagramm, SaveFileLayoutAndRoundTrip) {
    Kernwelt welt;
    Clans(1, 30);
    GU_Ware_hinzu(29, 1);
    DiaU_Zugang_set_Wert(0, 3, 64, -5);
    Spieler[1].Mitglieder() = 12;
    DiaU_Zeitschritt();
    const std::string ordner = welt.ordner().dir().folder() + "Spiel";
    ASSERT_TRUE(Ordner_anlegen(ordner));
    ASSERT_TRUE(DiaU_speichern(ordner));
    auto zeilen = Textdatei_lesen(ordner + "\\DiaUV2.sav");
    ASSERT_TRUE(zeilen);
    EXPECT_EQ(zeilen->size(), 2u * (30 * 65 + 30 * 65 + 26 * 65));
    // Clan 1's stock of ware 29 in slot 1: after clan 0 and clan 1's first 29 stock series.
    EXPECT_EQ((*zeilen)[(2 * 30 + 26) * 65 + 29 * 65 + 1], "1");

    const std::vector<Spieler_Diagram> vorher = DiaU_Spieler;
    DiaU_Init();
    DiaU_laden(ordner + "\\");
    ASSERT_EQ(DiaU_Spieler.size(), vorher.size());
    for (std::size_t c = 0; c < vorher.size(); ++c) {
        EXPECT_EQ(DiaU_Spieler[c].Clan, vorher[c].Clan);
        EXPECT_EQ(DiaU_Spieler[c].Bestand, vorher[c].Bestand);
        EXPECT_EQ(DiaU_Spieler[c].Zugang, vorher[c].Zugang);
    }
    // Saving again, given the file itself, writes the same lines.
    ASSERT_TRUE(DiaU_speichern(ordner + "\\Zwei.sav"));
    EXPECT_EQ(Textdatei_lesen(ordner + "\\Zwei.sav"), zeilen);
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST(Diagramm, BrokenSaveFileIsReportedAndKeepsWhatWasRead) {
    Kernwelt welt;
    Clans(0, 1);
    const std::string ordner = welt.ordner().dir().folder();
    DiaU_laden(ordner + "fehlt");
    EXPECT_FALSE(Kernwelt::gemeldet()) << "a missing file is no error";

    std::vector<std::string> zeilen(65, "0");
    zeilen[3] = "4";
    zeilen.push_back("x");
    ASSERT_TRUE(Textdatei_schreiben(ordner + "DiaUV2.sav", zeilen));
    DiaU_laden(ordner);
    EXPECT_EQ(DiaU_Ware_get_Wert(0, 0, 3), 4);
    EXPECT_EQ(Fehlertext, "DiaU_laden > DiaUV2.sav Zeile 66 ist keine Zahl: x");

    zeilen.pop_back();
    DiaU_Init();
    ASSERT_TRUE(Textdatei_schreiben(ordner + "DiaUV2.sav", zeilen));
    DiaU_laden(ordner);
    EXPECT_EQ(Fehlertext, "DiaU_laden > DiaUV2.sav endet nach Zeile 65");
}

// --- Charts -----------------------------------------------------------------------------

struct Texturzeuge : RenderSeam {
    int anzahl = 0;
    std::uint8_t* pixel = nullptr;
    void ML_Diagrammtextur_erzeugen(std::uint8_t* p, int breite, int hoehe) override {
        ++anzahl;
        pixel = p;
        EXPECT_EQ(breite, 256);
        EXPECT_EQ(hoehe, 256);
    }
};

class Chart : public ::testing::Test {
protected:
    void SetUp() override {
        Render_setzen(&zeuge);
        Clans(2, 1);
        for (Spielerzeile& s : Spieler) s.Buendnis() = 0;
        Spieler[0].Farbe_R() = 100;
        Spieler[0].Farbe_G() = 0;
        Spieler[0].Farbe_B() = 0;
        DiaU_Startpunkt = 0;
    }
    void TearDown() override { Render_setzen(nullptr); }

    static std::uint32_t farbe(int x, int y) {
        const std::uint8_t* p = &DiaU_Pixel[static_cast<std::size_t>(y * 256 + x) * 3];
        return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
    }
    // Pixels of the colour in row y.
    static int in_zeile(int y, std::uint32_t f) {
        int n = 0;
        for (int x = 0; x < 256; ++x) n += farbe(x, y) == f;
        return n;
    }
    static int im_bild(std::uint32_t f) {
        int n = 0;
        for (int y = 0; y < 256; ++y) n += in_zeile(y, f);
        return n;
    }

    Kernwelt welt;
    Texturzeuge zeuge;
};

TEST_F(Chart, ConstantSeriesIsAFlatLineAtRowZeroAcrossTheWidth) {
    for (int t = 0; t < 65; ++t) DiaU_Clan_set_Wert(0, 5, t, 7);
    DiaU_Startpunkt = 10;
    DiaU_Chart_erstellen(3, 5);
    EXPECT_EQ(std::make_tuple(DiaU_Min_Punkt, DiaU_Max_Punkt), std::make_tuple(0, 7))
        << "the other clans' zeros widen the scale";
    // Only the viewer's line, and at row 255 (value 7 of range 7).
    EXPECT_EQ(in_zeile(255, 0xFF0000), 256);
    EXPECT_EQ(im_bild(0xFF0000), 256);
    EXPECT_EQ(zeuge.anzahl, 1);
    EXPECT_EQ(zeuge.pixel, DiaU_Pixel.data());

    // A series constant over every clan has range 1 and lies at row 0.
    for (std::size_t c = 0; c < Spieler.size(); ++c)
        for (int t = 0; t < 65; ++t) DiaU_Clan_set_Wert(static_cast<int>(c), 5, t, 3);
    DiaU_Chart_erstellen(3, 5);
    EXPECT_EQ(std::make_tuple(DiaU_Min_Punkt, DiaU_Max_Punkt), std::make_tuple(3, 3));
    EXPECT_EQ(in_zeile(0, 0xFF0000), 256);
    EXPECT_EQ(im_bild(0xFF0000), 256);
    // The same for a ware nobody ever held.
    DiaU_Ware_set_Wert(0, 0, 4, 0);
    DiaU_Chart_erstellen(1, 0);
    EXPECT_EQ(std::make_tuple(DiaU_Min_Punkt, DiaU_Max_Punkt), std::make_tuple(0, 0));
    EXPECT_EQ(in_zeile(0, 0xFF0000), 256);
    EXPECT_EQ(im_bild(0xFF0000), 256);
}

TEST_F(Chart, ColumnsPerCurrentSlot) {
    // Every current slot gives 64 columns across the whole width (with slot 1: slots
    // 2..64, then 1).
    const struct {
        int start, breite;
    } faelle[] = {{0, 256}, {1, 256}, {2, 256}, {40, 256}, {63, 256}, {64, 256}};
    for (const auto& f : faelle) {
        DiaU_Startpunkt = f.start;
        DiaU_Chart_erstellen(2, 0);
        EXPECT_EQ(in_zeile(0, 0xFF0000), f.breite) << "slot " << f.start;
        EXPECT_EQ(im_bild(0xFF0000), f.breite);
    }
}

TEST_F(Chart, NewestSlotIsAtTheRightAndSegmentsJoinTheirNeighbours) {
    // Slot 0 is a year of the ring like any other: current after slot 64.
    for (int start : {0, 1, 10, 64}) {
        DiaU_Init();
        DiaU_Startpunkt = start;
        DiaU_Zugang_set_Wert(0, 0, start, 255);
        DiaU_Chart_erstellen(2, 0);
        EXPECT_EQ(std::make_tuple(DiaU_Min_Punkt, DiaU_Max_Punkt), std::make_tuple(0, 255));
        // The last column holds the newest slot: a flat piece at row 255.
        for (int x = 252; x < 256; ++x) EXPECT_EQ(farbe(x, 255), 0xFF0000u) << start << " x " << x;
        // The column before climbs from row 0 to row 255 without gaps.
        for (int y = 0; y < 256; ++y) EXPECT_GE(in_zeile(y, 0xFF0000), 1) << start << " row " << y;
        EXPECT_EQ(farbe(0, 0), 0xFF0000u);
    }
}

TEST_F(Chart, AllianceShowsEveryAllyAndWhiteIsDrawnBlack) {
    Spieler[1].Farbe_R() = Spieler[1].Farbe_G() = Spieler[1].Farbe_B() = 100;
    Spieler[2].Farbe_R() = 0;
    Spieler[2].Farbe_G() = 50;
    Spieler[2].Farbe_B() = 0;
    for (int t = 0; t < 65; ++t) {
        DiaU_Clan_set_Wert(1, 1, t, 10);
        DiaU_Clan_set_Wert(2, 1, t, 5);
    }
    DiaU_Chart_erstellen(3, 1);
    EXPECT_EQ(in_zeile(0, 0xFF0000), 256) << "without an alliance only the viewer's line";
    EXPECT_EQ(im_bild(0x000000) + im_bild(0x007F00), 0);

    Spieler[0].Buendnis() = Spieler[1].Buendnis() = 1;
    DiaU_Chart_erstellen(3, 1);
    EXPECT_EQ(in_zeile(255, 0x000000), 256) << "the white ally is drawn black";
    EXPECT_EQ(im_bild(0x007F00), 0) << "a clan outside the alliance is not drawn";
    Spieler[2].Buendnis() = 1;
    DiaU_Chart_erstellen(3, 1);
    EXPECT_EQ(in_zeile(127, 0x007F00), 256);
    Spieler[0].Buendnis() = 0;
    DiaU_Chart_erstellen(3, 1);
    EXPECT_EQ(im_bild(0x000000) + im_bild(0x007F00), 0) << "the viewer's own flag decides";
}

TEST_F(Chart, HistoryHasNoGapAndDropsOnlyTheOldestSlot) {
    // Every slot holds its own value; the chart shows 64 years in age order.
    for (int start : {0, 1, 2, 33, 63, 64}) {
        for (int t = 0; t < DiaU_Slots; ++t) DiaU_Clan_set_Wert(0, 1, t, 0);
        const int aeltester = (start + 1) % DiaU_Slots;
        // Ages 0 (current) .. 64 (oldest): value 64 - age, so the line rises steadily.
        for (int alter = 0; alter < DiaU_Slots; ++alter)
            DiaU_Clan_set_Wert(0, 1, (start - alter + DiaU_Slots) % DiaU_Slots, 64 - alter);
        DiaU_Startpunkt = start;
        DiaU_Chart_erstellen(3, 1);
        EXPECT_EQ(std::make_tuple(DiaU_Min_Punkt, DiaU_Max_Punkt), std::make_tuple(0, 64))
            << "the other clans' zeros and the newest value; the oldest (" << aeltester << ") is left out";
        // Column c shows value c + 1 of range 64: its first pixel at row Floor(255 (c + 1) / 64).
        for (int c = 0; c < 64; ++c)
            EXPECT_EQ(farbe(4 * c, 255 * (c + 1) / 64), 0xFF0000u) << "slot " << start << " column " << c;
    }
}

TEST_F(Chart, UnknownCategoryIsReportedAndLeavesAnEmptyChart) {
    DiaU_Clan_set_Wert(0, 1, 0, 5);
    DiaU_Chart_erstellen(3, 1);
    ASSERT_LT(im_bild(0xFFFFFF), 256 * 256);
    DiaU_Chart_erstellen(4, 1);
    EXPECT_EQ(Fehlertext, "DiaU_Chart_erstellen > Modus nicht erkannt: 4");
    EXPECT_EQ(zeuge.anzahl, 2) << "the window shows a white chart, not the previous one";
    EXPECT_EQ(im_bild(0xFFFFFF), 256 * 256);
    EXPECT_EQ(std::make_tuple(DiaU_Min_Punkt, DiaU_Max_Punkt), std::make_tuple(0, 0));
    Fehler_zuruecksetzen();
    zeuge.anzahl = 0;
    SpielerID = 9;
    DiaU_Chart_erstellen(3, 1);
    EXPECT_EQ(zeuge.anzahl, 1) << "a viewer outside the table draws an empty chart";
    EXPECT_EQ(im_bild(0xFFFFFF), 256 * 256);
}

TEST(Diagramm, YearlyStepChecksTheHumansAge) {
    Kernwelt welt;
    Clans(0, 0);
    ESU_Zuruecksetzen();
    KSL = true;
    Spieler[0].Mitglieder() = 101;
    Spieler[0].Alter_Summe() = 101 * 50 + 1;
    DiaU_Zeitschritt();
    EXPECT_TRUE(ESU_Flags[51]);
    ESU_Zuruecksetzen();
}

}  // namespace
