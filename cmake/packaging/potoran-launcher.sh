#!/bin/sh
# Starts ぽとらん for TOEIC from the learner's own copy of the program folder.
#
# The program keeps font.txt, checked.txt and UserFile/ beside its executable,
# and the folder the package installs belongs to root. So each learner runs a
# copy under ${XDG_DATA_HOME:-$HOME/.local/share}/potoran. On every start the
# program files are refreshed from the installed folder when it has changed
# (an upgrade, a downgrade, a reinstall); the learner's files are put in place
# only when absent and are never overwritten.
set -eu

# The package installs here; tests point it at a fake folder.
install_dir=${POTORAN_INSTALL_DIR:-/opt/potoran}

fail() {
  echo "potoran: $*" >&2
  exit 1
}

# A relative XDG_DATA_HOME is invalid and is ignored, as the XDG rules say.
data_home=${XDG_DATA_HOME:-}
case $data_home in
  /*) ;;
  *)
    [ -n "${HOME:-}" ] || fail "HOME is not set, so there is no place for your files"
    data_home=$HOME/.local/share
    ;;
esac
user_dir=$data_home/potoran
stamp=$user_dir/.installed-from

if [ ! -f "$install_dir/potoran" ] || [ ! -x "$install_dir/potoran" ]; then
  fail "the program is missing from $install_dir; reinstall the potoran package"
fi

mkdir -p "$user_dir" || fail "cannot create $user_dir"

# Two starts at once must not copy over each other. The lock is released
# before the program runs.
exec 9>"$user_dir/.launcher.lock" || fail "cannot write in $user_dir"
flock 9

# Names, sizes and times of everything installed: any package operation
# replaces the files and so changes it, while a plain start costs no copying.
fingerprint() {
  (cd "$install_dir" && find . -printf '%p %s %T@ %C@\n' | LC_ALL=C sort | md5sum)
}

is_learner_file() {
  case $1 in
    font.txt | checked.txt | UserFile) return 0 ;;
    *) return 1 ;;
  esac
}

# Replaces the executable, pictures, sounds, sets and manual. Copies are real
# files (-L): a symlink to the executable would make the program find its
# folder under $install_dir again. Removing before writing lets a running
# older copy keep its own executable. Files the learner added stay.
refresh_program_files() {
  for entry in "$install_dir"/*; do
    [ -e "$entry" ] || continue
    name=${entry##*/}
    is_learner_file "$name" && continue
    cp -RL --remove-destination "$entry" "$user_dir/" ||
      fail "cannot copy $entry into $user_dir"
  done
}

# The learner's files are copied under a temporary name and renamed, so an
# interrupted copy never leaves a half-written file that would then be kept.
put_learner_files_in_place() {
  for name in font.txt checked.txt UserFile; do
    target=$user_dir/$name
    if [ -e "$target" ] || [ -L "$target" ]; then
      continue
    fi
    partial=$user_dir/.$name.partial
    rm -rf "$partial"
    if [ -e "$install_dir/$name" ]; then
      cp -RL "$install_dir/$name" "$partial" || fail "cannot copy $name into $user_dir"
    elif [ "$name" = UserFile ]; then
      mkdir "$partial"
    else
      continue
    fi
    chmod -R u+w "$partial"
    mv "$partial" "$target" || fail "cannot put $name into $user_dir"
  done
}

current=$(fingerprint)
recorded=
if [ -f "$stamp" ]; then
  recorded=$(cat "$stamp")
fi
if [ "$current" != "$recorded" ] || [ ! -f "$user_dir/potoran" ]; then
  refresh_program_files
  printf '%s\n' "$current" >"$stamp.partial"
  mv "$stamp.partial" "$stamp"
fi
put_learner_files_in_place

exec 9>&-
exec "$user_dir/potoran" "$@"
