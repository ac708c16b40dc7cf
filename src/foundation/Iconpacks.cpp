#include "foundation/Iconpacks.h"

#include <algorithm>

#include "foundation/Bilddatei.h"
#include "foundation/Fehler.h"
#include "foundation/Packbilder.h"

namespace {

// Copies the picture to (x, y) of the pack, cut at the pack's edges; false when it had to be cut.
bool kopieren(const Bild& bild, Bild& pack, long long x, long long y) {
    bool ganz = true;
    for (int zeile = 0; zeile < bild.hoehe; ++zeile) {
        const long long py = y + zeile;
        if (py < 0 || py >= pack.hoehe) {
            ganz = false;
            continue;
        }
        const long long von = std::max(0LL, -x);
        const long long bis = std::min<long long>(bild.breite, pack.breite - x);
        if (von > 0 || bis < bild.breite) ganz = false;
        if (bis <= von) continue;
        std::copy_n(bild.Zeile(zeile) + 3 * von, 3 * (bis - von),
                    pack.Zeile(static_cast<int>(py)) + 3 * (x + von));
    }
    return ganz;
}

bool vorlage_in_pack(const std::string& routine, const std::string& bildpfad, const std::string& packpfad,
                     int n, bool (*stelle)(const Bild&, const Bild&, int, long long&, long long&)) {
    if (n < 0) {
        Fehler_melden(routine + " > Nummer ungueltig: " + std::to_string(n));
        return false;
    }
    Bild bild;
    if (!Packbild_Vorlage_laden(bildpfad, bild)) return false;
    Bild* pack = Packbild(packpfad);
    if (!pack) return false;
    long long x = 0, y = 0;
    if (!stelle(bild, *pack, n, x, y)) {
        Fehler_melden(routine + " > " + bildpfad + " passt nicht in " + packpfad);
        return false;
    }
    Packbild_geaendert(packpfad);
    if (!kopieren(bild, *pack, x, y))
        Fehler_melden(routine + " > " + bildpfad + " ragt ueber " + packpfad +
                      " hinaus und wird abgeschnitten.");
    return true;
}

// Cell n of a square grid whose side is the icon's height.
bool iconzelle(const Bild& icon, const Bild& pack, int n, long long& x, long long& y) {
    const int h = icon.hoehe;
    const int pro_zeile = pack.hoehe / h;
    if (pro_zeile < 1) return false;
    x = static_cast<long long>(n % pro_zeile) * h;
    y = static_cast<long long>(n / pro_zeile) * h;
    return y < pack.hoehe;
}

// Ten goods a row, 96 x 32 pixels each, from pixel row 256.
bool tragestelle(const Bild&, const Bild& pack, int n, long long& x, long long& y) {
    x = static_cast<long long>(n % 10) * 96;
    y = 256 + static_cast<long long>(n / 10) * 32;
    return y < pack.hoehe;
}

}  // namespace

void SBI_Packs_anlegen(const std::string& programmordner) {
    Bild leer;
    if (!Packbild_Vorlage_laden(programmordner + SBI_Leerpack, leer)) return;
    for (const std::string* pack : {&SBI_Skillpack, &SBI_Iconpack, &SBI_Bauiconpack})
        Packbild_setzen(programmordner + *pack, leer);
}

bool SBI_Icon_in_Pack(const std::string& vorlagenordner, const std::string& programmordner,
                      const std::string& packpfad, int n) {
    return vorlage_in_pack("SBI_Icon_in_Pack", vorlagenordner + "Icon.BMP", programmordner + packpfad, n,
                           iconzelle);
}

bool SBWT_Frame_in_Personpack(const std::string& vorlagenordner, const std::string& programmordner,
                              const std::string& packpfad, int n, const std::string& datei) {
    return vorlage_in_pack("SBWT_Frame_in_Personpack", vorlagenordner + datei, programmordner + packpfad, n,
                           tragestelle);
}

bool SBI_Pack_kopieren(const std::string& von, const std::string& nach, const std::string& name) {
    return Packbild_kopieren(von + name, nach + name);
}
