#!/usr/bin/env python3
"""End to end under Wine: Peraxil1800Tray.exe over the simulated mouse, driven with real X input.

A program window started under the name of a tied program is clicked to the front: the store
shows the tied profile active and the on-screen display shows its name, then goes; another
window clicked to the front brings the previous profile back. The notification icon's menu,
opened with a right click, lists the profiles and a click on one makes it active."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import vantix_wine as vw  # noqa: E402

DISPLAY_SIZE = (320, 104)


def window_named(name):
    return next((w for w in vw.visible_windows() if w[1] == name), None)


def display_window():
    return next((w for w in vw.visible_windows() if (w[4], w[5]) == DISPLAY_SIZE), None)


def centre(window):
    return window[2] + window[4] // 2, window[3] + window[5] // 2


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--helper", required=True)
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()
    os.makedirs(args.shots, exist_ok=True)

    work = tempfile.mkdtemp(prefix="vantix-tray-")
    processes = []
    try:
        store = os.path.join(work, "store")
        game = os.path.join(work, "TiedGame.exe")
        other = os.path.join(work, "Other.exe")
        shutil.copy(args.helper, game)
        shutil.copy(args.helper, other)
        # The tied path as a user might have typed it: other letter case, forward slashes.
        tied = vw.windows_path(game).upper().replace("\\", "/")
        vw.write_store(store, [
            {"name": "Default", "id": bytes(range(1, 17)), "resolution": 800, "switches": 6},
            {"name": "Racing", "id": bytes(range(17, 33)), "resolution": 1800, "path": tied, "switches": 7},
        ], active=0)
        env = dict(os.environ, PERAXIL_SIM_DIR=vw.windows_path(store))
        tray = os.path.join(args.program_dir, "Peraxil1800Tray.exe")

        def start(*command):
            process = subprocess.Popen([args.wine_run, *map(str, command)], env=env, stdin=subprocess.DEVNULL,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            processes.append(process)
            return process

        start(tray)
        tray_area = vw.wait_for(lambda: window_named("Wine System Tray"), "the notification icon")
        second = start(tray)
        assert second.wait(timeout=vw.DEADLINE) == 0, "a second copy must end quietly"

        start(other, "Other program", 60, 300)
        start(game, "Tied game", 420, 300)
        other_window = vw.wait_for(lambda: window_named("Other program"), "the other program's window")
        game_window = vw.wait_for(lambda: window_named("Tied game"), "the tied program's window")

        vw.click(*centre(other_window))
        vw.click(*centre(game_window))
        vw.wait_for(lambda: vw.read_active_profile(store) == "Racing", "Racing active on the mouse")
        shown = vw.wait_for(display_window, "the on-screen display")
        assert shown[1] == "Racing", f"the display names {shown[1]!r}"
        screen = vw.Screen(os.path.join(args.shots, "tray-display.png"))
        r, g, b = screen.pixel(shown[2] + DISPLAY_SIZE[0] // 2, shown[3] + 99)
        assert g > 150 and r < 120 and b < 140, f"the display's accent rule is {(r, g, b)}"
        text = [screen.pixel(x, shown[3] + 55) for x in range(shown[2] + 100, shown[2] + 220)]
        assert any(min(p) > 200 for p in text), "the profile's name is drawn in white"
        # Click-through: the display does not take the focus or the clicks from the program.
        vw.wait_for(lambda: display_window() is None, "the display to go", deadline=10)

        vw.click(*centre(other_window))
        vw.wait_for(lambda: vw.read_active_profile(store) == "Default", "Default back on the mouse")
        vw.wait_for(lambda: display_window() and display_window()[1] == "Default", "the display of Default")

        # The menu of the notification icon: a right click on the icon.
        vw.wait_for(lambda: display_window() is None, "the display to go", deadline=10)
        before = {w[0] for w in vw.visible_windows()}
        vw.click(tray_area[2] + 13, tray_area[3] + tray_area[5] - 13, button=3)
        menu = vw.wait_for(lambda: next((w for w in vw.visible_windows() if w[0] not in before), None), "the menu")
        screen = vw.Screen(os.path.join(args.shots, "tray-menu.png"))
        column = menu[2] + 8
        separators = [y for y in range(menu[3] + 2, menu[3] + menu[5] - 2)
                      if screen.pixel(column, y) != (255, 255, 255) and screen.pixel(column, y - 1) == (255, 255, 255)
                      and screen.pixel(column, y + 1) == (255, 255, 255)]
        assert len(separators) == 3, f"separators at {separators}"
        # Between the first two separators: Default, then Racing.
        racing_y = separators[0] + (separators[1] - separators[0]) * 3 // 4
        vw.click(menu[2] + 40, racing_y)
        vw.wait_for(lambda: vw.read_active_profile(store) == "Racing", "Racing chosen from the menu")
        vw.wait_for(lambda: display_window() and display_window()[1] == "Racing", "the display of Racing")
        print("tray end to end: 1 passed, 0 failed")
        return 0
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
