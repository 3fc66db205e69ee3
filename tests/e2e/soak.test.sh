#!/usr/bin/env bash
# A small soak (tests/e2e/soak.sh), so the long one cannot rot: the same
# checks after a few hundred live steps, menus and options windows.
SOAK_STEPS=${SOAK_STEPS:-200} SOAK_MENUS=${SOAK_MENUS:-3} SOAK_OPTIONS=${SOAK_OPTIONS:-3} \
    exec bash "$(dirname "$0")/soak.sh"
