#!/usr/bin/env python3
"""Reads a DXF file with ezdxf, a reader independent of the library that wrote it, and prints
what the tests check: the units, the drawing's extent, the layers' colours and every entity of the model space, one a
line. Exits with 1 when the file does not read or its audit finds errors."""
import sys

import ezdxf

doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
if auditor.has_errors:
    for error in auditor.errors:
        print("error", error.message, file=sys.stderr)
    sys.exit(1)
print("VERSION", doc.dxfversion)
print("UNITS", doc.header.get("$INSUNITS", -1), doc.header.get("$MEASUREMENT", -1))
print("EXTENT", *("%.17g" % v for name in ("$EXTMIN", "$EXTMAX") for v in doc.header[name]))
for layer in doc.layers:
    print("LAYER", layer.dxf.name, layer.dxf.color)
for e in doc.modelspace():
    d = e.dxf
    if e.dxftype() == "LINE":
        values = (d.start.x, d.start.y, d.end.x, d.end.y)
    elif e.dxftype() == "ARC":
        values = (d.center.x, d.center.y, d.radius, d.start_angle, d.end_angle)
    elif e.dxftype() == "CIRCLE":
        values = (d.center.x, d.center.y, d.radius)
    else:
        values = ()
    print(e.dxftype(), d.layer, d.color, *("%.17g" % v for v in values))
