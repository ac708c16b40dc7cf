#pragma once
// The real rendering behind the simulation's RenderSeam: textures, draw lists,
// the scene and the camera. The game installs one after its window exists.
#include "foundation/Seams.h"

struct Renderdienste : RenderSeam {
    void ML_Grundtexturen_laden() override;
    void ML_Modelliste_laden() override;
    void ITF_Interface_laden() override;
    void ML_Iconpacks_laden(const std::string& ordner) override;
    void ML_Iconpacks_vorbereiten(const std::string& ordner) override;
    void ML_Iconpacks_freigeben() override;
    void ML_Packlisten_erzeugen() override;
    void ML_Packlisten_loeschen() override;
    void ML_Kartentexturen_freigeben() override;
    void Draw_Szene(bool nurInterface) override;
    void Kamera_Mausbewegung(int x, int y) override;
    void Kamera_zentrieren(int x, int y) override;
    void Chunks_Feld_neu(int feld) override;
    void Chunk_Listen_loeschen() override;
    void Farbe_setzen(float r, float g, float b) override;
    void ML_Diagrammtextur_erzeugen(std::uint8_t* pixel, int breite, int hoehe) override;
    // Releases every texture and list (before the window and its context go).
    void Alles_freigeben();
};
