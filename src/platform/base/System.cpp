#include "platform/base/System.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/base/Text1252.h"

std::string Windows_Benutzername() {
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name && *pw->pw_name)
        return utf8_zu_1252(pw->pw_name);
    for (const char* var : {"USER", "LOGNAME"})
        if (const char* v = std::getenv(var); v && *v) return utf8_zu_1252(v);
    return {};
}

std::uint32_t Tickzaehler() {
    auto t = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(t).count());
}

std::string Programmordner() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "./";
    return utf8_zu_1252(exe.parent_path().string()) + "/";
}

bool InternetGetConnectedState() {
    ifaddrs* liste = nullptr;
    if (getifaddrs(&liste) != 0) return false;
    bool verbunden = false;
    for (const ifaddrs* a = liste; a && !verbunden; a = a->ifa_next)
        verbunden = a->ifa_addr && (a->ifa_flags & IFF_UP) && !(a->ifa_flags & IFF_LOOPBACK);
    freeifaddrs(liste);
    return verbunden;
}
