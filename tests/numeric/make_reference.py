#!/usr/bin/env python3
"""Reference data for the numeric tests, computed with mpmath 1.3 from closed forms.

  data/grubbs.txt     n, the one-sided 0.05 Grubbs critical value
                      G = (n-1)/sqrt(n) * sqrt(t^2 / (n-2+t^2)), t the upper 0.05/n quantile of
                      Student's t with n-2 degrees of freedom (found by root finding on mpmath's
                      incomplete beta function), n = 3..100.
Run: python3 make_reference.py  (writes into data/)
"""
import os
from mpmath import mp, mpf, sqrt, betainc, findroot

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
