#pragma once
// The game's textures and its ready-made draw lists.
//
// At start-up four fixed textures load from Texture\aktiv and the fixed lists
// are compiled: 1800 person frames (twice, once per person texture) and the 315
// interface models. Each game (new or loaded) brings four image packs that become
// goods-icon, skill-icon, build-icon and building lists. Every list is one
// textured quad in pixels of the 2-D projection; a drawer translates to the
// sprite's place, binds the texture and calls the list.
//
// A texture that is not there is never bound: ML_Binden answers false (reported
// once per texture) and the drawer skips its layer. Every list index is checked:
// a number outside its array, or an entry without a list, draws nothing.
#include <GL/gl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "render/Spriterechtecke.h"
#include "render/Spritestapel.h"
#include "render/Textur.h"

inline constexpr int ML_Chunk_Anzahl = 4096;

// Fixed textures (start-up) and the packs of the current game; null while not loaded.
extern std::unique_ptr<TglBitmap2D> ML_Landschaft, ML_Interfacepack, ML_Personpack, ML_Personechtpack;
extern std::unique_ptr<TglBitmap2D> ML_Iconpack, ML_Skillpack, ML_Bauiconpack, ML_Gebaeudepack;
// The statistics chart and the four map overview textures.
extern std::unique_ptr<TglBitmap2D> ML_Diagrammtextur;
extern std::array<std::unique_ptr<TglBitmap2D>, 4> ML_Kartentexturen;

// Fixed lists; 0 where none was compiled.
extern std::array<GLuint, ML_Personenframe_Anzahl> ML_Personenframes, ML_Personenframes2;
extern std::array<GLuint, ML_Interfacemodell_Anzahl> ML_Interfacemodelle;
// Pack lists: entry k belongs to goods, skill or building template k, or (buildings)
// to map object type k; 0 marks an entry without a picture.
extern std::vector<GLuint> ML_Iconlisten, ML_Skilllisten, ML_Bauiconlisten, ML_Gebaeudelisten;
// The quads the person frame lists (both arrays) and the building lists are compiled
// from, for drawing them in batches (render/Spritestapel.h).
extern std::array<ML_Quad, ML_Personenframe_Anzahl> ML_Personenquads;
extern std::vector<ML_Quad> ML_Gebaeudequads;

// Terrain pieces of 16 x 16 cells (render/Chunks.h fills them).
extern std::array<GLuint, ML_Chunk_Anzahl> ML_Chunklisten;
extern std::array<int, ML_Chunk_Anzahl> ML_Chunks_sichtbar;
extern int Chunkinteger;

// Loads the file into the variable (any old texture is released first), turns
// magenta transparent when asked, mirrors when asked and uploads. On failure the
// error is reported with the file name, the variable is empty and false returned.
bool ML_Textur_laden(std::unique_ptr<TglBitmap2D>& textur, const std::string& datei, bool farbschluessel,
                     bool spiegeln);
// The same from the picture the file `datei` holds, already in memory (no reading).
bool ML_Textur_aus_Bild(std::unique_ptr<TglBitmap2D>& textur, Bild bild, const std::string& datei,
                        bool farbschluessel, bool spiegeln);
// The four fixed textures from Texture\aktiv.
void ML_Grundtexturen_laden();
// The fixed lists: person frames twice, then the interface models.
void ML_Modelliste_laden();
// The four packs of a game from a folder (ending in a backslash); a missing file is
// reported and leaves its texture as it was. A pack whose bytes are those of its texture in
// place, or of the one the last release put aside, keeps that texture.
void ML_Iconpacks_laden(const std::string& ordner);
// Starts reading the four packs of a folder on a worker thread, for the next
// ML_Iconpacks_laden of the same folder: it takes each picture that was read from the file as
// it still is, and reads the others itself. Nothing is reported before then.
void ML_Iconpacks_vorbereiten(const std::string& ordner);
// Waits for the reading ahead, if any, and drops what it read.
void ML_Iconpacks_vorbereiten_verwerfen();
// Takes the four pack textures away; they are put aside until the next ML_Iconpacks_laden,
// which uses them again for the same pictures and frees the others.
void ML_Iconpacks_freigeben();
// Goods, skill and build icons, then the buildings from the atlas table.
void ML_Packlisten_erzeugen();
void ML_Packlisten_loeschen();
// The chart and the four map textures.
void ML_Kartentexturen_freigeben();
// Deletes every list of the array and empties it, then checks for a GL error.
void ML_Listen_loeschen(std::vector<GLuint>& listen);
// Everything this unit holds (window close): textures, fixed and pack lists.
void ML_Alles_freigeben();

// Binds the texture and enables texturing; false (and one report per texture until
// it loads again) when the texture or its GL name is missing. `name` is the
// variable's name for the report.
bool ML_Binden(const TglBitmap2D* textur, const char* name);
// Binds texture 0 and disables texturing.
void ML_Loesen();
// One textured quad of w x h pixels with its top-left corner at the origin, texture
// coordinates (s0, t0) at the top left to (s1, t1) at the bottom right (y down).
void ML_Texturquad(float s0, float t0, float s1, float t1, float w, float h);
// Calls list k of the array when it exists; false otherwise.
bool ML_Liste_rufen(const std::vector<GLuint>& listen, int k);
template <std::size_t N>
bool ML_Liste_rufen(const std::array<GLuint, N>& listen, int k) {
    if (k < 0 || static_cast<std::size_t>(k) >= N || listen[static_cast<std::size_t>(k)] == 0) return false;
    glCallList(listen[static_cast<std::size_t>(k)]);
    return true;
}
// Forgets which missing textures were reported (tests).
void ML_Meldungen_zuruecksetzen();
