#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the calculator need, and any
# further packages named as arguments, skipping those already installed. Runs as root, or
# through sudo where that exists.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format-14 git
  xvfb xauth fonts-dejavu-core fonts-wqy-microhei
  locales
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# A locale with a decimal comma, so the tests can show numbers never follow the user's locale.
need_locale=0
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || need_locale=1

[ ${#missing[@]} -eq 0 ] && [ $need_locale -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "install-deps: these packages are missing and neither root nor sudo is at hand: ${missing[*]}" >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  "${as_root[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen >/dev/null
fi
