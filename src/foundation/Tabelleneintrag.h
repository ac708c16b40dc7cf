#pragma once
// Checked access to a row of a table by an index that comes from a file, a
// template or another row: a bad index is reported with the routine's name and
// what was sought, and gives no row.
#include <cstddef>
#include <string>
#include <vector>

#include "foundation/Fehler.h"

template <typename T>
T* Tabelleneintrag(std::vector<T>& tabelle, int i, const char* routine, const char* was) {
    if (i >= 0 && static_cast<std::size_t>(i) < tabelle.size()) return &tabelle[static_cast<std::size_t>(i)];
    Fehler_melden(std::string(routine) + " > " + was + ": " + std::to_string(i));
    return nullptr;
}
