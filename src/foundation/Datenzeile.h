#pragma once
// A row of the central state: N Integers in a fixed field order.
//
// The map cells, clans, persons and map objects are rows of Integers that the
// game addresses both by name and by field number (save files, counters that
// are moved by number). A row keeps its fields in one std::array, so access by
// number is plain indexing, and names them with accessors declared through
// BHM_FELD: `Spieler[p].Gold()` is field 5 of row p, `Nr_Gold` its number.
#include <array>
#include <cstddef>
#include <vector>

template <int N>
struct Datenzeile {
    static constexpr int Feldanzahl = N;
    std::array<int, N> f{};

    // Field n; n must lie in 0..N-1 (test numbers from files before use).
    int& feld(int n) { return f[static_cast<std::size_t>(n)]; }
    int feld(int n) const { return f[static_cast<std::size_t>(n)]; }
    static constexpr bool gueltiges_Feld(int n) { return n >= 0 && n < N; }

    bool operator==(const Datenzeile&) const = default;
};

// Declares the named field Name at number Nr inside a row derived from Datenzeile.
#define BHM_FELD(Name, Nr)                                  \
    static constexpr int Nr_##Name = (Nr);                  \
    static_assert((Nr) >= 0 && (Nr) < Feldanzahl, #Name);   \
    int& Name() { return f[static_cast<std::size_t>(Nr)]; } \
    int Name() const { return f[static_cast<std::size_t>(Nr)]; }

// Row i of a table; nullptr for a row that does not exist.
template <typename T>
T* Tabellenzeile(std::vector<T>& tabelle, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < tabelle.size() ? &tabelle[static_cast<std::size_t>(i)]
                                                                  : nullptr;
}
template <typename T>
const T* Tabellenzeile(const std::vector<T>& tabelle, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < tabelle.size() ? &tabelle[static_cast<std::size_t>(i)]
                                                                  : nullptr;
}
