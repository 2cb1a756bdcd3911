#!/usr/bin/env bash
# The tray companion's start-up and peak memory beside the empty dialog, measured like the
# configurator's (bench/startup/measure-startup.sh): the tray writes its trace line once its
# hidden window, notification icon and first read of the simulated mouse are done. Its budget
# is the empty dialog's peak memory + 8 MiB.
#
# Measured as shipped: the build strips the tray, the empty dialog and the simulated device
# service (which stands in for the mouse driver's service) like the installer's copies.
#
# Usage: bench/startup/measure-tray.sh [RUNS]      (default 5)
set -euo pipefail

VANTIX_BENCH_PROGRAM=Peraxil1800Tray.exe exec "$(dirname "${BASH_SOURCE[0]}")/measure-startup.sh" "$@"
