#!/usr/bin/env bash
# The Debian package on a fresh Debian 12 system: installed with apt, its
# dependencies from the archive; a new user trains a counted run under Xvfb
# and reads the record with numora-report; a second user has records and a
# bank of their own; purging the package leaves the users' data alone.
# Usage: fresh_system.sh BUILD_FOLDER (as root: it builds a chroot). The
# Debian root is made once and kept as BUILD_FOLDER/debian12-root.tar, the
# downloaded packages in BUILD_FOLDER/debian12-apt-cache.
set -euo pipefail
build=$(realpath "$1")
tests=$(cd "$(dirname "$0")/.." && pwd)
deb=$(ls "$build"/package/numora_*_amd64.deb | tail -n 1)
base=$build/debian12-root.tar
cache=$build/debian12-apt-cache
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || fail "run as root: the test makes a chroot"

if [ ! -s "$base" ]; then
  echo "Making a fresh Debian 12 root, once (about 3 minutes)"
  mmdebstrap --quiet --variant=apt --format=tar --include=passwd,xvfb,xauth,xdotool,x11-utils \
    bookworm "$base.part" || fail "mmdebstrap"
  mv "$base.part" "$base"
fi
root=$work/root
mkdir -p "$root" "$cache/partial"
tar -xf "$base" -C "$root"
cp "$deb" "$root/tmp/"
mkdir "$root/tests"
cp -r "$tests/e2e" "$root/tests/"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# A script run by bash in the root. /dev, /proc and the package cache are
# mounted in a mount namespace of its own, so they go away with it.
in_root() {
  unshare --mount --propagation private --fork bash -c '
    set -e
    mount --rbind /dev "$1/dev"
    mount -t proc proc "$1/proc"
    mount --bind "$2" "$1/var/cache/apt/archives"
    exec chroot "$1" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C.UTF-8 \
      DEBIAN_FRONTEND=noninteractive /bin/bash -euo pipefail -c "$3"' _ "$root" "$cache" "$1"
}
as_user() { # USER SCRIPT
  in_root "runuser -u $1 -- env HOME=/home/$1 USER=$1 bash -euo pipefail -c '$2'"
}

in_root 'apt-get -qq update && apt-get -qq install -y /tmp/numora_*_amd64.deb >/tmp/install.log' ||
  fail "apt-get could not install the package"
in_root '[ -x /usr/bin/numora ] && [ -x /usr/bin/numora-report ] && [ -f /usr/share/numora/data/201.tm ]' ||
  fail "the installed files are missing"
in_root 'useradd --create-home kid && useradd --create-home pupil'

as_user kid 'NUMORA_INSTALLED=1 bash /tests/e2e/training_run.sh /usr/bin/numora' || fail "the run as a user"
as_user kid 'numora-report --csv /tmp/kid-runs.csv' || fail "numora-report as the user"
runs=$(tail -n +2 "$root/tmp/kid-runs.csv" | wc -l)
[ "$runs" -eq 1 ] || fail "numora-report lists $runs runs, not 1: $(cat "$root/tmp/kid-runs.csv")"
grep -q ',10,' "$root/tmp/kid-runs.csv" || fail "the run's 10 questions are not in $(cat "$root/tmp/kid-runs.csv")"

# Another login: no records, and a custom bank of its own.
as_user pupil 'numora-report --csv /tmp/pupil-runs.csv'
[ "$(wc -l <"$root/tmp/pupil-runs.csv")" -eq 1 ] || fail "the second user sees records: $(cat "$root/tmp/pupil-runs.csv")"
cmp -s "$root/home/pupil/.local/share/numora/data/make.tm" "$root/usr/share/numora/data/make.tm" ||
  fail "the second user has no copy of the delivered custom bank"

in_root 'apt-get -qq purge -y numora >/dev/null'
[ ! -e "$root/usr/bin/numora" ] && [ ! -e "$root/usr/share/numora" ] || fail "the purge left the program"
ls "$root"/home/kid/.local/share/numora/job/*.xl >/dev/null 2>&1 || fail "the purge took the user's record"
[ -f "$root/home/kid/.local/share/numora/data/make.tm" ] || fail "the purge took the user's bank"
echo "PASS: installed on a fresh Debian 12 root, trained and reported by a user, purged with the data kept"
