"""Where the window's controls lie at 96 dpi, and checks of what the screen shows there.

All points and rectangles are in client pixels, rectangles as (left, top, right,
bottom) with right and bottom the first pixel outside.
"""

import functools

import harness
import pictures

CLIENT_SIZE = (516, 529)

# The controls in stacking order, front-most first, with the file name of the
# picture each shows; the label shows text.
CONTROLS = (
    ("right", (336, 160, 435, 360)),
    ("left", (80, 160, 179, 360)),
    ("label", (152, 368, 369, 473)),
    ("top", (184, 80, 334, 155)),
    ("center", (192, 160, 328, 362)),
    ("background", (0, 0, 516, 529)),
)
RECTS = dict(CONTROLS)
PICTURES = ("right", "left", "top", "center", "background")

# The window's region in window coordinates: CreateEllipticRgn(5, 50, 520, 522), of
# which GDI leaves out the right and the bottom edge.
REGION_BOX = (5, 50, 519, 521)

# Points this close to the region's edge or to a control in front are not sampled:
# they would test the edge's rounding, not the picture.
EDGE_MARGIN = 3


@functools.lru_cache(maxsize=None)
def built_in_picture(name):
    return pictures.read_bmp(harness.RESOURCES_DIR / f"{name}.bmp")


def covered_by_front(name, x, y, margin=1):
    for other, (left, top, right, bottom) in CONTROLS:
        if other == name:
            return False
        if left - margin <= x < right + margin and top - margin <= y < bottom + margin:
            return True
    raise KeyError(name)


def visible_points(window, name, spacing=11):
    """A grid of points of the control that nothing in front of it covers and that
    lie inside the window's region."""
    left, top, right, bottom = RECTS[name]
    return [(x, y)
            for y in range(top + 1, bottom - 1, spacing)
            for x in range(left + 1, right - 1, spacing)
            if not covered_by_front(name, x, y) and window.inside_region(x, y, EDGE_MARGIN)]


def expected_colour(picture_or_colour, name, x, y):
    if isinstance(picture_or_colour, tuple):
        return picture_or_colour
    left, top, _, _ = RECTS[name]
    return picture_or_colour.pixel(x - left, y - top)


def picture_mismatches(screenshot, window, name, shown, tolerance=0):
    """The sampled points of control `name` where the screen does not show `shown`, a
    picture drawn at the control's corner or one solid (r, g, b) colour."""
    mismatches = []
    for x, y in visible_points(window, name):
        expected = expected_colour(shown, name, x, y)
        actual = screenshot.pixel(*window.screen_point(x, y))
        if any(abs(a - e) > tolerance for a, e in zip(actual, expected)):
            mismatches.append(f"{name} at client ({x}, {y}): {actual}, expected {expected}")
    return mismatches


def label_text_pixels(screenshot, window, background, threshold=40):
    """The colours of the label's pixels that differ from what lies behind the label
    (a picture, or a solid colour), that is, of its letters."""
    left, top, right, bottom = RECTS["label"]
    text = []
    for y in range(top, bottom):
        for x in range(left, right):
            if not window.inside_region(x, y, EDGE_MARGIN):
                continue
            actual = screenshot.pixel(*window.screen_point(x, y))
            behind = expected_colour(background, "background", x, y)
            if max(abs(a - b) for a, b in zip(actual, behind)) > threshold:
                text.append(actual)
    return text
