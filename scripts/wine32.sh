#!/usr/bin/env bash
# Makes Wine able to run 32-bit Windows programs, the demo's demo.exe among them. Wine's 32-bit
# loader is an i386 Linux program, so it runs only where the kernel runs 32-bit code. On a
# kernel booted without IA-32 emulation, qemu's user-mode i386 emulator runs it instead,
# registered with binfmt_misc. Bookworm's own qemu (7.2) cannot map the memory Wine needs, so
# on Debian the emulators come from bookworm-backports (qemu-user, whose binaries are static
# since qemu 9), pinned so that nothing else comes from there. The registration lasts until the
# next boot and is made again when it is missing.
# Sourced by setup.sh, which provides as_root, apt_get, refresh_package_lists,
# install_missing_packages and can_install_unattended.

wine32_probe_source=$(cd "$(dirname "${BASH_SOURCE[0]}")/../tests/windows" && pwd)/wine32_probe.c
readonly wine32_probe_source
readonly wine32_probe_line="32-bit Windows program ran"
readonly binfmt_dir=/proc/sys/fs/binfmt_misc
# Why 32-bit programs cannot run, as the last step that failed found it.
wine32_why=""
# The static i386 emulator that install_qemu_i386 brings.
qemu_i386=""

# True when an i386 handler is registered and enabled, so i386 programs run through it.
qemu_i386_registered() {
  [ -f "$binfmt_dir/qemu-i386" ] && head -n 1 "$binfmt_dir/qemu-i386" | grep -qx enabled
}

# Builds the probe and runs it in a fresh 32-bit prefix, with no display; true when its line
# comes back. Otherwise wine32_why says what happened.
wine32_probe_runs() {
  local work output status=0
  work=$(mktemp -d)
  if ! i686-w64-mingw32-gcc-posix -O2 -o "$work/probe.exe" "$wine32_probe_source" \
    2>"$work/err"; then
    wine32_why="the probe did not build: $(head -c 500 "$work/err")"
    rm -rf "$work"
    return 1
  fi
  # Making a prefix takes about 15 s through qemu; a hung start must not hang the set-up.
  output=$(WINEPREFIX="$work/prefix" WINEARCH=win32 WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" timeout 300 env -u DISPLAY wine "$work/probe.exe" \
    2>"$work/err") || status=$?
  WINEPREFIX="$work/prefix" timeout 30 wineserver -k 2>/dev/null || true
  if [ "$status" -ne 0 ] || ! grep -qx "$wine32_probe_line" <<<"${output//$'\r'/}"; then
    wine32_why="Wine could not run a 32-bit program (status $status): $(tail -c 300 "$work/err")"
    rm -rf "$work"
    return 1
  fi
  rm -rf "$work"
}

# Installs a static i386 emulator and sets qemu_i386 to it: on Debian qemu-user from the
# release's backports, through an entry and a pin that let only that package come from there;
# elsewhere the distribution's own qemu-user-static.
install_qemu_i386() {
  local id codename uris
  id=$(. /etc/os-release && echo "${ID:-}")
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  if [ "$id" != debian ] || [ -z "$codename" ]; then
    install_missing_packages qemu-user-static || return 1
    qemu_i386=/usr/bin/qemu-i386-static
    return
  fi
  local backports=/etc/apt/sources.list.d/demo-backports.sources
  local pin=/etc/apt/preferences.d/demo-backports-qemu
  uris=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
  if [ ! -f "$backports" ]; then
    printf 'Types: deb\nURIs: %s\nSuites: %s-backports\nComponents: main\nSigned-By: %s\n' \
      "${uris:-http://deb.debian.org/debian}" "$codename" \
      /usr/share/keyrings/debian-archive-keyring.gpg | as_root tee "$backports" >/dev/null
    package_lists_fresh=""
  fi
  printf 'Package: %s\nPin: release n=%s-backports\nPin-Priority: %s\n\n' \
    '*' "$codename" -1 qemu-user "$codename" 990 | as_root tee "$pin" >/dev/null
  refresh_package_lists || return 1
  apt_get install -y -qq --no-install-recommends qemu-user || return 1
  qemu_i386=/usr/bin/qemu-i386
}

# Registers the emulator for i386 ELF programs (qemu's own magic and mask). Flag F opens the
# interpreter now, so it also serves programs in other mount namespaces; an earlier
# registration may hold another binary open, so it is replaced.
register_qemu_i386() {
  if ! mountpoint -q "$binfmt_dir"; then
    as_root mount -t binfmt_misc binfmt_misc "$binfmt_dir" || return 1
  fi
  if [ -e "$binfmt_dir/qemu-i386" ]; then
    echo -1 | as_root tee "$binfmt_dir/qemu-i386" >/dev/null || return 1
  fi
  local magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\xfc\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  printf ':qemu-i386:M::%s:%s:%s:F\n' "$magic" "$mask" "$qemu_i386" |
    as_root tee "$binfmt_dir/register" >/dev/null
}

# Says on one line how 32-bit programs run here, or why they cannot (and is false then).
enable_wine32() {
  if ! make_wine32_run; then
    echo "32-bit Windows programs cannot run here: $wine32_why"
    return 1
  fi
  local route=natively
  if qemu_i386_registered; then
    route="through qemu's i386 emulator ($(sed -n 's/^interpreter //p' "$binfmt_dir/qemu-i386"),"
    route+=" registered with binfmt_misc)"
  fi
  echo "32-bit Windows programs run under Wine $route."
}

# True once a 32-bit program runs, after setting up the emulator where the kernel needs one.
make_wine32_run() {
  wine32_probe_runs && return 0
  # A kernel that runs 32-bit code itself needs no emulator: something else is wrong.
  if ! qemu_i386_registered && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    return 1
  fi
  if ! can_install_unattended; then
    wine32_why="this kernel cannot run 32-bit code, and registering an emulator for it needs root"
    return 1
  fi
  echo "This kernel cannot run 32-bit code: registering qemu's i386 emulator with binfmt_misc" \
    "(until the next boot) so that Wine's 32-bit loader runs."
  if ! install_qemu_i386 || ! register_qemu_i386; then
    wine32_why="qemu's i386 emulator could not be installed or registered with binfmt_misc"
    return 1
  fi
  wine32_probe_runs
}
