#!/usr/bin/env python3
"""Writes the default game content (skills, goods, buildings, ambient objects,
Mod.ini) under content/Daten from the tables below.

The committed files are what the game reads; this script only keeps the many
folders consistent with each other. Run it after changing a table:

    python3 tools/content_gen.py

Script files are written in Windows-1252 with CR LF line ends. The pictures
are not written here: tools/bildgenerator.cpp draws them at build time.
"""

import os
import shutil
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATEN = os.path.join(ROOT, "content", "Daten")

# --------------------------------------------------------------------------
# Skills. Folder numbers 1, 2 and 11 are fixed by the work poses of the
# harvest: 1 chops (trees), 2 reaps (field crops), 11 tends (garden goods).
# --------------------------------------------------------------------------
SKILLS = [
    ("Keiner", "Niemand", "tut nichts"),
    ("Forstwirtschaft", "Holzfäller", "fällt Bäume und pflanzt Wald"),
    ("Ackerbau", "Bauer", "bestellt die Felder"),
    ("Steinmetzkunst", "Steinmetz", "bricht und behaut Steine"),
    ("Fischfang", "Fischer", "fängt und räuchert Fisch"),
    ("Jagd", "Jäger", "stellt den Kaninchen nach"),
    ("Zimmerei", "Zimmermann", "sägt Stämme zu Brettern"),
    ("Bergbau", "Bergmann", "gräbt Erz aus den Hügeln"),
    ("Schmiedekunst", "Schmied", "schmilzt Eisen und schmiedet Werkzeug"),
    ("Backkunst", "Bäcker", "mahlt Korn und bäckt Brot"),
    ("Webkunst", "Weber", "webt Leinen und näht Kleider"),
    ("Gartenbau", "Gärtner", "pflegt Beeren, Kräuter und Bienen"),
    ("Braukunst", "Brauer", "braut Met aus Honig"),
    ("Glaskunst", "Glasbläser", "gräbt Sand und bläst Glas"),
    ("Köhlerei", "Köhler", "brennt Holzkohle im Meiler"),
    ("Münzkunst", "Münzer", "schmilzt Golderz und prägt Münzen"),
    ("Luftschiffbau", "Luftschiffer", "baut Luftschiffe"),
    ("Gelehrsamkeit", "Gelehrter", "ersinnt Neues"),
]

# --------------------------------------------------------------------------
# Ambient objects. link and animation name other ambient folders by title;
# the folder numbers are filled in when the files are written.
# --------------------------------------------------------------------------
AMBIENTE = [
    # title, spezial, onMap (from, to) or None, block, animation (title), link (title or -1)
    dict(t="Leer"),
    dict(t="Eiche", sp="tree", on=(3, 5), block=True, link="Baumstumpf"),
    dict(t="Buche", sp="tree", on=(3, 6), block=True, link="Baumstumpf"),
    dict(t="Birke", sp="tree", on=(3, 5), block=True, link="Baumstumpf"),
    dict(t="Tanne", sp="tree", on=(6, 11), block=True, link="Baumstumpf"),
    dict(t="Kiefer", sp="tree", on=(5, 13), block=True, link="Baumstumpf"),
    dict(t="Strandkiefer", sp="tree", on=(2, 2), block=True, link="Baumstumpf"),
    dict(t="Busch", on=(3, 5)),
    dict(t="Baumstumpf", link=-1),
    dict(t="Findling", sp="stone", on=(3, 5), block=True, link="Geröll"),
    dict(t="Felsblock", sp="stone", on=(6, 15), block=True, link="Geröll"),
    dict(t="Eisfels", sp="stone", on=(16, 20), block=True, link="Geröll"),
    dict(t="Geröll", link=-1),
    dict(t="Kaninchenbau", sp="hole", on=(3, 5), block=True),
    dict(t="Falle", sp="cage", link="Falle mit Fang"),
    dict(t="Falle mit Fang", sp="rabitcatch", link=-1),
    dict(t="Grab", sp="dead", link="Grabhügel"),
    dict(t="Grabhügel", link="Verwittertes Grab"),
    dict(t="Verwittertes Grab", link=-1),
    dict(t="Baustelle", sp="mark"),
    dict(t="Bauplatz", sp="place"),
    dict(t="Mangel", sp="lackof"),
    dict(t="Stillstand", sp="prostop"),
    dict(t="Fahne 1", sp="flag", anim="Fahne 2"),
    dict(t="Fahne 2", anim="Fahne 3"),
    dict(t="Fahne 3", anim="Fahne 1"),
    dict(t="Wimpel 1", sp="flagsmall", anim="Wimpel 2"),
    dict(t="Wimpel 2", anim="Wimpel 1"),
    dict(t="Rauch 1", sp="rauch", anim="Rauch 2"),
    dict(t="Rauch 2", anim="Rauch 3"),
    dict(t="Rauch 3", anim="Rauch 1"),
    dict(t="Feuer 1", sp="feuer", anim="Feuer 2"),
    dict(t="Feuer 2", anim="Feuer 3"),
    dict(t="Feuer 3", anim="Feuer 1"),
    dict(t="Luftschiff LO", sp="airshipLO"),
    dict(t="Luftschiff RO", sp="airshipRO"),
    dict(t="Luftschiff R", sp="airshipR"),
    dict(t="Luftschiff LU", sp="airshipLU"),
    dict(t="Luftschiff RU", sp="airshipRU"),
    dict(t="Luftschiff L", sp="airshipL"),
    # footpaths, faintest first; the last one also lies under every building
    dict(t="Spur", sp="way"),
    dict(t="Pfad", sp="way"),
    dict(t="Trampelpfad", sp="way"),
    dict(t="Weg", sp="way"),
    dict(t="Mohnblumen", sp="flower", on=(3, 5)),
    dict(t="Kornblumen", sp="flower", on=(3, 4)),
    dict(t="Enzian", sp="flower", on=(6, 9)),
    dict(t="Schutt", sp="trash"),
    dict(t="Trümmer", sp="trash"),
    # growth stages of planted goods
    dict(t="Setzling", link="Jungbaum"),
    dict(t="Jungbaum", link="Schlagreifer Baum"),
    dict(t="Schlagreifer Baum", link=-1),
    dict(t="Beerensetzling", link="Beerenstrauch"),
    dict(t="Beerenstrauch", link="Reifer Beerenstrauch"),
    dict(t="Reifer Beerenstrauch", link=-1),
    dict(t="Getreidesaat", link="Junges Getreide"),
    dict(t="Junges Getreide", link="Reifes Getreide"),
    dict(t="Reifes Getreide", link=-1),
    dict(t="Rübensaat", link="Rübenkraut"),
    dict(t="Rübenkraut", link="Reife Rüben"),
    dict(t="Reife Rüben", link=-1),
    dict(t="Flachssaat", link="Junger Flachs"),
    dict(t="Junger Flachs", link="Blühender Flachs"),
    dict(t="Blühender Flachs", link=-1),
    dict(t="Leerer Bienenkorb", link="Voller Bienenkorb"),
    dict(t="Voller Bienenkorb", link=-1),
    dict(t="Kräutersaat", link="Kräuterbeet"),
    dict(t="Kräuterbeet", link=-1),
    # models shown on buildings (goods in stock, production under way)
    dict(t="Holzstapel"),
    dict(t="Steinhaufen"),
    dict(t="Mühlrad"),
    dict(t="Mühlrad drehend 1", anim="Mühlrad drehend 2"),
    dict(t="Mühlrad drehend 2", anim="Mühlrad drehend 1"),
]

AMB_NR = {a["t"]: i for i, a in enumerate(AMBIENTE)}

# --------------------------------------------------------------------------
# Goods. Need may name only goods above it in this list.
# --------------------------------------------------------------------------
WAREN = [
    dict(t="Nichts", text="Platzhalter, wird nie gehandelt."),
    dict(t="Holz", g="Rohstoffe", sk="Forstwirtschaft", grow="Setzling",
         text="Stämme aus dem Wald. Grundstoff fast jedes Baus."),
    dict(t="Stein", g="Rohstoffe", sp="stone", sk="Steinmetzkunst",
         text="Behauene Bruchsteine für feste Mauern."),
    dict(t="Sand", g="Rohstoffe", sk="Glaskunst", text="Feiner Sand vom Strand, für die Glashütte."),
    dict(t="Erz", g="Rohstoffe", sk="Bergbau", text="Eisenerz aus den Hügeln."),
    dict(t="Golderz", g="Rohstoffe", sk="Bergbau", chance=70,
         text="Goldhaltiges Gestein; nicht jeder Brocken lohnt."),
    dict(t="Beeren", g="Nahrung", sp="food", sk="Gartenbau", grow="Beerensetzling",
         text="Süße Beeren aus dem Garten."),
    dict(t="Fisch", g="Nahrung", sp="food", sk="Fischfang", chance=80,
         text="Frischer Fisch von der Küste."),
    dict(t="Wildbret", g="Nahrung", sp="food", sk="Jagd", chance=90,
         text="Kaninchen aus Fallen und Bauen."),
    dict(t="Rüben", g="Nahrung", sp="food", sk="Ackerbau", grow="Rübensaat",
         text="Sättigende Rüben vom Acker."),
    dict(t="Getreide", g="Landbau", sk="Ackerbau", grow="Getreidesaat",
         text="Korn für die Mühle."),
    dict(t="Flachs", g="Landbau", sk="Ackerbau", grow="Flachssaat",
         text="Fasern für die Weberei."),
    dict(t="Honig", g="Landbau", sk="Gartenbau", grow="Leerer Bienenkorb",
         text="Honig aus dem Bienenkorb."),
    dict(t="Kräuter", g="Luxus", sp="luxury", sk="Gartenbau", grow="Kräutersaat",
         text="Duftende Kräuter, ein kleiner Genuss."),
    dict(t="Bretter", g="Werkstoffe", sk="Zimmerei", need=[("Holz", 2)], make=2,
         text="Gesägte Bretter für Dächer und Gerüste."),
    dict(t="Holzkohle", g="Werkstoffe", sk="Köhlerei", need=[("Holz", 3)], make=2,
         text="Heiße Kohle aus dem Meiler."),
    dict(t="Eisen", g="Werkstoffe", sk="Schmiedekunst", need=[("Erz", 1), ("Holzkohle", 1)],
         text="Geschmolzenes Eisen in Barren."),
    dict(t="Werkzeug", g="Werkstoffe", sk="Schmiedekunst", need=[("Eisen", 1), ("Holz", 1)],
         text="Hämmer, Sägen und Meißel."),
    dict(t="Glas", g="Werkstoffe", sk="Glaskunst", need=[("Sand", 2), ("Holzkohle", 1)],
         text="Klare Scheiben für Fenster."),
    dict(t="Leinen", g="Werkstoffe", sk="Webkunst", need=[("Flachs", 2)],
         text="Gewebtes Tuch aus Flachs."),
    dict(t="Mehl", g="Nahrung", sk="Backkunst", need=[("Getreide", 2)],
         text="Gemahlenes Korn für den Bäcker."),
    dict(t="Brot", g="Nahrung", sp="food", sk="Backkunst", need=[("Mehl", 1)], make=2,
         text="Frisches Brot aus dem Ofen."),
    dict(t="Räucherfisch", g="Nahrung", sp="food", sk="Fischfang",
         need=[("Fisch", 2), ("Holz", 1)], make=3, text="Haltbarer Fisch aus dem Rauch."),
    dict(t="Met", g="Luxus", sp="luxury", sk="Braukunst", need=[("Honig", 2)],
         text="Süßer Honigwein für Feste."),
    dict(t="Kleidung", g="Luxus", sp="luxury", sk="Webkunst", need=[("Leinen", 2)],
         text="Feine Kleider aus Leinen."),
    dict(t="Glaswaren", g="Luxus", sp="luxury", sk="Glaskunst", need=[("Glas", 1)],
         text="Kelche und Flaschen aus Glas."),
    dict(t="Gold", g="Schätze", sp="gold", sk="Münzkunst", need=[("Golderz", 2)],
         transport=False, text="Geprägte Münzen füllen die Clankasse."),
    dict(t="Luftschiff", g="Schätze", sp="ship", sk="Luftschiffbau",
         need=[("Bretter", 4), ("Leinen", 3), ("Werkzeug", 2)], transport=False,
         text="Ein Luftschiff für Fracht und Siedler."),
    dict(t="Erfindung", g="Schätze", sp="tech", sk="Gelehrsamkeit",
         need=[("Werkzeug", 1), ("Glas", 1)], transport=False,
         text="Neue Einsichten aus der Akademie."),
]

# --------------------------------------------------------------------------
# The economy in numbers. The rules are the game's; these are the numbers of
# the default content that let a world live for a century (judged by the
# century run, tools/jahrhundertlauf.cpp). How the circuit works:
#
# - Gold: founders bring 100 each, a clan starts with 300. A work order pays
#   its worker 1 gold from the treasury; persons pay the seller's price for
#   food (once in about four years: eating lasts 50 months) and luxury (when
#   unhappy). A birth needs 101 gold in the two parents' purses and gives 100
#   of it to the child, and clans pay poor relief down to 51 gold. Without new
#   gold the stock spreads thinner with every child and births stop, so the
#   mint is part of the first level and its ore comes from the quarries every
#   clan builds first. A mint strikes one coin at a time at the pace of its
#   minter's skill, a few a year: what a clan mints grows with its mints (at
#   most five), not with their workers.
# - Births also need the clan's stored food above its member count; the
#   computer clans build food whenever stock - 3 is below their members. People
#   eat only every few years, so food stores stand full: what a clan's food
#   buildings can hold, not what they make, decides how large it may grow, and
#   the first food building of a player has to hold more than the ten founders.
# - A computer clan builds only while a fifth of its members is unemployed;
#   every worker place of a building whose store is full is a free place that
#   the employment office fills again. One worker per ordinary building keeps
#   free places near the number of idle persons, so clans keep building; and a
#   computer clan leaves out a building whose every product is already stocked
#   beyond its members.
# - A computer clan chooses production from the highest level it has reached
#   downwards, at most five of a type. Buildings whose goods only a later level
#   uses are placed at that level, so early clans do not fill their stores with
#   goods nobody takes.
# - A house upgrade is ordered as soon as the house is finished, so it needs
#   only goods made at or below the level of the house.
#
# Changes to the goods above, with their reasons:
WAREN_WIRTSCHAFT = {
    # The mint's ore: no dig is lost (was 70 in 100), and the mint needs one lump
    # per ten gold (was two). (A gathered good keeps Make 1: a gathering order
    # books one unit.)
    "Golderz": dict(chance=100),
    "Gold": dict(need=[("Golderz", 1)]),
    # Smoked fish from fish alone (was two fish and a log): the smokehouse is a
    # food building, so a computer clan builds as many as it needs food, and the
    # wood store of each one held up to nine logs the sawmills then lacked; the
    # upgrade sites of large clans waited years for boards.
    "Räucherfisch": dict(need=[("Fisch", 2)]),
}
for _w in WAREN:
    _w.update(WAREN_WIRTSCHAFT.get(_w["t"], {}))

WAREN_NR = {w["t"]: i for i, w in enumerate(WAREN)}

# --------------------------------------------------------------------------
# Building footprints (rows of the Bauplatz.Obj grid, drawn with map row y
# growing upwards: a row further down lies nearer the viewer). The anchor "4"
# always has walkable neighbours so that carriers can reach it. The map only
# picks a building up by its non-solid cells ("2"), so every footprint has some
# in its back row, where the building's body stands.
# --------------------------------------------------------------------------
FUSS = {
    "S1": ["2", "4"],
    "S4": ["22", "41"],
    "S7": ["220", "141", "011"],
    "S10": ["2112", "1111", "0141"],
}

# --------------------------------------------------------------------------
# Buildings. Upgrade stages keep the footprint of the building they grow from.
# ki: AI_Level (None = no line, level 0: the computer clans never build it).
# --------------------------------------------------------------------------
P = "Produktion"
OBJEKTE = [
    dict(t="Platzhalter", kurz="-", fuss="S1", text="Wird nie gebaut."),
    dict(t="Siedlerlager", kurz="Lager", fuss="S7", modus="Start", platz=0, up="Dorfhalle",
         text="Hier kommen die Siedler an. Es wächst zur Dorfhalle heran."),
    dict(t="Dorfhalle", kurz="Halle", fuss="S7", modus="Startex", platz=0,
         kosten=[("Holz", 5), ("Stein", 4)],
         text="Die Halle des Clans, Mittelpunkt des Dorfes."),
    dict(t="Holzfällerhütte", kurz="Holzfäller", fuss="S4", modus=P, platz=2, ki=1,
         slots=[("Holz", "lumberjack")],
         anzeige=(0, "Holzstapel", [(44, -2), (50, -2), (56, -2), (47, -5), (53, -5), (59, -5),
                                    (50, -8), (56, -8), (53, -11)]),
         text="Holzfäller schlagen die Bäume der Umgebung."),
    dict(t="Steinbruch", kurz="Steinbruch", fuss="S4", modus=P, platz=2, ki=1,
         slots=[("Stein", "stone")],
         anzeige=(0, "Steinhaufen", [(44, -1), (51, -1), (58, -1), (47, -5), (54, -5), (61, -5),
                                     (50, -9), (57, -9), (53, -13)]),
         text="Steinmetze brechen Findlinge und Felsen. Ist alles Gestein gebrochen, "
              "hauen sie weiter im Grund."),
    dict(t="Fischerhütte", kurz="Fischer", fuss="S4", modus=P, platz=2, ki=1,
         slots=[("Fisch", "fishing")], text="Fischer werfen ihre Netze an der nächsten Küste aus."),
    dict(t="Beerengarten", kurz="Beeren", fuss="S4", modus=P, platz=2, ki=1,
         slots=[("Beeren", "Anbau")], text="Gärtner setzen Beerensträucher und ernten sie."),
    dict(t="Laubhütte", kurz="Laubhütte", fuss="S1", modus="Home", neid=0, platz=4, ki=1,
         up="Lehmhütte", text="Ein schlichtes Dach aus Ästen und Laub für zwei Paare."),
    dict(t="Lehmhütte", kurz="Lehmhütte", fuss="S1", modus="Home", neid=2, platz=4,
         kosten=[("Holz", 4), ("Stein", 3)], text="Feste Lehmwände statt Laub."),
    dict(t="Förster", kurz="Förster", fuss="S4", modus=P, platz=2, ki=1,
         kosten=[("Holz", 4)], slots=[("Holz", "Anbau")],
         text="Förster pflanzen Setzlinge und schlagen sie, wenn sie gewachsen sind."),
    dict(t="Jagdhütte", kurz="Jäger", fuss="S4", modus=P, platz=2, ki=2,
         kosten=[("Holz", 3)], slots=[("Wildbret", "Kaninchenabbau")],
         text="Jäger stellen Fallen an den Kaninchenbauen auf."),
    dict(t="Sägewerk", kurz="Säge", fuss="S7", modus=P, platz=2, ki=1,
         kosten=[("Holz", 5), ("Stein", 3)], slots=[("Bretter", P), ("Holz", "Holen")],
         text="Zimmerleute sägen Stämme zu Brettern."),
    dict(t="Köhlerei", kurz="Köhler", fuss="S4", modus=P, platz=2, ki=2,
         kosten=[("Holz", 4), ("Stein", 4)], slots=[("Holzkohle", P), ("Holz", "Holen")],
         text="Im Meiler wird Holz zu Kohle."),
    dict(t="Erzmine", kurz="Erzmine", fuss="S7", modus=P, platz=3, ki=3,
         kosten=[("Holz", 6), ("Bretter", 4)], slots=[("Erz", "ore")],
         text="Bergleute tragen die Hügelkuppen ab und fördern Eisenerz."),
    # Folder 14: the smithy; its hammer is the work sound of production.
    dict(t="Schmiede", kurz="Schmiede", fuss="S7", modus=P, platz=2, ki=4,
         kosten=[("Bretter", 4), ("Stein", 6)],
         slots=[("Werkzeug", P), ("Eisen", "Holen"), ("Holz", "Holen")],
         text="Der Schmied fertigt Werkzeug aus Eisen und Holz."),
    dict(t="Schmelzhütte", kurz="Schmelze", fuss="S7", modus=P, platz=2, ki=3,
         kosten=[("Stein", 8), ("Bretter", 3)],
         slots=[("Eisen", P), ("Erz", "Holen"), ("Holzkohle", "Holen")],
         text="Erz und Holzkohle werden zu Eisen geschmolzen."),
    dict(t="Sandgrube", kurz="Sand", fuss="S4", modus=P, platz=2, ki=2,
         kosten=[("Holz", 3)], slots=[("Sand", "sand")],
         text="Am flachen Strand wird Sand gegraben."),
    dict(t="Rübenacker", kurz="Rüben", fuss="S4", modus=P, platz=2, ki=2,
         kosten=[("Holz", 3)], slots=[("Rüben", "Anbau")], text="Bauern ziehen Rüben."),
    dict(t="Grubenhaus", kurz="Grubenhaus", fuss="S4", modus="Home", neid=1, platz=6, ki=2,
         up="Blockhaus", text="Ein halb in die Erde gegrabenes Haus für drei Paare."),
    dict(t="Blockhaus", kurz="Blockhaus", fuss="S4", modus="Home", neid=2, platz=6,
         kosten=[("Holz", 6), ("Bretter", 4)], up="Fachwerkhaus",
         text="Wände aus ganzen Stämmen."),
    dict(t="Fachwerkhaus", kurz="Fachwerk", fuss="S4", modus="Home", neid=3, platz=6,
         kosten=[("Bretter", 5), ("Stein", 5), ("Werkzeug", 3)],
         text="Ein stattliches Fachwerkhaus."),
    dict(t="Mühle", kurz="Mühle", fuss="S7", modus=P, platz=2, ki=3,
         kosten=[("Holz", 4), ("Bretter", 4), ("Stein", 3)],
         slots=[("Mehl", P), ("Getreide", "Holen")],
         prozess=("Mühlrad", "Mühlrad drehend 1", 50, -12),
         text="Das Mühlrad mahlt Getreide zu Mehl."),
    dict(t="Kornfeld", kurz="Korn", fuss="S4", modus=P, platz=2, ki=3,
         kosten=[("Holz", 4)], slots=[("Getreide", "Anbau")], text="Bauern säen und ernten Korn."),
    dict(t="Bäckerei", kurz="Bäcker", fuss="S4", modus=P, platz=2, ki=3,
         kosten=[("Bretter", 4), ("Stein", 4)], slots=[("Brot", P), ("Mehl", "Holen")],
         text="Der Bäcker backt Brot aus Mehl."),
    dict(t="Flachsfeld", kurz="Flachs", fuss="S4", modus=P, platz=2, ki=3,
         kosten=[("Holz", 4)], slots=[("Flachs", "Anbau")], text="Bauern ziehen Flachs."),
    dict(t="Sippenzelt", kurz="Zelt", fuss="S4", modus="Home", neid=0, platz=8, ki=3,
         up="Langhaus", text="Ein großes Zelt für vier Paare."),
    dict(t="Langhaus", kurz="Langhaus", fuss="S4", modus="Home", neid=2, platz=8,
         kosten=[("Holz", 8), ("Bretter", 6)], text="Ein langes Haus unter einem Dach."),
    dict(t="Weberei", kurz="Weber", fuss="S4", modus=P, platz=2, ki=4,
         kosten=[("Bretter", 4), ("Stein", 3)], slots=[("Leinen", P), ("Flachs", "Holen")],
         text="Am Webstuhl entsteht Leinen."),
    dict(t="Schneiderei", kurz="Schneider", fuss="S4", modus=P, platz=2, ki=4,
         kosten=[("Bretter", 4), ("Stein", 3), ("Werkzeug", 3)],
         slots=[("Kleidung", P), ("Leinen", "Holen")], text="Aus Leinen werden Kleider."),
    dict(t="Räucherei", kurz="Räucherei", fuss="S4", modus=P, platz=2, ki=4,
         kosten=[("Bretter", 4), ("Stein", 3)],
         slots=[("Räucherfisch", P), ("Fisch", "Holen"), ("Holz", "Holen")],
         text="Fisch wird über Buchenholz geräuchert."),
    dict(t="Glashütte", kurz="Glashütte", fuss="S7", modus=P, platz=2, ki=4,
         kosten=[("Stein", 6), ("Bretter", 4)],
         slots=[("Glas", P), ("Sand", "Holen"), ("Holzkohle", "Holen")],
         text="Sand schmilzt in heißer Glut zu Glas."),
    dict(t="Imkerei", kurz="Imker", fuss="S4", modus=P, platz=2, ki=4,
         kosten=[("Holz", 4), ("Bretter", 3)], slots=[("Honig", "Anbau")],
         text="Der Imker stellt Bienenkörbe auf."),
    dict(t="Hofstelle", kurz="Hofstelle", fuss="S7", modus="Home", neid=1, platz=8, ki=4,
         up="Bauernhaus", text="Ein Hof mit Stube für vier Paare."),
    dict(t="Bauernhaus", kurz="Bauernhaus", fuss="S7", modus="Home", neid=3, platz=8,
         kosten=[("Bretter", 6), ("Stein", 6), ("Werkzeug", 3)],
         text="Ein behäbiges Bauernhaus."),
    dict(t="Kräutergarten", kurz="Kräuter", fuss="S4", modus=P, platz=2, ki=2,
         kosten=[("Holz", 3)], slots=[("Kräuter", "Anbau")], text="Gärtner ziehen Kräuter."),
    dict(t="Schuttsammler", kurz="Schutt", fuss="S4", modus=P, platz=2, ki=2,
         kosten=[("Holz", 4)], slots=[("Stein", "recycle")],
         text="Sammelt brauchbare Steine aus Trümmern; gibt es keine, kauft er Steine zu."),
    dict(t="Fischerei", kurz="Fischerei", fuss="S7", modus=P, platz=4, ki=5,
         kosten=[("Bretter", 5), ("Holz", 4)], slots=[("Fisch", "fishing")],
         text="Eine große Fischerei: vier Fischer teilen sich die Boote."),
    dict(t="Glasbläserei", kurz="Glasbläser", fuss="S4", modus=P, platz=2, ki=5,
         kosten=[("Stein", 5), ("Bretter", 4), ("Werkzeug", 3)],
         slots=[("Glaswaren", P), ("Glas", "Holen")], text="Glas wird zu Kelchen geblasen."),
    dict(t="Metbrauerei", kurz="Met", fuss="S4", modus=P, platz=2, ki=5,
         kosten=[("Bretter", 5), ("Stein", 4)], slots=[("Met", P), ("Honig", "Holen")],
         text="Aus Honig wird Met."),
    dict(t="Gesindehaus", kurz="Gesinde", fuss="S7", modus="Home", neid=1, platz=10, ki=5,
         up="Steinhaus", text="Ein Haus für fünf Paare."),
    dict(t="Steinhaus", kurz="Steinhaus", fuss="S7", modus="Home", neid=3, platz=10,
         kosten=[("Stein", 8), ("Bretter", 6), ("Glas", 3)], up="Bürgerhaus",
         text="Steinerne Mauern und Fenster aus Glas."),
    dict(t="Bürgerhaus", kurz="Bürgerhaus", fuss="S7", modus="Home", neid=4, platz=10,
         kosten=[("Stein", 6), ("Glas", 4), ("Werkzeug", 4)], text="Das Haus wohlhabender Bürger."),
    dict(t="Goldmine", kurz="Goldmine", fuss="S7", modus=P, platz=3, ki=5,
         kosten=[("Bretter", 6), ("Werkzeug", 4), ("Stein", 4)], slots=[("Golderz", "ore")],
         text="Bergleute suchen Gold in den Hügelkuppen."),
    dict(t="Münzpräge", kurz="Münze", fuss="S7", modus=P, platz=2, ki=5,
         kosten=[("Stein", 8), ("Werkzeug", 4), ("Eisen", 3)],
         slots=[("Gold", P), ("Golderz", "Holen")],
         text="Golderz wird geschmolzen und zu Münzen für die Clankasse geprägt."),
    dict(t="Gutshof", kurz="Gutshof", fuss="S10", modus=P, platz=4, ki=6,
         kosten=[("Bretter", 6), ("Stein", 6), ("Werkzeug", 3)],
         slots=[("Rüben", "Anbau"), ("Getreide", "Anbau"), ("Flachs", "Anbau")],
         text="Ein großer Hof bestellt Rüben, Korn und Flachs."),
    dict(t="Wohnhof", kurz="Wohnhof", fuss="S10", modus="Home", neid=1, platz=12, ki=6,
         up="Herrenhaus", text="Ein Hof mit Kammern für sechs Paare."),
    dict(t="Herrenhaus", kurz="Herrenhaus", fuss="S10", modus="Home", neid=4, platz=12,
         kosten=[("Stein", 9), ("Bretter", 8), ("Glas", 5), ("Werkzeug", 5)],
         text="Das prächtigste Haus der Insel."),
    dict(t="Luftschiffwerft", kurz="Werft", fuss="S10", modus=P, platz=4, ki=5,
         kosten=[("Bretter", 8), ("Stein", 6), ("Werkzeug", 4), ("Eisen", 4)],
         slots=[("Luftschiff", P), ("Bretter", "Holen"), ("Leinen", "Holen"),
                ("Werkzeug", "Holen")],
         text="Hier entstehen Luftschiffe aus Brettern, Leinen und Werkzeug."),
    dict(t="Akademie", kurz="Akademie", fuss="S7", modus=P, platz=2,
         kosten=[("Stein", 8), ("Bretter", 5), ("Glas", 4)],
         slots=[("Erfindung", P), ("Werkzeug", "Holen"), ("Glas", "Holen")],
         text="Gelehrte ersinnen Neues, sobald der Clan es erlaubt."),
    dict(t="Raseneisengrube", kurz="Raseneisen", fuss="S4", modus=P, platz=2, ki=4,
         kosten=[("Holz", 4), ("Bretter", 3)], slots=[("Erz", "sand")],
         text="Gräbt Raseneisenerz aus dem feuchten Grund nahe der Küste; "
              "so kommt auch eine Insel ohne Hügel zu Eisen."),
    dict(t="Großschmiede", kurz="Großschmiede", fuss="S10", modus=P, platz=4, ki=6,
         kosten=[("Stein", 9), ("Bretter", 6), ("Eisen", 4), ("Werkzeug", 3)],
         slots=[("Werkzeug", P), ("Eisen", P), ("Erz", "Holen"), ("Holzkohle", "Holen"), ("Holz", "Holen")],
         text="Schmelzofen und Schmiede unter einem Dach: aus Erz wird Werkzeug."),
    dict(t="Lagerhaus", kurz="Lager", fuss="S7", modus="Lager", n=3, platz=2,
         kosten=[("Holz", 6), ("Bretter", 3)],
         text="Vier Lagerplätze für Waren nach Wahl."),
    dict(t="Hafen", kurz="Hafen", fuss="S10", modus="Hafen", n=3, platz=3, ki=3,
         kosten=[("Bretter", 6), ("Stein", 6), ("Holz", 4)],
         text="Luftschiffe laden hier Waren und Siedler."),
    dict(t="Landesteg", kurz="Steg", fuss="S4", modus="Hafen2", n=1, platz=2,
         text="Ein Anleger, den ein Luftschiff auf eine fremde Insel bringt."),
]

# Changes to the buildings above, with their reasons (see the notes on the
# economy before the goods numbers).
OBJEKTE_WIRTSCHAFT = {
    # One worker per ordinary production building (was two): a full store
    # dismisses its workers, and with two places per building the free places
    # outnumbered the idle persons many times, so the employment office took
    # every unemployed person and the computer clans stopped building.
    **{t: dict(platz=1) for t in (
        "Steinbruch", "Fischerhütte", "Beerengarten", "Jagdhütte",
        "Sägewerk", "Köhlerei", "Schmiede", "Schmelzhütte", "Sandgrube", "Rübenacker", "Mühle",
        "Kornfeld", "Bäckerei", "Flachsfeld", "Weberei", "Schneiderei", "Räucherei", "Glashütte",
        "Imkerei", "Kräutergarten", "Schuttsammler", "Glasbläserei", "Metbrauerei", "Akademie",
        "Raseneisengrube")},
    # The berry garden also grows turnips (was berries only): a child is born
    # only while the clan's stored food exceeds its members, and a slot holds
    # nine, so a player's single berry garden never let the ten founders have a
    # child. With two foods one garden stores 18.
    "Beerengarten": dict(platz=1, slots=[("Beeren", "Anbau"), ("Rüben", "Anbau")],
                         text="Gärtner setzen Beerensträucher, ziehen Rüben und ernten beides."),
    # Wood keeps two workers per building: houses, boards, charcoal and the smokehouse
    # all take it, a computer clan builds at most five woodcutters and five foresters,
    # and with one worker each the upgrade sites of large clans waited for wood for
    # decades. Their stores rarely fill, so the places stay taken. A player's first
    # woodcutter with one worker, walking to trees twenty to thirty cells off, brought
    # two or three logs a year while the build-ups of the first huts, the village hall
    # and the first workshops waited for thirty, and most of the clan stood idle beside
    # them. The forester is built of stone (was four logs): once a clan's trees are cut
    # and its wood store is empty, it could not pay the one building that gives it wood
    # again, and its sites waited for logs for decades.
    "Holzfällerhütte": dict(platz=2),
    "Förster": dict(platz=2, kosten=[("Stein", 4)]),
    # The large workplaces keep two (were three and four). (The mines dig with one
    # worker each, were three and two: their ore waits for a single smith or
    # minter, and a mine with a full store held two free places.)
    "Fischerei": dict(platz=2, kosten=[("Stein", 4), ("Bretter", 5)],
                      text="Eine große Fischerei: zwei Fischer teilen sich die Boote."),
    # The manor farm is the food building of level 5 beside the large fishery
    # (was level 6) and is built without tools (was 3 tools besides boards and
    # stone). A computer clan builds food from its own level down, a random one
    # of that level whose materials it has; few clans make tools, so from level 5
    # on the large fishery was all they built: 340 fisheries stood in an 832
    # world at year 100, 19 of one clan, and their fishers and the buyers of
    # their fish crowded the beaches so that walkers queued there for years and
    # starved, and sites beyond waited for their carriers. (Fisheries now 730
    # and manor farms 739 in the three 832 worlds, where 1,124 and 23 stood.)
    "Gutshof": dict(platz=2, ki=5, kosten=[("Bretter", 6), ("Stein", 6)]),
    # The airship yard comes at the fourth level (was the fifth) and is built of boards and
    # stone like the other workshops from the second level on (was boards, stone, four
    # tools and four iron). Its airships take boards, linen and tools, which the weaver and
    # the smithy of the fourth level make. Only the human player builds harbours, so the
    # yard is its way overseas; a player who built what each level offered had its harbour
    # at about year 25 and then had to grow to 101 members for the yard, whose site waited
    # another ten to fifteen years for the iron and the tools that the same few smiths
    # forge one at a time for the airship too. In 24 worlds of 256 cells its first airship
    # came in year 54 on average, and in four of them not before the largest computer clan
    # had 150 members; now it comes in year 43, before any computer clan has 150.
    "Luftschiffwerft": dict(platz=2, ki=4, kosten=[("Bretter", 8), ("Stein", 8)]),
    "Großschmiede": dict(platz=2),
    # Gold from the first level (was level 5, which few clans reach): the mint
    # costs wood and stone only (was tools and iron), so a young clan can build
    # it before its first sawmill.
    "Münzpräge": dict(ki=1, kosten=[("Holz", 5), ("Stein", 6)]),
    # The quarry also breaks gold ore (was stone only), and the computer clans
    # build no gold mine (was level 1). Every birth moves 100 gold from the
    # parents into the child, so a clan needs about 60 more gold for every member
    # it gains; the clans grew from 10 to 40 members in 30 years while their gold
    # stayed that of the ten founders, and from year 20 nine in ten couples had
    # less than the 101 a child needs. The mint waited years for its ore: it is
    # built only once the clan holds three lumps, and the mines stood on hills
    # far from home, as sites that took years and then as stores the mint
    # fetched from one lump at a time. The quarries are among the first
    # buildings of every clan and stand near home, so the mints come ten years
    # earlier and every clan mints. With both goods the quarry's store is full
    # only when the mints have their ore too (the quarries held a third of the
    # free worker places). The mine stays for the player (cost: wood and stone).
    "Steinbruch": dict(platz=1, slots=[("Stein", "stone"), ("Golderz", "stone")],
                       text="Steinmetze brechen Findlinge und Felsen und lesen das Golderz aus. "
                            "Ist alles Gestein gebrochen, hauen sie weiter im Grund."),
    "Goldmine": dict(platz=1, ki=None, kosten=[("Holz", 5), ("Stein", 4)]),
    # From the second level on the production buildings are built of stone
    # (were logs and stone, or logs and boards): once the trees near a clan are
    # cut, five sawmills hold its few logs, and a production site waiting for
    # logs stops a computer clan's production building altogether, so it never
    # built the forester that would have given it wood again; such sites waited
    # for 50 years. Quarries never run out. (Was: hunter, turnips, herbs 3 logs +
    # 3 stone; grain, flax 4 + 3; mill 4 logs, 4 boards, 3 stone; charcoal 4 + 4;
    # iron mine 6 logs, 4 boards; bog iron and bees 4 logs, 3 boards; sand 3
    # logs; large fishery 5 boards, 4 logs.)
    **{t: dict(platz=1, kosten=[("Stein", 6)]) for t in ("Jagdhütte", "Rübenacker", "Kräutergarten")},
    "Kornfeld": dict(platz=1, kosten=[("Stein", 7)]),
    "Mühle": dict(platz=1, kosten=[("Stein", 7), ("Bretter", 4)]),
    "Raseneisengrube": dict(platz=1, kosten=[("Stein", 4), ("Bretter", 3)]),
    # The computer clans build no rubble collector (was level 3): it makes only
    # stone, which their five quarries already make more of than they use, and
    # the collectors stood with full stores.
    "Schuttsammler": dict(platz=1, ki=None),
    # The herb garden comes at level 3 (was 2), so the mint comes before it. A
    # computer clan chooses its production from its own level down, and at
    # level 2 the herb garden was the only choice: a clan that grew past 25
    # members before its first mint built its five herb gardens first, its
    # mints came ten to twenty years later, by then its purses held
    # 20 to 30 gold a head, its young couples lacked the 101 gold a child needs,
    # and the clan aged out and died. Now a level-2 clan falls through to the
    # first level, where the mint is the one building whose goods are never
    # stocked. Herbs are only bought by the unhappy; a level-3 clan has them.
    # (Cost as the other level-2 farms above.)
    "Kräutergarten": dict(platz=1, ki=3, kosten=[("Stein", 6)]),
    # Each chain starts at the level of the first building that takes its goods
    # (ore, iron and charcoal were level 3, flax 3, honey 4, sand and glass 4):
    # iron and charcoal go to the smithy and the flax to the weaver (level 4),
    # honey to the mead brewery and glass to the glassblower (level 5). A clan
    # stays at a level for decades, and a mine or field that filled its store for
    # a later level held a free worker place all that time.
    "Erzmine": dict(platz=1, ki=4, kosten=[("Stein", 6), ("Bretter", 4)]),
    "Köhlerei": dict(platz=1, ki=4, kosten=[("Stein", 8)]),
    "Schmelzhütte": dict(platz=1, ki=4),
    "Flachsfeld": dict(platz=1, ki=4, kosten=[("Stein", 7)]),
    "Imkerei": dict(platz=1, ki=5, kosten=[("Stein", 4), ("Bretter", 3)]),
    "Sandgrube": dict(platz=1, ki=5, kosten=[("Stein", 3)]),
    "Glashütte": dict(platz=1, ki=5),
    # The smokehouse smokes fish only (see the goods), and the computer clans
    # build none (was level 4). It was the one food building of level 4, so a
    # clan there built smokehouse after smokehouse while its food stayed short,
    # though each one only smokes the fish others catch: 838 stood in the three
    # 832 worlds, 19 of one clan, their workers fetching fish from the crowded
    # beaches. A level-4 clan now builds the food of the levels below. The
    # smokehouse stays for the player, who may build it from the first level,
    # as the gold mine and the rubble collector (a building without a computer
    # level has level 0).
    "Räucherei": dict(platz=1, ki=None, slots=[("Räucherfisch", P), ("Fisch", "Holen")],
                      text="Fisch wird im Rauch haltbar gemacht."),
    # House upgrades are built mostly of stone (were mostly wood and boards, and
    # tools or glass above): a house grows as soon as it is finished, every clan
    # fills its five quarries early and stone then lies unused, while wood and
    # boards also feed the sawmill, charcoal, smokehouse and smithy and large
    # clans build no more woodcutters or sawmills (their choice starts at their
    # own level). Upgrade sites waited for wood and boards for decades; all of
    # these goods come from first-level buildings. (A cost is at least 3.)
    # The two last upgrades take fewer units (were 15 and 21): every unit is one
    # carrier walking to the one entrance of the site, where a dozen of them
    # queued for months. The long house and the two last upgrades take boards
    # instead of logs (the last two took logs for a while): logs are short once
    # the trees are cut, while the sawmills' stores of boards stand full.
    # The second-level house grows of logs and stone at both steps (the timber-frame
    # house took boards): the computer clans reach the second level before most of them
    # build their first sawmill, which comes by chance among the buildings of the first
    # level, and the timber-frame upgrades waited five to eight years for boards that
    # no seller near them had.
    "Lehmhütte": dict(kosten=[("Stein", 4), ("Holz", 3)]),
    "Blockhaus": dict(kosten=[("Holz", 4), ("Stein", 4)]),
    "Fachwerkhaus": dict(kosten=[("Stein", 6), ("Holz", 3)]),
    "Langhaus": dict(kosten=[("Stein", 6), ("Bretter", 3)]),
    "Bauernhaus": dict(kosten=[("Stein", 8), ("Bretter", 3)]),
    "Steinhaus": dict(kosten=[("Stein", 10), ("Bretter", 3)],
                      text="Steinerne Mauern unter einem festen Dach."),
    "Bürgerhaus": dict(kosten=[("Stein", 10), ("Bretter", 3)]),
    "Herrenhaus": dict(kosten=[("Stein", 12), ("Bretter", 4)]),
}
for _o in OBJEKTE:
    _o.update(OBJEKTE_WIRTSCHAFT.get(_o["t"], {}))
# Stone is the scarcest building material: a computer clan builds at most five
# quarries, a quarry whose rock is broken makes one stone at a time (and its gold
# ore in turn), and from the second level on nearly every building and every house
# upgrade is built of stone. Sites waited years for stone whose nearest free unit
# lay a hundred cells off, and the clans placing them stopped building. Every stone
# cost is half the amount given above, rounded up (a cost is at least 3).
for _o in OBJEKTE:
    if "kosten" in _o:
        _o["kosten"] = [(w, max(3, (m + 1) // 2)) if w == "Stein" else (w, m) for w, m in _o["kosten"]]

OBJ_NR = {o["t"]: i for i, o in enumerate(OBJEKTE)}

MOD_INI = ["[Mod]", "Hasen_Max=10", "Hasen_Init=4"]


def schreiben(pfad, zeilen):
    os.makedirs(os.path.dirname(pfad), exist_ok=True)
    with open(pfad, "wb") as f:
        f.write("".join(z + "\r\n" for z in zeilen).encode("cp1252"))


def skill_zeilen(s):
    return ["Titel/" + s[0], "Berufname/" + s[1], "Tätikkeit/" + s[2]]


def waren_zeilen(w):
    z = ["Titel/" + w["t"]]
    if "g" in w:
        z.append("Group/" + w["g"])
    if w["t"] != "Nichts":
        z.append("Transport/" + ("True" if w.get("transport", True) else "False"))
        z.append("Skill/" + w["sk"])
    if "need" in w:
        z.append("Need/" + "/".join("%s/%d" % (n, m) for n, m in w["need"]))
    if "sp" in w:
        z.append("Spez/" + w["sp"])
    if "chance" in w:
        z.append("Chance/%d" % w["chance"])
    if "make" in w:
        z.append("Make/%d" % w["make"])
    if "grow" in w:
        z.append("Grow/%d" % AMB_NR[w["grow"]])
    z.append("Text/" + w["text"])
    return z


def objekt_zeilen(o):
    z = ["Titel/" + o["t"], "Kurz/" + o["kurz"], "Text/" + o["text"]]
    if "platz" in o:
        z.append("Platz/%d" % o["platz"])
    m = o.get("modus")
    if m == "Home":
        z.append("Modus/Home/Neid/%d" % o["neid"])
    elif m == "Produktion":
        z.append("Modus/Produktion/" + "/".join("%s/%s" % s for s in o["slots"]))
    elif m in ("Lager", "Hafen", "Hafen2"):
        z.append("Modus/%s/%d" % (m, o["n"]))
    elif m:
        z.append("Modus/" + m)
    if "kosten" in o:
        z.append("Baukosten/" + "/".join("%s/%d" % k for k in o["kosten"]))
    if o.get("ki") is not None:
        z.append("AI_Level/%d" % o["ki"])
    if "up" in o:
        z.append("Updatelink/%d" % OBJ_NR[o["up"]])
    if "anzeige" in o:
        slot, name, punkte = o["anzeige"]
        z.append("Warenanzeige/%d/" % slot + "/".join("%s/%d/%d" % (name, a, b) for a, b in punkte))
    if "prozess" in o:
        z.append("Prozessanzeige/%s/%s/%d/%d" % o["prozess"])
    return z


def ambiente_zeilen(a):
    z = ["Titel/" + a["t"]]
    if "sp" in a:
        z.append("spezial/" + a["sp"])
    if "on" in a:
        z.append("onMap/true/%d/%d" % a["on"])
    if a.get("block"):
        z.append("block/true")
    if "anim" in a:
        z.append("animation/%d" % AMB_NR[a["anim"]])
    if "link" in a:
        z.append("link/%d" % (-1 if a["link"] == -1 else AMB_NR[a["link"]]))
    return z


def main():
    for art in ("Skill", "Waren", "Objekt", "Ambiente"):
        shutil.rmtree(os.path.join(DATEN, art), ignore_errors=True)
    for n, s in enumerate(SKILLS):
        schreiben(os.path.join(DATEN, "Skill", str(n), "Script.srt"), skill_zeilen(s))
    for n, w in enumerate(WAREN):
        schreiben(os.path.join(DATEN, "Waren", str(n), "Script.srt"), waren_zeilen(w))
    for n, o in enumerate(OBJEKTE):
        ordner = os.path.join(DATEN, "Objekt", str(n))
        schreiben(os.path.join(ordner, "Script.srt"), objekt_zeilen(o))
        schreiben(os.path.join(ordner, "Bauplatz.Obj"), FUSS[o["fuss"]])
    for n, a in enumerate(AMBIENTE):
        schreiben(os.path.join(DATEN, "Ambiente", str(n), "Script.srt"), ambiente_zeilen(a))
    schreiben(os.path.join(DATEN, "Mod.ini"), MOD_INI)
    if OBJ_NR["Schmiede"] != 14:
        sys.exit("the smithy must be building folder 14")
    print("%d skills, %d goods, %d buildings, %d ambient objects written"
          % (len(SKILLS), len(WAREN), len(OBJEKTE), len(AMBIENTE)))


if __name__ == "__main__":
    main()
