#!/usr/bin/env bash
# Checks that scripts/deps.sh installs every Debian package a build used. A
# machine that happens to have a package hides its absence from the list;
# this finds it. For each build folder given, it gathers the system files the
# build read: the CMake package files and the programs found at configure time
# (CMakeCache.txt), the headers the compilers read (their .d files) and the
# libraries on the link lines (link.txt). It finds the package that owns each
# (dpkg -S) and fails, naming them, when one lies outside what the list brings
# in (apt-cache depends --recurse, without recommends and suggests).
#   bash scripts/check-deps.sh [--without PACKAGE]... BUILD_FOLDER...
# --without takes a package out of the list, to test this check itself.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$(pwd -P)

without=()
builds=()
while [ $# -gt 0 ]; do
  case "$1" in
    --without) without+=("$2"); shift 2 ;;
    *) builds+=("$1"); shift ;;
  esac
done
if [ ${#builds[@]} -eq 0 ]; then
  echo "usage: bash scripts/check-deps.sh [--without PACKAGE]... BUILD_FOLDER..." >&2
  exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 1. The list, less what --without takes out.
bash scripts/deps.sh --list | sort -u >"$work/listed"
for p in "${without[@]}"; do
  grep -vxF "$p" "$work/listed" >"$work/listed.new" || true
  mv "$work/listed.new" "$work/listed"
done

# 2. The files each build used, as absolute paths outside the source and build trees.
for build in "${builds[@]}"; do
  build=$(cd "$build" && pwd -P)
  cache="$build/CMakeCache.txt"
  [ -f "$cache" ] || { echo "check-deps: $build has no CMakeCache.txt" >&2; exit 2; }
  # Package folders found by find_package: their config files.
  sed -n 's/^[A-Za-z0-9_]*_DIR:PATH=\(\/.*\)$/\1/p' "$cache" | while read -r dir; do
    [ -d "$dir" ] || continue
    find "$dir" -maxdepth 1 \( -name '*Config.cmake' -o -name '*-config.cmake' \) 2>/dev/null
  done
  # The compiler.
  sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=\(\/.*\)$/\1/p' "$cache"
  # Headers from the compilers' dependency files.
  find "$build" -name '*.o.d' -print0 | xargs -0 -r cat | tr ' \\' '\n\n' | sed -n 's/:$//; /^\//p'
  # Libraries on the link lines; -lNAME through the compiler's own search.
  compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$cache")
  find "$build" -name link.txt -print0 | xargs -0 -r cat | tr ' ' '\n' | sort -u |
    while read -r word; do
      case "$word" in
        /*.so | /*.so.* | /*.a) echo "$word" ;;
        -l*)
          found=$("$compiler" -print-file-name="lib${word#-l}.so")
          case "$found" in /*) echo "$found" ;; esac ;;
      esac
    done
done | grep -v -e "^$source_dir/" -e '^/tmp/' | sort -u |
  while read -r f; do [ -e "$f" ] && echo "$f"; done >"$work/used" || true
# Each file with its real name, so that links and alternatives reach their package.
xargs -r -d '\n' readlink -f <"$work/used" | paste "$work/used" - >"$work/pairs"

# 3. The owners of every name a file goes by. With merged /usr, dpkg may know
# a file under /lib rather than /usr/lib.
cut -f1,2 "$work/pairs" | tr '\t' '\n' | sed 'p; s/^\/usr\/\(lib\|lib64\|bin\|sbin\)\//\/\1\//' |
  sort -u | xargs -r -d '\n' dpkg -S 2>/dev/null | grep -v '^diversion ' >"$work/owned" || true

# 4. What the list brings in.
closure() {
  xargs apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
    --no-replaces --no-enhances <"$work/listed" 2>/dev/null | sed -n 's/^<\?\([^ >]*\)>\?$/\1/p' |
    sed 's/:.*//' | sort -u
}
closure >"$work/closure"
if ! grep -qxF cmake "$work/closure" && grep -qxF cmake "$work/listed"; then
  apt-get update -qq # the package lists are gone (a trimmed image): fetch them once
  closure >"$work/closure"
fi

# 5. Every file needs, under one of its names, an owner inside the closure.
awk -F'\t' -v closure="$work/closure" -v owned="$work/owned" '
  function alt(f) { g = f; sub(/^\/usr\/(lib|lib64|bin|sbin)\//, "/&", g); sub(/^\/\/usr/, "", g); return g }
  BEGIN {
    while ((getline line < closure) > 0) inside[line] = 1
    while ((getline line < owned) > 0) {
      i = index(line, ": /"); owners[substr(line, i + 2)] = substr(line, 1, i - 1)
    }
  }
  {
    n = split($1 "\t" $2 "\t" alt($1) "\t" alt($2), names, "\t")
    known = ""; ok = 0
    for (k = 1; k <= n; k++) {
      if (!(names[k] in owners)) continue
      m = split(owners[names[k]], pkgs, ", ")
      for (j = 1; j <= m; j++) {
        p = pkgs[j]; sub(/:.*/, "", p)
        if (p in inside) ok = 1
        else if (known == "") known = p
      }
    }
    if (ok) next
    if (known != "") { if (!(known in shown)) printf "missing\t%s\t%s\n", known, $1; shown[known] = 1 }
    else printf "unowned\t\t%s\n", $1
  }' "$work/pairs" >"$work/verdict"

files=$(wc -l <"$work/used")
status=0
if grep -q '^missing' "$work/verdict"; then
  echo "check-deps: the build used packages that scripts/deps.sh does not install:" >&2
  awk -F'\t' '$1 == "missing" { printf "  %s (for example %s)\n", $2, $3 }' "$work/verdict" >&2
  status=1
fi
if grep -q '^unowned' "$work/verdict"; then
  echo "check-deps: the build used files that no Debian package installed:" >&2
  awk -F'\t' '$1 == "unowned" { printf "  %s\n", $3 }' "$work/verdict" >&2
  status=1
fi
[ $status -eq 0 ] && echo "check-deps: $files files of the build come from packages that scripts/deps.sh installs"
exit $status
