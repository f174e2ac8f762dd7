#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
# Idempotent and quiet when everything is already there. Run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qtbase5-dev qtdeclarative5-dev qtdeclarative5-dev-tools libqt5serialport5-dev qtquickcontrols2-5-dev
  qml-module-qtquick-controls qml-module-qtquick-controls2 qml-module-qtquick-dialogs
  qml-module-qtquick-layouts qml-module-qtquick-window2 qml-module-qtqml-models2 qml-module-qttest
  protobuf-compiler libprotobuf-dev libzip-dev umockdev libumockdev-dev libudev-dev
  xvfb xauth xdotool libgl1-mesa-dri imagemagick unzip
  python3 python3-fonttools fonts-dejavu-core librsvg2-bin
  desktop-file-utils appstream dpkg-dev file
  # lrelease and lupdate build and check the translations; Qt's own for its standard texts
  qttools5-dev-tools qttranslations5-l10n
  # lintian checks the Debian package
  lintian
  # update-mime-database checks the program type the package registers
  shared-mime-info
  # clang and its runtimes build the fuzz targets
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# No recommends: they bring a GTK platform theme that swaps the QML file dialogs for native ones.
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
