"""The main window as a valid settings file starts it: size, shape, artwork, closing."""

import unittest

import harness
import window_layout as layout

VALID_SETTINGS = b'demo.txt,"Demo file",900150983cd24fb0d6963f7d28e17f72,0,0,0,False\r\n'


class WindowTest(harness.TalqoTestCase):
    @classmethod
    def setUpClass(cls):
        # One start serves the checks that only look: each of them would see the same.
        session = harness.current_session()
        cls.folder = harness.ProgramDir(session.talqo_exe, {"talqo.ini": VALID_SETTINGS},
                                        name="talqo demo 1")
        cls.addClassCleanup(cls.folder.remove)
        session.park_pointer()
        program = harness.RunningProgram(session, cls.folder.exe, cls.folder.path)
        cls.addClassCleanup(program.kill)
        cls.window = program.wait_for_window()
        cls.shot = session.settled_screenshot()

    def test_client_area_is_516_by_529_pixels(self):
        self.assertEqual(self.window.client_size, layout.CLIENT_SIZE)

    def test_the_system_shows_the_built_in_icon(self):
        width, height, pixels = harness.current_session().x_window_icon()
        expected = harness.read_icon(harness.RESOURCES_DIR / "talqo.ico")
        self.assertEqual((width, height), (32, 32))
        self.assertEqual(pixels, expected[2])

    def test_region_is_the_ellipse_below_the_title_bar(self):
        self.assertEqual(self.window.region_box, layout.REGION_BOX)

    def test_every_picture_shows_its_built_in_artwork_at_its_place(self):
        for name in layout.PICTURES:
            with self.subTest(picture=name), self.keeping_screenshot_on_failure(self.shot):
                self.assertGreater(len(layout.visible_points(self.window, name)), 10)
                self.assert_no_mismatches(layout.picture_mismatches(
                    self.shot, self.window, name, layout.built_in_picture(name)))

    def test_outside_the_ellipse_the_window_shows_nothing(self):
        left, top, right, bottom = layout.REGION_BOX
        middle_x, middle_y = (left + right) // 2, (top + bottom) // 2
        window_width = self.window.window_rect[2] - self.window.window_rect[0]
        window_height = self.window.window_rect[3] - self.window.window_rect[1]
        # Pairs of window points just outside and just inside the ellipse's extremes,
        # and the corners of the window, which include its title bar and frame.
        outside = [(left - 1, middle_y), (right, middle_y), (middle_x, top - 1),
                   (middle_x, bottom), (0, 0), (window_width - 1, 0), (0, window_height - 1),
                   (window_width - 1, window_height - 1), (middle_x, 10)]
        inside = [(left + 1, middle_y), (right - 2, middle_y), (middle_x, top + 1),
                  (middle_x, bottom - 2)]
        blank = self.session.blank_screen
        origin_x, origin_y = self.window.client_to_window(0, 0)
        background = layout.built_in_picture("background")
        with self.keeping_screenshot_on_failure(self.shot):
            for x, y in outside:
                screen = self.window.window_to_screen(x, y)
                self.assertEqual(self.shot.pixel(*screen), blank.pixel(*screen),
                                 f"window point ({x}, {y}) should show what lies behind")
            for x, y in inside:
                screen = self.window.window_to_screen(x, y)
                self.assertEqual(self.shot.pixel(*screen),
                                 background.pixel(x - origin_x, y - origin_y),
                                 f"window point ({x}, {y}) should show the background picture")


class ClosingTest(harness.TalqoTestCase):
    def test_closing_the_window_ends_the_program_with_status_0(self):
        program = self.launch(self.program_dir({"talqo.ini": VALID_SETTINGS}))
        program.wait_for_window()
        self.assertTrue(self.session.probe("close", harness.MAIN_TITLE)["found"])
        self.assertEqual(program.wait_for_exit(), 0)


if __name__ == "__main__":
    unittest.main()
