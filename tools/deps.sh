#!/usr/bin/env bash
# Installs the Debian packages that building and testing need (Debian 12).
# Runs apt only when something is missing; uses sudo when not root.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libsqlite3-dev libgsf-1-dev
  googletest libgtest-dev libbenchmark-dev
  clang clang-format libclang-rt-14-dev sqlite3
  qt6-translations-l10n
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
