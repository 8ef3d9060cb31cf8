#!/usr/bin/env bash
# Packs the programs of a finished build into the Debian package (no new build) and checks it: the files
# a desktop needs are in it, the freedesktop validators and lintian find no error, and the package
# unpacked into a temporary folder draws a picture and starts the window, which finds its help page
# there. Usage: check_package.sh BUILD-FOLDER
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
source "$(dirname "$0")/../support/xvfb.sh"
trap 'xvfb_cleanup; rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$build"/package/orrin_*_amd64.deb)
version=$(dpkg-deb -f "$deb" Version)
[[ $(basename "$deb") == "orrin_${version}_amd64.deb" ]] || fail "unexpected package name $deb"
echo "-- $deb"

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/files"
for path in /usr/bin/orrin /usr/bin/orrin-render /usr/share/orrin/help.html \
            /usr/share/applications/org.orrin.orrin.desktop /usr/share/metainfo/org.orrin.orrin.metainfo.xml \
            /usr/share/mime/packages/orrin.xml /usr/share/icons/hicolor/scalable/apps/orrin.svg \
            /usr/share/icons/hicolor/48x48/apps/orrin.png /usr/share/icons/hicolor/256x256/apps/orrin.png \
            /usr/share/man/man1/orrin.1.gz /usr/share/man/man1/orrin-render.1.gz \
            /usr/share/doc/orrin/copyright /usr/share/doc/orrin/changelog.gz; do
  grep -qx -- "$path" "$work/files" || fail "the package lacks $path"
done
if grep -qx /usr/bin/orrin-worksheet "$work/files"; then
  for path in /usr/share/applications/org.orrin.orrin.worksheet.desktop /usr/share/man/man1/orrin-worksheet.1.gz; do
    grep -qx -- "$path" "$work/files" || fail "the package lacks $path"
  done
fi
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no Qt among the found dependencies"

root=$work/root
dpkg-deb -x "$deb" "$root"
# Hints only remark that Education, Math and Science are each a main category.
desktop-file-validate "$root"/usr/share/applications/*.desktop | { grep -v ': hint: ' || true; }
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.orrin.orrin.metainfo.xml" >"$work/appstream.log" ||
  { cat "$work/appstream.log"; fail "appstreamcli found faults"; }
xmllint --noout "$root/usr/share/mime/packages/orrin.xml"
# The MIME package builds into a database that gives *.qrn the new type.
cp -r "$root/usr/share/mime" "$work/mime"
update-mime-database "$work/mime" >/dev/null 2>"$work/mime.log" || { cat "$work/mime.log"; fail "update-mime-database failed"; }
grep -q '^50:application/x-orrin-model:\*\.qrn$' "$work/mime/globs2" || fail "*.qrn has no type"
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian reports errors"; }
grep -v 'running with root privileges' "$work/lintian.log" | sed 's/^/   lintian: /' || true

# The unpacked programs run from where they lie.
"$root/usr/bin/orrin-render" cube -o "$work/x.png"
[[ $(head -c 8 "$work/x.png" | od -An -tx1 | tr -d ' ') == 89504e470d0a1a0a ]] || fail "orrin-render wrote no PNG"
start_xvfb "$work"
# strace -D keeps the window the started process (its tracer aside), and shows where it looks for files.
start_program "$work/orrin.log" strace -D -e trace=%file -o "$work/trace" "$root/usr/bin/orrin"
find_window '^立体图形$'
grep -F "\"$root/usr/share/orrin/help.html\"" "$work/trace" | grep -q 'S_IFREG' ||
  fail "the unpacked window did not find its help page: $(grep -F help "$work/trace" || true)"
kill -0 "$program_pid" 2>/dev/null || fail "the window closed: $(tail -n 5 "$work/orrin.log")"
echo "ok: orrin $version packed and checked; the unpacked window ($window) found $root/usr/share/orrin/help.html"
