#!/usr/bin/env python3
"""Derives the expected target files of the text-file fixtures from the
formulas, without the program: lines split at LF, CR LF or CR; fields at runs
of " ,\t;|"; a coordinate line has two fields that begin with a number; the
number is the longest decimal prefix (Python's correctly rounded float).

- text_identity: "Projektion 1 --> Projektion 2", geographic to geographic,
  both sides on ED50: the results are the inputs.
- text_projection: "innerhalb Projektion 1", geographic to cartesian, the
  equidistant azimuthal projection about the north pole on a map whose
  calibration factor is 1 (radius 6371000 m, scale 1 : 6371000000, "mm"):
  z = pi/2 - lat, X = z sin(lon), Y = -z cos(lon), angles in radians.
- text_datum: "Projektion 1 --> Projektion 2", geographic to geographic in
  dd.mmssss, ED50 to MGI through WGS 84 (first-order seven-parameter shift,
  the second leg with negated parameters), source height 250 m, one
  correction of 360 degrees towards [-180, 180].

Run it in this folder to rewrite the .expected files."""
import math
import re

NUMBER = re.compile(rb"[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?")
DELIMITERS = rb"[ ,\t;|]+"


def lines(data):
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    out = re.split(rb"\r\n|\r|\n", data)
    if out and out[-1] == b"":
        out.pop()
    return out


def number(field):
    m = NUMBER.match(field)
    if not m:
        return None
    return float(m.group(0))


def packed_to_degrees(v):
    neg = v < 0
    if neg:
        v = -v
    d = math.floor(v)
    m = math.floor((v - d) * 100.0)
    s = v * 10000.0 - d * 10000.0 - m * 100.0
    if s >= 60.0:
        m = m + 1
        s = 0.0 if s > 99.999999 else s - 60.0
    if m >= 60.0:
        d = d + 1
        m = m - 60.0
    r = m / 60.0 + d + s / 3600.0
    return -r if neg else r


def degrees_to_packed(v):
    neg = v < 0
    if neg:
        v = -v
    d = math.floor(v)
    m = math.floor((v - d) * 60.0)
    s = ((v - d) - m / 60.0) * 3600.0
    if s >= 59.999999:
        m = m + 1
        s = 0.0
    if m >= 60.0:
        d = d + 1
        m = 0.0
    r = m / 100.0 + d + s / 10000.0
    return -r if neg else r


def rad(d):
    return d * math.pi / 180.0


def deg(r):
    return r * 180.0 / math.pi


def sq(x):
    return math.pow(x, 2.0)


def shift(a1, b1, a2, b2, dx, dy, dz, om, ps, ep, sc, lat, lon, h):
    om, ps, ep = rad(om), rad(ps), rad(ep)
    phi, lam = rad(lat), rad(lon)
    f1 = (a1 - b1) / a1
    f2 = (a2 - b2) / a2
    e2sq = sq(math.sqrt((sq(a2) - sq(b2)) / sq(a2)))
    da = a2 - a1
    df = f2 - f1
    sp, cp, sl, cl = math.sin(phi), math.cos(phi), math.sin(lam), math.cos(lam)
    dphi1 = sp * (e2sq * da / a2 + 2.0 * df) * cp
    dh1 = -da + sp * sp * (df * a2)
    dphi2 = ((ps * cl - ep * sl - cp * sp * e2sq * sc) * a2 +
             (dz * cp - dx * sp * cl - dy * sp * sl)) / a2
    dlam2 = ((-om * cp + ps * sp * sl + ep * sp * cl) * a2 + (dy * cl - dx * sl)) / a2 / cp
    dh2 = dx * cp * cl + dy * cp * sl + dz * sp + sc * a2
    return deg(phi + dphi1 + dphi2), deg(lam + 0.0 + dlam2), h + dh1 + dh2


WGS = (6378137.0, 6356752.314245179)
ED50 = ((6378388.0, 6356911.9461279465), (-87.0, -96.0, -120.0, 0.0, 0.0, 0.0, 0.0))
MGI = ((6377397.155, 6356078.962818189),
       (575.0, 93.0, 466.0, -0.001444427, -0.000444443, -0.001416638, 2.5e-06))


def identity(a, b):
    return a, b


def projection(lat, lon):
    z = math.pi / 2 - rad(lat)
    alpha = rad(lon)
    return z * math.sin(alpha), -(z * math.cos(alpha))


def datum(a, b):
    lat, lon = packed_to_degrees(a), packed_to_degrees(b)
    (a1, b1), p1 = ED50
    (a2, b2), p2 = MGI
    lat, lon, h = shift(a1, b1, WGS[0], WGS[1], *p1, lat, lon, 250.0)
    lat, lon, h = shift(WGS[0], WGS[1], a2, b2, *[-v for v in p2], lat, lon, h)
    if lon > 180.0:
        lon -= 360.0
    elif lon < -180.0:
        lon += 360.0
    return degrees_to_packed(lat), degrees_to_packed(lon)


def derive(name, transform):
    with open(f"text_{name}.txt", "rb") as f:
        data = f.read()
    out = []
    for line in lines(data):
        fields = [f for f in re.split(DELIMITERS, line) if f]
        if len(fields) < 2 or number(fields[0]) is None or number(fields[1]) is None:
            out.append("\n")
            continue
        a, b = number(fields[0]), number(fields[1])
        r1, r2 = transform(a, b)
        out.append("%.8f\t%.8f\t%.8f\t%.8f\n" % (a, b, r1, r2))
    with open(f"text_{name}.expected", "w", newline="") as f:
        f.write("".join(out))


derive("identity", identity)
derive("projection", projection)
derive("datum", datum)
