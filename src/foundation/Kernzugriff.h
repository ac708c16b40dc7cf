#pragma once
// What the helpers, the job status texts and the name generator read (and, for
// the names, write) of the central rows and the template tables: map cells,
// persons, clans, map objects, skills, goods and building templates.
//
// The default reads the core's own rows and tables (world/Karte.h,
// population/Personen.h, economy/Spieler.h, economy/Objekte.h and the template
// tables); tests install a fake with the values they need, and Kern_setzen
// with nullptr returns to the rows.
//
// Every accessor checks its index: a row or template that does not exist reads
// as -1 (or no text), a write to it does nothing.
#include <optional>
#include <string>

// The person fields used here.
enum class Personfeld {
    Hunger,  // vitality; below 1 the row is free
    Alter,
    Geschlecht,       // 1 man, 2 woman
    Spieler,          // owning clan
    Zielfeld,         // target cell of the current walk
    Feld,             // current cell
    Aktiver_SkillID,  // skill last trained, -1 none
    MutterID,
    VaterID,
    WarenID,      // ware of the current order, -1 none
    Vorname,      // index into the male or female first-name list
    Nachname,     // family-name source, meaning by Namensmodus
    Namensmodus,  // 1 clan name, 2 parent's occupation, 3 parent's first name
};

struct KernzugriffSeam {
    virtual ~KernzugriffSeam() = default;

    // Map cells.
    virtual int Karte_LandType(int feld);
    virtual int Karte_Block(int feld);
    virtual int Karte_Person(int feld);
    // The cell holds an ambient object that blocks building.
    virtual bool MG_Ambiente_blockiert(int feld);

    // Persons: rows 0 .. Personen_Anzahl() - 1.
    virtual int Personen_Anzahl();
    virtual int Person(int person, Personfeld feld);
    virtual void Person_setzen(int person, Personfeld feld, int wert);

    // Clans.
    virtual int Spieler_Buendnis(int clan);
    virtual int Spieler_Baustufe(int clan);

    // Map objects: the owning clan, -1 none.
    virtual int Objekt_Besitzer(int objekt);

    // Templates.
    virtual int Ware_SkillID(int ware);
    virtual std::optional<std::string> Skill_Berufname(int skill);
    // Mode, envy level and level of a building template.
    virtual std::optional<std::string> Gebaeude_Modus(int vorlage);
    virtual int Gebaeude_Neid(int vorlage);
    virtual int Gebaeude_AI_Level(int vorlage);
    // The next transportable good in use at or after ware; -1 none.
    virtual int SBU_Naechste_Transportware(int ware);
};

KernzugriffSeam& Kern();
void Kern_setzen(KernzugriffSeam* seam);
