#pragma once
// Worker slots: twelve per map object, each closed, open or open with a
// dismissal pending, and holding one person or nobody. Houses keep their
// inhabitants in the same slots. Saved as one text line per object ("OBMA.sav").
#include <array>
#include <string>
#include <vector>

// Highest slot index.
inline constexpr int OB_MaxSlot = 11;

struct OB_Slot {
    int Status = -1;  // -1 closed, 0 open, 1 open with dismissal pending
    int Person = -1;  // -1 none
    bool operator==(const OB_Slot&) const = default;
};

// Indexed by object number.
extern std::vector<std::array<OB_Slot, OB_MaxSlot + 1>> OB_Slots;

// Makes sure entry o exists and sets all its slots to closed and empty.
void OB_Objekt_anlegen(int o);
// Slots 0..n-1 open, the others closed (persons kept); with n > -1 the object is first
// entered with the employment office. n above 12 is reported and taken as 12.
void OB_Slots_oeffnen(int n, int o, int clan);
void OB_Slot_Status_setzen(int o, int k, int status);
// Puts person p into slot k; false when the slot already has a worker.
bool OB_Arbeiter_eintragen(int p, int o, int k);
void OB_Arbeiter_austragen(int o, int k);
int OB_Arbeiter_des_Slots(int o, int k);

bool OB_Slot_offen(int o, int k);
bool OB_Slot_hat_Arbeiter(int o, int k);
bool OB_Slot_besetzt(int o, int k);
bool OB_Slot_frei(int o, int k);
bool OB_Slot_Entlassung_vorgemerkt(int o, int k);
int OB_Max_Slot();

// Lowest free slot, or -1.
int OB_Erster_freier_Slot(int o);
int OB_Anzahl_freie_Slots(int o);
// Slots with a worker, open or not.
int OB_Anzahl_Arbeiter(int o);
bool OB_Hat_Arbeiter(int o);
// No slot is occupied (open and with a worker).
bool OB_Keine_Arbeiter(int o);
// Lowest open slot of person p, or -1 (reported).
int OB_Slot_des_Arbeiter(int o, int p);
// Moves the highest slot with a worker into the lowest slot below it without one.
void OB_Slots_verdichten(int o);
// Closes slot k and takes the object off the employment office when it has no free slot left.
void OB_Slot_schliessen(int clan, int o, int k);
// The owner clicked slot k in the building window.
void OB_Slot_anklicken(int o, int k);
// Releases the workers of all open slots; false when a worker was left busy.
bool OB_Alle_Arbeiter_entlassen(int clan, int o);

// False when the file could not be written (reported).
bool OB_File_Save(const std::string& pfad);
void OB_File_Load(const std::string& pfad);
