#!/usr/bin/python3
"""Draws every picture of the program: the command icons (16 and 32 px), the
tray icon, the search picture, the program logo and the two animations.

The outputs are committed; run this again after changing a drawing:
    /usr/bin/python3 resources/make-pictures.py
Needs Pillow (Debian: python3-pil) and the DejaVu fonts.
"""

import math
import os

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
SS = 4  # drawn this many times larger, then scaled down for smooth edges

# The skin's colours.
NAVY = (31, 63, 122)
BLUE = (58, 103, 184)
SKY = (125, 168, 230)
PANEL = (232, 236, 244)
WHITE = (255, 255, 255)
OUTLINE = (40, 48, 66)


def font(size, bold=True, condensed=False):
    name = "DejaVuSans"
    if condensed:
        name += "Condensed"
    if bold:
        name += "-Bold"
    return ImageFont.truetype(os.path.join(FONT_DIR, name + ".ttf"), size)


class Pen:
    """Draws in a 0..100 coordinate square on a canvas SS times the target."""

    def __init__(self, size, background=(0, 0, 0, 0)):
        self.size = size
        self.image = Image.new("RGBA", (size * SS, size * SS), background)
        self.draw = ImageDraw.Draw(self.image)
        self.k = size * SS / 100.0

    def p(self, *xy):
        return [v * self.k for v in xy]

    def w(self, width):
        return max(1, int(round(width * self.k)))

    def ellipse(self, box, fill=None, outline=None, width=0):
        self.draw.ellipse(self.p(*box), fill=fill, outline=outline, width=self.w(width) if outline else 0)

    def rect(self, box, fill=None, outline=None, width=0, radius=0):
        self.draw.rounded_rectangle(self.p(*box), radius=radius * self.k, fill=fill,
                                    outline=outline, width=self.w(width) if outline else 0)

    def poly(self, points, fill=None, outline=None, width=0):
        flat = self.p(*[v for pt in points for v in pt])
        pts = list(zip(flat[0::2], flat[1::2]))
        self.draw.polygon(pts, fill=fill)
        if outline:
            self.draw.line(pts + [pts[0]], fill=outline, width=self.w(width), joint="curve")

    def line(self, points, fill, width):
        flat = self.p(*[v for pt in points for v in pt])
        self.draw.line(list(zip(flat[0::2], flat[1::2])), fill=fill, width=self.w(width), joint="curve")

    def arc(self, box, start, end, fill, width):
        self.draw.arc(self.p(*box), start, end, fill=fill, width=self.w(width))

    def text(self, center, text, size, fill, bold=True, condensed=False):
        f = font(int(size * self.k), bold, condensed)
        x, y = self.p(*center)
        self.draw.text((x, y), text, font=f, fill=fill, anchor="mm")

    def result(self):
        return self.image.resize((self.size, self.size), Image.LANCZOS)


def vertical_gradient(pen, box, top, bottom, radius):
    """A rounded box filled from one colour at the top to another at the bottom."""
    x0, y0, x1, y1 = [int(v) for v in pen.p(*box)]
    grad = Image.new("RGBA", (x1 - x0, y1 - y0))
    gd = ImageDraw.Draw(grad)
    for y in range(y1 - y0):
        t = y / max(1, y1 - y0 - 1)
        gd.line([(0, y), (x1 - x0, y)], fill=tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,))
    mask = Image.new("L", grad.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, grad.size[0] - 1, grad.size[1] - 1], radius=radius * pen.k, fill=255)
    pen.image.paste(grad, (x0, y0), mask)


# --- command icons -------------------------------------------------------

def icon_exit(size):
    pen = Pen(size)
    # A door standing open, and an arrow leaving through it.
    pen.rect((14, 8, 62, 92), fill=(140, 96, 58), outline=OUTLINE, width=4, radius=3)
    pen.poly([(14, 8), (44, 18), (44, 98), (14, 92)], fill=(196, 142, 88), outline=OUTLINE, width=4)
    pen.ellipse((34, 52, 41, 59), fill=(250, 220, 120))
    pen.poly([(52, 42), (72, 42), (72, 28), (96, 50), (72, 72), (72, 58), (52, 58)],
             fill=(214, 48, 40), outline=(120, 20, 16), width=4)
    return pen.result()


def icon_smiley(size):
    pen = Pen(size)
    pen.ellipse((6, 6, 94, 94), fill=(255, 214, 48), outline=(168, 112, 0), width=5)
    pen.ellipse((30, 28, 42, 46), fill=OUTLINE)
    pen.ellipse((58, 28, 70, 46), fill=OUTLINE)
    pen.arc((24, 30, 76, 78), 20, 160, fill=OUTLINE, width=7)
    return pen.result()


def icon_acronym(size):
    pen = Pen(size)
    # A speech bubble saying "AБВ": words shortened to their letters.
    pen.rect((4, 10, 96, 72), fill=WHITE, outline=BLUE, width=5, radius=16)
    pen.poly([(22, 68), (40, 68), (18, 92)], fill=WHITE, outline=BLUE, width=5)
    pen.rect((6, 63, 40, 70), fill=WHITE)
    if size >= 32:
        pen.text((50, 41), "АБВ", 32, NAVY, condensed=True)
    else:
        pen.text((50, 41), "АБ", 44, NAVY, condensed=True)
    return pen.result()


def icon_extensions(size):
    pen = Pen(size)
    # A sheet of paper with a folded corner and a coloured label for its type.
    pen.poly([(16, 4), (64, 4), (86, 26), (86, 96), (16, 96)], fill=WHITE, outline=OUTLINE, width=4)
    pen.poly([(64, 4), (64, 26), (86, 26)], fill=(206, 214, 230), outline=OUTLINE, width=4)
    if size >= 32:
        for y in (38, 48, 58):
            pen.line([(28, y), (74, y)], fill=(160, 170, 190), width=4)
    pen.rect((6, 64, 80, 90), fill=(46, 150, 76), outline=(20, 90, 40), width=3, radius=5)
    pen.text((43, 77), ".EXT" if size >= 32 else ".E", 20 if size >= 32 else 26, WHITE)
    return pen.result()


def person(pen, cx, top, scale, body, outline):
    r = 14 * scale
    pen.ellipse((cx - r, top, cx + r, top + 2 * r), fill=(250, 206, 170), outline=outline, width=3)
    w = 28 * scale
    pen.rect((cx - w, top + 2 * r + 3, cx + w, top + 2 * r + 3 + 40 * scale), fill=body, outline=outline,
             width=3, radius=14 * scale)


def icon_users(size):
    pen = Pen(size)
    person(pen, 64, 8, 0.95, (46, 150, 76), OUTLINE)
    person(pen, 38, 22, 1.1, BLUE, OUTLINE)
    return pen.result()


def icon_about(size):
    pen = Pen(size)
    pen.ellipse((5, 5, 95, 95), fill=BLUE, outline=NAVY, width=5)
    pen.ellipse((42, 20, 58, 36), fill=WHITE)
    pen.rect((42, 42, 58, 80), fill=WHITE, radius=3)
    return pen.result()


def icon_feedback(size):
    pen = Pen(size)
    pen.rect((4, 18, 96, 82), fill=WHITE, outline=NAVY, width=5, radius=4)
    pen.line([(6, 22), (50, 56), (94, 22)], fill=NAVY, width=5)
    pen.line([(6, 80), (38, 48)], fill=(150, 160, 180), width=3)
    pen.line([(94, 80), (62, 48)], fill=(150, 160, 180), width=3)
    return pen.result()


def icon_search(size):
    pen = Pen(size)
    pen.line([(60, 60), (90, 90)], fill=(120, 84, 40), width=16)
    pen.ellipse((6, 6, 66, 66), fill=(214, 232, 255), outline=NAVY, width=9)
    pen.arc((18, 18, 54, 54), 190, 260, fill=WHITE, width=6)
    return pen.result()


def program_logo(size):
    """The program's mark: a blue book with a white "Б" and a red stress mark."""
    pen = Pen(size)
    pen.rect((10, 8, 90, 94), fill=(22, 46, 92), radius=8)  # back cover
    pen.rect((14, 12, 88, 86), fill=(248, 248, 242), radius=4)  # pages
    vertical_gradient(pen, (6, 4, 84, 88), (88, 136, 214), (36, 78, 160), 8)
    pen.rect((6, 4, 84, 88), outline=NAVY, width=3, radius=8)
    pen.rect((12, 4, 18, 88), fill=(255, 255, 255, 60))
    pen.text((47, 48), "Б", 60, WHITE)
    pen.poly([(52, 12), (64, 12), (56, 22), (48, 22)], fill=(226, 52, 44))
    return pen.result()


# --- animations ----------------------------------------------------------

def save_gif(frames, path, durations, background=PANEL):
    """Saves RGB frames drawn on the background colour as a looping GIF with
    one shared palette, the background itself transparent."""
    strip = Image.new("RGB", (frames[0].width, frames[0].height * len(frames) + 1), background)
    for i, f in enumerate(frames):
        strip.paste(f, (0, i * f.height))
    palette = strip.quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
    out = [f.quantize(palette=palette, dither=Image.NONE) for f in frames]
    colours = palette.getpalette()[: 3 * 255]
    nearest = min(range(len(colours) // 3),
                  key=lambda i: sum((colours[3 * i + k] - background[k]) ** 2 for k in range(3)))
    out[0].save(path, save_all=True, append_images=out[1:], duration=durations, loop=0, optimize=False,
                disposal=2, transparency=nearest)


def maker_logo_frames():
    """"Quennic" on a navy badge with a highlight sweeping over it."""
    w, h = 88, 31
    frames = []
    count = 16
    f = font(15 * SS, bold=True)
    for i in range(count):
        img = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        d.rounded_rectangle([0, 0, w * SS - 1, h * SS - 1], radius=6 * SS, fill=(24, 52, 104))
        d.rounded_rectangle([2 * SS, 2 * SS, w * SS - 2 * SS, h * SS // 2], radius=5 * SS, fill=(44, 84, 152))
        d.text((w * SS / 2, h * SS / 2 + SS), "Quennic", font=f, fill=WHITE, anchor="mm")
        # The sweeping highlight: a slanted bright band, clipped to the badge.
        pos = -30 + i * (w + 60) / (count - 1)
        band = Image.new("RGBA", img.size, (0, 0, 0, 0))
        bd = ImageDraw.Draw(band)
        bd.polygon([((pos) * SS, 0), ((pos + 12) * SS, 0), ((pos - 2) * SS, h * SS), ((pos - 14) * SS, h * SS)],
                   fill=(255, 255, 255, 90))
        mask = Image.new("L", img.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, w * SS - 1, h * SS - 1], radius=6 * SS, fill=255)
        img = Image.composite(Image.alpha_composite(img, band), img, mask)
        bg = Image.new("RGBA", img.size, PANEL + (255,))
        frames.append(Image.alpha_composite(bg, img).resize((w, h), Image.LANCZOS).convert("RGB"))
    # A pause with the badge at rest, then the sweep.
    rest = frames[0]
    return [rest] + frames, [1800] + [60] * count


def anecdote_frames():
    """A laughing face that shakes with laughter, on the panel's colour."""
    size = 58
    frames, durations = [], []
    for i in range(8):
        pen = Pen(size, PANEL + (255,))
        dy = [0, -3, 0, -3, 0, -3, 0, 0][i]
        open_mouth = i in (1, 3, 5)
        pen.ellipse((8, 10 + dy, 92, 94 + dy), fill=(255, 214, 48), outline=(168, 112, 0), width=4)
        # Eyes squeezed shut with laughter.
        pen.arc((24, 34 + dy, 44, 50 + dy), 200, 340, fill=OUTLINE, width=5)
        pen.arc((56, 34 + dy, 76, 50 + dy), 200, 340, fill=OUTLINE, width=5)
        if open_mouth:
            pen.draw.chord(pen.p(26, 46 + dy, 74, 86 + dy), 0, 180, fill=(150, 30, 40), outline=OUTLINE,
                           width=pen.w(4))
            pen.draw.chord(pen.p(36, 68 + dy, 64, 84 + dy), 180, 360, fill=(240, 110, 110))
        else:
            pen.arc((28, 44 + dy, 72, 80 + dy), 20, 160, fill=OUTLINE, width=6)
        # Tears of laughter.
        if i in (2, 3, 4, 5):
            pen.ellipse((12, 50 + dy + (i - 2) * 4, 20, 60 + dy + (i - 2) * 4), fill=(90, 170, 250))
            pen.ellipse((80, 50 + dy + (i - 2) * 4, 88, 60 + dy + (i - 2) * 4), fill=(90, 170, 250))
        if open_mouth:
            pen.text((86, 14), "ха", 16, (214, 48, 40))
        frames.append(pen.result().convert("RGB"))
        durations.append(140 if i else 1400)
    return frames, durations


def main():
    icons = os.path.join(HERE, "icons")
    pictures = os.path.join(HERE, "pictures")
    os.makedirs(icons, exist_ok=True)
    os.makedirs(pictures, exist_ok=True)

    commands = {
        "exit": icon_exit,
        "smiley": icon_smiley,
        "acronym": icon_acronym,
        "extensions": icon_extensions,
        "users": icon_users,
        "about": icon_about,
        "feedback": icon_feedback,
    }
    for name, draw in commands.items():
        for size in (16, 32):
            draw(size).save(os.path.join(icons, f"{name}-{size}.png"), optimize=True)

    icon_search(16).save(os.path.join(pictures, "search.png"), optimize=True)
    program_logo(16).save(os.path.join(pictures, "tray.png"), optimize=True)
    program_logo(64).save(os.path.join(pictures, "brivela.png"), optimize=True)

    frames, durations = maker_logo_frames()
    save_gif(frames, os.path.join(pictures, "logo.gif"), durations)
    frames, durations = anecdote_frames()
    save_gif(frames, os.path.join(pictures, "anecdote.gif"), durations)


if __name__ == "__main__":
    main()
