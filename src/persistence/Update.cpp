#include "persistence/Update.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Hilfen.h"
#include "foundation/Seams.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"
#include "platform/base/Prozess.h"
#include "platform/base/Tcp.h"

std::vector<IFV_Datei> IFV_Dateiliste;
int IFV_Port = 8096;
int IFV_Verbindungszeit_ms = 5000;
int IFV_Empfangszeit_ms = 10000;

namespace {

TCPClient Client;

std::string temp() { return Programmpfad + "Temp.tmp"; }

void zeile(int n, const std::string& text) { Oberflaeche().TPU_Updatestatus_setzen(n, text); }
void zeichnen() { Shell().Grafik_Engiene(false); }
void zaehler(int n) { Oberflaeche().IFU_Updateanzeige_Zaehler_setzen(n); }

bool fehler(const std::string& routine, const std::string& text) {
    Fehler_melden(routine + " > " + text);
    return false;
}

bool netzfehler(const std::string& routine) { return fehler(routine, Client.Fehler()); }

// A file name from the server must stay inside the program folder.
bool name_sicher(const std::string& name) {
    if (name.empty() || name[0] == '/' || name[0] == '\\' || name.find(':') != std::string::npos)
        return false;
    std::string teil;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '/' || name[i] == '\\') {
            if (teil.empty() || teil == "." || teil == "..") return false;
            teil.clear();
        } else if (static_cast<unsigned char>(name[i]) < 32) {
            return false;
        } else {
            teil += name[i];
        }
    }
    return true;
}

IFV_Datei& eintrag(int i) {
    if (IFV_Dateiliste.size() <= static_cast<std::size_t>(i))
        IFV_Dateiliste.resize(static_cast<std::size_t>(i) + 1);
    return IFV_Dateiliste[static_cast<std::size_t>(i)];
}

int als_integer(std::int64_t n) {
    return static_cast<int>(
        std::clamp<std::int64_t>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Step 3 of the check: one command over the open connection.
bool austausch(int befehl, bool& neustart) {
    if (!Client.Integer_senden(befehl)) return netzfehler("Update_pruefen");
    zeile(2, "Load Patch");
    zeichnen();
    if (befehl != 10) return true;
    if (!IFV_Dateiliste_holen()) return false;
    const int i = IFV_Updater_Index();
    zeile(3, "Check Updater.exe");
    zeichnen();
    const std::string updater = Programmpfad + "Updater.exe";
    const int groesse = als_integer(FFU_Dateigroesse(updater));
    if (!Client.Integer_senden(groesse) || !Client.Integer_senden(i)) return netzfehler("Update_pruefen");
    const IFV_Datei ziel = eintrag(i);
    bool anders = groesse != ziel.Groesse;
    if (!anders) {
        const auto hash = Hashwert_Datei(updater);
        anders = !hash || *hash != ziel.Hashwert;
    }
    if (anders) {
        zeile(4, "Load new Updater.exe");
        zeichnen();
        if (!IFV_Datei_holen(i)) return false;
    } else {
        zeile(4, "Updater.exe is OK");
        zeichnen();
    }
    const std::string neueste = eintrag(0).Name;
    if (neueste != Version) {
        zeile(5, neueste);
        zeile(6, Version);
        zeichnen();
        neustart = true;
    } else {
        zeile(5, "Client is OK");
        zeile(7, "PLEASE WAIT...");
        zaehler(10);
    }
    return true;
}

}  // namespace

void Update_pruefen(int Befehl) {
    bool neustart = false;
    Verbindungsfehler = 0;
    Client.Host = Server;
    Client.Port = IFV_Port;
    Client.Verbindungszeit_ms = IFV_Verbindungszeit_ms;
    Client.Empfangszeit_ms = IFV_Empfangszeit_ms;
    bool gut = Client.Verbinden();
    if (gut && Verbindungsfehler != 0) {
        zaehler(40);
        zeile(1, "Server not found!");
        zeile(7, "PLEASE WAIT... ABORT");
        zeichnen();
        Client.Trennen();
        return;
    }
    if (!gut) netzfehler("Update_pruefen");
    if (gut && Client.Verbunden()) gut = austausch(Befehl, neustart);
    Client.Trennen();
    if (!gut) {
        zaehler(40);
        zeile(6, "Server Offline");
        zeile(7, "PLEASE WAIT...");
    }
    if (!neustart) return;
    if (Programm_starten(Programmpfad + "Updater.exe"))
        Shell().Programm_beenden();
    else
        Fehler_melden("Die Updater.exe konnte nicht automatisch gestartet werden.");
}

bool IFV_Datei_empfangen() {
    std::int32_t n = 0;
    if (!Client.Integer_empfangen(n)) return netzfehler("IFV_Datei_empfangen");
    if (n < 0 || n > IFV_Groesse_max)
        return fehler("IFV_Datei_empfangen", "unmoegliche Dateilaenge vom Server: " + std::to_string(n));
    if (!Client.Integer_senden(n)) return netzfehler("IFV_Datei_empfangen");
    std::string daten;
    daten.reserve(static_cast<std::size_t>(n));
    if (!Client.Bytes_empfangen(static_cast<std::size_t>(n), daten)) return netzfehler("IFV_Datei_empfangen");
    if (!Datei_schreiben(temp(), daten))
        return fehler("IFV_Datei_empfangen", "kann nicht schreiben: " + temp());
    return true;
}

bool IFV_Dateiliste_holen() {
    const bool gut = IFV_Datei_empfangen() && IFV_Dateiliste_lesen();
    Datei_loeschen(temp());
    return gut;
}

bool IFV_Dateiliste_lesen() {
    auto zeilen = Textdatei_lesen(temp());
    if (!zeilen) return fehler("IFV_Dateiliste_lesen", "kann nicht lesen: " + temp());
    if (zeilen->size() > IFV_Listenzeilen_max)
        return fehler("IFV_Dateiliste_lesen", "zu viele Zeilen: " + std::to_string(zeilen->size()));
    for (std::size_t j = 0; j < zeilen->size(); ++j) {
        const std::string& z = (*zeilen)[j];
        if (IFV_Dateiliste.size() < 2 * (j + 1)) IFV_Dateiliste.resize(2 * (j + 1));
        IFV_Datei d;
        d.Name = IFV_Feld_lesen(z, 0);
        d.Typ = IFV_Feld_lesen(z, 2);
        if (!FFU_Zahl_lesen(IFV_Feld_lesen(z, 1), d.Groesse) ||
            !FFU_Zahl_lesen(IFV_Feld_lesen(z, 3), d.Hashwert))
            return fehler("IFV_Dateiliste_lesen", "Zeile " + std::to_string(j) + " ist unlesbar: " + z);
        IFV_Dateiliste[j] = d;
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

int IFV_Updater_Index() {
    if (IFV_Dateiliste.empty()) return 4;
    const int c = std::min<std::int64_t>(IFV_Dateiliste[0].Groesse,
                                         static_cast<std::int64_t>(IFV_Dateiliste.size()) - 1);
    for (int i = 1; i <= c; ++i)
        if (IFV_Dateiliste[static_cast<std::size_t>(i)].Name == "Updater.exe") return i;
    return 4;
}

bool IFV_Datei_holen(int i) {
    if (i < 0) return fehler("IFV_Datei_holen", "kein Eintrag " + std::to_string(i));
    const IFV_Datei d = eintrag(i);
    bool gut = IFV_Datei_empfangen();
    if (gut && !name_sicher(d.Name))
        gut = fehler("IFV_Datei_holen", "Dateiname ausserhalb des Programmordners: " + d.Name);
    if (gut) {
        const std::string ziel = Programmpfad + d.Name;
        gut = d.Typ == "G" ? IFV_Entpacken(temp(), ziel)
                           : (FFU_Datei_kopieren(temp(), ziel) ||
                              fehler("IFV_Datei_holen", "kann nicht schreiben: " + ziel));
    }
    Datei_loeschen(temp());
    return gut;
}

bool IFV_Entpacken(const std::string& quelle, const std::string& ziel) {
    auto daten = Datei_lesen(quelle);
    if (!daten) return fehler("IFV_Entpacken", "kann nicht lesen: " + quelle);
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return fehler("IFV_Entpacken", "zlib nicht bereit");
    z.next_in = reinterpret_cast<Bytef*>(daten->data());
    z.avail_in = static_cast<uInt>(daten->size());
    std::string aus;
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
    if (r != Z_STREAM_END)
        return fehler("IFV_Entpacken", "Daten sind kein vollstaendiger zlib-Strom: " + quelle);
    if (!Datei_schreiben(ziel, aus)) return fehler("IFV_Entpacken", "kann nicht schreiben: " + ziel);
    return true;
}
