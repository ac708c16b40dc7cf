#include "render/Interfaceatlas.h"

#include <GL/glu.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <optional>

#include "foundation/Bilddatei.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen_Laden.h"
#include "foundation/Textzeilen.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "render/Modelliste.h"

int ITF_Texturgroesse = 256;
int ITF_Texturgroesse_max = 8192;
std::vector<std::uint8_t> ITF_Belegung;
Bild ITF_Atlasbild;
std::vector<ITF_Rechteck> ITF_Texturkoordinaten;
std::vector<Interface_Item> ITF_Elemente;
std::unique_ptr<TglBitmap2D> ITF_Textur;
std::vector<GLuint> ITF_Listen;
int ITF_MousePopup = 0;

namespace {

constexpr int kZelle = 16;
constexpr int kWachstum = 256;
const std::string kSektion = "Interface";

// The image of the folder being read (tfBGR8).
Bild geladen;

// How the last folder went: placed, did not fit, or could not be read at all.
enum class Ausgang { platziert, passt_nicht, defekt };
Ausgang ausgang = Ausgang::defekt;

int zellen_je_seite() { return ITF_Texturgroesse / kZelle; }

// The side from Config.ini; a value no atlas can have is reported and replaced by 256.
int seite_lesen(const char* routine) {
    const int seite = Config_ReadInteger(Configdatei, kSektion, "Size", 256);
    if (seite >= kZelle && seite <= ITF_Texturgroesse_max) return seite;
    Fehler_melden(std::string(routine) + " > Interface-Size nicht abgefangen : " + std::to_string(seite));
    return 256;
}

// Magenta is keyed out when the atlas loads: the space between images stays invisible.
void magenta_fuellen(Bild& b) {
    for (int y = 0; y < b.hoehe; ++y) {
        std::uint8_t* z = b.Zeile(y);
        for (int x = 0; x < b.breite; ++x) {
            z[3 * x] = 255;
            z[3 * x + 1] = 0;
            z[3 * x + 2] = 255;
        }
    }
}

// The atlas picture of the last build and the file it was written to.
struct Gebautes_Atlasbild {
    std::string datei;
    std::optional<Dateikennung> kennung;
    Bild bild;
} gebaut;

std::string skriptfehler(const std::string& datei) {
    return "SBU > Script konnte nicht geladen werden: " + datei;
}

}  // namespace

// --- Builder -------------------------------------------------------------------

void ITF_Textur_anlegen(int seite) {
    if (seite <= 0) seite = seite_lesen("ITF_Textur_anlegen");
    ITF_Texturgroesse = seite;
    ITF_Atlasbild = Bild(seite, seite, tfBGR8);
    magenta_fuellen(ITF_Atlasbild);
    const int n = zellen_je_seite();
    ITF_Belegung.assign(static_cast<std::size_t>(n) * static_cast<std::size_t>(n) + 1, 0);
    ITF_Texturkoordinaten.clear();
}

bool ITF_Bereich_frei(int breite, int hoehe, int x, int y) {
    const int n = zellen_je_seite();
    if (x < 0 || y < 0 || breite < 0 || hoehe < 0 || x + breite > n || y + hoehe > n) return false;
    for (int j = y; j < y + hoehe; ++j)
        for (int i = x; i < x + breite; ++i)
            if (ITF_Belegung[static_cast<std::size_t>(j) * static_cast<std::size_t>(n) + i] != 0)
                return false;
    return true;
}

void ITF_Pixel_kopieren(int px, int py) {
    // The block was tested against the grid: the image lies inside the atlas.
    const std::size_t bytes = static_cast<std::size_t>(geladen.breite) * 3;
    for (int r = 0; r < geladen.hoehe; ++r)
        std::memcpy(ITF_Atlasbild.Zeile(py + r) + static_cast<std::size_t>(px) * 3, geladen.Zeile(r), bytes);
}

void ITF_Koordinaten_anhaengen(int offX, int offY, int cellX0, int cellX1, int cellY0, int cellY1) {
    ITF_Texturkoordinaten.push_back({offX, offY, cellX0, cellX1, cellY0, cellY1});
}

bool ITF_Bild_platzieren(int n) {
    const int w = geladen.breite, h = geladen.hoehe;
    const int nx = (w + kZelle - 1) / kZelle, ny = (h + kZelle - 1) / kZelle;
    if (w % kZelle != 0 || h % kZelle != 0)
        Fehler_melden(W("Interface_Unit -> Interface-Textur[") + std::to_string(n) +
                      W("] besitzt nicht die richtig Größe."));
    const int seite = zellen_je_seite();
    for (int x = 0; x < seite; ++x)
        for (int y = 0; y < seite; ++y) {
            if (ITF_Belegung[static_cast<std::size_t>(y) * static_cast<std::size_t>(seite) + x] != 0)
                continue;
            if (!ITF_Bereich_frei(nx, ny, x, y)) continue;
            for (int j = y; j < y + ny; ++j)
                for (int i = x; i < x + nx; ++i)
                    ITF_Belegung[static_cast<std::size_t>(j) * static_cast<std::size_t>(seite) + i] = 1;
            ITF_Pixel_kopieren(x * kZelle, y * kZelle);
            ITF_Koordinaten_anhaengen(0, 0, x, x + nx, y, y + ny);
            return true;
        }
    return false;
}

bool ITF_Icondatei_einbauen(const std::string& ordner, const std::string& dateiname, int n) {
    geladen = Bild();
    if (!Bilddatei_laden(ordner + dateiname, geladen)) {
        ausgang = Ausgang::defekt;
        return false;
    }
    try {
        Bild_konvertieren(geladen, tfBGR8);
    } catch (const std::exception& e) {
        Fehler_melden("ITF_Icondatei_einbauen > " + ordner + dateiname + " : " + e.what());
        ausgang = Ausgang::defekt;
        return false;
    }
    const bool platziert = ITF_Bild_platzieren(n);
    ausgang = platziert ? Ausgang::platziert : Ausgang::passt_nicht;
    geladen = Bild();
    return platziert;
}

bool ITF_Ordner_vollstaendig(const std::string& ordner) {
    return SBU_Datei_vorhanden(ordner + "Script.srt") && SBU_Datei_vorhanden(ordner + "Icon.BMP");
}

void ITF_Script_lesen(const std::string& datei, int n, std::string& zeile) {
    if (n < 0 || static_cast<std::size_t>(n) >= ITF_Elemente.size() ||
        static_cast<std::size_t>(n) >= ITF_Texturkoordinaten.size()) {
        Fehler_melden("ITF_Script_lesen > Nummer nicht abgefangen : " + std::to_string(n));
        return;
    }
    const ITF_Rechteck& r = ITF_Texturkoordinaten[static_cast<std::size_t>(n)];
    Interface_Item& e = ITF_Elemente[static_cast<std::size_t>(n)];
    e = Interface_Item{"Nichterkannt", 0, 0, (r.cellY1 - r.cellY0) * kZelle, (r.cellX1 - r.cellX0) * kZelle};
    const auto zeilen = Textdatei_lesen(datei);
    if (!zeilen) {
        Fehler_melden(skriptfehler(datei));
        return;
    }
    for (std::string z : *zeilen) {
        std::string schluessel;
        FFU_Slashteil_entnehmen(z, schluessel);
        if (schluessel == "Titel") {
            e.Titel = z;
            zeile = "ID:" + std::to_string(n) + "=" + z;
            continue;
        }
        int* feld = schluessel == "Left"     ? &e.Left
                    : schluessel == "Top"    ? &e.Top
                    : schluessel == "Height" ? &e.Height
                    : schluessel == "Width"  ? &e.Width
                                             : nullptr;
        if (feld && !FFU_Zahl_lesen(z, *feld)) {
            Fehler_melden(skriptfehler(datei));
            return;
        }
    }
}

void ITF_Bild_einlesen(const std::string& ordner, int n, std::string& zeile) {
    zeile = ITF_Fehlerzeile;
    ausgang = Ausgang::defekt;
    if (!ITF_Ordner_vollstaendig(ordner)) return;
    if (static_cast<std::size_t>(n) >= ITF_Elemente.size())
        ITF_Elemente.resize(static_cast<std::size_t>(n) + 1);
    if (ITF_Icondatei_einbauen(ordner, "Icon.BMP", n)) ITF_Script_lesen(ordner + "Script.srt", n, zeile);
}

bool ITF_Koordinaten_speichern(const std::string& datei) {
    std::vector<std::string> zeilen;
    zeilen.reserve(ITF_Texturkoordinaten.size() * 6);
    for (const ITF_Rechteck& r : ITF_Texturkoordinaten)
        for (int v : {r.offX, r.offY, r.cellX0, r.cellX1, r.cellY0, r.cellY1})
            zeilen.push_back(std::to_string(v));
    return Textdatei_schreiben(datei, zeilen);
}

bool ITF_Elemente_speichern(const std::string& datei) {
    std::vector<std::string> zeilen;
    zeilen.reserve(ITF_Elemente.size() * 5);
    for (const Interface_Item& e : ITF_Elemente) {
        zeilen.push_back(e.Titel);
        for (int v : {e.Left, e.Top, e.Height, e.Width}) zeilen.push_back(std::to_string(v));
    }
    return Textdatei_schreiben(datei, zeilen);
}

void ITF_Interface_erzeugen(const std::string& datenOrdner) {
    const std::string basis = datenOrdner + "Interface\\";
    // The side grows here as well as in the settings: where Config.ini cannot be written, the
    // next attempt must still be larger, or the atlas would be rebuilt at one size for ever.
    int seite = 0;
    for (;;) {
        ITF_Textur_anlegen(seite);
        std::vector<std::string> log{W("Das letzte erstellte Interface besaß folgende Einträge.")};
        bool zu_klein = false;
        int n = 0;
        for (; Ordner_existiert(basis + std::to_string(n)); ++n) {
            std::string zeile;
            ITF_Bild_einlesen(basis + std::to_string(n) + "\\", n, zeile);
            if (ausgang == Ausgang::passt_nicht && ITF_Texturgroesse + kWachstum <= ITF_Texturgroesse_max) {
                seite = ITF_Texturgroesse + kWachstum;
                Config_WriteInteger(Configdatei, kSektion, "Size", seite);
                zu_klein = true;
                break;
            }
            if (ausgang != Ausgang::platziert) {
                // A folder that cannot be built in keeps its number with an empty image; the
                // images after it are still built.
                if (ausgang == Ausgang::passt_nicht)
                    Fehler_melden("ITF_Interface_erzeugen > Interface-Bild[" + std::to_string(n) +
                                  "] passt nicht in " + std::to_string(ITF_Texturgroesse_max) + " Pixel.");
                if (static_cast<std::size_t>(n) >= ITF_Elemente.size())
                    ITF_Elemente.resize(static_cast<std::size_t>(n) + 1);
                ITF_Elemente[static_cast<std::size_t>(n)] = Interface_Item{"Nichterkannt", 0, 0, 0, 0};
                ITF_Koordinaten_anhaengen(0, 0, 0, 0, 0, 0);
            } else if (zeile == ITF_Fehlerzeile) {
                Fehler_melden("ITF_Interface_erzeugen > Interface-Bild[" + std::to_string(n) +
                              "] ohne Titel.");
            }
            log.push_back(zeile);
        }
        if (!zu_klein) ITF_Elemente.resize(static_cast<std::size_t>(n));
        // The picture stays at hand for the texture while the file is the one written now.
        gebaut = {};
        if (Bilddatei_speichern(basis + "ITF.bmp", ITF_Atlasbild)) {
            gebaut.datei = basis + "ITF.bmp";
            gebaut.kennung = Datei_kennung(gebaut.datei);
            gebaut.bild = std::move(ITF_Atlasbild);
        }
        ITF_Atlasbild = Bild();
        if (!Textdatei_schreiben(datenOrdner + "Interface_Log.Txt", log))
            Fehler_melden("ITF_Interface_erzeugen > " + datenOrdner + "Interface_Log.Txt" +
                          " konnte nicht geschrieben werden.");
        if (!ITF_Koordinaten_speichern(basis + "ITF_tex_kor.sav"))
            Fehler_melden("ITF_Interface_erzeugen > " + basis +
                          "ITF_tex_kor.sav konnte nicht geschrieben werden.");
        if (!ITF_Elemente_speichern(basis + "ITF_SBL.sav"))
            Fehler_melden("ITF_Interface_erzeugen > " + basis +
                          "ITF_SBL.sav konnte nicht geschrieben werden.");
        ITF_Belegung.clear();
        if (!zu_klein) return;
    }
}

// --- Start-up ------------------------------------------------------------------

namespace {

// Reads groups of `je` lines; `fuellen` takes one line into field k of entry i and
// returns false when the line is not a number.
template <class T, class F>
void gruppen_laden(const std::string& datei, std::vector<T>& tabelle, int je, F fuellen) {
    const auto zeilen = Textdatei_lesen(datei);
    if (!zeilen) {
        Fehler_melden(skriptfehler(datei));
        return;
    }
    tabelle.clear();
    std::size_t letzte = 0;
    while (letzte < zeilen->size()) {
        tabelle.emplace_back();
        for (int k = 0; k < je; ++k, ++letzte) {
            if (letzte >= zeilen->size() || !fuellen(tabelle.back(), k, (*zeilen)[letzte])) {
                Fehler_melden(skriptfehler(datei));
                return;
            }
        }
    }
}

}  // namespace

void ITF_Koordinaten_laden(const std::string& datei) {
    gruppen_laden(datei, ITF_Texturkoordinaten, 6, [](ITF_Rechteck& r, int k, const std::string& z) {
        int* felder[] = {&r.offX, &r.offY, &r.cellX0, &r.cellX1, &r.cellY0, &r.cellY1};
        return FFU_Zahl_lesen(z, *felder[k]);
    });
}

void ITF_Elemente_laden(const std::string& datei) {
    gruppen_laden(datei, ITF_Elemente, 5, [](Interface_Item& e, int k, const std::string& z) {
        if (k == 0) {
            e.Titel = z;
            return true;
        }
        int* felder[] = {&e.Left, &e.Top, &e.Height, &e.Width};
        return FFU_Zahl_lesen(z, *felder[k - 1]);
    });
}

void ITF_Listen_erzeugen() {
    glColor3f(1, 1, 1);
    ML_Listen_loeschen(ITF_Listen);
    ITF_Listen.assign(ITF_Texturkoordinaten.size(), 0);
    ITF_MousePopup = 0;
    for (std::size_t i = 0; i < ITF_Texturkoordinaten.size(); ++i) {
        const ITF_Rechteck& r = ITF_Texturkoordinaten[i];
        if (i >= ITF_Elemente.size()) {
            Fehler_melden("ITF_Modelliste konnte von Grafigkarte nicht geladen werden.");
            return;
        }
        const GLuint liste = glGenLists(1);
        if (liste == 0) {
            Fehler_melden("ITF_Modelliste konnte von Grafigkarte nicht geladen werden.");
            return;
        }
        ITF_Listen[i] = liste;
        const float w = static_cast<float>((r.cellX1 - r.cellX0) * kZelle + r.offX);
        const float h = static_cast<float>((r.cellY1 - r.cellY0) * kZelle + r.offY);
        glNewList(liste, GL_COMPILE);
        ITF_Quad(r, w, h);
        glEndList();
        if (ITF_Elemente[i].Titel == "MousePopup") ITF_MousePopup = static_cast<int>(i);
    }
}

void ITF_Quad(const ITF_Rechteck& r, float w, float h, float rand) {
    const float seite = static_cast<float>(std::max(ITF_Texturgroesse, 1));
    const float k = static_cast<float>(kZelle) / seite, d = rand / seite;
    ML_Texturquad(static_cast<float>(r.cellX0) * k + d, static_cast<float>(r.cellY0) * k + d,
                  static_cast<float>(r.cellX1) * k - d, static_cast<float>(r.cellY1) * k - d, w, h);
}

void ITF_Quad_gestreckt(const ITF_Rechteck& r, float w, float h, float rand) {
    const float texel_x = static_cast<float>((r.cellX1 - r.cellX0) * kZelle) - 2 * rand;
    const float texel_y = static_cast<float>((r.cellY1 - r.cellY0) * kZelle) - 2 * rand;
    GLint min_filter = 0;
    const bool vergroessert = texel_x > 0 && texel_y > 0 && w >= 2 * texel_x && h >= 2 * texel_y;
    if (vergroessert) {
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
        const GLint basis = min_filter == GL_NEAREST || min_filter == GL_NEAREST_MIPMAP_NEAREST ||
                                    min_filter == GL_NEAREST_MIPMAP_LINEAR
                                ? GL_NEAREST
                                : GL_LINEAR;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, basis);
    }
    ITF_Quad(r, w, h, rand);
    if (vergroessert) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, min_filter);
}

void ITF_Interface_laden() {
    const std::string ordner = Programmpfad + "daten\\Interface\\";
    bool vollstaendig = true;
    for (const char* datei : {"ITF_tex_kor.sav", "ITF_SBL.sav", "ITF.bmp"})
        if (!SBU_Datei_vorhanden(ordner + datei)) {
            vollstaendig = false;
            break;
        }
    if (!vollstaendig) {
        Config_WriteInteger(Configdatei, kSektion, "RELOAD", 1);
        Fehler_melden("Automatische Fehlerkorrektur gestartet. Interface muss neu erzeugt werden.");
    }
    if (Config_ReadBool(Configdatei, kSektion, "RELOAD", true)) {
        ITF_Interface_erzeugen(Programmpfad + "daten\\");
    } else {
        ITF_Koordinaten_laden(ordner + "ITF_tex_kor.sav");
        ITF_Elemente_laden(ordner + "ITF_SBL.sav");
        ITF_Texturgroesse = seite_lesen("ITF_Interface_laden");
    }
    // The atlas just built is not read back from its file.
    const std::string atlas = ordner + "ITF.bmp";
    const bool zur_hand = !gebaut.bild.leer() && gebaut.datei == atlas && gebaut.kennung &&
                          gebaut.kennung == Datei_kennung(atlas);
    Bild bild = std::move(gebaut.bild);
    gebaut = {};
    const bool geladen = zur_hand ? ML_Textur_aus_Bild(ITF_Textur, std::move(bild), atlas, true, false)
                                  : ML_Textur_laden(ITF_Textur, atlas, true, false);
    if (geladen && ITF_Textur->Width() != ITF_Texturgroesse) {
        // The atlas file is what the rectangles were packed into: its side wins over the setting.
        Fehler_melden("ITF_Interface_laden > ITF.bmp hat " + std::to_string(ITF_Textur->Width()) +
                      " Pixel Seitenlaenge, Config.ini nennt " + std::to_string(ITF_Texturgroesse));
        ITF_Texturgroesse = ITF_Textur->Width();
    }
    ITF_Listen_erzeugen();
}

void ITF_Freigeben() {
    ITF_Textur.reset();
    if (!ITF_Listen.empty()) ML_Listen_loeschen(ITF_Listen);
    ITF_Texturkoordinaten.clear();
    ITF_Elemente.clear();
    ITF_Belegung.clear();
    ITF_Atlasbild = Bild();
    gebaut = {};
    ITF_MousePopup = 0;
    ITF_Texturgroesse = 256;
}
