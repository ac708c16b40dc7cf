#pragma once
// The interface atlas: every interface image (buttons, frames, check boxes,
// slider parts, coins, icons) in one square bitmap, daten\Interface\ITF.bmp.
//
// The builder reads the image folders daten\Interface\0\, 1\, ... (each an
// Icon.BMP and a Script.srt) and packs the images first fit, column by column,
// on a grid of 16-pixel cells. It writes the atlas, the cell rectangles
// (ITF_tex_kor.sav), the descriptions (ITF_SBL.sav) and a log
// (daten\Interface_Log.Txt). When an image does not fit, the side grows by 256
// in Config.ini ("Interface" / "Size") and the build starts again.
//
// At start-up ITF_Interface_laden rebuilds the atlas (Config.ini "Interface" /
// "RELOAD", default on) or reads the two tables back, loads the atlas texture
// and compiles one display list per image: a textured quad of the image's size
// with its top-left corner at the origin. The image number is the folder number.
#include <GL/gl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/Bild.h"
#include "render/Textur.h"

// Side of the square atlas in pixels.
extern int ITF_Texturgroesse;
// Occupancy of the cells while a build runs (N x N + 1 bytes, cell (x, y) at y * N + x).
extern std::vector<std::uint8_t> ITF_Belegung;
// The atlas being built (tfBGR8, top row first); empty outside a build.
extern Bild ITF_Atlasbild;

// Where an image lies in the atlas, in 16-pixel cells (offX, offY: extra pixels of the quad).
struct ITF_Rechteck {
    int offX = 0, offY = 0;
    int cellX0 = 0, cellX1 = 0;
    int cellY0 = 0, cellY1 = 0;
};
extern std::vector<ITF_Rechteck> ITF_Texturkoordinaten;

// The description of an image from its Script.srt.
struct Interface_Item {
    std::string Titel;
    int Left = 0, Top = 0, Height = 0, Width = 0;
};
extern std::vector<Interface_Item> ITF_Elemente;

// The atlas texture, one display list per image (0 where none was made) and the
// image titled "MousePopup" (0 until found).
extern std::unique_ptr<TglBitmap2D> ITF_Textur;
extern std::vector<GLuint> ITF_Listen;
extern int ITF_MousePopup;

// The largest side the builder tries; an image that does not fit even then stays empty.
extern int ITF_Texturgroesse_max;
// The log line of a folder that could not be built in.
inline const std::string ITF_Fehlerzeile = "-0 ERROR Bild konnte nicht integriert werden.";

// --- Builder -------------------------------------------------------------------

// Builds the atlas from datenOrdner + "Interface\<n>\" and writes the four files.
void ITF_Interface_erzeugen(const std::string& datenOrdner);
// Starts an attempt: takes the side given (or, at 0, the configured one), creates the atlas bitmap, empties
// the grid and the rectangles.
void ITF_Textur_anlegen(int seite = 0);
// Reads image folder n (ordner ends with "\"); zeile receives the log line or ITF_Fehlerzeile.
void ITF_Bild_einlesen(const std::string& ordner, int n, std::string& zeile);
// True when Script.srt and Icon.BMP exist (each missing file is reported).
bool ITF_Ordner_vollstaendig(const std::string& ordner);
// Loads ordner + dateiname and packs it as image n; true when it was placed.
bool ITF_Icondatei_einbauen(const std::string& ordner, const std::string& dateiname, int n);
// Packs the loaded image as image n; false when it does not fit.
bool ITF_Bild_platzieren(int n);
// True when the breite x hoehe cells from column x, row y are all free.
bool ITF_Bereich_frei(int breite, int hoehe, int x, int y);
// Copies the loaded image into the atlas with its top-left pixel at (px, py).
void ITF_Pixel_kopieren(int px, int py);
void ITF_Koordinaten_anhaengen(int offX, int offY, int cellX0, int cellX1, int cellY0, int cellY1);
// Fills ITF_Elemente[n] from a Script.srt; zeile becomes "ID:<n>=<Titel>" when it has a title.
void ITF_Script_lesen(const std::string& datei, int n, std::string& zeile);
bool ITF_Koordinaten_speichern(const std::string& datei);
bool ITF_Elemente_speichern(const std::string& datei);

// --- Start-up ------------------------------------------------------------------

// Makes the interface images ready (rebuild or read back, texture, lists).
void ITF_Interface_laden();
// Read the tables of the last build back; a damaged file is reported and read as far as it goes.
void ITF_Koordinaten_laden(const std::string& datei);
void ITF_Elemente_laden(const std::string& datei);
// One display list per rectangle; finds ITF_MousePopup.
void ITF_Listen_erzeugen();

// The quad of rectangle r's cells, w x h pixels from the origin (the texture bound by the caller);
// `rand` texels taken in from each edge of the cells.
void ITF_Quad(const ITF_Rechteck& r, float w, float h, float rand = 0.0f);
// The same quad stretched over w x h pixels with the texture that is bound. Enlarged at least
// twice in both directions, every pixel of it is magnified, so the bound texture's own
// minifying filter cannot show: it is set to its base filter while the quad is drawn, which
// spares the rasteriser the choice between the filters (the pixels are the same).
void ITF_Quad_gestreckt(const ITF_Rechteck& r, float w, float h, float rand);

// Frees the texture and the lists and empties every table (window close, tests).
void ITF_Freigeben();
