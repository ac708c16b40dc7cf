// The update client against a local fake update server.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>

#include "common/LokalerPort.h"
#include "common/ProgrammOrdner.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Seams.h"
#include "persistence/Update.h"
#include "platform/base/Datei.h"
#include "platform/base/Tcp.h"

namespace fs = std::filesystem;

namespace {

// The server side of one connection.
struct Gegenstelle {
    int fd;
    bool int_lesen(std::int32_t& w) const {
        std::uint32_t n = 0;
        std::size_t gelesen = 0;
        while (gelesen < 4) {
            const ssize_t k = recv(fd, reinterpret_cast<char*>(&n) + gelesen, 4 - gelesen, 0);
            if (k <= 0) return false;
            gelesen += static_cast<std::size_t>(k);
        }
        w = static_cast<std::int32_t>(ntohl(n));
        return true;
    }
    void int_senden(std::int32_t w) const {
        const std::uint32_t n = htonl(static_cast<std::uint32_t>(w));
        send(fd, &n, 4, MSG_NOSIGNAL);
    }
    void bytes_senden(const std::string& b) const { send(fd, b.data(), b.size(), MSG_NOSIGNAL); }
    // One transfer; false when the client did not answer the length with the same length.
    bool datei_senden(const std::string& b) const {
        int_senden(static_cast<std::int32_t>(b.size()));
        std::int32_t echo = -9;
        if (!int_lesen(echo) || echo != static_cast<std::int32_t>(b.size())) return false;
        bytes_senden(b);
        return true;
    }
    // True when the client closes without sending anything more (a close with bytes of the
    // server still unread arrives as a reset).
    bool nichts_mehr() const {
        char c;
        const ssize_t r = recv(fd, &c, 1, 0);
        return r == 0 || (r < 0 && errno == ECONNRESET);
    }
};

// Listens on a free local port and runs the script for the one connection it accepts.
class Fakeserver {
    bhmtest::Lokaler_Port lausch_{true};  // before port, which reads it

public:
    explicit Fakeserver(std::function<void(const Gegenstelle&)> skript) : port(lausch_.port) {
        faden_ = std::thread([this, skript] {
            pollfd p{lausch_.fd(), POLLIN, 0};
            if (poll(&p, 1, 5000) <= 0) return;
            const int fd = accept(lausch_.fd(), nullptr, nullptr);
            // Far beyond any deadline of the client: the client ends each exchange first.
            timeval tv{20, 0};
            setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
            skript(Gegenstelle{fd});
            close(fd);
        });
    }
    ~Fakeserver() { faden_.join(); }
    const int port;

private:
    std::thread faden_;
};

struct Updateanzeige : UiSeam {
    std::map<int, std::string> zeilen;
    int zaehler = 250;
    void TPU_Updatestatus_setzen(int zeile, const std::string& text) override { zeilen[zeile] = text; }
    void IFU_Updateanzeige_Zaehler_setzen(int n) override { zaehler = n; }
};

struct Fensterprotokoll : ShellSeam {
    bool beenden = false;
    void Programm_beenden() override { beenden = true; }
};

std::string komprimiert(const std::string& text) {
    uLongf n = compressBound(text.size());
    std::string aus(n, '\0');
    compress(reinterpret_cast<Bytef*>(aus.data()), &n, reinterpret_cast<const Bytef*>(text.data()),
             text.size());
    aus.resize(n);
    return aus;
}

// A list line for a file as the server describes it: name/size/type/checksum.
std::string listenzeile(const std::string& name, const std::string& inhalt, const std::string& typ = "P") {
    return name + "/" + std::to_string(inhalt.size()) + "/" + typ + "/" +
           std::to_string(Hashwert_Daten(inhalt)) + "\r\n";
}

// Every file under the folder with its content.
std::map<std::string, std::string> alle_dateien(const fs::path& ordner) {
    std::map<std::string, std::string> d;
    for (const auto& e : fs::recursive_directory_iterator(ordner))
        if (e.is_regular_file()) {
            std::ifstream in(e.path(), std::ios::binary);
            d[fs::relative(e.path(), ordner).string()] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    return d;
}

class Update : public ::testing::Test {
protected:
    bhmtest::ProgrammOrdner ordner;
    Updateanzeige ui;
    Fensterprotokoll fenster;
    void SetUp() override {
        Error_Silence = false;
        Errorloger = false;
        Oberflaeche_setzen(&ui);
        Shell_setzen(&fenster);
        Server = "127.0.0.1";
        Version = "1.0";
        IFV_Frist_ms = 6000;
        IFV_Dateiliste.clear();
    }
    void TearDown() override {
        Update_abbrechen();
        Oberflaeche_setzen(nullptr);
        Shell_setzen(nullptr);
        IFV_Port = 8096;
        IFV_Frist_ms = 6000;
        IFV_Dateiliste.clear();
    }
    fs::path programm() const { return ordner.dir().path(); }
    std::string updater() const { return ordner.dir().read("Updater.exe"); }
    // Starts the check and runs the frame loop's part until it has ended; a failure when it
    // runs on long after its deadline.
    void pruefen(int port) {
        IFV_Port = port;
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(Update_pruefen(10));
        while (Update_laeuft() &&
               std::chrono::steady_clock::now() - start < std::chrono::milliseconds(IFV_Frist_ms + 10000)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            Update_Tick();
        }
        EXPECT_FALSE(Update_laeuft()) << "the check ends";
    }
    void pruefen(Fakeserver& s) { pruefen(s.port); }
};

// The usual server: the command, the list, the client's size and index, then the file when asked.
struct Ablauf {
    std::string liste;
    std::string datei;
    bool datei_senden = true;
    std::int32_t befehl = 0, groesse = 0, index = 0;
    bool echo_gut = false, danach_still = false;
    void operator()(const Gegenstelle& g) {
        if (!g.int_lesen(befehl)) return;
        echo_gut = g.datei_senden(liste);
        if (!g.int_lesen(groesse) || !g.int_lesen(index)) return;
        if (datei_senden) echo_gut = g.datei_senden(datei) && echo_gut;
        danach_still = g.nichts_mehr();
    }
};

TEST_F(Update, AMissingUpdaterIsFetchedAndAnEqualVersionNeedsNoRestart) {
    Ablauf ablauf{"1.0/2/x/0\r\nReadme.txt/4/P/1\r\n" + listenzeile("Updater.exe", "HALLO"), "HALLO"};
    {
        Fakeserver s(std::ref(ablauf));
        pruefen(s);
    }
    EXPECT_EQ(ablauf.befehl, 10);
    EXPECT_EQ(ablauf.groesse, -1);
    EXPECT_EQ(ablauf.index, 2);
    EXPECT_TRUE(ablauf.echo_gut) << "the client answers each length with the same length";
    EXPECT_TRUE(ablauf.danach_still);
    EXPECT_EQ(updater(), "HALLO");
    EXPECT_FALSE(fs::exists(programm() / "Temp.tmp"));
    EXPECT_EQ(ui.zeilen[2], "Load Patch");
    EXPECT_EQ(ui.zeilen[3], "Check Updater.exe");
    EXPECT_EQ(ui.zeilen[4], "Load new Updater.exe");
    EXPECT_EQ(ui.zeilen[5], "Client is OK");
    EXPECT_EQ(ui.zeilen[7], "PLEASE WAIT...");
    EXPECT_EQ(ui.zaehler, 10);
    EXPECT_FALSE(fenster.beenden);
    EXPECT_EQ(Fehlertext, "");
    ASSERT_GE(IFV_Dateiliste.size(), 6u);
    EXPECT_EQ(IFV_Dateiliste[1].Name, "Readme.txt");
    EXPECT_EQ(IFV_Dateiliste[4].Name, "");
}

TEST_F(Update, ACurrentUpdaterIsNotFetchedAndANewVersionStartsIt) {
    // A program that starts and ends at once.
    fs::copy_file("/bin/true", programm() / "Updater.exe");
    const auto groesse = static_cast<std::int32_t>(fs::file_size(programm() / "Updater.exe"));
    Ablauf ablauf{"2.5/1/x/0\r\n" + listenzeile("Updater.exe", updater()), "", false};
    {
        Fakeserver s(std::ref(ablauf));
        pruefen(s);
    }
    EXPECT_EQ(ablauf.groesse, groesse);
    EXPECT_EQ(ablauf.index, 1);
    EXPECT_TRUE(ablauf.danach_still) << "nothing is received after the two Integers";
    EXPECT_EQ(ui.zeilen[4], "Updater.exe is OK");
    EXPECT_EQ(ui.zeilen[5], "2.5");
    EXPECT_EQ(ui.zeilen[6], "1.0");
    EXPECT_TRUE(fenster.beenden);
    EXPECT_EQ(Fehlertext, "");
}

// A new updater takes the old one's place as a whole: the old file is not written into (a
// second name of it keeps the old bytes), and the new one can be started as the old one could.
TEST_F(Update, ANewUpdaterReplacesTheOldOneWholeAndCanBeStarted) {
    ordner.dir().write("Updater.exe", "#!/bin/sh\nexit 0\n");
    fs::permissions(programm() / "Updater.exe", fs::perms::owner_exec, fs::perm_options::add);
    const std::string alt = updater();
    fs::create_hard_link(programm() / "Updater.exe", programm() / "Zweitname");
    // A program that starts and ends at once.
    const std::string neu = *Datei_lesen("/bin/true");
    Ablauf ablauf{"2.0/1/x/0\r\n" + listenzeile("Updater.exe", neu), neu};
    {
        Fakeserver s(std::ref(ablauf));
        pruefen(s);
    }
    EXPECT_EQ(ui.zeilen[4], "Load new Updater.exe");
    EXPECT_EQ(updater(), neu);
    EXPECT_EQ(ordner.dir().read("Zweitname"), alt) << "the old updater was written into";
    EXPECT_TRUE(fenster.beenden) << Fehlertext;
    EXPECT_EQ(Fehlertext, "");
    for (const auto& e : fs::directory_iterator(programm()))
        EXPECT_EQ(e.path().filename().string().find(".~"), std::string::npos) << "left behind: " << e.path();
}

TEST_F(Update, ACompressedUpdaterIsInflatedAndAnUnstartableOneIsReported) {
    ordner.dir().write("Updater.exe", "ALT");
    const std::string neu(20000, 'u');
    // No "Updater.exe" among the files the header counts: record 4 is asked for, and it is the updater.
    Ablauf ablauf{"9.9/3/x/0\r\na/1/P/1\r\nb/1/P/1\r\nc/1/P/1\r\n" + listenzeile("Updater.exe", neu, "G"),
                  komprimiert(neu)};
    {
        Fakeserver s(std::ref(ablauf));
        pruefen(s);
    }
    EXPECT_EQ(ablauf.index, 4);
    EXPECT_EQ(updater(), neu);
    EXPECT_FALSE(fenster.beenden);
    EXPECT_EQ(Fehlertext, "Die Updater.exe konnte nicht automatisch gestartet werden.");
}

TEST_F(Update, NoServerMeansServerNotFound) {
    pruefen(bhmtest::Lokaler_Port(false).port);  // nobody listens there now
    EXPECT_EQ(Verbindungsfehler, Tcp_abgewiesen);
    EXPECT_EQ(ui.zeilen[1], "Server not found!");
    EXPECT_EQ(ui.zeilen[7], "PLEASE WAIT... ABORT");
    EXPECT_EQ(ui.zaehler, 40);
}

// Sends the bytes one at a time with a pause between them, then waits; true when the client
// hung up before the server was done.
bool traeufeln(const Gegenstelle& g, const std::string& bytes, int pause_ms) {
    for (char c : bytes) {
        if (send(g.fd, &c, 1, MSG_NOSIGNAL) != 1) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms));
    }
    return g.nichts_mehr();
}

std::string netz_integer(std::int32_t w) {
    const std::uint32_t n = htonl(static_cast<std::uint32_t>(w));
    return std::string(reinterpret_cast<const char*>(&n), 4);
}

const char kMuell[] = "\x01\xff/\x80\x00zz\r\n\r\n%%%";

// Whatever a server does, the client writes nothing but a matching updater, never restarts
// for a broken answer, and ends by its deadline while the frame loop goes on. A server that
// is too slow keeps going until the client hangs up, so the deadline is all that ends it;
// a broken answer ends the check before the deadline.
TEST_F(Update, AHostileOrBrokenServerWritesNothingAndEndsInTime) {
    // The client's report of a check ended by its deadline; any report of a deadline.
    const std::string zu_langsam = "zu langsam", frist = "Zeitlimit";
    struct Fall {
        const char* name;
        std::function<void(const Gegenstelle&)> skript;
        std::string meldung = "";  // part of the report
    };
    // Whether the client hung up on a slow server before the server was done.
    std::atomic<bool> aufgelegt{false};
    const std::string vier = "a/1/P/1\r\nb/1/P/1\r\nc/1/P/1\r\n";
    const std::vector<Fall> faelle = {
        {"closes after the command",
         [](const Gegenstelle& g) {
             std::int32_t b;
             g.int_lesen(b);
         }},
        {"says nothing",
         [&](const Gegenstelle& g) {
             std::int32_t b;
             g.int_lesen(b);
             aufgelegt = g.nichts_mehr();
         },
         zu_langsam},
        {"trickles the length",
         [&](const Gegenstelle& g) {
             std::int32_t b;
             g.int_lesen(b);
             aufgelegt = traeufeln(g, netz_integer(40), 700);
         },
         zu_langsam},
        {"announces the largest file and trickles it",
         [&](const Gegenstelle& g) {
             std::int32_t b;
             g.int_lesen(b);
             g.int_senden(IFV_Groesse_max);
             g.int_lesen(b);
             aufgelegt = traeufeln(g, std::string(100, 'x'), 50);
         },
         zu_langsam},
        {"negative length",
         [](const Gegenstelle& g) {
             std::int32_t b;
             g.int_lesen(b);
             g.int_senden(-5);
             g.nichts_mehr();
         }},
        {"length beyond the limit",
         [](const Gegenstelle& g) {
             std::int32_t b;
             g.int_lesen(b);
             g.int_senden(IFV_Groesse_max + 1);
             g.nichts_mehr();
         }},
        {"transfer cut short",
         [](const Gegenstelle& g) {
             std::int32_t b;
             g.int_lesen(b);
             g.int_senden(100);
             g.int_lesen(b);
             g.bytes_senden("nur zehn..");
         }},
        {"garbage for a list", Ablauf{std::string(kMuell, sizeof kMuell - 1), "X"}},
        {"size is no number", Ablauf{"1.0/1/x/0\r\nUpdater.exe/fuenf/P/1\r\n", "HALLO"}},
        {"record 4 names a save",
         Ablauf{"1.0/0/x/0\r\n" + vier + listenzeile("save\\single\\Mein Spiel\\P.sav", "BOESE"), "BOESE"},
         "nicht Updater.exe"},
        {"record 4 names the settings",
         Ablauf{"1.0/0/x/0\r\n" + vier + listenzeile("Config.ini", "BOESE"), "BOESE"}, "nicht Updater.exe"},
        {"record 4 leaves the program folder",
         Ablauf{"1.0/0/x/0\r\n" + vier + listenzeile("..\\boese.txt", "BOESE"), "BOESE"},
         "nicht Updater.exe"},
        {"empty record 4", Ablauf{"1.0/0/x/0\r\n", "LEER"}, "nicht Updater.exe"},
        {"empty version, a new updater", Ablauf{"/1/x/0\r\n" + listenzeile("Updater.exe", "NEU"), "NEU"},
         "keine Version"},
        {"blank version", Ablauf{"   /1/x/0\r\n" + listenzeile("Updater.exe", "NEU"), "NEU"},
         "keine Version"},
        {"a file other than the list describes",
         Ablauf{"2.0/1/x/0\r\n" + listenzeile("Updater.exe", "ECHT"), "FALSCH"}, "passt nicht"},
        {"compressed data that is none", Ablauf{"1.0/1/x/0\r\nUpdater.exe/5/G/1\r\n", "keine zlib-Daten"},
         "zlib"},
        {"compressed data cut short", [] {
             std::string z = komprimiert(std::string(5000, 'k'));
             z.resize(z.size() - 3);
             return Ablauf{"1.0/1/x/0\r\n" + listenzeile("Updater.exe", std::string(5000, 'k'), "G"), z};
         }()}};
    ordner.dir().write("Config.ini", "[Allgemein]\r\nSpielername=Ida\r\n");
    ordner.dir().write("save/single/Mein Spiel/P.sav", "1/2/3\r\n");
    const auto vorher = alle_dateien(programm());
    for (const Fall& f : faelle) {
        ui.zeilen.clear();
        ui.zaehler = 250;
        Fehler_zuruecksetzen();
        const bool langsam = f.meldung == zu_langsam;
        // A short deadline where it is what ends the check; the program's own elsewhere.
        IFV_Frist_ms = langsam ? 1500 : 6000;
        aufgelegt = false;
        {
            Fakeserver s(f.skript);
            pruefen(s);
        }
        if (langsam)
            EXPECT_TRUE(aufgelegt) << f.name << ": the client hangs up on the slow server";
        else
            EXPECT_EQ(Fehlertext.find(frist), std::string::npos)
                << f.name << ": the broken answer ends the check before its deadline: " << Fehlertext;
        EXPECT_EQ(ui.zeilen[6], "Server Offline") << f.name;
        EXPECT_EQ(ui.zeilen[7], "PLEASE WAIT...") << f.name;
        EXPECT_EQ(ui.zaehler, 40) << f.name;
        EXPECT_NE(Fehlertext, "") << f.name;
        EXPECT_NE(Fehlertext.find(f.meldung), std::string::npos) << f.name << ": " << Fehlertext;
        EXPECT_EQ(alle_dateien(programm()), vorher) << f.name;
        EXPECT_FALSE(fs::exists(programm().parent_path() / "boese.txt")) << f.name;
        EXPECT_FALSE(fenster.beenden) << f.name;
    }
}

TEST_F(Update, TheWindowGoesOnWhileTheServerIsSilentAndClosingEndsTheCheck) {
    std::atomic<bool> befehl_da{false}, getrennt{false};
    {
        Fakeserver s([&](const Gegenstelle& g) {
            std::int32_t b;
            befehl_da = g.int_lesen(b);
            getrennt = g.nichts_mehr();
        });
        IFV_Port = s.port;
        IFV_Frist_ms = 6000;
        ASSERT_TRUE(Update_pruefen(10));
        // The caller has control back while the exchange waits for the server.
        EXPECT_TRUE(Update_laeuft());
        EXPECT_FALSE(Update_pruefen(10)) << "one check at a time";
        for (int i = 0; i < 300 && !befehl_da; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            Update_Tick();
        }
        EXPECT_TRUE(befehl_da);
        EXPECT_TRUE(Update_laeuft()) << "the server says nothing more";
        // Closing the window ends the check at once, without a restart.
        Update_abbrechen();
        EXPECT_FALSE(Update_laeuft());
        Update_Tick();
    }
    EXPECT_TRUE(getrennt) << "the connection is closed, so the server's wait ends too";
    EXPECT_FALSE(fenster.beenden);
    EXPECT_FALSE(fs::exists(programm() / "Updater.exe"));
}

TEST(UpdateFelder, FieldsOfALineAreCountedFromZero) {
    EXPECT_EQ(IFV_Feld_lesen("a/bc/d", 0), "a");
    EXPECT_EQ(IFV_Feld_lesen("a/bc/d", 1), "bc");
    EXPECT_EQ(IFV_Feld_lesen("a/bc/d", 2), "d");
    EXPECT_EQ(IFV_Feld_lesen("a/bc/d", 3), "");
    EXPECT_EQ(IFV_Feld_lesen("a//d", 1), "");
    EXPECT_EQ(IFV_Feld_lesen("", 0), "");
}

}  // namespace
