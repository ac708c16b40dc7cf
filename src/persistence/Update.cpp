#include "persistence/Update.h"

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Seams.h"
#include "platform/base/Datei.h"
#include "platform/base/Prozess.h"
#include "platform/base/Tcp.h"

std::vector<IFV_Datei> IFV_Dateiliste;
int IFV_Port = 8096;
int IFV_Verbindungszeit_ms = 5000;
int IFV_Frist_ms = 6000;

namespace {

// What the exchange hands to the frame loop, in order.
struct Schritt {
    enum Art { Zeile, Zaehler, Meldung } art;
    int n = 0;
    std::string text;
};

// One check. The frame loop fills the inputs before the thread starts and reads
// the results after it has ended; in between they share only the steps (under
// the lock) and the abort flag.
struct Pruefung {
    int befehl = 10;
    std::string host;
    int port = 8096;
    int verbindungszeit_ms = 5000;
    std::uint64_t frist = 0;
    int updater_groesse = -1;
    std::optional<int> updater_hash;
    std::string version;

    std::atomic<bool> abbruch{false};
    std::mutex m;
    std::vector<Schritt> schritte;
    bool fertig = false;

    int kein_server = 0;
    bool gescheitert = false;
    bool neustart = false;
    std::optional<std::string> updater;
    std::vector<IFV_Datei> liste;

    void schritt(Schritt s) {
        std::lock_guard<std::mutex> l(m);
        schritte.push_back(std::move(s));
    }
    void zeile(int n, const std::string& text) { schritt({Schritt::Zeile, n, text}); }
    void zaehler(int n) { schritt({Schritt::Zaehler, n, {}}); }
    bool fehler(const std::string& routine, const std::string& text) {
        schritt({Schritt::Meldung, 0, routine + " > " + text});
        return false;
    }
    IFV_Datei& eintrag(int i) {
        if (liste.size() <= static_cast<std::size_t>(i)) liste.resize(static_cast<std::size_t>(i) + 1);
        return liste[static_cast<std::size_t>(i)];
    }
};

std::shared_ptr<Pruefung> Laufend;
std::thread Faden;
std::size_t Gezeigt = 0;  // steps of the running check already shown

// A grace beyond the deadline for the thread to notice it before the frame loop gives it up.
constexpr int kNachfrist_ms = 500;

int als_integer(std::int64_t n) {
    return static_cast<int>(
        std::clamp<std::int64_t>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::string ohne_raender(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// One transfer into daten.
bool IFV_Datei_empfangen(Pruefung& p, TCPClient& c, std::string& daten) {
    std::int32_t n = 0;
    if (!c.Integer_empfangen(n)) return p.fehler("IFV_Datei_empfangen", c.Fehler());
    if (n < 0 || n > IFV_Groesse_max)
        return p.fehler("IFV_Datei_empfangen", "unmoegliche Dateilaenge vom Server: " + std::to_string(n));
    if (!c.Integer_senden(n)) return p.fehler("IFV_Datei_empfangen", c.Fehler());
    daten.clear();
    if (!c.Bytes_empfangen(static_cast<std::size_t>(n), daten))
        return p.fehler("IFV_Datei_empfangen", c.Fehler());
    return true;
}

bool IFV_Dateiliste_holen(Pruefung& p, TCPClient& c) {
    std::string text;
    if (!IFV_Datei_empfangen(p, c, text)) return false;
    std::string grund;
    if (!IFV_Dateiliste_lesen(text, p.liste, grund)) return p.fehler("IFV_Dateiliste_lesen", grund);
    // Without a version there is nothing to compare and no reason to restart.
    if (ohne_raender(p.eintrag(0).Name).empty())
        return p.fehler("IFV_Dateiliste_lesen", "die Liste nennt keine Version");
    return true;
}

// Receives the updater of record i; it is kept only when it is what the record describes.
bool IFV_Datei_holen(Pruefung& p, TCPClient& c, int i) {
    const IFV_Datei d = p.eintrag(i);
    std::string daten;
    if (!IFV_Datei_empfangen(p, c, daten)) return false;
    if (d.Typ == "G") {
        std::string aus, grund;
        if (!IFV_Entpacken(daten, aus, grund)) return p.fehler("IFV_Entpacken", grund);
        daten = std::move(aus);
    }
    if (static_cast<std::int64_t>(daten.size()) != d.Groesse || Hashwert_Daten(daten) != d.Hashwert)
        return p.fehler("IFV_Datei_holen", std::string(IFV_Updater) + " passt nicht zur Liste (" +
                                               std::to_string(daten.size()) + " Bytes, Pruefsumme " +
                                               std::to_string(Hashwert_Daten(daten)) + ")");
    p.updater = std::move(daten);
    return true;
}

// Step 3 of the check: one command over the open connection.
bool austausch(Pruefung& p, TCPClient& c) {
    if (!c.Integer_senden(p.befehl)) return p.fehler("Update_pruefen", c.Fehler());
    p.zeile(2, "Load Patch");
    if (p.befehl != 10) return true;
    if (!IFV_Dateiliste_holen(p, c)) return false;
    const int i = IFV_Updater_Index(p.liste);
    p.zeile(3, "Check Updater.exe");
    // The server answers the index with that record's file: only the updater's is asked for.
    if (p.eintrag(i).Name != IFV_Updater)
        return p.fehler("IFV_Updater_Index", "Eintrag " + std::to_string(i) + " der Liste ist nicht " +
                                                 IFV_Updater + ": \"" + p.eintrag(i).Name + "\"");
    if (!c.Integer_senden(p.updater_groesse) || !c.Integer_senden(i))
        return p.fehler("Update_pruefen", c.Fehler());
    const IFV_Datei ziel = p.eintrag(i);
    const bool anders =
        p.updater_groesse != ziel.Groesse || !p.updater_hash || *p.updater_hash != ziel.Hashwert;
    if (anders) {
        p.zeile(4, "Load new Updater.exe");
        if (!IFV_Datei_holen(p, c, i)) return false;
    } else {
        p.zeile(4, "Updater.exe is OK");
    }
    const std::string neueste = p.eintrag(0).Name;
    if (neueste != p.version) {
        p.zeile(5, neueste);
        p.zeile(6, p.version);
        p.neustart = true;
    } else {
        p.zeile(5, "Client is OK");
        p.zeile(7, "PLEASE WAIT...");
        p.zaehler(10);
    }
    return true;
}

void gescheitert_zeigen(Pruefung& p) {
    p.zaehler(40);
    p.zeile(6, "Server Offline");
    p.zeile(7, "PLEASE WAIT...");
}

// The thread: the exchange with the server, nothing else.
void ausfuehren(const std::shared_ptr<Pruefung>& pp) {
    Pruefung& p = *pp;
    TCPClient c;
    c.Host = p.host;
    c.Port = p.port;
    c.Verbindungszeit_ms = p.verbindungszeit_ms;
    c.Empfangszeit_ms = std::numeric_limits<int>::max();  // the deadline bounds every wait
    c.Frist_ms = p.frist;
    c.Abbruch = &p.abbruch;
    bool gut = c.Verbinden();
    if (gut && c.Kein_Server() != 0) {
        p.kein_server = c.Kein_Server();
        p.zaehler(40);
        p.zeile(1, "Server not found!");
        p.zeile(7, "PLEASE WAIT... ABORT");
    } else {
        if (!gut) p.fehler("Update_pruefen", c.Fehler());
        if (gut) gut = austausch(p, c);
        if (!gut) {
            p.gescheitert = true;
            p.neustart = false;
            p.updater.reset();
            gescheitert_zeigen(p);
        }
    }
    c.Trennen();
    std::lock_guard<std::mutex> l(p.m);
    p.fertig = true;
}

// Shows the steps the frame loop has not shown yet.
void schritte_zeigen(const std::vector<Schritt>& neu) {
    for (const Schritt& s : neu) {
        switch (s.art) {
            case Schritt::Zeile:
                Oberflaeche().TPU_Updatestatus_setzen(s.n, s.text);
                break;
            case Schritt::Zaehler:
                Oberflaeche().IFU_Updateanzeige_Zaehler_setzen(s.n);
                break;
            case Schritt::Meldung:
                Fehler_melden(s.text);
                break;
        }
    }
}

void faden_loesen(bool warten) {
    if (!Faden.joinable()) return;
    if (warten)
        Faden.join();
    else
        Faden.detach();  // it holds its own share of the check and ends by itself
}

bool ist_fertig(Pruefung& p) {
    std::lock_guard<std::mutex> l(p.m);
    return p.fertig;
}

// The check has ended: the updater goes in place, and a new version starts it.
void abschliessen(Pruefung& p) {
    Verbindungsfehler = p.kein_server;
    for (std::size_t j = 0; j < p.liste.size(); ++j) {
        if (IFV_Dateiliste.size() <= j) IFV_Dateiliste.resize(j + 1);
        IFV_Dateiliste[j] = p.liste[j];
    }
    bool neustart = p.neustart;
    if (p.updater) {
        const std::string pfad = Programmpfad + IFV_Updater;
        // The old updater stays whole until the new one is written completely beside it.
        if (!Datei_ersetzen(pfad, *p.updater)) {
            Fehler_melden("IFV_Datei_holen > kann nicht schreiben: " + pfad);
            Oberflaeche().IFU_Updateanzeige_Zaehler_setzen(40);
            Oberflaeche().TPU_Updatestatus_setzen(6, "Server Offline");
            Oberflaeche().TPU_Updatestatus_setzen(7, "PLEASE WAIT...");
            neustart = false;
        }
    }
    if (!neustart) return;
    if (Programm_starten(Programmpfad + IFV_Updater))
        Shell().Programm_beenden();
    else
        Fehler_melden("Die Updater.exe konnte nicht automatisch gestartet werden.");
}

}  // namespace

bool Update_pruefen(int Befehl) {
    if (Laufend) return false;
    faden_loesen(true);
    auto p = std::make_shared<Pruefung>();
    p->befehl = Befehl;
    p->host = Server;
    p->port = IFV_Port;
    p->verbindungszeit_ms = std::min(IFV_Verbindungszeit_ms, IFV_Frist_ms);
    p->frist = Tcp_Uhr_ms() + static_cast<std::uint64_t>(std::max(0, IFV_Frist_ms));
    const std::string updater = Programmpfad + IFV_Updater;
    p->updater_groesse = als_integer(FFU_Dateigroesse(updater));
    p->updater_hash = Hashwert_Datei(updater);
    p->version = Version;
    Verbindungsfehler = 0;
    Laufend = p;
    Gezeigt = 0;
    try {
        Faden = std::thread(ausfuehren, p);
    } catch (const std::system_error& e) {
        Laufend.reset();
        Fehler_melden(std::string("Update_pruefen > kein Thread: ") + e.what());
        Oberflaeche().IFU_Updateanzeige_Zaehler_setzen(40);
        Oberflaeche().TPU_Updatestatus_setzen(6, "Server Offline");
        Oberflaeche().TPU_Updatestatus_setzen(7, "PLEASE WAIT...");
        return false;
    }
    return true;
}

void Update_Tick() {
    if (!Laufend) return;
    Pruefung& p = *Laufend;
    std::vector<Schritt> neu;
    bool fertig = false;
    {
        std::lock_guard<std::mutex> l(p.m);
        neu.assign(p.schritte.begin() + static_cast<std::ptrdiff_t>(Gezeigt), p.schritte.end());
        Gezeigt = p.schritte.size();
        fertig = p.fertig;
    }
    schritte_zeigen(neu);
    if (fertig) {
        const std::shared_ptr<Pruefung> ende = std::move(Laufend);
        Laufend.reset();
        faden_loesen(true);
        abschliessen(*ende);
        return;
    }
    // A thread stuck where no deadline reaches (a name look-up) is given up.
    if (Tcp_Uhr_ms() > p.frist + kNachfrist_ms) {
        p.abbruch = true;
        Fehler_melden("Update_pruefen > Zeitlimit ueberschritten, der Server antwortet nicht");
        Oberflaeche().IFU_Updateanzeige_Zaehler_setzen(40);
        Oberflaeche().TPU_Updatestatus_setzen(6, "Server Offline");
        Oberflaeche().TPU_Updatestatus_setzen(7, "PLEASE WAIT...");
        Laufend.reset();
        faden_loesen(false);
    }
}

bool Update_laeuft() { return Laufend != nullptr; }

void Update_abbrechen() {
    if (!Laufend) return;
    const std::shared_ptr<Pruefung> p = std::move(Laufend);
    Laufend.reset();
    p->abbruch = true;
    // The exchange notices the flag within a few milliseconds; only a name look-up may keep
    // it longer, and then the program does not wait for it.
    for (int i = 0; i < 60 && !ist_fertig(*p); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    faden_loesen(ist_fertig(*p));
}

bool IFV_Dateiliste_lesen(const std::string& text, std::vector<IFV_Datei>& liste, std::string& fehler) {
    const std::vector<std::string> zeilen = Zeilen_teilen(text);
    if (zeilen.size() > IFV_Listenzeilen_max) {
        fehler = "zu viele Zeilen: " + std::to_string(zeilen.size());
        return false;
    }
    for (std::size_t j = 0; j < zeilen.size(); ++j) {
        const std::string& z = zeilen[j];
        if (liste.size() < 2 * (j + 1)) liste.resize(2 * (j + 1));
        IFV_Datei d;
        d.Name = IFV_Feld_lesen(z, 0);
        d.Typ = IFV_Feld_lesen(z, 2);
        if (!FFU_Zahl_lesen(IFV_Feld_lesen(z, 1), d.Groesse) ||
            !FFU_Zahl_lesen(IFV_Feld_lesen(z, 3), d.Hashwert)) {
            fehler = "Zeile " + std::to_string(j) + " ist unlesbar: " + z.substr(0, 200);
            return false;
        }
        liste[j] = d;
    }
    return true;
}

std::string IFV_Feld_lesen(const std::string& zeile, int k) {
    std::string feld;
    int zaehler = 0;
    for (char c : zeile) {
        if (c == '/') {
            if (++zaehler > k) break;
        } else if (zaehler == k) {
            feld += c;
        }
    }
    return feld;
}

int IFV_Updater_Index(const std::vector<IFV_Datei>& liste) {
    if (liste.empty()) return 4;
    const int c = static_cast<int>(
        std::min<std::int64_t>(liste[0].Groesse, static_cast<std::int64_t>(liste.size()) - 1));
    for (int i = 1; i <= c; ++i)
        if (liste[static_cast<std::size_t>(i)].Name == IFV_Updater) return i;
    return 4;
}

bool IFV_Entpacken(const std::string& gepackt, std::string& aus, std::string& fehler) {
    z_stream z{};
    if (inflateInit(&z) != Z_OK) {
        fehler = "zlib nicht bereit";
        return false;
    }
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gepackt.data()));
    z.avail_in = static_cast<uInt>(gepackt.size());
    aus.clear();
    unsigned char block[4096];
    int r = Z_OK;
    while (r == Z_OK) {
        z.next_out = block;
        z.avail_out = sizeof block;
        r = inflate(&z, Z_NO_FLUSH);
        if (r != Z_OK && r != Z_STREAM_END) break;
        aus.append(reinterpret_cast<char*>(block), sizeof block - z.avail_out);
        if (aus.size() > IFV_Entpackt_max) {
            r = Z_MEM_ERROR;
            break;
        }
        if (r == Z_OK && z.avail_in == 0 && z.avail_out != 0) {
            r = Z_BUF_ERROR;
            break;
        }
    }
    inflateEnd(&z);
    if (r != Z_STREAM_END) {
        fehler = "Daten sind kein vollstaendiger zlib-Strom";
        aus.clear();
        return false;
    }
    return true;
}
