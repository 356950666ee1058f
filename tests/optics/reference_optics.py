#!/usr/bin/python3
"""An independent computation of the measured-water colours, from the tables
in data/optics/ alone, written apart from the program's C++ (numpy, whole
spectra as arrays) so that the two can be checked against each other.

  reference_optics.py                  prints the reference figures
  reference_optics.py --check DUMP     compares them with DUMP's output
                                       (tests/optics/optics_dump.cpp)
"""
import math
import subprocess
import sys
from pathlib import Path

import numpy as np

DATA = Path(__file__).resolve().parents[2] / "data" / "optics"
GRID = np.arange(380.0, 780.0 + 1e-9, 5.0)
WATERS = [("clear", 0.03), ("open", 0.3), ("coastal", 3.0)]
WHITE = 18  # the ColorChecker's white patch, in chart order


def table(name):
    rows = []
    header_seen = False
    for line in (DATA / name).read_text().splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        if not header_seen:
            header_seen = True
            continue
        rows.append([float(v) for v in line.split(",")])
    return np.array(rows)


cmf = table("cie1931_2deg_cmf_5nm.csv")
d65 = table("cie_d65_5nm.csv")[:, 1]
checker = table("colorchecker_reflectance.csv")[:, 1:]  # 81 x 24
pope_fry = table("pure_water_absorption_pope_fry_1997.csv")
mm01 = table("water_kd_morel_maritorena_2001.csv")


def kd(chl):
    """Morel & Maritorena (2001) eq. 8 with their Table 2: Kd = Kw + chi Chl^e,
    linear between table rows; past 700 nm Pope & Fry's absorption."""
    inside = GRID <= 700.0
    kw = np.interp(GRID, mm01[:, 0], mm01[:, 1])
    chi = np.interp(GRID, mm01[:, 0], mm01[:, 2])
    e = np.interp(GRID, mm01[:, 0], mm01[:, 3])
    return np.where(inside, kw + chi * chl ** e, np.interp(GRID, pope_fry[:, 0], pope_fry[:, 1]))


def iops(chl):
    """Absorption and scattering of Case-1 water: Morel (1974) for pure sea
    water, Morel & Maritorena (2001) for the particles, a from Kd in their own
    convention Kd = a + b_b, never below pure water's (Pope & Fry), which is
    also a past 700 nm."""
    bw = 0.00288 * (GRID / 500) ** -4.32
    nu = 0.0 if chl >= 2 else 0.5 * (np.log10(chl) - 0.3)
    bp = 0.416 * chl ** 0.766 * (GRID / 550) ** nu
    bb = 0.5 * bw + (0.002 + 0.01 * (0.5 - 0.25 * np.log10(chl)) * (GRID / 550) ** nu) * bp
    a_w = np.interp(GRID, pope_fry[:, 0], pope_fry[:, 1])
    a = np.where(GRID <= 700, np.maximum(kd(chl) - bb, a_w), a_w)
    return a, bw + bp


def hg_back_fraction(g):
    """Henyey & Greenstein (1941) phase function integrated over the back
    hemisphere, in closed form."""
    return (1 - g) / (2 * g) * ((1 + g) / np.sqrt(1 + g * g) - 1)


def hg_for_back_fraction(fraction):
    """g for each back fraction, by bisection over a fine grid of g, vectorised."""
    g = np.linspace(1e-4, 0.9999, 200001)
    back = hg_back_fraction(g)  # falls as g grows
    return np.interp(-np.asarray(fraction), -back, g)


def beta_sideways(chl):
    """beta(90 deg) per metre per steradian: Morel (1974) for the water,
    (1 + 0.835 cos^2) / (4 pi (1 + 0.835/3)); a Henyey-Greenstein function for
    the particles with their b_bp/b_p as its back fraction (Morel &
    Maritorena 2001)."""
    bw = 0.00288 * (GRID / 500) ** -4.32
    nu = 0.0 if chl >= 2 else 0.5 * (np.log10(chl) - 0.3)
    bp = 0.416 * chl ** 0.766 * (GRID / 550) ** nu
    ratio = 0.002 + 0.01 * (0.5 - 0.25 * np.log10(chl)) * (GRID / 550) ** nu
    g = hg_for_back_fraction(ratio)
    water = 1 / (4 * np.pi * (1 + 0.835 / 3))
    particles = (1 - g * g) / (4 * np.pi * (1 + g * g) ** 1.5)
    return bw * water + bp * particles


def backscattering(chl):
    bw = 0.00288 * (GRID / 500) ** -4.32
    nu = 0.0 if chl >= 2 else 0.5 * (np.log10(chl) - 0.3)
    bp = 0.416 * chl ** 0.766 * (GRID / 550) ** nu
    return 0.5 * bw + (0.002 + 0.01 * (0.5 - 0.25 * np.log10(chl)) * (GRID / 550) ** nu) * bp


def veil_ratio(chl):
    """pi L / E_d looking level: light from above scattered at 90 degrees all
    along the path, attenuated by a + b_b (Gordon 1973, quasi-single
    scattering)."""
    a, _ = iops(chl)
    return np.pi * beta_sideways(chl) / (a + backscattering(chl))


def veil_below_ratio(chl):
    """pi L / E_d looking straight down: beta(180) (Morel's water, 1.835 times
    its 90-degree value; Henyey-Greenstein particles), along a path that goes
    deeper, where E_d falls by exp(-Kd s): denominator a + b_b + Kd."""
    a, _ = iops(chl)
    bw = 0.00288 * (GRID / 500) ** -4.32
    nu = 0.0 if chl >= 2 else 0.5 * (np.log10(chl) - 0.3)
    bp = 0.416 * chl ** 0.766 * (GRID / 550) ** nu
    g = hg_for_back_fraction(0.002 + 0.01 * (0.5 - 0.25 * np.log10(chl)) * (GRID / 550) ** nu)
    beta = bw * 1.835 / (4 * np.pi * (1 + 0.835 / 3)) + bp * (1 - g * g) / (4 * np.pi * (1 + g) ** 3)
    return np.pi * beta / (a + backscattering(chl) + kd(chl))


def veil_toward_ratio(chl, depth, sin_e):
    """pi L / E_d along a line of sight at elevation e (sin_e > 0 upward):
    light from above meets it at the scattering angle psi, cos psi = sin e;
    along the line the daylight changes by exp(Kd s sin e), so each metre
    gives beta(psi) exp(-(a + b_b - Kd sin e) s), summed up to the surface
    (d / sin e away) looking up, without end otherwise. Gordon (1973)'s
    quasi-single scattering as above; level it is veil_ratio, straight down
    veil_below_ratio. Integrated numerically here (trapezoids over the path),
    where the program uses the closed form."""
    a, _ = iops(chl)
    bw = 0.00288 * (GRID / 500) ** -4.32
    nu = 0.0 if chl >= 2 else 0.5 * (np.log10(chl) - 0.3)
    bp = 0.416 * chl ** 0.766 * (GRID / 550) ** nu
    g = hg_for_back_fraction(0.002 + 0.01 * (0.5 - 0.25 * np.log10(chl)) * (GRID / 550) ** nu)
    mu = sin_e
    beta = (bw * (1 + 0.835 * mu * mu) / (4 * np.pi * (1 + 0.835 / 3))
            + bp * (1 - g * g) / (4 * np.pi * (1 + g * g - 2 * g * mu) ** 1.5))
    k = a + backscattering(chl) - kd(chl) * mu
    end = depth / mu if mu > 1e-9 else 20.0 / np.min(k)
    s = np.linspace(0.0, end, 20001)[:, None]
    return np.pi * beta * np.trapz(np.exp(-k[None, :] * s), s, axis=0)


def veil_toward(chl, depth, sin_e):
    return into_gamut(xyz(light(chl, depth) * veil_toward_ratio(chl, depth, sin_e), np.ones((81, 1))) @ SRGB.T)[0]


def veil_below(chl, depth):
    return into_gamut(xyz(light(chl, depth) * veil_below_ratio(chl), np.ones((81, 1))) @ SRGB.T)[0]


def veil(chl, depth):
    return into_gamut(xyz(light(chl, depth) * veil_ratio(chl), np.ones((81, 1))) @ SRGB.T)[0]


def monte_carlo():
    """The independent Monte Carlo's pi L/E_d looking level, if its table is at hand."""
    path = Path("/work/shared/data/optics/veil_radiance_monte_carlo.csv")
    if not path.exists():
        return None
    rows = [line.split(",") for line in path.read_text().splitlines()[1:] if line.strip()]
    return [(r[0], float(r[1]), float(r[2]), float(r[3]), float(r[4])) for r in rows]


def scales(before, after):
    s = into_gamut(xyz(before, checker) @ SRGB.T)
    d = into_gamut(xyz(after, checker) @ SRGB.T)
    ss = np.sum(s * s, axis=0)
    # A channel left with rounding residue alone (1e-19 and below) is empty.
    return np.where(ss > 1e-30, np.clip(np.sum(s * d, axis=0) / np.where(ss > 0, ss, 1), 0, 1), 0.0)


def through(chl, metres):
    a, b = iops(chl)
    return np.exp(-(a + b) * metres)


def attenuation(chl, depth):
    t = scales(light(chl, depth), light(chl, depth) * through(chl, 1.0))
    return np.where(t > 1e-12, -np.log(np.maximum(t, 1e-300)), 27.6)


def torch(chl, metres):
    return scales(d65, d65 * through(chl, 2 * metres))


def light(chl, depth):
    return d65 * np.exp(-kd(chl) * depth)


# Spectral colour names (Bruno and Svoronos, CRC Handbook of Fundamental
# Spectroscopic Correlation Charts, 2005), red cut at 700 nm: red, orange, yellow.
HUE_BANDS = [(625.0, 700.0), (590.0, 625.0), (565.0, 590.0)]


def gone_depth(chl, band, deepest=90.0, share=0.05):
    """The depth where the band's daylight falls to `share` of the surface's,
    found on a fine grid of depths (NaN if it keeps more down to `deepest`)."""
    inside = (GRID >= band[0]) & (GRID < band[1])
    depths = np.arange(0.0, deepest + 1e-9, 0.001)
    left = np.exp(-np.outer(depths, kd(chl)[inside])) @ d65[inside] / np.sum(d65[inside])
    below = np.nonzero(left < share)[0]
    return depths[below[0]] if below.size else float("nan")


def xyz(spectrum, reflectance):
    """CIE 15:2004 eq. 7.1, normalised so D65 on a perfect white has Y = 1."""
    k = 1.0 / np.sum(d65 * cmf[:, 2])
    s = (spectrum[:, None] * reflectance)  # 81 x n
    return k * (cmf[:, 1:].T @ s).T  # n x 3


# IEC 61966-2-1 (sRGB), XYZ to linear RGB.
SRGB = np.array([[3.2406, -1.5372, -0.4986], [-0.9689, 1.8758, 0.0415], [0.0557, -0.2040, 1.0570]])
LUMA = np.array([0.2126, 0.7152, 0.0722])


def into_gamut(rgb):
    """Toward the grey of the same luminance until every channel is in 0..1."""
    out = []
    for c in np.atleast_2d(rgb):
        y = float(LUMA @ c)
        if y <= 0:
            out.append(np.zeros(3))
            continue
        if y >= 1:
            out.append(np.ones(3))
            continue
        s = 1.0
        for v in c:
            if v < 0:
                s = min(s, y / (y - v))
            elif v > 1:
                s = min(s, (1 - y) / (v - y))
        out.append(np.clip(y + s * (c - y), 0, 1))
    return np.array(out)


def encode(v):
    v = np.clip(v, 0, 1)
    return np.where(v <= 0.0031308, 12.92 * v, 1.055 * np.power(v, 1 / 2.4) - 0.055)


def decode(v):
    return np.where(v <= 0.04045, v / 12.92, ((v + 0.055) / 1.055) ** 2.4)


def patches(chl, depth):
    return xyz(light(chl, depth), checker)


def factors(chl, depth):
    """Per channel, the least-squares scale that maps the surface patches onto
    the patches at depth, both gamut-mapped linear sRGB."""
    s = into_gamut(patches(chl, 0.0) @ SRGB.T)
    d = into_gamut(patches(chl, depth) @ SRGB.T)
    ss = np.sum(s * s, axis=0)
    return np.clip(np.sum(s * d, axis=0) / np.where(ss > 0, ss, 1), 0, 1)


# Bradford cone response (Lam 1985; ICC.1:2010 Annex E).
BRADFORD = np.array([[0.8951, 0.2664, -0.1614], [-0.7502, 1.7135, 0.0367], [0.0389, -0.0685, 1.0296]])


def bradford(values, source_white, target_white):
    cone_gain = (BRADFORD @ target_white) / (BRADFORD @ source_white)
    m = np.linalg.inv(BRADFORD) @ np.diag(cone_gain) @ BRADFORD
    return values @ m.T


D65_WHITE = xyz(d65, np.ones((81, 1)))[0]


def lab(values):
    """CIE 15:2004 eq. 8.1-8.3, D65 white."""
    t = values / D65_WHITE
    f = np.where(t > (6 / 29) ** 3, np.cbrt(t), t / (3 * (6 / 29) ** 2) + 4 / 29)
    return np.stack([116 * f[:, 1] - 16, 500 * (f[:, 0] - f[:, 1]), 200 * (f[:, 1] - f[:, 2])], axis=1)


def de2000(lab1, lab2):
    """Sharma, Wu and Dalal (2005), eqs. 1-22."""
    out = []
    for (l1, a1, b1), (l2, a2, b2) in zip(lab1, lab2):
        c1, c2 = math.hypot(a1, b1), math.hypot(a2, b2)
        cm = (c1 + c2) / 2
        g = 0.5 * (1 - math.sqrt(cm ** 7 / (cm ** 7 + 25 ** 7)))
        a1p, a2p = (1 + g) * a1, (1 + g) * a2
        c1p, c2p = math.hypot(a1p, b1), math.hypot(a2p, b2)
        h1p = math.degrees(math.atan2(b1, a1p)) % 360 if c1p else 0.0
        h2p = math.degrees(math.atan2(b2, a2p)) % 360 if c2p else 0.0
        dl, dc = l2 - l1, c2p - c1p
        if c1p * c2p == 0:
            dh = 0.0
        elif abs(h2p - h1p) <= 180:
            dh = h2p - h1p
        elif h2p - h1p > 180:
            dh = h2p - h1p - 360
        else:
            dh = h2p - h1p + 360
        dH = 2 * math.sqrt(c1p * c2p) * math.sin(math.radians(dh / 2))
        lm, cmp_ = (l1 + l2) / 2, (c1p + c2p) / 2
        if c1p * c2p == 0:
            hm = h1p + h2p
        elif abs(h1p - h2p) <= 180:
            hm = (h1p + h2p) / 2
        elif h1p + h2p < 360:
            hm = (h1p + h2p + 360) / 2
        else:
            hm = (h1p + h2p - 360) / 2
        t = (1 - 0.17 * math.cos(math.radians(hm - 30)) + 0.24 * math.cos(math.radians(2 * hm))
             + 0.32 * math.cos(math.radians(3 * hm + 6)) - 0.20 * math.cos(math.radians(4 * hm - 63)))
        dtheta = 30 * math.exp(-(((hm - 275) / 25) ** 2))
        rc = 2 * math.sqrt(cmp_ ** 7 / (cmp_ ** 7 + 25 ** 7))
        sl = 1 + 0.015 * (lm - 50) ** 2 / math.sqrt(20 + (lm - 50) ** 2)
        sc = 1 + 0.045 * cmp_
        sh = 1 + 0.015 * cmp_ * t
        rt = -math.sin(math.radians(2 * dtheta)) * rc
        out.append(math.sqrt((dl / sl) ** 2 + (dc / sc) ** 2 + (dH / sh) ** 2 + rt * (dc / sc) * (dH / sh)))
    return np.array(out)


def shown(values):
    """What the screen shows of XYZ values: gamut-mapped, encoded, 8 bits."""
    return np.rint(encode(into_gamut(values @ SRGB.T)) * 255).astype(int)


def shown_xyz(values):
    """The XYZ of what the screen shows, for colour differences."""
    return decode(shown(values) / 255.0) @ np.linalg.inv(SRGB).T


def chart(chl, depth, max_stops=12.0):
    surface = patches(chl, 0.0)
    deep = patches(chl, depth)
    needed = math.log2(surface[WHITE, 1] / deep[WHITE, 1]) if deep[WHITE, 1] > 0 else 2 * max_stops
    stops = min(max(needed, 0.0), max_stops)
    exposed = deep * 2 ** stops
    # Past the camera's range even the balanced chart cannot be brought up.
    balanced = bradford(deep, deep[WHITE], surface[WHITE]) * 2 ** min(0.0, max_stops - needed)
    return surface, exposed, balanced, stops


def mean_de(chl, depth):
    surface, _, balanced, _ = chart(chl, depth)
    return float(np.mean(de2000(lab(shown_xyz(surface)), lab(shown_xyz(balanced)))))


def report():
    for name, chl in WATERS:
        a, b = iops(chl)
        c = np.interp([450, 550, 650], GRID, a + b)
        print(f"{name:8s} c(450, 550, 650) = {c[0]:.3f} {c[1]:.3f} {c[2]:.3f} /m; "
              f"veil at 5/10/30 m {[tuple(np.rint(encode(veil(chl, d)) * 255).astype(int)) for d in (5, 10, 30)]}; "
              f"torch through 2 x 0.73 m {np.round(torch(chl, 0.35 / 2.4 * 5), 3)}")
    mc = monte_carlo()
    if mc:
        for name, chl in WATERS:
            ours = veil_ratio(chl)
            ratios = [pl / np.interp(w, GRID, ours) for (_, c, w, d, pl) in mc if c == chl and 420 <= w <= 620]
            print(f"{name:8s} Monte Carlo / this veil, 420..620 nm: median {np.median(ratios):.2f}, "
                  f"range {min(ratios):.2f}..{max(ratios):.2f}")
    for name, chl in WATERS:
        for depth in (10, 20, 30, 50, 60, 90):
            f = factors(chl, depth)
            surface, exposed, balanced, stops = chart(chl, depth)
            print(f"{name:8s} {depth:3d} m  factors {f[0]:.4f} {f[1]:.4f} {f[2]:.4f}  eye x{eye_gain(chl, depth):.1f}  "
                  f"+{stops:.1f} EV  mean dE00 {mean_de(chl, depth):.2f}  "
                  f"blue patch balanced {tuple(shown(balanced)[12])}  red {tuple(shown(exposed)[14])}")


def eye_gain(chl, depth, cap=1000.0):
    # The adapted eye's gain: the reciprocal of the luminance a white surface
    # facing the light keeps (Rec. 709 / sRGB weights, IEC 61966-2-1),
    # capped where colour vision ends (CIE 191:2010: 5 cd/m^2 against
    # a few thousand for a white surface in daylight).
    kept = float(np.dot([0.2126, 0.7152, 0.0722], factors(chl, depth)))
    return min(cap, max(1.0, 1.0 / kept)) if kept > 0 else cap


def check(dump):
    """DUMP prints lines 'factors WATER DEPTH R G B', 'stops WATER DEPTH EV',
    'patch WATER DEPTH CHART INDEX R G B' (8-bit sRGB; CHART 0 surface, 1 at
    depth, 2 balanced), 'clear WATER DEPTH R G B' (the clear colour), 'veil',
    'below' (the veil looking down), 'toward WATER DEPTH SINE R G B' (the
    veil at an elevation), 'sun WATER DEPTH R G B' (the sun's
    beam through the depth), 'attenuation' (per channel, 1/m), 'torch WATER METRES R G B',
    'beam WATER 0 C450 C550 C650', 'gone WATER 0 RED ORANGE YELLOW' (the depths
    where each hue keeps 5 % of its surface daylight) and 'eye WATER DEPTH GAIN'
    (the adapted eye's gain)."""
    failures = 0
    checked = 0
    out = subprocess.run([dump], check=True, capture_output=True, text=True).stdout
    for line in out.splitlines():
        words = line.split()
        kind, water, depth = words[0], int(words[1]), float(words[2])
        chl = WATERS[water][1]
        values = [float(v) for v in words[3:]]
        if kind == "factors":
            expected, tolerance = factors(chl, depth), 2e-3
        elif kind == "stops":
            expected, tolerance = [chart(chl, depth)[3]], 1e-3
        elif kind == "patch":
            which, index = int(values[0]), int(values[1])
            expected, tolerance, values = chart(chl, depth)[which], 1.0, values[2:]
            expected = shown(expected)[index]
        elif kind == "veil":
            expected, tolerance = veil(chl, depth), 1e-4
        elif kind == "toward":
            expected, tolerance, values = veil_toward(chl, depth, values[0]), 1e-3, values[1:]
        elif kind == "below":
            expected, tolerance = veil_below(chl, depth), 1e-4
        elif kind == "sun":
            # Daylight's direct beam through the depth, exp(-c(lambda) d).
            expected, tolerance = scales(d65, d65 * through(chl, depth)), 1e-4
        elif kind == "attenuation":
            expected, tolerance = attenuation(chl, depth), 2e-3
        elif kind == "torch":
            expected, tolerance = torch(chl, depth), 1e-4
        elif kind == "gone":
            expected, tolerance = [gone_depth(chl, band) for band in HUE_BANDS], 0.02
        elif kind == "eye":
            # Relative: the gain is the reciprocal of a small luminance.
            expected = [eye_gain(chl, depth)]
            tolerance = 0.02 * expected[0]
        elif kind == "beam":
            a, b = iops(chl)
            expected, tolerance = np.interp([450, 550, 650], GRID, a + b), 1e-6
        elif kind == "clear":
            expected, tolerance = encode(veil(chl, depth)), 1e-3
        else:
            raise SystemExit(f"unknown line from the dump: {line}")
        checked += 1
        difference = np.abs(np.array(values) - np.array(expected))
        # A depth both leave out (NaN) agrees.
        difference[np.isnan(np.array(values)) & np.isnan(np.array(expected, dtype=float))] = 0.0
        if not np.max(difference) <= tolerance:
            failures += 1
            print(f"MISMATCH {line}: reference {np.round(np.array(expected, dtype=float), 4)}")
    print(f"optics reference: {checked - failures} passed, {failures} failed")
    return 1 if failures or not checked else 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        sys.exit(check(sys.argv[2]))
    report()
