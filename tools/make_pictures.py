"""Draws every picture of the application as a schematic drawing and writes images/images.qrc.

Run from the repository root with Debian's Python: /usr/bin/python3 tools/make_pictures.py
The output is deterministic, so running it again changes nothing unless this script changed.
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "images")
if len(sys.argv) > 1:
    ROOT = sys.argv[1]

GREY_DARK = (65, 66, 68)
GREY = (202, 203, 205)
GREY_LIGHT = (236, 237, 239)
ACCENT = (80, 170, 236)
GREEN = (63, 174, 73)
ORANGE = (243, 156, 18)
RED = (217, 52, 43)
BLUE = (52, 120, 220)
YELLOW = (245, 200, 30)
WHITE = (255, 255, 255)
BLACK = (30, 30, 30)
CLEAR = (0, 0, 0, 0)

FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
resources = []  # paths relative to images/, compiled into the program


def font(size):
    try:
        return ImageFont.truetype(FONT_PATH, size)
    except OSError:
        return ImageFont.load_default()


def out_path(rel):
    path = os.path.join(ROOT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def save(img, rel, resource=True):
    path = out_path(rel)
    if rel.endswith(".jpg"):
        img.convert("RGB").save(path, "JPEG", quality=88, optimize=True)
    elif rel.endswith(".ico"):
        img.save(path, sizes=[(16, 16), (32, 32), (48, 48), (64, 64), (256, 256)])
    else:
        img.save(path, optimize=True)
    if resource:
        resources.append(rel)


def save_gif(frames, rel, duration=200, resource=True):
    path = out_path(rel)
    pal = [f.convert("RGB").quantize(colors=128, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
           for f in frames]
    pal[0].save(path, save_all=True, append_images=pal[1:], duration=duration, loop=0, optimize=False,
                disposal=2)
    if resource:
        resources.append(rel)


def text_center(d, box, text, size, fill):
    f = font(size)
    l, t, r, b = d.textbbox((0, 0), text, font=f)
    x = box[0] + (box[2] - box[0] - (r - l)) / 2 - l
    y = box[1] + (box[3] - box[1] - (b - t)) / 2 - t
    d.text((x, y), text, font=f, fill=fill)


def arrow(d, x0, y, x1, color, width=8):
    """Horizontal arrow from x0 to x1 (either direction)."""
    direction = 1 if x1 > x0 else -1
    head = 14 * direction
    d.line([(x0, y), (x1 - head, y)], fill=color, width=width)
    d.polygon([(x1, y), (x1 - head, y - 11), (x1 - head, y + 11)], fill=color)


def varrow(d, x, y0, y1, color, width=8):
    direction = 1 if y1 > y0 else -1
    head = 14 * direction
    d.line([(x, y0), (x, y1 - head)], fill=color, width=width)
    d.polygon([(x, y1), (x - 11, y1 - head), (x + 11, y1 - head)], fill=color)


def emblem(size, color=ACCENT):
    """The maker's emblem: a shield-like square with a lightning stroke."""
    img = Image.new("RGBA", (size, size), CLEAR)
    d = ImageDraw.Draw(img)
    m = max(1, size // 16)
    d.rounded_rectangle([m, m, size - m - 1, size - m - 1], radius=size // 5, fill=color)
    s = size / 64.0
    bolt = [(36, 8), (18, 36), (30, 36), (26, 56), (46, 26), (34, 26), (40, 8)]
    d.polygon([(x * s, y * s) for x, y in bolt], fill=WHITE)
    return img


def module_box(d, x, y, w, h, name, lit=True):
    """A DIN-rail UPS module seen from the front."""
    d.rounded_rectangle([x, y, x + w, y + h], radius=10, fill=GREY_LIGHT, outline=GREY_DARK, width=3)
    d.rectangle([x + 8, y + 8, x + w - 8, y + 30], fill=GREY_DARK)
    text_center(d, (x + 8, y + 8, x + w - 8, y + 30), name, max(10, min(16, w // 9)), WHITE)
    for i in range(3):  # screw terminals at the top and bottom
        cx = x + w * (i + 1) / 4
        for ty in (y + 44, y + h - 20):
            d.ellipse([cx - 7, ty - 7, cx + 7, ty + 7], fill=GREY, outline=GREY_DARK, width=2)
            d.line([cx - 4, ty, cx + 4, ty], fill=GREY_DARK, width=2)
    for i, c in enumerate((GREEN, YELLOW, RED)):  # status lamps
        cx = x + 18 + i * 18
        col = c if lit and i == 0 else (GREY if not lit else tuple(v // 2 + 100 for v in c))
        d.ellipse([cx - 5, y + h / 2 - 5, cx + 5, y + h / 2 + 5], fill=col, outline=GREY_DARK)
    kx, ky = x + w - 28, y + h / 2  # buffer-time knob
    d.ellipse([kx - 11, ky - 11, kx + 11, ky + 11], fill=GREY, outline=GREY_DARK, width=2)
    d.line([kx, ky, kx + 6, ky - 8], fill=GREY_DARK, width=3)


def battery(d, x, y, w, h, level, color=GREEN, outline=GREY_DARK):
    d.rectangle([x + w * 0.2, y - 6, x + w * 0.35, y], fill=outline)
    d.rectangle([x + w * 0.65, y - 6, x + w * 0.8, y], fill=outline)
    d.rounded_rectangle([x, y, x + w, y + h], radius=6, fill=WHITE, outline=outline, width=3)
    if level > 0:
        top = y + h - (h - 8) * level - 4
        d.rectangle([x + 5, top, x + w - 5, y + h - 4], fill=color)
    text_center(d, (x, y + 2, x + w * 0.5, y + 20), "+", 14, outline)


def capacitor(d, x, y, w, h, level, color=ACCENT, outline=GREY_DARK):
    d.rounded_rectangle([x, y, x + w, y + h], radius=w // 3, fill=WHITE, outline=outline, width=3)
    if level > 0:
        top = y + h - (h - 10) * level - 5
        d.rounded_rectangle([x + 5, top, x + w - 5, y + h - 5], radius=w // 4, fill=color)
    d.line([x + 4, y + 12, x + w - 4, y + 12], fill=outline, width=2)
    d.line([x + w / 2, y - 8, x + w / 2, y], fill=outline, width=3)


def pc(d, x, y, w, h, on=True):
    d.rounded_rectangle([x, y, x + w, y + h * 0.72], radius=6, fill=GREY_DARK)
    d.rectangle([x + 6, y + 6, x + w - 6, y + h * 0.72 - 6], fill=ACCENT if on else GREY)
    d.rectangle([x + w * 0.42, y + h * 0.72, x + w * 0.58, y + h * 0.86], fill=GREY_DARK)
    d.rounded_rectangle([x + w * 0.25, y + h * 0.86, x + w * 0.75, y + h], radius=3, fill=GREY_DARK)


def warning_triangle(d, cx, cy, r, fill=YELLOW):
    pts = [(cx, cy - r), (cx - r * 1.1, cy + r * 0.8), (cx + r * 1.1, cy + r * 0.8)]
    d.polygon(pts, fill=fill, outline=BLACK)
    d.line([cx, cy - r * 0.45, cx, cy + r * 0.25], fill=BLACK, width=max(2, int(r / 6)))
    d.ellipse([cx - r / 10, cy + r * 0.45, cx + r / 10, cy + r * 0.65], fill=BLACK)


# ---------------------------------------------------------------- vendor, logo, icon
def draw_logos():
    img = Image.new("RGBA", (300, 80), CLEAR)
    img.alpha_composite(emblem(64), (8, 8))
    d = ImageDraw.Draw(img)
    d.text((84, 14), "NORVEX", font=font(40), fill=ACCENT)
    save(img, "company/norvex/logo/norvex_logo.png")

    img = Image.new("RGBA", (120, 300), CLEAR)
    img.alpha_composite(emblem(96), (12, 20))
    d = ImageDraw.Draw(img)
    for i, ch in enumerate("NORVEX"):
        text_center(d, (0, 130 + i * 27, 120, 156 + i * 27), ch, 24, GREY_DARK)
    save(img, "company/norvex/logo/norvex_logo_vertikal.png")

    save(emblem(256), "company/norvex/icons/norvexIcon.ico")


# ---------------------------------------------------------------- storage states
def storage_frames(kind, levels, color):
    frames = []
    for level in levels:
        img = Image.new("RGBA", (120, 80), CLEAR)
        d = ImageDraw.Draw(img)
        if kind == "battery":
            battery(d, 20, 16, 80, 58, level, color)
        else:
            for i in range(3):
                capacitor(d, 14 + i * 32, 12, 28, 62, level, color)
        frames.append(img)
    return frames


def draw_storage():
    base = "company/norvex/batterie/"
    save(storage_frames("battery", [0.0], GREEN)[0], base + "Batterie_leer.png")
    save(storage_frames("battery", [1.0], GREEN)[0], base + "Batterie_voll.png")
    save_gif(storage_frames("battery", [0.25, 0.5, 0.75, 1.0], BLUE), base + "Batterie_ladend.gif", 300)
    save_gif(storage_frames("battery", [1.0, 0.75, 0.5, 0.25], ORANGE), base + "Batterie_entladend.gif", 300)
    img = storage_frames("battery", [0.0], GREEN)[0]
    d = ImageDraw.Draw(img)
    d.line([38, 28, 82, 70], fill=RED, width=7)
    d.line([82, 28, 38, 70], fill=RED, width=7)
    save(img, base + "Batterie_leer_defekt.png")

    base = "company/norvex/capacitor/"
    save(storage_frames("cap", [0.0], ACCENT)[0], base + "Elko_leer.png")
    save(storage_frames("cap", [1.0], ACCENT)[0], base + "Elko_voll.png")
    save(storage_frames("cap", [0.85], ACCENT)[0], base + "Elko_85prozent.png")
    save_gif(storage_frames("cap", [0.25, 0.5, 0.75, 1.0], BLUE), base + "Elko_laden.gif", 300)
    save_gif(storage_frames("cap", [1.0, 0.75, 0.5, 0.25], ORANGE), base + "Elko_entladen.gif", 300)
    img = storage_frames("cap", [0.5], ACCENT)[0]
    warning_triangle(ImageDraw.Draw(img), 60, 44, 22)
    save(img, base + "Elko_Achtung.png")
    img = storage_frames("cap", [0.0], GREY)[0]
    text_center(ImageDraw.Draw(img), (0, 10, 120, 80), "?", 40, RED)
    save(img, base + "keineAhnung.png")


# ---------------------------------------------------------------- device photos and animations
DEVICE_NAMES = {
    "VK_5A_0": "VK-5A", "VK_5A_L": "VK-5A", "VK_10A_0": "VK-10A", "VK_10A_L": "VK-10A",
    "VKL_10A_0U": "VKL-10A", "VKL_20A_0U": "VKL-20A", "VT_40A": "VT-40A", "VS_1700": "VS-1700",
    "VS_5000": "VS-5000",
}


def device_photo(directory):
    slim = directory.endswith("_L")
    img = Image.new("RGB", (400, 300), WHITE)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 140, 400, 160], fill=GREY)  # DIN rail
    w = 120 if slim else 180
    module_box(d, 200 - w / 2, 30, w, 240, DEVICE_NAMES[directory])
    if directory.startswith("VS"):
        for i in range(3):
            capacitor(d, 200 - w / 2 + 22 + i * 46, 180, 34, 50, 0.8)
    return img


# The animated operating-mode pictures: input on the left, the module in the middle, the load on
# the right and the storage below the module.
def status_frame(name, phase, capacitor_model):
    img = Image.new("RGB", (520, 300), WHITE)
    d = ImageDraw.Draw(img)
    input_failed = name.startswith("buffer") or name == "over_current_by_buffer_mode"
    output_off = name in ("savety_mode", "off_operation", "charging_mode")
    no_storage = "onlyMaster" in name or "only_master" in name
    charging = name in ("net_mode", "net_mode_kommunikation", "charging_mode", "over_current_mode")
    discharging = input_failed
    overload = name.startswith("over_current") or name.startswith("hiccup") or name == "constantCurrentMode"
    everything_off = name == "off_operation"

    # input source
    d.rounded_rectangle([20, 90, 110, 170], radius=8, fill=GREY_LIGHT, outline=GREY_DARK, width=3)
    text_center(d, (20, 95, 110, 130), "24V", 20, GREY_DARK)
    text_center(d, (20, 130, 110, 165), "DC IN", 14, GREY_DARK)
    if input_failed:
        d.line([28, 98, 102, 162], fill=RED, width=6)
        d.line([102, 98, 28, 162], fill=RED, width=6)
    module_box(d, 195, 50, 130, 140, "UPS", lit=not everything_off)
    if not no_storage:
        d.line([260, 190, 260, 232], fill=GREY_DARK, width=3)  # storage cable
    pc(d, 410, 85, 90, 90, on=not output_off)

    flow = [0.0, 0.33, 0.66, 1.0][phase]
    if not input_failed and not everything_off:
        color = GREEN
        arrow(d, 115, 120, 115 + 30 + 45 * flow, color)
    if not output_off:
        if name.startswith("hiccup") and phase % 2 == 1:
            pass  # output pulses off
        else:
            color = RED if overload and phase % 2 == 0 else (ORANGE if discharging else GREEN)
            arrow(d, 330, 120, 330 + 30 + 45 * flow, color)
            if overload:
                label = "I=const" if name == "constantCurrentMode" else "I>"
                d.text((345, 86), label, font=font(16), fill=RED)

    if not no_storage:
        sx = 225
        if capacitor_model:
            for i in range(3):
                capacitor(d, sx + i * 26, 232, 20, 50, 0.9 if not discharging else 1.0 - 0.25 * phase)
        else:
            battery(d, sx, 236, 70, 46, 0.9 if not discharging else 1.0 - 0.2 * phase)
        if charging:
            varrow(d, 240, 194, 210 + 18 * flow, BLUE, 6)
        elif discharging:
            varrow(d, 240, 228, 212 - 18 * flow, ORANGE, 6)
        if name == "net_mode_kommunikation":
            for i in range(3):
                on = (i == phase % 3)
                d.ellipse([300 + i * 14, 244, 308 + i * 14, 252], fill=ACCENT if on else GREY)
    if name == "savety_mode" and phase % 2 == 0:
        warning_triangle(d, 260, 26, 18)
    if everything_off and phase % 2 == 0:  # slow blinking power symbol
        d.arc([440, 190, 470, 220], 300, 240, fill=GREY_DARK, width=4)
        d.line([455, 186, 455, 204], fill=GREY_DARK, width=4)
    return img


def draw_devices():
    status_sets = {
        "vk": ["net_mode", "net_mode_no_charging", "buffer_mode", "over_current_mode",
               "over_current_mode_no_charging", "savety_mode", "off_operation"],
        "vs": ["net_mode", "net_mode_kommunikation", "net_mode_no_charging", "buffer_mode",
               "hiccup_mode_only_master", "hiccup_mode", "off_operation", "net_mode_onlyMaster",
               "buffer_mode_onlyMaster", "constantCurrentMode"],
    }
    status_sets["vt"] = status_sets["vk"] + ["over_current_by_buffer_mode", "charging_mode"]
    layout = {
        "VK_5A_0": ("vk", 10, False), "VK_5A_L": (None, 10, False), "VK_10A_0": ("vk", 10, False),
        "VK_10A_L": (None, 10, False), "VKL_10A_0U": (None, 0, True), "VKL_20A_0U": (None, 0, True),
        "VT_40A": ("vt", 10, False), "VS_1700": ("vs", 6, False), "VS_5000": ("vs", 6, False),
    }
    for directory, (status, positions, photo_on_disk) in layout.items():
        base = "company/norvex/devices/%s/" % directory
        save(device_photo(directory), base + directory + ".jpg", resource=not photo_on_disk)
        if status:
            for name in status_sets[status]:
                frames = [status_frame(name, p, directory.startswith("VS")) for p in range(4)]
                save_gif(frames, base + "status/%s.gif" % name, 220)
        for position in range(1, positions + 1):
            save(poti(position, positions), base + "poti/%d.png" % position)
        for legend in ("topPower", "power", "overCurrent", "top", "Hicup", "fuse"):
            save(overload_legend(legend), base + "overload/%s.png" % legend, resource=False)
        if directory.startswith("VS"):
            path = out_path(base + "parameter/slider_cellVoltage_image.svg")
            with open(path, "w") as f:
                f.write(SLIDER_SVG)


def poti(position, positions):
    img = Image.new("RGBA", (64, 64), CLEAR)
    d = ImageDraw.Draw(img)
    cx, cy, r = 32, 34, 20
    for i in range(positions):
        angle = math.radians(135 + 270 * i / (positions - 1))
        x0, y0 = cx + (r + 4) * math.cos(angle), cy + (r + 4) * math.sin(angle)
        x1, y1 = cx + (r + 9) * math.cos(angle), cy + (r + 9) * math.sin(angle)
        d.line([x0, y0, x1, y1], fill=ACCENT if i == position - 1 else GREY_DARK, width=3 if i == position - 1 else 2)
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=GREY, outline=GREY_DARK, width=2)
    angle = math.radians(135 + 270 * (position - 1) / (positions - 1))
    d.line([cx, cy, cx + (r - 4) * math.cos(angle), cy + (r - 4) * math.sin(angle)], fill=BLACK, width=4)
    return img


def overload_legend(kind):
    img = Image.new("RGB", (260, 180), WHITE)
    d = ImageDraw.Draw(img)
    ox, oy = 30, 150
    d.line([ox, oy, 250, oy], fill=BLACK, width=2)
    d.line([ox, oy, ox, 15], fill=BLACK, width=2)
    d.text((12, 12), "I", font=font(14), fill=BLACK)
    d.text((240, 156), "t", font=font(14), fill=BLACK)
    nominal = 100
    d.line([ox, nominal, 250, nominal], fill=GREY, width=1)
    pts = []
    if kind == "topPower":
        pts = [(ox, nominal), (60, nominal), (60, 30), (80, 30), (80, 65), (170, 65), (170, nominal), (245, nominal)]
    elif kind == "power":
        pts = [(ox, nominal), (60, nominal), (60, 65), (170, 65), (170, nominal), (245, nominal)]
    elif kind == "top":
        pts = [(ox, nominal), (60, nominal), (60, 30), (80, 30), (80, nominal), (245, nominal)]
    elif kind == "overCurrent":
        pts = [(ox, nominal), (60, nominal), (60, 80), (245, 80)]
    elif kind == "Hicup":
        pts = [(ox, nominal), (60, nominal)]
        x = 60
        while x < 235:
            pts += [(x, 70), (x + 12, 70), (x + 12, oy), (x + 40, oy)]
            x += 40
        pts.append((x, oy))
    elif kind == "fuse":
        pts = [(ox, nominal), (60, nominal), (60, 70), (110, 70), (110, oy), (245, oy)]
    d.line(pts, fill=ACCENT, width=4, joint="curve")
    return img


SLIDER_SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="400" height="40" viewBox="0 0 400 40">
  <defs>
    <linearGradient id="scale" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#3fae49"/>
      <stop offset="0.5" stop-color="#f5c81e"/>
      <stop offset="1" stop-color="#50aaec"/>
    </linearGradient>
  </defs>
  <rect x="4" y="14" width="392" height="12" rx="6" fill="url(#scale)" stroke="#414244" stroke-width="1.5"/>
  <g stroke="#414244" stroke-width="2">
    <line x1="8" y1="6" x2="8" y2="12"/><line x1="56" y1="8" x2="56" y2="12"/>
    <line x1="104" y1="8" x2="104" y2="12"/><line x1="152" y1="8" x2="152" y2="12"/>
    <line x1="200" y1="6" x2="200" y2="12"/><line x1="248" y1="8" x2="248" y2="12"/>
    <line x1="296" y1="8" x2="296" y2="12"/><line x1="344" y1="8" x2="344" y2="12"/>
    <line x1="392" y1="6" x2="392" y2="12"/>
  </g>
</svg>
"""


# ---------------------------------------------------------------- small pictures
def draw_ipc():
    def stage(kind, colour):
        img = Image.new("RGB", (100, 80), WHITE)
        d = ImageDraw.Draw(img)
        c = colour
        if kind == "UIn":
            d.line([10, 60, 40, 60, 40, 20, 90, 20], fill=c, width=4)
            d.text((8, 4), "Uin", font=font(14), fill=c)
        elif kind == "UOut":
            d.line([10, 20, 60, 20, 60, 60, 90, 60], fill=c, width=4)
            d.text((8, 56), "Uout", font=font(14), fill=c)
        elif kind == "Signal":
            d.line([10, 60, 35, 60, 35, 20, 65, 20, 65, 60, 90, 60], fill=c, width=4)
            d.text((30, 62), "signal", font=font(11), fill=c)
        elif kind == "IPC":
            d.rounded_rectangle([20, 14, 80, 66], radius=6, outline=c, width=4)
            text_center(d, (20, 14, 80, 66), "IPC", 18, c)
        else:
            pc(d, 22, 10, 56, 62, on=True)
            if colour == GREY_DARK:
                return img.convert("L").convert("RGB")
        return img
    for kind in ("UIn", "UOut", "Signal", "IPC", "PC"):
        colour = {"UIn": GREEN, "UOut": ORANGE, "Signal": ACCENT, "IPC": RED, "PC": ACCENT}[kind]
        save(stage(kind, colour), "ipc/%s.png" % kind)
        save(stage(kind, colour).convert("L").convert("RGB"), "ipc/%s_sw.png" % kind)


def draw_leds():
    for name, colour in (("green", GREEN), ("red", RED), ("yellow", YELLOW), ("grey", GREY)):
        img = Image.new("RGBA", (32, 32), CLEAR)
        d = ImageDraw.Draw(img)
        d.ellipse([2, 2, 29, 29], fill=colour, outline=GREY_DARK, width=2)
        d.ellipse([8, 6, 16, 13], fill=(255, 255, 255, 170))
        save(img, "led/led_%s.png" % name)


def draw_misc():
    img = Image.new("RGBA", (160, 120), CLEAR)
    d = ImageDraw.Draw(img)
    pc(d, 20, 10, 100, 100)
    d.arc([112, 58, 152, 98], 300, 240, fill=RED, width=5)
    d.line([132, 52, 132, 76], fill=RED, width=5)
    save(img, "pc/PC_Duo.png")

    img = Image.new("RGBA", (48, 48), CLEAR)
    d = ImageDraw.Draw(img)
    d.ellipse([2, 2, 45, 45], fill=ACCENT)
    text_center(d, (2, 2, 45, 45), "i", 30, WHITE)
    save(img, "infos/infos.png")
    img = Image.new("RGB", (64, 64), WHITE)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([4, 4, 59, 59], radius=10, fill=ORANGE)
    text_center(d, (4, 4, 59, 59), "i", 40, WHITE)
    save(img, "infos/Information_orange.jpg")
    img = Image.new("RGB", (64, 64), WHITE)
    warning_triangle(ImageDraw.Draw(img), 32, 34, 26)
    save(img, "infos/Warnschild.jpg")

    for name, closed in (("Schalter_zu", True), ("Schalter_auf", False)):
        img = Image.new("RGBA", (60, 40), CLEAR)
        d = ImageDraw.Draw(img)
        d.line([4, 28, 20, 28], fill=BLACK, width=3)
        d.line([40, 28, 56, 28], fill=BLACK, width=3)
        d.ellipse([17, 25, 23, 31], fill=BLACK)
        d.ellipse([37, 25, 43, 31], fill=BLACK)
        d.line([20, 28, 42, 27] if closed else [20, 28, 40, 8], fill=GREEN if closed else RED, width=4)
        save(img, "instrumente/%s.png" % name)

    def moving_arrow(direction):
        frames = []
        for p in range(4):
            img = Image.new("RGB", (80, 30), WHITE)
            d = ImageDraw.Draw(img)
            for k in range(3):
                x = (p * 7 + k * 26) % 78
                if direction < 0:
                    x = 78 - x
                d.polygon([(x, 15), (x - 10 * direction, 6), (x - 10 * direction, 24)],
                          fill=ORANGE if direction < 0 else GREEN)
            frames.append(img)
        return frames
    save_gif(moving_arrow(-1), "pfeile/pfeilNachLinks.gif", 150)
    save_gif(moving_arrow(1), "pfeile/pfeilNachRechts.gif", 150)
    frames = []
    for p in range(4):
        img = Image.new("RGB", (80, 30), WHITE)
        d = ImageDraw.Draw(img)
        for k in range(4):
            d.ellipse([8 + k * 18, 10, 18 + k * 18, 20], fill=ACCENT if k == p else GREY)
        frames.append(img)
    save_gif(frames, "pfeile/kommunikation.gif", 150)

    img = Image.new("RGB", (147, 51), WHITE)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([1, 1, 145, 49], radius=8, fill=GREY_DARK)
    text_center(d, (1, 1, 145, 49), "LGPLv3", 24, WHITE)
    save(img, "lgpl/lgplv3-147x51.png")


def write_qrc():
    lines = ["<RCC>", '    <qresource prefix="/images">']
    lines += ["        <file>%s</file>" % rel for rel in sorted(resources)]
    lines += ["    </qresource>", "</RCC>", ""]
    with open(os.path.join(ROOT, "images.qrc"), "w") as f:
        f.write("\n".join(lines))


def main():
    draw_logos()
    draw_storage()
    draw_devices()
    draw_ipc()
    draw_leds()
    draw_misc()
    write_qrc()
    print("%d pictures in the resources" % len(resources))


if __name__ == "__main__":
    main()
