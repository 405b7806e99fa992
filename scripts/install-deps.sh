#!/usr/bin/env bash
# Installs what building and testing Tessella needs on Debian, when it is missing.
# Without root (and without sudo) it only says what is missing.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config libncurses-dev libgtest-dev libbenchmark-dev
  libansilove-dev)
# The test suite also drives the program under tmux and checks the desktop clipboard
# with xclip under Xvfb, and reads generated DOS code back through bwbasic; those tests
# skip themselves when the tools are absent. The render tests read the pictures back
# with libpng. clang builds the fuzzers (libFuzzer) and the sanitized test build.
# bench/run formats the benchmarks' results with jq and takes the peak memory of a
# replay with GNU time.
for option in "$@"; do
  case $option in
    --test) packages+=(tmux xclip xvfb libpng-dev bwbasic clang libclang-rt-dev) ;;
    --bench) packages+=(jq time) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "tessella: please install: ${missing[*]}" >&2
  exit 1
fi
