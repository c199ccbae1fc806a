#!/usr/bin/env python3
"""Reference values for the kernel tests (kernels_test.cpp), computed with mpmath.

Two kinds of value:
  * the true function, at 30 significant digits (mpmath's own routines);
  * the kernel's recipe (coefficients, iteration limits, tolerances) carried out in 40-digit
    arithmetic, which the double-precision kernels must match to rounding. A mistyped
    coefficient or tolerance changes these values far beyond rounding.
Run: python3 make_reference.py  (mpmath 1.3)
"""
from mpmath import mp, mpf, log, exp, sqrt, sin, cos, fabs, pi

mp.dps = 40

COEFFS = [mpf("76.18009173"), mpf("-86.50532033"), mpf("24.01409822"),
          mpf("-1.231739516"), mpf("0.00120858003"), mpf("-5.36382e-06")]


def gammaln(x):
    x = mpf(x)
    y = x - 1
    t = y + mpf("5.5")
    t = t - (y + mpf("0.5")) * log(t)
    s = mpf(1)
    for c in COEFFS:
        y += 1
        s += c / y
    return log(mpf("2.50662827465") * s) - t


def gamma(x):
    x = mpf(x)
    prod = mpf(1)
    if x < 0:
        m = 1 - int(x)
        for i in range(m):
            prod *= x + i
        x += m
    return exp(gammaln(x)) / prod


def gammap(a, x):
    a, x = mpf(a), mpf(x)
    if x > mpf("1e35"):
        return mpf(1)
    factor = exp(a * log(x) - x - gammaln(a))
    if x < a + 1:
        ap, term = a, 1 / a
        s = term
        for _ in range(2000):
            ap += 1
            term = term * x / ap
            s += term
            if fabs(term) < fabs(s) * mpf("2e-10"):
                break
        return s * factor
    gold = 1 / x
    a0, b0, a1, b1 = mpf(0), mpf(1), mpf(1), x
    for n in range(1, 2001):
        an = n - a
        a0 = a1 + an * a0
        b0 = b1 + an * b0
        a1 = x * a0 + n * a1
        b1 = x * b0 + n * b1
        g = a1 / b1
        if fabs((g - gold) / g) < mpf("2e-10"):
            gold = g
            break
        gold = g
    return 1 - factor * gold


def betacf(x, a, b):
    p, q, A, B = mpf(0), mpf(1), mpf(1), mpf(1)
    for m in range(1, 2001):
        t = 2 * m + a
        d1 = -((m + a - 1) * (m + a + b - 1) * x) / ((t - 2) * (t - 1))
        p = d1 * p + A
        q = d1 * q + B
        d2 = ((b - m) * m * x) / ((t - 1) * t)
        A = d2 * A + p
        B = d2 * B + q
        if fabs(A / B - p / q) < mpf("2e-10"):
            break
    return A / B


def betai(x, a, b):
    x, a, b = mpf(x), mpf(a), mpf(b)
    if x == 0:
        return mpf(0)
    if x == 1:
        return mpf(1)
    bt = exp(a * log(x) + b * log(1 - x) - (gammaln(a) + gammaln(b) - gammaln(a + b)))
    if x < (a + 1) / (a + b + 2):
        return bt * betacf(x, a, b) / a
    return 1 - bt * betacf(1 - x, b, a) / b


def simpson(f, h):
    trap = h / 2 * (f(mpf(0)) + f(h))
    prev = trap
    midpoints, evaluated, width = 1, 0, h
    while True:
        s = mpf(0)
        for j in range(midpoints):
            s += f((j + mpf("0.5")) * width)
        evaluated += midpoints
        halved = (trap + width * s) / 2
        simp = (4 * halved - trap) / 3
        if fabs(simp - prev) < mpf("1e-15") or 1 + evaluated >= 5001:
            return simp
        midpoints *= 2
        width /= 2
        trap = halved
        prev = simp


EULER = mpf("0.5772156649015329")


def si(x):
    x = mpf(x)
    s = simpson(lambda t: mpf(1) if t == 0 else sin(t) / t, fabs(x))
    return -s if x < 0 else s


def ci(x):
    x = mpf(x)
    s = simpson(lambda t: mpf(0) if t == 0 else (1 - cos(t)) / t, fabs(x))
    return EULER + log(fabs(x)) - s


def ei(x):
    x = mpf(x)
    s = simpson(lambda t: mpf(-1) if t == 0 else (exp(-t) - 1) / t, fabs(x))
    return EULER + log(fabs(x)) + s


def row(*values):
    return "{" + ", ".join(mp.nstr(v, 20) if not isinstance(v, str) else v for v in values) + "},"


def true_gammap(a, x):
    return mp.gammainc(a, 0, x, regularized=True)


def true_betai(x, a, b):
    return mp.betainc(a, b, 0, x, regularized=True)


print("// GammaLn: x, recipe, true")
for x in ["0.1", "0.5", "1", "1.5", "2", "3.7", "10", "50", "171.5"]:
    print(row(x, gammaln(x), mp.loggamma(mpf(x))))
print("// Gamma: x, recipe, true")
for x in ["0.5", "5", "-0.5", "-2.5", "7.3", "-169.5", "100.25"]:
    print(row(x, gamma(x), mp.gamma(mpf(x))))
print("// GammaP: a, x, recipe, true")
for a, x in [("0.5", "0.25"), ("1", "1"), ("1", "3"), ("2.5", "1"), ("5", "10"), ("10", "5"),
             ("0.5", "4"), ("3", "2.9"), ("100", "90"), ("250", "200"), ("1000", "1010"),
             ("400", "200")]:
    print(row(a, x, gammap(a, x), true_gammap(mpf(a), mpf(x))))
print("// BetaI: x, a, b, recipe, true")
for x, a, b in [("0.3", "2", "3"), ("0.5", "0.5", "0.5"), ("0.9", "5", "2"), ("0.2", "50", "60"),
                ("0.5", "600", "601"), ("0.1", "1", "1000"), ("0.7", "3.5", "1.5")]:
    print(row(x, a, b, betai(x, a, b), true_betai(mpf(x), mpf(a), mpf(b))))
print("// Erf: x, recipe, true")
for x in ["0.1", "0.5", "1", "2", "-1", "3", "5"]:
    v = gammap("0.5", mpf(x) ** 2)
    print(row(x, v if mpf(x) >= 0 else -v, mp.erf(mpf(x))))
print("// Integrals: x, si recipe, si true, ci recipe, ci true, ei recipe, ei(-|x|) true")
for x in ["0.5", "1", "2", "5", "10", "-3", "50"]:
    X = mpf(x)
    print(row(x, si(x), mp.si(X), ci(x), mp.ci(fabs(X)), ei(x), mp.ei(-fabs(X))))
print("// TwoSidedT: t, f, true")
for t, f in [("1", "5"), ("2.228138851986", "10"), ("-1", "5"), ("0.5", "1"), ("3", "30")]:
    T, F = mpf(t), mpf(f)
    p = 1 - true_betai(F / (T * T + F), F / 2, mpf("0.5"))
    print(row(t, f, -p if T < 0 else p))
print("// UpperF: F, f1, f2, true")
for F, f1, f2 in [("6.591382116425", "3", "4"), ("1", "1", "1"), ("2.5", "10", "20"),
                  ("0.5", "7", "3")]:
    F1, F2, X = mpf(f1), mpf(f2), mpf(F)
    print(row(F, f1, f2, true_betai(F2 / (F1 * X + F2), F2 / 2, F1 / 2)))
print("// Inverses (true): erfinv(0.5), t(0.05,10), z(0.975), F(0.05;3,4), lnGamma^-1(1)")
print(row(mp.erfinv(mpf("0.5"))))
print(row(mp.findroot(lambda t: 1 - true_betai(10 / (t * t + 10), 5, mpf("0.5")) - mpf("0.95"), 2.2)))
print(row(sqrt(2) * mp.erfinv(2 * mpf("0.975") - 1)))
print(row(mp.findroot(lambda F: true_betai(4 / (3 * F + 4), 2, mpf("1.5")) - mpf("0.05"), 6.5)))
print(row(mp.findroot(lambda x: mp.loggamma(x) - 1, 3.4)))
print("// Tiny arguments (true): loggamma(1e-6), loggamma(1e-10), loggamma(1e-300), gamma(1e-10)")
print(row(mp.loggamma(mpf("1e-6")), mp.loggamma(mpf("1e-10")), mp.loggamma(mpf("1e-300")),
          mp.gamma(mpf("1e-10"))))
print("// erfinv(0.95); Bessel J2(1), Y2(1), J1(1)")
print(row(mp.erfinv(mpf("0.95")), mp.besselj(2, 1), mp.bessely(2, 1), mp.besselj(1, 1)))
