"""The label's caption as the pointer moves over the window."""

import unittest

import harness
import window_layout as layout
from window_moves import BACKGROUND_POINT, DRAG, centre, drag

MISSING_TITLE = "missing *.ini"
DISPLAY_NAME = "Annual Report 2026.pdf"
BLUE = (0, 0, 255)
BLACK = (0, 0, 0)
# The band around the label in which nothing may be drawn, in pixels.
BAND = 4
# Crops saved for people to look at show this much of the label's surroundings.
CROP_MARGIN = 8


def settings(display_name, colour):
    red, green, blue = colour
    return (f'absent.txt,"{display_name}",900150983cd24fb0d6963f7d28e17f72,'
            f"{red},{green},{blue},False\r\n").encode()


def background_at(x, y):
    return layout.built_in_picture("background").pixel(x, y)


def label_crop(shot, window, margin=0):
    """The label's rectangle, grown by `margin`, as the screenshot shows it."""
    left, top, right, bottom = layout.RECTS["label"]
    rgb = bytearray()
    for y in range(top - margin, bottom + margin):
        for x in range(left - margin, right + margin):
            rgb += bytes(shot.pixel(*window.screen_point(x, y)))
    return harness.Picture(right - left + 2 * margin, bottom - top + 2 * margin, rgb)


def caption_pixels(shot, window):
    """{(x, y): colour} of the label's pixels that differ from the background picture:
    the label has no background of its own, so these are its letters."""
    left, top, right, bottom = layout.RECTS["label"]
    return {(x, y): shot.pixel(*window.screen_point(x, y))
            for y in range(top, bottom) for x in range(left, right)
            if window.inside_region(x, y, layout.EDGE_MARGIN)
            and shot.pixel(*window.screen_point(x, y)) != background_at(x, y)}


def band_around_label():
    """The client points just outside the label that no other control covers."""
    left, top, right, bottom = layout.RECTS["label"]
    return [(x, y)
            for y in range(top - BAND, bottom + BAND)
            for x in range(left - BAND, right + BAND)
            if not (left <= x < right and top <= y < bottom)
            and not layout.covered_by_front("background", x, y, margin=0)]


def text_lines(points):
    """How many bands of rows, separated by rows without any letter, the points fill."""
    rows = sorted({y for _, y in points})
    return sum(1 for index, row in enumerate(rows) if index == 0 or rows[index - 1] != row - 1)


class CaptionTest(harness.TalqoTestCase):
    def start(self, files):
        program = self.launch(self.program_dir(files))
        if "talqo.ini" not in files:
            program.wait_for_dialog(MISSING_TITLE)
            self.assertTrue(self.session.probe("press", MISSING_TITLE, "OK")["found"])
        return program.wait_for_window()

    def shown_caption(self, window, name):
        """The label's crop once the screen has settled; kept as an artifact `name`."""
        shot = self.session.settled_screenshot()
        self.session.save_screenshot(label_crop(shot, window, CROP_MARGIN), f"captions-{name}")
        return shot, label_crop(shot, window)

    def hover(self, window, point, before):
        """Moves the pointer to client `point` and waits until the label differs from the
        crop `before`."""
        self.session.mouse_move(*window.screen_point(*point))
        try:
            harness.wait_until(
                lambda: label_crop(self.session.screenshot(), window).rgb != before.rgb,
                f"the caption to change when the pointer is at client {point}")
        except TimeoutError as error:
            raise self.failureException(str(error)) from None

    def assert_same_picture(self, actual, expected, message):
        differing = sum(1 for at in range(0, len(actual.rgb), 3)
                        if actual.rgb[at:at + 3] != expected.rgb[at:at + 3])
        if differing:
            self.fail(f"{message}: {differing} of {actual.width * actual.height} pixels differ")

    def assert_caption_fits(self, shot, window, colour, least_lines):
        """The caption is drawn in `colour`, centred, in at least `least_lines` lines, with
        every letter inside the label and nothing in the band around it."""
        text = caption_pixels(shot, window)
        left, top, right, bottom = layout.RECTS["label"]
        with self.keeping_screenshot_on_failure(shot):
            self.assertGreater(len(text), 100, "the caption's letters")
            xs = [x for x, _ in text]
            ys = [y for _, y in text]
            # A letter on the rectangle's edge would be one cut off there.
            self.assertTrue(left < min(xs) and max(xs) < right - 1 and top < min(ys)
                            and max(ys) < bottom - 1,
                            f"the letters span x {min(xs)}..{max(xs)}, y {min(ys)}..{max(ys)}")
            self.assertAlmostEqual((min(xs) + max(xs)) / 2, (left + right - 1) / 2, delta=3,
                                   msg="the lines are centred")
            self.assertGreaterEqual(text_lines(text), least_lines)
            outside = [f"client ({x}, {y}): {shot.pixel(*window.screen_point(x, y))}"
                       for x, y in band_around_label()
                       if window.inside_region(x, y, layout.EDGE_MARGIN)
                       and shot.pixel(*window.screen_point(x, y)) != background_at(x, y)]
            self.assert_no_mismatches(outside)
            # Antialiased edges mix the colour with the background; the letters' cores
            # are the colour itself.
            exact = sum(1 for value in text.values() if value == colour)
            self.assertGreater(exact, len(text) * 0.4, f"the letters are {colour}")
            if colour == BLUE:
                bluish = sum(1 for r, g, b in text.values() if b > max(r, g))
                self.assertGreater(bluish, len(text) * 0.8, "the letters are blue-dominant")

    def test_the_pointer_over_each_caption_target_shows_its_own_fitting_caption(self):
        window = self.start({"talqo.ini": settings(DISPLAY_NAME, BLUE)})
        shot, first = self.shown_caption(window, "first")
        self.assert_caption_fits(shot, window, BLUE, 1)
        self.assertEqual(text_lines(caption_pixels(shot, window)), 1, "T.A.L.Q.O. is one line")

        crops = {"first": first}
        previous = first
        # (target, artifact name, fewest lines: the long captions must wrap)
        for target, name, least_lines in (("top", "launch", 2), ("center", "checksum", 3),
                                          ("label", "credits", 3)):
            with self.subTest(target=target):
                self.hover(window, centre(target), previous)
                shot, crop = self.shown_caption(window, name)
                earlier = dict(crops)
                crops[name] = previous = crop
                self.assert_caption_fits(shot, window, BLUE, least_lines)
                for other, seen in earlier.items():
                    self.assertFalse(crop.rgb == seen.rgb,
                                     f"the {name} caption looks like the {other} one")

        with self.subTest("top again"):
            self.hover(window, centre("top"), previous)
            _, crop = self.shown_caption(window, "launch-again")
            self.assert_same_picture(crop, crops["launch"], "the same caption is drawn the same")

    def test_the_pointer_elsewhere_leaves_the_caption_as_it_is(self):
        window = self.start({"talqo.ini": settings(DISPLAY_NAME, BLUE)})
        _, shown = self.shown_caption(window, "first")
        elsewhere = {
            "left": lambda w: w.screen_point(*centre("left")),
            "right": lambda w: w.screen_point(*centre("right")),
            "background": lambda w: w.screen_point(*BACKGROUND_POINT),
            "outside the ellipse": lambda w: w.window_to_screen(2, layout.REGION_BOX[3] // 2),
            "outside the window": lambda w: (w.window_rect[2] + 40, w.window_rect[1] + 200),
        }
        fences = 0
        # From two captions: a move that wrote either would go unseen from that one alone.
        for caption, target in (("first", None), ("checksum", "center")):
            if target:
                self.hover(window, centre(target), shown)
                _, shown = self.shown_caption(window, caption)
            for place, screen_point in elsewhere.items():
                with self.subTest(caption=caption, pointer=place):
                    self.session.mouse_move(*screen_point(window))
                    # Input is handled in order: once a drag on the background has moved
                    # the window, the move before it has been handled too.
                    offset = DRAG if fences % 2 == 0 else (-DRAG[0], -DRAG[1])
                    fences += 1
                    window = drag(self.session, window, BACKGROUND_POINT, offset)
                    shot = self.session.settled_screenshot()
                    # The next place is compared with what this one left behind, so that a
                    # failure names the place that changed the caption.
                    before, shown = shown, label_crop(shot, window)
                    with self.keeping_screenshot_on_failure(shot):
                        self.assert_same_picture(shown, before, f"the {caption} caption changed")

    def test_without_a_settings_file_the_checksum_caption_is_the_bare_prefix(self):
        # The same prefix with an empty display name, from a settings file with the
        # default colour, black, is the picture to match.
        captions = {}
        for case, files in (("checksum-without-settings", {}),
                            ("checksum-empty-name", {"talqo.ini": settings("", BLACK)})):
            with self.case(case):
                window = self.start(files)
                _, first = self.shown_caption(window, f"{case}-first")
                self.hover(window, centre("center"), first)
                shot, captions[case] = self.shown_caption(window, case)
                self.assert_caption_fits(shot, window, BLACK, 2)
        if len(captions) == 2:  # else a case has failed, and says why
            self.assert_same_picture(captions["checksum-without-settings"],
                                     captions["checksum-empty-name"],
                                     "the caption differs from the prefix with an empty name")


if __name__ == "__main__":
    unittest.main()
