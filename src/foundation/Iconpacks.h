#pragma once
// The icon packs and the carry pack.
//
// Three packs hold the icons of skills ("Daten\Skillpack.BMP"), goods
// ("Daten\Iconpack.BMP") and buildings ("Daten\BauIconpack.BMP"); the icon of
// template n sits in grid cell n, the cell side being the icon's height. Each
// pack starts as a copy of the blank "Texture\aktiv\Iconpack.BMP". The carry
// pack "Texture\aktiv\Personpack.bmp" receives each good's picture of a person
// carrying it at x = (n mod 10) * 96, y = 256 + (n div 10) * 32; the rest of
// that file stays as it is.
//
// The packs stay in memory while the templates load; Packbilder_schreiben
// (foundation/Packbilder.h) writes each changed pack once.
#include <string>

inline const std::string SBI_Skillpack = "Daten\\Skillpack.BMP";
inline const std::string SBI_Iconpack = "Daten\\Iconpack.BMP";
inline const std::string SBI_Bauiconpack = "Daten\\BauIconpack.BMP";
inline const std::string SBI_Leerpack = "Texture\\aktiv\\Iconpack.BMP";
inline const std::string SBWT_Personpack = "Texture\\aktiv\\Personpack.bmp";

// Each of the three icon packs becomes a copy of the blank pack.
void SBI_Packs_anlegen(const std::string& programmordner);
// Copies vorlagenordner + "Icon.BMP" into cell n of the pack; false when skipped (reported).
bool SBI_Icon_in_Pack(const std::string& vorlagenordner, const std::string& programmordner,
                      const std::string& packpfad, int n);
// Copies the pack file between folders; false on failure.
bool SBI_Pack_kopieren(const std::string& von, const std::string& nach, const std::string& name);
// Copies vorlagenordner + datei to the place of good n in the carry pack; false when skipped.
bool SBWT_Frame_in_Personpack(const std::string& vorlagenordner, const std::string& programmordner,
                              const std::string& packpfad, int n, const std::string& datei);
