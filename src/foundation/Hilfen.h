#pragma once
// Shared helpers: text rows, word wrap, files and a few small predicates.
//
// A text row is one line of fields separated by "/" (no quoting); numbers are
// plain decimal with a leading "-" when negative. Rows are read field by field
// from the front.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/Textzeilen.h"

// 1-based position of the first "\"; length + 1 when there is none.
int FFU_Pos_Backslash(const std::string& text);
// 1-based position of the last blank; 1 when there is none.
int FFU_Pos_letztes_Leerzeichen(const std::string& text);
// "JA" or "NÖ".
std::string FFU_Bool_zu_JaNein(bool wert);

// --- Numbers -------------------------------------------------------------------

// zaehler + 1; when it then equals grenze it becomes neustart.
void FFU_Zaehler_weiter(int& zaehler, int grenze, int neustart);
// a * (c div b) in integers; 0 (reported) when b is 0.
int FFU_Vielfaches(int a, int b, int c);

// --- Interface text --------------------------------------------------------------

// Text colour: black for style 4, light grey otherwise.
void FFU_Textfarbe(int stil);
// Word wrap on the widths of the second font. "#" starts a new paragraph; an
// empty paragraph is a blank line. Words are separated by blanks (runs of
// blanks count as one) and keep one trailing blank. A word that does not fit
// behind the line's words starts a new line, so a first word wider than the
// width comes after an empty line.
void FFU_Text_umbrechen(const std::string& text, int breite, std::vector<std::string>& zeilen);

// --- Files ---------------------------------------------------------------------

// Reads the whole source and writes it as the destination; false when either fails.
bool FFU_Datei_kopieren(const std::string& quelle, const std::string& ziel);
// Size in bytes; -1 when there is no such file.
std::int64_t FFU_Dateigroesse(const std::string& datei);
// The update server's checksum of a file; nothing when the file cannot be read.
// h := -1; each byte b in file order, with weights cycling 1..256:
// h := h + b * weight, and h - 2147418100 when h then exceeds 2147418100.
std::optional<int> Hashwert_Datei(const std::string& datei);
// The same checksum over bytes in memory.
int Hashwert_Daten(std::string_view daten);

// --- Goods grid --------------------------------------------------------------------

// The goods grid of the interface: rows completed, column of the next entry,
// entry count and the goods numbers.
inline constexpr int IFU_Warenraster_Spalten = 7;
inline constexpr int IFU_Warenraster_Max = 70;
struct Warenraster {
    int Zeilen = 0;
    int Spalte = 0;
    int Anzahl = 0;
    int Waren[IFU_Warenraster_Max] = {};
};
extern Warenraster IFU_Warenraster;
// Fills the goods grid with the transportable goods in use from erste_ware on.
void FFU_Transportwaren_Liste(int erste_ware);
