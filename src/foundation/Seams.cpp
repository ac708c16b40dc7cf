#include "foundation/Seams.h"

#include <cstdio>

#include "foundation/Fehler.h"
#include "platform/base/Text1252.h"

bool PersistenzSeam::LSU_Speichern(const std::string& name) {
    Fehler_melden("LSU_Speichern > Speichern ist nicht verfuegbar: " + name);
    return false;
}

bool PersistenzSeam::LSU_Laden(const std::string& name, const std::string& ordner) {
    Fehler_melden("LSU_Laden > Laden ist nicht verfuegbar: " + ordner + name);
    return false;
}

void ShellSeam::Meldung(const std::string& text) {
    std::fprintf(stderr, "%s\n", cp1252_zu_utf8(text).c_str());
}

namespace {
RenderSeam standard_render;
UiSeam standard_ui;
PersistenzSeam standard_persistenz;
ShellSeam standard_shell;

RenderSeam* render = &standard_render;
UiSeam* ui = &standard_ui;
PersistenzSeam* persistenz = &standard_persistenz;
ShellSeam* shell = &standard_shell;
}  // namespace

RenderSeam& Render() { return *render; }
UiSeam& Oberflaeche() { return *ui; }
PersistenzSeam& Persistenz() { return *persistenz; }
ShellSeam& Shell() { return *shell; }

void Render_setzen(RenderSeam* seam) { render = seam ? seam : &standard_render; }
void Oberflaeche_setzen(UiSeam* seam) { ui = seam ? seam : &standard_ui; }
void Persistenz_setzen(PersistenzSeam* seam) { persistenz = seam ? seam : &standard_persistenz; }
void Shell_setzen(ShellSeam* seam) { shell = seam ? seam : &standard_shell; }
