#pragma once
// stand-in until its unit lands
// Values of other units that the statistics units read, declared here until those
// units provide them.

// The ware shown by the rotating goods display (person animation clock).
extern int Waren_Anzeigeindex;
