#!/usr/bin/env python3
"""Writes the bundled example organ into examples/: chests, outlines, side files and the organ file.

The pipe dimensions follow ordinary organ-building scales: body diameters halve every 16 or 18
notes, speaking lengths every octave (an 8' C is 2440 mm long, a stopped pipe half its pitch).
Run it again after changing a scale; the files it writes are plain text meant to be read by hand.
"""
import math
import os

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples")


def scale(first, count, c_diameter, halving, c_length, mouth=0.22):
    """Per note: body diameter, plate hole, false-chest hole, length."""
    pipes = []
    for n in range(first - 1, first - 1 + count):
        d = round(c_diameter * 2 ** (-n / halving))
        length = round(c_length * 2 ** (-n / 12))
        hole = max(6, min(40, round(d * mouth)))
        foot = max(hole + 4, round(d * 0.5))
        pipes.append((d, hole, foot, length))
    return pipes


def rows(values, per_line=14):
    lines = []
    for i in range(0, len(values), per_line):
        lines.append(" ".join(str(v) for v in values[i:i + per_line]))
    return "\n".join(lines)


def stop_text(kw, name, pipes, first, incx, shape, origin, diatonic=None, slider=None,
              mixture=False, gap=None, turrets=()):
    out = []
    if gap is not None:
        out.append(f"{kw['gap']} {gap}")
    if mixture:
        out.append(kw["mixture"])
    out.append(f"{kw['stop']} {name}")
    if diatonic is not None:
        out.append(f"{kw['diatonic']} {diatonic}")
    if slider is not None:
        out.append(f"SLIDER {slider}")
    out.append(f"{kw['npipes']} {len(pipes)}")
    out.append(f"{kw['pipe1']} {first}")
    out.append(f"INCX {incx}")
    out.append(f"{kw['shape']}{kw[shape]}")
    out.append(f"XY0 {origin[0]} {origin[1]}")
    out.append("/ diametres" if kw is FR else "/ diameters")
    out.append(rows([p[0] for p in pipes]))
    out.append("/ trous de la plaque" if kw is FR else "/ plate holes")
    out.append(rows([p[1] for p in pipes]))
    out.append("/ trous du faux sommier" if kw is FR else "/ false chest holes")
    out.append(rows([p[2] for p in pipes]))
    out.append(kw["heights"])
    out.append(rows([p[3] for p in pipes]))
    for t in turrets:
        out.append("TURRET " + t)
    return "\n".join(out) + "\n"


FR = dict(gap="INTER TUYAU MIN", mixture="MIXTURE", stop="JEU", diatonic="DIATONIQUE",
          npipes="NTUYAUX", pipe1="TUYAU1", shape="FORME:", round="ROND", square="CARRE",
          heights="HAUTEURS", central="TROUCENTRAL")
EN = dict(gap="INBETWEENPIPES", mixture="MIXTUR", stop="STOP", diatonic="DIATONIC",
          npipes="NPIPES", pipe1="PIPE1", shape="SHAPE:", round="ROUND", square="SQUARE",
          heights="HEIGHTS", central="CENTRALHOLE")


def write(name, text):
    with open(os.path.join(HERE, name), "w", newline="\n") as f:
        f.write(text)


def diatonic_offset(pipes, gap=12):
    """X offset of the C sharp side so that the two sides meet with one gap in the middle."""
    w = [p[0] for p in pipes]
    x = [0] * len(w)
    x[0], x[1] = w[0] // 2, 0
    for k in range(2, len(w), 2):
        c = max(w[k] // 5, gap)
        x[k] = x[k - 2] + w[k - 2] + c
        if k + 1 < len(w):
            x[k + 1] = x[k - 1] - w[k - 1] - c
    c_last = max(range(0, len(w), 2))
    s_last = max(range(1, len(w), 2))
    return x[c_last] + w[c_last] // 2 + gap + w[s_last] // 2 - x[s_last]


def grand_orgue():
    montre = scale(1, 24, 140, 16, 2440)
    fourniture = [scale(25, 56, 140, 16, 2440), scale(32, 56, 140, 16, 2440),
                  scale(37, 56, 140, 16, 2440)]
    bourdon = scale(1, 56, 95, 18, 1220, mouth=0.2)
    flute = scale(13, 56, 120, 18, 2440, mouth=0.2)
    doublette = scale(25, 56, 140, 16, 2440)
    text = f"{FR['central']} 0 425\n"
    text += stop_text(FR, "Montre8", montre, 1, 3, "round", (20, 20),
                      diatonic=diatonic_offset(montre))
    for i, rank in enumerate(fourniture):
        text += stop_text(FR, f"Fourniture{i + 1}", rank, 1, 1, "round", (40, 220 + 70 * i),
                          mixture=True)
    text += stop_text(FR, "Bourdon8", bourdon, 1, 1, "round", (20, 460))
    text += stop_text(FR, "Flute4", flute, 1, -1, "round", (2500, 700), gap=14)
    text += stop_text(FR, "Doublette2", doublette, 1, 2, "round", (2640, 220))
    write("grand-orgue.dat", text)


def recit():
    salicional = scale(13, 44, 100, 16, 2440)
    gedackt = scale(1, 56, 90, 18, 1220, mouth=0.2)
    principal = scale(13, 56, 140, 16, 2440)
    nazard = scale(32, 44, 110, 18, 2440)
    text = "ENGLISH\n"
    text += f"{EN['gap']} 14\n"
    text += stop_text(EN, "Salicional8", salicional, 13, 33, "round", (20, 20),
                      diatonic=diatonic_offset(salicional, 14))
    text += stop_text(EN, "Gedackt8", gedackt, 1, 3, "round", (20, 160), slider=2)
    text += stop_text(EN, "Principal4", principal, 1, 1, "round", (20, 300), slider=1)
    text += stop_text(EN, "Nazard", nazard, 13, 1, "round", (20, 420), slider=1)
    write("recit.dat", text)


def pedale():
    soubasse = scale(1, 30, 210, 20, 2440, mouth=0.16)
    flute = scale(1, 30, 130, 20, 2440, mouth=0.2)
    text = stop_text(FR, "Soubasse16", soubasse, 1, 1, "square", (20, 20))
    text += stop_text(FR, "Flute8", flute, 1, -2, "square", (2420, 1500))
    write("pedale.dat", text)


def poly(points):
    return "%10d" % len(points) + "".join("%16f %16f" % p for p in points)


def tourelle():
    # Eleven pipes of a round tower: the largest in the middle, the others on a half circle.
    montre = scale(1, 11, 160, 16, 2440)
    forme = []
    for i in range(11):
        a = math.pi * i / 10
        forme.append((700 - 700 * math.cos(a), 490 * math.sin(a)))
    couple = [(0, 0), (0, 60), (40, 90), (40, 140), (0, 170), (0, 200)]
    write("tourelle-forme.poly", poly(forme))
    write("tourelle-profil.poly", poly(couple))
    text = stop_text(FR, "Montre16", montre, 1, 1, "round", (120, 80),
                     turrets=["tourelle-profil.poly tourelle-forme.poly 0 0 0 0 0 0"])
    write("tourelle.dat", text)


def octaves():
    text = "UTenUT\n"
    for name, first, c_d, halving, c_l, origin in (("Prestant4", 13, 140, 16, 2440, (20, 20)),
                                                    ("Cor-de-nuit8", 1, 90, 18, 1220, (20, 260))):
        pipes = scale(first, 61, c_d, halving, c_l)
        text += f"JEU {name}\nNTUYAUX 56\nTUYAU1 1\nINCX 1\nFORME:ROND\nXY0 {origin[0]} {origin[1]}\n"
        for g in range(56 // 12 + 2):
            d, hole, foot, length = pipes[12 * g]
            text += f"{d} {foot} {hole} {length}\n"
    write("octaves.dat", text)


def partitions():
    # The wind compartments of the grand-orgue chest: read into it before the chest itself.
    text = "BARRAGES cloisons du grand-orgue\n"
    text += "RECT 22 2632 22 190\nRECT 22 2632 190 420\n"
    text += "LINE 22 440 2632 440\nLINE 22 680 2632 680\nLINE 2632 190 2632 1110\n"
    write("barrages.dat", text)


def side_files():
    pipes = scale(13, 61, 140, 16, 2440)
    write("basse.stop", "".join(f"{d} {foot} {hole} {length}\n"
                                for d, hole, foot, length in (pipes[12 * g] for g in range(6))))
    holes = [(60 + 120 * i, 40 + 60 * (i % 2), 11 - i // 3) for i in range(12)]
    write("trous.cir", f"{len(holes)}\n" + "".join(f"{x} {y} {r}\n" for x, y, r in holes))
    wood = []
    for n in range(0, 12, 1):
        side = round(130 * 2 ** (-n / 20))
        length = round(2440 * 2 ** (-n / 12))
        wood.append((18 if side > 90 else 15, length, side, round(side * 1.2), round(side * 0.3)))
    write("bourdon.pipe", f"PIPENUMBER {len(wood)}\n" +
          "".join(" ".join(str(v) for v in w) + "\n" for w in wood))


if __name__ == "__main__":
    os.makedirs(HERE, exist_ok=True)
    grand_orgue()
    recit()
    pedale()
    tourelle()
    octaves()
    partitions()
    side_files()
