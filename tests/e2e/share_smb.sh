# SMB, as a Windows or Samba server shares a folder: an smbd and the FUSE
# client smbnetfs in a network namespace of their own, so port 445 (the only
# one smbnetfs reaches) is the test's own on 127.0.0.1. The file system has
# no hard links and no symbolic links. Guests write as root, the test's
# user. Sourced by share.sh.

start_share() {
  local tools
  tools=$(realpath -m "$1")
  share_mount=$2
  share_folder=$2/127.0.0.1/class
  unpack_server "$tools" samba usr/sbin/smbd
  share_state=$(mktemp -d)
  mkdir -p "$share_state"/{served,private,lock,state,cache,run,home/.smb} "$share_mount"
  touch "$share_state/net" && unshare --net="$share_state/net" ip link set lo up \
    || { echo "FAIL: no network namespace for the SMB server" >&2; exit 1; }
  cat >"$share_state/smb.conf" <<CONFIG
[global]
  interfaces = 127.0.0.1
  bind interfaces only = yes
  smb ports = 445
  disable netbios = yes
  server role = standalone server
  map to guest = Bad User
  guest account = root
  private dir = $share_state/private
  lock directory = $share_state/lock
  state directory = $share_state/state
  cache directory = $share_state/cache
  pid directory = $share_state/run
  ncalrpc dir = $share_state/run/ncalrpc
  load printers = no
  printcap name = /dev/null
  disable spoolss = yes
[class]
  path = $share_state/served
  read only = no
  guest ok = yes
  guest only = yes
CONFIG
  : >"$share_state/home/.smb/smb.conf"
  : >"$share_state/home/.smb/smbnetfs.conf"
  LD_LIBRARY_PATH=$tools/root/usr/lib/x86_64-linux-gnu/samba nsenter --net="$share_state/net" \
    "$tools/root/usr/sbin/smbd" --foreground --debug-stdout -s "$share_state/smb.conf" \
    >"$share_state/server.log" 2>&1 &
  share_server=$!
  for _ in $(seq 50); do nsenter --net="$share_state/net" ss -ltn | grep -q '127.0.0.1:445 ' && break; sleep 0.1; done
  mount_share
}

mount_share() {
  HOME=$share_state/home nsenter --net="$share_state/net" smbnetfs "$share_mount" \
    -o smb_query_browsers=false,use_libsecret=false >>"$share_state/client.log" 2>&1
  for _ in $(seq 50); do ls "$share_folder" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "FAIL: smbnetfs: $(cat "$share_state/client.log" "$share_state/server.log")" >&2
  exit 1
}

stop_share_kind() {
  [ -n "$share_state" ] && umount "$share_state/net" 2>/dev/null
  return 0
}
