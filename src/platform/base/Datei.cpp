#include "platform/base/Datei.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/base/Text1252.h"

namespace fs = std::filesystem;

namespace {

std::atomic<Datei_Berichtsziel> Berichtsziel{nullptr};

// Reports an exception that ends a file operation. Building the text may fail in turn
// (no memory): then the plain routine name still goes to stderr.
void ausnahme_melden(const char* routine, const std::exception& e, const std::string& pfad) noexcept {
    try {
        const std::string text = std::string(routine) + " > " + e.what() + ": " + pfad;
        if (const Datei_Berichtsziel ziel = Berichtsziel.load())
            ziel(text);
        else
            std::fprintf(stderr, "%s\n", text.c_str());
    } catch (...) {
        std::fprintf(stderr, "%s > Ausnahme\n", routine);
    }
}

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

Datei_Berichtsziel Datei_Berichtsziel_setzen(Datei_Berichtsziel ziel) { return Berichtsziel.exchange(ziel); }

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

bool Datei_schreibgeschuetzt(const std::string& pfad) {
    struct stat st {};
    if (::stat(Pfad_aufloesen(pfad).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
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

namespace {

// Closes the descriptor when it goes.
struct Deskriptor {
    int fd;
    explicit Deskriptor(int f) : fd(f) {}
    ~Deskriptor() {
        if (fd >= 0) ::close(fd);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
};

// Reads up to n bytes (all when n is npos) of a regular file, the known size in one block.
std::optional<std::string> lesen(const std::string& pfad, std::size_t n, const char* routine) {
    // A folder (or a device) where a file is expected is no file, and is not opened.
    const std::string p = Pfad_aufloesen(pfad);
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    Deskriptor d(::open(p.c_str(), O_RDONLY | O_CLOEXEC));
    if (d.fd < 0 || ::fstat(d.fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::string bytes;
    try {
        bytes.resize(std::min(n, static_cast<std::size_t>(st.st_size)));
        std::size_t gelesen = 0;
        while (gelesen < bytes.size()) {
            const ssize_t r = ::read(d.fd, bytes.data() + gelesen, bytes.size() - gelesen);
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) return std::nullopt;
            if (r == 0) break;
            gelesen += static_cast<std::size_t>(r);
        }
        bytes.resize(gelesen);
        // A file that grew since it was measured is read on to its end.
        char block[65536];
        while (bytes.size() < n) {
            const ssize_t r = ::read(d.fd, block, std::min(sizeof block, n - bytes.size()));
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) return std::nullopt;
            if (r == 0) break;
            bytes.append(block, static_cast<std::size_t>(r));
        }
    } catch (const std::exception& e) {
        ausnahme_melden(routine, e, pfad);
        return std::nullopt;
    }
    return bytes;
}

// Writes all bytes to the descriptor; false on failure.
bool alles_schreiben(int fd, const std::string& bytes) {
    std::size_t geschrieben = 0;
    while (geschrieben < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + geschrieben, bytes.size() - geschrieben);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        geschrieben += static_cast<std::size_t>(w);
    }
    return true;
}

// A name beside the on-disk path that no other file has, for a file that takes its place.
std::string nebenname(const std::string& p) {
    static std::atomic<unsigned> zaehler{0};
    return p + ".~" + std::to_string(::getpid()) + "." + std::to_string(zaehler++);
}

}  // namespace

std::optional<std::string> Datei_lesen(const std::string& pfad) {
    return lesen(pfad, std::string::npos, "Datei_lesen");
}

std::optional<std::string> Datei_anfang_lesen(const std::string& pfad, std::size_t n) {
    return lesen(pfad, n, "Datei_anfang_lesen");
}

bool Datei_schreiben(const std::string& pfad, const std::string& bytes) {
    try {
        std::ofstream out(Pfad_aufloesen(pfad), std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        return !out.fail();
    } catch (const std::exception& e) {
        ausnahme_melden("Datei_schreiben", e, pfad);
        return false;
    }
}

bool Datei_ersetzen(const std::string& pfad, const std::string& bytes) {
    const std::string p = Pfad_aufloesen(pfad);
    const std::string neu = nebenname(p);
    bool gut;
    {
        Deskriptor d(::open(neu.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        // The new file takes the old one's permissions (a program stays one that can be started).
        struct stat alt {};
        gut = d.fd >= 0 && (::stat(p.c_str(), &alt) != 0 || !S_ISREG(alt.st_mode) ||
                            ::fchmod(d.fd, alt.st_mode & 07777) == 0);
        gut = gut && alles_schreiben(d.fd, bytes);
        if (d.fd >= 0) gut = ::close(d.fd) == 0 && gut;
        d.fd = -1;
    }
    gut = gut && ::rename(neu.c_str(), p.c_str()) == 0;
    if (!gut) ::unlink(neu.c_str());
    return gut;
}

bool Datei_teilen(const std::string& quelle, const std::string& ziel) {
    if (Dieselbe_Datei(quelle, ziel)) return true;
    const std::string q = Pfad_aufloesen(quelle), z = Pfad_aufloesen(ziel);
    struct stat st {};
    if (::stat(q.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    const std::string neu = nebenname(z);
    if (::link(q.c_str(), neu.c_str()) == 0) {
        if (::rename(neu.c_str(), z.c_str()) == 0) return true;
        ::unlink(neu.c_str());
        return false;
    }
    // A file system without a second name for a file: the bytes are copied.
    auto bytes = Datei_lesen(quelle);
    return bytes && Datei_ersetzen(ziel, *bytes);
}

bool Dieselbe_Datei(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(Pfad_aufloesen(a).c_str(), &sa) == 0 && ::stat(Pfad_aufloesen(b).c_str(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::optional<Dateikennung> Datei_kennung(const std::string& pfad) {
    struct stat st {};
    if (::stat(Pfad_aufloesen(pfad).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return Dateikennung{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                        static_cast<std::int64_t>(st.st_size),
                        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
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

bool Zeile_nehmen(std::string_view& rest, std::string_view& zeile) {
    if (rest.empty()) return false;
    const std::size_t ende = rest.find_first_of("\r\n");
    zeile = rest.substr(0, ende);
    if (ende == std::string_view::npos) {
        rest = {};
    } else {
        const bool crlf = rest[ende] == '\r' && ende + 1 < rest.size() && rest[ende + 1] == '\n';
        rest.remove_prefix(ende + (crlf ? 2 : 1));
    }
    return true;
}

std::vector<std::string_view> Zeilen_ansehen(std::string_view text) {
    std::vector<std::string_view> zeilen;
    std::string_view zeile;
    while (Zeile_nehmen(text, zeile)) zeilen.push_back(zeile);
    return zeilen;
}

std::vector<std::string> Zeilen_teilen(const std::string& text) {
    const std::vector<std::string_view> ansichten = Zeilen_ansehen(text);
    return std::vector<std::string>(ansichten.begin(), ansichten.end());
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
