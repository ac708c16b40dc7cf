#pragma once
// What the simulation and the shell call of rendering, the interface,
// persistence and the main window.
//
// The simulation library links neither OpenGL nor SDL. Everything it needs of
// the screen, the panels, save games or the window goes through one of these
// seams. Each has a default that does nothing (or answers "nothing there"), so
// the program always starts and tests run without a display; the game binary
// installs the real implementations at start-up and tests install recording
// fakes. A seam installed with *_setzen stays until it is replaced; passing
// nullptr restores the default.
#include <cstdint>
#include <string>

// Rendering: textures, draw lists, camera.
struct RenderSeam {
    virtual ~RenderSeam() = default;
    virtual void ML_Grundtexturen_laden() {}
    virtual void ML_Modelliste_laden() {}
    virtual void ITF_Interface_laden() {}
    virtual void ML_Iconpacks_laden(const std::string& /*ordner*/) {}
    // Starts reading the packs of a folder ahead, for a later ML_Iconpacks_laden of it.
    virtual void ML_Iconpacks_vorbereiten(const std::string& /*ordner*/) {}
    virtual void ML_Iconpacks_freigeben() {}
    virtual void ML_Packlisten_erzeugen() {}
    virtual void ML_Packlisten_loeschen() {}
    virtual void ML_Kartentexturen_freigeben() {}
    // Draws the scene (and with nurInterface only the interface) into the current frame.
    virtual void Draw_Szene(bool /*nurInterface*/) {}
    virtual void Kamera_Mausbewegung(int /*x*/, int /*y*/) {}
    // Centres the view on the cell in column x, row y.
    virtual void Kamera_zentrieren(int /*x*/, int /*y*/) {}
    // The terrain tiles of the cell and of its neighbours to the west, north-west and north
    // changed: rebuild the compiled terrain pieces that hold them.
    virtual void Chunks_Feld_neu(int /*feld*/) {}
    // The map is replaced (world reset): forget every compiled terrain piece.
    virtual void Chunk_Listen_loeschen() {}
    // The current drawing colour (text colour of the interface).
    virtual void Farbe_setzen(float /*r*/, float /*g*/, float /*b*/) {}
    // A new statistics chart of breite x hoehe RGB pixels (3 bytes a pixel, row-major) becomes
    // the chart texture; the buffer stays valid until the next chart and is kept by the texture.
    virtual void ML_Diagrammtextur_erzeugen(std::uint8_t* /*pixel*/, int /*breite*/, int /*hoehe*/) {}
};

// The interface: panels, hot zones, the action executor, on-screen text.
struct UiSeam {
    virtual ~UiSeam() = default;
    // The mouse dispatcher: hover pass (false) or click pass (true).
    virtual bool MO_Mouseover(bool /*klick*/) { return false; }
    virtual void MOAktion(int /*aktion*/, int /*info*/, int /*parameter*/) {}
    // Closes every panel and in-game window, then opens the given panel.
    virtual void Panelanzeigen(int /*panel*/) {}
    virtual void ITP_Panels_laden() {}
    // Empties the panel tables (icons, texts, mouse fields) before a reload.
    virtual void ITP_Paneltabellen_leeren() {}
    virtual void MO_UIdat_laden() {}
    virtual void IAU_Edikte_laden() {}
    // Draws all on-screen text of the frame.
    virtual void Showtext() {}
    // Switches to the 2-D text overlay.
    virtual void TPU_2D_Modus() {}
    // Appends a loading-status line and draws one frame at once.
    virtual void TPU_Ladestatus_add(const std::string& /*text*/) {}
    virtual void TPU_Ladestatus_leeren() {}
    // Visible flags of the three panel slots the main window tests.
    virtual bool Ingamemenue_sichtbar() { return false; }
    virtual bool Speicherpanel_sichtbar() { return false; }
    virtual bool Spielernamepanel_sichtbar() { return false; }
    // A slider or message is held with the mouse, and which one.
    virtual bool MO_Slider_gezogen() { return false; }
    virtual int MO_Slider_Wert() { return -1; }
    // The edict window's second choice: the duration of a timed edict (0..3).
    virtual int IAU_Auswahl_2() { return 0; }
    // The interactive edicts of a saved game: written (false when the file could not be) and read.
    virtual bool IAU_Edikte_speichern(const std::string& /*pfad*/) { return true; }
    virtual void IAU_Edikte_laden_Save(const std::string& /*pfad*/) {}
    // Status line 0..9 of the update panel, and the frames the panel stays open.
    virtual void TPU_Updatestatus_setzen(int /*zeile*/, const std::string& /*text*/) {}
    virtual void IFU_Updateanzeige_Zaehler_setzen(int /*frames*/) {}
};

// Save games and the backdrop game.
struct PersistenzSeam {
    virtual ~PersistenzSeam() = default;
    // Loads the campaign game "KAP0" as the menu backdrop.
    virtual void LSU_Hintergrund_laden() {}
    // Starts reading ahead what the backdrop load will need (while the window starts up).
    virtual void LSU_Hintergrund_vorbereiten() {}
    // Saves the running game under save\single\<name>; false when nothing was saved.
    virtual bool LSU_Speichern(const std::string& name);
    // Loads save\<ordner><name>; false when nothing was loaded.
    virtual bool LSU_Laden(const std::string& name, const std::string& ordner);
};

// The main window, as long-running work and the error reporter need it.
struct ShellSeam {
    virtual ~ShellSeam() = default;
    // Draws one whole frame at once (progress during long work).
    virtual void Grafik_Engiene(bool /*nurInterface*/) {}
    // Handles pending window events (clicks are dropped while Eingabesperre is set).
    virtual void Nachrichten_verarbeiten() {}
    // The main window's resize handler: lays the view out anew (after a new world).
    virtual void FormResize() {}
    // Lets the thread sleep for the given milliseconds.
    virtual void Warten(int /*ms*/) {}
    // A modal message to the player; without a window it goes to stderr.
    virtual void Meldung(const std::string& text);
    // Outer width of the window and width of its client area, in pixels.
    virtual int Formbreite() { return 1280; }
    virtual int Clientbreite() { return 1280; }
    // Height of the client area in pixels.
    virtual int Clienthoehe() { return 700; }
    // Asks the program to end once the frame in progress is done.
    virtual void Programm_beenden() {}
};

RenderSeam& Render();
UiSeam& Oberflaeche();
PersistenzSeam& Persistenz();
ShellSeam& Shell();

void Render_setzen(RenderSeam* seam);
void Oberflaeche_setzen(UiSeam* seam);
void Persistenz_setzen(PersistenzSeam* seam);
void Shell_setzen(ShellSeam* seam);
