"""GO! and the knight name the same file, whatever its name holds: characters that the
system code page (1252 in the test prefix) lacks, a look-alike of another file's name,
a fullwidth quotation mark, a full path, a program folder with a Greek name.

target_recorder.exe stands in for the target: copied under the target's name, it appends
the path it was started from, its command line and its working directory to recorder.log
beside itself. The stand-in for md5sum.exe in the system folder records the command line
that the knight gives it.
"""

import unittest

import action_support as support
import harness

INPUT_TITLE = "MD5 Checksum Compare"
UTF8_MARK = b"\xef\xbb\xbf"


def settings_in(encoding, target):
    """A talqo.ini naming `target`: "cp1252" without a mark, "utf-8" with its mark."""
    line = f'"{target}","Demo file",00000000000000000000000000000000,0,0,0,False\r\n'
    if encoding == "cp1252":
        return line.encode("cp1252")
    return UTF8_MARK + line.encode("utf-8")


class NamesAndPathsTest(support.ActionTestCase):
    def setUp(self):
        self.tool_command_lines = support.install_checksum_tool_recorder(self.session)

    def check_names(self, folder, expected_path):
        """Clicks the knight of a launcher in `folder`; checks that the tool was given
        `expected_path` in quotes as its one parameter, and nothing else."""
        program = self.launch(folder)
        window = program.wait_for_window()
        runs_before = len(self.tool_command_lines())
        self.session.click(*support.control_point(window, "center"))
        program.wait_for_dialog(INPUT_TITLE)
        command_lines = harness.wait_until(
            lambda: self.tool_command_lines()[runs_before:], "the checksum tool to start")
        self.assertEqual(len(command_lines), 1)
        self.assertTrue(command_lines[0].endswith(f' "{support.windows_path(expected_path)}"'),
                        f"{command_lines[0]!r} should end with the quoted {expected_path}")
        self.end(program)

    def go(self, folder):
        """Clicks GO! of a launcher in `folder` and waits for the launcher to end."""
        program = self.launch(folder)
        window = program.wait_for_window()
        self.session.click(*support.control_point(window, "top"))
        self.assertEqual(program.wait_for_exit(), 0)

    def test_names_reach_both_shell_calls_exactly_as_the_settings_give_them(self):
        cases = [
            # (target, how talqo.ini is written, a file whose name the code page's
            #  nearest characters would give instead, or None)
            ("café.exe", "cp1252", None),
            ("Ωμέγα.exe", "utf-8", None),
            ("中文.exe", "utf-8", None),
            ("Łódź.exe", "utf-8", "Lódz.exe"),
            ("Ω\uff02 x.exe", "utf-8", None),
        ]
        for target, encoding, decoy in cases:
            with self.case(target):
                folder = self.program_dir({"talqo.ini": settings_in(encoding, target)},
                                          name="talqo demo")
                log = self.put_recorder(folder.path, target)
                if decoy:
                    self.put_recorder(folder.path, decoy)

                self.check_names(folder, folder.file(target))
                self.go(folder)
                # One recorder.log serves the target and the decoy: only the target wrote.
                self.assert_started_once(log, folder.file(target), folder.path)

    def test_a_full_path_is_checked_as_itself(self):
        target = self.other_folder() / "target.exe"
        target.write_bytes(b"elsewhere")
        folder = self.program_dir(
            {"talqo.ini": settings_in("utf-8", support.windows_path(target))}, name="talqo demo")
        self.check_names(folder, target)

    def test_a_program_folder_with_a_greek_name(self):
        folder = self.program_dir({"talqo.ini": settings_in("utf-8", "target.exe")},
                                  name="Σοφία")
        log = self.put_recorder(folder.path, "target.exe")
        self.check_names(folder, folder.file("target.exe"))
        self.go(folder)
        self.assert_started_once(log, folder.file("target.exe"), folder.path)


if __name__ == "__main__":
    unittest.main()
