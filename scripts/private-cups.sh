#!/usr/bin/env bash
# A print system of the test suite's own: a CUPS scheduler with its configuration, spool,
# logs and socket in one folder, and a queue whose device writes each job to a file there.
# Nothing is sent to a real printer, and the machine's own scheduler is left alone.
#
#   private-cups.sh start DIR QUEUE   starts the scheduler, adds QUEUE, whose jobs are written
#                                      whole to DIR/out/QUEUE-JOBID, and prints the socket to
#                                      set as CUPS_SERVER
#   private-cups.sh stop DIR           stops the scheduler started in DIR
set -euo pipefail
command=${1:?start or stop}
dir=${2:?the folder}

stop() {
  if [ -f "$dir/cupsd.pid" ]; then
    kill "$(cat "$dir/cupsd.pid")" 2>/dev/null || true
    rm -f "$dir/cupsd.pid"
  fi
}

if [ "$command" = stop ]; then
  stop
  exit 0
fi

queue=${3:?the queue}
command -v cupsd >/dev/null || { echo "private-cups: cupsd is not installed" >&2; exit 1; }
mkdir -p "$dir"/{spool,cache,state,log,out,run,bin/backend}
# The scheduler runs its jobs as lp, which writes the output file.
chmod 0777 "$dir" "$dir"/{spool,cache,state,log,out,run}
socket="$dir/run/cups.sock"
# The scheduler's programs are the system's, with one backend more: "harbo:FILE" writes the
# job as it came to FILE-JOBID.
for part in /usr/lib/cups/*; do
  [ "$(basename "$part")" = backend ] || ln -sfn "$part" "$dir/bin/$(basename "$part")"
done
cat >"$dir/bin/backend/harbo" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then
  echo 'direct harbo "Unknown" "Test output file"'
  exit 0
fi
out="${DEVICE_URI#harbo:}-$1"
if [ -n "$6" ]; then cat "$6" >"$out.part"; else cat >"$out.part"; fi && mv "$out.part" "$out"
BACKEND
# Run as root (a backend only its owner may run), so that it can write into a private
# folder.
chmod 0700 "$dir/bin/backend/harbo"
cat >"$dir/cupsd.conf" <<CONF
Listen $socket
LogLevel ${PRIVATE_CUPS_LOG_LEVEL:-warn}
WebInterface No
Browsing No
DirtyCleanInterval 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
group=lp
getent group lp >/dev/null || group=nogroup
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
ServerBin $dir/bin
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/spool
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
SystemGroup root
User lp
Group $group
CONF
stop
rm -f "$socket"
setsid cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null \
  >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"
for _ in $(seq 1 100); do
  [ -S "$socket" ] && break
  sleep 0.05
done
[ -S "$socket" ] || { echo "private-cups: the scheduler did not start" >&2; cat "$dir/log/cupsd.out" >&2; exit 1; }
CUPS_SERVER="$socket" lpadmin -p "$queue" -v "harbo:$dir/out/$queue" -E 2>/dev/null
CUPS_SERVER="$socket" lpadmin -d "$queue" 2>/dev/null
echo "$socket"
