#!/usr/bin/env bash
# Checks the set-up's package and source steps on this system without installing anything:
# adds what the set-up adds (the i386 architecture and the deb-src entries), fetches the
# package lists, then asks apt whether every package the two commands install could be
# installed together, and whether Debian's libopenmpt source package can be found. A package
# that a new release renamed or dropped fails here in a minute, not in a build half an hour
# on. Run as root; scripts/try-on-debian.sh RELEASE setup runs it in a fresh system.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

add_windows_sources
refresh_package_lists

# shellcheck disable=SC2046
everything=("${demo_packages[@]}" "${test_packages[@]}" "${windows_packages[@]}"
  "${web_packages[@]}" $(node_packages))
if ! report=$(apt-get install --simulate --no-install-recommends "${everything[@]}" 2>&1); then
  echo "FAILED: apt cannot install the set-up's packages on this system:" >&2
  printf '%s\n' "$report" | grep -E '^(E:|  |Package|However)' | head -n 20 >&2
  exit 1
fi
echo "apt can install all $(printf '%s\n' "${everything[@]}" | sort -u | wc -l) packages" \
  "($(printf '%s\n' "$report" | grep -c '^Inst ') with what they need)"

if ! dsc=$(apt-get source --print-uris libopenmpt 2>&1 | grep -o "libopenmpt_[^' ]*\.dsc"); then
  echo "FAILED: no libopenmpt source package after the set-up's deb-src entries:" >&2
  grep -hE '^[[:space:]]*(deb|deb-src|Types|URIs|Suites)' /etc/apt/sources.list \
    /etc/apt/sources.list.d/* 2>/dev/null >&2 || true
  exit 1
fi
echo "apt-get source finds ${dsc%%$'\n'*}"
