#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it:
#   check-deb.sh BUILD_DIR SCRATCH_DIR
# the program, the tool, the desktop entry, the icons and the manuals are in
# it, it depends on the Qt packages the program needs, and lintian finds no
# error in it.
set -u
build=$1 scratch=$2
for tool in cpack dpkg-deb lintian dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
fail=0
problem() { echo "FAIL: $*"; fail=1; }

cpack -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$scratch"/tarvel3_*.deb)
[ -f "${debs[0]}" ] || { cat "$scratch/cpack.log"; echo "FAIL: no tarvel3_*.deb"; exit 1; }
deb=${debs[0]}
echo "package: $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
for path in /usr/bin/tarvel3 /usr/bin/tarvel3ctl /usr/share/applications/tarvel3.desktop \
            /usr/share/icons/hicolor/scalable/apps/tarvel3.svg /usr/share/icons/hicolor/48x48/apps/tarvel3.png \
            /usr/share/icons/hicolor/256x256/apps/tarvel3.png /usr/share/doc/tarvel3/manual-en.html \
            /usr/share/doc/tarvel3/manual-cs.html /usr/share/doc/tarvel3/copyright /usr/share/doc/tarvel3/changelog.gz; do
  grep -qx "$path" <<<"$contents" || problem "$path is not in the package"
done
# Nothing from the build or the tests goes into the package.
unexpected=$(grep -v -E '^/(usr/)?$|^/usr/bin/(tarvel3|tarvel3ctl)?$|^/usr/share/((applications|icons|doc)(/.*)?)?$' <<<"$contents")
[ -z "$unexpected" ] || problem "unexpected files: $unexpected"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for pkg in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 qt6-qpa-plugins; do
  grep -qE "(^|, )$pkg( |,|$)" <<<"$depends" || problem "Depends lacks $pkg"
done
grep -q qt6-translations-l10n <<<"$(dpkg-deb -f "$deb" Recommends)" || problem "Recommends lacks qt6-translations-l10n"

# lintian: errors fail the check; warnings are shown for the record.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1
status=$?
cat "$scratch/lintian.log"
[ $status -eq 0 ] || problem "lintian reports errors"
[ $fail -eq 0 ] && echo "OK"
exit $fail
