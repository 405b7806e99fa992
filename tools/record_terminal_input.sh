#!/usr/bin/env bash
# Records the test data of tests/data/terminal-input/ for real: xterm and a VTE
# terminal (sakura) under Xvfb, typed at and clicked on with xdotool, and tmux typed at
# with send-keys (its clicks come from xterm, through tmux to the pane). Each key is
# sent alone and a while after the last, so each arrives as one read.
#   tools/record_terminal_input.sh OUT_DIR
# Needs: Xvfb xterm sakura tmux xdotool python3.
set -euo pipefail
out=${1:?output folder}
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
recorder="$here/record_terminal_input.py"
display=:97

# What is sent, in order: the xdotool key (or "click BUTTON ROW COL"), the tmux key,
# and the replay script line it stands for.
events=(
  "Escape|Escape|key Esc" "BackSpace|BSpace|key Backspace" "Tab|Tab|key Tab"
  "Return|Enter|key Enter" "space|Space|key Space" "a|a|type a" "shift+z|Z|type Z"
  "F1|F1|key F1" "F2|F2|key F2" "F3|F3|key F3" "F4|F4|key F4" "F5|F5|key F5"
  "F6|F6|key F6" "F7|F7|key F7" "F8|F8|key F8" "F9|F9|key F9" "F10|F10|key F10"
  "F11|F11|key F11" "F12|F12|key F12" "shift+F10|S-F10|key Shift-F10"
  "Home|Home|key Home" "End|End|key End" "Prior|PPage|key PgUp" "Next|NPage|key PgDn"
  "Insert|IC|key Ins" "Delete|DC|key Del" "Up|Up|key Up" "Down|Down|key Down"
  "Left|Left|key Left" "Right|Right|key Right"
  "alt+a|M-a|key Alt-A" "alt+m|M-m|key Alt-M" "alt+x|M-x|key Alt-X"
  "click 1 5 10|-|click 5 10" "click 2 12 33|-|mclick 12 33" "click 3 20 70|-|rclick 20 70"
)

# Waits for the recorder to say the terminal's size: rows cols xpixels ypixels.
wait_size() {
  for _ in $(seq 100); do [ -s "$1.size" ] && return 0; sleep 0.1; done
  echo "no recorder in $1" >&2
  return 1
}

# Types and clicks every event (or, with `clicks`, only the clicks) into the X window
# `window` of a terminal whose size file is `size`.
send_x() {
  local window=$1 size=$2 which=${3:-all} event key rows cols xpx ypx
  read -r rows cols xpx ypx < "$size"
  if [ "$xpx" = 0 ]; then
    # The terminal does not tell its size in pixels (VTE): the window's, less a border.
    xpx=$(($(xwininfo -id "$window" | awk '/Width:/ {print $2}') - 2))
    ypx=$(($(xwininfo -id "$window" | awk '/Height:/ {print $2}') - 2))
  fi
  local cw=$((xpx / cols)) ch=$((ypx / rows))
  local bx=$(((xpx - cw * cols) / 2)) by=$(((ypx - ch * rows) / 2))
  # No window manager: the keyboard follows the pointer.
  xdotool mousemove --window "$window" 40 40
  for event in "${events[@]}"; do
    key=${event%%|*}
    if [[ $key == click* ]]; then
      read -r _ button row col <<< "$key"
      xdotool mousemove --window "$window" $((bx + cw * (col - 1) + cw / 2)) \
        $((by + ch * (row - 1) + ch / 2)) click "$button"
    elif [ "$which" = all ]; then
      xdotool key "$key"
    else
      continue
    fi
    sleep 0.3
  done
  xdotool key ctrl+d
}

export DISPLAY=$display
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1

# xterm, as Debian ships it.
rm -f "$out/xterm" "$out/xterm.size"
xterm -geometry 80x24+0+0 -e python3 "$recorder" "$out/xterm" 60 2>/dev/null &
terminal=$!
wait_size "$out/xterm"
send_x "$(xdotool search --sync --class xterm | head -1)" "$out/xterm.size"
wait $terminal

# sakura, a terminal on the VTE widget.
rm -f "$out/vte" "$out/vte.size"
sakura -c 80 -r 24 -x "python3 $recorder $out/vte 60" 2>/dev/null &
terminal=$!
wait_size "$out/vte"
send_x "$(xdotool search --sync --onlyvisible --class sakura | head -1)" "$out/vte.size"
wait $terminal

# tmux: keys by send-keys into a pane; clicks made in an xterm showing the pane.
rm -f "$out/tmux" "$out/tmux.size"
tmux -L record-input -f /dev/null new-session -d -s r -x 80 -y 24 \
  "TERM=tmux-256color python3 $recorder $out/tmux 60"
wait_size "$out/tmux"
for event in "${events[@]}"; do
  IFS='|' read -r _ tmux_key _ <<< "$event"
  [ "$tmux_key" = - ] && continue
  tmux -L record-input send-keys -t r "$tmux_key"
  sleep 0.3
done
xterm -geometry 80x24+0+0 -e tmux -L record-input attach -t r 2>/dev/null &
terminal=$!
sleep 1
# The pane is the xterm's top-left; the xterm's cells are as recorded above.
send_x "$(xdotool search --sync --class xterm | head -1)" "$out/xterm.size" clicks
wait $terminal
tmux -L record-input kill-server 2>/dev/null || true

# The tables, each headed by what made it.
printf '%s\n' "${events[@]}" | cut -d'|' -f3 > "$out/events"
table="$here/terminal_input_table.py"
version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null; }
{
  echo "# xterm $(version xterm) under Xvfb, TERM=xterm, keys and clicks by xdotool"
  python3 "$table" "$out/xterm" "$out/events"
} > "$out/xterm.txt"
{
  echo "# sakura $(version sakura) on VTE $(version libvte-2.91-0) under Xvfb, TERM=xterm-256color,"
  echo "# keys and clicks by xdotool. Sakura keeps F11 (full screen) and the right button"
  echo "# (its menu) for itself."
  python3 "$table" "$out/vte" "$out/events" "key F11" "rclick 20 70"
} > "$out/vte.txt"
{
  echo "# tmux $(version tmux), TERM=tmux-256color in the pane: keys by send-keys, clicks by"
  echo "# xdotool in an xterm attached to the session"
  python3 "$table" "$out/tmux" "$out/events"
} > "$out/tmux.txt"
