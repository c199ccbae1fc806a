#!/usr/bin/env python3
"""Writes data/conversions.txt: &u conversions with their values worked out at 40 digits from the
exact definitions typed in below (not from Orvo's table), each row with its source.

When GNU units is installed, each row is also asked of it (`units -t FROM TO`) and any
disagreement beyond 1e-12 is reported; GNU units is a second opinion, never the value written.
Run: python3 make_conversions.py > data/conversions.txt
"""
import re
import shutil
import subprocess
import sys

from mpmath import mp, mpf, pi

mp.dps = 40

# Definitions, with their sources.
inch = mpf("0.0254")             # NIST SP 811 B.8
foot = 12 * inch                 # NIST SP 811
mile = 5280 * foot               # NIST SP 811: 1609.344 m
nmi = mpf(1852)                  # NIST SP 811
pound = mpf("0.45359237")        # NIST SP 811: avoirdupois pound
g0 = mpf("9.80665")              # NIST SP 811: standard acceleration of gravity
lbf = pound * g0                 # NIST SP 811
gallon = 231 * inch**3           # NIST SP 811: US gallon
gallon_uk = mpf("4.54609e-3")    # NIST SP 811: imperial gallon
atm = mpf(101325)                # NIST SP 811
mmhg = mpf("133.322387415")      # NIST SP 811: conventional millimetre of mercury
cal = mpf("4.184")               # NIST SP 811: thermochemical calorie
btu = mpf("1055.05585262")       # NIST SP 811: International Table BTU
h = mpf("6.62607015e-34")        # SI Brochure: exact
e = mpf("1.602176634e-19")       # SI Brochure: exact
k = mpf("1.380649e-23")          # SI Brochure: exact
na = mpf("6.02214076e23")        # SI Brochure: exact
c = mpf(299792458)               # SI Brochure: exact
julian_year = mpf("365.25") * 86400  # IAU
au = mpf(149597870700)           # IAU 2012
dalton = mpf("1.66053906892e-27")  # CODATA 2022

SI, NIST, IAU, IEC, CODATA = "SI Brochure", "NIST SP 811", "IAU", "IEC 80000-13", "CODATA 2022"

# (&u text without its closing bracket, exact value in the target unit, source); the GNU units
# spelling when it differs from ours follows.
ROWS = [
    ("60mph;km/h", 60 * mile / 3600 * 3600 / 1000, NIST + ": mile = 1609.344 m"),
    ("1in;cm", inch * 100, NIST + ": inch = 0.0254 m"),
    ("1ft;m", foot, NIST + ": foot = 12 in"),
    ("1yd;m", 3 * foot, NIST + ": yard = 3 ft"),
    ("1mi;km", mile / 1000, NIST + ": mile = 5280 ft"),
    ("1furlong;m", 660 * foot, NIST + ": furlong = 660 ft"),
    ("1nmi;m", nmi, NIST + ": nautical mile = 1852 m"),
    ("1au;km", au / 1000, IAU + " 2012: au = 149597870700 m"),
    ("1ly;km", c * julian_year / 1000, IAU + ": light year = c * 365.25 d"),
    ("1pc;au", 648000 / pi, IAU + " 2015: parsec = au * 648000/pi"),
    ("1lb;g", pound * 1000, NIST + ": pound = 0.45359237 kg"),
    ("1oz;g", pound / 16 * 1000, NIST + ": ounce = lb/16"),
    ("1t;kg", mpf(1000), SI + ": tonne = 1000 kg"),
    ("1u;kg", dalton, CODATA + ": atomic mass constant"),
    ("1kDa;kg", 1000 * dalton, CODATA + ": dalton = u"),
    ("1wk;h", mpf(168), "week = 7 d, day = 86400 s (" + SI + ")"),
    ("1yr;d", mpf("365.25"), IAU + ": Julian year"),
    ("90min;h", mpf("1.5"), SI + ": min = 60 s, h = 3600 s"),
    ("1gal;L", gallon * 1000, NIST + ": US gallon = 231 in^3"),
    ("1galUK;L", gallon_uk * 1000, NIST + ": imperial gallon = 4.54609 L"),
    ("1floz;mL", gallon / 128 * 1e6, NIST + ": US fluid ounce = gal/128"),
    ("1flozUK;mL", gallon_uk / 160 * 1e6, NIST + ": imperial fluid ounce = galUK/160"),
    ("1ha;m^2", mpf(10000), SI + ": hectare = 10^4 m^2"),
    ("1acre;m^2", 43560 * foot**2, NIST + ": acre = 43560 ft^2"),
    ("3kg/m^3*2L;g", mpf(6), SI + ": litre = 10^-3 m^3"),
    ("1knot;km/h", nmi / 1000, NIST + ": knot = 1852 m/h"),
    ("1kn;m/s", nmi / 3600, NIST + ": knot = 1852 m/h"),
    ("1c;km/s", c / 1000, SI + ": c exact"),
    ("1lbf;N", lbf, NIST + ": pound-force = lb * g0"),
    ("1kgf;N", g0, NIST + ": kilogram-force = kg * g0"),
    ("1dyn;N", mpf("1e-5"), NIST + ": dyne = 10^-5 N"),
    ("1atm;psi", atm / (lbf / inch**2), NIST + ": atm = 101325 Pa, psi = lbf/in^2"),
    ("1atm;Torr", mpf(760), NIST + ": torr = atm/760"),
    ("1mmHg;Pa", mmhg, NIST + ": mmHg = 133.322387415 Pa"),
    ("1bar;kPa", mpf(100), SI + ": bar = 10^5 Pa"),
    ("1mbar;Pa", mpf(100), SI + ": bar = 10^5 Pa"),
    ("1psi;kPa", lbf / inch**2 / 1000, NIST + ": psi = lbf/in^2"),
    ("2.5kWh;MJ", mpf(9), SI + ": Wh = 3600 J"),
    ("1cal;J", cal, NIST + ": thermochemical calorie"),
    ("1kcal;kJ", cal, NIST + ": thermochemical calorie"),
    ("1BTU;J", btu, NIST + ": International Table BTU"),
    ("1Btu;kcal", btu / cal / 1000, NIST + ": BTU and calorie"),
    ("1eV;J", e, SI + ": electronvolt = e * 1 V"),
    ("1GeV;J", e * 1e9, SI + ": electronvolt = e * 1 V"),
    ("1erg;J", mpf("1e-7"), NIST + ": erg = 10^-7 J"),
    ("1mAh;C", mpf("3.6"), "ampere hour = 3600 C"),
    ("1mAh*3.7V;J", mpf("13.32"), "ampere hour = 3600 C"),
    ("1hp;W", 550 * foot * lbf, NIST + ": horsepower = 550 ft*lbf/s"),
    ("25degC;degF", mpf(77), NIST + ": t/degF = 1.8 t/degC + 32"),
    ("-40degC;degF", mpf(-40), NIST + ": t/degF = 1.8 t/degC + 32"),
    ("100degC;K", mpf("373.15"), SI + ": t/degC = T/K - 273.15"),
    ("0K;degF", mpf("-459.67"), NIST + ": T/K = (t/degF + 459.67)/1.8"),
    ("98.6degF;degC", mpf(37), NIST + ": t/degC = (t/degF - 32)/1.8"),
    ("1degR;K", mpf(5) / 9, NIST + ": rankine = K/1.8"),
    ("30degC-25degC;deltadegF", mpf(9), NIST + ": a Fahrenheit degree is K/1.8"),
    ("180deg;rad", pi, SI + ": degree = pi/180 rad"),
    ("1rev;deg", mpf(360), "revolution = 2 pi rad"),
    ("1grad;deg", mpf("0.9"), "gon = pi/200 rad"),
    ("60arcmin;deg", mpf(1), SI + ": minute of arc = deg/60"),
    ("3600arcsec;deg", mpf(1), SI + ": second of arc = deg/3600"),
    ("atan(1);deg", mpf(45), "atan(1) = pi/4"),
    ("asin(0.5);deg", mpf(30), "asin(1/2) = pi/6"),
    ("1GB;MiB", mpf(10)**9 / 2**20, IEC + ": Mi = 2^20"),
    ("1KiB;B", mpf(1024), IEC + ": Ki = 2^10"),
    ("1GiB;GB", mpf(2)**30 / 10**9, IEC + ": Gi = 2^30"),
    ("1Mibit;kbit", mpf(2)**20 / 1000, IEC + ": Mi = 2^20"),
    ("1B;bit", mpf(8), IEC + ": byte = 8 bit"),
    ("1um;m", mpf("1e-6"), SI + ": micro = 10^-6"),
    ("1\u00b5m;nm", mpf(1000), SI + ": micro = 10^-6, nano = 10^-9"),
    ("1Qm;Rm", mpf(1000), SI + ": quetta = 10^30, ronna = 10^27"),
    ("1qg;rg", mpf("0.001"), SI + ": quecto = 10^-30, ronto = 10^-27"),
    ("1dam;dm", mpf(100), SI + ": deca = 10, deci = 10^-1"),
    ("1hPa;Pa", mpf(100), SI + ": hecto = 10^2"),
    ("1MPa;mPa", mpf("1e9"), SI + ": mega = 10^6, milli = 10^-3"),
    ("1Ms;ms", mpf("1e9"), SI + ": mega = 10^6, milli = 10^-3"),
    ("h_P;J*s", h, SI + ": Planck constant, exact"),
    ("hbar;J*s", h / (2 * pi), SI + ": h/(2 pi)"),
    ("q_e;C", e, SI + ": elementary charge, exact"),
    ("k_B;J/K", k, SI + ": Boltzmann constant, exact"),
    ("N_A;mol^-1", na, SI + ": Avogadro constant, exact"),
    ("R;J/(mol*K)", na * k, SI + ": R = N_A k"),
    ("g0;m/s^2", g0, NIST + ": standard gravity"),
    ("G;m^3/(kg*s^2)", mpf("6.67430e-11"), CODATA + ": Newtonian constant of gravitation"),
    ("eps0;F/m", mpf("8.8541878188e-12"), CODATA + ": vacuum electric permittivity"),
    ("mu0;N/A^2", mpf("1.25663706127e-6"), CODATA + ": vacuum magnetic permeability"),
    ("m_e;kg", mpf("9.1093837139e-31"), CODATA + ": electron mass"),
    ("m_p;kg", mpf("1.67262192595e-27"), CODATA + ": proton mass"),
    ("h_P*c/(500nm);eV", h * c / mpf("500e-9") / e, SI + ": photon energy h c / lambda"),
    ("9.81m/s^2*3kg;N", mpf("29.43"), SI + ": N = kg*m/s^2"),
    ("1V*A;W", mpf(1), SI + ": W = V*A"),
    ("1Wb/m^2;T", mpf(1), SI + ": T = Wb/m^2"),
    ("1V*s/A;H", mpf(1), SI + ": H = Wb/A"),
    ("1A*s/V;F", mpf(1), SI + ": F = C/V"),
    ("1V/A;ohm", mpf(1), SI + ": ohm = V/A"),
    ("1A/V;S", mpf(1), SI + ": S = A/V"),
    ("1cd*sr;lm", mpf(1), SI + ": lm = cd*sr"),
    ("1lm/m^2;lx", mpf(1), SI + ": lx = lm/m^2"),
    ("1/s;Bq", mpf(1), SI + ": Bq = 1/s"),
    ("1J/kg;Gy", mpf(1), SI + ": Gy = J/kg"),
    ("1J/kg;Sv", mpf(1), SI + ": Sv = J/kg"),
    ("1mol/s;kat", mpf(1), SI + ": kat = mol/s"),
]

# GNU units spells a few units otherwise; temperature scales it writes as functions, so those
# rows are not asked. Known differences: its data may carry older CODATA values (u, eps0, mu0,
# m_e, m_p), its "year" is the tropical year and its parsec is au/tan(1 arcsec), not the IAU 2015
# definition 648000/pi au.
GNU = {"galUK": "brgallon", "flozUK": "brfloz", "h_P": "h", "q_e": "e", "k_B": "k",
       "eps0": "epsilon0", "m_e": "electronmass", "m_p": "protonmass", "g0": "gravity",
       "ly": "lightyear", "kn": "knot", "\u00b5m": "micrometer"}


def gnu(text):
    """GNU units' value of one row, or None when it cannot say."""
    if "degC" in text or "degF" in text:
        return None
    source, target = (re.sub(r"[A-Za-z_\u00b5][A-Za-z_0-9]*",
                             lambda m: GNU.get(m.group(0), m.group(0)), part)
                      for part in text.split(";"))
    try:
        out = subprocess.run(["units", "-t", "-d", "20", source, target], capture_output=True,
                             text=True, timeout=10).stdout.strip()
        return mpf(out)
    except Exception:
        return None


def main():
    check = shutil.which("units") is not None
    print("# &u conversions: text after &u( | value in the target unit | source of the value")
    print("# Written by make_conversions.py from exact definitions at 40 digits.")
    for text, value, source in ROWS:
        print(f"{text}) | {mp.nstr(value, 17)} | {source}")
        if check:
            other = gnu(text)
            if other is not None and abs(other - value) > abs(value) * mpf("1e-12"):
                print(f"GNU units disagrees on {text}: {other} against {value}", file=sys.stderr)


if __name__ == "__main__":
    main()
