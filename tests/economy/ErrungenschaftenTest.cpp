#include "economy/Errungenschaften.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/Kernwelt.h"
#include "economy/Spieler.h"
#include "economy/Warenstatistik.h"
#include "foundation/Config.h"
#include "foundation/Info.h"
#include "platform/base/Text1252.h"
#include "population/Personen.h"

namespace {

using bhmtest::Kernwelt;

std::string Datensatz() {
    std::string s;
    Config_ReadString(Configdatei, "USERDATA", "SESSION", s, "");
    return s;
}

class Errungenschaften : public ::testing::Test {
protected:
    void SetUp() override {
        ESU_Zuruecksetzen();
        SBU_Waren.assign(2, bhmtest::Ware());
        SBU_Waren[1].Spez = "luxury";
        GU_Spieler_erstellen(1);
        KSL = true;
    }
    void TearDown() override { ESU_Zuruecksetzen(); }

    // The flags that are set, as a string of 54 characters.
    static std::string gesetzt() {
        std::string s;
        for (bool f : ESU_Flags) s += f ? '1' : '0';
        return s;
    }
    // The text of the newest info message, when it announces an achievement.
    static std::string gezeigt() {
        if (GUI_Infoanzahl < 1) return "<keine Meldung>";
        const GUI_Info& m = GUI_Infoliste[static_cast<std::size_t>(GUI_Infoanzahl - 1)];
        return m.Event == GUI_Event_Errungenschaft ? m.Text : "<Event " + std::to_string(m.Event) + ">";
    }
    static std::string nur(std::initializer_list<int> flaggen) {
        std::string s(ESU_Flaggen_Anzahl, '0');
        for (int f : flaggen) s[static_cast<std::size_t>(f)] = '1';
        return s;
    }

    Kernwelt welt;
};

TEST_F(Errungenschaften, RecordKeepsEveryFlagAndItsChecks) {
    for (int f : {0, 1, 2, 27, 41, 52, 53}) ESU_Flags[static_cast<std::size_t>(f)] = true;
    const std::string erwartet = gesetzt();
    ESU_USERDATA_neu();
    const std::string satz = Datensatz();
    ASSERT_EQ(satz.size(), 79u);
    EXPECT_FALSE(ESU_USERDATA_pruefen(satz));
    // Positions 55..71 always stand for true.
    for (int p = 55; p <= 71; ++p) EXPECT_EQ((satz[static_cast<std::size_t>(p - 1)] - '0' + p) % 2, 1) << p;
    ESU_Zuruecksetzen();
    ESU_Errungenschaften_laden();
    EXPECT_EQ(gesetzt(), erwartet);
    EXPECT_EQ(Datensatz(), satz) << "a sound record is only read";
    EXPECT_FALSE(Kernwelt::gemeldet());
}

TEST_F(Errungenschaften, FaultyRecordIsReplacedByAnEmptyOne) {
    ESU_Flags[5] = true;
    ESU_USERDATA_neu();
    const std::string satz = Datensatz();
    std::string um_zwei = satz;
    // The same parity, but the check digits no longer match.
    um_zwei[9] = static_cast<char>(um_zwei[9] >= '2' ? um_zwei[9] - 2 : um_zwei[9] + 2);
    std::string buchstabe = satz;
    buchstabe[20] = 'a';
    for (const std::string& kaputt : {um_zwei, buchstabe, satz.substr(0, 78), satz + "1"}) {
        EXPECT_TRUE(ESU_USERDATA_pruefen(kaputt));
        Config_WriteString(Configdatei, "USERDATA", "SESSION", kaputt);
        ESU_Flags[5] = true;
        ESU_Errungenschaften_laden();
        EXPECT_EQ(gesetzt(), nur({}));
        EXPECT_EQ(Fehlertext, "ESU_Errungenschaften_laden > Der Errungenschaftsdatensatz (" + Programmpfad +
                                  Configdatei + " [USERDATA] SESSION) ist fehlerhaft und wird ersetzt.");
        Fehler_zuruecksetzen();
        EXPECT_FALSE(ESU_USERDATA_pruefen(Datensatz()));
    }
    // A first start has no record: one is written, nothing reported.
    Config_WriteString(Configdatei, "USERDATA", "SESSION", "");
    ESU_Errungenschaften_laden();
    EXPECT_FALSE(Kernwelt::gemeldet());
    EXPECT_EQ(Datensatz().size(), 79u);
}

TEST_F(Errungenschaften, NothingIsEarnedOutsideTheCampaignOrForAnotherClan) {
    KSL = false;
    Spieler[0].Gold() = 0;
    ESU_Gold_pruefen(0);
    ESU_Schiff_pruefen(0);
    KSL = true;
    Spieler[1].Gold() = 0;
    ESU_Gold_pruefen(1);
    ESU_Schiff_pruefen(7);
    EXPECT_EQ(gesetzt(), nur({}));
    EXPECT_EQ(Datensatz(), "") << "the record is not written";
}

TEST_F(Errungenschaften, MilestonesAndTheirTexts) {
    Spielerzeile& s = Spieler[0];
    const struct {
        int mitglieder;
        std::string flaggen;
    } mitglieder[] = {{21, nur({})},    {20, nur({2})},       {30, nur({2})},
                      {5, nur({1, 2})}, {30, nur({0, 1, 2})}, {400, nur({0, 1, 2, 9})}};
    for (const auto& f : mitglieder) {
        s.Mitglieder() = f.mitglieder;
        ESU_Mitglieder_pruefen(0);
        EXPECT_EQ(gesetzt(), f.flaggen) << f.mitglieder;
    }
    EXPECT_EQ(gezeigt(), "400 Mitglieder sind auf den Strassen, hier wird es eng...");

    ESU_Zuruecksetzen();
    const struct {
        int gold, flagge;
    } gold[] = {{999, -1},  {0, 31},     {1000, 32},  {1999, 32},
                {9500, 40}, {10000, 41}, {19999, 41}, {20000, -1}};
    for (const auto& f : gold) {
        ESU_Zuruecksetzen();
        s.Gold() = f.gold;
        ESU_Gold_pruefen(0);
        EXPECT_EQ(gesetzt(), f.flagge < 0 ? nur({}) : nur({f.flagge})) << f.gold;
    }
    EXPECT_EQ(gezeigt(), W("Dein Clan nennt dich Geizhals, herzlichen Glückwunsch."));

    // Goods and luxury totals compare for equality.
    ESU_Zuruecksetzen();
    LGK_Produktion_verbuchen(0, 0, 90);
    LGK_Produktion_verbuchen(0, 1, 9);
    ESU_Waren_pruefen(0);
    ESU_Luxus_pruefen(0);
    EXPECT_EQ(gesetzt(), nur({}));
    GU_Ware_hinzu(1, 0);
    EXPECT_EQ(gesetzt(), nur({11, 21}));
    EXPECT_EQ(gezeigt(), "Du hast deine ersten 10 Luxuswaren im Lager. Weiter so!");

    ESU_Zuruecksetzen();
    for (int stufe : {0, 3, 10}) ESU_Haus_pruefen(0, stufe);
    s.Mitglieder() = 101;
    s.Alter_Summe() = 101 * 50;
    ESU_Alter_pruefen(0);
    EXPECT_EQ(gesetzt(), nur({44})) << "an average of exactly 50 is not above 50";
    s.Alter_Summe() += 1;
    ESU_Alter_pruefen(0);
    ESU_Schiff_pruefen(0);
    EXPECT_EQ(gesetzt(), nur({44, 51, 53}));
    EXPECT_EQ(gezeigt(), W("Das erste Schiff ist vom Stappel gelau... ähm ...geschwebt."));
    EXPECT_FALSE(ESU_USERDATA_pruefen(Datensatz()));
}

TEST_F(Errungenschaften, AnAwardIsAnInfoMessageWhateverTheErrorLineShows) {
    for (bool stumm : {true, false}) {
        ESU_Zuruecksetzen();
        GUI_Info_leeren();
        Error_Silence = stumm;
        Spieler[0].Gold() = 0;
        ESU_Gold_pruefen(0);
        ASSERT_EQ(GUI_Infoanzahl, 1) << stumm;
        EXPECT_EQ(gezeigt(), "Das Wappentier deines Clans ist nun der Pleitegeier.");
        EXPECT_EQ(GUI_Infoliste[0].Wert, -1);
        EXPECT_TRUE(Fehlertext.empty()) << "an award is no error";
        ESU_Gold_pruefen(0);
        EXPECT_EQ(GUI_Infoanzahl, 1) << "earned once";
    }
    // The player can switch the general messages off like any other kind.
    ESU_Zuruecksetzen();
    GUI_Info_leeren();
    GUI_Me = false;
    ESU_Gold_pruefen(0);
    EXPECT_TRUE(ESU_Flags[31]);
    EXPECT_EQ(GUI_Infoanzahl, 0);
    GUI_Me = true;
}

TEST_F(Errungenschaften, FoundingIsNoFallToAHandful) {
    // Five founders take the clan from 0 to 5 members: it never came down to five.
    for (int feld = 1; feld <= 5; ++feld) ASSERT_GE(PM_Person_erzeugen(false, feld, -1, 0), 0);
    EXPECT_EQ(Spieler[0].Mitglieder(), 5);
    EXPECT_EQ(gesetzt(), nur({}));
    Spieler[0].Mitglieder() = 30;
    ESU_Mitglieder_pruefen(0);
    EXPECT_EQ(gesetzt(), nur({})) << "back up to 30 needs a fall first";
    // A child born into a clan of five counts as the handful it is.
    Spieler[0].Mitglieder() = 5;
    ESU_Mitglieder_pruefen(0);
    Spieler[0].Mitglieder() = 30;
    ESU_Mitglieder_pruefen(0);
    EXPECT_EQ(gesetzt(), nur({0, 1}));
}

TEST_F(Errungenschaften, OldMemberAtABirthday) {
    int p = PM_Person_erzeugen(false, 5, -1, 0);
    Personen[static_cast<std::size_t>(p)].Spieler() = 0;
    Personen[static_cast<std::size_t>(p)].Alter() = 94;
    ESU_Flags.fill(false);  // the clan's first member has earned its own milestone
    ESU_Personen_pruefen(p);
    EXPECT_EQ(gesetzt(), nur({}));
    Personen[static_cast<std::size_t>(p)].Alter() = 95;
    ESU_Personen_pruefen(p);
    EXPECT_EQ(gesetzt(), nur({52}));
    ESU_Personen_pruefen(-3);
    EXPECT_EQ(Fehlertext, "ESU_Personen_pruefen > unbekannte Person: -3");
}

TEST_F(Errungenschaften, TextsByAchievementNumber) {
    EXPECT_EQ(ESU_Text(1), "Runter auf 5 Mitgliedern und dann wieder auf 30 rauf, RESPEKT!");
    EXPECT_EQ(ESU_Text(3), "100 Mitglieder, wirst du einen Film mit Namen \"The 100\" drehen?");
    EXPECT_EQ(ESU_Text(18), "Deine Lager umfassen nun 1500 Waren.");
    EXPECT_EQ(ESU_Text(49), W("Was für ein schönes Eigenheim."));
    EXPECT_EQ(ESU_Text(53), "<ESU_TEXT_ERROR>53");
    EXPECT_EQ(ESU_Text(-1), "<ESU_TEXT_ERROR>-1");
    std::set<std::string> gesehen;
    for (int i = 0; i < 60; ++i) gesehen.insert(ESU_Text(0));
    EXPECT_EQ(gesehen, (std::set<std::string>{"Der schnellste Clan mit 20 Mitglieder!",
                                              "20 Mitglieder, jetzt geht es los!",
                                              "Als letztes hat auch dein Clan 20 Mitglieder!"}));
}

}  // namespace
