"""Moving the window by dragging its background, and ending the program by a click on the label."""

import unittest

import harness
import window_layout as layout
from window_moves import BACKGROUND_POINT, DRAG, centre, drag, main_window, shifted

MISSING_TITLE = "missing *.ini"
# The target does not exist, so that a click on the launch button by mistake starts nothing.
SETTINGS = b'absent.txt,"Annual Report 2026.pdf",900150983cd24fb0d6963f7d28e17f72,0,0,0,False\r\n'

# Right of every control: on the form's own surface once the background picture is small.
FORM_SURFACE_POINT = (480, 300)
FRONT_CONTROLS = ("top", "center", "label", "left", "right")
BUTTONS = {"left": 1, "middle": 2, "right": 3}


def inside(rect, x, y):
    left, top, right, bottom = rect
    return left <= x < right and top <= y < bottom


def near_edge(rect, x, y, margin=1):
    left, top, right, bottom = rect
    grown = (left - margin, top - margin, right + margin, bottom + margin)
    shrunk = (left + margin, top + margin, right - margin, bottom - margin)
    return inside(grown, x, y) and not inside(shrunk, x, y)


class MoveTest(harness.TalqoTestCase):
    def start(self, files):
        program = self.launch(self.program_dir(files))
        return program, program.wait_for_window()

    def test_a_drag_on_the_background_with_any_button_moves_the_window_as_far(self):
        # A program of its own for each button: under Wine 8 the move that a right or
        # middle press starts ends only at a left button's release, not at its own.
        for name, button in BUTTONS.items():
            with self.case(f"{name} button"):
                _, window = self.start({"talqo.ini": SETTINGS})
                self.assertTrue(window.inside_region(*BACKGROUND_POINT, layout.EDGE_MARGIN))
                moved = drag(self.session, window, BACKGROUND_POINT, DRAG, button)
                self.assertEqual(moved.window_rect, shifted(window.window_rect, DRAG))
                self.assertEqual(moved.client_size, layout.CLIENT_SIZE)

    def test_a_press_and_drag_on_a_front_control_leaves_the_window_in_place(self):
        program, _ = self.start({"talqo.ini": SETTINGS})
        for index, name in enumerate(FRONT_CONTROLS):
            with self.subTest(control=name):
                window = main_window(self.session)
                start = centre(name)
                self.assertFalse(layout.covered_by_front(name, *start))
                # Released off the control, on the background: no click happens.
                off_control = (BACKGROUND_POINT[0] - start[0], BACKGROUND_POINT[1] - start[1])
                drag(self.session, window, start, off_control, window_follows=False)
                # Input is handled in order, so once a drag on the background has moved the
                # window, the drag on the control has been handled too; had that one moved
                # the window, the second drag would start elsewhere and end elsewhere.
                back_and_forth = DRAG if index % 2 == 0 else (-DRAG[0], -DRAG[1])
                try:
                    moved = drag(self.session, window, BACKGROUND_POINT, back_and_forth)
                except AssertionError as error:
                    raise self.failureException(
                        f"after the drag on {name}, a drag on the background does not move "
                        f"the window as far as the pointer: {error}") from None
                self.assertEqual(moved.window_rect, shifted(window.window_rect, back_and_forth))
                self.assertIsNone(program.exit_status(), f"the drag on {name} ended the program")

    def test_a_small_skin_leaves_the_rest_white_and_a_drag_there_moves_the_window(self):
        skin_colours = {"background": (0, 128, 255), "center": (0, 200, 0),
                        "top": (255, 255, 0), "left": (255, 0, 255), "right": (0, 255, 255)}
        skin_rect = (0, 0, 300, 300)
        files = {"talqo.ini": SETTINGS.replace(b"False", b"T"),
                 "skin/background.bmp": harness.solid_bmp(skin_rect[2], skin_rect[3],
                                                          skin_colours["background"])}
        pictures = [name for name in skin_colours if name != "background"]
        for name in pictures:
            left, top, right, bottom = layout.RECTS[name]
            files[f"skin/{name}.bmp"] = harness.solid_bmp(right - left, bottom - top,
                                                          skin_colours[name])
        _, window = self.start(files)
        shot = self.session.settled_screenshot()

        mismatches = []
        white_points = 0
        for y in range(0, layout.CLIENT_SIZE[1], 7):
            for x in range(0, layout.CLIENT_SIZE[0], 7):
                if (layout.covered_by_front("background", x, y)
                        or not window.inside_region(x, y, layout.EDGE_MARGIN)
                        or near_edge(skin_rect, x, y)):
                    continue
                if inside(skin_rect, x, y):
                    expected = skin_colours["background"]
                else:
                    expected = (255, 255, 255)
                    white_points += 1
                actual = shot.pixel(*window.screen_point(x, y))
                if actual != expected:
                    mismatches.append(f"client ({x}, {y}): {actual}, expected {expected}")
        with self.keeping_screenshot_on_failure(shot):
            self.assertGreater(white_points, 1000)
            self.assert_no_mismatches(mismatches)
            for name in pictures:
                self.assert_no_mismatches(layout.picture_mismatches(
                    shot, window, name, skin_colours[name]))

        self.assertFalse(inside(skin_rect, *FORM_SURFACE_POINT)
                         or layout.covered_by_front("background", *FORM_SURFACE_POINT))
        self.assertTrue(window.inside_region(*FORM_SURFACE_POINT, layout.EDGE_MARGIN))
        moved = drag(self.session, window, FORM_SURFACE_POINT, DRAG)
        self.assertEqual(moved.window_rect, shifted(window.window_rect, DRAG))


class ClosingTest(harness.TalqoTestCase):
    def test_a_click_on_the_label_ends_the_program_with_status_0(self):
        for case, files in {"settings file": {"talqo.ini": SETTINGS},
                            "no settings file": {}}.items():
            with self.case(case):
                program = self.launch(self.program_dir(files))
                if not files:
                    program.wait_for_dialog(MISSING_TITLE)
                    self.assertTrue(self.session.probe("press", MISSING_TITLE, "OK")["found"])
                window = program.wait_for_window()
                self.session.click(*window.screen_point(*centre("label")))
                self.assertEqual(program.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main()
