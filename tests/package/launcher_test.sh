#!/usr/bin/env bash
# The package launcher: the learner's copy of the program folder is made on
# first start, refreshed after an upgrade without touching the learner's
# files, and put where XDG_DATA_HOME says.
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

# A fake installed folder whose "executable" reports where it ran from and
# with which arguments, and whether it was a real file.
install_dir=$work/opt/potoran
log=$work/run.log
make_executable() { # make_executable <version>
  cat >"$install_dir/potoran.new" <<SCRIPT
#!/bin/sh
kind=file
[ -L "\$0" ] && kind=symlink
echo "$1 \$0 \$kind \$*" >"$log"
exit \${FAKE_EXIT:-0}
SCRIPT
  chmod 755 "$install_dir/potoran.new"
  mv "$install_dir/potoran.new" "$install_dir/potoran"
}
mkdir -p "$install_dir"/{jhgram,pictures,UserFile}
make_executable v1
printf 'default settings\n' >"$install_dir/font.txt"
: >"$install_dir/checked.txt"
printf 'example\n' >"$install_dir/UserFile/example.txt"
printf 'tango v1\n' >"$install_dir/jhgram/Tango01.txt"
printf 'manual v1\n' >"$install_dir/manual.txt"
printf 'icon v1\n' >"$install_dir/pictures/icon.png"

run() { # run <data home or ""> <args...>: starts the launcher as a learner would
  local xdg=$1
  shift
  rm -f "$log"
  env -u XDG_DATA_HOME HOME="$work/home" POTORAN_INSTALL_DIR="$install_dir" \
    ${xdg:+XDG_DATA_HOME="$xdg"} "$launcher" "$@"
}

# --- First start: the copy is made under XDG_DATA_HOME and run from there.
data=$work/data
copy=$data/potoran
run "$data" --first 'two words' || fail "first start exited with $?"
same "$log" "v1 $copy/potoran file --first two words" "first start ran the copy"
[ -f "$copy/potoran" ] && [ ! -L "$copy/potoran" ] && [ -x "$copy/potoran" ] ||
  fail "the copied executable is not a real executable file"
for f in font.txt checked.txt UserFile/example.txt jhgram/Tango01.txt manual.txt pictures/icon.png; do
  cmp -s "$install_dir/$f" "$copy/$f" || fail "first start did not copy $f"
done
[ ! -e "$work/home/.local/share/potoran" ] || fail "XDG_DATA_HOME was ignored"
[ -w "$copy/font.txt" ] && [ -w "$copy/UserFile" ] || fail "the learner's files are not writable"

# --- The learner drills and writes; then a start without an upgrade copies nothing.
printf 'learner settings 42\n' >"$copy/font.txt"
printf 'jhgram\\Tango01.txt\n' >"$copy/checked.txt"
printf 'my own edit\n' >"$copy/UserFile/example.txt"
printf 'my set\n' >"$copy/UserFile/mine.txt"
printf 'learner kept this\n' >"$copy/notes.txt"
touch -d '2001-01-01' "$copy/manual.txt"
run "$data" || fail "second start exited with $?"
same "$log" "v1 $copy/potoran file " "second start"
[ "$(stat -c %Y "$copy/manual.txt")" = "$(date -d 2001-01-01 +%s)" ] ||
  fail "a start without an upgrade copied the program files again"

# --- Upgrade: new executable, changed and added sets, a new default font.txt.
sleep 1 # a file rewritten within the same second must still count as changed
make_executable v2
printf 'tango v2\n' >"$install_dir/jhgram/Tango01.txt"
printf 'tango new\n' >"$install_dir/jhgram/Tango02.txt"
printf 'manual v2\n' >"$install_dir/manual.txt"
printf 'new default settings\n' >"$install_dir/font.txt"
printf 'new example\n' >"$install_dir/UserFile/example.txt"
run "$data" || fail "start after the upgrade exited with $?"
same "$log" "v2 $copy/potoran file " "start after the upgrade ran the new executable"
same "$copy/jhgram/Tango01.txt" "tango v2" "changed set refreshed"
same "$copy/jhgram/Tango02.txt" "tango new" "added set copied"
same "$copy/manual.txt" "manual v2" "manual refreshed"
same "$copy/font.txt" "learner settings 42" "font.txt kept"
same "$copy/checked.txt" 'jhgram\Tango01.txt' "checked.txt kept"
same "$copy/UserFile/example.txt" "my own edit" "user file kept"
same "$copy/UserFile/mine.txt" "my set" "own set kept"
same "$copy/notes.txt" "learner kept this" "learner's extra file kept"

# --- A rebuilt package with the same names and sizes still counts as new.
sleep 1
make_executable v3
run "$data" || fail "start after the rebuild exited with $?"
same "$log" "v3 $copy/potoran file " "start after a same-size rebuild ran the new executable"

# --- A learner file that went missing is put back from the defaults.
rm "$copy/checked.txt"
run "$data" || fail "start without checked.txt exited with $?"
[ -f "$copy/checked.txt" ] && [ ! -s "$copy/checked.txt" ] || fail "checked.txt not put back"
same "$copy/font.txt" "learner settings 42" "font.txt kept when checked.txt was put back"

# --- The program's exit status comes back through the launcher.
status=0
FAKE_EXIT=3 run "$data" || status=$?
[ "$status" = 3 ] || fail "exit status $status instead of the program's 3"

# --- Without XDG_DATA_HOME, or with a relative one, the copy goes under ~/.local/share.
for xdg in "" "relative/dir"; do
  rm -rf "${work:?}/home"
  run "$xdg" || fail "start with XDG_DATA_HOME='$xdg' exited with $?"
  same "$log" "v3 $work/home/.local/share/potoran/potoran file " "XDG_DATA_HOME='$xdg'"
done
[ ! -e relative ] || fail "a relative XDG_DATA_HOME was used"

# --- A missing installation is reported and creates nothing.
rm -rf "${work:?}/home"
mv "$install_dir" "$install_dir.gone"
message=$(run "" 2>&1) && fail "a missing installation was not reported"
case $message in
  *"reinstall the potoran package"*) ;;
  *) fail "unclear message for a missing installation: $message" ;;
esac
[ ! -e "$work/home/.local/share/potoran" ] || fail "a missing installation left a folder behind"

if [ "$failures" -ne 0 ]; then
  echo "$failures launcher check(s) failed" >&2
  exit 1
fi
echo "launcher: all checks passed"
