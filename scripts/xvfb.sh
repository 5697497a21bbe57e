# Sourced: vantrel_start_xvfb starts a private Xvfb display on the first free number from :90
# on, exports DISPLAY and sets xvfb_pid; it fails when every number is taken. The display runs
# in a session of its own, so it outlives the script that started it until it is killed.
# Used by the run command, the benchmark and the Wine test session.
# Two sessions that start at once may both find a number free: the display is taken only once
# the lock file names this Xvfb, else the one that lost tries the next number (instead of
# using, and later losing, the other session's display).
vantrel_start_xvfb() {
  local n lock
  xvfb_pid=''
  for n in $(seq 90 140); do
    lock=/tmp/.X$n-lock
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "$lock" ] && continue
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 < /dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
      if [ "$(tr -d ' \n' 2> /dev/null < "$lock")" = "$xvfb_pid" ] && [ -e "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$xvfb_pid" 2> /dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" 2> /dev/null
    xvfb_pid=''
  done
  return 1
}
