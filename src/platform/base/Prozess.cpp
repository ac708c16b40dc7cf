#include "platform/base/Prozess.h"

#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/base/Datei.h"

extern char** environ;

namespace {
std::string neustart_datei;
}

bool Programm_starten(const std::string& pfad) {
    const std::string datei = Pfad_aufloesen(pfad);
    if (!Datei_existiert(pfad)) return false;
    char* argv[] = {const_cast<char*>(datei.c_str()), nullptr};
    pid_t pid = 0;
    return posix_spawn(&pid, datei.c_str(), nullptr, nullptr, argv, environ) == 0;
}

bool Neustart_vormerken(const std::string& pfad) {
    const std::string datei = Pfad_aufloesen(pfad);
    if (!Datei_existiert(pfad) || access(datei.c_str(), X_OK) != 0) return false;
    neustart_datei = datei;
    return true;
}

bool Neustart_vorgemerkt() { return !neustart_datei.empty(); }

void Neustart_vergessen() { neustart_datei.clear(); }

std::string Neustart_ausfuehren(char** argv) {
    if (neustart_datei.empty()) return "kein Neustart vorgemerkt";
    std::vector<char*> argumente{const_cast<char*>(neustart_datei.c_str())};
    for (int i = 1; argv && argv[0] && argv[i]; ++i) argumente.push_back(argv[i]);
    argumente.push_back(nullptr);
    execv(neustart_datei.c_str(), argumente.data());
    return std::strerror(errno);
}
