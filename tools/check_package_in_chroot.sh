#!/usr/bin/env bash
# Installs the Debian package into a clean Debian 12 root and starts it there
# under Xvfb as an ordinary user, as a learner on a new machine would. Too
# slow for CI (a debootstrap and a few hundred MiB of packages); run it by
# hand as root after `make package`:
#
#   tools/check_package_in_chroot.sh [package.deb] [work folder] [older package.deb]
#
# With an older package, that one is installed and started first, the learner
# writes files, and the package under test is installed over it: the upgrade
# a learner meets.
#
# The work folder (default /var/tmp/potoran-chroot) keeps the bare
# debootstrap result in base/ for the next run; every run installs into a
# fresh copy of it, root/. It leaves first-start.png and after-upgrade.png,
# the screens of the first start and of one after a reinstall, and the logs
# beside them.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-$(ls "$repo"/build-package/potoran_*.deb 2>/dev/null | head -n 1)}
work=${2:-/var/tmp/potoran-chroot}
old_deb=${3:-}
mirror=${MIRROR:-http://deb.debian.org/debian}
[ -f "$deb" ] || { echo "No package: run 'make package' first, or name the .deb" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "Run as root (debootstrap, chroot, mount)" >&2; exit 1; }
deb=$(realpath "$deb")
[ -z "$old_deb" ] || old_deb=$(realpath "$old_deb")
base=$work/base
root=$work/root
mkdir -p "$work"

step() { echo "== $*"; }

# Deletes a root only when nothing is mounted inside it: a run killed before
# its cleanup can leave the host's /dev bound in there, and rm would follow it.
mounts_under() {
  findmnt -rn -o TARGET | awk -v d="$1" '$0 == d || index($0, d "/") == 1'
}
remove_root() {
  local dir
  [ -e "$1" ] || return 0
  dir=$(realpath "$1")
  if [ -n "$(mounts_under "$dir")" ]; then
    echo "Refusing to delete $dir: something is still mounted inside it:" >&2
    mounts_under "$dir" >&2
    echo "Unmount it (umount -R) and run again." >&2
    exit 1
  fi
  rm -rf --one-file-system "$dir"
}

# A bare Debian 12 once; later runs start from a copy of it.
if [ ! -f "$base/.bootstrapped" ]; then
  step "debootstrap bookworm into $base"
  remove_root "$base"
  debootstrap --variant=minbase bookworm "$base" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -20 "$work/debootstrap.log" >&2; exit 1; }
  touch "$base/.bootstrapped"
fi

mounted=()
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" || true; done
}
trap cleanup EXIT

step "fresh root $root"
remove_root "$root"
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb ${mirror%/debian}/debian-security bookworm-security main
SOURCES
# The mirror may be a dated snapshot whose Release files have expired.
echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99potoran-check"
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mount --bind /dev "$root/dev" && mounted+=("$root/dev")
mount -t tmpfs tmpfs "$root/dev/shm" && mounted+=("$root/dev/shm")
mount -t tmpfs tmpfs "$root/tmp" && mounted+=("$root/tmp")

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
learner_ids=
display=
as_learner() {
  chroot --userspec="$learner_ids" "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
    HOME=/home/learner USER=learner DISPLAY="$display" "$@"
}

first_deb=${old_deb:-$deb}
step "apt-get install ./$(basename "$first_deb") (its Depends only, no recommends)"
cp "$deb" "$root/tmp/"
[ -z "$old_deb" ] || cp "$old_deb" "$root/tmp/old-$(basename "$old_deb")"
[ -z "$old_deb" ] || first_deb=$root/tmp/old-$(basename "$old_deb")
in_root apt-get update -qq >"$work/apt.log" 2>&1
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  "/tmp/$(basename "$first_deb")" >>"$work/apt.log" 2>&1 || { tail -30 "$work/apt.log" >&2; exit 1; }
echo "packages set up: $(grep -c '^Setting up' "$work/apt.log")"
in_root dpkg -s potoran | grep -E '^(Status|Version|Depends):'

# Before any test tool joins the root: every library of the program and of
# the Qt plugins it loads must have come with the package's dependencies.
step "libraries of the program, its sounds module and the Qt plugins"
missing=$(in_root sh -c 'ldd /opt/potoran/potoran /opt/potoran/potoran_sounds.so \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/xcbglintegrations/*.so 2>&1 | grep "not found" || true')
if [ -n "$missing" ]; then
  echo "$missing" >&2
  exit 1
fi
echo "all resolved"
in_root fc-list :lang=ja family | sort -u | sed 's/^/font: /'

step "test tools (Xvfb, xwininfo, xwd) and an ordinary user"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  xvfb xauth x11-utils x11-apps >>"$work/apt.log" 2>&1 || { tail -30 "$work/apt.log" >&2; exit 1; }
in_root useradd --create-home --shell /bin/sh learner
learner_ids=$(in_root id -u learner):$(in_root id -g learner)

# The root shares this machine's abstract X sockets, so Xvfb picks a free
# display number itself and reports it.
step "Xvfb in the root; learner starts 'potoran' from the PATH"
rm -f "$work/display"
chroot "$root" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
  3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.2
done
display=:$(head -n 1 "$work/display" 2>/dev/null)
[ "$display" != : ] || { cat "$work/xvfb.log" >&2; exit 1; }
echo "display $display"
as_learner sh -c 'command -v potoran'

# start_program <name>: the learner types `potoran`; waits until the main
# window (captioned ぽとらん for TOEIC ...) is viewable, takes <name>.png of
# the screen, and ends the program. Fails when the window never shows or the
# program has ended by itself.
start_program() {
  local name=$1 started window='' ms
  started=$(date +%s%N)
  # exec all the way down, so that $! is the program itself
  (exec chroot --userspec="$learner_ids" "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 \
    HOME=/home/learner USER=learner DISPLAY="$display" potoran) >"$work/$name.log" 2>&1 &
  local pid=$!
  for _ in $(seq 150); do
    window=$(as_learner xwininfo -root -tree 2>/dev/null |
      awk '/"ぽとらん for TOEIC/ { print $1; exit }')
    if [ -n "$window" ] && as_learner xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
      break
    fi
    window=
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  ms=$((($(date +%s%N) - started) / 1000000))
  sleep 3 # let the splash go and the first paint finish
  as_learner xwininfo -root -tree | grep -E '^ {5}0x[0-9a-f]+ "' | head -3 || true
  as_learner xwd -root -silent >"$work/$name.xwd"
  convert "xwd:$work/$name.xwd" "$work/$name.png" 2>/dev/null && rm "$work/$name.xwd"
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAILED: the program ended by itself; $work/$name.log:" >&2
    cat "$work/$name.log" >&2
    exit 1
  fi
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  if as_learner xwininfo -id "$window" >/dev/null 2>&1; then
    echo "FAILED: the window outlived the program" >&2
    exit 1
  fi
  if [ -z "$window" ]; then
    echo "FAILED: no window mapped within 15 s; screen in $work/$name.*" >&2
    exit 1
  fi
  echo "window $window viewable ${ms} ms after the start (launcher included); screen: $work/$name.png"
}

copy=/home/learner/.local/share/potoran
learner_state() { # what must survive an upgrade
  in_root sh -c "cd $copy && md5sum font.txt checked.txt notes.txt UserFile/* 2>/dev/null"
}

start_program first-start
step "the learner's folder after the first start"
in_root sh -c "cd $copy && find . | sort" | sed 's/^/  /'
echo "learner's folder: $(in_root du -sk "$copy" | cut -f1) KiB"
echo "program messages:"
sed 's/^/  /' "$work/first-start.log"

step "the learner writes; then $( [ -n "$old_deb" ] && echo "the package under test is installed over the older one" || echo "the package is reinstalled (dpkg replaces every file, as an upgrade does)")"
as_learner sh -c "mkdir -p $copy/UserFile && printf 'my own set\r\n' >$copy/UserFile/mine.txt && printf 'K21\r\n' >$copy/checked.txt && printf 'kept\n' >$copy/notes.txt"
before=$(learner_state)
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends --reinstall \
  "/tmp/$(basename "$deb")" >>"$work/apt.log" 2>&1 || { tail -30 "$work/apt.log" >&2; exit 1; }
start_program after-upgrade
[ "$(learner_state)" = "$before" ] || { echo "FAILED: the learner's files changed" >&2; exit 1; }
echo "learner's files unchanged:"
echo "$before" | sed 's/^/  /'
left=$(in_root sh -c "cd $copy && ls -A | sort | tr '\n' ' '")
[ "$left" = "UserFile checked.txt font.txt notes.txt " ] ||
  { echo "FAILED: the learner's folder holds more than the learner's files: $left" >&2; exit 1; }
echo "learner's folder: $left($(in_root du -sk "$copy" | cut -f1) KiB)"

step "apt-get remove potoran leaves the learner's folder alone"
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y potoran >>"$work/apt.log" 2>&1
[ "$(learner_state)" = "$before" ] || { echo "FAILED: removing the package touched the learner's files" >&2; exit 1; }
[ ! -e "$root/opt/potoran/potoran" ] || { echo "FAILED: the program is still installed" >&2; exit 1; }

echo "OK: installed in a clean Debian 12 root and started; screens in $work/*.png"
