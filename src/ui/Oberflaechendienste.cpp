#include "ui/Oberflaechendienste.h"

#include "ui/Textausgabe.h"

void Oberflaechendienste::TPU_2D_Modus() { ::TPU_2D_Modus(); }
void Oberflaechendienste::TPU_Ladestatus_add(const std::string& text) { ::TPU_Ladestatus_add(text); }
void Oberflaechendienste::TPU_Ladestatus_leeren() { ::TPU_Ladestatus_leeren(); }
