"""Which settings file the launcher reads and how it reads it, seen in the caption's
colour: a folder is no settings file, and a UTF-16 file reads the same in either byte
order."""

import unittest

import harness
import window_layout as layout

MISSING_TITLE = "missing *.ini"


def settings_text(red, green, blue):
    return f'demo.txt,"Démo file",900150983cd24fb0d6963f7d28e17f72,{red},{green},{blue},False\r\n'


def is_pure(colour, channel):
    return all(value >= 220 if index == channel else value <= 40
               for index, value in enumerate(colour))


class SettingsFilesTest(harness.TalqoTestCase):
    def assert_caption_in(self, files, channel, colour_name):
        """Starts the launcher with the files and checks that the caption's letters are
        drawn in the one pure colour of that channel (0 red, 1 green, 2 blue)."""
        folder = self.program_dir()
        for name, data in files.items():
            if data is None:
                folder.file(name).mkdir()
            else:
                folder.write(name, data)
        program = self.launch(folder)
        window = program.wait_for_window()
        self.assertFalse(self.session.probe("dialog", MISSING_TITLE)["found"])
        shot = self.session.settled_screenshot()
        text = layout.label_text_pixels(shot, window, layout.built_in_picture("background"))
        with self.keeping_screenshot_on_failure(shot):
            self.assertGreater(len(text), 50, "the caption's letters")
            matching = sum(1 for colour in text if is_pure(colour, channel))
            self.assertGreater(matching, len(text) * 0.6,
                               f"most of the letters' pixels should be {colour_name}")

    def test_a_utf16_file_gives_its_colour_in_either_byte_order(self):
        cases = {
            "big-endian": b"\xfe\xff" + settings_text(0, 255, 0).encode("utf-16-be"),
            "little-endian": b"\xff\xfe" + settings_text(0, 255, 0).encode("utf-16-le"),
        }
        for case, data in cases.items():
            with self.case(case):
                self.assert_caption_in({"talqo.ini": data}, 1, "green (0, 255, 0)")

    def test_a_folder_named_talqo1_ini_leaves_talqo_ini_in_force(self):
        self.assert_caption_in({"talqo1.ini": None, "talqo.ini": settings_text(255, 0, 0).encode()},
                               0, "red (255, 0, 0)")


if __name__ == "__main__":
    unittest.main()
