#include "economy/Arbeiterslots.h"

#include <gtest/gtest.h>

#include "common/Kernwelt.h"
#include "economy/Objekte.h"
#include "economy/Spieler.h"
#include "platform/base/Datei.h"
#include "population/Personen.h"

namespace {

using bhmtest::Kernwelt;

struct Slotwelt : Kernwelt {
    Slotwelt() {
        SBU_Objekte = {bhmtest::Gebaeude("Produktion", 3), bhmtest::Gebaeude("Home", 4)};
        GU_Spieler_erstellen(1);
        Personen.resize(100);
        for (int i = 0; i < 3; ++i) OM_Objekt_anlegen(30 + i, 0, 0);
    }
    std::string pfad() const { return ordner().dir().folder() + "OBMA.sav"; }
};

std::string wiederholt(const std::string& text, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += text;
    return s;
}

TEST(Arbeiterslots, OpeningKeepsWorkersOfClosedSlotsAndClampsToTwelve) {
    Slotwelt welt;
    OB_Arbeiter_eintragen(8, 0, 5);
    OB_Slots_oeffnen(3, 0, 0);
    for (int k = 0; k <= OB_MaxSlot; ++k) EXPECT_EQ(OB_Slot_offen(0, k), k < 3) << k;
    EXPECT_EQ(OB_Arbeiter_des_Slots(0, 5), 8) << "a closed slot can still hold a person";
    EXPECT_EQ(std::make_tuple(OB_Anzahl_freie_Slots(0), OB_Anzahl_Arbeiter(0), OB_Erster_freier_Slot(0)),
              std::make_tuple(3, 1, 0));
    EXPECT_TRUE(OB_Hat_Arbeiter(0));
    EXPECT_TRUE(OB_Keine_Arbeiter(0));
    EXPECT_FALSE(OB_Arbeiter_eintragen(9, 0, 5));

    OB_Slots_oeffnen(15, 1, 0);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(OB_Anzahl_freie_Slots(1), 12);
    EXPECT_EQ(OB_Erster_freier_Slot(2), -1);
}

TEST(Arbeiterslots, CompactionMovesTheHighestWorkerDown) {
    Slotwelt welt;
    OB_Slots_oeffnen(12, 0, 0);
    OB_Arbeiter_eintragen(4, 0, 2);
    OB_Arbeiter_eintragen(5, 0, 7);
    OB_Slot_Status_setzen(0, 7, 1);
    OB_Slots_verdichten(0);
    EXPECT_EQ(OB_Slots[0][0], (OB_Slot{1, 5}));
    EXPECT_EQ(OB_Slots[0][7], (OB_Slot{-1, -1}));
    EXPECT_EQ(OB_Slots[0][2], (OB_Slot{0, 4}));
    OB_Arbeiter_austragen(0, 0);
    OB_Arbeiter_austragen(0, 2);
    OB_Arbeiter_eintragen(6, 0, 0);
    OB_Slots_verdichten(0);
    EXPECT_EQ(OB_Slots[0][0].Person, 6) << "a single worker in slot 0 stays";
}

TEST(Arbeiterslots, BadIndexesAreReportedNotUsed) {
    Slotwelt welt;
    OB_Slots_oeffnen(2, 0, 0);
    EXPECT_EQ(OB_Slot_des_Arbeiter(0, 42), -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
    OB_Slot_schliessen(0, 0, -1);
    EXPECT_TRUE(Kernwelt::gemeldet());
    OB_Slot_schliessen(0, 0, 12);
    EXPECT_TRUE(Kernwelt::gemeldet());
    OB_Slot_anklicken(99, 0);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_FALSE(OB_Slot_offen(0, 12));
    EXPECT_TRUE(Kernwelt::gemeldet());
    OB_Slot_schliessen(0, 0, 1);
    EXPECT_FALSE(Kernwelt::gemeldet()) << "an object the employment office does not list is fine";
    EXPECT_EQ(OB_Anzahl_freie_Slots(0), 1);
}

TEST(Arbeiterslots, ClickMarksABusyWorkerAndReleasingLeavesHim) {
    Slotwelt welt;
    OB_Slots_oeffnen(3, 0, 0);
    Personen[17].Hunger() = 150;
    Personen[17].AuftragID() = 201;
    Personen[18].Hunger() = 150;
    Personen[18].AuftragID() = 0;
    OB_Arbeiter_eintragen(17, 0, 0);
    OB_Arbeiter_eintragen(18, 0, 1);
    OB_Slot_anklicken(0, 0);
    EXPECT_TRUE(OB_Slot_Entlassung_vorgemerkt(0, 0));
    OB_File_Save(welt.pfad());
    EXPECT_EQ(Zeilen_teilen(*Datei_lesen(welt.pfad())).at(0), "D17B18BC" + wiederholt("AC", 9));

    // Pending slots stay; an idle worker is let go and his slot closed; a busy one keeps his.
    OB_Slot_Status_setzen(0, 0, 0);
    EXPECT_FALSE(OB_Alle_Arbeiter_entlassen(0, 0));
    EXPECT_TRUE(OB_Slot_offen(0, 0));
    EXPECT_FALSE(OB_Slot_offen(0, 1));
    EXPECT_FALSE(OB_Slot_offen(0, 2));
    Personen[17].AuftragID() = 0;
    EXPECT_TRUE(OB_Alle_Arbeiter_entlassen(0, 0));

    // Houses ignore clicks.
    const int haus = OM_Objekt_anlegen(40, 0, 1);
    OB_Slots_oeffnen(2, haus, 0);
    OB_Arbeiter_eintragen(18, haus, 0);
    Personen[18].AuftragID() = 5;
    OB_Slot_anklicken(haus, 0);
    EXPECT_FALSE(OB_Slot_Entlassung_vorgemerkt(haus, 0));
}

TEST(Arbeiterslots, SaveFileLines) {
    Slotwelt welt;
    const std::string leer12 = wiederholt("AC", 12);
    const struct {
        std::string zeile;
        bool gut;
        std::vector<OB_Slot> anfang;
    } faelle[] = {
        {"B5DCAC", true, {{0, 5}, {1, -1}, {-1, -1}, {-1, -1}}},
        {"B17" + leer12.substr(2), true, {{0, 17}, {-1, -1}}},
        {"", true, {{-1, -1}}},
        {"B5XDC", false, {{-1, -1}, {-1, -1}}},  // an unknown character
        {leer12 + "AC", false, {{-1, -1}}},      // more than 12 groups
        {"B99999999999C", false, {{-1, -1}}},    // no Integer
        {"B100C", false, {{-1, -1}}},            // no such person row
        {"DB7C", true, {{0, 7}, {-1, -1}}},      // the last letter wins
    };
    for (const auto& f : faelle) {
        ASSERT_TRUE(Textdatei_schreiben(welt.pfad(), {f.zeile, "BC"}));
        Fehler_zuruecksetzen();
        OB_File_Load(welt.pfad());
        EXPECT_EQ(Kernwelt::gemeldet(), !f.gut) << f.zeile;
        ASSERT_EQ(OB_Slots.size(), 2u) << f.zeile;
        for (std::size_t k = 0; k < f.anfang.size(); ++k)
            EXPECT_EQ(OB_Slots[0][k], f.anfang[k]) << f.zeile << " slot " << k;
        for (std::size_t k = f.anfang.size(); k < 12; ++k) EXPECT_EQ(OB_Slots[0][k], OB_Slot{}) << f.zeile;
        EXPECT_EQ(OB_Slots[1][0], (OB_Slot{0, -1})) << "the next line is read all the same";
    }

    // More lines than object rows (10) are not read.
    ASSERT_TRUE(Textdatei_schreiben(welt.pfad(), std::vector<std::string>(11, "BC")));
    OB_File_Load(welt.pfad());
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_EQ(OB_Slots.size(), Objekte.size());

    OB_File_Load(welt.pfad() + ".fehlt");
    EXPECT_TRUE(OB_Slots.empty());
}

TEST(Arbeiterslots, SaveLoadSaveGivesTheSameFile) {
    Slotwelt welt;
    OB_Slots_oeffnen(5, 0, 0);
    OB_Arbeiter_eintragen(12, 0, 3);
    OB_Slot_Status_setzen(0, 4, 1);
    OB_Arbeiter_eintragen(99, 2, 11);
    OB_File_Save(welt.pfad());
    const auto alt = OB_Slots;
    const std::string text = *Datei_lesen(welt.pfad());
    OB_File_Load(welt.pfad());
    EXPECT_EQ(OB_Slots, alt);
    OB_File_Save(welt.pfad());
    EXPECT_EQ(*Datei_lesen(welt.pfad()), text);

    OB_Slots[1][0].Status = 7;
    OB_Slots[1][1].Person = -5;
    OB_File_Save(welt.pfad());
    EXPECT_TRUE(Kernwelt::gemeldet());
}

}  // namespace
