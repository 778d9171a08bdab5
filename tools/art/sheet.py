"""Turns a list of frame drawings into one sprite-sheet PNG: the frames are
laid out row by row in an SVG document, rsvg-convert rasterises it, and Pillow
re-encodes the result so the file is compact and the same on every run.
"""
import io
import os
import subprocess

from PIL import Image


def sheet_svg(frame_w, frame_h, rows, cols, frames):
    width, height = frame_w * cols, frame_h * rows
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % (
        width, height, width, height)]
    for k, content in enumerate(frames):
        if content is None:
            continue
        r, c = divmod(k, cols)
        x, y = c * frame_w, r * frame_h
        clip = "fc%d" % k
        # Each frame is clipped to its own cell so nothing bleeds into a neighbour.
        parts.append('<clipPath id="%s"><rect x="%d" y="%d" width="%d" height="%d"/></clipPath>' % (
            clip, x, y, frame_w, frame_h))
        parts.append('<g clip-path="url(#%s)"><g transform="translate(%d %d)">%s</g></g>' % (clip, x, y, content))
    parts.append("</svg>")
    return "\n".join(parts)


def rasterise(svg_text, svg_path=None):
    """SVG text -> RGBA Pillow image."""
    if svg_path:
        with open(svg_path, "w") as out:
            out.write(svg_text)
    png = subprocess.run(["rsvg-convert", "-f", "png"], input=svg_text.encode("utf-8"),
                         stdout=subprocess.PIPE, check=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def save_png(image, path):
    """Fully transparent pixels are zeroed so the encoder sees long runs."""
    px = image.getdata()
    cleaned = [(0, 0, 0, 0) if p[3] == 0 else p for p in px]
    image = Image.new("RGBA", image.size)
    image.putdata(cleaned)
    image.save(path, format="PNG", optimize=True)


def write_sheet_text(folder, name, rows, cols):
    """The sheet's text file, exactly as the engine writes it back."""
    lines = [str(rows), str(cols), name] + ["Sprite%d" % (k + 1) for k in range(rows * cols)]
    with open(os.path.join(folder, name + ".txt"), "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")
