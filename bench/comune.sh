# Shared by the measurement scripts: installs a Debian package when a tool is
# missing and we may, and finds the build's programs.

# installa_se_manca COMMAND PACKAGE: 0 when COMMAND is (now) available.
installa_se_manca() {
  command -v "$1" >/dev/null 2>&1 && return 0
  if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null 2>&1; then
    echo "== installo $2" >&2
    apt-get update >/dev/null 2>&1 || true
    DEBIAN_FRONTEND=noninteractive apt-get install -y "$2" >/dev/null 2>&1 || true
  fi
  command -v "$1" >/dev/null 2>&1
}

# programma BUILD NAME: the path of the built executable NAME, or nothing.
programma() {
  find "$1" -type f -name "$2" -perm -u+x 2>/dev/null | head -n 1
}

# mediana: the median of the numbers on standard input, one per line.
mediana() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
