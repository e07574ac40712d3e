#!/usr/bin/python3
"""Compares the almanac's instants with two independent ephemerides.

Usage: compare_instants.py COMMAND...   (the instants program, which may start
with an emulator such as Wine)

Finds each instant again and prints, for each kind, the largest difference in
seconds from its reference:
- the Swiss Ephemeris (its files compressed from JPL's DE431 to 1 mas), for
  the Sun reaching a longitude and the moon's phases, by apparent geocentric
  longitudes of date, in TT, and for the Moon's geometric place on the
  ecliptic of J2000 (its longitude and latitude, in arcseconds);
- PyEphem (libastro), whose own Sun and Moon are some 20 s and 30 s off those
  instants, for Tokyo's sunrise and sunset (the upper limb on the horizon,
  35'08" of refraction, no height) in UT1.
Fails when a difference exceeds its limit."""
import ctypes
import math
import subprocess
import sys

import ephem

DUBLIN_JD = 2415020.0  # PyEphem counts days from this Julian date
PHASES = ["new moon", "first quarter", "full moon", "last quarter"]
LIMITS = {
    "Swiss Ephemeris": {"sun": 2.0, **{name: 0.5 for name in PHASES}, "moon longitude": 0.2, "moon latitude": 0.2},
    "PyEphem": {"sunrise": 1.0, "sunset": 1.0},
}


def newton(angle, target, jd):
    """The Julian date near jd at which angle(jd) = (radians, radians/day) reaches target."""
    for _ in range(20):
        value, rate = angle(jd)
        step = ((target - value + math.pi) % (2 * math.pi) - math.pi) / rate
        jd += step
        if abs(step) < 1e-8:
            return jd
    raise RuntimeError(f"no convergence near {jd}")


class SwissEphemeris:
    name = "Swiss Ephemeris"

    def __init__(self):
        self.library = ctypes.CDLL("libswe.so.2")
        self.library.swe_set_ephe_path(b"/usr/share/libswe/ephe")
        self.library.swe_calc.argtypes = [ctypes.c_double, ctypes.c_int, ctypes.c_int32,
                                          ctypes.POINTER(ctypes.c_double), ctypes.c_char_p]
        self.place = (ctypes.c_double * 6)()
        self.error = ctypes.create_string_buffer(256)

    def longitude(self, body, jd):
        ephemeris_files, with_speed = 2, 256
        flags = self.library.swe_calc(jd, body, ephemeris_files | with_speed, self.place, self.error)
        if flags < 0 or not flags & ephemeris_files:
            raise RuntimeError(f"Swiss Ephemeris without its files: {self.error.value}")
        return math.radians(self.place[0]), math.radians(self.place[3])

    def geometric_moon(self, jd):
        """The Moon's geometric longitude and latitude on the ecliptic of J2000, degrees."""
        ephemeris_files, true_position, j2000, no_deflection, no_aberration = 2, 16, 32, 512, 1024
        flags = ephemeris_files | true_position | j2000 | no_deflection | no_aberration
        if self.library.swe_calc(jd, 1, flags, self.place, self.error) & ephemeris_files == 0:
            raise RuntimeError(f"Swiss Ephemeris without its files: {self.error.value}")
        return self.place[0], self.place[1]

    def sun(self, jd):
        return self.longitude(0, jd)

    def elongation(self, jd):
        (moon, moon_rate), (sun, sun_rate) = self.longitude(1, jd), self.longitude(0, jd)
        return moon - sun, moon_rate - sun_rate


class PyEphem:
    name = "PyEphem"

    def __init__(self):
        self.sun_body = ephem.Sun()
        self.observer = ephem.Observer()
        self.observer.lon, self.observer.lat = "139:44:28.8869", "35:39:29.1572"
        self.observer.elevation, self.observer.pressure, self.observer.horizon = 0, 0, "-0:35:08"

    def crossing(self, kind, ut_jd):
        self.observer.date = ephem.Date(ut_jd - DUBLIN_JD - 0.1)
        found = self.observer.next_rising if kind == "sunrise" else self.observer.next_setting
        return float(found(self.sun_body)) + DUBLIN_JD


def differences(reference, line):
    """Each kind the line gives with its difference from the reference (seconds, or arcseconds for the Moon)."""
    kind, *values = line.split()
    swiss = reference.name == SwissEphemeris.name
    if kind == "moon":
        if not swiss:
            return []
        jd, longitude, latitude = map(float, values)
        their_longitude, their_latitude = reference.geometric_moon(jd)
        return [("moon longitude", ((longitude - their_longitude + 180) % 360 - 180) * 3600),
                ("moon latitude", (latitude - their_latitude) * 3600)]
    second, jd = values[-2], float(values[-1])
    if kind == "sun":
        return [("sun", (newton(reference.sun, math.radians(int(second)), jd) - jd) * 86400.0)] if swiss else []
    if kind == "phase":
        phase = PHASES[int(second)]
        return [(phase, (newton(reference.elongation, int(second) * math.pi / 2, jd) - jd) * 86400.0)] if swiss else []
    kind = "sunrise" if kind == "rise" else "sunset"
    if kind not in LIMITS[reference.name]:
        return []
    return [(kind, (reference.crossing(kind, jd) - jd) * 86400.0)]


def main():
    lines = subprocess.run(sys.argv[1:], check=True, capture_output=True, text=True).stdout.splitlines()
    passed = True
    for reference in (SwissEphemeris(), PyEphem()):
        worst = {kind: (0.0, "") for kind in LIMITS[reference.name]}
        for line in lines:
            for kind, value in differences(reference, line):
                if abs(value) > worst[kind][0]:
                    worst[kind] = (abs(value), line)
        for kind, (seconds, line) in worst.items():
            unit = "″" if kind.startswith("moon ") else " s"
            print(f"{reference.name}: largest {kind} difference {seconds:.2f}{unit} ({line})")
            passed &= seconds <= LIMITS[reference.name][kind]
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
