#include "foundation/Schablonen_Laden.h"

#include <initializer_list>
#include <unordered_map>
#include <vector>

#include "foundation/Bauplaetze.h"
#include "foundation/Config.h"
#include "foundation/Fehler.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Iconpacks.h"
#include "foundation/Packbilder.h"
#include "foundation/Schablonen.h"
#include "foundation/Schablonen_Parser.h"
#include "foundation/Seams.h"
#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"

namespace {

const std::string Atlasname = "Daten\\Gebaeudepack.BMP";

// Above this level a building is kept out of the computer clans' lists.
constexpr int KI_Level_max = 100;

void status(const std::string& text) { Oberflaeche().TPU_Ladestatus_add(text); }

template <class T>
void wachsen_bis(std::vector<T>& liste, int nummer) {
    if (liste.size() < static_cast<std::size_t>(nummer) + 1)
        liste.resize(static_cast<std::size_t>(nummer) + 1);
}

std::string nicht_geladen(int n) { return "ID:" + std::to_string(n) + " nicht geladen"; }

// Empty entries keep atlas entry k on the picture of map object type k when a
// folder was skipped.
void atlas_auffuellen(std::size_t bis) {
    if (SBA_Atlastabelle.size() < bis) SBA_Atlastabelle.resize(bis);
}

// Runs laden(ordner, n, log) for n = 0, 1, ... up to the first missing folder
// and writes the log; the number of folders.
int art_laden(const std::string& basis, const std::string& art, const std::string& logname,
              const std::string& kopf, bool (*laden)(const std::string&, int, std::string&)) {
    std::vector<std::string> log{kopf};
    int n = 0;
    for (; n <= SBU_Ordner_max; ++n) {
        const std::string ordner = basis + art + "\\" + std::to_string(n);
        if (!SBU_Ordner_vorhanden(ordner)) break;
        std::string zeile = nicht_geladen(n);
        laden(ordner + "\\", n, zeile);
        log.push_back(zeile);
    }
    if (!Textdatei_schreiben(basis + logname, log))
        Fehler_melden("SBU_Schablonen_laden > Log konnte nicht geschrieben werden: " + basis + logname);
    return n;
}

// Steps 12..14: the icons of every folder of a kind into the atlas, one entry
// per folder number counted from the atlas's current end.
int icons_in_atlas(const std::string& basis, const std::string& art) {
    const std::size_t anfang = SBA_Atlastabelle.size();
    int n = 0;
    for (; n <= SBU_Ordner_max; ++n) {
        const std::string ordner = basis + art + "\\" + std::to_string(n);
        if (!SBU_Ordner_vorhanden(ordner)) break;
        atlas_auffuellen(anfang + n);
        if (Datei_existiert(ordner + "\\Icon.bmp"))
            SBA_Bild_in_Atlas(ordner + "\\", Programmpfad, Atlasname, -1, "Icon.BMP");
    }
    atlas_auffuellen(anfang + n);
    return n;
}

bool ware_ist_food(int ware) {
    return ware >= 0 && static_cast<std::size_t>(ware) < SBU_Waren.size() && SBU_Waren[ware].Spez == "food";
}

void ki_eintragen(std::vector<std::vector<int>>& liste, int level, int k) {
    wachsen_bis(liste, level);
    liste[level].push_back(k);
}

}  // namespace

bool SBU_Datei_vorhanden(const std::string& pfad) {
    if (Datei_existiert(pfad)) return true;
    Fehler_melden(pfad + " Datei nicht gefunden.");
    return false;
}

bool SBU_Ordner_vorhanden(const std::string& pfad) { return Ordner_existiert(pfad); }

namespace {

// The kind's files must all exist (tested in order, each missing one reported);
// then the table grows to hold n and the script is parsed.
template <class T>
bool vorlage_lesen(const std::string& ordner, std::initializer_list<const char*> dateien,
                   std::vector<T>& tabelle, int n, bool (*parser)(const std::string&, int, std::string&),
                   std::string& logzeile) {
    for (const char* datei : dateien)
        if (!SBU_Datei_vorhanden(ordner + datei)) return false;
    wachsen_bis(tabelle, n);
    parser(ordner + "Script.srt", n, logzeile);
    return true;
}

}  // namespace

bool SBU_Skill_laden(const std::string& ordner, int n, std::string& logzeile) {
    if (!vorlage_lesen(ordner, {"Script.srt", "Icon.BMP"}, SBU_Skills, n, SBU_Skillscript_laden, logzeile))
        return false;
    SBI_Icon_in_Pack(ordner, Programmpfad, SBI_Skillpack, n);
    return true;
}

bool SBU_Ware_laden(const std::string& ordner, int n, std::string& logzeile) {
    if (!vorlage_lesen(ordner, {"Script.srt", "Icon.BMP"}, SBU_Waren, n, SBU_Warenscript_laden, logzeile))
        return false;
    SBI_Icon_in_Pack(ordner, Programmpfad, SBI_Iconpack, n);
    if (SBU_Datei_vorhanden(ordner + "Frame.BMP"))
        SBWT_Frame_in_Personpack(ordner, Programmpfad, SBWT_Personpack, n, "Frame.BMP");
    return true;
}

bool SBU_Objekt_laden(const std::string& ordner, int n, std::string& logzeile) {
    if (!vorlage_lesen(ordner, {"Bauplatz.Obj", "Script.srt", "building.bmp"}, SBU_Objekte, n,
                       SBU_Objektscript_laden, logzeile))
        return false;
    SBU_Bauplatz_laden(ordner + "Bauplatz.Obj", n);
    if (SBU_Datei_vorhanden(ordner + "Icon.BMP")) SBI_Icon_in_Pack(ordner, Programmpfad, SBI_Bauiconpack, n);
    atlas_auffuellen(n);
    SBA_Bild_in_Atlas(ordner, Programmpfad, Atlasname, n, "building.BMP");
    return true;
}

bool SBU_Ambiente_laden(const std::string& ordner, int n, std::string& logzeile) {
    if (!vorlage_lesen(ordner, {"Script.srt", "Icon.BMP"}, SBU_Ambiente, n, SBU_Ambientescript_laden,
                       logzeile))
        return false;
    const int typ = SBU_Ambiente_Basis() + n;
    atlas_auffuellen(typ);
    SBA_Bild_in_Atlas(ordner, Programmpfad, Atlasname, typ, "Icon.BMP");
    return true;
}

void SBU_Ambiente_an_Objekte_binden() {
    const int basis = SBU_Ambiente_Basis();
    std::unordered_map<std::string, int> typ_von_titel;
    for (std::size_t a = SBU_Ambiente.size(); a-- > 0;)
        typ_von_titel[SBU_Ambiente[a].Titel] = basis + static_cast<int>(a);
    auto binden = [&](int& typ, const std::string& name, const std::string& routine, std::size_t objekt) {
        auto it = typ_von_titel.find(name);
        if (it != typ_von_titel.end())
            typ = it->second;
        else
            Fehler_melden(routine + " konnte Eintrag nicht finden: " + std::to_string(objekt) + " ~ " + name);
    };
    for (std::size_t o = 0; o < SBU_Warenanzeige.size(); ++o)
        for (Waren_vor_Objekt& slot : SBU_Warenanzeige[o].Slot) {
            if (slot.Modellname[0].empty()) continue;
            for (int s = 0; s < 9; ++s) {
                if (s > 0 && slot.Modellname[s].empty()) slot.Modellname[s] = slot.Modellname[s - 1];
                binden(slot.Modelltyp[s], slot.Modellname[s], "SBU_Ware_Ambiente_an_Objekt_binden", o);
            }
        }
    for (std::size_t o = 0; o < SBU_Prozessanzeige.size(); ++o) {
        Prozess_Ani_vor_Objekt& p = SBU_Prozessanzeige[o];
        if (p.Bewegtmodell.empty()) continue;
        binden(p.Bewegttyp, p.Bewegtmodell, "SBU_Prozess_Ambiente_Bew_an_Objekt_binden", o);
        binden(p.Standtyp, p.Standmodell, "SBU_Prozess_Ambiente_Still_an_Objekt_binden", o);
    }
}

int SBU_Wachstum_Test() {
    const int basis = SBU_Ambiente_Basis();
    const int anzahl = static_cast<int>(SBU_Ambiente.size());
    int fehler = 0;
    std::vector<std::uint8_t> besucht(SBU_Ambiente.size());
    for (std::size_t w = 0; w < SBU_Waren.size(); ++w) {
        const int grow = SBU_Waren[w].Grow;
        if (grow <= 0) continue;
        if (grow >= anzahl) {
            ++fehler;
            Fehler_melden("SBU_Wachstum_Test hat einen Fehler in der Zuweisung der WarenID gefunden." +
                          std::to_string(w));
            continue;
        }
        std::vector<int> kette;
        for (int a = grow; a >= 0;) {
            besucht[a] = 1;
            kette.push_back(a);
            int& link = SBU_Ambiente[a].link;
            if (link < basis - 2) {
                ++fehler;
                Fehler_melden("SBU_Wachstum_Test > AmbienteID:" + std::to_string(a) +
                              " hat KEIN ENDE. Es muss -1 eingetragen werden.");
                link = -1;
            }
            const long long naechste = static_cast<long long>(link) - basis;
            if (naechste == a) {
                Fehler_melden("SBU_Wachstum_Test > AmbienteID:" + std::to_string(a) +
                              " verweist auf sich selber.");
                break;
            }
            if (naechste >= anzahl) {
                ++fehler;
                Fehler_melden("SBU_Wachstum_Test > AmbienteID:" + std::to_string(a) +
                              " verweist auf eine fehlende AmbienteID:" + std::to_string(naechste));
                break;
            }
            if (naechste >= 0 && besucht[naechste]) {
                ++fehler;
                Fehler_melden("SBU_Wachstum_Test > AmbienteID:" + std::to_string(a) +
                              " verweist im Kreis zurueck auf AmbienteID:" + std::to_string(naechste));
                break;
            }
            a = static_cast<int>(naechste);
        }
        for (int a : kette) besucht[a] = 0;
    }
    return fehler;
}

int SBU_Objekt_Test() {
    int fehler = 0;
    for (std::size_t k = 1; k < SBU_Objekte.size(); ++k)
        if (k >= SBA_Atlastabelle.size() || !SBA_Atlastabelle[k].hat_Flagge) {
            ++fehler;
            Fehler_melden("SBU_Objekt_Test > AmbienteID:" + std::to_string(k) + " hat KEINE Flagge.");
        }
    return fehler;
}

void SBU_KI_Listen_erstellen() {
    for (std::size_t k = 1; k < SBU_Objekte.size(); ++k) {
        const Objekt_Item& o = SBU_Objekte[k];
        const int id = static_cast<int>(k);
        if (o.AI_Level < 0 || o.AI_Level > KI_Level_max) {
            Fehler_melden("SBU_KI_Listen_erstellen > AI_Level " + std::to_string(o.AI_Level) +
                          " von Objekt " + std::to_string(k) + " liegt nicht in 0.." +
                          std::to_string(KI_Level_max) + ".");
            continue;
        }
        bool genommen = false;
        if (o.Modus == "Home") {
            bool kosten = false;
            for (const Waren_Menge& b : o.Baukosten) kosten = kosten || b.WarenID > 0;
            if (!kosten) {
                ki_eintragen(SBU_KI_Wohnen, o.AI_Level, id);
                genommen = true;
            }
        }
        if (o.Modus == "Produktion") {
            bool nahrung = false;
            for (const Warenslot& s : o.Slots)
                nahrung = nahrung || (s.Benutzung != Benutzung_Holen && ware_ist_food(s.WarenID));
            if (nahrung) {
                ki_eintragen(SBU_KI_Nahrung, o.AI_Level, id);
                genommen = true;
            }
        }
        if (!genommen && !OM_ist_Hafen(id) && o.Neid < 2) ki_eintragen(SBU_KI_Rest, o.AI_Level, id);
    }
}

void SBU_Schablonen_laden(const std::string& basis) {
    SBA_Markerlesen_aus = 0;
    status("...initialisiere Modifizierungen...");
    SBI_Packs_anlegen(Programmpfad);
    SBA_Atlas_anlegen(Programmpfad, Atlasname);

    status("...lade Berufe...");
    int n =
        art_laden(basis, "Skill", "Skill_Log.Txt",
                  W("Der letzte erstellte Spielstand besaß folgenden Skills kombination."), SBU_Skill_laden);
    status(std::to_string(n - 1) + " Berufe geladen.");

    status("...lade Waren...");
    SBU_Fehlwaren.clear();
    SBU_Fehlrohstoffe.clear();
    n = art_laden(basis, "Waren", "Waren_Log.Txt",
                  W("Der letzte erstellte Spielstand besaß folgende Waren kombination."), SBU_Ware_laden);
    status(std::to_string(n - 1) + " Waren geladen.");
    if (!SBU_Fehlwaren.empty()) {
        Packbilder_schreiben();
        return;
    }

    status(W("...lade Gebäude Baupläne..."));
    n = art_laden(basis, "Objekt", "Objekt_Log.Txt",
                  W("Der letzte erstellte Spielstand besaß folgende Gebäude kombination."), SBU_Objekt_laden);
    atlas_auffuellen(SBU_Objekte.size());
    status(std::to_string(n - 1) + W(" Gebäude geladen."));

    status("...lade Ambiente...");
    n = art_laden(basis, "Ambiente", "Ambiente_Log.Txt",
                  W("Der letzte erstellte Spielstand besaß folgende Ambiente kombination."),
                  SBU_Ambiente_laden);
    atlas_auffuellen(SBU_Objekte.size() + SBU_Ambiente.size());
    status(std::to_string(n - 1) + " Ambiente geladen.");

    status("...Ambiente an Objekte binden...");
    SBU_Ambiente_an_Objekte_binden();
    status("...teste SBU_Wachstum...");
    status(SBU_Wachstum_Test() == 0 ? "SBU_Wachstum_Test erfolgreich."
                                    : "Fehler erkannt. Entnehme sie der Config.ini");
    status("...teste SBU_Objekt...");
    status(SBU_Objekt_Test() == 0 ? "SBU_Objekt_Test erfolgreich."
                                  : "Fehler erkannt. Entnehme sie der Config.ini");
    status("...Lade Ki_Objekte...");
    SBU_KI_Listen_erstellen();

    SBA_Markerlesen_aus = 1;
    status(W("...lade Gebäude Baumenü Bilder..."));
    n = icons_in_atlas(basis, "Objekt");
    status(std::to_string(n - 1) + W(" Baumenü geladen."));
    status("...lade Forschungs Icons Berufe...");
    n = icons_in_atlas(basis, "Skill");
    status(std::to_string(n - 1) + " Forschungs Icons Berufe geladen.");
    status("...lade Forschungs Icons Waren...");
    n = icons_in_atlas(basis, "Waren");
    status(std::to_string(n - 1) + " Forschungs Icons Waren geladen.");

    Packbilder_schreiben();
}
