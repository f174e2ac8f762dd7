#!/usr/bin/env bash
# Builds the Debian package with CPack into a temporary folder and checks its name, control
# fields, Depends (the libraries found by shlibdeps and the QML modules), its files, the
# maintainer script that reloads the udev rules, and what lintian says about it. Files installed
# by other parts are tolerated.
# Usage: check_package.sh BUILD_DIR APP_ID VERSION IDS_HEADER
set -euo pipefail
build=$1 app_id=$2 version=$3 ids_header=$4
source "$(dirname "$0")/checks.sh"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
arch=$(dpkg --print-architecture)
deb=$out/ulvo-connect_${version}_${arch}.deb
[[ -f $deb ]] || { fail "no $(basename "$deb"); built: $(cd "$out" && ls ./*.deb)"; report; }

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == ulvo-connect ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture: $(field Architecture)"

depends=$(field Depends)
echo "Depends: $depends"
# One entry per package, without versions or alternatives.
depended=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/[ (|].*//')
depends_on() { grep -qx -- "$1" <<<"$depended"; }
for pattern in 'libc6' 'libqt5core5a' 'libqt5gui5' 'libqt5qml5' 'libqt5quick5' 'libqt5serialport5' \
               'libprotobuf[0-9]*' 'libzip[0-9]*' 'qml-module-qtquick2' 'qml-module-qtquick-controls' \
               'qml-module-qtquick-controls2' 'qml-module-qtquick-dialogs' \
               'qml-module-qtquick-layouts' 'qml-module-qtquick-window2'; do
  depends_on "$pattern" || fail "Depends has no $pattern"
done

listing=$(dpkg-deb -c "$deb")
echo "Files:"
awk '{ print $1, $NF }' <<<"$listing"
files=$(awk '$1 !~ /^d/ { sub(/^\.\//, "", $NF); print $NF }' <<<"$listing")
has_file() { grep -qx -- "$1" <<<"$files"; }
while read -r file; do has_file "$file" || fail "package lacks $file"; done < <(expected_files "$app_id")
grep -q '/udev/rules\.d/[^/]*\.rules$' <<<"$files" || fail "package has no udev rule"
grep -q '^-rwxr-xr-x .* \./usr/bin/ulvo-connect$' <<<"$listing" || fail "usr/bin/ulvo-connect is not executable"

control=$out/control
dpkg-deb -e "$deb" "$control"
[[ -x $control/postinst ]] || fail "no executable postinst"
grep -q 'udevadm control --reload-rules' "$control/postinst" || fail "postinst does not reload the udev rules"
vendor=$(usb_id "$ids_header" vendorId) product=$(usb_id "$ids_header" productId)
grep -qF -- "--attr-match=idVendor=$vendor --attr-match=idProduct=$product" "$control/postinst" ||
  fail "postinst does not replay the plug-in of $vendor:$product"
# Installing where udev does not run (a chroot, a container) must not fail.
sh -n "$control/postinst" || fail "postinst is not valid sh"

# Debian's package checker: any error or warning fails. Overrides, if ever needed, go into the
# package with a comment that says why.
echo "== lintian $(basename "$deb")"
lintian --no-cfg --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
report
