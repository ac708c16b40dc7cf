#include "render/Modelliste.h"

#include <GL/glu.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <exception>
#include <future>
#include <set>

#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Laden.h"
#include "platform/base/Datei.h"
#include "render/Chunks.h"
#include "render/Gelaendebild.h"
#include "render/Vorschaubild.h"

std::unique_ptr<TglBitmap2D> ML_Landschaft, ML_Interfacepack, ML_Personpack, ML_Personechtpack;
std::unique_ptr<TglBitmap2D> ML_Iconpack, ML_Skillpack, ML_Bauiconpack, ML_Gebaeudepack;
std::unique_ptr<TglBitmap2D> ML_Diagrammtextur;
std::array<std::unique_ptr<TglBitmap2D>, 4> ML_Kartentexturen;

std::array<GLuint, ML_Personenframe_Anzahl> ML_Personenframes{}, ML_Personenframes2{};
std::array<GLuint, ML_Interfacemodell_Anzahl> ML_Interfacemodelle{};
std::vector<GLuint> ML_Iconlisten, ML_Skilllisten, ML_Bauiconlisten, ML_Gebaeudelisten;
std::array<ML_Quad, ML_Personenframe_Anzahl> ML_Personenquads{};
std::vector<ML_Quad> ML_Gebaeudequads;

std::array<GLuint, ML_Chunk_Anzahl> ML_Chunklisten{};
std::array<int, ML_Chunk_Anzahl> ML_Chunks_sichtbar{};
int Chunkinteger = 0;

namespace {

const std::string kModellfehler = "Die Grafigkarte kann die Modelliste nicht laden.";

// Textures reported as missing since they last loaded.
std::set<std::string> gemeldet;

// Thrown when the driver hands out no list name.
struct Keine_Liste : std::exception {};

GLuint neue_liste() {
    GLuint l = glGenLists(1);
    if (l == 0) throw Keine_Liste{};
    return l;
}

void gl_fehler_pruefen() {
    Config_GLFehler_pruefen(reinterpret_cast<const char*>(gluErrorString(glGetError())));
}

template <std::size_t N>
void fixe_listen_loeschen(std::array<GLuint, N>& listen) {
    for (GLuint& l : listen) {
        if (l != 0) glDeleteLists(l, 1);
        l = 0;
    }
}

// The quad of a person frame: 16 x 32 pixels, its top edge at depth 0.02.
ML_Quad personenquad(const ML_Rechteck& r) {
    const float u = 1.0f / 64.0f;
    const float w = 16.0f * static_cast<float>(r.Rechts - r.Links);
    const float h = 16.0f * static_cast<float>(r.Unten - r.Oben);
    const float x = static_cast<float>(r.Versatz_X), y = static_cast<float>(r.Versatz_Y);
    const float l = static_cast<float>(r.Links) * u, re = static_cast<float>(r.Rechts) * u;
    const float o = static_cast<float>(r.Oben) * u, un = static_cast<float>(r.Unten) * u;
    return {{{x, y, 0.02f, l, o},
             {x, y + h, 0.0f, l, un},
             {x + w, y + h, 0.0f, re, un},
             {x + w, y, 0.02f, re, o}}};
}

// An interface model: the offsets widen or narrow the drawn size; models 186 and
// 244 have corners of their own.
void interfacequad(int m, const ML_Rechteck& r) {
    const float u = 1.0f / 64.0f;
    const float l = static_cast<float>(r.Links) * u, re = static_cast<float>(r.Rechts) * u;
    const float o = static_cast<float>(r.Oben) * u, un = static_cast<float>(r.Unten) * u;
    std::array<std::array<float, 2>, 4> ecken;
    if (m == 186) {
        ecken = {{{0, 128}, {0, 141}, {138, 0}, {127, 0}}};
    } else if (m == 244) {
        ecken = {{{150, 0}, {0, 200}, {150, 200}, {150, 200}}};
    } else {
        const float w = static_cast<float>(r.Versatz_X + 16 * (r.Rechts - r.Links));
        const float h = static_cast<float>(r.Versatz_Y + 16 * (r.Unten - r.Oben));
        ecken = {{{0, 0}, {0, h}, {w, h}, {w, 0}}};
    }
    const std::array<std::array<float, 2>, 4> tex = {{{l, o}, {l, un}, {re, un}, {re, o}}};
    glBegin(GL_QUADS);
    for (std::size_t i = 0; i < 4; ++i) {
        glTexCoord2f(tex[i][0], tex[i][1]);
        glVertex3f(ecken[i][0], ecken[i][1], 0.0f);
    }
    glEnd();
}

// One list per icon of a 1024-pixel pack with square cells of c pixels; `anzahl` entries.
void iconlisten_erzeugen(int c, std::size_t anzahl, std::vector<GLuint>& listen) {
    ML_Listen_loeschen(listen);
    try {
        const int pro_zeile = 1024 / c;
        const float u = 1.0f / 1024.0f;
        glColor3f(1, 1, 1);
        listen.assign(anzahl, 0);
        for (std::size_t k = 0; k < anzahl; ++k) {
            const int spalte = static_cast<int>(k % static_cast<std::size_t>(pro_zeile));
            const int zeile = static_cast<int>(k / static_cast<std::size_t>(pro_zeile));
            const float s0 = static_cast<float>(spalte * c) * u, s1 = static_cast<float>(spalte * c + c) * u;
            const float t0 = static_cast<float>(zeile * c) * u, t1 = static_cast<float>(zeile * c + c) * u;
            const float cf = static_cast<float>(c);
            listen[k] = neue_liste();
            glNewList(listen[k], GL_COMPILE);
            ML_Texturquad(s0, t0, s1, t1, cf, cf);
            glEndList();
        }
    } catch (const Keine_Liste&) {
        Fehler_melden(kModellfehler);
    }
    gl_fehler_pruefen();
}

bool ist_weg(int typ) { return std::find(SBU_Way_IDs.begin(), SBU_Way_IDs.end(), typ) != SBU_Way_IDs.end(); }

// One list per atlas entry; an entry without a picture keeps its place with 0.
void gebaeudelisten_erzeugen() {
    ML_Listen_loeschen(ML_Gebaeudelisten);
    const float u = 1.0f / 128.0f;  // cells per side of the 2048-pixel atlas
    ML_Gebaeudelisten.assign(SBA_Atlastabelle.size(), 0);
    ML_Gebaeudequads.assign(SBA_Atlastabelle.size(), ML_Quad{});
    try {
        for (std::size_t k = 0; k < SBA_Atlastabelle.size(); ++k) {
            const Atlaseintrag& e = SBA_Atlastabelle[k];
            if (e.Rechts <= e.Links || e.Unten <= e.Oben) continue;
            ML_Zellrechteck = ML_Rechteck{e.Anker_X, e.Anker_Y, e.Links, e.Rechts, e.Oben, e.Unten};
            float neigung = std::min(static_cast<float>(e.Unten - e.Oben) / 100.0f, 0.5f);
            if (ist_weg(static_cast<int>(k))) neigung = 0;
            const float w = 16.0f * static_cast<float>(e.Rechts - e.Links);
            const float h = 16.0f * static_cast<float>(e.Unten - e.Oben);
            const float x = static_cast<float>(e.Anker_X), y = static_cast<float>(e.Anker_Y);
            const float l = static_cast<float>(e.Links) * u, re = static_cast<float>(e.Rechts) * u;
            const float o = static_cast<float>(e.Oben) * u, un = static_cast<float>(e.Unten) * u;
            ML_Gebaeudequads[k] = {{{x, y + h, 0, l, un},
                                    {x + w, y + h, 0, re, un},
                                    {x + w, y, neigung, re, o},
                                    {x, y, neigung, l, o}}};
            ML_Gebaeudelisten[k] = neue_liste();
            glNewList(ML_Gebaeudelisten[k], GL_COMPILE);
            ML_Quad_ausgeben(ML_Gebaeudequads[k]);
            glEndList();
        }
    } catch (const Keine_Liste&) {
        Fehler_melden(kModellfehler);
    }
    gl_fehler_pruefen();
}

// Magenta made transparent and the picture mirrored, as asked.
void aufbereiten(TglBitmap2D& bild, bool farbschluessel, bool spiegeln) {
    if (farbschluessel) bild.ColorKeyToAlpha(255, 0, 255, 0);
    if (spiegeln) bild.MirrorHorizontal();
}

// The picture of a texture from the file (or its bytes), keyed and mirrored as asked, before
// it becomes a texture. Needs no rendering context; throws what the texture object throws.
std::unique_ptr<TglBitmap2D> bild_lesen(const std::string& datei, const std::string* bytes,
                                        bool farbschluessel, bool spiegeln) {
    auto neu = std::make_unique<TglBitmap2D>();
    if (bytes) {
        Lesestrom strom(*bytes);
        neu->LoadFromStream(strom);
    } else {
        neu->LoadFromFile(datei);
    }
    aufbereiten(*neu, farbschluessel, spiegeln);
    return neu;
}

void textur_fehler(const std::string& datei) {
    Fehler_melden("Textur konnte nicht geladen werden : " + datei);
}

// Makes the read picture the texture; false (reported) when that fails.
bool textur_erzeugen(std::unique_ptr<TglBitmap2D>& textur, std::unique_ptr<TglBitmap2D> neu,
                     const std::string& datei) {
    try {
        neu->GenTexture(true);
    } catch (const std::exception&) {
        textur_fehler(datei);
        return false;
    }
    textur = std::move(neu);
    return true;
}

// The texture from the file's bytes, as ML_Textur_laden builds it.
bool textur_bauen(std::unique_ptr<TglBitmap2D>& textur, const std::string& datei, const std::string* bytes,
                  bool farbschluessel, bool spiegeln) {
    textur.reset();
    std::unique_ptr<TglBitmap2D> neu;
    try {
        neu = bild_lesen(datei, bytes, farbschluessel, spiegeln);
    } catch (const std::exception&) {
        textur_fehler(datei);
        return false;
    }
    return textur_erzeugen(textur, std::move(neu), datei);
}

// What a pack texture was built from: the file's size and a hash of its bytes, and the file
// on disk as it was then.
struct Herkunft {
    std::uint64_t groesse = 0, hash = 0;
    std::optional<Dateikennung> datei;
    bool gleiche_bytes(const Herkunft& h) const { return groesse == h.groesse && hash == h.hash; }
};

Herkunft herkunft_von(const std::string& bytes) {
    constexpr std::uint64_t k1 = 0x9E3779B97F4A7C15ull, k2 = 0xC2B2AE3D27D4EB4Full;
    std::uint64_t h = bytes.size() * k1;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, bytes.data() + i, 8);
        h ^= w * k2;
        h = ((h << 31) | (h >> 33)) * k1;
    }
    for (; i < bytes.size(); ++i) h = (h ^ static_cast<unsigned char>(bytes[i])) * k2;
    h ^= h >> 29;
    return {bytes.size(), h * k1, std::nullopt};
}

// One of the four packs of a game. A world reset puts its texture aside: the next game
// mostly brings the same picture, which then needs no new texture.
struct Packplatz {
    std::unique_ptr<TglBitmap2D>* textur;
    const char* datei;
    Herkunft herkunft;  // of *textur
    std::unique_ptr<TglBitmap2D> beiseite;
    Herkunft beiseite_herkunft;
};

// A pack read ahead on a worker thread: the file as it was when reading began, the picture
// keyed (or, when that failed, none).
struct Vorrat {
    std::optional<Dateikennung> datei;
    Herkunft herkunft;
    bool gelesen = false;  // the file's bytes were read
    std::unique_ptr<TglBitmap2D> bild;
};

struct Vorlesen {
    std::string ordner;
    std::future<std::array<Vorrat, 4>> ergebnis;
};

std::optional<Vorlesen>& vorlesen() {
    static std::optional<Vorlesen> v;
    return v;
}

std::array<Packplatz, 4>& packplaetze() {
    static std::array<Packplatz, 4> p = {{{&ML_Iconpack, "Iconpack.BMP", {}, nullptr, {}},
                                          {&ML_Skillpack, "Skillpack.BMP", {}, nullptr, {}},
                                          {&ML_Bauiconpack, "Bauiconpack.BMP", {}, nullptr, {}},
                                          {&ML_Gebaeudepack, "Gebaeudepack.BMP", {}, nullptr, {}}}};
    return p;
}

}  // namespace

bool ML_Textur_laden(std::unique_ptr<TglBitmap2D>& textur, const std::string& datei, bool farbschluessel,
                     bool spiegeln) {
    return textur_bauen(textur, datei, nullptr, farbschluessel, spiegeln);
}

bool ML_Textur_aus_Bild(std::unique_ptr<TglBitmap2D>& textur, Bild bild, const std::string& datei,
                        bool farbschluessel, bool spiegeln) {
    textur.reset();
    auto neu = std::make_unique<TglBitmap2D>();
    try {
        neu->SetPixelData(std::move(bild));
        aufbereiten(*neu, farbschluessel, spiegeln);
    } catch (const std::exception&) {
        textur_fehler(datei);
        return false;
    }
    return textur_erzeugen(textur, std::move(neu), datei);
}

void ML_Grundtexturen_laden() {
    const std::string ordner = Programmpfad + "Texture\\aktiv\\";
    ML_Textur_laden(ML_Landschaft, ordner + "Landschaft.bmp", false, false);
    ML_Textur_laden(ML_Interfacepack, ordner + "Interfacepack.bmp", true, false);
    ML_Textur_laden(ML_Personpack, ordner + "Personpack.bmp", true, false);
    ML_Textur_laden(ML_Personechtpack, ordner + "Personechtpack.bmp", true, false);
    gemeldet.clear();
}

void ML_Modelliste_laden() {
    fixe_listen_loeschen(ML_Personenframes);
    fixe_listen_loeschen(ML_Personenframes2);
    fixe_listen_loeschen(ML_Interfacemodelle);
    try {
        glColor3f(1, 1, 1);
        for (auto* listen : {&ML_Personenframes, &ML_Personenframes2}) {
            for (int n = 0; n < ML_Personenframe_Anzahl; ++n) {
                ML_Personenframe_Rechteck(n);
                ML_Quad& q = ML_Personenquads[static_cast<std::size_t>(n)];
                q = personenquad(ML_Zellrechteck);
                GLuint l = neue_liste();
                (*listen)[static_cast<std::size_t>(n)] = l;
                glNewList(l, GL_COMPILE);
                ML_Quad_ausgeben(q);
                glEndList();
            }
        }
        for (int m = 0; m < ML_Interfacemodell_Anzahl; ++m) {
            ML_Interfacemodell_Rechteck(m);
            GLuint l = neue_liste();
            ML_Interfacemodelle[static_cast<std::size_t>(m)] = l;
            glNewList(l, GL_COMPILE);
            interfacequad(m, ML_Zellrechteck);
            glEndList();
        }
    } catch (const Keine_Liste&) {
        Fehler_melden(kModellfehler);
    }
}

void ML_Iconpacks_vorbereiten(const std::string& ordner) {
    ML_Iconpacks_vorbereiten_verwerfen();
    std::array<std::string, 4> pfade;
    for (std::size_t i = 0; i < pfade.size(); ++i) pfade[i] = ordner + packplaetze()[i].datei;
    vorlesen() = Vorlesen{ordner, std::async(std::launch::async, [pfade] {
                              std::array<Vorrat, 4> vorrat;
                              for (std::size_t i = 0; i < pfade.size(); ++i) {
                                  Vorrat& v = vorrat[i];
                                  v.datei = Datei_kennung(pfade[i]);
                                  if (!v.datei) continue;
                                  const std::optional<std::string> bytes = Datei_lesen(pfade[i]);
                                  if (!bytes) continue;
                                  v.gelesen = true;
                                  v.herkunft = herkunft_von(*bytes);
                                  v.herkunft.datei = v.datei;
                                  try {
                                      v.bild = bild_lesen(pfade[i], &*bytes, true, false);
                                  } catch (const std::exception&) {
                                      v.bild.reset();
                                  }
                              }
                              return vorrat;
                          })};
}

void ML_Iconpacks_vorbereiten_verwerfen() {
    if (vorlesen() && vorlesen()->ergebnis.valid()) vorlesen()->ergebnis.wait();
    vorlesen().reset();
}

void ML_Iconpacks_laden(const std::string& ordner) {
    std::optional<std::array<Vorrat, 4>> vorrat;
    if (vorlesen() && vorlesen()->ordner == ordner) vorrat = vorlesen()->ergebnis.get();
    ML_Iconpacks_vorbereiten_verwerfen();
    for (std::size_t i = 0; i < packplaetze().size(); ++i) {
        Packplatz& p = packplaetze()[i];
        const std::string pfad = ordner + p.datei;
        if (!SBU_Datei_vorhanden(pfad)) continue;
        // The very file a texture was built from, unchanged since (packs are only ever replaced
        // as a whole), needs no reading.
        const std::optional<Dateikennung> kennung = Datei_kennung(pfad);
        auto dieselbe_datei = [&](const Herkunft& h) { return kennung && h.datei == kennung; };
        if (*p.textur && dieselbe_datei(p.herkunft)) continue;
        if (p.beiseite && dieselbe_datei(p.beiseite_herkunft)) {
            *p.textur = std::move(p.beiseite);
            p.herkunft = p.beiseite_herkunft;
            continue;
        }
        // What was read ahead counts only while the file is still the one that was read.
        Vorrat* v = vorrat ? &(*vorrat)[i] : nullptr;
        if (v && !(v->gelesen && dieselbe_datei(v->herkunft))) v = nullptr;
        const std::optional<std::string> bytes = v ? std::nullopt : Datei_lesen(pfad);
        const bool gelesen = v || bytes;
        Herkunft h = v ? v->herkunft : bytes ? herkunft_von(*bytes) : Herkunft{};
        h.datei = kennung;
        // The same picture as the texture in place, or as the one put aside, is not built again.
        if (gelesen && *p.textur && p.herkunft.gleiche_bytes(h)) {
            p.herkunft = h;
            continue;
        }
        if (gelesen && p.beiseite && p.beiseite_herkunft.gleiche_bytes(h)) {
            *p.textur = std::move(p.beiseite);
            p.herkunft = h;
            continue;
        }
        bool gebaut = false;
        if (!v) {
            gebaut = textur_bauen(*p.textur, pfad, bytes ? &*bytes : nullptr, true, false);
        } else {
            // Read ahead: a picture that could not be read is reported as the plain way reports it.
            p.textur->reset();
            if (v->bild)
                gebaut = textur_erzeugen(*p.textur, std::move(v->bild), pfad);
            else
                textur_fehler(pfad);
        }
        p.herkunft = gebaut ? h : Herkunft{};
    }
    for (Packplatz& p : packplaetze()) p.beiseite.reset();
    gemeldet.clear();
}

void ML_Iconpacks_freigeben() {
    for (Packplatz& p : packplaetze()) {
        if (*p.textur) {
            p.beiseite = std::move(*p.textur);
            p.beiseite_herkunft = p.herkunft;
        }
        p.textur->reset();
        p.herkunft = {};
    }
}

void ML_Packlisten_erzeugen() {
    iconlisten_erzeugen(32, SBU_Waren.size(), ML_Iconlisten);
    iconlisten_erzeugen(32, SBU_Skills.size(), ML_Skilllisten);
    iconlisten_erzeugen(64, SBU_Objekte.size(), ML_Bauiconlisten);
    gebaeudelisten_erzeugen();
}

void ML_Packlisten_loeschen() {
    for (auto* listen : {&ML_Iconlisten, &ML_Skilllisten, &ML_Bauiconlisten, &ML_Gebaeudelisten})
        if (!listen->empty()) ML_Listen_loeschen(*listen);
    ML_Gebaeudequads.clear();
}

void ML_Kartentexturen_freigeben() {
    ML_Diagrammtextur.reset();
    for (auto& t : ML_Kartentexturen) t.reset();
}

void ML_Texturquad(float s0, float t0, float s1, float t1, float w, float h) {
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t0);
    glVertex3f(0, 0, 0);
    glTexCoord2f(s0, t1);
    glVertex3f(0, h, 0);
    glTexCoord2f(s1, t1);
    glVertex3f(w, h, 0);
    glTexCoord2f(s1, t0);
    glVertex3f(w, 0, 0);
    glEnd();
}

void ML_Listen_loeschen(std::vector<GLuint>& listen) {
    for (GLuint l : listen)
        if (l != 0) glDeleteLists(l, 1);
    listen.clear();
    gl_fehler_pruefen();
}

void ML_Alles_freigeben() {
    ML_Iconpacks_vorbereiten_verwerfen();
    ML_Packlisten_loeschen();
    ML_Iconpacks_freigeben();
    for (Packplatz& p : packplaetze()) p.beiseite.reset();
    ML_Kartentexturen_freigeben();
    fixe_listen_loeschen(ML_Personenframes);
    fixe_listen_loeschen(ML_Personenframes2);
    fixe_listen_loeschen(ML_Interfacemodelle);
    Chunk_Listen_loeschen();
    SP_Freigeben();
    GB_Freigeben();
    VB_Freigeben();
    ML_Landschaft.reset();
    ML_Interfacepack.reset();
    ML_Personpack.reset();
    ML_Personechtpack.reset();
}

bool ML_Binden(const TglBitmap2D* textur, const char* name) {
    if (!textur || textur->ID() == 0) {
        if (gemeldet.insert(name).second) Fehler_melden(std::string("Textur nicht geladen : ") + name);
        return false;
    }
    textur->BindTexture(true);
    return true;
}

void ML_Loesen() {
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
}

bool ML_Liste_rufen(const std::vector<GLuint>& listen, int k) {
    if (k < 0 || static_cast<std::size_t>(k) >= listen.size() || listen[static_cast<std::size_t>(k)] == 0)
        return false;
    glCallList(listen[static_cast<std::size_t>(k)]);
    return true;
}

void ML_Meldungen_zuruecksetzen() { gemeldet.clear(); }
