#!/usr/bin/env python3
"""Consistency checker of the game content.

    content_check.py <content folder> <game folder>

Reads the script files from <content folder>/Daten and the pictures from
<game folder>/Daten (where the build draws them), parses them the way the
template loader does, and checks the rules the economy depends on. Prints one
line per problem and exits with 1 when there is any, else prints a summary and
exits with 0.
"""

import os
import struct
import sys

SKILL_KEYS = {"Titel", "Berufname", "T\u00e4tikkeit"}
WAREN_KEYS = {"Titel", "Transport", "Group", "Need", "Spez", "Chance", "Skill", "Grow", "Make", "Text"}
OBJEKT_KEYS = {"Titel", "Kurz", "Text", "Baukosten", "Platz", "Modus", "AI_Level", "Warenanzeige",
               "Prozessanzeige", "Updatelink"}
AMBIENTE_KEYS = {"Titel", "spezial", "onMap", "block", "animation", "link"}
USAGE = {"Holen": 1, "Produktion": 2, "Anbau": 3, "stone": 4, "Kaninchenabbau": 5, "Lager": 6,
         "lumberjack": 7, "fishing": 8, "ore": 9, "recycle": 10, "sand": 11}
SPEZ_NEEDED = {"food", "luxury", "gold", "ship", "tech", "stone"}
KEYWORDS_SINGLE = ["hole", "mark", "place", "rabitcatch", "cage", "dead", "lackof", "prostop", "flag",
                   "flagsmall", "rauch", "feuer", "airshipLO", "airshipRO", "airshipR", "airshipLU",
                   "airshipRU", "airshipL"]
KEYWORDS_LIST = ["way", "stone", "flower", "trash"]
MARKERS = {(255, 0, 0): "red", (0, 255, 0): "green", (0, 0, 255): "blue"}
MAGENTA = (255, 0, 255)
HARVEST_SKILLS = {1, 2, 11}
SOUND_BUILDING = 14
AI_LEVELS = range(1, 7)

problems = []


def problem(text):
    if text not in problems:
        problems.append(text)


# -------------------------------------------------------------------- files

def folders(base):
    """Numbered folders of a kind: 0..n-1 without gaps, nothing else."""
    if not os.path.isdir(base):
        problem("%s: folder missing" % base)
        return 0
    names = os.listdir(base)
    numbers = sorted(int(n) for n in names if n.isdigit())
    for n in names:
        if not n.isdigit() or str(int(n)) != n:
            problem("%s: unexpected entry %r" % (base, n))
    if numbers != list(range(len(numbers))):
        problem("%s: folders are not numbered 0..%d without gaps" % (base, len(numbers) - 1))
    if not numbers:
        problem("%s: no folder" % base)
    return len(numbers)


def read_script(path):
    """Lines of a script file as (key, value), checking encoding and line ends."""
    try:
        raw = open(path, "rb").read()
    except OSError:
        problem("%s: missing" % path)
        return []
    text = raw.decode("cp1252", errors="replace")
    if "\ufffd" in text:
        problem("%s: not Windows-1252" % path)
    if raw and not raw.endswith(b"\r\n"):
        problem("%s: does not end with CR LF" % path)
    if raw.replace(b"\r\n", b"").count(b"\n") or raw.replace(b"\r\n", b"").count(b"\r"):
        problem("%s: line ends other than CR LF" % path)
    lines = []
    for line in text.replace("\r\n", "\n").split("\n"):
        if line == "":
            continue
        key, _, value = line.partition("/")
        lines.append((key, value))
    return lines


def number(path, text, default=None):
    if text == "" and default is not None:
        return default
    try:
        return int(text)
    except ValueError:
        problem("%s: %r is not a number" % (path, text))
        return default if default is not None else 0


def read_bmp(path):
    """(width, height, rows of (r, g, b)) of a 24-bit uncompressed BMP, or None."""
    try:
        d = open(path, "rb").read()
    except OSError:
        problem("%s: missing" % path)
        return None
    if len(d) < 54 or d[:2] != b"BM":
        problem("%s: not a BMP file" % path)
        return None
    off = struct.unpack_from("<I", d, 10)[0]
    w, h = struct.unpack_from("<ii", d, 18)
    bpp, comp = struct.unpack_from("<HI", d, 28)
    if bpp != 24 or comp != 0:
        problem("%s: not 24-bit uncompressed" % path)
        return None
    top_down = h < 0
    h = abs(h)
    row = (w * 3 + 3) & ~3
    if len(d) < off + row * h:
        problem("%s: truncated" % path)
        return None
    rows = []
    for y in range(h):
        src = y if top_down else h - 1 - y
        r = d[off + src * row: off + src * row + w * 3]
        rows.append([(r[3 * x + 2], r[3 * x + 1], r[3 * x]) for x in range(w)])
    return w, h, rows


def markers(img):
    found = {"red": [], "green": [], "blue": []}
    w, h, rows = img
    for y in range(h):
        for x in range(w):
            name = MARKERS.get(rows[y][x])
            if name:
                found[name].append((x, y))
    return found


def check_picture(path, size=None, allow_markers=False):
    img = read_bmp(path)
    if img is None:
        return None
    w, h, rows = img
    if size and (w, h) != size:
        problem("%s: %dx%d, expected %dx%d" % (path, w, h, size[0], size[1]))
    m = markers(img)
    if not allow_markers and any(m.values()):
        problem("%s: holds pure red, green or blue pixels" % path)
    if allow_markers:
        all_points = {p for pts in m.values() for p in pts}
        for (x, y) in all_points:
            if x == w - 1:
                problem("%s: marker pixel (%d, %d) in the last column" % (path, x, y))
            elif (x + 1, y) in all_points:
                problem("%s: marker pixel (%d, %d) has a marker as right neighbour" % (path, x, y))
    if all(rows[y][x] == MAGENTA for y in range(h) for x in range(w)):
        problem("%s: the picture is empty" % path)
    return m


# -------------------------------------------------------------------- templates

def load(content, game):
    daten = os.path.join(content, "Daten")
    bilder = os.path.join(game, "Daten") if game else None
    T = {}

    # skills
    n = folders(os.path.join(daten, "Skill"))
    skills = []
    for i in range(n):
        p = os.path.join(daten, "Skill", str(i), "Script.srt")
        s = {"Titel": "", "Berufname": "", "T\u00e4tikkeit": ""}
        for k, v in read_script(p):
            if k not in SKILL_KEYS:
                problem("%s: unknown key %r" % (p, k))
            s[k] = v
        skills.append(s)
        if bilder:
            check_picture(os.path.join(bilder, "Skill", str(i), "Icon.BMP"), (32, 32))
    T["skills"] = skills
    skill_nr = {}
    for i, s in enumerate(skills):
        if i > 0:
            skill_nr.setdefault(s["Titel"], i)

    # goods, in folder order: Need sees only the goods read so far
    n = folders(os.path.join(daten, "Waren"))
    waren = []
    ware_nr = {}
    for i in range(n):
        p = os.path.join(daten, "Waren", str(i), "Script.srt")
        w = {"Titel": "", "Transport": False, "Group": "", "Need": [], "Spez": "", "Chance": 100,
             "Skill": -1, "Grow": 0, "Make": 1, "Text": "", "path": p}
        lines = read_script(p)
        for k, v in lines:
            if k == "Titel":
                w["Titel"] = v
        if i > 0:
            ware_nr.setdefault(w["Titel"], i)
        for k, v in lines:
            if k not in WAREN_KEYS:
                problem("%s: unknown key %r" % (p, k))
            elif k == "Transport":
                w["Transport"] = v == "True"
            elif k in ("Group", "Spez", "Text"):
                w[k] = v
            elif k == "Need":
                f = v.split("/")
                w["Need"] = []
                for j in range(5):
                    name = f[2 * j] if 2 * j < len(f) else ""
                    amount = f[2 * j + 1] if 2 * j + 1 < len(f) else ""
                    if name == "":
                        continue
                    nr = ware_nr.get(name)
                    if nr is None:
                        problem("%s: Need names %r, which is not a good defined before it" % (p, name))
                        continue
                    if nr == i:
                        problem("%s: Need names the good itself" % p)
                    m = number(p, amount, 1)
                    if m < 1:
                        problem("%s: Need amount %d below 1" % (p, m))
                    w["Need"].append((nr, m))
            elif k == "Chance":
                w["Chance"] = number(p, v, 100)
            elif k == "Skill":
                name = v.split("/")[0]
                w["Skill"] = skill_nr.get(name, -1) if name else -1
                if name and name not in skill_nr:
                    problem("%s: skill %r not found" % (p, name))
            elif k == "Grow":
                w["Grow"] = number(p, v, 0)
            elif k == "Make":
                w["Make"] = number(p, v, 1)
        waren.append(w)
        if bilder:
            check_picture(os.path.join(bilder, "Waren", str(i), "Icon.BMP"), (32, 32))
            check_picture(os.path.join(bilder, "Waren", str(i), "Frame.BMP"), (96, 32))
    T["waren"] = waren
    T["ware_nr"] = ware_nr

    # buildings
    n = folders(os.path.join(daten, "Objekt"))
    objekte = []
    for i in range(n):
        ordner = os.path.join(daten, "Objekt", str(i))
        p = os.path.join(ordner, "Script.srt")
        o = {"Titel": "", "Kurz": "", "Baukosten": [], "Platz": 0, "Neid": 0, "Slots": [], "Modus": "",
             "AI_Level": 0, "Updatelink": 0, "Warenanzeige": [], "Prozessanzeige": None, "path": p,
             "Lagerplaetze": 0}
        for k, v in read_script(p):
            if k not in OBJEKT_KEYS:
                problem("%s: unknown key %r" % (p, k))
            elif k in ("Titel", "Kurz"):
                o[k] = v
            elif k == "Platz":
                o["Platz"] = number(p, v)
            elif k == "AI_Level":
                o["AI_Level"] = number(p, v, 1)
            elif k == "Updatelink":
                o["Updatelink"] = number(p, v)
            elif k == "Baukosten":
                f = v.split("/")
                o["Baukosten"] = []
                for j in range(4):
                    name = f[2 * j] if 2 * j < len(f) else ""
                    if name == "":
                        continue
                    nr = ware_nr.get(name)
                    amount = number(p, f[2 * j + 1] if 2 * j + 1 < len(f) else "")
                    if nr is None:
                        problem("%s: construction material %r not found" % (p, name))
                        continue
                    if amount < 3:
                        problem("%s: construction amount of %s below 3" % (p, name))
                    o["Baukosten"].append((nr, amount))
            elif k == "Modus":
                f = v.split("/")
                o["Modus"] = f[0]
                if f[0] == "Home":
                    if len(f) < 3 or f[1] != "Neid":
                        problem("%s: Home without Neid" % p)
                    else:
                        o["Neid"] = number(p, "/".join(f[2:]))
                elif f[0] == "Produktion":
                    o["Slots"] = []
                    for j in range(6):
                        name = f[1 + 2 * j] if 1 + 2 * j < len(f) else ""
                        use = f[2 + 2 * j] if 2 + 2 * j < len(f) else ""
                        if name == "":
                            continue
                        nr = ware_nr.get(name)
                        if nr is None:
                            problem("%s: slot good %r not found" % (p, name))
                            continue
                        if use not in USAGE:
                            problem("%s: slot usage %r unknown" % (p, use))
                            continue
                        o["Slots"].append((nr, USAGE[use]))
                elif f[0] in ("Hafen", "Hafen2", "Lager"):
                    o["Lagerplaetze"] = number(p, f[1] if len(f) > 1 else "") + 1
                elif f[0] not in ("Start", "Startex"):
                    problem("%s: Modus %r unknown" % (p, f[0]))
            elif k == "Warenanzeige":
                f = v.split("/")
                if len(f) != 28:
                    problem("%s: Warenanzeige needs a slot and nine name/a/b steps" % p)
                    continue
                slot = number(p, f[0])
                if not 0 <= slot <= 5:
                    problem("%s: Warenanzeige slot %d outside 0..5" % (p, slot))
                names = []
                for s in range(9):
                    name = f[1 + 3 * s] or (names[-1] if names else "")
                    if not name:
                        problem("%s: Warenanzeige step 0 without a model" % p)
                    number(p, f[2 + 3 * s])
                    number(p, f[3 + 3 * s])
                    names.append(name)
                o["Warenanzeige"].append(names)
            elif k == "Prozessanzeige":
                f = v.split("/") + ["", "", "", ""]
                o["Prozessanzeige"] = (f[0], f[1] or f[0], number(p, f[2]), number(p, f[3]))
        o["Fuss"] = read_footprint(os.path.join(ordner, "Bauplatz.Obj"))
        objekte.append(o)
        if bilder:
            check_picture(os.path.join(bilder, "Objekt", str(i), "Icon.BMP"), (64, 64))
            o["Marker"] = check_picture(os.path.join(bilder, "Objekt", str(i), "building.bmp"),
                                        allow_markers=True)
    T["objekte"] = objekte

    # ambient objects
    n = folders(os.path.join(daten, "Ambiente"))
    ambiente = []
    for i in range(n):
        p = os.path.join(daten, "Ambiente", str(i), "Script.srt")
        a = {"Titel": "", "spezial": "", "onMap": None, "block": False, "animation": 0, "link": None,
             "path": p}
        for k, v in read_script(p):
            if k not in AMBIENTE_KEYS:
                problem("%s: unknown key %r" % (p, k))
            elif k in ("Titel", "spezial"):
                a[k] = v
            elif k == "onMap":
                f = v.split("/")
                if f[0] == "true":
                    a["onMap"] = (number(p, f[1] if len(f) > 1 else ""), number(p, f[2] if len(f) > 2 else ""))
            elif k == "block":
                a["block"] = v == "true"
            elif k == "animation":
                a["animation"] = number(p, v)
            elif k == "link":
                a["link"] = number(p, v)
        ambiente.append(a)
        if bilder:
            a["Marker"] = check_picture(os.path.join(bilder, "Ambiente", str(i), "Icon.BMP"),
                                        allow_markers=True)
    T["ambiente"] = ambiente
    return T


def read_footprint(path):
    try:
        lines = [l for l in open(path, "rb").read().decode("cp1252").replace("\r\n", "\n").split("\n") if l]
    except OSError:
        problem("%s: missing" % path)
        return {}
    if not lines or any(len(l) != len(lines[0]) for l in lines):
        problem("%s: rows empty or of unequal length" % path)
        return {}
    fours = [(r, c) for r, l in enumerate(lines) for c, ch in enumerate(l) if ch == "4"]
    if len(fours) != 1:
        problem("%s: needs exactly one anchor 4" % path)
        return {}
    rr, rc = fours[0]
    cells = {}
    for r, l in enumerate(lines):
        for c, ch in enumerate(l):
            if ch != "0":
                cells[(c - rc, rr - r)] = ch in "14"
    return cells


# -------------------------------------------------------------------- rules

def check(T):
    skills, waren, objekte, ambiente = T["skills"], T["waren"], T["objekte"], T["ambiente"]
    amb_titel = {}
    for i, a in enumerate(ambiente):
        amb_titel.setdefault(a["Titel"], i)

    # skills for every good; harvested goods use the harvest skills
    for i, w in enumerate(waren[1:], 1):
        if w["Skill"] < 1:
            problem("%s: good without a skill" % w["path"])
        if not 1 <= w["Make"] <= 9:
            problem("%s: Make %d outside 1..9" % (w["path"], w["Make"]))
        if not 1 <= w["Chance"] <= 100:
            problem("%s: Chance %d outside 1..100" % (w["path"], w["Chance"]))
        if w["Spez"] in ("gold", "ship", "tech"):
            if w["Transport"] or w["Make"] != 1:
                problem("%s: %s goods must not be transportable and make 1" % (w["path"], w["Spez"]))
        elif not w["Transport"]:
            problem("%s: ordinary good is not transportable" % w["path"])
        if w["Grow"] and not 0 < w["Grow"] < len(ambiente):
            problem("%s: Grow %d is no ambient object" % (w["path"], w["Grow"]))
    spez = {w["Spez"] for w in waren}
    for s in SPEZ_NEEDED - spez:
        problem("no good of Spez %r" % s)

    # buildings: kinds, slots, recipes, footprints, upgrades
    kinds = [o["Modus"] for o in objekte]
    for k in ("Start", "Hafen", "Hafen2", "Lager", "Home"):
        if k not in kinds:
            problem("no building of Modus %r" % k)
    if kinds.count("Start") != 1:
        problem("exactly one Start building expected")
    used_usage = set()
    for i, o in enumerate(objekte):
        p = o["path"]
        if o["Modus"] == "Produktion" and not o["Slots"]:
            problem("%s: production building without slots" % p)
        if o["Platz"] < 0 or o["Platz"] > 12:
            problem("%s: Platz %d outside 0..12" % (p, o["Platz"]))
        if o["Modus"] == "Home" and (o["Platz"] < 2 or o["Platz"] % 2):
            problem("%s: a home needs an even Platz of at least 2" % p)
        slot_goods = {g for g, _ in o["Slots"]}
        if len(slot_goods) != len(o["Slots"]):
            problem("%s: a good in two slots; stock would only reach the first" % p)
        for g, use in o["Slots"]:
            used_usage.add(use)
            w = waren[g]
            if use == 2:
                for inp, m in w["Need"]:
                    if inp not in slot_goods:
                        problem("%s: %s needs %s, which no slot of the building holds" % (p, w["Titel"],
                                                                                          waren[inp]["Titel"]))
                    if m > 9:
                        problem("%s: recipe amount %d cannot be stocked" % (p, m))
            if use == 3:
                if not w["Grow"]:
                    problem("%s: planted good %s has no Grow" % (p, w["Titel"]))
                if w["Skill"] not in HARVEST_SKILLS:
                    problem("%s: planted good %s must use skill 1, 2 or 11" % (p, w["Titel"]))
            if use not in (1, 2, 6) and w["Make"] != 1:
                problem("%s: gathered good %s must make 1: its order books one unit" % (p, w["Titel"]))
            if use != 2 and w["Spez"] in ("gold", "ship", "tech"):
                problem("%s: %s takes effect only when produced" % (p, w["Titel"]))
        for a in [n for names in o["Warenanzeige"] for n in names] + \
                 (list(o["Prozessanzeige"][:2]) if o["Prozessanzeige"] else []):
            if a not in amb_titel:
                problem("%s: display model %r is no ambient title" % (p, a))
        # The map finds a building under the pointer by the cells of its footprint that are not
        # solid: without one it can never be hovered or clicked.
        if o["Fuss"] and all(o["Fuss"].values()):
            problem("%s: every footprint cell is solid; the building cannot be clicked" % p)
        if i > 0 and o["Fuss"]:
            anchor_free = sum(1 for d in [(-1, 1), (-1, 0), (0, -1), (1, -1), (1, 0), (0, 1)]
                              if o["Fuss"].get(d, True))
            if anchor_free < 2:
                problem("%s: the anchor cell can hardly be reached" % p)
        up = o["Updatelink"]
        if up:
            if not 0 < up < len(objekte):
                problem("%s: Updatelink %d is no building" % (p, up))
                continue
            nxt = objekte[up]
            family = {"Home": {"Home"}, "Start": {"Startex"}, "Startex": {"Startex"}}.get(o["Modus"])
            if family is None:
                problem("%s: only homes and start buildings grow" % p)
            elif nxt["Modus"] not in family:
                problem("%s: grows into a %s" % (p, nxt["Modus"]))
            if nxt["Fuss"] != o["Fuss"]:
                problem("%s: grows into a building with another footprint" % p)
            if o["Modus"] == "Home" and nxt["Platz"] != o["Platz"]:
                problem("%s: grows into a home of another size" % p)
    for word, use in USAGE.items():
        if use not in used_usage and use != 6:
            problem("slot usage %r is used by no building" % word)
    for i, o in enumerate(objekte):  # upgrade chains end
        seen, k = set(), i
        while objekte[k]["Updatelink"] and 0 < objekte[k]["Updatelink"] < len(objekte):
            if k in seen:
                problem("%s: Updatelink chain loops" % o["path"])
                break
            seen.add(k)
            k = objekte[k]["Updatelink"]
    if len(objekte) > SOUND_BUILDING:
        if not any(u == 2 for _, u in objekte[SOUND_BUILDING]["Slots"]):
            problem("building %d plays the production sound and must produce" % SOUND_BUILDING)
    else:
        problem("building %d (production sound) missing" % SOUND_BUILDING)

    check_reachable(T)
    check_ambient(T, amb_titel)
    check_ai(T)
    check_markers(T)


def check_reachable(T):
    """Every needed good and construction cost is produced by a building reachable from the start."""
    waren, objekte = T["waren"], T["objekte"]
    offered = set()
    for i, o in enumerate(objekte[1:], 1):
        if o["Modus"] == "Start" or (o["Modus"] not in ("Hafen2", "Startex") and o["Neid"] <= 1):
            offered.add(i)
    produced, reachable = set(), set()
    changed = True
    while changed:
        changed = False
        for i, o in enumerate(objekte):
            if i == 0:
                continue
            base = i in offered or any(objekte[j]["Updatelink"] == i for j in reachable)
            if o["Modus"] == "Hafen2":
                base = any(w["Spez"] == "ship" and wi in produced for wi, w in enumerate(waren))
            if i not in reachable and base and all(g in produced for g, _ in o["Baukosten"]):
                reachable.add(i)
                changed = True
            if i in reachable:
                for g, use in o["Slots"]:
                    if use in (1, 6):
                        continue
                    if use in (2, 3, 10) and not all(inp in produced for inp, _ in waren[g]["Need"]):
                        continue
                    if g not in produced:
                        produced.add(g)
                        changed = True
    needed = {}
    for w in waren:
        for inp, _ in w["Need"]:
            needed.setdefault(inp, "the recipe of " + w["Titel"])
    for o in objekte:
        for g, _ in o["Baukosten"]:
            needed.setdefault(g, "the construction of " + o["Titel"])
        for g, use in o["Slots"]:
            if use == 1:
                needed.setdefault(g, "the input of " + o["Titel"])
    for g, why in sorted(needed.items()):
        if g not in produced:
            problem("%s, needed for %s, is not produced by a building reachable from the start"
                    % (waren[g]["Titel"], why))
    for i, w in enumerate(waren[1:], 1):
        if i not in produced:
            problem("%s is produced nowhere" % w["Titel"])
    for i, o in enumerate(objekte[1:], 1):
        if i not in reachable:
            problem("%s can never be built" % o["path"])
    T["reachable"], T["produced"] = reachable, produced


def check_ambient(T, amb_titel):
    waren, ambiente = T["waren"], T["ambiente"]
    n = len(ambiente)
    by_kw = {}
    for i, a in enumerate(ambiente):
        if a["spezial"]:
            by_kw.setdefault(a["spezial"], []).append(i)
        if a["onMap"]:
            lo, hi = a["onMap"]
            if not 0 <= lo <= hi <= 20:
                problem("%s: onMap range %d..%d" % (a["path"], lo, hi))
        if a["link"] is not None and a["link"] != -1 and not 0 < a["link"] < n:
            problem("%s: link %d is no ambient object" % (a["path"], a["link"]))
    for kw in KEYWORDS_SINGLE + KEYWORDS_LIST + ["tree"]:
        if kw not in by_kw:
            problem("no ambient object with the keyword %r" % kw)
    for kw in KEYWORDS_SINGLE:
        if len(by_kw.get(kw, [])) > 1:
            problem("keyword %r given twice; only the last counts" % kw)
    ways = by_kw.get("way", [])
    if not 3 <= len(ways) <= 5:
        problem("%d way stages, expected 3 to 5" % len(ways))
    for kw in ("tree", "stone", "hole"):
        for i in by_kw.get(kw, []):
            a = ambiente[i]
            if not a["block"]:
                problem("%s: a %s must block its cell" % (a["path"], kw))
            if not a["onMap"] or a["onMap"][0] < 1:
                problem("%s: a %s needs an onMap range on land" % (a["path"], kw))
    for i in by_kw.get("tree", []) + by_kw.get("stone", []):
        link = ambiente[i]["link"]
        if link is None or link < 1:
            problem("%s: a felled or quarried stage must follow (link)" % ambiente[i]["path"])
    for i in by_kw.get("flower", []):
        if not ambiente[i]["onMap"]:
            problem("%s: a flower must be on the onMap list of its levels" % ambiente[i]["path"])
    for i in by_kw.get("cage", []):
        link = ambiente[i]["link"]
        if link is None or link < 1 or ambiente[link]["spezial"] != "rabitcatch":
            problem("%s: the trap must grow into the trap with a catch" % ambiente[i]["path"])

    def chain_ends(start, what):
        seen, a = set(), start
        while True:
            if a in seen:
                problem("%s: chain from %s loops" % (what, ambiente[start]["Titel"]))
                return
            seen.add(a)
            link = ambiente[a]["link"]
            if link is None:
                problem("%s: stage %s has no link; it must end in -1" % (what, ambiente[a]["Titel"]))
                return
            if link == -1:
                return
            if not 0 < link < n:
                return
            a = link

    for w in waren:
        if w["Grow"] and 0 < w["Grow"] < n:
            chain_ends(w["Grow"], "growth of " + w["Titel"])
    for i in by_kw.get("dead", []):
        chain_ends(i, "graves")
    for i in by_kw.get("cage", []):
        chain_ends(i, "trap")

    # animations: every frame names another animated frame, and the walk returns
    for i, a in enumerate(ambiente):
        if not a["animation"]:
            continue
        seen, k = [], i
        while k not in seen:
            seen.append(k)
            nxt = ambiente[k]["animation"]
            if not 0 < nxt < n or not ambiente[nxt]["animation"]:
                problem("%s: animation frame %d is not an animated ambient object" % (ambiente[k]["path"], nxt))
                break
            k = nxt
        else:
            if k != i:
                problem("%s: animation does not return to its first frame" % a["path"])
    for kw in ("flag", "flagsmall", "rauch", "feuer"):
        for i in by_kw.get(kw, []):
            if not ambiente[i]["animation"]:
                problem("%s: %s must be animated" % (ambiente[i]["path"], kw))


def check_ai(T):
    """Lists of the computer clans, built like the loader builds them."""
    waren, objekte = T["waren"], T["objekte"]
    nahrung, wohnen, rest = {}, {}, {}
    for i, o in enumerate(objekte[1:], 1):
        took = False
        if o["Modus"] == "Home" and not o["Baukosten"]:
            wohnen.setdefault(o["AI_Level"], []).append(i)
            took = True
        elif o["Modus"] == "Produktion" and any(u != 1 and waren[g]["Spez"] == "food" for g, u in o["Slots"]):
            nahrung.setdefault(o["AI_Level"], []).append(i)
            took = True
        if not took and o["Modus"] not in ("Hafen", "Hafen2") and o["Neid"] < 2:
            rest.setdefault(o["AI_Level"], []).append(i)
    for level in AI_LEVELS:
        for name, lists in (("food", nahrung), ("housing", wohnen), ("production", rest)):
            # Each choice walks down from the clan's level, so a level may leave
            # it to the levels below, as long as the first has some.
            if not lists.get(level) and not lists.get(1):
                problem("computer level %d has no %s building" % (level, name))
            for i in lists.get(level, []):
                if i not in T["reachable"]:
                    problem("computer level %d lists %s, which cannot be built" % (level, objekte[i]["Titel"]))
    first = [i for i in rest.get(1, []) if not objekte[i]["Baukosten"] and
             not any(u == 1 for _, u in objekte[i]["Slots"])]
    if not first:
        problem("computer clans find no first building that needs nothing")
    T["ai"] = (nahrung, wohnen, rest)


def check_markers(T):
    for i, o in enumerate(T["objekte"]):
        m = o.get("Marker")
        if m is None:
            continue
        if len(m["red"]) != 1:
            problem("%s: building.bmp needs exactly one red anchor, has %d" % (o["path"], len(m["red"])))
        if i >= 1 and len(m["green"]) != 1:
            problem("%s: building.bmp needs exactly one green flag point, has %d" % (o["path"], len(m["green"])))
    for a in T["ambiente"]:
        m = a.get("Marker")
        if m is None:
            continue
        if len(m["red"]) != 1:
            problem("%s: Icon.BMP needs exactly one red anchor, has %d" % (a["path"], len(m["red"])))
        if m["green"] or m["blue"]:
            problem("%s: Icon.BMP of an ambient object holds green or blue markers" % a["path"])


def check_atlas(T, game):
    """Every picture finds room in the 2048 x 2048 atlas, placed in load order by first fit."""
    if not game:
        return
    daten = os.path.join(game, "Daten")
    paths = [os.path.join(daten, "Objekt", str(i), "building.bmp") for i in range(len(T["objekte"]))]
    paths += [os.path.join(daten, "Ambiente", str(i), "Icon.BMP") for i in range(len(T["ambiente"]))]
    paths += [os.path.join(daten, "Objekt", str(i), "Icon.BMP") for i in range(len(T["objekte"]))]
    paths += [os.path.join(daten, "Skill", str(i), "Icon.BMP") for i in range(len(T["skills"]))]
    paths += [os.path.join(daten, "Waren", str(i), "Icon.BMP") for i in range(len(T["waren"]))]
    grid = [[False] * 128 for _ in range(128)]
    used = 0
    for p in paths:
        try:
            w, h = struct.unpack_from("<ii", open(p, "rb").read(26), 18)
        except (OSError, struct.error):
            continue
        nx, ny = -(-w // 16), -(-abs(h) // 16)
        placed = False
        for x in range(0, 129 - nx):
            for y in range(0, 129 - ny):
                if all(not grid[x + i][y + j] for i in range(nx) for j in range(ny)):
                    for i in range(nx):
                        for j in range(ny):
                            grid[x + i][y + j] = True
                    placed = True
                    break
            if placed:
                break
        if not placed:
            problem("%s: no room left in the building atlas" % p)
        used += nx * ny
    T["atlas"] = used


def check_mod_ini(content):
    p = os.path.join(content, "Daten", "Mod.ini")
    try:
        text = open(p, "rb").read().decode("cp1252")
    except OSError:
        problem("%s: missing" % p)
        return
    section, values = None, {}
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("["):
            section = line.strip("[]").lower()
        elif "=" in line and section == "mod":
            k, _, v = line.partition("=")
            values[k.strip().lower()] = v.strip()
    try:
        hmax, hinit = int(values["hasen_max"]), int(values["hasen_init"])
        if not 1 <= hinit <= hmax <= 255:
            problem("%s: need 1 <= Hasen_Init <= Hasen_Max <= 255" % p)
    except (KeyError, ValueError):
        problem("%s: section Mod needs numbers Hasen_Max and Hasen_Init" % p)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    content = sys.argv[1]
    game = sys.argv[2] if len(sys.argv) == 3 else None
    T = load(content, game)
    check(T)
    check_atlas(T, game)
    check_mod_ini(content)
    for p in problems:
        print("content_check: " + p)
    if problems:
        print("content_check: %d problem(s)" % len(problems))
        return 1
    nahrung, wohnen, rest = T["ai"]
    print("content_check: %d skills, %d goods, %d buildings, %d ambient objects consistent%s"
          % (len(T["skills"]), len(T["waren"]), len(T["objekte"]), len(T["ambiente"]),
             " (atlas %d of 16384 cells)" % T["atlas"] if game else " (pictures not checked)"))
    for level in AI_LEVELS:
        print("  computer level %d: food %s, housing %s, production %s" % (
            level, [T["objekte"][i]["Titel"] for i in nahrung.get(level, [])],
            [T["objekte"][i]["Titel"] for i in wohnen.get(level, [])],
            [T["objekte"][i]["Titel"] for i in rest.get(level, [])]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
