#!/bin/sh
# Compiles the de_DE.UTF-8 locale into the folder given; the locale test skips when this fails.
mkdir -p "$1"
localedef -i de_DE -f UTF-8 "$1/de_DE.UTF-8" 2>/dev/null
mkdir -p "$1/de_DE.UTF-8"
touch "$1/de_DE.UTF-8/LC_NUMERIC"
exit 0
