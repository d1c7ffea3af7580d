#!/bin/sh
# Starts ぽとらん for TOEIC. The program itself keeps the learner's files
# (font.txt, checked.txt, UserFile/) under ${XDG_DATA_HOME:-$HOME/.local/share}/potoran.
#
# Earlier packages ran a private copy of the whole program from that folder.
# On the first start after the upgrade that copy is removed: every name the
# old launcher copied from the installed folder, and its bookkeeping. The
# learner's files, and anything else the learner put there, stay.
set -eu

# The package installs here; tests point it at a fake folder.
install_dir=${POTORAN_INSTALL_DIR:-/opt/potoran}

fail() {
  echo "potoran: $*" >&2
  exit 1
}

if [ ! -f "$install_dir/potoran" ] || [ ! -x "$install_dir/potoran" ]; then
  fail "the program is missing from $install_dir; reinstall the potoran package"
fi

# A relative XDG_DATA_HOME is invalid and is ignored, as the XDG rules say.
data_home=${XDG_DATA_HOME:-}
case $data_home in
  /*) ;;
  *) data_home=${HOME:+$HOME/.local/share} ;;
esac
user_dir=${data_home:+$data_home/potoran}

if [ -n "$user_dir" ] && [ -f "$user_dir/.installed-from" ] && [ ! -L "$user_dir" ]; then
  for entry in "$install_dir"/* "$install_dir"/.[!.]*; do
    [ -e "$entry" ] || continue
    name=${entry##*/}
    case $name in
      font.txt | checked.txt | UserFile | learner-files-in-home) continue ;;
    esac
    rm -rf -- "${user_dir:?}/$name"
  done
  rm -rf -- "$user_dir/.launcher.lock" "$user_dir"/.*.partial "$user_dir/.installed-from"
fi

exec "$install_dir/potoran" "$@"
