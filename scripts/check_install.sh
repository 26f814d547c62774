#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks the layout a desktop
# needs: the program, its data folder with the manual, the menu entry, the
# icon, the case file type, the software centre's entry, the manual page and
# the sample case.
#   scripts/check_install.sh BUILD_DIR
set -euo pipefail
build_dir=${1:?usage: $0 BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

status=0
for f in bin/wendmoor4 share/wendmoor4/default.wm4 share/wendmoor4/PSF/page0.psf \
         share/wendmoor4/RTF/Page0.rtf share/wendmoor4/DAT/PAGE0.DAT share/wendmoor4/wendmoor4.svg \
         share/applications/wendmoor4.desktop share/icons/hicolor/scalable/apps/wendmoor4.svg \
         share/mime/packages/wendmoor4.xml share/metainfo/com.quillonvale.wendmoor4.metainfo.xml \
         share/doc/wendmoor4/examples/sample.wm4; do
  [ -e "$prefix/$f" ] || { echo "missing: $f"; status=1; }
done
# The manual and the manual page are there whenever the build made them.
if [ -e "$build_dir/docs/wendmoor4.pdf" ] && [ ! -e "$prefix/share/wendmoor4/wendmoor4.pdf" ]; then
  echo "missing: share/wendmoor4/wendmoor4.pdf"; status=1
fi
if [ -e "$build_dir/packaging/wendmoor4.1" ] && [ ! -e "$prefix/share/man/man1/wendmoor4.1" ]; then
  echo "missing: share/man/man1/wendmoor4.1"; status=1
fi
[ ! -e "$prefix/share/wendmoor4/forms" ] || { echo "form sources installed"; status=1; }
grep -q '^MimeType=application/x-wendmoor4-case;' "$prefix/share/applications/wendmoor4.desktop" || { echo "desktop entry names no case type"; status=1; }
grep -q 'glob pattern="\*.wm4"' "$prefix/share/mime/packages/wendmoor4.xml" || { echo "no *.wm4 glob"; status=1; }
# The installed program runs from its prefix and finds its data there.
"$prefix/bin/wendmoor4" --help >/dev/null || { echo "installed program does not run"; status=1; }
exit $status
