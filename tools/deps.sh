#!/usr/bin/env bash
# Installs what Rackmere needs to build, run and test on Debian 12 (as root, or
# through sudo). Does nothing when everything is there already.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation xvfb xauth
  clang libfuzzer-14-dev
  poppler-utils
  python3-fusepy fuse3 libfuse3-dev liburing-dev
  ntfs-3g genisoimage
  python3-jsonschema chromium
  dbus python3-dbusmock
  dpkg-dev fakeroot file lintian appstream man-db bash-completion
  libtag1-dev libexiv2-dev libmediainfo-dev
  libffmpegthumbnailer-dev qt6-image-formats-plugins ffmpeg
  libarchive-dev libarchive-tools
  libseccomp-dev
  libsqlite3-dev libxxhash-dev libre2-dev libzstd-dev
  # benchmark tools
  libimage-exiftool-perl plocate xxhash libvips-tools imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
