"""Helpers of the end-to-end tests that drive Windows programs under Wine on an X display:
starting programs, waiting on conditions with deadlines, real X input through xdotool, pixels
of the screen, and the simulated mouse's store (its format is in docs/simulator.md)."""

import os
import struct
import subprocess
import time
import zlib

DEADLINE = 30.0


def wait_for(condition, what, deadline=DEADLINE):
    """Waits until condition() returns something true and returns it; fails after the deadline."""
    end = time.monotonic() + deadline
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def xdotool(*arguments):
    return subprocess.run(["xdotool", *map(str, arguments)], check=True, capture_output=True, text=True).stdout


def click(x, y, button=1):
    xdotool("mousemove", x, y, "click", button)


def visible_windows():
    """(id, name, x, y, width, height) of the visible X windows."""
    result = []
    listing = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", ""], capture_output=True, text=True)
    for line in listing.stdout.split():
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", line], capture_output=True,
                                  text=True).stdout
        values = dict(item.split("=", 1) for item in geometry.split() if "=" in item)
        name = subprocess.run(["xdotool", "getwindowname", line], capture_output=True, text=True).stdout.strip()
        if values:
            result.append((int(line), name, int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                           int(values["HEIGHT"])))
    return result


class Screen:
    """One picture of the whole screen, kept as a PNG and readable pixel by pixel."""

    def __init__(self, png=None):
        self.png = png
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], check=True,
                             capture_output=True).stdout
        size = subprocess.run(["xdpyinfo"], capture_output=True, text=True).stdout
        dimensions = next(line for line in size.splitlines() if "dimensions:" in line).split()[1]
        self.width, self.height = map(int, dimensions.split("x"))
        self.pixels = raw
        if png:
            subprocess.run(["convert", "-size", f"{self.width}x{self.height}", "-depth", "8", "rgb:-", png],
                           input=raw, check=True)

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.pixels[offset:offset + 3])


# --- the simulated mouse's store -------------------------------------------------------------



def _text(value):
    units = value.encode("utf-16-le")
    return struct.pack("<I", len(units) // 2) + units


def write_store(folder, profiles, active):
    """A store of the Peraxil 1800 (product 0x0020) holding `profiles`, dicts with name, id (16
    bytes), resolution, path, switches (bits 1 auto, 2 resolution display, 4 profile display);
    `active` is an index."""
    payload = struct.pack("<IIIIIiII", 0x20, 8, 0, 5, len(profiles), active, 0, 0)
    for profile in profiles:
        resolution = profile.get("resolution", 800)
        path = profile.get("path", "")
        payload += profile["id"] + struct.pack("<IIIIIII", resolution, resolution, 1000, 1000, 3,
                                               1 if path else 0, profile.get("switches", 0))
        payload += _text(profile["name"]) + _text(path) + struct.pack("<I", 0)
    header = struct.pack("<4sHHIII", b"PXSM", 1, 1, 24, len(payload), zlib.crc32(payload) & 0xFFFFFFFF) + b"\0" * 4
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "device-0020.store"), "wb") as store:
        store.write(header + payload)


def read_active_profile(folder):
    """The name of the active profile in the store; None while the store cannot be read."""
    try:
        with open(os.path.join(folder, "device-0020.store"), "rb") as store:
            data = store.read()
    except OSError:
        return None
    payload = data[24:]
    count, active = struct.unpack_from("<Ii", payload, 16)
    offset = 32
    names = []
    for _ in range(count):
        offset += 44
        length = struct.unpack_from("<I", payload, offset)[0]
        names.append(payload[offset + 4:offset + 4 + 2 * length].decode("utf-16-le"))
        offset += 4 + 2 * length
        length = struct.unpack_from("<I", payload, offset)[0]
        offset += 4 + 2 * length
        buttons = struct.unpack_from("<I", payload, offset)[0]
        offset += 4 + 32 * buttons
    return names[active] if 0 <= active < count else None
