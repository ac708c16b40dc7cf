#pragma once
// Victory goals, the gold in circulation and the yearly gold decay.

// Goals: members, saved gold, luxury goods (each with its target), last clan standing.
extern bool SBMAb, SBGOb, SBLUb, SBLCb;
extern int SBMAi, SBGOi, SBLUi;
// The saved-gold goal of a new set-up and of a save without one.
inline constexpr int SBGOi_Vorgabe = 8000;
// Gold in circulation and the highest value it has reached.
extern int GU, GU2;

// The monthly goal check.
void SU_Sieg_pruefen();
// Switches the four goals off.
void SU_Ziele_aus();
// GU += delta; GU2 follows GU upward.
void SU_Geldmenge_aendern(int delta);
// Moves Ceil(betrag / 5) of the clan's treasury into its saved gold, out of circulation.
void SU_Gold_speichern(int clan, int betrag);
// The yearly decay of the treasuries of clans with members.
void SU_Gold_Verfall();
