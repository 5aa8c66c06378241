#!/usr/bin/env bash
# How often `rackmere-cli watch` wakes while nothing is mounted or unmounted:
# the context switches of all its threads over SECONDS (default 10), first
# following the mount table (no udisks2 on the bus), then udisks2 (a private
# bus with python3-dbusmock playing it, tests/support/udisks2_template.py).
#   bash bench/watch_idle.sh [BUILD] [SECONDS]
set -euo pipefail
build=${1:-build}
seconds=${2:-10}
here=$(cd "$(dirname "$0")/.." && pwd)
cli=$build/rackmere-cli
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/catalog"

switches() { # every thread's voluntary and involuntary switches, summed
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n}'
}

measure() { # LABEL: runs watch, lets it settle, counts over the interval
  "$cli" --dir "$work/catalog" watch >/dev/null 2>"$work/err" &
  local pid=$!
  pids+=("$pid")
  sleep 2
  local before after
  before=$(switches "$pid")
  sleep "$seconds"
  after=$(switches "$pid")
  local threads
  threads=$(ls /proc/"$pid"/task | wc -l)
  kill -INT "$pid"
  local status=0
  wait "$pid" || status=$?
  echo "$1: $((after - before)) wake-ups in $seconds s ($threads threads; exit status $status)"
  [ "$status" = 0 ] || cat "$work/err" >&2
}

DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/none measure "mount table"

cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:dir=$work</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*"/><allow own="*"/></policy></busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork --print-address=3 3>"$work/address" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/address" ] && break; sleep 0.1; done
export DBUS_SYSTEM_BUS_ADDRESS=$(head -1 "$work/address")
/usr/bin/python3 -m dbusmock --system --template "$here/tests/support/udisks2_template.py" >/dev/null 2>&1 &
pids+=($!)
sleep 2
measure "udisks2"
