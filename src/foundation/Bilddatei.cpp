#include "foundation/Bilddatei.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "foundation/Fehler.h"
#include "platform/base/Datei.h"

bool Lesestrom::Lesen(void* ziel, std::size_t n) {
    if (Rest() < n) return false;
    if (n > 0) std::memcpy(ziel, Zeiger(), n);
    pos += n;
    return true;
}

bool Lesestrom::Ueberspringen(std::size_t n) {
    if (Rest() < n) return false;
    pos += n;
    return true;
}

namespace {

std::uint16_t u16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}
std::int32_t i32(const std::uint8_t* p) { return static_cast<std::int32_t>(u32(p)); }

void put16(std::string& s, std::uint32_t w) {
    s.push_back(static_cast<char>(w & 0xFF));
    s.push_back(static_cast<char>((w >> 8) & 0xFF));
}
void put32(std::string& s, std::uint32_t w) {
    put16(s, w & 0xFFFF);
    put16(s, w >> 16);
}

// Puts the read position back where a reader started unless the reader keeps it.
struct Rueckstellung {
    Lesestrom& strom;
    std::size_t start;
    bool aktiv = true;
    ~Rueckstellung() {
        if (aktiv) strom.pos = start;
    }
};

// One pixel of a file format that is not a table format: unpacked with the converter, its
// channels brought to the ranges of the image format, packed with the image format.
struct Umsetzer {
    const TFormatDescriptor& wandler;
    const TFormatDescriptor& ziel;
    Pixeldaten q, z;
    Umsetzer(const TFormatDescriptor& w, const TFormatDescriptor& zd) : wandler(w), ziel(zd) {
        wandler.PreparePixel(q);
    }
    // Converts one row of `breite` pixels.
    void zeile(const std::uint8_t* von, std::uint8_t* nach, int breite) {
        Abbildungszustand lz, sz;
        for (int x = 0; x < breite; ++x) {
            wandler.UnmapPixel(von, q, lz);
            ziel.PreparePixel(z);
            for (int k = 0; k < 4; ++k)
                if (z.bereich[k] > 0) z.wert[k] = Kanal_umrechnen(q.wert[k], q.bereich[k], z.bereich[k]);
            ziel.MapPixel(z, nach, sz);
        }
    }
};

std::string zahl(long long n) { return std::to_string(n); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// BMP

bool BMP_lesen(Lesestrom& s, Bild& bild) {
    const std::size_t start = s.pos;
    if (s.Rest() < 2 || s.Zeiger()[0] != 'B' || s.Zeiger()[1] != 'M') return false;
    Rueckstellung zurueck{s, start};
    const std::string kurz = "LoadBMP - unexpected end of file";

    std::uint8_t dateikopf[14];
    if (!s.Lesen(dateikopf, sizeof dateikopf)) throw Bildfehler(kurz);
    const std::uint32_t datenversatz = u32(dateikopf + 10);

    // The information header: 40 bytes, or a later version whose first 40 bytes are the same.
    std::uint8_t kopf[124] = {};
    if (!s.Lesen(kopf, 4)) throw Bildfehler(kurz);
    const std::uint32_t kopfgroesse = u32(kopf);
    if (kopfgroesse != 40 && kopfgroesse != 52 && kopfgroesse != 56 && kopfgroesse != 108 &&
        kopfgroesse != 124)
        throw Bildfehler("LoadBMP - unsupported information header size " + zahl(kopfgroesse));
    if (!s.Lesen(kopf + 4, kopfgroesse - 4)) throw Bildfehler(kurz);
    const long long breite = i32(kopf + 4);
    long long hoehe = i32(kopf + 8);
    const int bits = u16(kopf + 14);
    const std::uint32_t kompression = u32(kopf + 16);
    const std::uint32_t farben = u32(kopf + 32);

    if (kompression == 1 || kompression == 2) throw Bildfehler("RLE compression is not supported");
    if (kompression > 3) throw Bildfehler("LoadBMP - unsupported compression " + zahl(kompression));
    std::uint32_t masken[4] = {};
    if (kompression == 3) {
        if (bits != 16 && bits != 32)
            throw Bildfehler("Bitfields are only supported for 16bit and 32bit formats");
        if (kopfgroesse >= 52) {
            // Later headers hold the masks themselves; the alpha mask from 56 bytes on.
            for (int k = 0; k < 3; ++k) masken[k] = u32(kopf + 40 + 4 * k);
            if (kopfgroesse >= 56) masken[3] = u32(kopf + 52);
        } else {
            // After a 40-byte header come the red, green and blue masks, and an alpha mask only
            // when the pixel data leaves room for it.
            std::uint8_t m[16];
            std::size_t anzahl = datenversatz >= 14 + 40 + 16 ? 16 : 12;
            if (!s.Lesen(m, anzahl)) throw Bildfehler(kurz);
            for (std::size_t k = 0; k < anzahl / 4; ++k) masken[k] = u32(m + 4 * k);
        }
    }

    const bool von_oben = hoehe < 0;
    if (von_oben) hoehe = -hoehe;

    TglBitmapFormat format = tfEmpty;
    std::unique_ptr<TFormatDescriptor> wandler;
    if (bits == 1 || bits == 2 || bits == 4 || bits == 8) {
        // The colour table stands right after the information header.
        std::size_t anzahl = farben != 0 ? farben : (1u << bits);
        anzahl = std::min<std::size_t>(anzahl, 1u << bits);
        s.pos = start + 14 + kopfgroesse;
        std::vector<TbmpColorTableFormat::Eintrag> tabelle(anzahl);
        for (auto& e : tabelle) {
            std::uint8_t b[4];
            if (!s.Lesen(b, 4)) throw Bildfehler(kurz);
            e = {b[0], b[1], b[2], b[3]};
        }
        auto t = std::make_unique<TbmpColorTableFormat>(bits, std::move(tabelle));
        format = t->Graustufen() ? tfLuminance8 : tfRGB8;
        wandler = std::move(t);
    } else if (bits == 16 || bits == 24 || bits == 32) {
        format = bits == 16 ? tfBGR5 : bits == 24 ? tfBGR8 : tfBGRA8;
        if (kompression == 3) {
            TglBitmapFormat passend = Format_zu_Masken(masken[0], masken[1], masken[2], masken[3], bits);
            if (passend != tfEmpty) {
                format = passend;
            } else {
                const auto& d = Formatbeschreibung(format);
                if (masken[3] == 0 && d.HasAlpha())
                    format = d.ohne_alpha;
                else if (masken[3] != 0 && !d.HasAlpha())
                    format = d.mit_alpha;
                wandler = std::make_unique<TbmpBitfieldFormat>(bits / 8, masken[0], masken[1], masken[2],
                                                               masken[3]);
            }
        }
    }
    if (format == tfEmpty) throw Bildfehler("LoadBMP - No suitable format found");
    if (!Bildgroesse_zulaessig(format, breite, hoehe))
        throw Bildfehler("LoadBMP - invalid image size " + zahl(breite) + " x " + zahl(hoehe));

    const std::size_t w = static_cast<std::size_t>(breite), h = static_cast<std::size_t>(hoehe);
    const std::size_t dateizeile = (w * static_cast<std::size_t>(bits) + 7) / 8;
    const std::size_t bmpzeile = ((w * static_cast<std::size_t>(bits) + 31) / 32) * 4;
    if (datenversatz > s.daten.size() - start) throw Bildfehler(kurz);
    s.pos = start + datenversatz;
    // The padding of the last row may be missing.
    const std::size_t noetig = (h - 1) * bmpzeile + dateizeile;
    if (s.Rest() < noetig) throw Bildfehler(kurz);

    Bild ergebnis(static_cast<int>(breite), static_cast<int>(hoehe), format);
    const auto& zd = Formatbeschreibung(format);
    std::unique_ptr<Umsetzer> umsetzer;
    if (wandler) umsetzer = std::make_unique<Umsetzer>(*wandler, zd);
    const std::uint8_t* daten = s.Zeiger();
    for (std::size_t i = 0; i < h; ++i) {
        const std::uint8_t* von = daten + i * bmpzeile;
        std::uint8_t* nach = ergebnis.Zeile(static_cast<int>(von_oben ? i : h - 1 - i));
        if (umsetzer)
            umsetzer->zeile(von, nach, static_cast<int>(w));
        else
            std::memcpy(nach, von, dateizeile);  // bits / 8 bytes a pixel in file and image alike
    }
    s.pos += noetig;
    zurueck.aktiv = false;
    bild = std::move(ergebnis);
    return true;
}

namespace {

std::vector<TbmpColorTableFormat::Eintrag> graurampe(int anzahl) {
    std::vector<TbmpColorTableFormat::Eintrag> t(static_cast<std::size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i) {
        auto g = static_cast<std::uint8_t>(i * 255 / (anzahl - 1));
        t[static_cast<std::size_t>(i)] = {g, g, g, 0};
    }
    return t;
}

// The 256 colours of the packed 3-3-2 byte.
std::vector<TbmpColorTableFormat::Eintrag> r3g3b2_tabelle() {
    std::vector<TbmpColorTableFormat::Eintrag> t(256);
    const auto& d = Formatbeschreibung(tfR3G3B2);
    for (unsigned i = 0; i < 256; ++i) {
        auto kanal = [&](int k) {
            return static_cast<std::uint8_t>(
                Kanal_umrechnen((i >> d.verschiebung[k]) & d.bereich[k], d.bereich[k], 255));
        };
        t[i] = {kanal(kBlau), kanal(kGruen), kanal(kRot), 0};
    }
    return t;
}

void schreibbar_pruefen(const Bildansicht& b, Schreibbar art) {
    const auto& d = Formatbeschreibung(b.format);
    if (!(d.schreibbar & art)) throw Bildfehler(b.format);
    if (b.daten == nullptr || !Bildgroesse_zulaessig(b.format, b.breite, b.hoehe))
        throw Bildfehler("the image to write holds no pixels");
}

// The file header and the 40-byte information header the writer puts in front.
void bmp_kopf(std::string& out, int breite, int hoehe, int bits, std::uint32_t kompression,
              std::size_t farben, std::uint32_t versatz, std::size_t bmpzeile) {
    const std::size_t daten = bmpzeile * static_cast<std::size_t>(hoehe);
    out += "BM";
    put32(out, static_cast<std::uint32_t>(versatz + daten));
    put32(out, 0);
    put32(out, versatz);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(breite));
    put32(out, static_cast<std::uint32_t>(hoehe));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, kompression);
    put32(out, static_cast<std::uint32_t>(daten));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(farben));
    put32(out, 0);
}

}  // namespace

bool BMP_Datei_wie_geschrieben(const std::string& pfad) {
    constexpr std::size_t kopfgroesse = 14 + 40;
    const auto kopf = Datei_anfang_lesen(pfad, kopfgroesse);
    if (!kopf || kopf->size() < kopfgroesse) return false;
    const auto* k = reinterpret_cast<const std::uint8_t*>(kopf->data());
    const long long breite = i32(k + 18), hoehe = i32(k + 22);
    // Top-down rows (a negative height) are written bottom-up again.
    if (breite <= 0 || hoehe <= 0 || !Bildgroesse_zulaessig(tfBGR8, breite, hoehe)) return false;
    const std::size_t w = static_cast<std::size_t>(breite), h = static_cast<std::size_t>(hoehe);
    const std::size_t bmpzeile = ((w * 24 + 31) / 32) * 4;
    std::string erwartet;
    bmp_kopf(erwartet, static_cast<int>(breite), static_cast<int>(hoehe), 24, 0, 0, kopfgroesse, bmpzeile);
    if (*kopf != erwartet || Datei_groesse(pfad) != static_cast<std::int64_t>(kopfgroesse + bmpzeile * h))
        return false;
    if (bmpzeile == w * 3) return true;
    // The writer fills the end of each row with zeros; the reader skips whatever stands there.
    const auto alles = Datei_lesen(pfad);
    if (!alles || alles->size() != kopfgroesse + bmpzeile * h) return false;
    for (std::size_t y = 0; y < h; ++y)
        for (std::size_t x = w * 3; x < bmpzeile; ++x)
            if ((*alles)[kopfgroesse + y * bmpzeile + x] != 0) return false;
    return true;
}

void BMP_schreiben(const Bildansicht& b, std::string& out) {
    schreibbar_pruefen(b, kSchreibtBMP);
    const auto& d = Formatbeschreibung(b.format);
    int bits = d.bits_pro_pixel;
    std::uint32_t kompression = 0;
    std::vector<TbmpColorTableFormat::Eintrag> tabelle;
    if (b.format == tfLuminance4) {
        bits = 4;
        tabelle = graurampe(16);
    } else if (b.format == tfLuminance8) {
        tabelle = graurampe(256);
    } else if (b.format == tfR3G3B2) {
        tabelle = r3g3b2_tabelle();
    } else if (bits == 16 || bits == 32) {
        kompression = 3;
    }
    const std::size_t w = static_cast<std::size_t>(b.breite), h = static_cast<std::size_t>(b.hoehe);
    const std::size_t bmpzeile = ((w * static_cast<std::size_t>(bits) + 31) / 32) * 4;
    const std::uint32_t versatz =
        static_cast<std::uint32_t>(14 + 40 + tabelle.size() * 4 + (kompression == 3 ? 16 : 0));
    const std::size_t start = out.size();
    out.reserve(start + versatz + bmpzeile * h);

    bmp_kopf(out, b.breite, b.hoehe, bits, kompression, tabelle.size(), versatz, bmpzeile);
    if (kompression == 3)
        for (int k = 0; k < 4; ++k) put32(out, static_cast<std::uint32_t>(d.Maske(k)));
    for (const auto& e : tabelle) {
        out.push_back(static_cast<char>(e.blau));
        out.push_back(static_cast<char>(e.gruen));
        out.push_back(static_cast<char>(e.rot));
        out.push_back(static_cast<char>(e.reserviert));
    }

    std::unique_ptr<TbmpColorTableFormat> palette;
    if (!tabelle.empty()) palette = std::make_unique<TbmpColorTableFormat>(bits, tabelle, b.format);
    const auto& bgr = Formatbeschreibung(tfBGR8);
    const std::size_t bildzeile = Zeilengroesse(b.format, b.breite);
    std::vector<std::uint8_t> zeile(bmpzeile);
    Pixeldaten px;
    for (std::size_t i = h; i-- > 0;) {
        std::fill(zeile.begin(), zeile.end(), 0);
        const std::uint8_t* von = b.daten + i * bildzeile;
        std::uint8_t* nach = zeile.data();
        Abbildungszustand lz, sz;
        if (palette || b.format == tfRGB8) {
            const TFormatDescriptor& packer = palette ? static_cast<const TFormatDescriptor&>(*palette) : bgr;
            d.PreparePixel(px);
            for (std::size_t x = 0; x < w; ++x) {
                d.UnmapPixel(von, px, lz);
                packer.MapPixel(px, nach, sz);
            }
        } else {
            std::memcpy(nach, von, bildzeile);
        }
        out.append(reinterpret_cast<const char*>(zeile.data()), zeile.size());
    }
}

// ---------------------------------------------------------------------------------------------
// TGA

bool TGA_lesen(Lesestrom& s, Bild& bild) {
    const std::size_t start = s.pos;
    if (s.Rest() < 18) return false;
    std::uint8_t kopf[18];
    std::memcpy(kopf, s.Zeiger(), 18);
    const int typ = kopf[2];
    if (kopf[1] != 0 || (typ != 2 && typ != 3 && typ != 10 && typ != 11)) return false;
    // The position is put back in every case.
    Rueckstellung zurueck{s, start};
    const std::string kurz = "LoadTga - unexpected end of file";
    s.pos += 18;
    if (!s.Ueberspringen(kopf[0])) throw Bildfehler(kurz);

    const int breite = u16(kopf + 12), hoehe = u16(kopf + 14);
    const int bits = kopf[16], alpha = kopf[17] & 0x0F;
    const bool grau = typ == 3 || typ == 11;
    TglBitmapFormat format = tfEmpty;
    if (bits == 8 && grau)
        format = alpha == 0 ? tfLuminance8 : alpha == 8 ? tfAlpha8 : tfEmpty;
    else if (bits == 16 && grau)
        format = alpha == 0 ? tfLuminance16 : alpha == 8 ? tfLuminance8Alpha8 : tfEmpty;
    else if (bits == 16)
        format = alpha == 0 ? tfBGR5 : alpha == 1 ? tfBGR5A1 : alpha == 4 ? tfBGRA4 : tfEmpty;
    else if (bits == 24 && !grau && alpha == 0)
        format = tfBGR8;
    else if (bits == 32 && !grau)
        format = alpha == 2 ? tfBGR10A2 : alpha == 8 ? tfBGRA8 : tfEmpty;
    if (format == tfEmpty) throw Bildfehler("LoadTga - unsupported format");
    if (!Bildgroesse_zulaessig(format, breite, hoehe))
        throw Bildfehler("LoadTga - invalid image size " + zahl(breite) + " x " + zahl(hoehe));

    const std::size_t w = static_cast<std::size_t>(breite), h = static_cast<std::size_t>(hoehe);
    const std::size_t px = static_cast<std::size_t>(Formatbeschreibung(format).Pixelgroesse());
    const std::size_t gesamt = w * h;
    const bool rle = typ >= 10;
    // An uncompressed file holds every pixel; a run-length one at least a header and a pixel for
    // every 128 pixels.
    const std::size_t mindestens = rle ? (gesamt + 127) / 128 * (1 + px) : gesamt * px;
    if (s.Rest() < mindestens) throw Bildfehler(kurz);

    Bild ergebnis(breite, hoehe, format);
    const bool von_oben = (kopf[17] & 0x20) != 0;
    const bool rechts_nach_links = (kopf[17] & 0x10) != 0;
    // Where the n-th pixel of the file goes.
    auto ziel = [&](std::size_t n) {
        std::size_t y = n / w, x = n % w;
        std::size_t zy = von_oben ? y : h - 1 - y;
        std::size_t zx = rechts_nach_links ? w - 1 - x : x;
        return ergebnis.pixel.data() + (zy * w + zx) * px;
    };
    if (!rle) {
        const std::uint8_t* von = s.Zeiger();
        for (std::size_t n = 0; n < gesamt; ++n) std::memcpy(ziel(n), von + n * px, px);
        s.pos += gesamt * px;
    } else {
        std::size_t n = 0;
        while (n < gesamt) {
            std::uint8_t paket;
            if (!s.Lesen(&paket, 1)) throw Bildfehler(kurz);
            // A run that goes past the last pixel is cut there.
            std::size_t anzahl = std::min<std::size_t>((paket & 0x7Fu) + 1u, gesamt - n);
            if (paket & 0x80) {
                std::uint8_t wert[4];
                if (!s.Lesen(wert, px)) throw Bildfehler(kurz);
                for (std::size_t i = 0; i < anzahl; ++i) std::memcpy(ziel(n++), wert, px);
            } else {
                if (s.Rest() < anzahl * px) throw Bildfehler(kurz);
                const std::uint8_t* von = s.Zeiger();
                for (std::size_t i = 0; i < anzahl; ++i) std::memcpy(ziel(n++), von + i * px, px);
                s.pos += anzahl * px;
            }
        }
    }
    bild = std::move(ergebnis);
    return true;
}

void TGA_schreiben(const Bildansicht& b, std::string& out) {
    schreibbar_pruefen(b, kSchreibtTGA);
    const auto& d = Formatbeschreibung(b.format);
    const TglBitmapFormat f = b.format;
    const bool grau = f == tfAlpha8 || f == tfLuminance8 || f == tfLuminance16 || f == tfLuminance8Alpha8;
    int alpha = 0;
    if (f == tfAlpha8 || f == tfLuminance8Alpha8 || f == tfRGBA8 || f == tfBGRA8)
        alpha = 8;
    else if (f == tfRGBA4 || f == tfBGRA4)
        alpha = 4;
    else if (f == tfRGB5A1 || f == tfBGR5A1)
        alpha = 1;
    else if (f == tfRGB10A2 || f == tfBGR10A2)
        alpha = 2;

    // Red-first formats are stored as their swapped format.
    const bool tauschen =
        f == tfRGB5 || f == tfRGB8 || f == tfRGBA4 || f == tfRGB5A1 || f == tfRGBA8 || f == tfRGB10A2;
    if (tauschen) {
        if (d.vertauscht == tfEmpty) throw Bildfehler("inverted RGB format is empty");
        const auto& v = Formatbeschreibung(d.vertauscht);
        if (v.bereich != d.bereich || v.bits_pro_pixel != d.bits_pro_pixel)
            throw Bildfehler("invalid inverted RGB format");
    }

    const std::size_t groesse = d.DataSize(b.breite, b.hoehe);
    out.reserve(out.size() + 18 + groesse);
    out.push_back(0);  // no image ID
    out.push_back(0);  // no colour map
    out.push_back(static_cast<char>(grau ? 3 : 2));
    out.append(5, '\0');  // colour map fields
    put16(out, 0);        // origin
    put16(out, 0);
    put16(out, static_cast<std::uint32_t>(b.breite));
    put16(out, static_cast<std::uint32_t>(b.hoehe));
    out.push_back(static_cast<char>(d.bits_pro_pixel));
    out.push_back(static_cast<char>(alpha | 0x20));  // rows from the top

    if (!tauschen) {
        out.append(reinterpret_cast<const char*>(b.daten), groesse);
        return;
    }
    const auto& v = Formatbeschreibung(d.vertauscht);
    std::vector<std::uint8_t> puffer(groesse);
    const std::uint8_t* von = b.daten;
    std::uint8_t* nach = puffer.data();
    Pixeldaten px;
    d.PreparePixel(px);
    Abbildungszustand lz, sz;
    const std::size_t anzahl = static_cast<std::size_t>(b.breite) * static_cast<std::size_t>(b.hoehe);
    for (std::size_t i = 0; i < anzahl; ++i) {
        d.UnmapPixel(von, px, lz);
        v.MapPixel(px, nach, sz);
    }
    out.append(reinterpret_cast<const char*>(puffer.data()), puffer.size());
}

// ---------------------------------------------------------------------------------------------
// DDS

namespace {
constexpr std::uint32_t DDSD_CAPS = 0x1, DDSD_HEIGHT = 0x2, DDSD_WIDTH = 0x4, DDSD_PITCH = 0x8,
                        DDSD_PIXELFORMAT = 0x1000, DDSD_LINEARSIZE = 0x80000;
constexpr std::uint32_t DDPF_ALPHAPIXELS = 0x1, DDPF_FOURCC = 0x4, DDPF_RGB = 0x40, DDPF_LUMINANCE = 0x20000;
constexpr std::uint32_t DDSCAPS_TEXTURE = 0x1000, DDSCAPS2_CUBEMAP = 0x200;
}  // namespace

bool DDS_lesen(Lesestrom& s, Bild& bild) {
    const std::size_t start = s.pos;
    if (s.Rest() < 4 || std::memcmp(s.Zeiger(), "DDS ", 4) != 0) return false;
    Rueckstellung zurueck{s, start};
    const std::string kurz = "LoadDDS - unexpected end of file";
    s.pos += 4;
    std::uint8_t k[124];
    if (!s.Lesen(k, sizeof k)) throw Bildfehler(kurz);
    const std::uint32_t flags = u32(k + 4);
    const std::uint32_t noetige_flags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PIXELFORMAT;
    if (u32(k) != 124 || (flags & noetige_flags) != noetige_flags) return false;
    if (u32(k + 108) & DDSCAPS2_CUBEMAP) throw Bildfehler("LoadDDS - CubeMaps are not supported");

    const long long hoehe = u32(k + 8), breite = u32(k + 12);
    const std::uint32_t pf_flags = u32(k + 76);
    const std::uint32_t bits = u32(k + 84);
    const std::uint32_t masken[4] = {u32(k + 88), u32(k + 92), u32(k + 96), u32(k + 100)};

    TglBitmapFormat format = tfEmpty;
    std::unique_ptr<TFormatDescriptor> wandler;
    if (pf_flags & DDPF_FOURCC) {
        const std::uint8_t* fourcc = k + 80;
        if (std::memcmp(fourcc, "DXT1", 4) == 0)
            format = tfS3tcDtx1RGBA;
        else if (std::memcmp(fourcc, "DXT3", 4) == 0)
            format = tfS3tcDtx3RGBA;
        else if (std::memcmp(fourcc, "DXT5", 4) == 0)
            format = tfS3tcDtx5RGBA;
    } else if (pf_flags & (DDPF_ALPHAPIXELS | DDPF_RGB | DDPF_LUMINANCE)) {
        if (bits == 8 || bits == 16 || bits == 24 || bits == 32) {
            format = Format_zu_Masken(masken[0], masken[1], masken[2], masken[3], static_cast<int>(bits));
            if (format == tfEmpty) {
                format = (pf_flags & DDPF_ALPHAPIXELS) ? tfBGRA8 : tfBGR8;
                wandler = std::make_unique<TbmpBitfieldFormat>(static_cast<int>(bits / 8), masken[0],
                                                               masken[1], masken[2], masken[3]);
            }
        }
    }
    if (format == tfEmpty) throw Bildfehler("LoadDDS - unsupported Pixelformat found.");
    if (!Bildgroesse_zulaessig(format, breite, hoehe))
        throw Bildfehler("LoadDDS - invalid image size " + zahl(breite) + " x " + zahl(hoehe));

    const auto& zd = Formatbeschreibung(format);
    const std::size_t w = static_cast<std::size_t>(breite), h = static_cast<std::size_t>(hoehe);
    // Rows from the top, without gaps; compressed data as whole 4 x 4 blocks.
    const std::size_t dateizeile = wandler ? w * bits / 8 : Zeilengroesse(format, static_cast<int>(breite));
    const std::size_t noetig =
        zd.komprimiert ? zd.DataSize(static_cast<int>(breite), static_cast<int>(hoehe)) : dateizeile * h;
    if (s.Rest() < noetig) throw Bildfehler(kurz);

    Bild ergebnis(static_cast<int>(breite), static_cast<int>(hoehe), format);
    if (wandler) {
        Umsetzer umsetzer(*wandler, zd);
        for (std::size_t y = 0; y < h; ++y)
            umsetzer.zeile(s.Zeiger() + y * dateizeile, ergebnis.Zeile(static_cast<int>(y)),
                           static_cast<int>(w));
    } else {
        std::memcpy(ergebnis.pixel.data(), s.Zeiger(), noetig);
    }
    s.pos += noetig;
    zurueck.aktiv = false;
    bild = std::move(ergebnis);
    return true;
}

void DDS_schreiben(const Bildansicht& b, std::string& out) {
    schreibbar_pruefen(b, kSchreibtDDS);
    const auto& d = Formatbeschreibung(b.format);
    const std::size_t groesse = d.DataSize(b.breite, b.hoehe);
    std::uint32_t pf_flags = 0, bits = 0;
    const char* fourcc = "\0\0\0\0";
    std::uint32_t masken[4] = {};
    if (d.komprimiert) {
        pf_flags = DDPF_FOURCC;
        fourcc = b.format == tfS3tcDtx1RGBA ? "DXT1" : b.format == tfS3tcDtx3RGBA ? "DXT3" : "DXT5";
    } else {
        for (int k = 0; k < 4; ++k) masken[k] = static_cast<std::uint32_t>(d.Maske(k));
        pf_flags = (masken[0] == masken[1] && masken[1] == masken[2]) ? DDPF_LUMINANCE : DDPF_RGB;
        if (d.HasAlpha()) pf_flags |= DDPF_ALPHAPIXELS;
        bits = static_cast<std::uint32_t>(d.bits_pro_pixel);
    }
    out.reserve(out.size() + 128 + groesse);
    out += "DDS ";
    put32(out, 124);
    put32(out, DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PIXELFORMAT |
                   (d.komprimiert ? DDSD_LINEARSIZE : DDSD_PITCH));
    put32(out, static_cast<std::uint32_t>(b.hoehe));
    put32(out, static_cast<std::uint32_t>(b.breite));
    put32(out, static_cast<std::uint32_t>(d.komprimiert ? groesse : Zeilengroesse(b.format, b.breite)));
    put32(out, 0);                               // depth
    put32(out, 0);                               // mipmap count
    for (int i = 0; i < 11; ++i) put32(out, 0);  // reserved
    put32(out, 32);                              // pixel format size
    put32(out, pf_flags);
    out.append(fourcc, 4);
    put32(out, bits);
    for (auto m : masken) put32(out, m);
    put32(out, DDSCAPS_TEXTURE);
    for (int i = 0; i < 4; ++i) put32(out, 0);  // caps 2 to 4, reserved
    out.append(reinterpret_cast<const char*>(b.daten), groesse);
}

// ---------------------------------------------------------------------------------------------
// All three

Bild Bild_lesen(std::string_view bytes) {
    Lesestrom s(bytes);
    Bild b;
    if (DDS_lesen(s, b) || TGA_lesen(s, b) || BMP_lesen(s, b)) return b;
    throw Bildfehler("LoadFromStream - Couldn't load Stream. It's possible to be an unknow Streamtype.");
}

std::string Bild_schreiben(const Bildansicht& bild, Bilddateityp typ) {
    std::string out;
    switch (typ) {
        case Bilddateityp::DDS:
            DDS_schreiben(bild, out);
            break;
        case Bilddateityp::TGA:
            TGA_schreiben(bild, out);
            break;
        case Bilddateityp::BMP:
            BMP_schreiben(bild, out);
            break;
    }
    return out;
}

bool Bilddatei_laden(const std::string& pfad, Bild& bild) {
    auto inhalt = Datei_lesen(pfad);
    if (!inhalt) {
        Fehler_melden("Bilddatei_laden > Datei nicht gefunden: " + pfad);
        return false;
    }
    try {
        bild = Bild_lesen(*inhalt);
        return true;
    } catch (const std::exception& e) {
        Fehler_melden("Bilddatei_laden > " + pfad + ": " + e.what());
        return false;
    }
}

bool Bilddatei_speichern(const std::string& pfad, const Bildansicht& bild, Bilddateityp typ) {
    std::string bytes;
    try {
        bytes = Bild_schreiben(bild, typ);
    } catch (const std::exception& e) {
        Fehler_melden("Bilddatei_speichern > " + pfad + ": " + e.what());
        return false;
    }
    if (!Datei_ersetzen(pfad, bytes)) {
        Fehler_melden("Bilddatei_speichern > Datei kann nicht geschrieben werden: " + pfad);
        return false;
    }
    return true;
}
