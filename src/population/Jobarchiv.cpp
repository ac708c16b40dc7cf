#include "population/Jobarchiv.h"

// The spiral searches come with the job work.
int JA_Suchring = 0;

int Schneckenroutine(int, int, int) { return -1; }
int JA_Bauplatz_suchen(int, int, bool) { return -1; }
