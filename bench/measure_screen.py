"""Measures lumivane on a real X server (Xvfb): frames per second, and the whole process's CPU time
per frame over about 600 frames. Run from the project folder after a build: python3 bench/measure_screen.py"""
import os
import re
import resource
import signal
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "screen"))
from xscreen import XScreen  # noqa: E402

SECONDS = float(os.environ.get("MEASURE_SECONDS", "10"))

with XScreen() as screen:
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    env = dict(screen.env, LUMIVANE_STATS="1")
    process = screen.start_lumivane(env=env)
    time.sleep(SECONDS)
    process.send_signal(signal.SIGTERM)
    _, stderr = process.communicate(timeout=10)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)

report = stderr.decode()
match = re.search(r"lumivane: (\d+) frames in ([\d.]+) s", report)
if process.returncode != 0 or not match:
    sys.exit(f"lumivane did not report its frames (exit {process.returncode}):\n{report}")
frames, seconds = int(match.group(1)), float(match.group(2))
cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
print(report.strip().splitlines()[-1])
print(f"frames {frames}, {frames / seconds:.2f} per second")
print(f"CPU {cpu:.3f} s in all (Xvfb and openbox not counted), {1000 * cpu / frames:.3f} ms per frame, "
      f"{100 * cpu / seconds:.1f}% of one core")
