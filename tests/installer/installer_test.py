#!/usr/bin/env python3
"""VantixSetup.exe under Wine, in a fresh temporary prefix: silent install; files, keys,
shortcuts and the uninstall entry present; a second install refused while the configurator
runs; the configurator started from its Start-menu shortcut draws its window; silent uninstall
leaves nothing behind but the user's save\\ files."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import vantix_wine as vw  # noqa: E402

INSTALL = "Program Files/Dunmo/Peraxil 1800"
MENU = "ProgramData/Microsoft/Windows/Start Menu/Programs/Dunmo Peraxil 1800"
INSTALL_KEY = r"HKLM\Software\Dunmo\Peraxil1800"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\DunmoPeraxil1800"
RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"


def step(text):
    print(f"[installer test] {text}", flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--installer", required=True)
    parser.add_argument("--simulator", required=True)
    parser.add_argument("--shots", required=True)
    parser.add_argument("--version", required=True)
    args = parser.parse_args()
    os.makedirs(args.shots, exist_ok=True)

    prefix = tempfile.mkdtemp(prefix="vantix-install-")
    env = dict(os.environ, WINEPREFIX=prefix, WINEARCH="win64", WINEDEBUG="-all",
               WINEDLLOVERRIDES="mscoree,mshtml=", LANG="C.UTF-8", LC_ALL="C.UTF-8",
               VANTIX_WINEPREFIX=prefix, PERAXIL_SIM_DIR=vw.windows_path(os.path.join(prefix, "store")))
    drive = os.path.join(prefix, "drive_c")

    def wine(*command, check=True, deadline=180):
        # A deadline on every command: a program that never ends fails the test, never hangs it.
        return subprocess.run(["wine", *command], env=env, stdin=subprocess.DEVNULL, capture_output=True,
                              text=True, check=check, timeout=deadline)

    def running(program):
        """Whether a process of this prefix runs `program` (its command line names it)."""
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    if f"WINEPREFIX={prefix}".encode() not in f.read().split(b"\0"):
                        continue
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    if program.encode() in f.read():
                        return True
            except OSError:
                pass
        return False

    def value(key, name):
        result = wine("reg", "query", key, "/v", name, check=False)
        if result.returncode != 0:
            return None
        line = next(line for line in result.stdout.splitlines() if line.strip().startswith(name))
        return line.split(None, 2)[2].strip() if len(line.split(None, 2)) > 2 else ""

    def key_exists(key):
        return wine("reg", "query", key, check=False).returncode == 0

    try:
        # One server for the whole session, on the display every command shares.
        subprocess.run(["wineserver", "-p"], env=env, check=True)
        # The prefix's services outlive wineboot: they must not hold a pipe someone waits on.
        subprocess.run(["wineboot", "-i"], env=env, check=True, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        step("prefix ready")
        installer = shutil.copy(args.installer, os.path.join(drive, "VantixSetup.exe"))

        result = wine(installer, "/S", "/LANGUAGE=german", check=False)
        assert result.returncode == 0, f"silent install exited {result.returncode}"
        step("installed")
        folder = os.path.join(drive, INSTALL)
        for name in ["Vantix.exe", "Peraxil1800Tray.exe", "Uninstall.exe", "xml/MainPage.xml",
                     "xml/Language.xml", "skins/osd_background.bmp", "fonts/LiberationSans-Regular.ttf",
                     "lang/German.lng", "lang/Japanese.lng", "Manuals/index.html"]:
            assert os.path.isfile(os.path.join(folder, name)), f"{name} is not installed"
        assert os.path.isdir(os.path.join(folder, "save")), "no save folder"
        for name in ["Peraxil 1800 Configurator.lnk", "User Manual.lnk", "Uninstall.lnk"]:
            assert os.path.isfile(os.path.join(drive, MENU, name)), f"no shortcut {name}"

        install_dir = "C:\\" + INSTALL.replace("/", "\\")
        assert value(INSTALL_KEY, "Language") == "German", "the language is spelled as the program reads it"
        assert value(INSTALL_KEY, "InstallDir") == install_dir
        assert value(RUN_KEY, "Peraxil1800Tray") == f'"{install_dir}\\Peraxil1800Tray.exe"'
        assert value(UNINSTALL_KEY, "DisplayName") == "Dunmo Peraxil 1800 Configurator"
        assert value(UNINSTALL_KEY, "Publisher") == "Dunmo"
        assert value(UNINSTALL_KEY, "DisplayVersion") == args.version
        assert value(UNINSTALL_KEY, "UninstallString") == f'"{install_dir}\\Uninstall.exe"'
        assert value(UNINSTALL_KEY, "DisplayIcon") == f'"{install_dir}\\Vantix.exe",0'
        assert int(value(UNINSTALL_KEY, "EstimatedSize"), 16) > 1000, "the size is given in KiB"

        # The user's own file in save\, which the uninstaller must keep.
        with open(os.path.join(folder, "save", "Racing.dnp"), "w") as profile:
            profile.write("[PROFILE]\n")

        step("files, shortcuts and keys checked")
        # The configurator from its shortcut, against the simulated mouse registered here.
        wine("regsvr32", "/s", vw.windows_path(args.simulator))
        shortcut = "C:\\" + MENU.replace("/", "\\") + "\\Peraxil 1800 Configurator.lnk"
        # Started programs keep whatever output they are given: none, so nobody waits for it.
        subprocess.run(["wine", "start", shortcut], env=env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        main_window = vw.wait_for(lambda: next((w for w in vw.visible_windows() if "Peraxil" in w[1] and w[4] >= 900),
                                               None), "the configurator's window", deadline=60)

        def drawn():
            screen = vw.Screen()
            colours = {screen.pixel(x, main_window[3] + main_window[5] // 2)
                       for x in range(main_window[2], main_window[2] + main_window[4], 8)}
            return len(colours) > 5

        vw.wait_for(drawn, "the installed configurator to draw its window", deadline=60)
        vw.Screen(os.path.join(args.shots, "installed-configurator.png"))
        step("the configurator drew its window")
        # A second install over the running configurator is refused and changes nothing.
        refused = wine(installer, "/S", check=False)
        assert refused.returncode == 2, f"install over a running configurator exited {refused.returncode}"
        wine("taskkill", "/IM", "Vantix.exe", check=False)
        vw.wait_for(lambda: not running("Vantix.exe"), "the configurator's process to end", deadline=60)

        step("second install refused; uninstalling")
        # As Windows' own uninstall does: the uninstaller started from a copy outside the folder
        # it removes, told the folder (_?=), so its end is the end of the work and its exit code
        # says how it went. The tray companion the configurator started is still running.
        assert running("Peraxil1800Tray.exe"), "the configurator did not start its tray companion"
        copy_folder = os.path.join(drive, "uninstall-copy")
        os.makedirs(copy_folder)
        shutil.copy(os.path.join(folder, "Uninstall.exe"), copy_folder)
        # _?= ends the command line unquoted, spaces and all: cmd passes it on as it stands.
        uninstall = wine("cmd", "/c", f"C:\\uninstall-copy\\Uninstall.exe /S _?={install_dir}", check=False,
                         deadline=240)
        assert uninstall.returncode == 0, f"silent uninstall exited {uninstall.returncode}"
        vw.wait_for(lambda: not os.path.exists(os.path.join(folder, "Uninstall.exe")), "the uninstaller's files to go",
                    deadline=60)
        vw.wait_for(lambda: not running("Peraxil1800Tray.exe"), "the tray companion to end", deadline=60)
        left = sorted(os.path.relpath(os.path.join(d, f), folder) for d, _, files in os.walk(folder) for f in files)
        assert left == [os.path.join("save", "Racing.dnp")], f"left behind: {left}"
        assert not os.path.exists(os.path.join(drive, MENU)), "the Start-menu folder is left"
        assert not key_exists(INSTALL_KEY) and not key_exists(UNINSTALL_KEY), "keys are left"
        assert value(RUN_KEY, "Peraxil1800Tray") is None, "the tray still starts at sign-in"
        print("installer under Wine: 1 passed, 0 failed")
        return 0
    finally:
        subprocess.run(["wineserver", "-k"], env=env, capture_output=True)
        subprocess.run(["wineserver", "-w"], env=env, capture_output=True, timeout=60)
        shutil.rmtree(prefix, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
