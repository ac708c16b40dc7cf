#include "render/Renderdienste.h"

#include <GL/gl.h>

#include <exception>

#include "foundation/Fehler.h"

#include "render/Chunks.h"
#include "render/Interfaceatlas.h"
#include "render/Kamera.h"
#include "render/Modelliste.h"
#include "render/Szene.h"

void Renderdienste::ML_Grundtexturen_laden() { ::ML_Grundtexturen_laden(); }
void Renderdienste::ML_Modelliste_laden() { ::ML_Modelliste_laden(); }
void Renderdienste::ITF_Interface_laden() { ::ITF_Interface_laden(); }
void Renderdienste::ML_Iconpacks_laden(const std::string& ordner) { ::ML_Iconpacks_laden(ordner); }
void Renderdienste::ML_Iconpacks_vorbereiten(const std::string& ordner) {
    ::ML_Iconpacks_vorbereiten(ordner);
}
void Renderdienste::ML_Iconpacks_freigeben() { ::ML_Iconpacks_freigeben(); }
void Renderdienste::ML_Packlisten_erzeugen() { ::ML_Packlisten_erzeugen(); }
void Renderdienste::ML_Packlisten_loeschen() { ::ML_Packlisten_loeschen(); }
void Renderdienste::ML_Kartentexturen_freigeben() { ::ML_Kartentexturen_freigeben(); }
void Renderdienste::Draw_Szene(bool nurInterface) { ::Draw_Szene(nurInterface); }
void Renderdienste::Kamera_Mausbewegung(int x, int y) { ::Kamera_Mausbewegung(x, y); }
void Renderdienste::Kamera_zentrieren(int x, int y) { ::Kamera_zentrieren(x, y); }
void Renderdienste::Chunks_Feld_neu(int feld) { ::Chunks_Feld_neu(feld); }
void Renderdienste::Chunk_Listen_loeschen() { ::Chunk_Listen_loeschen(); }
void Renderdienste::Farbe_setzen(float r, float g, float b) { glColor3f(r, g, b); }
void Renderdienste::ML_Diagrammtextur_erzeugen(std::uint8_t* pixel, int breite, int hoehe) {
    // The chart keeps its pixels after the upload: the buffer belongs to the statistics.
    ML_Diagrammtextur.reset();
    try {
        auto neu = TglBitmap2D::CreateFromPixels(breite, hoehe, tfRGB8, pixel);
        neu->SetFreePixelsAfterUpload(false);
        neu->GenTexture(true);
        ML_Diagrammtextur = std::move(neu);
    } catch (const std::exception& e) {
        Fehler_melden(std::string("ML_Diagrammtextur_erzeugen > ") + e.what());
    }
}

void Renderdienste::Alles_freigeben() {
    ML_Alles_freigeben();
    ITF_Freigeben();
}
