# Reads scripts/packages.txt; sourced by setup.sh, check_packages.sh and
# package.sh, so the set-up and the package's Depends read one list alike.

# The list's lines without comments and blank lines, as they stand.
wm4_package_lines() {
  sed -e 's/#.*//' -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' -e '/^$/d' "$1"
}

wm4_is_installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q ' installed$'
}

# The package the set-up installs for each line: its one name; of a line
# "A | B", the first one installed, else the last.
wm4_setup_packages() {
  local line alternative chosen
  local -a alternatives
  while IFS= read -r line; do
    IFS='|' read -ra alternatives <<<"${line//[[:space:]]/}"
    chosen=""
    for alternative in "${alternatives[@]}"; do
      if wm4_is_installed "$alternative"; then chosen=$alternative; break; fi
    done
    echo "${chosen:-${alternatives[-1]}}"
  done < <(wm4_package_lines "$1")
}

# The run-time section, one dependency a line ("A | B" as it stands).
wm4_runtime_lines() {
  sed -n '/^# ---- run-time/,/^# ---- end of run-time/p' "$1" | wm4_package_lines -
}
