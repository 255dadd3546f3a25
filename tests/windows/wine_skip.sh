# Skipping the Windows run-time tests where 32-bit Windows programs cannot run: the prefix
# fixture (wine_prefix.sh) writes the reason beside the prefix file, and each test that would
# run a program reports itself skipped with it. Sourced with DEMO_WINE_PREFIX_FILE set.

readonly WINE_SKIP_STATUS=77

wine32_skip_file() {
  echo "$DEMO_WINE_PREFIX_FILE.skip"
}

skip_without_wine32() {
  local file
  file=$(wine32_skip_file)
  [ -f "$file" ] || return 0
  echo "SKIPPED: $(cat "$file")"
  exit "$WINE_SKIP_STATUS"
}
