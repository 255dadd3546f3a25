# Chooses the Wine loader: Debian's `wine` runs 32-bit Windows programs through a 32-bit Linux
# loader, which a kernel booted without ia32 emulation cannot start; there only the 64-bit
# loader runs (and only 64-bit programs: see the windows64 preset). Sets the array `wine`.
if /usr/lib/wine/wine --version >/dev/null 2>&1 || [ ! -x /usr/lib/wine/wine64 ]; then
  wine=(wine)
else
  export WINELOADER=/usr/lib/wine/wine64
  wine=(/usr/lib/wine/wine64)
fi
