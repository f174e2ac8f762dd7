#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR with the prefix /usr and checks what a desktop needs:
# the program, the desktop entry and metainfo (both validated), the icons at their sizes and the
# udev rule for the calculator's USB ids. Files installed by other parts are tolerated.
# Usage: check_installed_tree.sh BUILD_DIR APP_ID VERSION IDS_HEADER
set -euo pipefail
build=$1 app_id=$2 version=$3 ids_header=$4

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

source "$(dirname "$0")/checks.sh"
expect_file() { [[ -f "$root/$1" ]] || fail "missing $1"; }
expect_line() { grep -qxF -- "$2" "$root/$1" || fail "$1 has no line: $2"; }
expect_text() { grep -qF -- "$2" "$root/$1" || fail "$1 does not contain: $2"; }

while read -r file; do expect_file "$file"; done < <(expected_files "$app_id")
[[ -x $root/usr/bin/ulvo-connect ]] || fail "usr/bin/ulvo-connect is not executable"

desktop=usr/share/applications/$app_id.desktop
expect_line "$desktop" "Exec=ulvo-connect %F"
expect_line "$desktop" "MimeType=application/x-ulvobasic;"
expect_line "$desktop" "Icon=$app_id"
expect_line "$desktop" "Categories=Education;Utility;"
echo "== desktop-file-validate $desktop"
desktop-file-validate "$root/$desktop" || fail "desktop-file-validate rejects $desktop"

metainfo=usr/share/metainfo/$app_id.metainfo.xml
expect_text "$metainfo" "<id>$app_id</id>"
expect_text "$metainfo" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>"
expect_text "$metainfo" "<release version=\"$version\""
echo "== appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$root/$metainfo" || fail "appstreamcli rejects $metainfo"

# The program type the desktop entry names: built into a MIME database, *.ucb files get it.
mime=usr/share/mime/packages/$app_id.xml
if [[ -f $root/$mime ]]; then
  mimedb=$(mktemp -d)
  mkdir -p "$mimedb/packages" && cp "$root/$mime" "$mimedb/packages/"
  update-mime-database "$mimedb" || fail "update-mime-database rejects $mime"
  grep -qxF 'application/x-ulvobasic:*.ucb' "$mimedb/globs" 2>/dev/null \
    || fail "$mime does not give *.ucb the type application/x-ulvobasic"
  rm -rf "$mimedb"
fi

for size in "${icon_sizes[@]}"; do
  png=usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [[ -f $root/$png ]] || continue
  measured=$(identify -format '%wx%h' "$root/$png")
  [[ $measured == "${size}x${size}" ]] || fail "$png is $measured"
done

# The ids as the code has them, so the rule can only pass if it matches the link's header.
vendor=$(usb_id "$ids_header" vendorId) product=$(usb_id "$ids_header" productId)
[[ -n $vendor && -n $product ]] || fail "no USB ids in $ids_header"
mapfile -t rules < <(cd "$root" && find . -path '*/udev/rules.d/*.rules' -printf '%P\n')
if [[ ${#rules[@]} -ne 1 ]]; then
  fail "expected one udev rule, found ${#rules[@]}: ${rules[*]:-}"
else
  rule=${rules[0]}
  # Both assignments sit on lines that match the calculator's ids.
  matching=$(grep -F "ATTRS{idVendor}==\"$vendor\"" "$root/$rule" | grep -F "ATTRS{idProduct}==\"$product\"" || true)
  grep -qF 'TAG+="uaccess"' <<<"$matching" || fail "$rule gives no uaccess for $vendor:$product"
  grep -qF 'ENV{ID_MM_DEVICE_IGNORE}="1"' <<<"$matching" || fail "$rule does not keep ModemManager off $vendor:$product"
  if command -v udevadm >/dev/null && udevadm verify --help >/dev/null 2>&1; then
    udevadm verify "$root/$rule" || fail "udevadm verify rejects $rule"
  fi
fi

echo "Installed tree:"
(cd "$root" && find . -type f | sort)
report
