#!/usr/bin/python3
"""Draws every picture of the Talvane user interface and writes images/images.qrc.

    /usr/bin/python3 tools/make_pictures.py [--out DIR]

All pictures are schematic drawings made here with Pillow; nothing is copied from elsewhere.
The output is deterministic: no time stamps, no random numbers, one fixed palette per GIF, so a
second run writes the same bytes (files whose content did not change are not touched at all).

Layout of the script: colour palette and fonts, a small supersampling canvas, drawing helpers
(module box, battery, capacitors, flow arrows, load PC, knob, signs), one function per picture
family, the table of files (picture_table) and main(), which writes the files and the resource list.
"""

import argparse
import functools
import io
import math
import os
import sys
import xml.dom.minidom

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

# --------------------------------------------------------------------------------------------
# Palette

def hexc(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


DARK = hexc("#414244")
LIGHT = hexc("#CACBCD")
ACCENT = hexc("#50aaec")
GREEN = hexc("#3fae49")
ORANGE = hexc("#f39c12")
RED = hexc("#d9342b")
YELLOW = hexc("#f6c619")
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
MID = hexc("#8a8b8e")
INACTIVE = hexc("#dcdde0")
CHARGE = ACCENT          # charging flows
SUPPLY = GREEN           # mains / input supply flows
DISCHARGE = ORANGE       # buffer flows

SS = 4                   # supersampling factor: everything is drawn 4x and scaled down

RESAMPLING = getattr(Image, "Resampling", Image)
QUANTIZE = getattr(Image, "Quantize", None)
DITHER = getattr(Image, "Dither", None)
MEDIANCUT = QUANTIZE.MEDIANCUT if QUANTIZE else 0
FASTOCTREE = QUANTIZE.FASTOCTREE if QUANTIZE else 2
NO_DITHER = DITHER.NONE if DITHER else 0


def col(c, alpha=None):
    """Any colour (hex string, RGB or RGBA tuple) as an RGBA tuple of ints."""
    if isinstance(c, str):
        c = hexc(c)
    c = tuple(int(round(v)) for v in c)
    if len(c) == 3:
        c = c + (255,)
    if alpha is not None:
        c = c[:3] + (int(round(alpha)),)
    return c


def mix(a, b, t):
    a, b = col(a), col(b)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


def stop_colour(stops, t):
    """Colour at position t of a gradient given as [(position, colour), ...]."""
    if t <= stops[0][0]:
        return col(stops[0][1])
    for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
        if t <= p1:
            return mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0)
    return col(stops[-1][1])


# --------------------------------------------------------------------------------------------
# Fonts (DejaVu; Pillow's built-in bitmap font if DejaVu is missing)

FONT_DIRS = ("/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/dejavu")
FONT_FILES = {
    "regular": ("DejaVuSans.ttf",),
    "bold": ("DejaVuSans-Bold.ttf", "DejaVuSans.ttf"),
    "cond": ("DejaVuSansCondensed-Bold.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans.ttf"),
    "italic": ("DejaVuSans-BoldOblique.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans.ttf"),
}


@functools.lru_cache(maxsize=None)
def font_path(weight):
    for name in FONT_FILES[weight]:
        for folder in FONT_DIRS:
            path = os.path.join(folder, name)
            if os.path.exists(path):
                return path
    return None


@functools.lru_cache(maxsize=None)
def get_font(weight, pixels):
    path = font_path(weight)
    if path is None:
        return None
    return ImageFont.truetype(path, max(1, int(round(pixels))))


# --------------------------------------------------------------------------------------------
# Canvas: logical pixel coordinates, drawn SS times larger and scaled down at the end

class Canvas:
    def __init__(self, w, h, bg=None, ss=SS, origin=(0, 0)):
        self.w, self.h, self.ss = w, h, ss
        self.ox, self.oy = origin
        size = (max(1, int(round(w * ss))), max(1, int(round(h * ss))))
        self.img = Image.new("RGBA", size, col(bg) if bg is not None else (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.img)

    # coordinate conversion
    def X(self, x):
        return int(round((x - self.ox) * self.ss))

    def Y(self, y):
        return int(round((y - self.oy) * self.ss))

    def P(self, pts):
        return [((x - self.ox) * self.ss, (y - self.oy) * self.ss) for x, y in pts]

    def B(self, box):
        x0, y0, x1, y1 = box
        return [self.X(x0), self.Y(y0), max(self.X(x0), self.X(x1) - 1), max(self.Y(y0), self.Y(y1) - 1)]

    def W(self, width):
        return max(1, int(round(width * self.ss)))

    def _target(self, *colours):
        """The draw object for these colours; translucent colours are blended via a layer."""
        if any(c is not None and col(c)[3] < 255 for c in colours):
            layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
            return ImageDraw.Draw(layer), lambda: self.img.alpha_composite(layer)
        return self.draw, lambda: None

    # primitives
    def rect(self, box, fill=None, outline=None, width=1, radius=0):
        d, done = self._target(fill, outline)
        kw = dict(fill=col(fill) if fill is not None else None,
                  outline=col(outline) if outline is not None else None, width=self.W(width))
        if radius > 0:
            d.rounded_rectangle(self.B(box), radius=max(1, int(round(radius * self.ss))), **kw)
        else:
            d.rectangle(self.B(box), **kw)
        done()

    def ellipse(self, box, fill=None, outline=None, width=1):
        d, done = self._target(fill, outline)
        d.ellipse(self.B(box), fill=col(fill) if fill is not None else None,
                  outline=col(outline) if outline is not None else None, width=self.W(width))
        done()

    def circle(self, cx, cy, r, **kw):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), **kw)

    def polygon(self, pts, fill=None, outline=None, width=1):
        d, done = self._target(fill, outline)
        d.polygon(self.P(pts), fill=col(fill) if fill is not None else None,
                  outline=col(outline) if outline is not None else None, width=self.W(width))
        done()

    def line(self, pts, fill, width=1, cap=True):
        d, done = self._target(fill)
        p = self.P(pts)
        w = self.W(width)
        d.line(p, fill=col(fill), width=w, joint="curve")
        if cap and w > 2:
            r = w / 2.0
            for x, y in (p[0], p[-1]):
                d.ellipse((x - r, y - r, x + r, y + r), fill=col(fill))
        done()

    def arc(self, box, start, end, fill, width=1, cap=True):
        d, done = self._target(fill)
        d.arc(self.B(box), start, end, fill=col(fill), width=self.W(width))
        if cap and self.W(width) > 2:
            x0, y0, x1, y1 = box
            cx, cy, rx, ry = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2
            r = width / 2.0
            for a in (start, end):
                px = cx + (rx - r) * math.cos(math.radians(a))
                py = cy + (ry - r) * math.sin(math.radians(a))
                bx = self.P([(px - r, py - r), (px + r, py + r)])
                d.ellipse((bx[0][0], bx[0][1], bx[1][0], bx[1][1]), fill=col(fill))
        done()

    def dashed(self, p0, p1, fill, width=1, dash=4, gap=3):
        (x0, y0), (x1, y1) = p0, p1
        length = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / length, (y1 - y0) / length
        s = 0.0
        while s < length:
            e = min(length, s + dash)
            self.line([(x0 + ux * s, y0 + uy * s), (x0 + ux * e, y0 + uy * e)], fill, width, cap=False)
            s += dash + gap

    # gradients and layers
    def gradient(self, box, stops, radius=0, horizontal=False, shape="rect"):
        x0, y0 = self.X(box[0]), self.Y(box[1])
        w, h = self.X(box[2]) - x0, self.Y(box[3]) - y0
        if w <= 0 or h <= 0:
            return
        n = w if horizontal else h
        strip = Image.new("RGBA", (n, 1) if horizontal else (1, n))
        px = strip.load()
        for i in range(n):
            px[(i, 0) if horizontal else (0, i)] = stop_colour(stops, i / (n - 1) if n > 1 else 0.0)
        grad = strip.resize((w, h), RESAMPLING.NEAREST)
        mask = Image.new("L", (w, h), 0)
        md = ImageDraw.Draw(mask)
        if shape == "ellipse":
            md.ellipse((0, 0, w - 1, h - 1), fill=255)
        elif radius > 0:
            md.rounded_rectangle((0, 0, w - 1, h - 1), radius=max(1, int(round(radius * self.ss))), fill=255)
        else:
            mask.paste(255, (0, 0, w, h))
        grad.putalpha(ImageChops.multiply(grad.getchannel("A"), mask))
        self.composite(grad, (x0, y0))

    def radial(self, cx, cy, r, inner, outer, focus=(0.0, 0.0), steps=None):
        """A disc shaded from `outer` at the rim to `inner` at a focus point (fractions of r)."""
        steps = steps or max(6, int(r * self.ss / 1.5))
        for i in range(steps):
            t = i / (steps - 1)
            rr = r * (1.0 - 0.97 * t)
            self.circle(cx + focus[0] * r * t, cy + focus[1] * r * t, rr, fill=mix(outer, inner, t))

    def composite(self, im, dest):
        x, y = dest
        sx0, sy0 = max(0, -x), max(0, -y)
        sx1, sy1 = min(im.width, self.img.width - x), min(im.height, self.img.height - y)
        if sx1 <= sx0 or sy1 <= sy0:
            return
        if (sx0, sy0, sx1, sy1) != (0, 0, im.width, im.height):
            im = im.crop((sx0, sy0, sx1, sy1))
        self.img.alpha_composite(im, (x + sx0, y + sy0))

    def region(self, box):
        """A transparent canvas over `box` (same coordinates) to be put back with put()."""
        x0, y0 = math.floor(box[0]) - 1, math.floor(box[1]) - 1
        x1, y1 = math.ceil(box[2]) + 1, math.ceil(box[3]) + 1
        return Canvas(x1 - x0, y1 - y0, ss=self.ss, origin=(x0, y0))

    def put(self, layer, clip=None, opacity=1.0):
        im = layer.img
        if clip is not None or opacity < 1.0:
            im = im.copy()
            alpha = im.getchannel("A")
            if clip is not None:
                alpha = ImageChops.multiply(alpha, clip.img.getchannel("A"))
            if opacity < 1.0:
                alpha = alpha.point(lambda v: int(v * opacity))
            im.putalpha(alpha)
        self.composite(im, (self.X(layer.ox), self.Y(layer.oy)))

    def shadow(self, box, radius=0, blur=3.0, offset=(0, 2), opacity=0.3, shape="rect", points=None):
        """Soft drop shadow of a rectangle, an ellipse or (with `points`) a polygon."""
        if points is not None:
            xs, ys = [p[0] for p in points], [p[1] for p in points]
            box = (min(xs), min(ys), max(xs), max(ys))
        pad = blur * 2.5
        x0, y0, x1, y1 = box[0] + offset[0], box[1] + offset[1], box[2] + offset[0], box[3] + offset[1]
        layer = self.region((x0 - pad, y0 - pad, x1 + pad, y1 + pad))
        fill = (0, 0, 0, int(255 * opacity))
        if points is not None:
            layer.polygon([(px + offset[0], py + offset[1]) for px, py in points], fill=fill)
        elif shape == "ellipse":
            layer.ellipse((x0, y0, x1, y1), fill=fill)
        else:
            layer.rect((x0, y0, x1, y1), fill=fill, radius=radius)
        layer.img = layer.img.filter(ImageFilter.GaussianBlur(blur * self.ss / 2.0))
        self.put(layer)

    # text
    def text_width(self, s, size, weight="bold", tracking=0.0):
        f = get_font(weight, size * self.ss)
        if f is None:
            return len(s) * 6 * size / 11.0 + tracking * (len(s) - 1)
        return f.getlength(s) / self.ss + tracking * (len(s) - 1)

    def fit_size(self, s, max_width, max_size, weight="bold", tracking=0.0):
        size = max_size
        while size > 5 and self.text_width(s, size, weight, tracking) > max_width:
            size -= 0.5
        return size

    def text(self, xy, s, size, fill, weight="bold", anchor="mm", tracking=0.0):
        f = get_font(weight, size * self.ss)
        x, y = (xy[0] - self.ox) * self.ss, (xy[1] - self.oy) * self.ss
        if f is None:
            self._bitmap_text(x, y, s, size, fill, anchor)
            return
        d, done = self._target(fill)
        if not tracking:
            d.text((x, y), s, font=f, fill=col(fill), anchor=anchor)
        else:
            widths = [f.getlength(ch) for ch in s]
            total = sum(widths) + tracking * self.ss * (len(s) - 1)
            start = {"l": x, "m": x - total / 2.0, "r": x - total}[anchor[0]]
            for ch, wch in zip(s, widths):
                d.text((start, y), ch, font=f, fill=col(fill), anchor="l" + anchor[1])
                start += wch + tracking * self.ss
        done()

    def _bitmap_text(self, x, y, s, size, fill, anchor):
        """Fallback without DejaVu: Pillow's bitmap font, scaled to the wanted size."""
        f = ImageFont.load_default()
        s = s.replace("\u2212", "-").encode("latin-1", "replace").decode("latin-1")
        small = Image.new("L", (6 * len(s) + 8, 16), 0)
        ImageDraw.Draw(small).text((2, 1), s, font=f, fill=255)
        bbox = small.getbbox() or (0, 0, 1, 1)
        small = small.crop(bbox)
        scale = size * self.ss / 9.0
        big = small.resize((max(1, int(small.width * scale)), max(1, int(small.height * scale))),
                           RESAMPLING.NEAREST)
        left = {"l": x, "m": x - big.width / 2.0, "r": x - big.width}[anchor[0]]
        top = {"t": y, "a": y, "m": y - big.height / 2.0}.get(anchor[1], y - big.height)
        layer = Image.new("RGBA", big.size, col(fill))
        layer.putalpha(ImageChops.multiply(big, Image.new("L", big.size, col(fill)[3])))
        self.composite(layer, (int(left), int(top)))

    def sub_text(self, xy, main, sub, size, fill, anchor="l", weight="italic"):
        """A symbol with subscript, e.g. U_in; xy is the left/centre/right middle of the symbol."""
        wm = self.text_width(main, size, weight)
        ws = self.text_width(sub, size * 0.66, "bold")
        total = wm + 0.6 + ws
        x = xy[0] - {"l": 0.0, "m": total / 2.0, "r": total}[anchor]
        self.text((x, xy[1]), main, size, fill, weight=weight, anchor="lm")
        self.text((x + wm + 0.6, xy[1] + size * 0.3), sub, size * 0.66, fill, weight="bold", anchor="lm")

    def finish(self):
        return self.img.resize((int(round(self.w)), int(round(self.h))), RESAMPLING.LANCZOS)


def to_grey(img):
    """The same picture in greyscale, transparency kept."""
    grey = img.convert("RGB").convert("L")
    return Image.merge("RGBA", (grey, grey, grey, img.getchannel("A")))


# --------------------------------------------------------------------------------------------
# Drawing helpers

def draw_emblem(c, cx, cy, r, simple=False):
    """Norvex emblem: blue disc, a ring that never ends (uninterrupted power), a bolt."""
    c.gradient((cx - r, cy - r, cx + r, cy + r), [(0, "#74c1f4"), (1, "#2d84ca")], shape="ellipse")
    if not simple:
        c.circle(cx, cy, r, outline=mix(ACCENT, BLACK, 0.35), width=max(0.6, r * 0.035))
        rr, wr = r * 0.70, r * 0.10
        start, end = -48, 228
        c.arc((cx - rr, cy - rr, cx + rr, cy + rr), start, end - 6, fill=WHITE, width=wr)
        a = math.radians(end - 10)
        px, py = cx + (rr - wr / 2) * math.cos(a), cy + (rr - wr / 2) * math.sin(a)
        tx, ty = -math.sin(a), math.cos(a)          # tangent, direction of travel
        nx, ny = math.cos(a), math.sin(a)           # radial
        hl, hw = r * 0.24, r * 0.17
        c.polygon([(px + nx * hw, py + ny * hw), (px + tx * hl, py + ty * hl), (px - nx * hw, py - ny * hw)],
                  fill=WHITE)
    s = r * (0.50 if not simple else 0.74)
    bolt = [(0.18, -1.0), (-0.52, 0.12), (-0.05, 0.12), (-0.20, 1.0), (0.52, -0.16), (0.05, -0.16)]
    c.polygon([(cx + px * s, cy + py * s) for px, py in bolt], fill=WHITE)


def draw_led(c, cx, cy, r, colour, on=True):
    """A round glossy LED lamp in a dark bezel."""
    c.shadow((cx - r, cy - r, cx + r, cy + r), blur=max(0.8, r * 0.12), offset=(0, r * 0.06),
             opacity=0.35, shape="ellipse")
    c.gradient((cx - r, cy - r, cx + r, cy + r), [(0, "#a4a5a8"), (0.5, "#56575a"), (1, "#2a2b2d")],
               shape="ellipse")
    lamp = r * 0.80
    base = colour if on else mix(colour, "#5c5d60", 0.7)
    c.radial(cx, cy, lamp, inner=mix(base, WHITE, 0.55 if on else 0.25), outer=mix(base, BLACK, 0.38),
             focus=(-0.18, -0.25))
    c.gradient((cx - lamp * 0.62, cy - lamp * 0.86, cx + lamp * 0.62, cy - lamp * 0.06),
               [(0, (255, 255, 255, 225)), (1, (255, 255, 255, 25))], shape="ellipse")
    c.gradient((cx - lamp * 0.35, cy + lamp * 0.45, cx + lamp * 0.35, cy + lamp * 0.78),
               [(0, (255, 255, 255, 0)), (1, (255, 255, 255, 90 if on else 40))], shape="ellipse")


def draw_screw(c, cx, cy, r, angle=40):
    c.circle(cx, cy, r, fill="#55565a")
    c.radial(cx, cy, r * 0.88, inner="#fbfbfb", outer="#9d9ea1", focus=(-0.3, -0.35))
    a = math.radians(angle)
    dx, dy = math.cos(a) * r * 0.68, math.sin(a) * r * 0.68
    c.line([(cx - dx, cy - dy), (cx + dx, cy + dy)], fill="#4f5053", width=max(0.5, r * 0.22))


def draw_knob(c, cx, cy, r, angle_deg, rim=DARK):
    """Potentiometer knob seen from the front; angle in screen degrees (0 = right, 90 = down)."""
    c.shadow((cx - r, cy - r, cx + r, cy + r), blur=max(0.8, r * 0.18), offset=(0, r * 0.1),
             opacity=0.35, shape="ellipse")
    c.circle(cx, cy, r, fill=rim)
    for i in range(18):                                   # knurled rim
        a = math.radians(i * 20)
        c.line([(cx + math.cos(a) * r * 0.84, cy + math.sin(a) * r * 0.84),
                (cx + math.cos(a) * r * 0.97, cy + math.sin(a) * r * 0.97)],
               fill=mix(rim, WHITE, 0.14), width=max(0.35, r * 0.06), cap=False)
    c.radial(cx, cy, r * 0.80, inner="#fafafb", outer="#aeafb2", focus=(-0.3, -0.35))
    a = math.radians(angle_deg)
    ux, uy = math.cos(a), math.sin(a)
    c.line([(cx + ux * r * 0.12, cy + uy * r * 0.12), (cx + ux * r * 0.74, cy + uy * r * 0.74)],
           fill=DARK, width=max(0.8, r * 0.17))


def draw_terminals(c, box, groups, k, labels):
    """A row of screw terminals; groups = [(caption, [terminal labels]), ...]."""
    x0, y0, x1, y1 = box
    names = [name for _, group in groups for name in group]
    c.gradient(box, [(0, "#dcdddf"), (1, "#b8b9bc")], radius=3 * k + 0.5)
    c.rect(box, outline="#8a8b8e", width=max(0.5, 1.0 * k), radius=3 * k + 0.5)
    n = len(names)
    cw, bh = (x1 - x0) / n, y1 - y0
    for i, name in enumerate(names):
        cx = x0 + cw * (i + 0.5)
        if i:
            c.line([(x0 + cw * i, y0 + bh * 0.1), (x0 + cw * i, y1 - bh * 0.1)], fill="#a0a1a4",
                   width=max(0.4, 0.8 * k), cap=False)
        side = min(cw * 0.70, bh * 0.60)
        sy = y0 + bh * (0.40 if labels else 0.5)
        c.rect((cx - side / 2, sy - side / 2, cx + side / 2, sy + side / 2), fill="#6a6b6e",
               radius=side * 0.16)
        draw_screw(c, cx, sy, side * 0.42)
        if labels:
            c.text((cx, y0 + bh * 0.85), name, 9.5 * k, DARK, anchor="mm")


class Model:
    def __init__(self, name, lines, width, supply, storage, heavy=False):
        self.name = name              # printed on the front
        self.lines = lines            # rating lines under the name
        self.width = width            # front width in the device photo
        self.supply = supply          # "ac" or "dc" input
        self.storage = storage        # "battery" or "capacitor"
        self.heavy = heavy            # doubled terminals for high currents
        pair = ["+", "+", "−", "−"] if heavy else ["+", "−"]
        self.top = [("AC IN", ["L", "N", "PE"])] if supply == "ac" else [("24V IN", pair)]
        self.bottom = [("24V OUT", pair), ("BAT" if storage == "battery" else "CAP", ["+", "−"])]
        self.led_labels = ("OK", "BAT" if storage == "battery" else "CAP", "ERR")


MODELS = {
    "VK_5A_0": Model("VK-5A", ["DC-UPS", "24 V / 5 A"], 150, "ac", "battery"),
    "VK_5A_L": Model("VK-5A", ["DC-UPS", "24 V / 5 A"], 106, "ac", "battery"),
    "VK_10A_0": Model("VK-10A", ["DC-UPS", "24 V / 10 A"], 166, "ac", "battery"),
    "VK_10A_L": Model("VK-10A", ["DC-UPS", "24 V / 10 A"], 114, "ac", "battery"),
    "VKL_10A_0U": Model("VKL-10A", ["DC-UPS", "24 V / 10 A"], 150, "dc", "battery"),
    "VKL_20A_0U": Model("VKL-20A", ["DC-UPS", "24 V / 20 A"], 172, "dc", "battery"),
    "VT_40A": Model("VT-40A", ["DC-UPS", "24 V / 40 A"], 228, "dc", "battery", heavy=True),
    "VS_1700": Model("VS-1700", ["24 V / 20 A", "1700 Ws"], 196, "dc", "capacitor"),
    "VS_5000": Model("VS-5000", ["24 V / 20 A", "5000 Ws"], 236, "dc", "capacitor"),
}


def draw_dsub(c, cx, cy, w, h):
    """A 9-pin serial socket."""
    c.polygon([(cx - w / 2, cy - h / 2), (cx + w / 2, cy - h / 2), (cx + w * 0.40, cy + h / 2),
               (cx - w * 0.40, cy + h / 2)], fill="#5b5c5f", outline="#36373a", width=max(0.4, h * 0.06))
    for row, count in ((-0.2, 5), (0.2, 4)):
        for i in range(count):
            px = cx + (i - (count - 1) / 2.0) * w * 0.16
            c.circle(px, cy + row * h, max(0.5, h * 0.08), fill="#d8d9db")


def draw_module(c, x, y, w, h, m, leds=(True, False, False), small=False):
    """Front view of a DIN-rail UPS module; the layout is scaled from a 260 px tall front."""
    k = h / 260.0
    rad = 8 * k
    c.shadow((x, y, x + w, y + h), radius=rad, blur=7 * k + 1, offset=(0, 4 * k), opacity=0.32)
    c.gradient((x, y, x + w, y + h), [(0, "#f8f8f9"), (0.55, "#ebebed"), (1, "#d6d7d9")], radius=rad)
    c.gradient((x, y, x + w, y + h), [(0, (255, 255, 255, 0)), (0.9, (255, 255, 255, 0)),
                                       (1, (0, 0, 0, 28))], radius=rad, horizontal=True)
    c.rect((x, y, x + w, y + h), outline="#97989b", width=max(0.6, 1.2 * k), radius=rad)

    top = (x + 7 * k, y + 7 * k, x + w - 7 * k, y + 46 * k)
    bottom = (x + 7 * k, y + h - 46 * k, x + w - 7 * k, y + h - 7 * k)
    draw_terminals(c, top, m.top, k, labels=not small)
    draw_terminals(c, bottom, m.bottom, k, labels=not small)
    if not small:
        for box, groups, cy in ((top, m.top, y + 54 * k), (bottom, m.bottom, y + h - 54 * k)):
            n = sum(len(g) for _, g in groups)
            cw = (box[2] - box[0]) / n
            i = 0
            for caption, group in groups:
                cx = box[0] + cw * (i + len(group) / 2.0)
                c.text((cx, cy), caption, 8 * k, MID, anchor="mm")
                i += len(group)

    band = (x + 0.5, y + 63 * k, x + w - 0.5, y + 87 * k)
    c.gradient(band, [(0, mix(ACCENT, WHITE, 0.12)), (1, mix(ACCENT, BLACK, 0.1))])
    bsize = 12.5 * k
    tw = c.text_width("NORVEX", bsize, tracking=1.2 * k)
    er = 7.5 * k
    bx = x + w / 2.0 - (tw + 2 * er + 5 * k) / 2.0
    bcy = (band[1] + band[3]) / 2.0
    c.circle(bx + er, bcy, er + 0.8 * k, fill=WHITE)
    draw_emblem(c, bx + er, bcy, er, simple=True)
    c.text((bx + 2 * er + 5 * k, bcy + 0.5 * k), "NORVEX", bsize, WHITE, anchor="lm", tracking=1.2 * k)

    size = c.fit_size(m.name, w - 16 * k, 27 * k)
    c.text((x + w / 2.0, y + (109 if not small else 117) * k), m.name, size, DARK, anchor="mm")
    if not small:
        one = "  ".join(m.lines)
        lsize = 9.5 * k
        if c.text_width(one, lsize, "regular") < w - 14 * k:
            c.text((x + w / 2.0, y + 132 * k), one, lsize, "#6b6c6f", weight="regular", anchor="mm")
        else:
            for i, line in enumerate(m.lines):
                c.text((x + w / 2.0, y + (128 + 12 * i) * k), line, lsize, "#6b6c6f", weight="regular",
                       anchor="mm")

    spacing = min(w * 0.22, 34 * k)
    for i, (colour, on) in enumerate(zip((GREEN, YELLOW, RED), leds)):
        lx = x + w / 2.0 + (i - 1) * spacing
        draw_led(c, lx, y + 157 * k, (7.0 if small else 6.2) * k, colour, on)
        if not small:
            c.text((lx, y + 169 * k), m.led_labels[i], 7 * k, MID, anchor="mm")
    draw_knob(c, x + w * 0.32, y + 189 * k, 10 * k, -60)
    draw_dsub(c, x + w * 0.68, y + 189 * k, 28 * k, 12 * k)


def draw_battery(c, x, y, w, h, level, colour):
    """A lead battery block with a level window (level 0..1, filled from the bottom)."""
    th, tw = h * 0.12, w * 0.15
    top = y + th
    for fx in (0.22, 0.78):
        tx = x + w * fx
        c.gradient((tx - tw / 2, y + 0.5, tx + tw / 2, top + 3), [(0, "#f4f4f5"), (1, "#8e8f92")],
                   radius=1.8)
        c.rect((tx - tw / 2, y + 0.5, tx + tw / 2, top + 3), outline="#5d5e61", width=0.7, radius=1.8)
    c.shadow((x, top, x + w, y + h), radius=6, blur=3, offset=(0, 2), opacity=0.28)
    c.gradient((x, top, x + w, y + h), [(0, "#606164"), (1, "#333436")], radius=6)
    lid = h * 0.16
    c.gradient((x, top, x + w, top + lid + 4), [(0, "#86878a"), (1, "#5e5f62")], radius=6)
    c.rect((x + 0.5, top + lid, x + w - 0.5, top + lid + 4.5), fill="#4a4b4e")
    c.line([(x + 1, top + lid), (x + w - 1, top + lid)], fill="#2a2b2d", width=0.9, cap=False)
    for fx, sign, scol in ((0.22, "+", "#ff8a80"), (0.78, "−", WHITE)):
        c.text((x + w * fx, top + lid / 2.0 + 0.3), sign, lid * 0.95, scol, anchor="mm")
    win = (x + w * 0.11, top + lid + h * 0.10, x + w * 0.89, y + h - h * 0.10)
    draw_level_window(c, win, level, colour)


def draw_level_window(c, win, level, colour):
    wx0, wy0, wx1, wy1 = win
    c.gradient(win, [(0, "#e4e6e8"), (1, "#f6f7f8")], radius=3)
    if level > 0:
        ly = wy1 - level * (wy1 - wy0)
        layer, mask = c.region(win), c.region(win)
        mask.rect(win, fill=WHITE, radius=3)
        layer.gradient((wx0, ly, wx1, wy1), [(0, mix(colour, WHITE, 0.25)), (1, mix(colour, BLACK, 0.12))])
        for i in range(1, 5):                            # cell segments
            sy = wy1 - (wy1 - wy0) * i / 5.0
            if sy > ly + 1:
                layer.line([(wx0, sy), (wx1, sy)], fill=mix(colour, WHITE, 0.45), width=0.9, cap=False)
        layer.line([(wx0, ly + 0.6), (wx1, ly + 0.6)], fill=mix(colour, WHITE, 0.6), width=1.2, cap=False)
        c.put(layer, clip=mask)
    c.rect(win, outline="#1e1f21", width=1.0, radius=3)


def draw_cylinder(c, x0, x1, ytop, ybot, ey, level, colour):
    """One upright electrolytic capacitor; its sleeve shows the charge from the bottom."""
    cw = x1 - x0
    box = (x0, ytop - ey, x1, ybot + ey)
    body, mask = c.region(box), c.region(box)
    mask.rect((x0, ytop, x1, ybot), fill=WHITE)
    mask.ellipse((x0, ybot - ey, x1, ybot + ey), fill=WHITE)
    body.rect(box, fill="#c9cacd")
    ly = ybot - level * (ybot - ytop)
    if level > 0:
        body.rect((x0, ly, x1, ybot + ey), fill=colour)
    sx0, sx1 = x0 + cw * 0.64, x0 + cw * 0.86            # minus stripe
    body.rect((sx0, ytop - ey, sx1, ybot + ey), fill=(30, 30, 35, 70))
    for j in range(3):
        my = ytop + (ybot - ytop) * (0.22 + 0.28 * j)
        body.rect((sx0 + cw * 0.05, my - 0.7, sx1 - cw * 0.05, my + 0.7), fill=(255, 255, 255, 215))
    body.gradient(box, [(0, (0, 0, 0, 85)), (0.16, (0, 0, 0, 10)), (0.30, (255, 255, 255, 110)),
                        (0.48, (255, 255, 255, 0)), (0.82, (0, 0, 0, 35)), (1, (0, 0, 0, 115))],
                  horizontal=True)
    c.put(body, clip=mask)
    if 0 < level < 1:
        c.ellipse((x0 + 0.3, ly - ey, x1 - 0.3, ly + ey), fill=mix(colour, WHITE, 0.38),
                  outline=mix(colour, BLACK, 0.15), width=0.6)
    edge = "#6f7073"
    c.line([(x0, ytop), (x0, ybot)], fill=edge, width=0.8, cap=False)
    c.line([(x1, ytop), (x1, ybot)], fill=edge, width=0.8, cap=False)
    c.arc((x0, ybot - ey, x1, ybot + ey), 0, 180, fill=edge, width=0.8, cap=False)
    c.ellipse((x0, ytop - ey, x1, ytop + ey), fill="#e8e9eb", outline="#7b7c7f", width=0.8)
    c.ellipse((x0 + cw * 0.14, ytop - ey * 0.7, x1 - cw * 0.14, ytop + ey * 0.7), fill="#d7d8db")
    cx = (x0 + x1) / 2.0
    c.line([(cx - cw * 0.22, ytop), (cx + cw * 0.22, ytop)], fill="#a3a4a7", width=0.8, cap=False)
    c.line([(cx, ytop - ey * 0.5), (cx, ytop + ey * 0.5)], fill="#a3a4a7", width=0.8, cap=False)


def draw_capacitors(c, x, y, w, h, level, colour, n=3):
    gap = w * 0.09
    cw = (w - gap * (n - 1)) / n
    ey = cw * 0.24
    lead = h * 0.09
    ytop, ybot = y + ey, y + h - lead - ey
    c.shadow((x + 2, ybot - ey * 0.2, x + w - 2, ybot + ey * 1.5), blur=3, offset=(0, 1), opacity=0.25,
             shape="ellipse")
    for i in range(n):
        x0 = x + i * (cw + gap)
        for fx in (0.35, 0.65):
            c.line([(x0 + cw * fx, ybot), (x0 + cw * fx, y + h)], fill="#8d8e91", width=1.4, cap=False)
        draw_cylinder(c, x0, x0 + cw, ytop, ybot, ey, level, colour)


def flow_arrow(c, p0, p1, colour, phase=0.0, width=14, active=True):
    """A thick arrow from p0 to p1; when active, light chevrons travel along it (phase 0..1)."""
    (x0, y0), (x1, y1) = p0, p1
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    nx, ny = -uy, ux
    hl, hw = width * 1.15, width * 0.98

    def at(s, d):
        return (x0 + ux * s + nx * d, y0 + uy * s + ny * d)

    body = colour if active else INACTIVE
    shaft = [at(0, -width / 2), at(length - hl + 0.5, -width / 2), at(length - hl + 0.5, width / 2),
             at(0, width / 2)]
    c.polygon(shaft, fill=body)
    c.polygon([at(length - hl, -hw), at(length, 0), at(length - hl, hw)], fill=body)
    if not active:
        return
    xs, ys = [p[0] for p in shaft], [p[1] for p in shaft]
    box = (min(xs), min(ys), max(xs), max(ys))
    layer, mask = c.region(box), c.region(box)
    mask.polygon(shaft, fill=WHITE)
    light = mix(colour, WHITE, 0.58)
    period, thick, depth, half = width * 1.5, width * 0.34, width * 0.42, width * 0.5
    s = (phase % 1.0) * period - period
    while s < length:
        layer.polygon([at(s, -half), at(s + thick, -half), at(s + thick + depth, 0), at(s + thick, half),
                       at(s, half), at(s + depth, 0)], fill=light)
        s += period
    c.put(layer, clip=mask)


def draw_source(c, cx, cy, r, supply, state, label=True):
    """Power input: the source symbol (= for DC, ~ for AC); state "on", "failed" or "off"."""
    on = state == "on"
    ring = DARK if on else "#a9aaad"
    symbol = SUPPLY if on else "#b9babd"
    c.shadow((cx - r, cy - r, cx + r, cy + r), blur=3, offset=(0, 2), opacity=0.22, shape="ellipse")
    c.circle(cx, cy, r, fill=WHITE, outline=ring, width=max(1.5, r * 0.09))
    sw = max(1.4, r * 0.11)
    if supply == "dc":
        c.line([(cx - r * 0.5, cy - r * 0.15), (cx + r * 0.5, cy - r * 0.15)], fill=symbol, width=sw)
        for i in range(3):
            sx = cx - r * 0.5 + i * r * 0.38
            c.line([(sx, cy + r * 0.17), (sx + r * 0.24, cy + r * 0.17)], fill=symbol, width=sw)
    else:
        pts = [(cx + r * 0.55 * (2.0 * i / 40 - 1), cy - r * 0.3 * math.sin(2 * math.pi * i / 40))
               for i in range(41)]
        c.line(pts, fill=symbol, width=sw)
    if label:
        text = "24 V DC" if supply == "dc" else "85-240 V AC"
        c.text((cx, cy + r + 13), text, 11.5, DARK if on else "#a9aaad", anchor="mm")
    if state == "failed":
        d = r * 0.78
        for sign in (1, -1):
            c.line([(cx - d, cy - d * sign), (cx + d, cy + d * sign)], fill=WHITE, width=r * 0.26)
        for sign in (1, -1):
            c.line([(cx - d, cy - d * sign), (cx + d, cy + d * sign)], fill=RED, width=r * 0.16)


def draw_screen_content(c, scr):
    """A small trend chart and bars on a powered screen."""
    x0, y0, x1, y1 = scr
    w, h = x1 - x0, y1 - y0
    c.rect((x0, y0, x1, y0 + h * 0.16), fill=(255, 255, 255, 80))
    curve = [0.35, 0.55, 0.45, 0.7, 0.6, 0.82, 0.72, 0.9]
    pts = [(x0 + w * (0.1 + 0.8 * i / (len(curve) - 1)), y0 + h * (0.9 - 0.55 * v)) for i, v in enumerate(curve)]
    c.line(pts, fill=WHITE, width=max(0.8, w * 0.025))
    for i, v in enumerate((0.3, 0.5, 0.4)):
        bx = x0 + w * (0.1 + 0.1 * i)
        c.rect((bx, y0 + h * (0.92 - 0.3 * v), bx + w * 0.06, y0 + h * 0.92), fill=(255, 255, 255, 150))


def draw_load_pc(c, x, y, w, h, powered=True, screen=True):
    """The load: an industrial panel PC on a stand."""
    mh = h * 0.76
    c.shadow((x + w * 0.2, y + h * 0.9, x + w * 0.8, y + h), radius=3, blur=3, offset=(0, 1.5),
             opacity=0.25)
    c.gradient((x + w * 0.43, y + mh - 2, x + w * 0.57, y + h * 0.92),
               [(0, "#6f7073"), (0.4, "#a9aaad"), (1, "#6c6d70")], horizontal=True)
    c.rect((x + w * 0.2, y + h * 0.9, x + w * 0.8, y + h), fill=DARK, radius=2.5)
    c.shadow((x, y, x + w, y + mh), radius=6, blur=4, offset=(0, 3), opacity=0.28)
    c.gradient((x, y, x + w, y + mh), [(0, "#5b5c60"), (1, "#343538")], radius=6)
    bez = max(2.5, w * 0.055)
    scr = (x + bez, y + bez, x + w - bez, y + mh - bez * 2.3)
    if powered:
        c.gradient(scr, [(0, "#93d0f7"), (1, "#3a8fd1")], radius=2)
        if screen:
            draw_screen_content(c, scr)
    else:
        c.gradient(scr, [(0, "#6e6f72"), (1, "#47484b")], radius=2)
        c.polygon([(scr[0], scr[1]), (scr[0] + (scr[2] - scr[0]) * 0.45, scr[1]),
                   (scr[0], scr[1] + (scr[3] - scr[1]) * 0.7)], fill=(255, 255, 255, 18))
    ly = y + mh - bez * 1.15
    c.circle(x + w - bez - 3, ly, max(1.0, w * 0.018), fill=GREEN if powered else "#77787b")
    for i in range(3):
        c.rect((x + bez + i * w * 0.09, ly - 0.9, x + bez + i * w * 0.09 + w * 0.06, ly + 0.9),
               fill="#78797c", radius=0.6)


def draw_warning(c, cx, cy, s, fill=YELLOW, shadow=True):
    """Warning triangle of side s with an exclamation mark."""
    hgt = s * 0.866
    pts = [(cx, cy - hgt * 0.60), (cx + s / 2, cy + hgt * 0.40), (cx - s / 2, cy + hgt * 0.40)]
    if shadow:
        c.shadow(None, blur=max(1.0, s * 0.05), offset=(0, s * 0.03), opacity=0.3, points=pts)
    c.polygon(pts, fill=DARK)
    c.line(pts + [pts[0]], fill=DARK, width=s * 0.09)
    gx, gy = cx, cy + hgt * 0.067
    inner = [(gx + (px - gx) * 0.74, gy + (py - gy) * 0.74) for px, py in pts]
    c.polygon(inner, fill=fill)
    c.line(inner + [inner[0]], fill=fill, width=s * 0.03)
    c.line([(cx, cy - hgt * 0.22), (cx, cy + hgt * 0.10)], fill=DARK, width=s * 0.09)
    c.circle(cx, cy + hgt * 0.245, s * 0.055, fill=DARK)


def draw_power_symbol(c, cx, cy, r, colour, width):
    c.arc((cx - r, cy - r, cx + r, cy + r), -58, 238, fill=colour, width=width)
    c.line([(cx, cy - r * 1.12), (cx, cy - r * 0.12)], fill=colour, width=width)


def draw_info_letter(c, cx, cy, r, colour=WHITE):
    """The letter i of an information sign, r = radius of the sign."""
    c.circle(cx, cy - r * 0.47, r * 0.14, fill=colour)
    c.rect((cx - r * 0.12, cy - r * 0.17, cx + r * 0.12, cy + r * 0.50), fill=colour, radius=r * 0.03)
    c.rect((cx - r * 0.27, cy - r * 0.17, cx + r * 0.02, cy - r * 0.06), fill=colour, radius=r * 0.02)
    c.rect((cx - r * 0.28, cy + r * 0.42, cx + r * 0.28, cy + r * 0.53), fill=colour, radius=r * 0.02)


def draw_cross_badge(c, cx, cy, r):
    c.shadow((cx - r, cy - r, cx + r, cy + r), blur=2, offset=(0, 1), opacity=0.3, shape="ellipse")
    c.circle(cx, cy, r, fill=RED, outline=WHITE, width=max(1.0, r * 0.12))
    d = r * 0.42
    c.line([(cx - d, cy - d), (cx + d, cy + d)], fill=WHITE, width=r * 0.24)
    c.line([(cx - d, cy + d), (cx + d, cy - d)], fill=WHITE, width=r * 0.24)


def draw_tag(c, cx, cy, text, colour, size=12.5):
    w = c.text_width(text, size) + size * 1.2
    h = size * 1.75
    c.shadow((cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2), radius=h / 2, blur=2.5, offset=(0, 1.5),
             opacity=0.25)
    c.rect((cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2), fill=colour, radius=h / 2)
    c.text((cx, cy + 0.3), text, size, WHITE, anchor="mm")


def draw_pulse_tag(c, cx, cy, colour):
    """A tag with a square-wave pulse train (hiccup)."""
    w, h = 50, 22
    c.shadow((cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2), radius=h / 2, blur=2.5, offset=(0, 1.5),
             opacity=0.25)
    c.rect((cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2), fill=colour, radius=h / 2)
    lo, hi = cy + 5, cy - 5
    pts = [(cx - 19, lo), (cx - 14, lo), (cx - 14, hi), (cx - 9, hi), (cx - 9, lo), (cx + 2, lo), (cx + 2, hi),
           (cx + 7, hi), (cx + 7, lo), (cx + 19, lo)]
    c.line(pts, fill=WHITE, width=2)


def draw_cap_symbol(c, cx, cy, s, colour, width):
    """Schematic capacitor symbol (two plates) of size s."""
    c.line([(cx - s, cy), (cx - s * 0.22, cy)], fill=colour, width=width)
    c.line([(cx + s * 0.22, cy), (cx + s, cy)], fill=colour, width=width)
    c.line([(cx - s * 0.22, cy - s * 0.6), (cx - s * 0.22, cy + s * 0.6)], fill=colour, width=width * 1.3)
    c.line([(cx + s * 0.22, cy - s * 0.6), (cx + s * 0.22, cy + s * 0.6)], fill=colour, width=width * 1.3)


def draw_comm(c, cx, cy, k, n, bright):
    """Data exchange between module and storage: a pill with a travelling dot."""
    w, h = 46, 20
    edge = ACCENT if bright else LIGHT
    c.rect((cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2), fill=WHITE, outline=edge, width=2, radius=h / 2)
    lit = k % 3
    for i in range(3):
        dx = (i - 1) * 11
        c.circle(cx + dx, cy, 3.3 if i == lit else 2.6, fill=ACCENT if i == lit and bright else
                 (mix(ACCENT, WHITE, 0.45) if i == lit else LIGHT))


def draw_contact(c, xl, xr, y, closed, blade, line=DARK, width=2.4):
    """Relay contact: leads, two terminals and the blade (closed or open)."""
    c.line([(xl - 40, y), (xl, y)], fill=line, width=width, cap=False)
    c.line([(xr, y), (xr + 40, y)], fill=line, width=width, cap=False)
    if closed:
        c.line([(xl, y), (xr, y - 0.2)], fill=blade, width=width * 1.25)
    else:
        length = (xr - xl) * 0.98
        a = math.radians(32)
        c.line([(xl, y), (xl + length * math.cos(a), y - length * math.sin(a))], fill=blade, width=width * 1.25)
    for tx in (xl, xr):
        c.circle(tx, y, width * 1.5, fill=WHITE, outline=line, width=width * 0.75)


# --------------------------------------------------------------------------------------------
# Encoders (deterministic)

def png_bytes(img, colours=None):
    """PNG; with `colours`, as a palette picture (transparency kept) to keep the file small."""
    if colours:
        if img.mode == "RGBA":
            q = img.quantize(colors=colours - 1, method=FASTOCTREE, dither=NO_DITHER)
            palette = q.getpalette("RGBA")
            palette += [0, 0, 0, 0] * (256 - len(palette) // 4)
            palette[-4:] = [0, 0, 0, 0]                   # the last entry is "fully clear"
            idx = _indices(q)
            idx.paste(255, mask=img.getchannel("A").point(lambda a: 255 if a == 0 else 0))
            img = Image.frombytes("P", img.size, idx.tobytes())
            img.putpalette(palette, "RGBA")
        else:
            img = img.convert("RGB").quantize(colors=colours, method=MEDIANCUT, dither=NO_DITHER)
    buf = io.BytesIO()
    img.save(buf, "PNG", optimize=True)
    return buf.getvalue()


def jpg_bytes(img, bg=WHITE):
    flat = Image.new("RGBA", img.size, col(bg))
    flat.alpha_composite(img)
    buf = io.BytesIO()
    flat.convert("RGB").save(buf, "JPEG", quality=90, optimize=True, subsampling=0)
    return buf.getvalue()


def ico_bytes(images):
    """Multi-size ICO; images are the individually drawn sizes, largest first."""
    buf = io.BytesIO()
    images[0].save(buf, "ICO", sizes=[im.size for im in images], append_images=images[1:])
    return buf.getvalue()


def _indices(p_img):
    return Image.frombytes("L", p_img.size, p_img.tobytes())


def gif_bytes(frames, duration, transparent=False, matte=WHITE):
    """Animated GIF that loops forever; all frames share one palette taken from all frames.

    Index 255 is the transparent index. With transparent=True, pixels less than half opaque
    become transparent and the edges are blended over a light matte. Otherwise the pictures
    are opaque and later frames mark the pixels that did not change as transparent, so that
    only the moving parts are stored.
    """
    w, h = frames[0].size
    flat = []
    for f in frames:
        base = Image.new("RGBA", f.size, col(matte))
        base.alpha_composite(f)
        flat.append(base.convert("RGB"))
    strip = Image.new("RGB", (w, h * len(flat)))
    for i, f in enumerate(flat):
        strip.paste(f, (0, i * h))
    pal_img = strip.quantize(colors=255, method=MEDIANCUT, dither=NO_DITHER)
    palette = pal_img.getpalette()[:255 * 3]
    palette += palette[:3] * (255 - len(palette) // 3)     # unused entries repeat entry 0
    palette += list(col(matte)[:3])
    pal_img.putpalette(palette)
    out, previous = [], None
    for f, rgb in zip(frames, flat):
        idx = _indices(rgb.quantize(palette=pal_img, dither=NO_DITHER)).point(lambda v: 0 if v == 255 else v)
        if transparent:
            idx.paste(255, mask=f.getchannel("A").point(lambda a: 255 if a < 128 else 0))
            stored = idx
        else:
            stored = idx.copy()
            if previous is not None:
                same = ImageChops.difference(idx, previous).point(lambda v: 255 if v == 0 else 0)
                stored.paste(255, mask=same)
            previous = idx
        p = Image.frombytes("P", (w, h), stored.tobytes())
        p.putpalette(palette)
        out.append(p)
    buf = io.BytesIO()
    out[0].save(buf, "GIF", save_all=True, append_images=out[1:], duration=duration, loop=0,
                optimize=False, transparency=255, disposal=2 if transparent else 1)
    return buf.getvalue()


# --------------------------------------------------------------------------------------------
# Picture families

def logo_horizontal():
    c = Canvas(300, 80)
    draw_emblem(c, 40, 40, 32)
    size = c.fit_size("NORVEX", 300 - 86 - 6, 44, tracking=2.5)
    tw = c.text_width("NORVEX", size, tracking=2.5)
    c.text((86, 46), "NORVEX", size, DARK, anchor="ls", tracking=2.5)
    c.rect((87, 52, 86 + tw, 54.5), fill=ACCENT, radius=1)
    c.text((87, 69), "DC-UPS SYSTEMS", 10.5, MID, anchor="ls", tracking=2.4)
    return c.finish()


def logo_vertical():
    c = Canvas(120, 300)
    draw_emblem(c, 60, 58, 46)
    word = Canvas(184, 62)
    size = word.fit_size("NORVEX", 180, 46, tracking=3)
    word.text((92, 40), "NORVEX", size, DARK, anchor="ms", tracking=3)
    tw = word.text_width("NORVEX", size, tracking=3)
    word.rect((92 - tw / 2, 47, 92 + tw / 2, 49.5), fill=ACCENT, radius=1)
    rotated = word.img.transpose(Image.ROTATE_90)
    c.composite(rotated, (c.X(60 - 31 - 2), c.Y(114)))
    return c.finish()


def icon_images():
    images = []
    for size in (256, 64, 48, 32, 16):
        c = Canvas(size, size, ss=4 if size >= 48 else 8)
        draw_emblem(c, size / 2.0, size / 2.0, size / 2.0 - max(0.5, size / 64.0), simple=size <= 32)
        images.append(c.finish())
    return images


def battery_picture(level, colour, defect=False):
    c = Canvas(120, 80)
    draw_battery(c, 12, 5, 96, 71, level, colour)
    if defect:
        draw_cross_badge(c, 98, 62, 14)
    return c.finish()


def battery_frames(rising):
    levels = [0.08 + 0.92 * i / 5 for i in range(6)]
    if not rising:
        levels.reverse()
    return [battery_picture(lv, CHARGE if rising else DISCHARGE) for lv in levels]


def capacitor_picture(level, colour, badge=None):
    c = Canvas(120, 80)
    draw_capacitors(c, 14, 4, 92, 73, level, colour)
    if badge == "warning":
        draw_warning(c, 94, 58, 38)
    elif badge == "question":
        c.shadow((42, 22, 78, 58), blur=3, offset=(0, 2), opacity=0.3, shape="ellipse")
        c.circle(60, 40, 18, fill=DARK, outline=WHITE, width=2)
        c.text((60, 41), "?", 25, WHITE, anchor="mm")
    elif badge == "percent":
        draw_tag(c, 60, 40, "85 %", DARK, size=12)
    return c.finish()


def capacitor_frames(rising):
    levels = [0.08 + 0.92 * i / 5 for i in range(6)]
    if not rising:
        levels.reverse()
    return [capacitor_picture(lv, CHARGE if rising else DISCHARGE) for lv in levels]


def device_photo(key):
    m = MODELS[key]
    c = Canvas(400, 300, bg=WHITE)
    c.gradient((0, 0, 400, 300), [(0, "#fcfcfd"), (1, "#e3e4e7")])
    r0, r1 = 128, 172                                     # DIN rail behind the module
    c.shadow((-20, r0, 420, r1), blur=5, offset=(0, 4), opacity=0.22)
    c.gradient((-2, r0, 402, r1), [(0, "#c3c4c7"), (0.08, "#f1f2f3"), (0.16, "#b4b5b8"), (0.22, "#d4d5d8"),
                                   (0.78, "#cfd0d3"), (0.84, "#b0b1b4"), (0.92, "#eceded"), (1, "#bcbdc0")])
    for sx in range(10, 400, 46):
        c.rect((sx, 143, sx + 28, 157), fill="#8f9093", radius=7)
        c.rect((sx + 1, 144.5, sx + 27, 150), fill="#7a7b7e", radius=5)
    w, h = m.width, 262
    draw_module(c, (400 - w) / 2.0, 19, w, h, m, leds=(True, False, False))
    return c.finish()


# Operating modes of the status animation.
# inp: input "on" / "failed" / "off"; out: what the output does; store: flow to/from the storage.
MODES = {
    "net_mode": dict(inp="on", out="supply", store="charge"),
    "net_mode_no_charging": dict(inp="on", out="supply", store="idle"),
    "net_mode_onlyMaster": dict(inp="on", out="supply", store=None),
    "net_mode_kommunikation": dict(inp="on", out="supply", store="charge", comm=True),
    "buffer_mode": dict(inp="failed", out="buffer", store="discharge"),
    "buffer_mode_onlyMaster": dict(inp="failed", out="buffer", store=None, internal=True),
    "over_current_mode": dict(inp="on", out="overload", store="charge"),
    "over_current_mode_no_charging": dict(inp="on", out="overload", store="idle"),
    "over_current_by_buffer_mode": dict(inp="failed", out="overload", store="discharge"),
    "hiccup_mode": dict(inp="on", out="hiccup", store="idle"),
    "hiccup_mode_only_master": dict(inp="on", out="hiccup", store=None),
    "constantCurrentMode": dict(inp="on", out="constant", store="idle"),
    "charging_mode": dict(inp="on", out="off", store="charge"),
    "savety_mode": dict(inp="on", out="off", store="idle", warning=True),
    "off_operation": dict(inp="off", out="off", store="off", power=True, frames=8, duration=250),
}

STATUS_SETS = {
    "vk": ["net_mode", "net_mode_no_charging", "buffer_mode", "over_current_mode",
           "over_current_mode_no_charging", "savety_mode", "off_operation"],
    "vt": ["net_mode", "net_mode_no_charging", "buffer_mode", "over_current_mode",
           "over_current_mode_no_charging", "savety_mode", "off_operation", "over_current_by_buffer_mode",
           "charging_mode"],
    "vs": ["net_mode", "net_mode_kommunikation", "net_mode_no_charging", "buffer_mode",
           "hiccup_mode_only_master", "hiccup_mode", "off_operation", "net_mode_onlyMaster",
           "buffer_mode_onlyMaster", "constantCurrentMode"],
}


def status_frame(m, mode, k, n):
    """Frame k of n: input -> module -> load, storage below the module."""
    mode_info = MODES[mode]
    c = Canvas(520, 300, bg=WHITE)
    phase = k / float(n)
    blink = k < n / 2.0
    pulse = k % 3 == 0                                    # hiccup: short on, long off
    out, store = mode_info["out"], mode_info["store"]
    mx, my, mw, mh = 186, 12, 148, 150
    cy = 87

    draw_source(c, 58, cy, 33, m.supply, mode_info["inp"])
    flow_arrow(c, (97, cy), (181, cy), SUPPLY, phase, 16, active=mode_info["inp"] == "on")

    if store is not None:
        if store == "charge":
            level, colour = 0.3 + 0.55 * k / (n - 1), CHARGE
        elif store == "discharge":
            level, colour = 0.85 - 0.55 * k / (n - 1), DISCHARGE
        elif store == "off":
            level, colour = 0.5, GREEN
        else:
            level, colour = 1.0, GREEN
        if m.storage == "battery":
            draw_battery(c, 205, 214, 110, 80, level, colour)
        else:
            draw_capacitors(c, 203, 211, 114, 85, level, colour)
        if store == "charge":
            flow_arrow(c, (260, 166), (260, 210), CHARGE, phase, 14)
        elif store == "discharge":
            flow_arrow(c, (260, 210), (260, 166), DISCHARGE, phase, 14)
        else:
            c.rect((255, 165, 265, 211), fill=INACTIVE, radius=2)
        if mode_info.get("comm"):
            draw_comm(c, 306, 188, k, n, blink)

    powered = out in ("supply", "buffer", "overload", "constant") or (out == "hiccup" and pulse)
    leds = (powered,
            store == "discharge" or bool(mode_info.get("internal")) or (store == "charge" and blink),
            (out == "overload" and blink) or out in ("hiccup", "constant") or
            (bool(mode_info.get("warning")) and blink))
    if mode_info.get("power"):
        leds = (False, False, False)
    draw_module(c, mx, my, mw, mh, m, leds=leds, small=True)
    if mode_info.get("internal"):
        c.shadow((mx + mw - 30, my + mh - 30, mx + mw, my + mh), blur=2, opacity=0.3, shape="ellipse")
        c.circle(mx + mw - 15, my + mh - 15, 15, fill=DISCHARGE, outline=WHITE, width=2)
        draw_cap_symbol(c, mx + mw - 15, my + mh - 15, 9, WHITE, 1.8)

    p0, p1 = (339, cy), (404, cy)
    if out == "supply":
        flow_arrow(c, p0, p1, SUPPLY, phase, 16)
    elif out == "buffer":
        flow_arrow(c, p0, p1, DISCHARGE, phase, 16)
    elif out == "overload":
        flow_arrow(c, p0, p1, RED if blink else mix(RED, WHITE, 0.55), phase, 16)
        draw_tag(c, 372, 52, "I>", RED, size=14)
    elif out == "constant":
        flow_arrow(c, p0, p1, SUPPLY, phase, 16)
        draw_tag(c, 372, 52, "I=const", ACCENT, size=11.5)
    elif out == "hiccup":
        flow_arrow(c, p0, p1, RED, phase, 16, active=pulse)
        draw_pulse_tag(c, 372, 52, RED)
    else:
        flow_arrow(c, p0, p1, SUPPLY, 0, 16, active=False)
    draw_load_pc(c, 409, 34, 102, 114, powered=powered)

    if mode_info.get("warning") and blink:
        draw_warning(c, 372, 50, 42)
    if mode_info.get("power"):
        grey = c.img.convert("L").point(lambda v: int(v * 0.7 + 255 * 0.3))
        c.img = Image.merge("RGBA", (grey, grey, grey, c.img.getchannel("A")))
        c.draw = ImageDraw.Draw(c.img)
        t = 0.5 - 0.5 * math.cos(2 * math.pi * k / n)
        bx, by, br = mx + mw - 2, my + 22, 19
        c.shadow((bx - br, by - br, bx + br, by + br), blur=4, offset=(0, 2), opacity=0.3, shape="ellipse")
        c.circle(bx, by, br, fill=WHITE, outline=mix(LIGHT, RED, t * 0.7), width=2)
        draw_power_symbol(c, bx, by + 1.2, 9.5, mix(LIGHT, RED, t), 3.4)
    return c.finish()


def status_animation(model_key, mode):
    mode_info = MODES[mode]
    n = mode_info.get("frames", 6)
    frames = [status_frame(MODELS[model_key], mode, k, n) for k in range(n)]
    return gif_bytes(frames, mode_info.get("duration", 180))


def poti_picture(pos, count):
    c = Canvas(64, 64)
    cx, cy, ring = 32, 30, 26.5
    start, sweep = 135.0, 270.0

    def angle(i):
        return start + sweep * i / (count - 1)

    c.arc((cx - ring, cy - ring, cx + ring, cy + ring), start, start + sweep, fill="#dcdde0", width=3)
    if pos > 1:
        c.arc((cx - ring, cy - ring, cx + ring, cy + ring), start, angle(pos - 1), fill=mix(ACCENT, WHITE, 0.35),
              width=3)
    for i in range(count):
        a = math.radians(angle(i))
        px, py = cx + ring * math.cos(a), cy + ring * math.sin(a)
        if i == pos - 1:
            c.circle(px, py, 4.6, fill=ACCENT, outline=WHITE, width=1.3)
        else:
            c.circle(px, py, 2.1, fill=ACCENT if i < pos - 1 else "#a9aaad")
    draw_knob(c, cx, cy, 18, angle(pos - 1))
    c.text((cx, 57.5), str(pos), 11, DARK, anchor="mm")
    return c.finish()


# Overload curves: list of (x where the level ends, level in units of the nominal current).
OVERLOAD_CURVES = {
    "topPower": [(72, 0.6), (86, 2.8), (168, 1.5), (238, 1.0)],
    "power": [(72, 0.6), (168, 1.5), (238, 1.0)],
    "top": [(72, 0.6), (86, 2.8), (238, 1.0)],
    "overCurrent": [(72, 0.6), (238, 1.35)],
    "Hicup": [(72, 0.6), (82, 1.35), (106, 0.0), (116, 1.35), (140, 0.0), (150, 1.35), (174, 0.0),
              (184, 1.35), (208, 0.0), (218, 1.35), (238, 0.0)],
    "fuse": [(72, 0.6), (102, 1.5), (238, 0.0)],
}


def overload_diagram(kind):
    c = Canvas(260, 180, bg=WHITE)
    ox, oy, xe, ye = 36, 150, 248, 12

    def Y(level):
        return oy - level * 38.0

    curve = OVERLOAD_CURVES[kind]
    pts, x = [], ox
    for x_end, level in curve:
        pts += [(x, Y(level)), (x_end, Y(level))]
        x = x_end
    c.dashed((72, oy), (72, ye + 14), "#c4c5c8", 1, 3, 3)
    c.dashed((ox, Y(1.0)), (xe - 6, Y(1.0)), "#9a9b9e", 1.1, 5, 4)
    c.sub_text((ox - 5, Y(1.0)), "I", "N", 12, MID, anchor="r")
    c.polygon(pts + [(pts[-1][0], oy), (ox, oy)], fill=col(ACCENT, 48))
    c.line(pts, fill=ACCENT, width=2.6)

    if kind in ("topPower", "top"):
        c.text((90, Y(2.8) + 1), "Top-Boost", 10.5, ORANGE, anchor="lm")
    if kind in ("topPower", "power"):
        x0 = 86 if kind == "topPower" else 72
        c.text(((x0 + 168) / 2.0, Y(1.5) - 9), "Power-Boost", 10.5, GREEN, anchor="mm")
    if kind == "overCurrent":
        c.text((155, Y(1.35) - 10), "I = const", 10.5, ACCENT, weight="italic", anchor="mm")
    if kind == "Hicup":
        c.text((155, Y(1.35) - 22), "Hiccup", 10.5, RED, anchor="mm")
    if kind == "fuse":
        fx, fy = 102, Y(1.5) - 20
        c.rect((fx - 11, fy - 5, fx + 11, fy + 5), fill=WHITE, outline=RED, width=1.6, radius=1)
        c.line([(fx - 17, fy), (fx + 17, fy)], fill=RED, width=1.6)
        c.text((fx + 22, fy), "off", 10.5, RED, anchor="lm")

    c.line([(ox, oy + 3), (ox, ye + 6)], fill=DARK, width=1.6, cap=False)
    c.polygon([(ox - 4, ye + 8), (ox, ye), (ox + 4, ye + 8)], fill=DARK)
    c.line([(ox - 3, oy), (xe - 6, oy)], fill=DARK, width=1.6, cap=False)
    c.polygon([(xe - 8, oy - 4), (xe, oy), (xe - 8, oy + 4)], fill=DARK)
    c.text((ox - 12, ye + 6), "I", 14, DARK, weight="italic", anchor="mm")
    c.text((xe - 4, oy + 14), "t", 14, DARK, weight="italic", anchor="mm")
    return c.finish()


def ipc_picture(kind):
    c = Canvas(100, 80)
    if kind == "UIn":
        draw_source(c, 50, 31, 22, "dc", "on", label=False)
        c.sub_text((50, 68), "U", "in", 14, DARK, anchor="m")
    elif kind == "UOut":
        x, y, w, h = 14, 4, 40, 54
        c.shadow((x, y, x + w, y + h), radius=3, blur=2.5, offset=(0, 1.5), opacity=0.3)
        c.gradient((x, y, x + w, y + h), [(0, "#f8f8f9"), (1, "#d6d7d9")], radius=3)
        c.rect((x, y, x + w, y + h), outline="#97989b", width=0.8, radius=3)
        for by in (y + 3, y + h - 11):
            c.rect((x + 3, by, x + w - 3, by + 8), fill="#c4c5c8", radius=1.5)
            for i in range(3):
                draw_screw(c, x + 3 + (w - 6) * (i + 0.5) / 3, by + 4, 2.6)
        c.rect((x + 0.5, y + 15, x + w - 0.5, y + 21), fill=ACCENT)
        for i, colour in enumerate((GREEN, YELLOW, RED)):
            c.circle(x + w / 2 + (i - 1) * 7, y + 31, 2.2, fill=colour if i == 0 else mix(colour, "#5c5d60", 0.7))
        flow_arrow(c, (57, 31), (94, 31), SUPPLY, 0.25, 11)
        c.sub_text((50, 68), "U", "out", 14, DARK, anchor="m")
    elif kind == "Signal":
        draw_contact(c, 34, 66, 36, closed=False, blade=ACCENT, width=2.6)
        c.dashed((50, 10), (50, 28), MID, 1.4, 3, 2.5)
        c.rect((40, 3, 60, 11), fill=WHITE, outline=DARK, width=1.4, radius=1)
        c.text((50, 68), "Signal", 13, DARK, anchor="mm")
    elif kind == "IPC":
        draw_load_pc(c, 26, 2, 48, 56, powered=True, screen=False)
        c.circle(50, 22, 10, fill=ORANGE, outline=WHITE, width=1.5)
        draw_power_symbol(c, 50, 22.8, 5, WHITE, 1.8)
        c.text((50, 68), "IPC", 13, DARK, anchor="mm")
    elif kind == "PC":
        draw_load_pc(c, 22, 2, 56, 56, powered=True)
        c.text((50, 68), "PC", 13, DARK, anchor="mm")
    return c.finish()


def led_picture(colour, on=True):
    c = Canvas(32, 32)
    draw_led(c, 16, 15.6, 14, colour, on)
    return c.finish()


def pc_duo():
    c = Canvas(160, 120)
    bx0, by0, bx1, by1 = 8, 38, 54, 110                  # box PC
    c.shadow((bx0, by0, bx1, by1), radius=4, blur=4, offset=(0, 3), opacity=0.3)
    c.gradient((bx0, by0, bx1, by1), [(0, "#eeeff0"), (1, "#c4c5c8")], radius=4)
    c.rect((bx0, by0, bx1, by1), outline="#8b8c8f", width=1, radius=4)
    for i in range(6):                                    # cooling fins
        fy = by0 + 6 + i * 5
        c.rect((bx0 + 5, fy, bx1 - 5, fy + 2.6), fill="#6d6e71", radius=1)
    c.rect((bx0 + 5, by0 + 40, bx1 - 5, by0 + 48), fill="#505154", radius=1.5)
    for i in range(3):
        c.rect((bx0 + 8 + i * 11, by0 + 42.5, bx0 + 15 + i * 11, by0 + 45.5), fill="#a5a6a9", radius=0.8)
    c.circle(bx0 + 10, by1 - 10, 3, fill=GREEN)
    c.circle(bx1 - 10, by1 - 10, 4.2, fill="#5b5c5f", outline="#3a3b3d", width=0.8)
    c.line([(bx1, by0 + 30), (64, by0 + 30)], fill="#6d6e71", width=2)
    draw_load_pc(c, 62, 12, 92, 98, powered=True)
    cx, cy = 108, 45
    c.shadow((cx - 17, cy - 17, cx + 17, cy + 17), blur=3, offset=(0, 2), opacity=0.35, shape="ellipse")
    c.circle(cx, cy, 17, fill=ORANGE, outline=WHITE, width=2.2)
    draw_power_symbol(c, cx, cy + 1.2, 8.5, WHITE, 3)
    return c.finish()


def info_icon():
    c = Canvas(48, 48)
    c.shadow((3, 3, 45, 45), blur=2, offset=(0, 1.2), opacity=0.3, shape="ellipse")
    c.gradient((3, 3, 45, 45), [(0, mix(ACCENT, WHITE, 0.15)), (1, mix(ACCENT, BLACK, 0.15))], shape="ellipse")
    draw_info_letter(c, 24, 24.5, 21)
    return c.finish()


def info_orange():
    c = Canvas(64, 64, bg=WHITE)
    c.shadow((5, 5, 59, 59), radius=11, blur=2.5, offset=(0, 1.5), opacity=0.25)
    c.gradient((5, 5, 59, 59), [(0, mix(ORANGE, WHITE, 0.12)), (1, mix(ORANGE, BLACK, 0.1))], radius=11)
    c.rect((7.5, 7.5, 56.5, 56.5), outline=(255, 255, 255, 200), width=1.6, radius=9)
    draw_info_letter(c, 32, 32.5, 27)
    return c.finish()


def warning_sign():
    c = Canvas(64, 64, bg=WHITE)
    draw_warning(c, 32, 33, 58)
    return c.finish()


def switch_picture(closed):
    c = Canvas(60, 40)
    draw_contact(c, 16, 44, 27, closed, GREEN if closed else DARK)
    return c.finish()


def arrow_frames(right):
    frames = []
    for k in range(6):
        c = Canvas(80, 30)
        p0, p1 = ((3, 15), (77, 15)) if right else ((77, 15), (3, 15))
        flow_arrow(c, p0, p1, ACCENT, k / 6.0, 13)
        frames.append(c.finish())
    return frames


def communication_frames():
    frames = []
    for k in range(6):
        c = Canvas(80, 30)
        for nx in (2, 64):
            c.rect((nx, 6, nx + 14, 24), fill=DARK, radius=3)
            c.rect((nx + 3, 9, nx + 11, 13), fill="#6e6f72", radius=1)
        c.circle(9, 19, 1.6, fill=GREEN if k % 2 == 0 else "#6e6f72")
        c.circle(71, 19, 1.6, fill=GREEN if k % 2 == 1 else "#6e6f72")
        for row, direction, colour in ((11, 1, ACCENT), (19, -1, GREEN)):
            for j in range(4):
                offset = (j * 10 + k * 10 / 6.0) % 40
                x = 20 + offset if direction > 0 else 60 - offset
                fade = min(1.0, offset / 6.0, (40 - offset) / 6.0)
                c.circle(x, row, 2.6, fill=mix(LIGHT, colour, max(0.0, fade)))
        frames.append(c.finish())
    return frames


def lgpl_badge():
    c = Canvas(147, 51)
    c.rect((0.5, 0.5, 146.5, 50.5), fill=DARK, radius=8)
    c.rect((0.5, 0.5, 48, 50.5), fill=ACCENT, radius=8)
    c.rect((38, 0.5, 48, 50.5), fill=ACCENT)
    px0, py0, px1, py1 = 15, 11, 34, 40                  # a page of licence text
    c.polygon([(px0, py0), (px1 - 6, py0), (px1, py0 + 6), (px1, py1), (px0, py1)], fill=WHITE)
    c.polygon([(px1 - 6, py0), (px1 - 6, py0 + 6), (px1, py0 + 6)], fill=mix(ACCENT, WHITE, 0.5))
    for i in range(5):
        ly = py0 + 10 + i * 4.6
        c.line([(px0 + 3.5, ly), (px1 - (3.5 if i < 4 else 9), ly)], fill=ACCENT, width=1.5)
    size = c.fit_size("LGPLv3", 86, 25)
    c.text((97, 24), "LGPLv3", size, WHITE, anchor="mm")
    c.text((97, 41), "free software licence", 7.5, LIGHT, weight="regular", anchor="mm")
    return c.finish()


def slider_svg():
    """Scale for the cell-voltage slider: buffer time (left, orange) to lifetime (right, green)."""
    def stop(offset, colour):
        return '      <stop offset="%s" stop-color="%s"/>' % (offset, colour)

    lines = [
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="400" height="40" '
        'viewBox="0 0 400 40">',
        '  <defs>',
        '    <linearGradient id="scale" x1="0" y1="0" x2="1" y2="0">',
        stop("0", "#f39c12"),
        stop("0.5", "#e3c21f"),
        stop("1", "#3fae49"),
        '    </linearGradient>',
        '    <linearGradient id="gloss" x1="0" y1="0" x2="0" y2="1">',
        '      <stop offset="0" stop-color="#ffffff" stop-opacity="0.45"/>',
        '      <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>',
        '    </linearGradient>',
        '  </defs>',
        '  <polygon points="1,20 17,5 17,13 383,13 383,5 399,20 383,35 383,27 17,27 17,35" '
        'fill="url(#scale)" stroke="#414244" stroke-width="1.2" stroke-linejoin="round"/>',
        '  <rect x="17" y="14" width="366" height="6" fill="url(#gloss)"/>',
    ]
    for i in range(9):
        x = 30 + i * 340 / 8.0
        lines.append('  <line x1="%.1f" y1="16" x2="%.1f" y2="24" stroke="#ffffff" stroke-width="1.5" '
                     'stroke-opacity="0.8"/>' % (x, x))
    lines.append('</svg>')
    return ("\n".join(lines) + "\n").encode("utf-8")


# --------------------------------------------------------------------------------------------
# Table of pictures: (path below images/, in the resources?, producer returning the bytes)

@functools.lru_cache(maxsize=None)
def cached_poti(pos, count):
    return png_bytes(poti_picture(pos, count), colours=256)


@functools.lru_cache(maxsize=None)
def cached_overload(kind):
    return png_bytes(overload_diagram(kind), colours=96)


def picture_table():
    table = []

    def add(path, qrc, producer):
        table.append((path, qrc, producer))

    logo = "company/norvex/"
    add(logo + "logo/norvex_logo.png", True, lambda: png_bytes(logo_horizontal()))
    add(logo + "logo/norvex_logo_vertikal.png", True, lambda: png_bytes(logo_vertical()))
    add(logo + "icons/norvexIcon.ico", True, lambda: ico_bytes(icon_images()))

    bat = logo + "batterie/"
    add(bat + "Batterie_leer.png", True, lambda: png_bytes(battery_picture(0.1, RED)))
    add(bat + "Batterie_voll.png", True, lambda: png_bytes(battery_picture(1.0, GREEN)))
    add(bat + "Batterie_ladend.gif", True, lambda: gif_bytes(battery_frames(True), 300, transparent=True))
    add(bat + "Batterie_entladend.gif", True, lambda: gif_bytes(battery_frames(False), 300, transparent=True))
    add(bat + "Batterie_leer_defekt.png", True, lambda: png_bytes(battery_picture(0.1, RED, defect=True)))

    cap = logo + "capacitor/"
    add(cap + "Elko_leer.png", True, lambda: png_bytes(capacitor_picture(0.0, GREEN)))
    add(cap + "Elko_voll.png", True, lambda: png_bytes(capacitor_picture(1.0, GREEN)))
    add(cap + "Elko_laden.gif", True, lambda: gif_bytes(capacitor_frames(True), 300, transparent=True))
    add(cap + "Elko_entladen.gif", True, lambda: gif_bytes(capacitor_frames(False), 300, transparent=True))
    add(cap + "Elko_85prozent.png", True, lambda: png_bytes(capacitor_picture(0.85, GREEN, "percent")))
    add(cap + "Elko_Achtung.png", True, lambda: png_bytes(capacitor_picture(0.0, GREEN, "warning")))
    add(cap + "keineAhnung.png", True, lambda: png_bytes(capacitor_picture(0.0, GREEN, "question")))

    # folder: (photo in the resources?, status set, poti positions)
    devices = {
        "VK_5A_0": (True, "vk", 10),
        "VK_5A_L": (True, None, 10),
        "VK_10A_0": (True, "vk", 10),
        "VK_10A_L": (True, None, 10),
        "VKL_10A_0U": (False, None, 0),
        "VKL_20A_0U": (False, None, 0),
        "VT_40A": (True, "vt", 10),
        "VS_1700": (True, "vs", 6),
        "VS_5000": (True, "vs", 6),
    }
    for key, (photo_qrc, status_set, positions) in devices.items():
        base = logo + "devices/" + key + "/"
        add(base + key + ".jpg", photo_qrc, functools.partial(lambda k: jpg_bytes(device_photo(k)), key))
        for mode in STATUS_SETS.get(status_set, []):
            add(base + "status/" + mode + ".gif", True, functools.partial(status_animation, key, mode))
        for pos in range(1, positions + 1):
            add(base + "poti/%d.png" % pos, True, functools.partial(cached_poti, pos, positions))
        for kind in ("topPower", "power", "overCurrent", "top", "Hicup", "fuse"):
            add(base + "overload/" + kind + ".png", False, functools.partial(cached_overload, kind))
        if MODELS[key].storage == "capacitor":
            add(base + "parameter/slider_cellVoltage_image.svg", False, slider_svg)

    for kind in ("UIn", "UOut", "Signal", "IPC", "PC"):
        add("ipc/" + kind + ".png", True, functools.partial(lambda k: png_bytes(ipc_picture(k)), kind))
        add("ipc/" + kind + "_sw.png", True,
            functools.partial(lambda k: png_bytes(to_grey(ipc_picture(k))), kind))

    for name, colour in (("green", GREEN), ("red", RED), ("yellow", YELLOW), ("grey", hexc("#9b9c9f"))):
        add("led/led_%s.png" % name, True, functools.partial(lambda cl: png_bytes(led_picture(cl)), colour))

    add("pc/PC_Duo.png", True, lambda: png_bytes(pc_duo()))
    add("infos/infos.png", True, lambda: png_bytes(info_icon()))
    add("infos/Information_orange.jpg", True, lambda: jpg_bytes(info_orange()))
    add("infos/Warnschild.jpg", True, lambda: jpg_bytes(warning_sign()))
    add("instrumente/Schalter_zu.png", True, lambda: png_bytes(switch_picture(True)))
    add("instrumente/Schalter_auf.png", True, lambda: png_bytes(switch_picture(False)))
    add("pfeile/pfeilNachLinks.gif", True, lambda: gif_bytes(arrow_frames(False), 150, transparent=True))
    add("pfeile/pfeilNachRechts.gif", True, lambda: gif_bytes(arrow_frames(True), 150, transparent=True))
    add("pfeile/kommunikation.gif", True, lambda: gif_bytes(communication_frames(), 150, transparent=True))
    add("lgpl/lgplv3-147x51.png", True, lambda: png_bytes(lgpl_badge()))
    return table


def qrc_text(paths):
    lines = ["<RCC>", '    <qresource prefix="/images">']
    lines += ["        <file>%s</file>" % p for p in sorted(paths)]
    lines += ["    </qresource>", "</RCC>", ""]
    return "\n".join(lines).encode("utf-8")


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    except FileNotFoundError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    return True


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(os.path.dirname(here), "images"),
                        help="target folder (default: images/ of the repository)")
    args = parser.parse_args()

    if font_path("bold") is None:
        print("warning: DejaVu fonts not found, using Pillow's bitmap font", file=sys.stderr)
    table = picture_table()
    paths = [p for p, _, _ in table]
    if len(paths) != len(set(paths)):
        sys.exit("duplicate picture paths in the table")

    changed = 0
    for path, _, producer in table:
        data = producer()
        if path.endswith(".svg"):
            xml.dom.minidom.parseString(data)             # must be well-formed
        changed += write_if_changed(os.path.join(args.out, path), data)
    changed += write_if_changed(os.path.join(args.out, "images.qrc"), qrc_text(p for p, q, _ in table if q))
    print("%d pictures (%d in images.qrc), %d files written" %
          (len(table), sum(1 for _, q, _ in table if q), changed))


if __name__ == "__main__":
    main()
