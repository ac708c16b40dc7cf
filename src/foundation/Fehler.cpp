#include "foundation/Fehler.h"

#include "foundation/Config.h"
#include "foundation/Seams.h"

std::string Fehlertext;
int Fehleranzeige_Dauer = 0;

void Fehler_zuruecksetzen() {
    Fehlertext.clear();
    Fehleranzeige_Dauer = 0;
}

int Errorlog_schreiben(const std::string& text) {
    int n = Config_ReadInteger(Configdatei, "Allgemein", "Errorlog", 0);
    Config_WriteInteger(Configdatei, "Allgemein", "Errorlog", n + 1);
    Config_WriteString(Configdatei, "Errorlog", std::to_string(n), text);
    if (n >= Errorlog_letzter_Eintrag) {
        Errorloger = false;
        Config_WriteBool(Configdatei, "Allgemein", "Errorloger", false);
    }
    return n;
}

void Fehler_melden(const std::string& text) {
    if (Error_Silence) return;
    Fehleranzeige_Dauer = 1000;
    Fehlertext = text;
    if (Errorloger) {
        int n = Errorlog_schreiben(text);
        // Told once, at the moment the log switches itself off.
        if (n == Errorlog_letzter_Eintrag)
            Shell().Meldung(
                "Die maximale Anzahl Programmfehler wurde mitgezeichnet. Diese Protokoll deaktiviert sich "
                "nun. "
                "Bitte melde die Fehler beim Support. Eine Liste der Fehler findest du in der Config Datei "
                "im "
                "Order des Spiels.");
    }
}

void Config_GLFehler_pruefen(const std::string& text) {
    if (text == "Kein Fehler" || text == "no error") return;
    Fehler_melden("GLerrorlog: " + text);
}
