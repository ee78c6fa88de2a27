#!/bin/sh
# Runs a command while N extra sleeping processes exist, then ends exactly those processes.
# usage: bench/with-sleepers.sh N COMMAND [ARGS...]
set -u
n=$1
shift
pids=""
stop() {
    [ -n "$pids" ] && kill $pids 2>/dev/null
    wait 2>/dev/null
}
trap stop EXIT INT TERM
i=0
while [ "$i" -lt "$n" ]; do
    sleep 3600 &
    pids="$pids $!"
    i=$((i + 1))
done
"$@"
