#include <gtest/gtest.h>

#include "common/Zufallsbytes.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "ui/Interaktiv.h"
#include "ui/Uiwelt.h"

using namespace bhmtest;

namespace {

void edikt_schreiben(int n, const std::vector<std::string>& zeilen) {
    const std::string ordner = Programmpfad + "daten\\edikt\\" + std::to_string(n);
    ASSERT_TRUE(Ordner_anlegen(ordner));
    ASSERT_TRUE(Textdatei_schreiben(ordner + "\\Script.srt", zeilen));
}

const std::vector<std::string> kZweiGesetze = {"[edikt]",
                                               "titel=Erbrecht",
                                               "text=Wer erbt das Haus?#Der Rat entscheidet.",
                                               "trigger=start",
                                               "count=1",
                                               "timestep=1",
                                               "time0=1",
                                               "time1=3",
                                               "[0]",
                                               "titel=Alte Ordnung",
                                               "text=Alles bleibt.",
                                               "count=1",
                                               "0Befehl=life_longer",
                                               "0Befehl2=-",
                                               "0Wert=2",
                                               "0Text=a",
                                               "1Befehl=unbekannt",
                                               "1Befehl2=-",
                                               "1Wert=1",
                                               "1Text=b",
                                               "[1]",
                                               "titel=Neue Ordnung",
                                               "text=Alles neu.",
                                               "count=0",
                                               "0Befehl=leav_ok",
                                               "0Befehl2=x",
                                               "0Wert=0",
                                               "0Text=c"};

}  // namespace

TEST(Interaktiv, LaedtBisZurErstenLuecke) {
    Uiwelt welt;
    edikt_schreiben(0, kZweiGesetze);
    edikt_schreiben(1, {"[edikt]", "titel=Zwei"});
    edikt_schreiben(3, {"[edikt]", "titel=Drei"});
    IAU_Edikte_laden();
    ASSERT_EQ(IAU_Edikte.size(), 2u);
    const Edikt_Data& e = IAU_Edikte[0];
    EXPECT_EQ(e.Titel, "Erbrecht");
    EXPECT_EQ(e.Count, 1);
    ASSERT_EQ(e.Gesetze.size(), 2u);
    EXPECT_EQ(e.Gesetze[1].Titel, "Neue Ordnung");
    EXPECT_EQ(e.Zeiten, (std::vector<int>{1, 3}));
    ASSERT_EQ(e.Gesetze[0].Effekte.size(), 2u);
    EXPECT_EQ(e.Gesetze[0].Effekte[0].Wert, 2);

    // Missing keys give their fail texts and no laws or durations, and the file is told once
    // (the last report is the last file's: folder 1, the gap ends the loading there).
    EXPECT_EQ(Fehlertext, "IAU_Edikt_hinzu > " + Programmpfad +
                              "daten\\edikt\\1\\Script.srt: fehlende Eintraege: 4 (erster: [edikt] text)");
    const Edikt_Data& z = IAU_Edikte[1];
    EXPECT_EQ(z.Text, "IAU_Edikt_hinzu > Text fail");
    EXPECT_EQ(z.Trigger, "IAU_Edikt_hinzu > Trigger fail");
    EXPECT_EQ(z.Count, -1);
    EXPECT_TRUE(z.Gesetze.empty());
    EXPECT_TRUE(z.Zeiten.empty());
}

// A damaged edict file is told once, naming the file, how many entries it lacks and the first;
// what it lacks takes its fail text, -1 or 0, so the edict has no laws it cannot describe.
TEST(Interaktiv, BeschaedigteEdiktdateiWirdGemeldet) {
    std::string ganz;
    for (const std::string& z : kZweiGesetze) ganz += z + "\r\n";
    const std::string zufall = bhmtest::Zufallsbytes(2000, 3);
    struct Fall {
        const char* name;
        std::string inhalt;
        const char* meldung;  // nullptr: not told
        std::string titel;
        int gesetze;
    };
    const Fall faelle[] = {
        {"sound", ganz, nullptr, "Erbrecht", 2},
        {"cut in the second law", ganz.substr(0, ganz.find("0Befehl=leav_ok")),
         "fehlende Eintraege: 4 (erster: [1] 0Befehl)", "Erbrecht", 2},
        {"cut in its head", ganz.substr(0, ganz.find("count=1")),
         "fehlende Eintraege: 2 (erster: [edikt] count)", "Erbrecht", 0},
        {"a count that is no number",
         "[edikt]\r\ntitel=A\r\ntext=B\r\ntrigger=C\r\ncount=x\r\ntimestep=-1\r\n",
         "fehlende Eintraege: 1 (erster: [edikt] count (keine Zahl))", "A", 0},
        {"random bytes", zufall, "fehlende Eintraege: 5 (erster: [edikt] titel)",
         "IAU_Edikt_hinzu > Title fail", 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Uiwelt welt;
        ASSERT_TRUE(Ordner_anlegen(Programmpfad + "daten\\edikt\\0"));
        const std::string pfad = Programmpfad + "daten\\edikt\\0\\Script.srt";
        ASSERT_TRUE(Datei_schreiben(pfad, f.inhalt));
        Fehlertext.clear();
        IAU_Edikte_laden();
        ASSERT_EQ(IAU_Edikte.size(), 1u);
        EXPECT_EQ(IAU_Edikte[0].Titel, f.titel);
        EXPECT_EQ(IAU_Edikte[0].Gesetze.size(), static_cast<std::size_t>(f.gesetze));
        if (f.meldung)
            EXPECT_EQ(Fehlertext, "IAU_Edikt_hinzu > " + pfad + ": " + f.meldung);
        else
            EXPECT_EQ(Fehlertext, "");
    }
}

TEST(Interaktiv, UnsinnigeAnzahlWirdGemeldet) {
    Uiwelt welt;
    edikt_schreiben(0, {"[edikt]", "count=2000000000", "timestep=-5"});
    IAU_Edikte_laden();
    EXPECT_TRUE(Kernwelt::gemeldet());
    ASSERT_EQ(IAU_Edikte.size(), 1u);
    EXPECT_TRUE(IAU_Edikte[0].Gesetze.empty());
    EXPECT_TRUE(IAU_Edikte[0].Zeiten.empty());
}

TEST(Interaktiv, EffektzeilenUndIhrZwischenspeicher) {
    Uiwelt welt;
    edikt_schreiben(0, kZweiGesetze);
    IAU_Edikte_laden();
    TPU_Edikt_Effekt_Text(0, 0);
    ASSERT_EQ(TPU_Edikt_Effektzeilen.size(), 5u);
    EXPECT_EQ(TPU_Edikt_Effektzeilen[0], "Alte Ordnung ");
    EXPECT_EQ(TPU_Edikt_Effektzeilen[1], "Alles bleibt. ");
    EXPECT_EQ(TPU_Edikt_Effektzeilen[2], "");
    EXPECT_EQ(TPU_Edikt_Effektzeilen[3], "Mitglieder leben 2" + W("Jahre länger"));
    EXPECT_EQ(TPU_Edikt_Effektzeilen[4], "EFFEKT nicht erkannt");

    // The same pair again keeps the lines.
    TPU_Edikt_Effektzeilen[0] = "gemerkt";
    TPU_Edikt_Effekt_Text(0, 0);
    EXPECT_EQ(TPU_Edikt_Effektzeilen[0], "gemerkt");
    // Reloading the edicts forgets them.
    IAU_Edikte_laden();
    TPU_Edikt_Effekt_Text(0, 0);
    EXPECT_EQ(TPU_Edikt_Effektzeilen[0], "Alte Ordnung ");

    TPU_Edikt_Effekt_Text(0, 1);
    EXPECT_EQ(TPU_Edikt_Effektzeilen.back(), W("Mitglieder dürfen anderen Clan beitreten"));
    TPU_Edikt_Effekt_Text(0, 2);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_TRUE(TPU_Edikt_Effektzeilen.empty());
}

TEST(Interaktiv, TextumbruchNachBreiteUndRaute) {
    Uiwelt welt;  // every character 10 pixels wide
    IAU_Text_umbrechen("Ja.#Nein.", 480);
    EXPECT_EQ(IAU_Textzeilen, (std::vector<std::string>{"Ja.", "Nein."}));
    // "aaaa " is 50 pixels: two words fit below 120, the third starts a new line.
    IAU_Text_umbrechen("aaaa bbbb cccc", 120);
    EXPECT_EQ(IAU_Textzeilen, (std::vector<std::string>{"aaaa bbbb ", "cccc"}));
    // A word wider than the line comes after an empty one and is never split.
    IAU_Text_umbrechen("aaaaaaaaaaaaaaa", 100);
    EXPECT_EQ(IAU_Textzeilen, (std::vector<std::string>{"", "aaaaaaaaaaaaaaa"}));
    // Paragraphs end at the first empty one.
    IAU_Text_umbrechen("eins##drei", 480);
    EXPECT_EQ(IAU_Textzeilen, (std::vector<std::string>{"eins"}));
}

TEST(Interaktiv, SpeichernUndLadenGebenDasGleiche) {
    Uiwelt welt;
    edikt_schreiben(0, kZweiGesetze);
    edikt_schreiben(1, {"[edikt]", "titel=Zwei", "timestep=0", "time0=2"});
    IAU_Edikte_laden();
    EXPECT_TRUE(Kernwelt::gemeldet()) << "the second edict lacks keys";
    const std::string datei = Programmpfad + "IAU_Edikt.sav";
    const std::string datei2 = Programmpfad + "IAU_Edikt2.sav";
    ASSERT_TRUE(IAU_Edikte_speichern(datei));
    const std::vector<Edikt_Data> vorher = IAU_Edikte;
    IAU_Edikte_laden_Save(datei);
    ASSERT_EQ(IAU_Edikte.size(), vorher.size());
    for (std::size_t n = 0; n < vorher.size(); ++n) {
        const Edikt_Data &a = vorher[n], &b = IAU_Edikte[n];
        EXPECT_EQ(a.Titel, b.Titel);
        EXPECT_EQ(a.Text, b.Text);
        EXPECT_EQ(a.Trigger, b.Trigger);
        EXPECT_EQ(a.Count, b.Count);
        EXPECT_EQ(a.Timestep, b.Timestep);
        EXPECT_EQ(a.Zeiten, b.Zeiten);
        ASSERT_EQ(a.Gesetze.size(), b.Gesetze.size());
        for (std::size_t i = 0; i < a.Gesetze.size(); ++i) {
            EXPECT_EQ(a.Gesetze[i].Titel, b.Gesetze[i].Titel);
            EXPECT_EQ(a.Gesetze[i].Count, b.Gesetze[i].Count);
            ASSERT_EQ(a.Gesetze[i].Effekte.size(), b.Gesetze[i].Effekte.size());
            for (std::size_t k = 0; k < a.Gesetze[i].Effekte.size(); ++k) {
                EXPECT_EQ(a.Gesetze[i].Effekte[k].Befehl, b.Gesetze[i].Effekte[k].Befehl);
                EXPECT_EQ(a.Gesetze[i].Effekte[k].Befehl2, b.Gesetze[i].Effekte[k].Befehl2);
                EXPECT_EQ(a.Gesetze[i].Effekte[k].Text, b.Gesetze[i].Effekte[k].Text);
                EXPECT_EQ(a.Gesetze[i].Effekte[k].Wert, b.Gesetze[i].Effekte[k].Wert);
            }
        }
    }
    ASSERT_TRUE(IAU_Edikte_speichern(datei2));
    EXPECT_EQ(Datei_lesen(datei), Datei_lesen(datei2));
    EXPECT_FALSE(Kernwelt::gemeldet());

    // A missing file leaves no edicts.
    IAU_Edikte_laden_Save(Programmpfad + "fehlt.sav");
    EXPECT_TRUE(IAU_Edikte.empty());
}

TEST(Interaktiv, KaputteSpeicherdateiWirdBisZumFehlerGelesen) {
    Uiwelt welt;
    const std::string datei = Programmpfad + "IAU_Edikt.sav";
    // Edict 0 complete (no laws, one duration), edict 1 breaks in its law count.
    ASSERT_TRUE(Textdatei_schreiben(datei, {"1", "A", "a", "t", "-1", "0", "3", "B", "b", "t", "x"}));
    IAU_Edikte_laden_Save(datei);
    EXPECT_TRUE(Kernwelt::gemeldet());
    ASSERT_EQ(IAU_Edikte.size(), 2u);
    EXPECT_EQ(IAU_Edikte[0].Zeiten, (std::vector<int>{3}));
    EXPECT_EQ(IAU_Edikte[1].Titel, "");
    // A count far beyond any edict is refused without reserving memory for it.
    ASSERT_TRUE(Textdatei_schreiben(datei, {"999999999"}));
    IAU_Edikte_laden_Save(datei);
    EXPECT_TRUE(Kernwelt::gemeldet());
    EXPECT_TRUE(IAU_Edikte.empty());
    // A file cut short inside a law keeps the law read so far.
    ASSERT_TRUE(
        Textdatei_schreiben(datei, {"0", "A", "a", "t", "0", "-1", "G", "g", "1", "b", "b2", "txt", "4"}));
    IAU_Edikte_laden_Save(datei);
    EXPECT_TRUE(Kernwelt::gemeldet());
    ASSERT_EQ(IAU_Edikte.size(), 1u);
    ASSERT_EQ(IAU_Edikte[0].Gesetze.size(), 1u);
    EXPECT_EQ(IAU_Edikte[0].Gesetze[0].Effekte.size(), 1u);
    EXPECT_EQ(IAU_Edikte[0].Gesetze[0].Count, 0);
}

// The edicts shipped with the game load completely: no fail texts, durations
// the window can show and only effects it can name.
TEST(Interaktiv, MitgelieferteEdikteSindVollstaendig) {
    Uiwelt welt;
    const std::string alt = Programmpfad;
    Programmpfad = std::string(BHM_SOURCE_DIR) + "/content/";
    IAU_Edikte_laden();
    Programmpfad = alt;
    ASSERT_GE(IAU_Edikte.size(), 2u);
    auto ohne_fail = [](const std::string& t) { return t.find("fail") == std::string::npos && !t.empty(); };
    for (std::size_t n = 0; n < IAU_Edikte.size(); ++n) {
        const Edikt_Data& e = IAU_Edikte[n];
        EXPECT_TRUE(ohne_fail(e.Titel) && ohne_fail(e.Text) && ohne_fail(e.Trigger)) << n;
        EXPECT_GE(e.Count, 0) << n;
        EXPECT_FALSE(e.Zeiten.empty()) << n;
        for (int t : e.Zeiten) EXPECT_TRUE(t >= 0 && t <= 3) << n;
        for (int g = 0; g <= e.Count; ++g) {
            const Gesetz_Data& gesetz = e.Gesetze[static_cast<std::size_t>(g)];
            EXPECT_TRUE(ohne_fail(gesetz.Titel) && ohne_fail(gesetz.Text)) << n << "/" << g;
            EXPECT_FALSE(gesetz.Effekte.empty()) << n << "/" << g;
            TPU_Edikt_Effekt_Text(static_cast<int>(n), g);
            for (const std::string& z : TPU_Edikt_Effektzeilen)
                EXPECT_EQ(z.find("nicht erkannt"), std::string::npos) << n << "/" << g;
        }
    }
    EXPECT_FALSE(Kernwelt::gemeldet());
}
