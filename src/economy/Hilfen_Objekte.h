#pragma once
// Helpers over the map objects and the clans: whose an object is, and which
// building templates a clan may be offered.

// The object belongs to the viewed clan, or its owner and the viewed clan are
// both in the alliance. An object without owner is no one's.
bool FFU_Objekt_eigen(int objekt);
// The building template may be offered to the clan: not a start building or
// second harbour, envy level at most 1, and its level reached by the clan.
bool FFU_Objekt_baubar(int vorlage, int spieler);
