"""GO!: the launcher has the shell open the settings' target, then ends with status 0.

target_recorder.exe stands in for the target: copied under the target's name, it
appends the path it was started from, its command line and its working directory to
recorder.log beside itself.
"""

import unittest

import action_support as support
import harness

MISSING_SETTINGS_TITLE = "missing *.ini"


class LaunchTest(support.ActionTestCase):
    def click_go(self, program):
        """Clicks GO! once the window is up and waits for the launcher to end. Returns its
        exit status and every other window that its process showed meanwhile."""
        window = program.wait_for_window()
        self.session.click(*support.control_point(window, "top"))
        shown = {}

        def ended():
            for other in support.other_windows(self.session, program.windows_pid):
                shown.setdefault(other["hwnd"], other)
            return program.exit_status() is not None

        try:
            harness.wait_until(ended, "the launcher to end")
        except TimeoutError as error:
            path = self.session.save_screenshot(self.session.screenshot(), self.id())
            self.fail(f"{error}; it showed {list(shown.values())}; the screen is in {path}")
        return program.exit_status(), list(shown.values())

    def test_go_opens_the_target_beside_the_launcher_and_ends_it_with_status_0(self):
        for name in ("target.exe", "my target.exe"):
            with self.case(name):
                folder = self.program_dir({"talqo.ini": support.settings_file(name)},
                                          name="talqo demo")
                log = self.put_recorder(folder.path, name)
                status, shown = self.click_go(self.launch(folder))
                self.assertEqual(shown, [])
                self.assertEqual(status, 0)
                self.assert_started_once(log, folder.file(name), folder.path)

    def test_bare_name_means_the_file_beside_the_launcher_wherever_it_was_started(self):
        folder = self.program_dir({"talqo.ini": support.settings_file("target.exe")},
                                  name="talqo demo")
        log = self.put_recorder(folder.path, "target.exe")
        start_folder = self.other_folder()
        decoy_log = self.put_recorder(start_folder, "target.exe")

        status, shown = self.click_go(self.launch(folder, cwd=start_folder))

        self.assertEqual(shown, [])
        self.assertEqual(status, 0)
        self.assert_started_once(log, folder.file("target.exe"), folder.path)
        self.assertEqual(support.log_records(decoy_log), [])

    def test_full_path_opens_that_file_with_the_launchers_folder_as_working_directory(self):
        target_folder = self.other_folder()
        target = target_folder / "target.exe"
        settings = support.settings_file(support.windows_path(target))
        folder = self.program_dir({"talqo.ini": settings}, name="talqo demo")
        log = self.put_recorder(target_folder, "target.exe")
        decoy_log = self.put_recorder(folder.path, "target.exe")

        status, shown = self.click_go(self.launch(folder))

        self.assertEqual(shown, [])
        self.assertEqual(status, 0)
        self.assert_started_once(log, target, folder.path)
        self.assertEqual(support.log_records(decoy_log), [])

    def test_missing_target_shows_nothing_and_still_ends_the_launcher(self):
        # The shell runs inside the launcher's process, so a message of the shell's own
        # would be counted here too; Wine 8's shell only answers "file not found" (2).
        folder = self.program_dir({"talqo.ini": support.settings_file("missing.exe")},
                                  name="talqo demo")
        status, shown = self.click_go(self.launch(folder))
        self.assertEqual(shown, [])
        self.assertEqual(status, 0)

    def test_without_settings_go_still_ends_the_launcher(self):
        # The target is then empty, which the shell turns down without a word.
        program = self.launch(self.program_dir(name="talqo demo"))
        program.wait_for_dialog(MISSING_SETTINGS_TITLE)
        self.assertTrue(self.session.probe("press", MISSING_SETTINGS_TITLE, "OK")["found"])
        status, shown = self.click_go(program)
        self.assertEqual(shown, [])
        self.assertEqual(status, 0)


if __name__ == "__main__":
    unittest.main()
