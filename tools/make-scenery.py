#!/usr/bin/env python3
"""Writes examples/eglise.wrl: a simple church nave around the example organ, as VRML 2.0.

The organ stands at the west end of the nave; the scene's y axis is up and lengths are in
millimetres, as in the organ's own 3D view. Every part is one named Transform holding one Shape,
so that each becomes one object when the file is imported: the floor, the west wall behind the
organ, the two side walls with their window bays, the barrel vault and two rows of columns.
Run it again after changing a dimension.
"""
import math
import os

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "examples")

# The nave: x across, y up, z along the nave towards the people (the organ faces +z).
X0, X1 = -7000.0, 8000.0      # inner faces of the side walls
Z0, Z1 = -2500.0, 9000.0      # west wall, end of the nave
FLOOR = -60.0
WALL_TOP = 9000.0             # where the vault springs
THICK = 600.0

STONE = (0.78, 0.74, 0.66)
FLOOR_STONE = (0.55, 0.50, 0.45)
VAULT = (0.86, 0.83, 0.76)
COLUMN = (0.70, 0.66, 0.58)
GLASS = (0.35, 0.45, 0.70)


def fmt(v):
    return ("%.1f" % v).rstrip("0").rstrip(".")


def shape(name, points, faces, colour):
    pts = ",\n        ".join(" ".join(fmt(c) for c in p) for p in points)
    idx = ",\n        ".join(", ".join(str(i) for i in f) + ", -1" for f in faces)
    rgb = " ".join("%.2f" % c for c in colour)
    return (
        "DEF %s Transform {\n"
        "  children [\n"
        "    Shape {\n"
        "      appearance Appearance { material Material { diffuseColor %s } }\n"
        "      geometry IndexedFaceSet {\n"
        "        coord Coordinate { point [\n        %s ] }\n"
        "        coordIndex [\n        %s ]\n"
        "      }\n"
        "    }\n"
        "  ]\n"
        "}\n" % (name, rgb, pts, idx))


def box(x0, y0, z0, x1, y1, z1):
    p = [(x0, y0, z0), (x1, y0, z0), (x1, y1, z0), (x0, y1, z0),
         (x0, y0, z1), (x1, y0, z1), (x1, y1, z1), (x0, y1, z1)]
    f = [(0, 3, 2, 1), (4, 5, 6, 7), (0, 1, 5, 4), (3, 7, 6, 2), (0, 4, 7, 3), (1, 2, 6, 5)]
    return p, f


def side_wall(x_inner, outward):
    """A wall with tall round-headed window bays cut as recesses of glass."""
    x_outer = x_inner + outward * THICK
    points, faces = [], []
    bays = 5
    bay = (Z1 - Z0) / bays

    def add(quad):
        base = len(points)
        points.extend(quad)
        faces.append(tuple(range(base, base + len(quad))))

    for b in range(bays):
        za, zb = Z0 + b * bay, Z0 + (b + 1) * bay
        wa, wb = za + bay * 0.3, zb - bay * 0.3
        sill, head = 3000.0, 7200.0
        # stone around the window
        add([(x_inner, FLOOR, za), (x_inner, FLOOR, zb), (x_inner, sill, zb), (x_inner, sill, za)])
        add([(x_inner, head, za), (x_inner, head, zb), (x_inner, WALL_TOP, zb),
             (x_inner, WALL_TOP, za)])
        add([(x_inner, sill, za), (x_inner, sill, wa), (x_inner, head, wa), (x_inner, head, za)])
        add([(x_inner, sill, wb), (x_inner, sill, zb), (x_inner, head, zb), (x_inner, head, wb)])
        # the round head of the window, as a fan of stone above an arch
        n = 8
        r = (wb - wa) / 2
        cz = (wa + wb) / 2
        arch = [(x_inner, head - r + r * math.sin(math.pi * k / n), cz - r * math.cos(math.pi * k / n))
                for k in range(n + 1)]
        for k in range(n):
            corner = (x_inner, head, wa) if k < n / 2 else (x_inner, head, wb)
            add([arch[k], arch[k + 1], corner])
        add([arch[n // 2], (x_inner, head, wb), (x_inner, head, wa)])
    # top of the wall
    add([(x_inner, WALL_TOP, Z0), (x_outer, WALL_TOP, Z0), (x_outer, WALL_TOP, Z1),
         (x_inner, WALL_TOP, Z1)])
    return points, faces


def windows(x_inner, outward):
    """The glass of the bays, set back in the wall."""
    x = x_inner + outward * THICK * 0.6
    points, faces = [], []
    bays = 5
    bay = (Z1 - Z0) / bays
    for b in range(bays):
        za = Z0 + b * bay
        wa, wb = za + bay * 0.3, za + bay * 0.7
        r = (wb - wa) / 2
        cz = (wa + wb) / 2
        # up the wb side, over the round head and down to the wa side: one simple outline
        outline = [(x, 3000.0, wa), (x, 3000.0, wb)]
        n = 8
        for k in range(n + 1):
            outline.append((x, 7200.0 - r + r * math.sin(math.pi * k / n),
                            cz + r * math.cos(math.pi * k / n)))
        base = len(points)
        points.extend(outline)
        faces.append(tuple(range(base, base + len(outline))))
    return points, faces


def vault():
    """A barrel vault over the nave, in strips along z."""
    n = 16
    cx = (X0 + X1) / 2
    r = (X1 - X0) / 2
    points, faces = [], []
    for k in range(n + 1):
        a = math.pi * k / n
        x = cx - r * math.cos(a)
        y = WALL_TOP + r * 0.55 * math.sin(a)
        points.append((x, y, Z0))
        points.append((x, y, Z1))
    for k in range(n):
        a, b = 2 * k, 2 * k + 2
        faces.append((a, b, b + 1, a + 1))
    return points, faces


def west_wall():
    """The wall behind the organ, up into the vault, with a rose window."""
    cx = (X0 + X1) / 2
    r = (X1 - X0) / 2
    n = 16
    points = [(X0, FLOOR, Z0), (X1, FLOOR, Z0)]
    for k in range(n + 1):
        a = math.pi * k / n
        points.append((cx + r * math.cos(a), WALL_TOP + r * 0.55 * math.sin(a), Z0))
    faces = [tuple(range(len(points)))]
    return points, faces


def rose():
    cx = (X0 + X1) / 2
    n = 24
    points = [(cx + 1500 * math.cos(2 * math.pi * k / n), 10200 + 1500 * math.sin(2 * math.pi * k / n),
               Z0 + 20) for k in range(n)]
    return points, [tuple(range(n))]


def column(x, z):
    """An octagonal column with a square base and capital."""
    n = 8
    r = 380.0
    points, faces = [], []
    for y in (FLOOR + 300, WALL_TOP - 400):
        for k in range(n):
            a = 2 * math.pi * (k + 0.5) / n
            points.append((x + r * math.cos(a), y, z + r * math.sin(a)))
    for k in range(n):
        faces.append((k, (k + 1) % n, n + (k + 1) % n, n + k))
    for y0, y1, s in ((FLOOR, FLOOR + 300, 560.0), (WALL_TOP - 400, WALL_TOP - 100, 560.0)):
        p, f = box(x - s, y0, z - s, x + s, y1, z + s)
        base = len(points)
        points.extend(p)
        faces.extend(tuple(base + i for i in face) for face in f)
    return points, faces


def main():
    parts = ["#VRML V2.0 utf8\n# A simple church nave around the example organ (tools/make-scenery.py).\n"]
    p, f = box(X0 - THICK, FLOOR - 200, Z0 - THICK, X1 + THICK, FLOOR, Z1)
    parts.append(shape("Floor", p, f, FLOOR_STONE))
    parts.append(shape("WestWall", *west_wall(), STONE))
    parts.append(shape("RoseWindow", *rose(), GLASS))
    parts.append(shape("NorthWall", *side_wall(X0, -1), STONE))
    parts.append(shape("NorthWindows", *windows(X0, -1), GLASS))
    parts.append(shape("SouthWall", *side_wall(X1, 1), STONE))
    parts.append(shape("SouthWindows", *windows(X1, 1), GLASS))
    parts.append(shape("Vault", *vault(), VAULT))
    bay = (Z1 - Z0) / 5
    for side, x in (("North", X0 + 1300), ("South", X1 - 1300)):
        for b in range(1, 5):
            parts.append(shape("%sColumn%d" % (side, b), *column(x, Z0 + b * bay), COLUMN))
    with open(os.path.join(HERE, "eglise.wrl"), "w", newline="\n") as out:
        out.write("".join(parts))


if __name__ == "__main__":
    main()
