#!/usr/bin/env bash
# Builds the Debian package wendmoor4_VERSION_ARCH.deb from a built tree; it
# builds nothing again. The tree's install rules lay the program out under
# /usr; this script adds what Debian asks of a package (copyright, changelog,
# the manual page compressed, the lintian overrides, the program stripped)
# and the control file, whose Depends are the run-time section of
# scripts/packages.txt.
#
#   scripts/package.sh BUILD_DIR [OUT_DIR]     (OUT_DIR: BUILD_DIR)
#
# Prints the package's path. The version is project()'s (CMakeLists.txt);
# WM4_DEB_MAINTAINER names another maintainer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${1:?usage: $0 BUILD_DIR [OUT_DIR]}" && pwd)
out_dir=$(mkdir -p "${2:-$build_dir}" && cd "${2:-$build_dir}" && pwd)
source "$root/scripts/package_list.sh"

package=wendmoor4
maintainer=${WM4_DEB_MAINTAINER:-Quillon Vale Software <wendmoor4@quillonvale.com>}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build_dir/CMakeCache.txt" >&2; exit 1; }
arch=$(dpkg --print-architecture)
# Every date in the package is the last commit's, so that building the same
# source twice gives the same package.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
fi
export SOURCE_DATE_EPOCH

for needed in "$build_dir/src/app/wendmoor4" "$build_dir/docs/wendmoor4.pdf" \
              "$build_dir/packaging/wendmoor4.1"; do
  [ -e "$needed" ] || { echo "$needed is missing: build the tree first" >&2; exit 1; }
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
umask 022
DESTDIR="$stage" cmake --install "$build_dir" --prefix /usr >/dev/null

doc="$stage/usr/share/doc/$package"
mkdir -p "$doc" "$stage/usr/share/lintian/overrides"
# Debian's dh_strip does the same: no debugging symbols, comments or notes.
strip --strip-unneeded --remove-section=.comment --remove-section=.note \
      "$stage/usr/bin/wendmoor4"
gzip -9n "$stage/usr/share/man/man1/wendmoor4.1"
install -m 0644 "$root/packaging/copyright" "$doc/copyright"
install -m 0644 "$root/packaging/wendmoor4.lintian-overrides" \
        "$stage/usr/share/lintian/overrides/$package"
{
  echo "$package ($version) unstable; urgency=medium"
  echo
  echo "  * Wendmoor4 $version."
  echo
  echo " -- $maintainer  $(date -u -R -d "@$SOURCE_DATE_EPOCH")"
} | gzip -9n >"$doc/changelog.gz"

# ---- Depends: the run-time section, versioned by dpkg-shlibdeps ----
# dpkg-shlibdeps names the packages of the libraries the program links, with
# the least version each needs. Each must be a line of the run-time section:
# a library added to the program without its package there stops the build.
shlibs=$(mktemp -d)
mkdir -p "$shlibs/debian"
printf 'Source: %s\n\nPackage: %s\nArchitecture: any\n' "$package" "$package" \
       >"$shlibs/debian/control"
library_depends=$(cd "$shlibs" && dpkg-shlibdeps -O "$stage/usr/bin/wendmoor4" 2>/dev/null \
                  | sed -n 's/^shlibs:Depends=//p')
rm -rf "$shlibs"
declare -A least_version
IFS=',' read -ra library_entries <<<"$library_depends"
mapfile -t runtime < <(wm4_runtime_lines "$root/scripts/packages.txt")
missing=0
for entry in "${library_entries[@]}"; do
  entry=$(echo "$entry" | sed 's/^ *//; s/ *$//')
  name=${entry%% *}
  if ! printf '%s\n' "${runtime[@]}" | grep -qx -- "$name"; then
    echo "the program links a library of $name, which the run-time section of scripts/packages.txt does not list" >&2
    missing=1
  fi
  [[ $entry == *"("* ]] && least_version[$name]="(${entry#*(}"
done
[ $missing -eq 0 ] || exit 1
depends=()
for line in "${runtime[@]}"; do
  [[ $line == *"|"* ]] && { depends+=("$(echo "$line" | sed 's/ *| */ | /g')"); continue; }
  depends+=("$line${least_version[$line]:+ ${least_version[$line]}}")
done

# ---- the control file and the checksums ----
find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
chmod 0755 "$stage/usr/bin/wendmoor4"
installed_size=$(du -sk --apparent-size "$stage/usr" | cut -f1)
mkdir -m 0755 "$stage/DEBIAN"
(cd "$stage" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) \
  >"$stage/DEBIAN/md5sums"
{
  echo "Package: $package"
  echo "Version: $version"
  echo "Architecture: $arch"
  echo "Maintainer: $maintainer"
  echo "Installed-Size: $installed_size"
  echo "Depends: $(printf '%s, ' "${depends[@]}" | sed 's/, $//')"
  echo "Section: misc"
  echo "Priority: optional"
  echo "Homepage: https://www.quillonvale.com/wendmoor4/"
  cat "$root/packaging/description"
} >"$stage/DEBIAN/control"
chmod 0644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

deb="$out_dir/${package}_${version}_${arch}.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$deb" >/dev/null
echo "$deb"
