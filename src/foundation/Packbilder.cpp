#include "foundation/Packbilder.h"

#include <map>
#include <set>

#include "foundation/Bilddatei.h"
#include "foundation/Fehler.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"

namespace {

struct Pack {
    std::string pfad;  // as first given; the file is written under it
    Bild bild;
    bool geaendert = false;
};

std::map<std::string, Pack>& packs() {
    static std::map<std::string, Pack> p;
    return p;
}

// Packs that could not be read: reported once, not tried again until the packs are written.
std::set<std::string>& fehlende() {
    static std::set<std::string> f;
    return f;
}

std::string schluessel(const std::string& pfad) {
    std::string k;
    k.reserve(pfad.size());
    for (char c : pfad) k += c == '\\' ? '/' : static_cast<char>(cp1252_klein(static_cast<unsigned char>(c)));
    return k;
}

bool als_24_bit(const std::string& pfad, Bild& bild) {
    try {
        if (Bild_konvertieren(bild, tfBGR8)) return true;
    } catch (const Bildfehler& e) {
        Fehler_melden("Packbild > " + pfad + ": " + e.what());
        return false;
    }
    Fehler_melden("Packbild > " + pfad + ": Format nicht umwandelbar: " + Formatname(bild.format));
    return false;
}

}  // namespace

bool Packbild_Vorlage_laden(const std::string& pfad, Bild& bild) {
    return Bilddatei_laden(pfad, bild) && als_24_bit(pfad, bild);
}

Bild* Packbild(const std::string& pfad) {
    const std::string k = schluessel(pfad);
    auto it = packs().find(k);
    if (it != packs().end()) return &it->second.bild;
    if (fehlende().count(k)) return nullptr;
    Bild bild;
    if (!Packbild_Vorlage_laden(pfad, bild)) {
        fehlende().insert(k);
        return nullptr;
    }
    Pack& p = packs()[k];
    p.pfad = pfad;
    p.bild = std::move(bild);
    return &p.bild;
}

Bild& Packbild_setzen(const std::string& pfad, Bild bild) {
    fehlende().erase(schluessel(pfad));
    Pack& p = packs()[schluessel(pfad)];
    if (p.pfad.empty()) p.pfad = pfad;
    p.bild = std::move(bild);
    p.geaendert = true;
    return p.bild;
}

void Packbild_geaendert(const std::string& pfad) {
    auto it = packs().find(schluessel(pfad));
    if (it != packs().end()) it->second.geaendert = true;
}

bool Packbild_schreiben(const std::string& pfad) {
    auto it = packs().find(schluessel(pfad));
    if (it == packs().end() || !it->second.geaendert) return true;
    if (!Bilddatei_speichern(it->second.pfad, it->second.bild)) return false;
    it->second.geaendert = false;
    return true;
}

void Packbild_vergessen(const std::string& pfad) {
    packs().erase(schluessel(pfad));
    fehlende().erase(schluessel(pfad));
}

bool Packbild_kopieren(const std::string& von, const std::string& nach) {
    Packbild_schreiben(von);
    Packbild_vergessen(nach);
    // A pack as the game writes it would come out of reading and writing byte for byte as it
    // is: both names then share the one file instead.
    if (BMP_Datei_wie_geschrieben(von)) {
        if (Datei_teilen(von, nach)) return true;
        Fehler_melden("Bilddatei_speichern > Datei kann nicht geschrieben werden: " + nach);
        return false;
    }
    Bild bild;
    return Bilddatei_laden(von, bild) && Bilddatei_speichern(nach, bild);
}

void Packbilder_schreiben() {
    for (auto& [k, p] : packs())
        if (p.geaendert) Bilddatei_speichern(p.pfad, p.bild);
    packs().clear();
    fehlende().clear();
}

void Packbilder_verwerfen() {
    packs().clear();
    fehlende().clear();
}
