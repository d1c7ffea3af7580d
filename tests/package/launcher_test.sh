#!/usr/bin/env bash
# The package launcher: it runs the installed program, and on the first start
# after an upgrade from the copying launcher it removes the old copy of the
# program from the learner's folder, keeping the learner's files.
#
#   launcher_test.sh <launcher script>
set -euo pipefail

launcher=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
same() { # same <file> <expected content> <what>
  if [ "$(cat "$1" 2>/dev/null)" != "$2" ]; then
    fail "$3: $1 holds '$(cat "$1" 2>/dev/null)', expected '$2'"
  fi
}

# A fake installed folder whose "executable" reports where it ran from.
install_dir=$work/opt/potoran
log=$work/run.log
mkdir -p "$install_dir"/{jhgram,pictures,UserFile}
cat >"$install_dir/potoran" <<SCRIPT
#!/bin/sh
echo "\$0 \$*" >"$log"
exit \${FAKE_EXIT:-0}
SCRIPT
chmod 755 "$install_dir/potoran"
for f in font.txt checked.txt manual.txt potoran_sounds.so jhgram/Tango01.txt pictures/icon.png; do
  printf 'installed %s\n' "$f" >"$install_dir/$f"
done
: >"$install_dir/learner-files-in-home"

run() { # run <data home or ""> <args...>: starts the launcher as a learner would
  local xdg=$1
  shift
  rm -f "$log"
  env -u XDG_DATA_HOME HOME="$work/home" POTORAN_INSTALL_DIR="$install_dir" \
    ${xdg:+XDG_DATA_HOME="$xdg"} "$launcher" "$@"
}

# --- A start runs the installed program with the learner's arguments and
# leaves the learner's folder to the program.
run "$work/data" --first 'two words' || fail "start exited with $?"
same "$log" "$install_dir/potoran --first two words" "the installed program ran"
[ ! -e "$work/data/potoran" ] || fail "the launcher made the learner's folder itself"

# --- Upgrade from the copying launcher: its copy goes, the learner's files stay.
copy=$work/data/potoran
mkdir -p "$copy/jhgram" "$copy/pictures" "$copy/UserFile"
cp -R "$install_dir"/* "$copy/"
rm "$copy/learner-files-in-home"
printf 'learner settings 42\n' >"$copy/font.txt"
printf 'K12\n' >"$copy/checked.txt"
printf 'my set\n' >"$copy/UserFile/mine.txt"
printf 'learner kept this\n' >"$copy/notes.txt"
printf 'fingerprint\n' >"$copy/.installed-from"
: >"$copy/.launcher.lock"
mkdir "$copy/.UserFile.partial"
run "$work/data" || fail "start after the upgrade exited with $?"
same "$copy/font.txt" "learner settings 42" "font.txt kept"
same "$copy/checked.txt" "K12" "checked.txt kept"
same "$copy/UserFile/mine.txt" "my set" "own set kept"
same "$copy/notes.txt" "learner kept this" "learner's extra file kept"
left=$(cd "$copy" && ls -A | sort | tr '\n' ' ')
[ "$left" = "UserFile checked.txt font.txt notes.txt " ] ||
  fail "the old copy of the program is not gone: $left"

# --- Without XDG_DATA_HOME, or with a relative one, ~/.local/share is cleaned.
for xdg in "" "relative/dir"; do
  old=$work/home/.local/share/potoran
  mkdir -p "$old/jhgram"
  printf 'x\n' >"$old/.installed-from"
  printf 'x\n' >"$old/jhgram/Tango01.txt"
  printf 'mine\n' >"$old/font.txt"
  run "$xdg" || fail "start with XDG_DATA_HOME='$xdg' exited with $?"
  [ ! -e "$old/jhgram" ] && [ -f "$old/font.txt" ] || fail "XDG_DATA_HOME='$xdg': wrong folder"
done
[ ! -e relative ] || fail "a relative XDG_DATA_HOME was used"

# --- The program's exit status comes back through the launcher.
status=0
FAKE_EXIT=3 run "$work/data" || status=$?
[ "$status" = 3 ] || fail "exit status $status instead of the program's 3"

# --- A missing installation is reported.
mv "$install_dir" "$install_dir.gone"
message=$(run "" 2>&1) && fail "a missing installation was not reported"
case $message in
  *"reinstall the potoran package"*) ;;
  *) fail "unclear message for a missing installation: $message" ;;
esac

if [ "$failures" -ne 0 ]; then
  echo "$failures launcher check(s) failed" >&2
  exit 1
fi
echo "launcher: all checks passed"
