"""How the settings files and the skin folder shape the window at start."""

import random
import unittest

import harness
import window_layout as layout

MISSING_TITLE = "missing *.ini"
MISSING_TEXT = "talqo.ini and/or talqo1.ini not present"


def settings(red=0, green=0, blue=0, skin_flag="False"):
    return (f'demo.txt,"Demo file",900150983cd24fb0d6963f7d28e17f72,'
            f"{red},{green},{blue},{skin_flag}\r\n").encode()


def is_black(colour):
    return max(colour) <= 40


def is_pure_red(colour):
    return colour[0] >= 220 and colour[1] <= 40 and colour[2] <= 40


class StartupTest(harness.TalqoTestCase):
    def shows_window(self, files):
        """Starts talqo.exe with the files; returns the visible window and the settled screen."""
        program = self.launch(self.program_dir(files))
        window = program.wait_for_window()
        return window, self.session.settled_screenshot()

    def assert_caption_colour(self, shot, window, predicate, colour_name, forbid_black=False):
        text = layout.label_text_pixels(shot, window, layout.built_in_picture("background"))
        with self.keeping_screenshot_on_failure(shot):
            self.assertGreater(len(text), 50, "the caption's letters")
            matching = sum(1 for colour in text if predicate(colour))
            self.assertGreater(matching, len(text) * 0.6,
                               f"most of the letters' pixels should be {colour_name}")
            if forbid_black:
                self.assertFalse(any(is_black(colour) for colour in text), "no black letters")


class MissingSettingsTest(StartupTest):
    def test_message_box_comes_before_the_window_and_ok_shows_it(self):
        program = self.launch(self.program_dir(name="talqo demo 1"))
        dialog = program.wait_for_dialog(MISSING_TITLE)
        self.assertEqual(dialog["statics"], [MISSING_TEXT])
        self.assertEqual([text.replace("&", "") for text in dialog["buttons"]], ["OK"])
        main = self.session.probe("window", harness.MAIN_TITLE)
        self.assertFalse(main["found"] and main["visible"],
                         "the window stays hidden while the message is up")

        self.assertTrue(self.session.probe("press", MISSING_TITLE, "OK")["found"])
        window = program.wait_for_window()
        self.assertFalse(self.session.probe("dialog", MISSING_TITLE)["found"])
        self.assertEqual(window.client_size, layout.CLIENT_SIZE)
        self.assertEqual(window.region_box, layout.REGION_BOX)
        shot = self.session.settled_screenshot()
        self.assert_caption_colour(shot, window, is_black, "black")


class SettingsFileTest(StartupTest):
    def test_caption_takes_the_colour_of_the_settings_in_force(self):
        cases = {
            "talqo.ini": {"talqo.ini": settings(255, 0, 0)},
            "talqo1.ini alone": {"talqo1.ini": settings(255, 0, 0)},
            "talqo1.ini over talqo.ini": {"talqo.ini": settings(0, 0, 0),
                                          "talqo1.ini": settings(255, 0, 0)},
        }
        for case, files in cases.items():
            with self.case(case):
                window, shot = self.shows_window(files)
                self.assert_caption_colour(shot, window, is_pure_red, "red (255, 0, 0)",
                                           forbid_black=True)

    def test_damaged_or_huge_settings_files_still_start_the_window(self):
        garbage = b"\0\0\xff\xfe\0," + random.Random(7).randbytes(4096) + b"\0"
        huge = 200 * 1024 * 1024
        cases = {
            "empty": lambda path: path.write_bytes(b""),
            "binary garbage": lambda path: path.write_bytes(garbage),
            "200 MB after a valid line": lambda path: make_sparse(path, settings(), huge),
            "200 MB without a delimiter": lambda path: make_sparse(path, b"", huge),
        }
        for case, write in cases.items():
            with self.case(case):
                folder = self.program_dir()
                write(folder.file("talqo.ini"))
                program = self.launch(folder)
                window = program.wait_for_window()
                self.assertEqual(window.client_size, layout.CLIENT_SIZE)
                self.assertTrue(self.session.probe("close", harness.MAIN_TITLE)["found"])
                self.assertEqual(program.wait_for_exit(), 0)


def make_sparse(path, head, size):
    """A file of `size` bytes: `head`, then zero bytes that take no room on disk."""
    with open(path, "wb") as file:
        file.write(head)
        file.truncate(size)


class SkinTest(StartupTest):
    SKIN_COLOURS = {
        "background": (0, 128, 255),
        "center": (0, 200, 0),
        "top": (255, 255, 0),
        "left": (255, 0, 255),
        "right": (0, 255, 255),
    }

    def skin_files(self, names):
        files = {}
        for name in names:
            left, top, right, bottom = layout.RECTS[name]
            files[f"skin/{name}.bmp"] = harness.solid_bmp(right - left, bottom - top,
                                                          self.SKIN_COLOURS[name])
        return files

    def test_skin_pictures_load_in_order_until_one_is_missing(self):
        everything = tuple(self.SKIN_COLOURS)
        cases = [
            # (case, skin flag, skin files present, pictures expected from the skin)
            ("background only", "T", ("background",), ("background",)),
            ("top.bmp missing", "T", ("background", "center", "left", "right"),
             ("background", "center")),
            ("complete skin", "true", everything, everything),
            ("skin flag off", "False", everything, ()),
        ]
        for case, flag, present, skinned in cases:
            with self.case(case):
                files = {"talqo.ini": settings(skin_flag=flag), **self.skin_files(present)}
                window, shot = self.shows_window(files)
                with self.keeping_screenshot_on_failure(shot):
                    for name in layout.PICTURES:
                        shown = (self.SKIN_COLOURS[name] if name in skinned
                                 else layout.built_in_picture(name))
                        self.assert_no_mismatches(
                            layout.picture_mismatches(shot, window, name, shown))


if __name__ == "__main__":
    unittest.main()
