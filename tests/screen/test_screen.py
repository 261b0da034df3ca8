"""The real lumivane on a real X server: what a user sees, and how it ends."""
import os
import signal
import subprocess
import time
import unittest

from xscreen import HEIGHT, WIDTH, XScreen, pixel, stop, wait_for

# 1280 x 720 holds the 4:3 picture as 960 x 720 with bars of 160 at either side.
LEFT, RIGHT = 160, 1120
SAMPLE_STEP = 8


def region_pixels(shot):
    for y in range(0, HEIGHT, SAMPLE_STEP):
        for x in range(LEFT + 4, RIGHT - 4, SAMPLE_STEP):
            yield pixel(shot, x, y)


def bar_pixels(shot):
    for y in range(0, HEIGHT, SAMPLE_STEP):
        for x in list(range(0, LEFT - 2, SAMPLE_STEP)) + list(range(RIGHT + 2, WIDTH, SAMPLE_STEP)):
            yield pixel(shot, x, y)


def lit(shot):
    """The share of the picture region that is not black."""
    values = list(region_pixels(shot))
    return sum(1 for p in values if max(p) > 8) / len(values)


class ScreenTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.screen = XScreen().__enter__()

    @classmethod
    def tearDownClass(cls):
        cls.screen.__exit__(None, None, None)

    def start(self, *arguments):
        process = self.screen.start_lumivane(*arguments)
        self.addCleanup(stop, process)
        shot = wait_for(lambda: (s := self.screen.screenshot()) is not None and lit(s) > 0.5 and s, 30)
        self.assertTrue(shot, "the picture never appeared")
        return process

    def assert_ends_with_zero(self, process, within):
        started = time.monotonic()
        try:
            code = process.wait(within)
        except subprocess.TimeoutExpired:
            self.fail(f"still running {within} s later")
        errors = process.stderr.read().decode()
        self.assertEqual(code, 0, errors)
        self.assertNotIn("not released", errors)
        return time.monotonic() - started

    def assert_still_running(self, process, seconds):
        time.sleep(seconds)
        self.assertIsNone(process.poll(), "the program ended")

    def test_picture_fills_the_height_with_black_bars_and_animates_in_blue(self):
        self.start()
        first = self.screen.screenshot()
        self.assertGreater(lit(first), 0.8)
        self.assertTrue(all(p == (0, 0, 0) for p in bar_pixels(first)), "the bars are black")
        self.assertTrue(all(r == 0 and g == 0 for r, g, b in region_pixels(first)), "the blue ramp is only blue")
        changed = wait_for(lambda: (s := self.screen.screenshot()) is not None and s != first, 5)
        self.assertTrue(changed, "two screenshots apart are the same")

    def test_a_letter_moves_on_to_the_hue_wheel(self):
        self.start()
        self.screen.key("a")

        def hue_wheel_shows():
            shot = self.screen.screenshot()
            if shot is None:
                return False
            values = list(region_pixels(shot))
            reds = sum(1 for r, g, b in values if r > 200 and b < 60)
            greens = sum(1 for r, g, b in values if g > 200 and r < 60)
            return reds > len(values) // 50 and greens > len(values) // 50

        self.assertTrue(wait_for(hue_wheel_shows, 5), "no hue wheel colours after a letter key")

    def test_system_keys_neither_skip_nor_close(self):
        process = self.start()
        # One at a time: an even number of skips would come back round to the blue ramp.
        for key in ("F10", "alt+a", "alt+5"):
            with self.subTest(key=key):
                self.screen.key(key)
                self.assert_still_running(process, 0.7)
                shot = self.screen.screenshot()
                self.assertTrue(all(r == 0 and g == 0 for r, g, b in region_pixels(shot)), "still the blue ramp")

    def test_escape_and_f12_end_it_within_two_seconds(self):
        for key in ("Escape", "F12"):
            with self.subTest(key=key):
                process = self.start()
                self.screen.key(key)
                self.assert_ends_with_zero(process, 2)

    def test_screensaver_mode_ends_on_a_letter(self):
        process = self.start("s")
        self.screen.key("q")
        self.assert_ends_with_zero(process, 2)

    def test_pointer_movement_ends_it_in_neither_mode(self):
        for arguments in ((), ("/s",)):
            with self.subTest(arguments=arguments):
                process = self.start(*arguments)
                for x, y in ((100, 100), (640, 360), (900, 500), (10, 700)):
                    self.screen.move_pointer(x, y)
                    time.sleep(0.1)
                self.assert_still_running(process, 1)
                self.assertGreater(lit(self.screen.screenshot()), 0.8, "the picture stays")
                self.screen.key("Escape")
                self.assert_ends_with_zero(process, 2)

    def cpu_ticks(self, process):
        with open(f"/proc/{process.pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])  # user and system time

    def assert_animating(self):
        first = self.screen.screenshot()
        self.assertTrue(wait_for(lambda: (s := self.screen.screenshot()) is not None and s != first and lit(s) > 0.8, 5),
                        "the picture is not back and moving")

    def test_losing_focus_pauses_without_cpu_and_coming_back_restores_the_picture(self):
        process = self.start()
        other = subprocess.Popen(["xmessage", "-center", "another window"], env=self.screen.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(stop, other)
        # Once inactive the screen stands still.
        still = wait_for(lambda: (a := self.screen.screenshot()) is not None and
                         (time.sleep(0.3) or a == self.screen.screenshot()), 5)
        self.assertTrue(still, "the animation goes on behind another window")
        ticks = self.cpu_ticks(process)
        time.sleep(2)
        per_second = (self.cpu_ticks(process) - ticks) / 2 / os.sysconf("SC_CLK_TCK")
        self.assertLess(per_second, 0.05, "an inactive lumivane should sleep, not spin")
        stop(other)
        self.assert_animating()
        self.assertIsNone(process.poll())

    def test_minimised_and_restored_it_comes_back(self):
        process = self.start()
        window = self.screen.run(["xdotool", "search", "--name", "^Lumivane$"]).stdout.split()[0].decode()
        self.screen.run(["xdotool", "windowminimize", window])
        time.sleep(0.5)
        self.screen.run(["xdotool", "windowactivate", window])
        self.screen.move_pointer(640, 360)
        self.assert_animating()
        self.assertIsNone(process.poll())

    def test_sigterm_ends_it_normally(self):
        process = self.start()
        process.send_signal(signal.SIGTERM)
        self.assert_ends_with_zero(process, 2)


class NoDisplayTest(unittest.TestCase):
    def test_reports_the_failure_and_exits_zero(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER")}
        result = subprocess.run([os.environ.get("LUMIVANE", "build/default/lumivane")], env=env,
                                capture_output=True, timeout=20)
        self.assertEqual(result.returncode, 0)
        self.assertIn(b"DirectDraw Init FAILED", result.stderr)
        self.assertIn(b"Lumivane", result.stderr)


if __name__ == "__main__":
    unittest.main()
