#include "platform/base/Prozess.h"

#include <spawn.h>

#include "platform/base/Datei.h"

extern char** environ;

bool Programm_starten(const std::string& pfad) {
    const std::string datei = Pfad_aufloesen(pfad);
    if (!Datei_existiert(pfad)) return false;
    char* argv[] = {const_cast<char*>(datei.c_str()), nullptr};
    pid_t pid = 0;
    return posix_spawn(&pid, datei.c_str(), nullptr, nullptr, argv, environ) == 0;
}
