#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when missing;
# with arguments, those packages instead.
set -euo pipefail
pkgs="cmake make g++ python3 libgtest-dev libbenchmark-dev libfltk1.3-dev
      fonts-dejavu-core xvfb xauth xdotool x11-utils imagemagick faketime
      python3-xlib python3-pil desktop-file-utils libcairo2-dev libpng-dev pkg-config
      poppler-utils libcctz-dev libutf8proc-dev libtimezonemap-data tzdata appstream libpango1.0-dev
      fonts-lohit-deva fonts-lohit-beng-bengali fonts-lohit-guru fonts-lohit-gujr
      fonts-lohit-orya fonts-lohit-taml fonts-lohit-telu fonts-lohit-knda fonts-lohit-mlym"
[ $# -gt 0 ] && pkgs="$*"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
