#include "foundation/Bild.h"

#include <algorithm>
#include <cstring>
#include <utility>

Bild::Bild(int b, int h, TglBitmapFormat f) : breite(b), hoehe(h), format(f) {
    pixel.assign(Formatbeschreibung(f).DataSize(b, h), 255);
}

std::size_t Zeilengroesse(TglBitmapFormat format, int breite) {
    const auto& d = Formatbeschreibung(format);
    if (d.komprimiert || breite <= 0) return 0;
    return static_cast<std::size_t>(breite) * static_cast<std::size_t>(d.bits_pro_pixel) / 8;
}

std::size_t Bild::Zeilengroesse() const { return ::Zeilengroesse(format, breite); }

bool Bildgroesse_zulaessig(TglBitmapFormat format, long long breite, long long hoehe) {
    if (breite < 1 || hoehe < 1 || breite > Bild_max_Seite || hoehe > Bild_max_Seite) return false;
    return Formatbeschreibung(format).DataSize(static_cast<int>(breite), static_cast<int>(hoehe)) <=
           Bild_max_Bytes;
}

namespace {

void unkomprimiert_pruefen(TglBitmapFormat f) {
    if (Formatbeschreibung(f).komprimiert) throw Bildfehler(f, "compressed formats are not supported: ");
}

// The pixels of the view, checked to be there in full.
void ansicht_pruefen(const Bildansicht& q) {
    if (q.daten == nullptr || q.breite <= 0 || q.hoehe <= 0) throw Bildfehler("the image holds no pixels");
}

// Three 8-bit colour channels in whole bytes, and the same with an 8-bit alpha in the fourth
// byte after them: a colour key copies the three bytes as they are.
bool bytes_und_alpha(const TFormatDescriptor& q, const TFormatDescriptor& z) {
    if (q.bits_pro_pixel != 24 || z.bits_pro_pixel != 32 || q.komprimiert || z.komprimiert) return false;
    for (int k = 0; k < 3; ++k)
        if (q.bereich[k] != 255 || z.bereich[k] != 255 || q.verschiebung[k] != z.verschiebung[k] ||
            q.verschiebung[k] % 8 != 0 || q.verschiebung[k] > 16)
            return false;
    return q.bereich[kAlpha] == 0 && z.bereich[kAlpha] == 255 && z.verschiebung[kAlpha] == 24;
}

}  // namespace

Bild Pixel_umwandeln(const Bildansicht& quelle, TglBitmapFormat ziel, const Pixelrueckruf& rueckruf) {
    unkomprimiert_pruefen(quelle.format);
    unkomprimiert_pruefen(ziel);
    if (ziel == tfEmpty) throw Bildfehler(ziel);
    ansicht_pruefen(quelle);
    const auto& qd = Formatbeschreibung(quelle.format);
    const auto& zd = Formatbeschreibung(ziel);
    Bild ergebnis(quelle.breite, quelle.hoehe, ziel);
    Pixeldaten qp, zp;
    qd.PreparePixel(qp);
    const std::uint8_t* lesen = quelle.daten;
    std::uint8_t* schreiben = ergebnis.pixel.data();
    Abbildungszustand lz, sz;
    std::size_t anzahl = static_cast<std::size_t>(quelle.breite) * static_cast<std::size_t>(quelle.hoehe);
    for (std::size_t i = 0; i < anzahl; ++i) {
        qd.UnmapPixel(lesen, qp, lz);
        zd.PreparePixel(zp);
        rueckruf(qp, zp);
        zd.MapPixel(zp, schreiben, sz);
    }
    return ergebnis;
}

Bild Bild_konvertieren(const Bildansicht& quelle, TglBitmapFormat ziel) {
    const auto& qd = Formatbeschreibung(quelle.format);
    const auto& zd = Formatbeschreibung(ziel);
    // One way for the whole image: copy when the ranges agree, shift down when no destination
    // channel is larger, rescale otherwise. Channels absent on either side do not decide.
    bool gleich = true, kleiner = true;
    std::array<int, 4> halbierungen{};
    for (int k = 0; k < 4; ++k) {
        std::uint32_t q = qd.bereich[k], z = zd.bereich[k];
        if (q == 0 || z == 0) continue;
        if (q != z) gleich = false;
        if (z > q) kleiner = false;
        while ((q >> halbierungen[k]) > z) ++halbierungen[k];
    }
    return Pixel_umwandeln(quelle, ziel, [&](const Pixeldaten& q, Pixeldaten& z) {
        for (int k = 0; k < 4; ++k) {
            if (z.bereich[k] == 0) continue;
            if (q.bereich[k] == 0)
                z.wert[k] = z.bereich[k];
            else if (gleich)
                z.wert[k] = q.wert[k];
            else if (kleiner)
                z.wert[k] = q.wert[k] >> halbierungen[k];
            else
                z.wert[k] = Kanal_umrechnen(q.wert[k], q.bereich[k], z.bereich[k]);
        }
    });
}

bool Bild_konvertieren(Bild& bild, TglBitmapFormat ziel) {
    if (ziel == bild.format || ziel == tfEmpty) return true;
    bild = Bild_konvertieren(bild.Ansicht(), ziel);
    return true;
}

Bild Bild_Farbschluessel(const Bildansicht& quelle, std::uint8_t rot, std::uint8_t gruen, std::uint8_t blau,
                         std::uint8_t abweichung) {
    unkomprimiert_pruefen(quelle.format);
    const auto& qd = Formatbeschreibung(quelle.format);
    TglBitmapFormat ziel = qd.mit_alpha;
    if (ziel == tfEmpty) throw Bildfehler(quelle.format);
    // The key window of each colour channel, in the source's own ranges.
    const std::uint8_t farbe[3] = {rot, gruen, blau};
    std::array<std::uint32_t, 3> unten{}, oben{};
    for (int k = 0; k < 3; ++k) {
        std::uint64_t r = qd.bereich[k];
        std::uint64_t d = r * abweichung / 255;
        std::uint64_t mitte = r * farbe[k] / 255;
        oben[k] = static_cast<std::uint32_t>(std::min(mitte + d, r));
        unten[k] = static_cast<std::uint32_t>(mitte > d ? mitte - d : 0);
    }
    const auto& zd = Formatbeschreibung(ziel);
    if (bytes_und_alpha(qd, zd)) {
        // Three bytes a pixel become four, the fourth the alpha: byte by byte.
        ansicht_pruefen(quelle);
        Bild ergebnis(quelle.breite, quelle.hoehe, ziel);
        std::array<std::size_t, 3> stelle{};
        for (std::size_t k = 0; k < 3; ++k) stelle[k] = qd.verschiebung[k] / 8u;
        const std::uint8_t* q = quelle.daten;
        std::uint8_t* z = ergebnis.pixel.data();
        const std::size_t anzahl =
            static_cast<std::size_t>(quelle.breite) * static_cast<std::size_t>(quelle.hoehe);
        for (std::size_t i = 0; i < anzahl; ++i, q += 3, z += 4) {
            bool getroffen = true;
            for (std::size_t k = 0; k < 3; ++k) {
                const std::uint8_t v = q[stelle[k]];
                if (v < unten[k] || v > oben[k]) getroffen = false;
            }
            z[0] = q[0];
            z[1] = q[1];
            z[2] = q[2];
            z[3] = getroffen ? 0 : 255;
        }
        return ergebnis;
    }
    return Pixel_umwandeln(quelle, ziel, [&](const Pixeldaten& q, Pixeldaten& z) {
        bool getroffen = true;
        for (int k = 0; k < 3; ++k) {
            z.wert[k] = Kanal_umrechnen(q.wert[k], q.bereich[k], z.bereich[k]);
            if (q.wert[k] < unten[k] || q.wert[k] > oben[k]) getroffen = false;
        }
        z.wert[kAlpha] = getroffen ? 0 : z.bereich[kAlpha];
    });
}

void Bild_Farbschluessel(Bild& bild, std::uint8_t rot, std::uint8_t gruen, std::uint8_t blau,
                         std::uint8_t abweichung) {
    bild = Bild_Farbschluessel(bild.Ansicht(), rot, gruen, blau, abweichung);
}

Bild Bild_Alpha_entfernen(const Bildansicht& quelle) {
    unkomprimiert_pruefen(quelle.format);
    const auto& qd = Formatbeschreibung(quelle.format);
    if (!qd.HasAlpha() || qd.ohne_alpha == tfEmpty) throw Bildfehler(quelle.format);
    return Bild_konvertieren(quelle, qd.ohne_alpha);
}

namespace {

// An image of the view's size and format for a mirrored copy; empty when there is nothing to mirror.
Bild spiegelbild(const Bildansicht& q) {
    const auto& d = Formatbeschreibung(q.format);
    Bild b;
    if (q.daten == nullptr || q.breite <= 0 || q.hoehe <= 0 || d.komprimiert || d.IsEmpty()) return b;
    b.breite = q.breite;
    b.hoehe = q.hoehe;
    b.format = q.format;
    b.pixel.resize(d.DataSize(q.breite, q.hoehe));
    return b;
}

}  // namespace

Bild Bild_horizontal_spiegeln(const Bildansicht& q) {
    Bild b = spiegelbild(q);
    if (b.leer()) return b;
    const std::size_t px = static_cast<std::size_t>(Formatbeschreibung(q.format).Pixelgroesse());
    const std::size_t zeile = b.Zeilengroesse();
    for (int y = 0; y < q.hoehe; ++y) {
        const std::uint8_t* von = q.daten + y * zeile;
        std::uint8_t* nach = b.Zeile(y) + zeile;
        for (int x = 0; x < q.breite; ++x) {
            nach -= px;
            std::memcpy(nach, von + x * px, px);
        }
    }
    return b;
}

Bild Bild_vertikal_spiegeln(const Bildansicht& q) {
    Bild b = spiegelbild(q);
    if (b.leer()) return b;
    const std::size_t zeile = b.Zeilengroesse();
    for (int y = 0; y < q.hoehe; ++y) std::memcpy(b.Zeile(q.hoehe - 1 - y), q.daten + y * zeile, zeile);
    return b;
}
