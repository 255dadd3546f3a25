#!/usr/bin/env bash
# Where the set-up needs root and has neither root nor sudo, it says so in one line (not
# "sudo: command not found") and fails. Run as nobody, with a PATH that has no sudo.
source "$(dirname "$0")/lib.sh"
require_root "runs the set-up as another user"

WORK=$(mktemp -d)
chmod 755 "$WORK"
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/bin"
for program in /usr/bin/* /usr/sbin/*; do
  [ "$(basename "$program")" = sudo ] || ln -sf "$program" "$WORK/bin/"
done
# The set-up's scripts, where nobody can read them (a checkout in root's home is not).
mkdir -p "$WORK/project/tests/windows"
cp -r "$(dirname "$0")/../../scripts" "$WORK/project/"
chmod -R a+rX "$WORK/project"
setup=$WORK/project/scripts/setup.sh

# Installing a package, and adding the i386 architecture as the Windows leg's set-up does.
for step in "apt_get install -y hello" "as_root dpkg --add-architecture i386"; do
  status=0
  said=$(setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i PATH="$WORK/bin" HOME="$WORK" bash -c "source '$setup' && $step" 2>&1) || status=$?
  [ "$status" -ne 0 ] || fail "$step, as nobody without sudo, succeeded: $said"
  [ "$(wc -l <<<"$said")" -eq 1 ] || fail "$step said more than one line: $said"
  grep -q "run this as root, or install sudo" <<<"$said" || fail "$step said: $said"
done
echo "without root or sudo, the set-up says: \"$said\""
