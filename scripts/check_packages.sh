#!/usr/bin/env bash
# Finds the next forgotten Debian package before a user on a fresh machine
# does. For the files a build actually uses (the CMake package files that
# configure loaded, the shared libraries the built programs and Qt's plugins
# link, the fonts and programs the tests call) it asks dpkg which package
# holds each, and fails, naming the package, when that package is neither in
# scripts/packages.txt nor pulled in by the Depends (and Pre-Depends) of one
# that is. Recommendations do not count: setup.sh does not install them.
# Essential and required packages are on every Debian system and count.
#
#   scripts/check_packages.sh BUILD_DIR
#
# Exit 0 when every file is covered, 1 when one is not (or a library is not
# found at all), 77 where there is no dpkg (not a Debian system: skipped).
set -uo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:?usage: $0 BUILD_DIR}

command -v dpkg-query >/dev/null || { echo "no dpkg: not a Debian system"; exit 77; }

source scripts/package_list.sh
mapfile -t listed < <(wm4_setup_packages scripts/packages.txt)

# ---- the installed packages, their dependencies and what they provide ----
declare -A installed depends provider
base=()
# Fields are split at a unit separator: tabs would fold empty fields away.
sep=$'\x1f'
while IFS=$sep read -r pkg status essential priority provides deps predeps; do
  [[ $status == *" installed" ]] || continue
  installed[$pkg]=1
  depends[$pkg]="$deps, $predeps"
  if [[ $essential == yes || $priority == required ]]; then base+=("$pkg"); fi
  IFS=',' read -ra provided <<<"$provides"
  for p in "${provided[@]}"; do
    p=${p%%(*}; p=${p//[[:space:]]/}
    [ -n "$p" ] && [ -z "${provider[$p]:-}" ] && provider[$p]=$pkg
  done
done < <(dpkg-query -W -f="\${Package}$sep\${Status}$sep\${Essential}$sep\${Priority}$sep\${Provides}$sep\${Depends}$sep\${Pre-Depends}\n")

# The installed package that satisfies one alternative of a dependency
# ("name (>= version)", "name:any"), in $dep; empty when none does.
satisfier() {
  local name=${1%%(*}
  name=${name//[[:space:]]/}
  name=${name%%:*}
  dep=""
  [ -n "$name" ] || return 0
  if [ -n "${installed[$name]:-}" ]; then dep=$name; else dep=${provider[$name]:-}; fi
}

# ---- what setup.sh brings: the listed packages and their Depends, closed ----
declare -A covered
queue=()
for p in "${listed[@]}" "${base[@]}"; do
  if [ -z "${installed[$p]:-}" ]; then
    echo "listed but not installed: $p (run scripts/setup.sh)"; exit 1
  fi
  covered[$p]=1; queue+=("$p")
done
while [ ${#queue[@]} -gt 0 ]; do
  pkg=${queue[0]}; queue=("${queue[@]:1}")
  IFS=',' read -ra groups <<<"${depends[$pkg]:-}"
  for group in "${groups[@]}"; do
    IFS='|' read -ra alternatives <<<"$group"
    for alternative in "${alternatives[@]}"; do
      satisfier "$alternative"
      if [ -n "$dep" ]; then
        if [ -z "${covered[$dep]:-}" ]; then covered[$dep]=1; queue+=("$dep"); fi
        break  # the first installed alternative is the one that counts
      fi
    done
  done
done

# ---- the files the build uses ----
files=()
failed=0
# CMake packages configure found (the *_DIR entries of the cache).
while IFS= read -r dir; do
  for config in "$dir"/*[Cc]onfig.cmake; do [ -f "$config" ] && files+=("$config"); done
done < <(sed -n 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/usr\/.*\)$/\1/p' "$build_dir/CMakeCache.txt")
# Shared libraries of the built programs and of Qt's plugins.
mapfile -t programs < <(find "$build_dir" -type f -perm -u+x \( -name 'wendmoor4' -o -name 'test_*' -o -name 'wm4_bench' -o -name 'formgen' \) 2>/dev/null)
plugins_dir=$(find /usr/lib -maxdepth 3 -type d -path '*qt6/plugins' 2>/dev/null | head -n 1)
mapfile -t plugins < <(find "${plugins_dir:-/nonexistent}" \( -path '*/platforms/*' -o -path '*/imageformats/*' -o -path '*/xcbglintegrations/*' -o -path '*/platforminputcontexts/*' \) -name '*.so' 2>/dev/null)
for binary in "${programs[@]}" "${plugins[@]}"; do
  files+=("$binary")
  while read -r line; do
    if [[ $line == *"not found"* ]]; then
      echo "MISSING: $binary needs ${line%% *}, which is not installed"; failed=1
    elif [[ $line =~ (/[^ ]+)\ \( ]]; then
      files+=("${BASH_REMATCH[1]}")
    fi
  done < <(ldd "$binary" 2>/dev/null)
done
# Fonts the forms are measured and printed with.
for font in "Liberation Sans" "Liberation Sans Narrow"; do
  file=$(fc-match -f '%{file}' "$font:style=Regular" 2>/dev/null)
  if [[ $file != */Liberation* ]]; then echo "MISSING: no font file for $font"; failed=1; else files+=("$file"); fi
done
# Programs the build and the tests start.
for program in cmake make c++ ctest soffice pdfinfo pdftoppm pdftotext fc-match; do
  path=$(command -v "$program") || { echo "MISSING: program $program"; failed=1; continue; }
  files+=("$path")
done
files+=("/usr/include/gtest/gtest.h" "/usr/include/benchmark/benchmark.h")

mapfile -t files < <(printf '%s\n' "${files[@]}" | sort -u)

# ---- which package holds each file ----
# dpkg records some files under /lib, /bin, /sbin that merged /usr shows under
# /usr/lib, /usr/bin, /usr/sbin (and the other way round); symbolic links are
# asked for as they are and as their target.
candidates() {
  local f=$1 real
  real=$(readlink -f "$f")
  for p in "$f" "$real"; do
    echo "$p"
    case "$p" in
      /usr/lib/*|/usr/bin/*|/usr/sbin/*) echo "${p#/usr}" ;;
      /lib/*|/bin/*|/sbin/*) echo "/usr$p" ;;
    esac
  done
}
declare -A owner
mapfile -t queries < <(for f in "${files[@]}"; do candidates "$f"; done | sort -u)
while IFS= read -r line; do
  [[ $line == diversion* ]] && continue
  pkgs=${line%%: /*}; path=${line#*: }
  owner[$path]=$pkgs
done < <(dpkg-query -S "${queries[@]}" 2>/dev/null)

declare -A reported
for f in "${files[@]}"; do
  pkgs=""
  while IFS= read -r c; do [ -n "${owner[$c]:-}" ] && { pkgs=${owner[$c]}; break; }; done < <(candidates "$f")
  case "$f" in "$build_dir"/*|"$(cd "$build_dir" && pwd)"/*) continue ;; esac
  if [ -z "$pkgs" ]; then
    echo "MISSING: $f belongs to no Debian package"; failed=1; continue
  fi
  ok=0
  IFS=',' read -ra owners <<<"$pkgs"
  for o in "${owners[@]}"; do
    o=${o//[[:space:]]/}; o=${o%%:*}
    [ -n "${covered[$o]:-}" ] && ok=1
  done
  if [ $ok -eq 0 ] && [ -z "${reported[$pkgs]:-}" ]; then
    reported[$pkgs]=1
    echo "MISSING: package ${pkgs%%:*} (for $f) is not in scripts/packages.txt nor a dependency of one there"
    failed=1
  fi
done

echo "checked ${#files[@]} files against ${#covered[@]} packages that setup.sh brings"
exit $failed
