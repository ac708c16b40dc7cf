#pragma once
// Shared by the template tests: a clean program folder with the error log on,
// the reports read back, the loading-status lines recorded, and small files.
#include <string>
#include <vector>

#include "common/ProgrammOrdner.h"
#include "foundation/Gebaeudeatlas.h"
#include "foundation/Schablonen.h"
#include "foundation/Seams.h"
#include "economy/Warenindex.h"
#include "platform/base/Ini.h"
#include "world/Hasen.h"
#include "world/Karte.h"

namespace bhmtest {

// Records the loading-status lines.
struct Statuszeilen : UiSeam {
    std::vector<std::string> zeilen;
    void TPU_Ladestatus_add(const std::string& text) override { zeilen.push_back(text); }
};

class Schablonenumgebung : public ProgrammOrdner {
public:
    Schablonenumgebung() {
        Error_Silence = false;
        Errorloger = true;
        zuruecksetzen();
        Oberflaeche_setzen(&status);
    }
    ~Schablonenumgebung() {
        Oberflaeche_setzen(nullptr);
        zuruecksetzen();
    }

    // Every report so far, in order; a repeated report stands in the log once with its count.
    std::vector<std::string> meldungen() const {
        const std::string datei = Programmpfad + Configdatei;
        int n = ini::lesen_zahl(datei, "Allgemein", "Errorlog", 0);
        std::vector<std::string> m;
        const std::string anhang = " mal gemeldet)";
        for (int i = 0; i < n; ++i) {
            std::string text = ini::lesen_text(datei, "Errorlog", std::to_string(i), "");
            int mal = 1;
            const auto klammer = text.rfind(" (");
            if (text.ends_with(anhang) && klammer != std::string::npos) {
                mal = std::stoi(text.substr(klammer + 2));
                text.resize(klammer);
            }
            m.insert(m.end(), static_cast<std::size_t>(mal), text);
        }
        return m;
    }
    // The reports that contain the text.
    int meldungen_mit(const std::string& text) const {
        int n = 0;
        for (const std::string& m : meldungen()) n += m.find(text) != std::string::npos;
        return n;
    }
    // A file under the program folder ("/" separators).
    void schreiben(const std::string& rel, const std::string& inhalt) const { dir().write(rel, inhalt); }
    std::string pfad(const std::string& rel) const { return Programmpfad + rel; }

    Statuszeilen status;

private:
    static void zuruecksetzen() {
        SBU_Alles_zuruecksetzen();
        SBA_Atlasraster_leeren();
        SBA_Markerlesen_aus = 0;
        IWU_Index_leeren();
        Hasen_WarenID = -1;
        MG_Kartengroesse = 256;
    }
};

}  // namespace bhmtest
