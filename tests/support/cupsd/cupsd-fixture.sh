#!/bin/sh
# Starts or stops a private cupsd for the printer tests.
#   cupsd-fixture.sh start DIR   configuration, spool, cache, logs under DIR; writes DIR/port,
#                                or DIR/unavailable saying why cupsd cannot run here (exit 0
#                                then too: the tests skip with that reason)
#   cupsd-fixture.sh stop DIR    stops the cupsd that "start" left in DIR/cupsd.pid
# The system's CUPS is never used: every path and the listening port are our own.
set -u

action=${1:-}
dir=${2:-}
[ -n "$action" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
mkdir -p "$dir" && dir=$(cd "$dir" && pwd) || exit 1

stop() {
  [ -f "$dir/cupsd.pid" ] || return 0
  pid=$(cat "$dir/cupsd.pid")
  rm -f "$dir/cupsd.pid" "$dir/port"
  case "$pid" in ''|*[!0-9]*) return 0 ;; esac
  # Only our own cupsd: a pid left by a crashed run may belong to someone else by now.
  tr '\0' ' ' < "/proc/$pid/cmdline" 2>/dev/null | grep -q -- "-c $dir/conf/cupsd.conf" || return 0
  kill -TERM "$pid" 2>/dev/null || return 0
  i=0
  while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
  kill -KILL "$pid" 2>/dev/null
  return 0
}

remove_outside() {
  [ -f "$dir/outside" ] || return 0
  outside=$(cat "$dir/outside")
  case "$outside" in /tmp/zozavud-cupsd.*) rm -rf "$outside" ;; esac
  rm -f "$dir/outside"
}

write_config() {
  port=$1
  cat > "$dir/conf/cupsd.conf" <<CONF
Listen 127.0.0.1:$port
LogLevel warn
Browsing No
DefaultAuthType None
WebInterface No
MaxJobs 0
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
  # cupsd refuses to run its helpers as root: as root we hand them the lp account.
  if [ "$(id -u)" -eq 0 ]; then
    run_as="User lp
Group lp
SystemGroup root"
  else
    run_as="SystemGroup $(id -gn)"
  fi
  cat > "$dir/conf/cups-files.conf" <<CONF
$run_as
ServerRoot $dir/conf
RequestRoot $spool_root/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $spool_root/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
CONF
}

unavailable() {
  echo "$1" > "$dir/unavailable"
  echo "$1" >&2
  exit 0
}

start() {
  stop
  remove_outside
  rm -rf "$dir/conf" "$dir/spool" "$dir/cache" "$dir/state" "$dir/tmp" "$dir/log" "$dir/unavailable"
  PATH="$PATH:/usr/sbin:/sbin"
  cupsd_bin=$(command -v cupsd) || unavailable "cupsd is not installed (package cups-daemon)"
  command -v lpstat >/dev/null && command -v lpadmin >/dev/null ||
    unavailable "lpstat/lpadmin are not installed (package cups-client)"
  mkdir -p "$dir/conf/ppd" "$dir/spool" "$dir/cache" "$dir/state" "$dir/tmp" "$dir/log" || exit 1
  chmod 755 "$dir/spool" "$dir/tmp"
  spool_root=$dir
  # The backend runs as lp and opens the spooled file itself: where lp cannot reach the
  # build tree (a private home), spool in a folder of our own under /tmp instead.
  if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null &&
     ! runuser -u lp -- test -x "$dir/spool" 2>/dev/null; then
    spool_root=$(mktemp -d /tmp/zozavud-cupsd.XXXXXX) || exit 1
    chmod 755 "$spool_root"
    mkdir -p "$spool_root/spool" "$spool_root/tmp"
    chmod 755 "$spool_root/spool" "$spool_root/tmp"
    echo "$spool_root" > "$dir/outside"
  fi
  attempt=0
  while [ $attempt -lt 5 ]; do
    attempt=$((attempt + 1))
    # A random high port; cupsd exits at once if it is taken, and we try another.
    port=$(( 20000 + $(od -An -N2 -tu2 /dev/urandom | tr -d ' ') % 40000 ))
    write_config "$port"
    "$cupsd_bin" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
      >"$dir/log/cupsd.out" 2>&1 &
    pid=$!
    echo "$pid" > "$dir/cupsd.pid"
    i=0
    while [ $i -lt 50 ]; do
      if ! kill -0 "$pid" 2>/dev/null; then break; fi
      if LC_ALL=C lpstat -h "127.0.0.1:$port" -r 2>/dev/null | grep -q "is running"; then
        echo "$port" > "$dir/port"
        exit 0
      fi
      sleep 0.1
      i=$((i + 1))
    done
    stop
  done
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null
  unavailable "cupsd did not start; see $dir/log"
}

case "$action" in
  start) start ;;
  stop) stop; remove_outside ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
