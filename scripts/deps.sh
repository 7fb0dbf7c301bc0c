#!/usr/bin/env bash
# Installs the Debian packages Tarvel 3 needs to build, test and run, skipping
# those already present. Usage: scripts/deps.sh [build|test|run|fuzz]...
set -euo pipefail

build=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev libfontconfig-dev fonts-liberation2)
test=(libgtest-dev libbenchmark-dev desktop-file-utils lintian dpkg-dev file poppler-utils)
run=(xvfb xdotool)
fuzz=(clang libclang-rt-14-dev)

want=()
for group in "${@:-build}"; do
  case $group in
    build) want+=("${build[@]}") ;;
    test) want+=("${build[@]}" "${test[@]}") ;;
    run) want+=("${build[@]}" "${run[@]}") ;;
    fuzz) want+=("${fuzz[@]}") ;;
    *) echo "deps.sh: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
if ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"; then
  $sudo apt-get update -q
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi
