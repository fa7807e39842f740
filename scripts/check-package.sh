#!/usr/bin/env bash
# Builds the Debian package, checks what it holds and what lintian says of it,
# installs it, runs the installed orvctl in an empty folder, and removes it.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/orv_*.deb | head -n 1)
echo "Package: $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/orv3 ./usr/bin/orvctl ./usr/bin/collar-emulator \
            ./usr/share/applications/orv3.desktop \
            ./usr/share/icons/hicolor/scalable/apps/orv.svg \
            ./usr/share/icons/hicolor/48x48/apps/orv.png \
            ./usr/share/man/man1/orv3.1.gz ./usr/share/man/man1/orvctl.1.gz \
            ./usr/share/man/man1/collar-emulator.1.gz \
            ./usr/share/bash-completion/completions/orvctl \
            ./usr/share/doc/orv/copyright; do
  grep -qx -- "$path" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done
desktop-file-validate packaging/orv3.desktop
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q libqt6widgets6 <<<"$depends" || { echo "the Qt libraries are not among the dependencies"; exit 1; }

# lintian: no errors (warnings are reported, not fatal).
lintian --tag-display-limit 0 "$deb" | tee /tmp/orv-lintian.txt || true
if grep -q '^E:' /tmp/orv-lintian.txt; then echo "lintian reports errors"; exit 1; fi

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
trap 'apt-get remove -y -qq orv >/dev/null || true' EXIT
empty=$(mktemp -d)
(cd "$empty" && /usr/bin/orvctl --version && /usr/bin/orvctl show >/dev/null)
[ -z "$(ls -A "$empty")" ] || { echo "orvctl show left files behind: $(ls -A "$empty")"; exit 1; }
rmdir "$empty"
echo "The package installs and its orvctl works."
