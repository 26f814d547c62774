#!/usr/bin/env bash
# The Debian package's tests (tests/CMakeLists.txt registers one per check).
#
#   scripts/check_package.sh build BUILD_DIR       builds BUILD_DIR/package/wendmoor4_*.deb
#   scripts/check_package.sh desktop BUILD_DIR     desktop-file-validate on its menu entry
#   scripts/check_package.sh appstream BUILD_DIR   appstreamcli validate --no-net on its metadata
#   scripts/check_package.sh lintian BUILD_DIR     lintian: no error, no warning not overridden
#   scripts/check_package.sh install BUILD_DIR     installs it into a scratch root, runs it, removes it
#
# Exit 0 when the check holds, 1 when it does not, 77 when its tool is
# missing (skipped; scripts/setup.sh installs every one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
check=${1:?usage: $0 build|desktop|appstream|lintian|install BUILD_DIR}
build_dir=$(cd "${2:?usage: $0 CHECK BUILD_DIR}" && pwd)
package_dir="$build_dir/package"

needs() {
  command -v "$1" >/dev/null || { echo "$1 is not installed: skipped"; exit 77; }
}

the_package() {
  local debs=("$package_dir"/wendmoor4_*.deb)
  [ -e "${debs[0]}" ] || { echo "no package in $package_dir (the test package_build makes it)"; exit 1; }
  echo "${debs[0]}"
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The package's files, unpacked as they would be installed.
unpacked() {
  dpkg-deb -x "$(the_package)" "$scratch/unpacked"
  echo "$scratch/unpacked"
}

case $check in
build)
  needs dpkg-deb
  needs dpkg-shlibdeps
  rm -rf "$package_dir"
  deb=$(bash "$root/scripts/package.sh" "$build_dir" "$package_dir")
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
  [ "$(basename "$deb")" = "wendmoor4_${version}_$(dpkg --print-architecture).deb" ] ||
    { echo "the package is named $(basename "$deb")"; exit 1; }
  dpkg-deb --info "$deb"
  ;;

desktop)
  needs desktop-file-validate
  desktop-file-validate "$(unpacked)/usr/share/applications/wendmoor4.desktop"
  ;;

appstream)
  needs appstreamcli
  needs identify
  # --no-net: nothing is fetched, so the screenshots' addresses are checked
  # for their form (https) but not for the images behind them. The loop
  # below ties each address to its picture in packaging/screenshots/ and
  # the size the metadata gives to the picture's.
  metainfo=$(unpacked)/usr/share/metainfo/com.quillonvale.wendmoor4.metainfo.xml
  appstreamcli validate --no-net --explain "$metainfo"
  status=0
  while read -r width height url; do
    picture="$root/packaging/screenshots/$(basename "$url")"
    if [ ! -f "$picture" ]; then
      echo "$url: no $picture in the source tree"; status=1; continue
    fi
    size=$(identify -format '%w %h' "$picture")
    [ "$size" = "$width $height" ] ||
      { echo "$picture is $size, the metadata says $width $height"; status=1; }
  done < <(sed -n 's/.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">\(https:[^<]*\)<.*/\1 \2 \3/p' "$metainfo")
  grep -q '<image type="source"' "$metainfo" || { echo "no screenshot"; status=1; }
  exit $status
  ;;

lintian)
  needs lintian
  # Errors and warnings fail; the package's own overrides (each with its
  # reason, packaging/wendmoor4.lintian-overrides) are honoured.
  lintian --allow-root --display-info --show-overrides "$(the_package)" | tee "$scratch/lintian.txt"
  if grep -E '^(E|W): ' "$scratch/lintian.txt" >/dev/null; then
    echo "lintian reports errors or warnings"; exit 1
  fi
  ;;

install)
  needs dpkg
  deb=$(the_package)
  status=0
  # ---- the Depends: resolved against a clean system, and this one ----
  # With an empty package database apt resolves everything a fresh Debian
  # would install for the package from the archive's indexes (the set-up's
  # apt-get update fetched them); without the indexes, against this system.
  : >"$scratch/empty-status"
  if apt-get -s -o Dir::State::status="$scratch/empty-status" install "$deb" >"$scratch/apt.txt" 2>&1; then
    echo "apt on a clean system would install $(grep -c '^Inst ' "$scratch/apt.txt") packages"
  else
    cat "$scratch/apt.txt"
    if grep -q 'Unable to locate\|has no installation candidate\|Unmet dependencies' "$scratch/apt.txt"; then
      echo "the Depends cannot be met on a clean system"; exit 1
    fi
    echo "no archive indexes: the Depends resolved against this system only"
    apt-get -s install "$deb" >"$scratch/apt.txt" || { cat "$scratch/apt.txt"; exit 1; }
  fi
  # No build-only package comes with it.
  if grep -E '^Inst [^ ]*-dev |^Inst (g\+\+|gcc|cmake|make|pkg-config|lintian|asciidoctor) ' "$scratch/apt.txt"; then
    echo "installing the package brings build-only packages"; status=1
  fi
  dpkg --dry-run -i "$deb" >/dev/null || { echo "dpkg --dry-run -i failed"; exit 1; }

  # ---- installed for real into a scratch root ----
  target="$scratch/root"
  mkdir -p "$target/var/lib/dpkg/info" "$target/var/lib/dpkg/updates" "$target/var/lib/dpkg/triggers"
  : >"$target/var/lib/dpkg/status"
  : >"$target/var/lib/dpkg/available"
  # The Depends are met by this system, not by the scratch root.
  dpkg --root="$target" --log=/dev/null --force-depends --force-not-root -i "$deb" \
       >"$scratch/dpkg.txt" 2>&1 || { cat "$scratch/dpkg.txt"; exit 1; }
  for f in bin/wendmoor4 share/wendmoor4/default.wm4 share/wendmoor4/PSF/page0.psf \
           share/wendmoor4/RTF/Page0.rtf share/wendmoor4/DAT/PAGE0.DAT share/wendmoor4/wendmoor4.pdf \
           share/applications/wendmoor4.desktop share/icons/hicolor/scalable/apps/wendmoor4.svg \
           share/mime/packages/wendmoor4.xml share/metainfo/com.quillonvale.wendmoor4.metainfo.xml \
           share/man/man1/wendmoor4.1.gz share/doc/wendmoor4/copyright \
           share/doc/wendmoor4/changelog.gz share/doc/wendmoor4/examples/sample.wm4; do
    [ -e "$target/usr/$f" ] || { echo "not installed: /usr/$f"; status=1; }
  done

  # The installed program finds its data folder beside its bin folder and
  # prints a packet of the installed sample case.
  home="$scratch/home"
  mkdir -p "$home"
  run() {
    env HOME="$home" XDG_CONFIG_HOME="$home/.config" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        "$target/usr/bin/wendmoor4" "$@"
  }
  sample="$target/usr/share/doc/wendmoor4/examples/sample.wm4"
  if run print "$sample" "$scratch/packet.rtf" --forms all 2>"$scratch/print.err"; then
    head -c 5 "$scratch/packet.rtf" | grep -q '^{\\rtf' || { echo "the packet is not RTF"; status=1; }
    grep -q 'Whitcombe' "$scratch/packet.rtf" || { echo "the packet does not name the sample's decedent"; status=1; }
    echo "printed a packet of $(wc -c <"$scratch/packet.rtf") bytes from the installed sample"
  else
    cat "$scratch/print.err"; echo "the installed program could not print the sample"; status=1
  fi
  # Without its installed templates it fails, naming them: it read them, not
  # the source tree's.
  mv "$target/usr/share/wendmoor4/RTF" "$scratch/RTF"
  if run print "$sample" "$scratch/again.rtf" --forms all 2>"$scratch/again.err"; then
    echo "the program printed without its installed templates"; status=1
  elif ! grep -q "$target/usr/share/wendmoor4" "$scratch/again.err"; then
    cat "$scratch/again.err"; echo "the failure does not name the installed data folder"; status=1
  fi
  mv "$scratch/RTF" "$target/usr/share/wendmoor4/RTF"

  # ---- removed: nothing stays behind in /usr ----
  dpkg --root="$target" --log=/dev/null --force-not-root --purge wendmoor4 >/dev/null
  left=$(find "$target/usr" -mindepth 1 2>/dev/null || true)
  [ -z "$left" ] || { echo "left behind after removal:"; echo "$left"; status=1; }
  exit $status
  ;;

*)
  echo "unknown check: $check"; exit 2
  ;;
esac
