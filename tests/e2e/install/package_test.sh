#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a temporary root and checks
# that the program runs from there and that the desktop finds what it needs.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/*.deb)
[ "$(echo "$deb" | wc -l)" -eq 1 ] || fail "one package expected: $deb"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libqt6svg6 libsdl2 qt6-translations-l10n; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done

# Debian's own checks; only a real maintainer address can settle the mail-host tags.
lintian_out=$(lintian --fail-on error,warning \
  --suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog "$deb" 2>&1) ||
  { echo "$lintian_out"; fail "lintian"; }

root=$work/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/auvo usr/lib/auvo/auvo usr/lib/auvo/doc/index.htm \
         usr/share/applications/auvo.desktop usr/share/mime/packages/auvo.xml \
         usr/share/icons/hicolor/scalable/apps/auvo.svg \
         usr/share/icons/hicolor/scalable/mimetypes/application-x-auvo.svg \
         usr/share/man/man1/auvo.1.gz usr/share/man/de/man1/auvo.1.gz \
         usr/share/doc/auvo/copyright usr/share/doc/auvo/changelog.gz; do
  [ -e "$root/$f" ] || fail "missing $f"
done

# The launcher finds the program folder from wherever the tree lies.
version=$(cd / && "$root/usr/bin/auvo" --version)
[[ $version == "AUVO Hörtest-Programm"* ]] || fail "--version printed: $version"

desktop-file-validate "$root/usr/share/applications/auvo.desktop" || fail "desktop file"
grep -q '^Exec=auvo %f$' "$root/usr/share/applications/auvo.desktop" || fail "Exec"

# The MIME database accepts the type and maps the extension and its icon.
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/auvo.xml" "$work/mime/packages/"
xmllint --noout "$work/mime/packages/auvo.xml" || fail "MIME XML"
update-mime-database "$work/mime" 2>&1 | (! grep -i -e error -e warn) || fail "MIME database"
grep -q '^application/x-auvo:\*\.auvo$' <(cut -d: -f2- "$work/mime/globs2") || fail "glob"
grep -q '^application/x-auvo:application-x-auvo$' "$work/mime/icons" || fail "MIME icon"
# The manual page names every option of the command line.
page=$(zcat "$root/usr/share/man/man1/auvo.1.gz" | sed 's/\\-/-/g')
for opt in version export-wav seconds export-pdf export-png dpi print export-csv together \
           normal-curve comparison; do
  grep -qF -- "--$opt" <<<"$page" || fail "manual page lacks --$opt"
done
echo "package ok: $(basename "$deb")"
