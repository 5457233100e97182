# SSHFS, as LTSP mounts home folders: an sshd on a port of the test's own,
# run as root in a mount namespace of its own where its privilege
# separation user and /run/sshd exist. Sourced by share.sh.

start_share() {
  local tools port
  tools=$(realpath -m "$1")
  share_mount=$2
  share_folder=$2
  unpack_server "$tools" openssh-server usr/sbin/sshd
  share_state=$(mktemp -d)
  mkdir -p "$share_state/served" "$share_mount"
  ssh-keygen -q -t ed25519 -N '' -f "$share_state/host"
  ssh-keygen -q -t ed25519 -N '' -f "$share_state/client"
  cp "$share_state/client.pub" "$share_state/authorized_keys"
  cp /etc/passwd "$share_state/passwd"
  echo 'sshd:x:65533:65534::/run/sshd:/usr/sbin/nologin' >>"$share_state/passwd"
  port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  echo "$port" >"$share_state/port"
  cat >"$share_state/sshd_config" <<CONFIG
ListenAddress 127.0.0.1:$port
HostKey $share_state/host
AuthorizedKeysFile $share_state/authorized_keys
PidFile $share_state/sshd.pid
PermitRootLogin prohibit-password
StrictModes no
UsePAM no
PasswordAuthentication no
KbdInteractiveAuthentication no
Subsystem sftp internal-sftp
CONFIG
  unshare -m --propagation private sh -c "mount --bind '$share_state/passwd' /etc/passwd && mount -t tmpfs tmpfs /run \
    && mkdir -m 755 /run/sshd && exec '$tools/root/usr/sbin/sshd' -D -e -f '$share_state/sshd_config'" \
    >"$share_state/server.log" 2>&1 &
  share_server=$!
  for _ in $(seq 50); do grep -q 'Server listening' "$share_state/server.log" && break; sleep 0.1; done
  mount_share
}

mount_share() {
  sshfs -p "$(cat "$share_state/port")" \
    -o "IdentityFile=$share_state/client,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,BatchMode=yes" \
    "root@127.0.0.1:$share_state/served" "$share_mount" \
    || { echo "FAIL: sshfs: $(cat "$share_state/server.log")" >&2; exit 1; }
}

stop_share_kind() { :; }
