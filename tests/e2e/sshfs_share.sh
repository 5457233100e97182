# Sourced by tests that need a real network file system: a folder served by
# an sshd of the test's own on 127.0.0.1 and mounted with sshfs, as LTSP
# mounts home folders. The sshd comes unpacked from its Debian package (an
# installed one would start and enable the service for the whole network)
# and runs as root in a mount namespace of its own, where its privilege
# separation user and /run/sshd exist; nothing on the machine changes.
#
# start_sshfs_share TOOLS MOUNTPOINT: TOOLS caches the unpacked server.
# unmount_sshfs_share, mount_sshfs_share: the share gone and back.
# hang_sshfs_share, resume_sshfs_share: the server stopped and continued.
# stop_sshfs_share: unmounts and stops the server; call it from the EXIT trap.

share_state=""
share_mount=""
share_sshd=""
share_port=""

start_sshfs_share() {
  local tools
  tools=$(realpath -m "$1")
  share_mount=$2
  [ "$(id -u)" -eq 0 ] || { echo "SKIP: serving a share needs root"; exit 77; }
  if [ ! -x "$tools/root/usr/sbin/sshd" ]; then
    mkdir -p "$tools"
    (cd "$tools" && apt-get -o APT::Sandbox::User=root download openssh-server >/dev/null && dpkg -x openssh-server_*.deb root) \
      || { echo "FAIL: cannot unpack openssh-server" >&2; exit 1; }
  fi
  share_state=$(mktemp -d)
  mkdir -p "$share_state/served" "$share_mount"
  ssh-keygen -q -t ed25519 -N '' -f "$share_state/host"
  ssh-keygen -q -t ed25519 -N '' -f "$share_state/client"
  cp "$share_state/client.pub" "$share_state/authorized_keys"
  cp /etc/passwd "$share_state/passwd"
  echo 'sshd:x:65533:65534::/run/sshd:/usr/sbin/nologin' >>"$share_state/passwd"
  share_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  cat >"$share_state/sshd_config" <<EOF
ListenAddress 127.0.0.1:$share_port
HostKey $share_state/host
AuthorizedKeysFile $share_state/authorized_keys
PidFile $share_state/sshd.pid
PermitRootLogin prohibit-password
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
Subsystem sftp internal-sftp
EOF
  unshare -m --propagation private sh -c "mount --bind '$share_state/passwd' /etc/passwd && mount -t tmpfs tmpfs /run \
    && mkdir -m 755 /run/sshd && exec '$tools/root/usr/sbin/sshd' -D -e -f '$share_state/sshd_config'" \
    >"$share_state/sshd.log" 2>&1 &
  share_sshd=$!
  for _ in $(seq 50); do grep -q 'Server listening' "$share_state/sshd.log" && break; sleep 0.1; done
  mount_sshfs_share
}

mount_sshfs_share() {
  sshfs -p "$share_port" -o "IdentityFile=$share_state/client,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,BatchMode=yes" \
    "root@127.0.0.1:$share_state/served" "$share_mount" \
    || { echo "FAIL: sshfs: $(cat "$share_state/sshd.log")" >&2; exit 1; }
}

# The server and the processes serving the mount: every call on the share
# then waits, as on a hung NFS server.
share_server_tree() {
  local pid=$1
  echo "$pid"
  for child in $(pgrep -P "$pid"); do share_server_tree "$child"; done
}

hang_sshfs_share() {
  kill -STOP $(share_server_tree "$share_sshd")
}

resume_sshfs_share() {
  kill -CONT $(share_server_tree "$share_sshd")
}

unmount_sshfs_share() {
  fusermount -u -z "$share_mount"
}

stop_sshfs_share() {
  [ -n "$share_sshd" ] && resume_sshfs_share 2>/dev/null
  [ -n "$share_mount" ] && mountpoint -q "$share_mount" && fusermount -u -z "$share_mount"
  [ -n "$share_sshd" ] && kill "$share_sshd" 2>/dev/null && wait "$share_sshd" 2>/dev/null
  [ -n "$share_state" ] && rm -rf "$share_state"
  return 0
}
