#!/usr/bin/env python3
"""Writes Kestrel's keycap artwork: a base (the key's well) and a cap in dark and white for
each keycap shape, and three mouse pictures. Run it after changing a measure or a colour;
the SVG files it writes are what the program loads.

Every base and cap is 525 units high and as wide as its shape. The cap's top face covers
exactly the label area: 55 units in from the left and right edges, 19 units down from the
top, 374 units high. The cap stops 47 units above the bottom, so it can sink 24 units."""

from pathlib import Path

HEIGHT = 525
SHAPES = {"key": 536, "cmd": 660, "shift": 1000, "space": 1740}
FACE_INSET, FACE_TOP, FACE_HEIGHT = 55, 19, 374
SKIRT_BOTTOM = 478

SCHEMES = {
    # skirt top, skirt bottom, face top, face middle, face bottom, rim highlight, edge shade
    "dark": ("#4a4a50", "#1b1b1e", "#2c2c31", "#313136", "#3a3a40", "#6a6a72", "#101012"),
    "white": ("#ffffff", "#c4c4ca", "#ececf0", "#f5f5f8", "#fdfdff", "#ffffff", "#a8a8b0"),
}


def base(width):
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{HEIGHT}" viewBox="0 0 {width} {HEIGHT}">
  <defs>
    <linearGradient id="well" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#0c0c0e"/>
      <stop offset="0.8" stop-color="#1d1d21"/>
      <stop offset="1" stop-color="#2a2a2f"/>
    </linearGradient>
    <linearGradient id="lip" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#000000" stop-opacity="0"/>
      <stop offset="1" stop-color="#8a8a94" stop-opacity="0.55"/>
    </linearGradient>
  </defs>
  <rect x="1" y="1" width="{width - 2}" height="{HEIGHT - 2}" rx="74" fill="url(#well)"/>
  <rect x="3" y="{HEIGHT - 120}" width="{width - 6}" height="115" rx="70" fill="url(#lip)"/>
  <rect x="1.5" y="1.5" width="{width - 3}" height="{HEIGHT - 3}" rx="74" fill="none" stroke="#000000" stroke-opacity="0.6" stroke-width="3"/>
</svg>
"""


def cap(width, scheme):
    skirt_top, skirt_bottom, face_top, face_mid, face_bottom, rim, shade = SCHEMES[scheme]
    fx, fy, fw, fh = FACE_INSET, FACE_TOP, width - 2 * FACE_INSET, FACE_HEIGHT
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{HEIGHT}" viewBox="0 0 {width} {HEIGHT}">
  <defs>
    <linearGradient id="skirt" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="{skirt_top}"/>
      <stop offset="1" stop-color="{skirt_bottom}"/>
    </linearGradient>
    <linearGradient id="sides" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="{shade}" stop-opacity="0.45"/>
      <stop offset="0.12" stop-color="{shade}" stop-opacity="0"/>
      <stop offset="0.88" stop-color="{shade}" stop-opacity="0"/>
      <stop offset="1" stop-color="{shade}" stop-opacity="0.45"/>
    </linearGradient>
    <linearGradient id="face" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="{face_top}"/>
      <stop offset="0.55" stop-color="{face_mid}"/>
      <stop offset="1" stop-color="{face_bottom}"/>
    </linearGradient>
    <linearGradient id="dish" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#000000" stop-opacity="0.06"/>
      <stop offset="0.45" stop-color="#000000" stop-opacity="0.0"/>
      <stop offset="1" stop-color="#ffffff" stop-opacity="0.08"/>
    </linearGradient>
  </defs>
  <rect x="8" y="4" width="{width - 16}" height="{SKIRT_BOTTOM - 4}" rx="62" fill="url(#skirt)"/>
  <rect x="8" y="4" width="{width - 16}" height="{SKIRT_BOTTOM - 4}" rx="62" fill="url(#sides)"/>
  <rect x="9.5" y="5.5" width="{width - 19}" height="{SKIRT_BOTTOM - 7}" rx="61" fill="none" stroke="{rim}" stroke-opacity="0.55" stroke-width="3"/>
  <rect x="{fx}" y="{fy}" width="{fw}" height="{fh}" rx="46" fill="url(#face)"/>
  <rect x="{fx}" y="{fy}" width="{fw}" height="{fh}" rx="46" fill="url(#dish)"/>
  <rect x="{fx + 1.5}" y="{fy + 1.5}" width="{fw - 3}" height="{fh - 3}" rx="45" fill="none" stroke="{shade}" stroke-opacity="0.35" stroke-width="3"/>
  <path d="M {fx + 46} {fy + fh + 2} H {fx + fw - 46}" stroke="{rim}" stroke-opacity="0.5" stroke-width="4" stroke-linecap="round"/>
</svg>
"""


def mouse(lit):
    """A mouse seen from above, its lit button filled; black, tinted to the label colour when drawn."""
    buttons = {
        "left": "M 30 92 V 60 A 70 70 0 0 1 96 4 V 92 Z",
        "middle": "M 88 22 H 112 V 72 H 88 Z",
        "right": "M 170 92 V 60 A 70 70 0 0 0 104 4 V 92 Z",
    }
    lit_path = buttons[lit]
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="200" height="300" viewBox="0 0 200 300">
  <path d="M 100 4 C 150 4 170 40 170 92 V 200 C 170 260 140 296 100 296 C 60 296 30 260 30 200 V 92 C 30 40 50 4 100 4 Z"
        fill="#000000" fill-opacity="0.12" stroke="#000000" stroke-width="12"/>
  <path d="M 30 100 H 170 M 100 4 V 100" stroke="#000000" stroke-width="10" fill="none"/>
  <path d="{lit_path}" fill="#000000"/>
</svg>
"""


def main():
    folder = Path(__file__).resolve().parent / "keycaps"
    folder.mkdir(exist_ok=True)
    for shape, width in SHAPES.items():
        (folder / f"base-{shape}.svg").write_text(base(width))
        for scheme in SCHEMES:
            (folder / f"cap-{shape}-{scheme}.svg").write_text(cap(width, scheme))
    for button in ("left", "middle", "right"):
        (folder / f"mouse-{button}.svg").write_text(mouse(button))


if __name__ == "__main__":
    main()
