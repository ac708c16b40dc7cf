#include "platform/base/Ini.h"

#include <algorithm>

// This unit instantiates SimpleIni for its own case folding, so it compiles the definitions.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include "platform/base/Datei.h"
#include "platform/base/Text1252.h"
#include "platform/base/Zahl.h"

namespace {

// Case folding of section and key names over Windows-1252 letters.
struct OhneFall {
    bool operator()(const char* a, const char* b) const {
        for (; *a && *b; ++a, ++b) {
            int d =
                cp1252_klein(static_cast<unsigned char>(*a)) - cp1252_klein(static_cast<unsigned char>(*b));
            if (d != 0) return d < 0;
        }
        return *b != 0;
    }
};

using IniDatei = CSimpleIniTempl<char, OhneFall, SI_ConvertA<char>>;

// Loads the file into `ini`; a missing file leaves it empty.
void laden(IniDatei& ini, const std::string& datei) {
    ini.SetUnicode(false);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.SetSpaces(false);
    auto inhalt = Datei_lesen(datei);
    if (!inhalt) return;
    // A zero byte (a damaged file) would end the text for the parser and lose every entry
    // after it; it counts as any other character of a line that is no entry.
    std::replace(inhalt->begin(), inhalt->end(), '\0', ' ');
    ini.LoadData(inhalt->data(), inhalt->size());
}

bool speichern(IniDatei& ini, const std::string& datei) {
    // A read-only file keeps what it holds, as the profile functions leave it.
    if (Datei_schreibgeschuetzt(datei)) return false;
    std::string text;
    if (ini.Save(text) < 0) return false;
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
        crlf += text[i];
    }
    return Datei_schreiben(datei, crlf);
}

}  // namespace

namespace ini {

std::string lesen_text(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                       const std::string& vorgabe) {
    IniDatei ini;
    laden(ini, datei);
    const char* v = ini.GetValue(sektion.c_str(), schluessel.c_str(), nullptr);
    return v ? std::string(v) : vorgabe;
}

int lesen_zahl(const std::string& datei, const std::string& sektion, const std::string& schluessel,
               int vorgabe) {
    IniDatei ini;
    laden(ini, datei);
    const char* v = ini.GetValue(sektion.c_str(), schluessel.c_str(), nullptr);
    int wert = vorgabe;
    if (v && Zahl_lesen(v, wert)) return wert;
    return vorgabe;
}

bool lesen_bool(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                bool vorgabe) {
    return lesen_zahl(datei, sektion, schluessel, vorgabe ? 1 : 0) != 0;
}

bool sektion_vorhanden(const std::string& datei, const std::string& sektion) {
    IniDatei ini;
    laden(ini, datei);
    return ini.GetSection(sektion.c_str()) != nullptr;
}

bool vorhanden(const std::string& datei, const std::string& sektion, const std::string& schluessel) {
    IniDatei ini;
    laden(ini, datei);
    return ini.GetValue(sektion.c_str(), schluessel.c_str(), nullptr) != nullptr;
}

bool schreiben_text(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                    const std::string& wert) {
    IniDatei ini;
    laden(ini, datei);
    if (ini.SetValue(sektion.c_str(), schluessel.c_str(), wert.c_str()) < 0) return false;
    return speichern(ini, datei);
}

bool schreiben_alle(const std::string& datei, const std::string& sektion,
                    const std::vector<std::pair<std::string, std::string>>& werte) {
    IniDatei ini;
    laden(ini, datei);
    for (const auto& [schluessel, wert] : werte)
        if (ini.SetValue(sektion.c_str(), schluessel.c_str(), wert.c_str()) < 0) return false;
    return speichern(ini, datei);
}

bool schreiben_zahl(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                    int wert) {
    return schreiben_text(datei, sektion, schluessel, std::to_string(wert));
}

bool schreiben_bool(const std::string& datei, const std::string& sektion, const std::string& schluessel,
                    bool wert) {
    return schreiben_text(datei, sektion, schluessel, wert ? "1" : "0");
}

}  // namespace ini
