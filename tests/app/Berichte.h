#pragma once
// The reports a walk's program logged into the Config.ini of its folder (section "Errorlog",
// the first report of each kind): their number, and their texts from a given number on (a
// fresh folder's first start logs the building of the interface atlas, for instance).
#include <string>
#include <vector>

#include "common/TempDir.h"
#include "platform/base/Ini.h"

namespace bhmtest {

inline int Berichtszahl(const TempDir& ordner) {
    return ini::lesen_zahl((ordner.path() / "Config.ini").string(), "Allgemein", "Errorlog", 0);
}

inline std::vector<std::string> Berichte_ab(const TempDir& ordner, int ab) {
    std::vector<std::string> berichte;
    for (int i = ab; i < Berichtszahl(ordner); ++i)
        berichte.push_back(
            ini::lesen_text((ordner.path() / "Config.ini").string(), "Errorlog", std::to_string(i), ""));
    return berichte;
}

}  // namespace bhmtest
