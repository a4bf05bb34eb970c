#!/usr/bin/python3
"""Draws the advertising banners of the bundled word base: animated 468 x 60 GIFs.

Run it from anywhere; it writes brivela-N.gif next to itself.
Needs Pillow (Debian: python3-pil) and DejaVu fonts (Debian: fonts-dejavu-core).
"""

import math
import os

from PIL import Image, ImageDraw, ImageFont

W, H = 468, 60
HERE = os.path.dirname(os.path.abspath(__file__))
FONT_DIR = "/usr/share/fonts/truetype/dejavu"


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def gradient(left, right, top_shade=1.0, bottom_shade=0.8):
    """A horizontal colour gradient, a little darker at the bottom for depth."""
    img = Image.new("RGB", (W, H))
    px = img.load()
    for x in range(W):
        base = lerp(left, right, x / (W - 1))
        for y in range(H):
            k = top_shade + (bottom_shade - top_shade) * y / (H - 1)
            px[x, y] = tuple(min(255, round(c * k)) for c in base)
    return img


def highlight(img, centre, width=60, strength=0.45):
    """Lightens a slanted band around x = centre: the moving gleam of the banners."""
    out = img.copy()
    px = out.load()
    for y in range(H):
        c = centre + (H / 2 - y) * 0.5
        for x in range(max(0, int(c - width)), min(W, int(c + width) + 1)):
            t = 1 - abs(x - c) / width
            if t > 0:
                k = strength * t * t
                px[x, y] = tuple(round(v + (255 - v) * k) for v in px[x, y])
    return out


def text_width(draw, text, f):
    left, _, right, _ = draw.textbbox((0, 0), text, font=f)
    return right - left


def shadowed(draw, xy, text, f, fill, shadow=(0, 0, 0)):
    x, y = xy
    draw.text((x + 1, y + 1), text, font=f, fill=shadow)
    draw.text((x, y), text, font=f, fill=fill)


def frame_border(draw, colour):
    draw.rectangle((0, 0, W - 1, H - 1), outline=colour)


def save_gif(frames, durations, name, colours=64):
    """Writes the frames with one shared palette, which keeps the file small and the colours steady."""
    strip = Image.new("RGB", (W, H * len(frames)))
    for i, f in enumerate(frames):
        strip.paste(f, (0, i * H))
    palette = strip.quantize(colors=colours, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    indexed = [f.quantize(palette=palette, dither=Image.Dither.NONE) for f in frames]
    path = os.path.join(HERE, name)
    indexed[0].save(path, save_all=True, append_images=indexed[1:], duration=durations, loop=0, optimize=True)
    size = os.path.getsize(path)
    print(f"{name}: {len(frames)} frames, {size} bytes")
    if size >= 60 * 1024:
        raise SystemExit(f"{name} is too big for a banner ({size} bytes)")


def book_icon(draw, x, y):
    """An open book: two pages and a spine, drawn rather than loaded so the script needs no pictures."""
    draw.polygon([(x, y + 6), (x + 20, y + 2), (x + 20, y + 38), (x, y + 42)], fill=(250, 250, 245), outline=(40, 40, 60))
    draw.polygon([(x + 40, y + 6), (x + 20, y + 2), (x + 20, y + 38), (x + 40, y + 42)], fill=(236, 236, 228), outline=(40, 40, 60))
    for i in range(5):
        yy = y + 12 + i * 6
        draw.line((x + 4, yy + 1, x + 16, yy - 1), fill=(120, 130, 160))
        draw.line((x + 24, yy - 1, x + 36, yy + 1), fill=(120, 130, 160))
    draw.text((x + 6, y + 8), "А", font=font("DejaVuSans-Bold.ttf", 13), fill=(200, 40, 40))


def banner_dictionary():
    """The dictionary itself: title with a gleam, then slang words that take turns in a speech bubble."""
    bg = gradient((16, 38, 92), (18, 118, 150))
    title_font = font("DejaVuSans-Bold.ttf", 26)
    sub_font = font("DejaVuSans.ttf", 13)
    word_font = font("DejaVuSans-Bold.ttf", 17)
    ask_font = font("DejaVuSans.ttf", 11)

    base = bg.copy()
    d = ImageDraw.Draw(base)
    book_icon(d, 10, 8)
    shadowed(d, (62, 3), "Brivela", title_font, (255, 255, 255))
    shadowed(d, (63, 37), "Словарь компьютерного сленга", sub_font, (215, 235, 255))

    def with_word(img, word):
        out = img.copy()
        dd = ImageDraw.Draw(out)
        box = (316, 8, 458, 52)
        dd.rounded_rectangle(box, radius=9, fill=(255, 248, 214), outline=(230, 170, 40), width=2)
        dd.polygon([(318, 36), (306, 44), (322, 42)], fill=(255, 248, 214), outline=(230, 170, 40))
        dd.rectangle((317, 37, 323, 41), fill=(255, 248, 214))
        q = "что это?"
        ww = text_width(dd, word, word_font)
        dd.text((387 - ww // 2, 11), word, font=word_font, fill=(150, 40, 20))
        dd.text((387 - text_width(dd, q, ask_font) // 2, 34), q, font=ask_font, fill=(90, 80, 60))
        frame_border(dd, (10, 24, 60))
        return out

    frames, durations = [], []
    words = ["«глюк»", "«винт»", "«юзер»", "«клава»", "«мыло»", "«аська»"]
    for i, word in enumerate(words):
        plain = with_word(base, word)
        if i == 0:
            # The gleam runs over the title once per loop, before the first word settles.
            for c in range(40, 340, 30):
                frames.append(with_word(highlight(base, c), word))
                durations.append(50)
        frames.append(plain)
        durations.append(1400)
    save_gif(frames, durations, "brivela-1.gif")


def banner_ticker():
    """A ticker of slang words under a fixed slogan; the strip repeats, so the loop has no seam."""
    bg = gradient((40, 16, 70), (110, 30, 90))
    slogan_font = font("DejaVuSans-Bold.ttf", 17)
    tick_font = font("DejaVuSans.ttf", 14)
    words = "глюк · винт · юзер · клава · мыло · аська · ламер · прога · "

    probe = ImageDraw.Draw(bg)
    period = text_width(probe, words, tick_font)
    strip = Image.new("RGB", (period * 2 + W, 20), (20, 10, 30))
    sd = ImageDraw.Draw(strip)
    sd.fontmode = "1"  # crisp pixels compress far better than anti-aliased edges on a moving strip
    for k in range(0, (period * 2 + W) // period + 1):
        sd.text((k * period, 1), words, font=tick_font, fill=(255, 214, 90))

    head = bg.copy()
    d = ImageDraw.Draw(head)
    slogan = "Говорите на языке компьютерщиков!"
    shadowed(d, ((W - text_width(d, slogan, slogan_font)) // 2, 6), slogan, slogan_font, (255, 255, 255))

    # About 7 px a frame, spread evenly over one period so the last frame leads smoothly into the first.
    count = max(1, round(period / 7))
    frames, durations = [], []
    for i in range(count):
        off = round(i * period / count)
        f = head.copy()
        f.paste(strip.crop((off, 0, off + W - 4, 20)), (2, 36))
        frame_border(ImageDraw.Draw(f), (30, 8, 40))
        frames.append(f)
        durations.append(80)
    save_gif(frames, durations, "brivela-2.gif", colours=48)


def teapot(draw, x, y, colour):
    """A small teapot: the course below is for «чайники», beginners."""
    outline = (60, 40, 20)
    draw.ellipse((x, y + 10, x + 36, y + 40), fill=colour, outline=outline)
    draw.rectangle((x + 10, y + 6, x + 26, y + 12), fill=colour, outline=outline)
    draw.ellipse((x + 15, y + 1, x + 21, y + 7), fill=colour, outline=outline)
    draw.polygon([(x + 34, y + 22), (x + 48, y + 12), (x + 50, y + 15), (x + 36, y + 30)], fill=colour, outline=outline)
    draw.arc((x - 8, y + 16, x + 10, y + 34), 90, 270, fill=outline, width=3)


def banner_course():
    """A fictional course for beginners, with a blinking call to sign up and steam over the teapot."""
    bg = gradient((255, 236, 170), (255, 190, 110), 1.0, 0.92)
    head_font = font("DejaVuSans-Bold.ttf", 16)
    sub_font = font("DejaVuSans.ttf", 12)
    call_font = font("DejaVuSans-Bold.ttf", 12)

    base = bg.copy()
    d = ImageDraw.Draw(base)
    teapot(d, 18, 14, (80, 150, 220))
    d.text((84, 6), "Курсы «Из чайника — в юзеры»", font=head_font, fill=(120, 30, 10))
    d.text((85, 32), "Мышь, клава и «Пуск» за 21 день", font=sub_font, fill=(70, 50, 30))

    frames, durations = [], []
    for i in range(8):
        f = base.copy()
        fd = ImageDraw.Draw(f)
        for s in range(3):
            # Steam puffs rise and fade; each frame shifts them one phase up.
            phase = (i + s * 3) % 8
            sy = 12 - phase * 2
            sx = 36 + round(3 * math.sin((phase + s) * 1.3))
            shade = 150 + phase * 12
            if sy > 0:
                fd.ellipse((sx - 3, sy - 3, sx + 3, sy + 3), outline=(shade, shade, shade))
        lit = i % 4 < 2
        call = "Запись открыта!"
        tw = text_width(fd, call, call_font)
        box = (W - 14 - tw - 16, 31, W - 14, 53)
        fd.rounded_rectangle(box, radius=6, fill=(200, 40, 30) if lit else (255, 250, 235), outline=(160, 30, 20))
        fd.text((box[0] + 8, 34), call, font=call_font, fill=(255, 255, 255) if lit else (200, 40, 30))
        frame_border(fd, (190, 120, 50))
        frames.append(f)
        durations.append(180)
    save_gif(frames, durations, "brivela-3.gif")


def banner_thanks():
    """A thank-you banner with no link: the gleam sweeps over it, then it rests."""
    bg = gradient((12, 70, 40), (40, 140, 70))
    big_font = font("DejaVuSans-Bold.ttf", 20)
    small_font = font("DejaVuSans.ttf", 12)
    base = bg.copy()
    d = ImageDraw.Draw(base)
    line1 = "Спасибо, что читаете Brivela!"
    line2 = "Не знаете слова — спросите словарь, а не админа :-)"
    shadowed(d, ((W - text_width(d, line1, big_font)) // 2, 5), line1, big_font, (255, 255, 255))
    shadowed(d, ((W - text_width(d, line2, small_font)) // 2, 37), line2, small_font, (220, 255, 220))

    frames, durations = [], []
    for c in range(-40, W + 60, 32):
        f = highlight(base, c, width=50, strength=0.4)
        frame_border(ImageDraw.Draw(f), (8, 40, 20))
        frames.append(f)
        durations.append(45)
    rest = base.copy()
    frame_border(ImageDraw.Draw(rest), (8, 40, 20))
    frames.append(rest)
    durations.append(3000)
    save_gif(frames, durations, "brivela-4.gif")


if __name__ == "__main__":
    banner_dictionary()
    banner_ticker()
    banner_course()
    banner_thanks()
