#!/usr/bin/env bash
# Installs what drillbook needs to build, run and test on Debian 12, and only
# what is missing: running it again changes nothing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
  libsqlite3-dev
  libespeak-ng-dev espeak-ng-data
  libhunspell-dev hunspell-en-us libmythes-dev mythes-en-us
  libbenchmark-dev
  # The printed pages' default fonts, "Times New Roman" and "Arial", answered
  # by metric-compatible faces so a page breaks in the same place everywhere.
  fonts-liberation2 fonts-dejavu-core
  # The tests read every printed PDF back; the run script needs a display.
  poppler-utils xvfb xauth
  # The start-up bench watches the X display for the first window of a new process.
  libxcb1-dev
  # scripts/check-format.sh holds the program's code to .clang-format.
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
