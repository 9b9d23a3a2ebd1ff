#!/usr/bin/env bash
# Makes a local CUPS print queue for the print test: starts the scheduler when
# it is not running and adds the queue "telvo-test", whose backend copies every
# job it receives into /tmp/telvo-print-out as job-<id>.pdf.
#
# Needs root (or sudo) to start cupsd and install the backend. Exit status 3
# means that neither is available: the print test then skips itself.
set -euo pipefail

queue=telvo-test
out_dir=/tmp/telvo-print-out
backend_name=telvo-capture
backend_dir=/usr/lib/cups/backend

if ! command -v cupsd >/dev/null 2>&1 || ! command -v lpadmin >/dev/null 2>&1; then
    echo "start-test-printer: CUPS is not installed (run scripts/install-deps.sh)" >&2
    exit 1
fi

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
    as_root=(sudo -n)
else
    echo "start-test-printer: neither root nor sudo: the print test will be skipped" >&2
    exit 3
fi

# The backend runs as the CUPS user, so the directory is open to it; sticky
# like /tmp so nobody removes another user's jobs.
"${as_root[@]}" mkdir -p "$out_dir"
"${as_root[@]}" chmod 1777 "$out_dir"

# Called without arguments, a backend lists the devices it serves; with them,
# it gets the job id, user, title, copies, options and the file (or stdin).
# The copy is written under a temporary name first, so a test that sees
# job-<id>.pdf sees the whole job.
backend_file=$(mktemp)
cat >"$backend_file" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'direct telvo-capture "Unknown" "Telvo test capture"'
    exit 0
fi
umask 022
dir=${DEVICE_URI#telvo-capture:}
tmp="$dir/.job-$1.part"
if [ $# -ge 6 ]; then
    cat "$6" >"$tmp" || exit 1
else
    cat >"$tmp" || exit 1
fi
mv "$tmp" "$dir/job-$1.pdf" || exit 1
exit 0
BACKEND
"${as_root[@]}" install -m 0755 -o root -g root "$backend_file" "$backend_dir/$backend_name"
rm -f "$backend_file"

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    "${as_root[@]}" cupsd
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.1
    done
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    echo "start-test-printer: the CUPS scheduler did not start" >&2
    exit 1
fi

# A raw queue: the PDF that the program sends reaches the backend unchanged.
"${as_root[@]}" lpadmin -p "$queue" -E -v "$backend_name:$out_dir" 2>&1 | grep -v -i "deprecated" >&2 || true
"${as_root[@]}" cupsenable "$queue"
"${as_root[@]}" cupsaccept "$queue"
if ! lpstat -p "$queue" >/dev/null 2>&1; then
    echo "start-test-printer: the queue $queue could not be added" >&2
    exit 1
fi
echo "start-test-printer: queue $queue prints into $out_dir"
