# Sourced by tests that need a real network file system, served on
# 127.0.0.1 by a server of the test's own and mounted through FUSE:
#   source share.sh sshfs|smb
# start_share TOOLS MOUNTPOINT: TOOLS caches the server unpacked from its
#   Debian package (an installed one would start and enable the service for
#   the whole network); share_folder is then the served folder as mounted.
# unmount_share, mount_share: the share gone and back.
# hang_share, resume_share: the server stopped and continued, so every call
#   on the share waits, as on a hung NFS server.
# stop_share: unmounts and stops the server; call it from the EXIT trap.

share_state=""
share_mount=""
share_server=""
share_folder=""

# Unpacks PACKAGE into TOOLS/root once, for the server binary BINARY there;
# tests running side by side wait for each other's unpacking.
unpack_server() {
  local tools=$1 package=$2 binary=$3
  mkdir -p "$tools"
  (flock 9 && [ -x "$tools/root/$binary" ] && exit 0
   cd "$tools" && rm -f "${package}"_*.deb && apt-get -o APT::Sandbox::User=root download "$package" >/dev/null \
     && dpkg -x "${package}"_*.deb root) 9>"$tools/.unpacking" || { echo "FAIL: cannot unpack $package" >&2; exit 1; }
}

share_server_tree() {
  local pid=$1
  echo "$pid"
  for child in $(pgrep -P "$pid"); do share_server_tree "$child"; done
}

hang_share() {
  kill -STOP $(share_server_tree "$share_server")
}

resume_share() {
  kill -CONT $(share_server_tree "$share_server")
}

unmount_share() {
  fusermount -u -z "$share_mount"
}

stop_share() {
  if [ -n "$share_server" ]; then
    resume_share 2>/dev/null || true
    mountpoint -q "$share_mount" && fusermount -u -z "$share_mount"
    kill $(share_server_tree "$share_server") 2>/dev/null || true
    wait "$share_server" 2>/dev/null || true
  fi
  stop_share_kind
  [ -n "$share_state" ] && rm -rf "$share_state"
  return 0
}

[ "$(id -u)" -eq 0 ] || { echo "SKIP: serving a share needs root"; exit 77; }
case "${1:-}" in
  sshfs|smb) source "$(dirname "${BASH_SOURCE[0]}")/share_$1.sh" ;;
  *) echo "FAIL: no share kind '${1:-}'" >&2; exit 1 ;;
esac
