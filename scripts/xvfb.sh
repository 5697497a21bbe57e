# Sourced: vantrel_start_xvfb starts a private Xvfb display on the first free number from :90
# on, exports DISPLAY and sets xvfb_pid; it fails when every number is taken. The display runs
# in a session of its own, so it outlives the script that started it until it is killed.
# Used by the run command, the benchmark and the Wine test session.
vantrel_start_xvfb() {
  local n
  xvfb_pid=''
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 < /dev/null &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    return 0
  done
  return 1
}
