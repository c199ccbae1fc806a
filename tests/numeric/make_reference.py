#!/usr/bin/env python3
"""Reference data for the numeric tests, computed with mpmath 1.3 from closed forms.

  data/grubbs.txt     n, the one-sided 0.05 Grubbs critical value
                      G = (n-1)/sqrt(n) * sqrt(t^2 / (n-2+t^2)), t the upper 0.05/n quantile of
                      Student's t with n-2 degrees of freedom (found by root finding on mpmath's
                      incomplete beta function), n = 3..100.
  data/roots.txt      an expression in x (as typed at the console), then every real root of
                      f(x) = 0 that Newton iterations from [-10, 10] can reach, by mpmath's findroot.
  data/polynomials.txt  "poly name c_n ... c_0" (the coefficients as doubles, highest power first),
                      then one "root re im accuracy" line per root of that exact polynomial
                      (mpmath's polyroots at 60 digits). accuracy is the first-order perturbation
                      of the root by coefficient errors of one unit in the last place:
                      (m! eps sum |a_k| |r|^k / |p^(m)(r)|)^(1/m) for a root of multiplicity m.
  data/integrals.txt  f a b, the integral, the integral of |f|, and 1 when f cannot be evaluated at
                      an end point (mpmath's quad, split at the kinks and periods).
  data/samples.txt    "sample name n" and the n values (repr of the doubles, one per line), then
                      "moments sum mean stdev avedev" of those exact doubles at 30 digits, and for
                      NIST's StRD univariate sets NumAcc1-4 "certified mean sd" (the published
                      values for the decimal data; the doubles' moments stay within the rounding
                      of the inputs of them, checked below).
Run: python3 make_reference.py  (writes into data/)
"""
import os
import random
from mpmath import mp, mpf, mpc, sqrt, betainc, findroot, polyroots, factorial, fabs
from mpmath import exp, log, cos, sin, atan, tanh, cosh, tan, atanh, acosh, pi, e

mp.dps = 30
HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")


def t_upper(p, df):
    """The t with P(T > t) = p for Student's t with df degrees of freedom."""
    def tail(t):
        x = df / (df + t * t)
        return betainc(mpf(df) / 2, mpf(1) / 2, 0, x, regularized=True) / 2 - p
    return findroot(tail, mpf(3), tol=mpf(10) ** -25)


def grubbs(n):
    t = t_upper(mpf("0.05") / n, n - 2)
    return (n - 1) / sqrt(n) * sqrt(t * t / (n - 2 + t * t))


def write(name, header, rows):
    with open(os.path.join(HERE, name), "w") as out:
        out.write(header)
        for row in rows:
            out.write(" ".join(row) + "\n")


write("grubbs.txt",
      "# n  one-sided 0.05 Grubbs critical value (mpmath, make_reference.py)\n",
      ([str(n), mp.nstr(grubbs(n), 17)] for n in range(3, 101)))


# Root finding: (console text, the same function for mpmath, starting points of findroot).
ROOTS = [
    ("x^2-2", lambda x: x**2 - 2, [-1.4, 1.4]),
    ("x^2-1e10", lambda x: x**2 - mpf(10)**10, [-1e5, 1e5]),
    ("x^2-1e-6", lambda x: x**2 - mpf(10)**-6, [-1e-3, 1e-3]),
    ("x^3-6x^2+11x-6", lambda x: x**3 - 6*x**2 + 11*x - 6, [1.1, 2.1, 2.9]),
    ("x^3-2x-5", lambda x: x**3 - 2*x - 5, [2]),
    ("x^5-x-1", lambda x: x**5 - x - 1, [1.2]),
    ("x^4-5", lambda x: x**4 - 5, [-1.5, 1.5]),
    ("exp(x)-10", lambda x: exp(x) - 10, [2.3]),
    ("cos(x)-x", lambda x: cos(x) - x, [0.7]),
    ("x*exp(x)-1", lambda x: x*exp(x) - 1, [0.5]),
    ("ln(x)-1", lambda x: log(x) - 1, [2.7]),
    ("atan(x)-0.5", lambda x: atan(x) - mpf("0.5"), [0.5]),
    ("tanh(x)-0.5", lambda x: tanh(x) - mpf("0.5"), [0.5]),
    ("cosh(x)-2", lambda x: cosh(x) - 2, [-1.3, 1.3]),
    ("1/x-3", lambda x: 1/x - 3, [0.3]),
]

with open(os.path.join(HERE, "roots.txt"), "w") as out:
    out.write("# f(x)  its real roots (mpmath findroot, make_reference.py)\n")
    for text, f, starts in ROOTS:
        roots = [findroot(f, mpf(s)) for s in starts]
        out.write(text + " " + " ".join(mp.nstr(r, 20) for r in roots) + "\n")


def derivative(a):
    n = len(a) - 1
    return [c * (n - k) for k, c in enumerate(a[:-1])]


def poly_roots(coefficients):
    """Roots of the polynomial whose coefficients are the given doubles, with their accuracy."""
    mp.dps = 60
    a = [mpf(c) for c in coefficients]  # exact values of the doubles
    roots = polyroots(a, maxsteps=500, extraprec=400)
    eps = mpf(2) ** -52
    rows = []
    n = len(a) - 1
    for r in roots:
        m = sum(1 for q in roots if abs(q - r) < mpf(10) ** -12)
        deriv = a
        for _ in range(m):
            deriv = derivative(deriv)
        # p^(m)(r) from the m-th derivative's coefficients (highest first).
        pm = mpc(0)
        for c in deriv:
            pm = pm * r + c
        scale = sum(abs(c) * abs(r) ** (n - k) for k, c in enumerate(a))
        acc = (factorial(m) * eps * scale / abs(pm)) ** (mpf(1) / m)
        rows.append((r, acc))
    mp.dps = 30
    return rows


rng = random.Random(16)
POLYS = []
for degree in (2, 3, 5, 8, 11, 20, 30, 50, 100):
    POLYS.append(("random%d" % degree,
                  [float("%.6f" % rng.uniform(-1, 1)) for _ in range(degree + 1)]))
wilkinson = [1.0]
for k in range(1, 21):  # (x-1)(x-2)...(x-20), highest power first
    wilkinson = [c - k * p for c, p in zip(wilkinson + [0.0], [0.0] + wilkinson)]
POLYS.append(("wilkinson20", [float(c) for c in wilkinson]))
for n in (2, 30, 64, 100):
    POLYS.append(("unity%d" % n, [1.0] + [0.0] * (n - 1) + [-1.0]))
POLYS.append(("double", [1.0, -2.0, 1.0]))                       # (x-1)^2
POLYS.append(("triple", [1.0, -1.0, -3.0, 5.0, -2.0]))           # (x-1)^3 (x+2)
POLYS.append(("spread", [1.0, -1e8, 1.0]))                       # 1e8 and 1e-8
POLYS.append(("zeros", [1.0, -3.0, 2.0, 0.0, 0.0]))              # x^2 (x-1)(x-2)

with open(os.path.join(HERE, "polynomials.txt"), "w") as out:
    out.write("# poly name c_n .. c_0; root re im accuracy (mpmath polyroots, make_reference.py)\n")
    for name, coefficients in POLYS:
        out.write("poly " + name + " " + " ".join(repr(c) for c in coefficients) + "\n")
        for r, acc in poly_roots(coefficients):
            r = mpc(r)
            out.write("root %s %s %s\n" % (mp.nstr(r.real, 20), mp.nstr(r.imag, 20),
                                            mp.nstr(acc, 3)))


# Integrals: (console text, mpmath function, a, b, singular at an end point).
TWO_PI = float(2 * pi)
INTEGRALS = [
    ("x^2", lambda x: x**2, 0, 1, 0),
    ("x^9", lambda x: x**9, 0, 1, 0),
    ("4/(1+x^2)", lambda x: 4 / (1 + x**2), 0, 1, 0),
    ("exp(x)", lambda x: exp(x), 0, 1, 0),
    ("exp(-x^2)", lambda x: exp(-x**2), 0, 1, 0),
    ("exp(-x)", lambda x: exp(-x), 0, 50, 0),
    ("1/x", lambda x: 1 / x, 1, 2, 0),
    ("1/x", lambda x: 1 / x, 1, 1000, 0),
    ("1/(1+x^4)", lambda x: 1 / (1 + x**4), 0, 10, 0),
    ("sin(x)", lambda x: sin(x), 0, 100, 0),
    ("sin(x)", lambda x: sin(x), 0, 1000, 0),
    ("sin(x)", lambda x: sin(x), 0, 200 * float(pi) + 0.01, 0),
    ("x*sin(x)", lambda x: x * sin(x), 0, 10, 0),
    ("sin(50x)", lambda x: sin(50 * x), 0, 1, 0),
    ("exp(x)*cos(x)", lambda x: exp(x) * cos(x), 0, float(pi), 0),
    ("sin(x)/x", lambda x: sin(x) / x, 1, 10, 0),
    ("cos(10x)^2", lambda x: cos(10 * x)**2, 0, TWO_PI, 0),
    ("sin(x)^2", lambda x: sin(x)**2, 0, TWO_PI, 0),
    ("cos(x)^2", lambda x: cos(x)**2, 0, 10 * TWO_PI, 0),
    ("sqrt(x)", lambda x: sqrt(x), 0, 1, 0),
    ("x^(1/3)", lambda x: x**(mpf(1) / 3), 0, 1, 0),
    ("sqrt(4-x^2)", lambda x: sqrt(4 - x**2), 0, 2, 0),
    ("x^(-0.5)", lambda x: x**mpf(-0.5), 0, 1, 1),
    ("ln(x)", lambda x: log(x), 0, 1, 1),
    ("1/(1+25x^2)", lambda x: 1 / (1 + 25 * x**2), -1, 1, 0),
    ("exp(-100(x-0.5)^2)", lambda x: exp(-100 * (x - mpf("0.5"))**2), 0, 1, 0),
    ("abs(x-0.3)", lambda x: abs(x - mpf("0.3")), 0, 1, 0),
    ("1/(x^2+0.0001)", lambda x: 1 / (x**2 + mpf("0.0001")), -1, 1, 0),
]

with open(os.path.join(HERE, "integrals.txt"), "w") as out:
    out.write("# f a b integral integral-of-|f| end-point-fault (mpmath quad, make_reference.py)\n")
    for text, f, a, b, singular in INTEGRALS:
        a, b = mpf(a), mpf(b)
        pieces = max(64, int(b - a) // 2)
        cuts = [a] + [a + (b - a) * k / pieces for k in range(1, pieces)] + [b]
        if text == "abs(x-0.3)":
            cuts = [a, mpf("0.3"), b]
        value = mp.quad(f, cuts)
        absolute = mp.quad(lambda x: abs(f(x)), cuts)
        out.write("%s %r %r %s %s %d\n" % (text, float(a), float(b), mp.nstr(value, 20),
                                             mp.nstr(absolute, 20), singular))


# Samples whose moments need more than a plain double sum: six values near 1e8 with a spread of
# one, and NIST's StRD NumAcc1-4 (lower to higher difficulty: a first value, then the same pair
# repeated; certified mean and sample standard deviation as published with the data).
SAMPLES = [
    ("near1e8", [100000000.95601971, 100000000.78831697, 100000000.93137267,
                 100000000.14457665, 100000000.64644091, 100000000.31056382], None),
    ("NumAcc1", [10000001.0, 10000003.0, 10000002.0], ("10000002", "1")),
    ("NumAcc2", [1.2] + [1.1, 1.3] * 500, ("1.2", "0.1")),
    ("NumAcc3", [1000000.2] + [1000000.1, 1000000.3] * 500, ("1000000.2", "0.1")),
    ("NumAcc4", [10000000.2] + [10000000.1, 10000000.3] * 500, ("10000000.2", "0.1")),
]

with open(os.path.join(HERE, "samples.txt"), "w") as out:
    out.write("# sample name n, the values; moments sum mean stdev avedev of those doubles;\n"
              "# certified mean sd (NIST StRD) where published (mpmath, make_reference.py)\n")
    for name, values, certified in SAMPLES:
        x = [mpf(v) for v in values]
        n = len(x)
        total = sum(x)
        mean = total / n
        stdev = sqrt(sum((v - mean) ** 2 for v in x) / (n - 1))
        avedev = sum(fabs(v - mean) for v in x) / n
        out.write("sample %s %d\n" % (name, n))
        for v in values:
            out.write("%r\n" % v)
        out.write("moments %s\n" % " ".join(mp.nstr(m, 30) for m in (total, mean, stdev, avedev)))
        if certified:
            # The decimal inputs moved by at most half an ulp each: so may the moments.
            slack = 2 * max(abs(v) for v in values) * mpf(2) ** -53
            assert fabs(mean - mpf(certified[0])) <= slack
            assert fabs(stdev - mpf(certified[1])) <= 4 * slack
            out.write("certified %s %s\n" % certified)
