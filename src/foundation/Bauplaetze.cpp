#include "foundation/Bauplaetze.h"

#include "foundation/Fehler.h"
#include "foundation/Geometrie.h"
#include "foundation/Schablonen.h"
#include "platform/base/Datei.h"

namespace {

const Bauplatzfeld* feld(int objekt_id, int i, const char* routine) {
    if (objekt_id >= 0 && static_cast<std::size_t>(objekt_id) < SBU_Bauplaetze.size() && i >= 0 &&
        static_cast<std::size_t>(i) < SBU_Bauplaetze[objekt_id].size())
        return &SBU_Bauplaetze[objekt_id][i];
    Fehler_melden(std::string(routine) + " > Feld " + std::to_string(i) + " von Typ " +
                  std::to_string(objekt_id) + " existiert nicht.");
    return nullptr;
}

}  // namespace

void SBU_Bauplatz_laden(const std::string& pfad, int objekt_id) {
    const long long kartenseite = MG_Kartengroesse;
    if (objekt_id < 0 || objekt_id > SBU_Ordner_max) {
        Fehler_melden("SBU_Bauplatz_laden > ObjektID ungueltig: " + std::to_string(objekt_id));
        return;
    }
    if (SBU_Bauplaetze.size() < static_cast<std::size_t>(objekt_id) + 1) SBU_Bauplaetze.resize(objekt_id + 1);
    std::vector<Bauplatzfeld>& felder = SBU_Bauplaetze[objekt_id];
    felder.clear();
    auto zeilen = Textdatei_lesen(pfad);
    if (!zeilen) {
        Fehler_melden("SBU_Bauplatz_laden > Datei konnte nicht gelesen werden: " + pfad);
        return;
    }
    if (zeilen->empty()) return;
    // A file with control bytes is no character grid (random or binary data): it is told,
    // and the site is the anchor cell alone.
    for (std::size_t r = 0; r < zeilen->size(); ++r)
        for (unsigned char c : (*zeilen)[r])
            if (c < 0x20 || c == 0x7F) {
                Fehler_melden("SBU_Bauplatz_laden > Kein Zeichenraster (Steuerzeichen in Zeile " +
                              std::to_string(r + 1) + "), der Bauplatz ist nur das Bezugsfeld: " + pfad);
                felder.push_back({0, 1});
                return;
            }
    const std::size_t breite = zeilen->front().size();
    auto zeichen = [&](std::size_t zeile, std::size_t spalte) {
        const std::string& z = (*zeilen)[zeile];
        return spalte < z.size() ? z[spalte] : '0';
    };
    // Rows and columns count from 1, so row 0 / column 0 lie outside the grid.
    long long ref_zeile = 0, ref_spalte = 0;
    for (std::size_t r = 0; r < zeilen->size(); ++r)
        for (std::size_t c = 0; c < breite; ++c)
            if (zeichen(r, c) == '4') {
                ref_zeile = static_cast<long long>(r) + 1;
                ref_spalte = static_cast<long long>(c) + 1;
            }
    std::string fehler;
    for (std::size_t r = 1; r < zeilen->size() && fehler.empty(); ++r)
        if ((*zeilen)[r].size() != breite)
            fehler = "Zeile " + std::to_string(r + 1) + " ist " + std::to_string((*zeilen)[r].size()) +
                     " Zeichen lang, die erste " + std::to_string(breite) +
                     " (gelesen wie mit 0 aufgefuellt)";
    if (ref_zeile == 0) fehler += std::string(fehler.empty() ? "" : ", ") + "Kein Bezugsfeld (4) gefunden";
    if (!fehler.empty()) Fehler_melden("SBU_Bauplatz_laden > " + fehler + ": " + pfad);
    for (std::size_t r = 0; r < zeilen->size(); ++r)
        for (std::size_t c = 0; c < breite; ++c) {
            char z = zeichen(r, c);
            if (z == '0') continue;
            long long versatz = (ref_zeile - (static_cast<long long>(r) + 1)) * kartenseite +
                                (static_cast<long long>(c) + 1 - ref_spalte);
            felder.push_back({static_cast<int>(versatz), z == '1' || z == '4' ? 1 : 0});
        }
}

const std::vector<Bauplatzfeld>& SBU_Bauplatz_Felder(int objekt_id) {
    static const std::vector<Bauplatzfeld> keine;
    if (objekt_id < 0 || static_cast<std::size_t>(objekt_id) >= SBU_Bauplaetze.size()) return keine;
    return SBU_Bauplaetze[static_cast<std::size_t>(objekt_id)];
}

int SBU_Bauplatz_Felderzahl(int objekt_id) {
    return static_cast<int>(SBU_Bauplatz_Felder(objekt_id).size()) - 1;
}

int SBU_Bauplatz_Feld_Versatz(int objekt_id, int i) {
    const Bauplatzfeld* f = feld(objekt_id, i, "SBU_Bauplatz_Feld_Versatz");
    return f ? f->Versatz : 0;
}

int SBU_Bauplatz_Feld_belegt(int objekt_id, int i) {
    const Bauplatzfeld* f = feld(objekt_id, i, "SBU_Bauplatz_Feld_belegt");
    return f ? f->belegt : 0;
}
