#pragma once
// The job step of an idle person: in a fixed order of needs it decides what
// the person does next - leave a workplace that dismissed it, help demolish
// it, buy food, die, bear a child, buy a luxury good, look for a home, work at
// its workplace, be placed by the employment office or take an order of its
// clan. The first activity that succeeds ends the step.

// True when the person was given something to do (or died) in this step.
bool JU_Person_Job_Schritt(int person);
bool JU_hat_Arbeitsplatz(int person);
// One order from the next goods slot of the person's workplace that has work.
bool JU_Arbeit_am_Arbeitsplatz(int person);
