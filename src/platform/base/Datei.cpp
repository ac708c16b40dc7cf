#include "platform/base/Datei.h"

#include <dirent.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/base/Text1252.h"

namespace fs = std::filesystem;

namespace {

// The entry of folder `ordner` whose name equals `name` without regard to case;
// empty when none does.
std::string suche_eintrag(const std::string& ordner, const std::string& name) {
    DIR* d = opendir(ordner.empty() ? "." : ordner.c_str());
    if (!d) return {};
    std::string treffer;
    const std::string gesucht = utf8_zu_1252(name);
    while (dirent* e = readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..") continue;
        if (cp1252_gleich_ohne_fall(utf8_zu_1252(n), gesucht)) {
            treffer = n;
            break;
        }
    }
    closedir(d);
    return treffer;
}

}  // namespace

std::string Pfad_aufloesen(const std::string& pfad) {
    std::string p = cp1252_zu_utf8(pfad);
    for (char& c : p)
        if (c == '\\') c = '/';
    std::string ergebnis;
    std::size_t i = 0;
    if (!p.empty() && p[0] == '/') {
        ergebnis.assign(1, '/');
        i = 1;
    }
    bool vorhanden = true;  // does everything resolved so far exist on disk?
    while (i <= p.size()) {
        std::size_t j = p.find('/', i);
        if (j == std::string::npos) j = p.size();
        std::string teil = p.substr(i, j - i);
        i = j + 1;
        if (teil.empty()) {
            if (j == p.size() && !ergebnis.empty() && ergebnis.back() != '/') ergebnis += '/';
            if (j == p.size()) break;
            continue;
        }
        std::string name = teil;
        if (vorhanden && teil != "." && teil != "..") {
            std::error_code ec;
            if (!fs::exists(fs::path(ergebnis) / teil, ec)) {
                std::string gefunden = suche_eintrag(ergebnis, teil);
                if (gefunden.empty())
                    vorhanden = false;
                else
                    name = gefunden;
            }
        }
        if (!ergebnis.empty() && ergebnis.back() != '/') ergebnis += '/';
        ergebnis += name;
        if (j == p.size()) break;
    }
    return ergebnis;
}

bool Datei_existiert(const std::string& pfad) {
    std::error_code ec;
    return fs::is_regular_file(Pfad_aufloesen(pfad), ec);
}

bool Ordner_existiert(const std::string& pfad) {
    std::error_code ec;
    return fs::is_directory(Pfad_aufloesen(pfad), ec);
}

bool Ordner_anlegen(const std::string& pfad) {
    std::error_code ec;
    std::string p = Pfad_aufloesen(pfad);
    fs::create_directories(p, ec);
    return fs::is_directory(p, ec);
}

std::int64_t Datei_groesse(const std::string& pfad) {
    std::error_code ec;
    auto p = Pfad_aufloesen(pfad);
    if (!fs::is_regular_file(p, ec)) return -1;
    auto n = fs::file_size(p, ec);
    return ec ? -1 : static_cast<std::int64_t>(n);
}

std::int64_t Pfad_aenderungszeit(const std::string& pfad) {
    std::error_code ec;
    const auto t = fs::last_write_time(Pfad_aufloesen(pfad), ec);
    if (ec) return -1;
    const auto sys = std::chrono::file_clock::to_sys(t);
    return std::chrono::duration_cast<std::chrono::nanoseconds>(sys.time_since_epoch()).count();
}

std::optional<std::string> Datei_lesen(const std::string& pfad) {
    // A folder (or a device) where a file is expected is no file: reading it would fail
    // inside the stream buffer, which reports that by throwing.
    const std::string p = Pfad_aufloesen(pfad);
    std::error_code ec;
    if (!fs::is_regular_file(p, ec)) return std::nullopt;
    try {
        std::ifstream in(p, std::ios::binary);
        if (!in) return std::nullopt;
        // In blocks: the image packs are megabytes, and a byte at a time through the
        // stream buffer costs far more than the disk.
        std::string bytes;
        const auto groesse = fs::file_size(p, ec);
        if (!ec) bytes.reserve(static_cast<std::size_t>(groesse));
        char block[1 << 16];
        while (in.read(block, sizeof block) || in.gcount() > 0)
            bytes.append(block, static_cast<std::size_t>(in.gcount()));
        if (in.bad()) return std::nullopt;
        return bytes;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool Datei_schreiben(const std::string& pfad, const std::string& bytes) {
    try {
        std::ofstream out(Pfad_aufloesen(pfad), std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        return !out.fail();
    } catch (const std::exception&) {
        return false;
    }
}

bool Datei_loeschen(const std::string& pfad) {
    std::error_code ec;
    return fs::remove(Pfad_aufloesen(pfad), ec);
}

bool Datei_kopieren(const std::string& quelle, const std::string& ziel) {
    auto inhalt = Datei_lesen(quelle);
    if (!inhalt) return false;
    return Datei_schreiben(ziel, *inhalt);
}

bool Ordner_loeschen(const std::string& pfad) {
    std::error_code ec;
    fs::remove_all(Pfad_aufloesen(pfad), ec);
    return !ec;
}

bool Pfad_umbenennen(const std::string& von, const std::string& nach) {
    std::error_code ec;
    fs::rename(Pfad_aufloesen(von), Pfad_aufloesen(nach), ec);
    return !ec;
}

std::vector<std::string> Ordner_eintraege(const std::string& pfad) {
    std::vector<std::string> namen;
    DIR* d = opendir(Pfad_aufloesen(pfad).c_str());
    if (!d) return namen;
    while (dirent* e = readdir(d)) {
        std::string n = e->d_name;
        if (n != "." && n != "..") namen.push_back(utf8_zu_1252(n));
    }
    closedir(d);
    return namen;
}

std::vector<std::string> Zeilen_teilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::string zeile;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            zeilen.push_back(zeile);
            zeile.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            zeile.push_back(c);
        }
    }
    if (!zeile.empty()) zeilen.push_back(zeile);
    return zeilen;
}

std::optional<std::vector<std::string>> Textdatei_lesen(const std::string& pfad) {
    auto inhalt = Datei_lesen(pfad);
    if (!inhalt) return std::nullopt;
    return Zeilen_teilen(*inhalt);
}

bool Textdatei_schreiben(const std::string& pfad, const std::vector<std::string>& zeilen) {
    std::string bytes;
    for (const auto& z : zeilen) {
        bytes += z;
        bytes += "\r\n";
    }
    return Datei_schreiben(pfad, bytes);
}
