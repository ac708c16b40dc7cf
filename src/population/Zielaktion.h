#pragma once
// Goal actions: a person standing on the target of its order waits out its
// work counter and then runs the action of its order code. Orders run in
// stages; an action advances the order to its next stage with a new pose and
// duration, or ends it by sending the person away to look for work.

// For a person with an order whose cell is its target, once per step.
void ZAU_Zielaktion_Manager(int person);
// Advances the order from stage code to the next, sets the work counter to dauer
// and starts the animation of the given number.
void Auftragweiterleitung(int person, int code, int animation, int dauer);
// Ends an order: the person walks off to a free cell nearby (its own cell when there
// is none) and looks for a job there.
void ZAU_Wegschicken(int person);
// Releases what the person's order holds, without ending it: a bought unit not yet taken
// goes back to its seller with the price to whoever paid it, a workplace stops waiting
// for what the order was to bring, a site orders its unit again. Every way an order
// ends other than by being done goes through here.
void ZAU_Auftrag_freigeben(int person);
// Gives up the person's order where it stands: what it holds is released, the clan's
// count of its work kind goes back to the errands and the person is sent away.
void ZAU_Auftrag_aufgeben(int person);
// Arrival with order 3: the person becomes idle (holding no detour any more) and the job
// step runs at once.
void ZAU_Job_suchen(int person);
// The work time of a stage that depends on skill: 110 less the trained level.
int ZAU_Arbeitsdauer(int person);
// The object in use anchored at the cell, or -1.
int ZAU_Objekt_an(int feld);
