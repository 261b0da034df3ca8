"""A private X server (Xvfb with openbox) for running the real lumivane and reading its screen back."""
import os
import signal
import subprocess
import time

WIDTH, HEIGHT = 1280, 720
LUMIVANE = os.environ.get("LUMIVANE", "build/default/lumivane")


def wait_for(condition, timeout, interval=0.05):
    """Polls until condition() is true; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


class XScreen:
    """Xvfb on a free display number, with a window manager, as a desktop user has."""

    def __enter__(self):
        read_fd, write_fd = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{WIDTH}x{HEIGHT}x24", "-nolisten", "tcp"],
            pass_fds=[write_fd], stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.window_manager = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL)
        # openbox is ready once it owns the screen's window manager selection.
        wait_for(lambda: self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).returncode == 0 and
                 b"window id" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout, 10)
        return self

    def __exit__(self, *exc):
        for process in (self.window_manager, self.server):
            process.terminate()
            process.wait(5)

    def run(self, command):
        return subprocess.run(command, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

    def screenshot(self):
        """The whole screen as bytes of red, green, blue, row by row."""
        data = self.run(["import", "-silent", "-window", "root", "-depth", "8", "rgb:-"]).stdout
        return data if len(data) == WIDTH * HEIGHT * 3 else None

    def key(self, name):
        self.run(["xdotool", "key", name])

    def move_pointer(self, x, y):
        self.run(["xdotool", "mousemove", str(x), str(y)])

    def start_lumivane(self, *arguments, env=None):
        return subprocess.Popen([LUMIVANE, *arguments], env=env or self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)


def pixel(shot, x, y):
    offset = 3 * (y * WIDTH + x)
    return shot[offset], shot[offset + 1], shot[offset + 2]


def stop(process):
    """Ends a process if it still runs, and closes its pipes."""
    if process.poll() is None:
        process.send_signal(signal.SIGKILL)
    process.communicate()
