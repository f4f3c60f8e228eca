#!/usr/bin/python3
"""Opens the plate drawings of every example chest with ezdxf and checks their entities.

Usage: check_dxf_reader.py VENTREL_CLI EXAMPLES_DIR
For each chest the expected counts come from its layout document: the plate and the false chest
hold one circle per pipe and per pilot hole, two cross lines per pipe and the four plate edges.
"""
import json
import os
import subprocess
import sys
import tempfile

import ezdxf

cli, examples = sys.argv[1:3]
out = tempfile.mkdtemp(prefix="ventrel-dxf-")
failures = 0


def check(path, circles, lines):
    """Reads one file with ezdxf and compares its entity counts; True when it matches."""
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    msp = doc.modelspace()
    got = (len(msp.query("CIRCLE")), len(msp.query("LINE")))
    ok = got == (circles, lines) and not auditor.has_errors
    print(f"{'ok  ' if ok else 'FAIL'} {os.path.basename(path)}: {got[0]} circles, {got[1]} lines"
          f" (expected {circles}, {lines}), audit errors: {len(auditor.errors)}")
    return ok


for name in sorted(os.listdir(examples)):
    if not name.endswith(".dat") or name in ("barrages.dat",):
        continue
    base = name[:name.index(".")]
    subprocess.run([cli, "export", os.path.join(examples, name), "-C", out], check=True,
                   stderr=subprocess.DEVNULL)
    layout = json.loads(subprocess.run([cli, "layout", os.path.join(examples, name), "--json"],
                                       check=True, capture_output=True).stdout)
    pipes = sum(len(s["pipes"]) for s in layout["stops"])
    pilots = len(layout["pilot_holes"])
    mixture_holes = len(layout["stops"][1]["pipes"]) if len(layout["stops"]) > 1 and layout["stops"][1]["mixture"] else 0
    expected = {
        "_som.dxf": (pipes + pilots, 2 * pipes + 4),
        "_fs.dxf": (pipes + pilots, 2 * pipes + 4),
        "_mix.dxf": (mixture_holes, 4),
        "_bar.dxf": (0, 0),
    }
    for suffix, (circles, lines) in expected.items():
        failures += not check(os.path.join(out, base + suffix), circles, lines)

# The grand-orgue chest with its partitions: two rectangles of four lines and three lines.
partitioned = os.path.join(out, "partitioned")
os.makedirs(partitioned)
subprocess.run([cli, "export", os.path.join(examples, "grand-orgue.dat"), "--partitions",
                os.path.join(examples, "barrages.dat"), "-C", partitioned], check=True,
               stderr=subprocess.DEVNULL)
failures += not check(os.path.join(partitioned, "grand-orgue_bar.dxf"), 0, 11)

# The tower's two outlines: one line between each pair of consecutive points of their .poly files.
tower = os.path.join(out, "tower")
os.makedirs(tower)
subprocess.run([cli, "tower", "-C", tower], check=True, stderr=subprocess.DEVNULL)
for outline in ("orgext_tourelle_couple", "orgext_tourelle_forme"):
    points = json.loads(subprocess.run([cli, "poly", os.path.join(tower, outline + ".poly"), "--json"],
                                       check=True, capture_output=True).stdout)["count"]
    failures += not check(os.path.join(tower, outline + ".dxf"), 0, points - 1)

# The pedalboard's five planks: outlines and the curved plank's drilled holes.
pedalboard = os.path.join(out, "pedalboard")
os.makedirs(pedalboard)
subprocess.run([cli, "pedalboard", "-C", pedalboard], check=True, stderr=subprocess.DEVNULL)
for plank, circles, lines in (("plancheAR", 0, 28), ("plancheAV", 0, 156), ("plancheCOTE", 0, 28),
                              ("plancheincurvee", 12, 65), ("plancheincurveear", 0, 52)):
    failures += not check(os.path.join(pedalboard, plank + ".dxf"), circles, lines)
print(f"{'all' if not failures else failures} DXF checks {'passed' if not failures else 'failed'}")
sys.exit(1 if failures else 0)
