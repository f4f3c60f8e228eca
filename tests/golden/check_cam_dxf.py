#!/usr/bin/python3
"""Opens the CAM drawings of every example chest with ezdxf and checks them against the plain ones.

Usage: check_cam_dxf.py VENTREL_CLI EXAMPLES_DIR
For each chest, `export --cam` must write DXF R12 files that ezdxf audits clean, in millimetres,
with extents holding every entity, a layer table naming every layer used, each circle on the
layer of its drill diameter, and exactly the circles and lines of the plain export.
"""
import os
import subprocess
import sys
import tempfile
from collections import Counter

import ezdxf

cli, examples = sys.argv[1:3]
out = tempfile.mkdtemp(prefix="ventrel-cam-")
failures = 0


def geometry(doc):
    """The circles and lines of a drawing, as comparable tuples, with their layers."""
    msp = doc.modelspace()
    shapes = Counter()
    layers = Counter()
    for e in msp:
        if e.dxftype() == "CIRCLE":
            c = e.dxf.center
            shapes[("CIRCLE", round(c.x), round(c.y), round(e.dxf.radius))] += 1
        elif e.dxftype() == "LINE":
            s, t = e.dxf.start, e.dxf.end
            shapes[("LINE", round(s.x), round(s.y), round(t.x), round(t.y))] += 1
        layers[e.dxf.layer] += 1
    return shapes, layers


def check(cam_path, plain_path, expect_layers):
    problems = []
    doc = ezdxf.readfile(cam_path)
    auditor = doc.audit()
    if auditor.has_errors:
        problems.append(f"{len(auditor.errors)} audit errors")
    if doc.header.get("$ACADVER") != "AC1009":
        problems.append(f"version {doc.header.get('$ACADVER')}")
    if doc.header.get("$INSUNITS") != 4:
        problems.append(f"units {doc.header.get('$INSUNITS')}")
    shapes, layers = geometry(doc)
    plain, _ = geometry(ezdxf.readfile(plain_path))
    if shapes != plain:
        problems.append(f"geometry differs from the plain export ({sum(shapes.values())} "
                        f"against {sum(plain.values())} entities)")
    table = {layer.dxf.name for layer in doc.layers}
    missing = set(layers) - table
    if missing:
        problems.append(f"layers used but not in the table: {sorted(missing)}")
    if not set(expect_layers) <= set(layers):
        problems.append(f"expected layers {expect_layers}, got {sorted(layers)}")
    lo, hi = doc.header.get("$EXTMIN"), doc.header.get("$EXTMAX")
    for e in doc.modelspace():
        if e.dxftype() == "CIRCLE":
            c, r = e.dxf.center, e.dxf.radius
            if e.dxf.layer != "DRILL_%g" % (2 * r):
                problems.append(f"circle of radius {r} on {e.dxf.layer}")
                break
            points = [(c.x - r, c.y - r), (c.x + r, c.y + r)]
        else:
            points = [(e.dxf.start.x, e.dxf.start.y), (e.dxf.end.x, e.dxf.end.y)]
        if any(not (lo[0] <= x <= hi[0] and lo[1] <= y <= hi[1]) for x, y in points):
            problems.append("an entity lies outside $EXTMIN/$EXTMAX")
            break
    ok = not problems
    drills = sorted(l for l in layers if l.startswith("DRILL_"))
    print(f"{'ok  ' if ok else 'FAIL'} {os.path.basename(cam_path)}: {dict(layers)}"
          f"{'' if ok else ' -- ' + '; '.join(problems)}")
    return ok


for name in sorted(os.listdir(examples)):
    if not name.endswith(".dat") or name == "barrages.dat":
        continue
    base = name[:name.index(".")]
    cam, plain = os.path.join(out, base, "cam"), os.path.join(out, base, "plain")
    os.makedirs(cam)
    os.makedirs(plain)
    extra = ["--partitions", os.path.join(examples, "barrages.dat")] if name == "grand-orgue.dat" else []
    subprocess.run([cli, "export", os.path.join(examples, name), "--cam", "-C", cam] + extra,
                   check=True, stderr=subprocess.DEVNULL)
    subprocess.run([cli, "export", os.path.join(examples, name), "-C", plain] + extra,
                   check=True, stderr=subprocess.DEVNULL)
    expected = {"_som.dxf": ["OUTLINE", "MARKS"], "_fs.dxf": ["OUTLINE", "MARKS"],
                "_mix.dxf": ["OUTLINE"], "_bar.dxf": ["PARTITIONS"] if extra else []}
    for suffix, layers in expected.items():
        failures += not check(os.path.join(cam, base + suffix), os.path.join(plain, base + suffix),
                              layers)
    # The cut list names the same files either way.
    with open(os.path.join(cam, base + "_commande.wri"), "rb") as a, \
            open(os.path.join(plain, base + "_commande.wri"), "rb") as b:
        if a.read() != b.read():
            print(f"FAIL {base}_commande.wri differs between the CAM and the plain export")
            failures += 1
print(f"{'all' if not failures else failures} CAM DXF checks {'passed' if not failures else 'failed'}")
sys.exit(1 if failures else 0)
