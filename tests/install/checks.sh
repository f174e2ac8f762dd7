# Shared by the install checks: counts failures instead of stopping at the first, so one run
# reports everything that is wrong. Source it, call the checks, end with `report`.
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
report() {
  [[ $failures -eq 0 ]] || { echo "$failures check(s) failed"; exit 1; }
  echo "All checks passed"
}
# The calculator's USB id NAME (vendorId, productId) from the header the code reads, in lower case.
usb_id() { sed -n "s/.*$2 = 0x\([0-9A-Fa-f]\{4\}\).*/\1/p" "$1" | tr 'A-F' 'a-f'; }
# The files the install and the package carry, relative to the root, for desktop id $1.
expected_files() {
  echo "usr/bin/ulvo-connect"
  echo "usr/bin/ulvo-connect-cli"
  echo "usr/share/man/man1/ulvo-connect.1.gz"
  echo "usr/share/man/man1/ulvo-connect-cli.1.gz"
  echo "usr/share/doc/ulvo-connect/changelog.gz"
  echo "usr/share/bash-completion/completions/ulvo-connect-cli"
  echo "usr/share/applications/$1.desktop"
  echo "usr/share/metainfo/$1.metainfo.xml"
  echo "usr/share/mime/packages/$1.xml"
  echo "usr/share/icons/hicolor/scalable/apps/$1.svg"
  for size in "${icon_sizes[@]}"; do echo "usr/share/icons/hicolor/${size}x${size}/apps/$1.png"; done
}
icon_sizes=(16 32 48 64 128 256)
