#!/usr/bin/env bash
# The built program from outside: a person's session on a virtual display, judged by screenshots and saved files.
#
# Usage: outside_in.sh <run folder> [<folder for the screenshots>]
#
# Copies the staged run folder, starts nodeweave on a virtual X display of its own, drives it
# with the keyboard and the mouse (xdotool), reads the screen back (ImageMagick) and checks the
# pictures and pages it saves. Then the same program with bitmaps/ missing, with webs/ missing,
# with junk beside the libraries in plugins/, and with exports aimed at a folder nobody can
# write into: each time it must keep running, show only what it is meant to show, and leave
# with exit status 0 when told to.
set -u

if [ $# -lt 1 ] || [ ! -x "$1/nodeweave" ]; then
  echo "usage: $0 <run folder with nodeweave> [<screenshot folder>]" >&2
  exit 2
fi
run_dir=$(cd "$1" && pwd)
shots=${2:-}
for tool in xdotool import convert compare identify; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "outside_in: $tool is missing (setup.sh installs it)" >&2
    exit 1
  fi
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/nodeweave-outside.XXXXXX")
[ -n "$shots" ] || shots=$tmp/shots
rm -rf "$shots"
mkdir -p "$shots" "$tmp/home" "$tmp/xdg" "$tmp/out"
chmod 700 "$tmp/xdg"

XVFB=""
APP=""
cleanup() {
  if [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; then kill "$APP" 2>/dev/null; wait "$APP" 2>/dev/null; fi
  if [ -n "$XVFB" ] && kill -0 "$XVFB" 2>/dev/null; then kill "$XVFB" 2>/dev/null; wait "$XVFB" 2>/dev/null; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# ---------------------------------------------------------------------------------------------
# Reporting

passed=0
failed=0
# check DESCRIPTION COMMAND...: one verdict line per check; the run goes on after a failure.
check() {
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "ok   - $what"
  else
    failed=$((failed + 1))
    echo "FAIL - $what"
  fi
}
# A step that later checks build on did not happen: counted as a failure; the caller decides
# whether the case can go on.
give_up() {
  failed=$((failed + 1))
  echo "FAIL - $*"
  return 1
}

# ---------------------------------------------------------------------------------------------
# The screen

if command -v Xvfb >/dev/null 2>&1; then
  # Our own screen: nothing else on it, and a size the checks below can rely on.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
  XVFB=$!
  for _ in $(seq 100); do
    [ -s "$tmp/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$tmp/display" ]; then
    echo "outside_in: the virtual display did not start" >&2
    cat "$tmp/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n 1 "$tmp/display")"
elif [ -z "${DISPLAY:-}" ]; then
  echo "outside_in: no Xvfb and no DISPLAY" >&2
  exit 1
fi
# The program's toolkit keeps its recent files and settings away from the real home.
export HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/xdg NO_AT_BRIDGE=1
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME

shot_number=0
case_name=start
# shot NAME: the whole screen into a new file; its path in SHOT.
shot() {
  shot_number=$((shot_number + 1))
  SHOT=$(printf '%s/%03d-%s-%s.png' "$shots" "$shot_number" "$case_name" "$1")
  import -window root "$SHOT"
}

# The view panel's background colour; nothing else on the screen has it.
BG="rgb(90,90,140)"

# view_box FILE: the box around every pixel of the background colour, as WxH+X+Y ("" if none).
view_box() {
  local box
  box=$(convert "$1" -fill black +opaque "$BG" -fill white -opaque "$BG" -format %@ info: 2>/dev/null)
  case $box in 0x0*|"") echo "" ;; *) echo "$box" ;; esac
}

# stats FILE BOX: "total background orange white" pixel counts inside BOX. Orange is the
# route's colour, white the labels'.
stats() {
  convert "$1" -crop "$2" +repage -format %c histogram:info:- | awk '
    { n = $1; sub(":", "", n); c = $2; gsub(/[()]/, "", c); split(c, v, ",")
      total += n
      if (v[1] == 90 && v[2] == 90 && v[3] == 140) bg += n
      if (v[1] > 200 && v[2] >= 60 && v[2] <= 200 && v[3] <= 90) orange += n
      if (v[1] >= 230 && v[2] >= 230 && v[3] >= 230) white += n }
    END { printf "%d %d %d %d\n", total, bg, orange, white }'
}
drawn() { local s; s=($(stats "$1" "$2")); echo $((s[0] - s[1])); }    # pixels not background
orange() { local s; s=($(stats "$1" "$2")); echo "${s[2]}"; }
whites() { local s; s=($(stats "$1" "$2")); echo "${s[3]}"; }
bg_permille() { local s; s=($(stats "$1" "$2")); echo $((s[1] * 1000 / s[0])); }
colours() { convert "$1" -crop "$2" +repage -format %k info:; }

# differ A B [BOX]: how many pixels (of BOX) differ between two pictures (small tolerance).
differ() {
  if [ -n "${3:-}" ]; then
    convert "$1" -crop "$3" +repage "$tmp/a.png"
    convert "$2" -crop "$3" +repage "$tmp/b.png"
  else
    convert "$1" -alpha off "$tmp/a.png"
    convert "$2" -alpha off "$tmp/b.png"
  fi
  # Pictures that cannot be compared count as different everywhere.
  compare -metric AE -fuzz 2% "$tmp/a.png" "$tmp/b.png" null: 2>&1 |
    awk '{ if ($1 ~ /^[0-9.e+]+$/) printf "%d\n", $1; else print 999999999 }'
}

box_w() { echo "$1" | sed 's/x.*//'; }
box_h() { echo "$1" | sed 's/^[0-9]*x//; s/+.*//'; }
box_x() { echo "$1" | cut -d+ -f2; }
box_y() { echo "$1" | cut -d+ -f3; }

# settle NAME: screenshots until the view has not changed for a while (animations over);
# the last one in SHOT. False if it never came to rest.
settle() {
  local name=$1 previous="" same=0 i
  for i in $(seq 60); do
    shot "$name"
    if [ -n "$previous" ]; then
      if [ "$(differ "$previous" "$SHOT" "$VIEW")" -eq 0 ]; then same=$((same + 1)); else same=0; fi
      rm -f "$previous"
      [ $same -ge 3 ] && return 0
    fi
    previous=$SHOT
    sleep 0.1
  done
  return 1
}

# ---------------------------------------------------------------------------------------------
# The program

# start_app FOLDER: runs nodeweave there and waits for its window and its first frame.
# Sets APP (process), WIN (main window) and VIEW (the view panel's box on the screen).
start_app() {
  (cd "$1" && exec ./nodeweave) >"$tmp/$case_name.log" 2>&1 &
  APP=$!
  WIN=""
  for _ in $(seq 200); do
    WIN=$(xdotool search --all --onlyvisible --pid "$APP" --name '^Nodeweave Visualisation$' 2>/dev/null | head -n 1)
    [ -n "$WIN" ] && break
    kill -0 "$APP" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$WIN" ] || { give_up "$case_name: main window shown"; return 1; }
  VIEW=""
  for _ in $(seq 100); do
    shot started
    VIEW=$(view_box "$SHOT")
    [ -n "$VIEW" ] && [ "$(box_w "$VIEW")" -gt 200 ] && [ "$(box_h "$VIEW")" -gt 200 ] && break
    VIEW=""
    rm -f "$SHOT"
    sleep 0.1
  done
  [ -n "$VIEW" ] || { give_up "$case_name: view panel painted"; return 1; }
  xdotool windowfocus --sync "$WIN"
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# The other windows of the program on the screen (dialogs, message boxes).
other_windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
    [ "$w" = "$WIN" ] || echo "$w"
  done
}
no_other_windows() { [ -z "$(other_windows)" ]; }

# keys KEY...: typed with a pause between them, so that menus are open before the next key.
keys() { xdotool key --delay 120 "$@"; }

# choose_plugin K: the K-th entry of "Plugins", by keyboard; waits until a network is drawn.
choose_plugin() {
  local downs=() i
  for ((i = 1; i < $1; i++)); do downs+=(Down); done
  keys alt+p "${downs[@]}" Return
  for _ in $(seq 100); do
    shot "plugin$1"
    # The plug-in's controls make the strip taller and the view shorter.
    VIEW=$(view_box "$SHOT")
    [ -n "$VIEW" ] && [ "$(drawn "$SHOT" "$VIEW")" -gt 500 ] && break
    rm -f "$SHOT"
    sleep 0.1
  done
  settle "plugin$1"
}

# save_as TITLE PATH: answers the program's real save dialog with PATH. False if the dialog
# never came or would not take the name.
save_as() {
  local dialog="" _ tries
  for _ in $(seq 150); do
    dialog=$(xdotool search --all --onlyvisible --pid "$APP" --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || return 1
  xdotool windowfocus --sync "$dialog"
  xdotool type --delay 8 "$2"
  # The name field's completion may swallow the first Return; the dialog itself says when it took the name.
  for tries in 1 2 3; do
    sleep 0.2
    xdotool key Return
    for _ in $(seq 30); do
      xdotool search --all --onlyvisible --pid "$APP" --name "^$1\$" >/dev/null 2>&1 || return 0
      sleep 0.1
    done
  done
  return 1
}

# wait_message: waits for a message box (a window of the program without a title); its width
# (the text decides it) in MSG_W. False if none came.
wait_message() {
  local w
  MSG="" MSG_W=0
  for _ in $(seq 100); do
    for w in $(other_windows); do
      if [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ]; then
        MSG=$w
        MSG_W=$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

# dismiss_message: Return on the message box, as its OK button is the default; true once it is gone.
dismiss_message() {
  xdotool windowfocus --sync "$MSG" 2>/dev/null
  xdotool key Return
  for _ in $(seq 50); do
    no_other_windows && return 0
    sleep 0.1
  done
  return 1
}

# quit_app: Alt+X and the exit status; true if the program left on its own with status 0.
quit_app() {
  local status
  xdotool windowfocus --sync "$WIN" 2>/dev/null
  keys alt+x
  for _ in $(seq 150); do
    kill -0 "$APP" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$APP" 2>/dev/null; then
    kill "$APP"
    wait "$APP" 2>/dev/null
    APP=""
    return 1
  fi
  wait "$APP"
  status=$?
  APP=""
  [ $status -eq 0 ]
}

alive() { [ -n "$APP" ] && kill -0 "$APP" 2>/dev/null; }

# end_case: a case that stopped early leaves no program behind for the next one.
end_case() {
  if alive; then
    kill "$APP" 2>/dev/null
    wait "$APP" 2>/dev/null
  fi
  APP=""
}

# The description pane's inside, right of the view (no borders).
description_box() {
  local left=$(($(box_x "$VIEW") + $(box_w "$VIEW") + 5))
  echo "$((WIN_X + WIN_W - 5 - left - 4))x$(($(box_h "$VIEW") - 4))+$((left + 2))+$(($(box_y "$VIEW") + 2))"
}

# Where the Plugins menu opens, below its title; room for more entries than there are, and
# clear of the first tool button, whose focus ring comes and goes.
menu_box() { echo "200x190+$((WIN_X + 42))+$((WIN_Y + 26))"; }

# Boxes in the parameter strip that are plain white: the entry fields of the plug-in's lists,
# left to right, top to bottom, as "X Y" screen points in their middle.
entry_fields() {
  local top=$(($(box_y "$VIEW") + $(box_h "$VIEW") + 5))
  local height=$((WIN_Y + WIN_H - top - 25))
  convert "$1" -crop "${WIN_W}x${height}+${WIN_X}+${top}" +repage -fill black +opaque white \
    -define connected-components:verbose=true -define connected-components:area-threshold=300 \
    -connected-components 4 null: 2>/dev/null |
    awk -v ox="$WIN_X" -v oy="$top" '$NF == "srgb(255,255,255)" {
        split($2, g, /[x+]/)
        if (g[1] >= 40 && g[2] >= 15) printf "%d %d\n", ox + g[3] + 20, oy + g[4] + g[2] / 2 }' |
    sort -n -k1,1 -k2,2
}

# ---------------------------------------------------------------------------------------------
# Case 1: an ordinary session

case_name=session
out=$tmp/out
cp -r "$run_dir" "$tmp/run"
session() {
  start_app "$tmp/run" || return
  check "empty view before a network is chosen ($(drawn "$SHOT" "$VIEW") pixels drawn)" \
    test "$(drawn "$SHOT" "$VIEW")" -eq 0

  # The Plugins menu as it opens: the reference for the junk case.
  xdotool mousemove 1270 1010
  keys alt+p
  sleep 0.5
  shot menu
  cp "$SHOT" "$tmp/menu.png"
  keys Escape

  # Every network in turn: a picture of its own and its description beside it.
  local k previous="" pictures=()
  for k in 1 2 3 4 5; do
    choose_plugin $k || give_up "plug-in $k: view comes to rest"
    check "plug-in $k: network drawn in the view ($(drawn "$SHOT" "$VIEW") pixels)" \
      test "$(drawn "$SHOT" "$VIEW")" -gt 1000
    check "plug-in $k: description shown ($(colours "$SHOT" "$(description_box)") colours)" \
      test "$(colours "$SHOT" "$(description_box)")" -gt 10
    [ -n "$previous" ] && check "plug-in $k: a picture different from plug-in $((k - 1))'s" \
      test "$(differ "$previous" "$SHOT" "$VIEW")" -gt 1000
    previous=$SHOT
  done

  # Back to the first network; the camera keys each move the picture, Ctrl+D brings it back.
  choose_plugin 1
  local home=$SHOT key
  previous=$SHOT
  for key in w s a d e q; do
    keys "$key"
    settle "key-$key"
    check "camera key ${key^^} moves the picture" test "$(differ "$previous" "$SHOT" "$VIEW")" -gt 200
    previous=$SHOT
  done
  keys ctrl+d
  settle default-camera
  check "Ctrl+D: back to the network's own camera" test "$(differ "$home" "$SHOT" "$VIEW")" -lt 50

  # A route: the first start node and the last final node, picked in the lists' fields.
  local fields
  fields=($(entry_fields "$SHOT"))
  if [ ${#fields[@]} -lt 4 ]; then
    give_up "route: start and final fields found in the strip (${#fields[@]} numbers)"
    return
  fi
  xdotool mousemove "${fields[0]}" "${fields[1]}" click 1
  keys Down
  xdotool mousemove "${fields[2]}" "${fields[3]}" click 1
  keys Up
  xdotool mousemove "$((WIN_X + WIN_W / 2))" "$((WIN_Y + WIN_H - 5))"
  settle route || give_up "route: animation comes to an end"
  local route=$SHOT
  check "route drawn in its colour ($(orange "$route" "$VIEW") pixels)" test "$(orange "$route" "$VIEW")" -gt 100

  # Effects: sky box, labels, drawing effect.
  keys alt+b
  settle sky
  check "Alt+B: sky box covers the background ($(bg_permille "$SHOT" "$VIEW") per mille left)" \
    test "$(bg_permille "$SHOT" "$VIEW")" -lt 100
  keys alt+b
  settle no-sky
  check "Alt+B again: the plain picture back" test "$(differ "$route" "$SHOT" "$VIEW")" -lt 50
  keys alt+l
  settle no-labels
  check "Alt+L: labels gone ($(whites "$route" "$VIEW") white pixels before, $(whites "$SHOT" "$VIEW") after)" \
    test "$(($(whites "$SHOT" "$VIEW") * 3))" -lt "$(whites "$route" "$VIEW")"
  keys alt+l
  settle labels
  check "Alt+L again: labels back" test "$(differ "$route" "$SHOT" "$VIEW")" -lt 50
  # Paused, the effect starts from nothing and stays there until a frame is asked for
  # ("Increment Time", by the Animation menu); unpaused it draws the network again.
  keys ctrl+p alt+d alt+a Down Down Down Down Down Return
  settle effect-start
  check "drawing effect: starts from an empty view ($(drawn "$SHOT" "$VIEW") pixels drawn)" \
    test "$(($(drawn "$SHOT" "$VIEW") * 10))" -lt "$(drawn "$route" "$VIEW")"
  keys ctrl+p
  settle effect-end
  check "drawing effect: the whole network drawn in the end" \
    test "$(differ "$route" "$SHOT" "$VIEW")" -lt 50
  keys alt+d
  settle effect-off

  # Snapshots: what the view shows, in the format the name asks for.
  local view_now=$SHOT name format
  for name in snap.png:PNG snap.jpeg:JPEG; do
    format=${name#*:}
    name=${name%%:*}
    keys ctrl+s
    save_as "Save Bitmap As..." "$out/$name" || give_up "$name: save dialog took the name"
    wait_message || give_up "$name: message after saving"
    local saved_w=$MSG_W
    dismiss_message || give_up "$name: message dismissed with Return"
    check "$name: saved as $format at the view's size $(box_w "$VIEW")x$(box_h "$VIEW")" \
      test "$(identify -format '%m %wx%h' "$out/$name" 2>/dev/null)" = "$format $(box_w "$VIEW")x$(box_h "$VIEW")"
  done
  convert "$view_now" -crop "$VIEW" +repage "$tmp/view.png"
  check "snap.png: the picture the view showed" test "$(differ "$out/snap.png" "$tmp/view.png")" -lt 100

  # The animation: a page and one picture per step. Ctrl+A would select the text of a list's
  # field, so the focus leaves the strip first (a click beside the groups).
  xdotool mousemove "$((WIN_X + 3))" "$(($(box_y "$VIEW") + $(box_h "$VIEW") + 60))" click 1
  keys ctrl+a
  save_as "Save Animation As..." "$out/anim.htm" || give_up "anim.htm: save dialog took the name"
  sleep 0.5
  check "anim.htm: no message after saving" no_other_windows
  local pictures_saved rows i ok=0
  pictures_saved=$(ls "$out/anim_files" 2>/dev/null | grep -c '^[0-9]*\.png$')
  rows=$(grep -c '<tr><td>' "$out/anim.htm" 2>/dev/null)
  check "anim.htm: five pictures for the route's four hops (found $pictures_saved)" test "$pictures_saved" -eq 5
  check "anim.htm: one row per picture ($rows rows)" test "$rows" -eq "$pictures_saved"
  for ((i = 0; i < pictures_saved; i++)); do
    grep -qF "<div align=\"right\">$((i + 1))/$pictures_saved</div><img src=\"anim_files/$i.png\" width=\"$(box_w "$VIEW")\" height=\"$(box_h "$VIEW")\">" "$out/anim.htm" &&
      [ "$(identify -format '%m %wx%h' "$out/anim_files/$i.png" 2>/dev/null)" = "PNG $(box_w "$VIEW")x$(box_h "$VIEW")" ] &&
      ok=$((ok + 1))
  done
  check "anim.htm: every row names its decodable picture at the view's size ($ok of $pictures_saved)" \
    test "$ok" -eq "$pictures_saved"
  check "anim.htm: titled with the network's name" grep -q '<title>Hypercube</title>' "$out/anim.htm"
  check "anim.htm: the route grows from the first picture to the last" \
    test "$(orange "$out/anim_files/$((pictures_saved - 1)).png" "$(box_w "$VIEW")x$(box_h "$VIEW")+0+0")" -gt \
         "$(orange "$out/anim_files/0.png" "$(box_w "$VIEW")x$(box_h "$VIEW")+0+0")"

  # Exports into a folder that nobody may write into, not even root: the process file system.
  keys ctrl+s
  save_as "Save Bitmap As..." "/proc/nodeweave-snap.png" || give_up "unwritable: save dialog took the name"
  wait_message || give_up "unwritable snapshot: a message"
  local failed_w=$MSG_W
  check "unwritable snapshot: a message other than the saved one (widths $saved_w and $failed_w)" \
    test "$failed_w" -gt "$saved_w"
  dismiss_message || give_up "unwritable snapshot: message dismissed"
  keys ctrl+a
  save_as "Save Animation As..." "/proc/nodeweave-anim.htm" || give_up "unwritable: animation dialog took the name"
  wait_message || give_up "unwritable animation: a message"
  ANIMATION_FAILED_W=$MSG_W
  check "unwritable animation: its own message (width $MSG_W)" test "$MSG_W" -gt "$failed_w"
  dismiss_message || give_up "unwritable animation: message dismissed"
  check "unwritable: the program still running, nothing else open" eval 'alive && no_other_windows'
  check "unwritable: nothing written" test ! -e /proc/nodeweave-snap.png -a ! -e /proc/nodeweave-anim.htm

  # A bigger window: the view takes all the new width and height and is drawn at its new size.
  local old_view=$VIEW
  xdotool windowsize "$WIN" 1200 800
  for _ in $(seq 100); do
    shot resized
    VIEW=$(view_box "$SHOT")
    [ -n "$VIEW" ] && [ "$VIEW" != "$old_view" ] && break
    rm -f "$SHOT"
    sleep 0.1
  done
  settle resized
  check "resize: view grows by the window's growth ($old_view to $VIEW)" \
    test "$(box_w "$VIEW")x$(box_h "$VIEW")" = "$(($(box_w "$old_view") + 200))x$(($(box_h "$old_view") + 140))"
  keys ctrl+s
  save_as "Save Bitmap As..." "$out/big.png" || give_up "big.png: save dialog took the name"
  wait_message && dismiss_message
  check "resize: a snapshot now has the bigger size" \
    test "$(identify -format '%wx%h' "$out/big.png" 2>/dev/null)" = "$(box_w "$VIEW")x$(box_h "$VIEW")"
  # The engine draws at the panel's new size: the bigger picture fills the view on the screen.
  convert "$SHOT" -crop "$VIEW" +repage "$tmp/view.png"
  check "resize: the view on the screen shows that whole picture" test "$(differ "$out/big.png" "$tmp/view.png")" -lt 100

  check "Alt+X: the program ends with status 0" quit_app
}
ANIMATION_FAILED_W=0
session
end_case

# ---------------------------------------------------------------------------------------------
# Case 2: no bitmaps/ folder. Tool bar without pictures, labels in the engine's own font, a
# sky box without textures: nothing to report, and the network is still drawn.

case_name=no-bitmaps
cp -r "$run_dir" "$tmp/no-bitmaps"
rm -rf "$tmp/no-bitmaps/bitmaps"
no_bitmaps() {
  start_app "$tmp/no-bitmaps" || return
  choose_plugin 2
  check "no bitmaps/: network drawn ($(drawn "$SHOT" "$VIEW") pixels)" test "$(drawn "$SHOT" "$VIEW")" -gt 1000
  keys alt+b
  settle sky
  keys alt+b
  settle no-sky
  check "no bitmaps/: running after the sky box, no message" eval 'alive && no_other_windows'
  check "no bitmaps/: Alt+X ends with status 0" quit_app
}
no_bitmaps
end_case

# ---------------------------------------------------------------------------------------------
# Case 3: no webs/ folder. The description stays empty; the network and the exports work.

case_name=no-webs
cp -r "$run_dir" "$tmp/no-webs"
rm -rf "$tmp/no-webs/webs"
no_webs() {
  start_app "$tmp/no-webs" || return
  choose_plugin 4
  check "no webs/: network drawn ($(drawn "$SHOT" "$VIEW") pixels)" test "$(drawn "$SHOT" "$VIEW")" -gt 1000
  check "no webs/: empty description ($(colours "$SHOT" "$(description_box)") colours)" \
    test "$(colours "$SHOT" "$(description_box)")" -eq 1
  check "no webs/: no message" no_other_windows
  # No route chosen: nothing to animate, which the program says before asking for a name.
  keys ctrl+a
  if wait_message; then
    check "no webs/: animation without steps refused with the animation message (width $MSG_W)" \
      test "$MSG_W" -eq "$ANIMATION_FAILED_W"
    dismiss_message || give_up "no webs/: message dismissed"
  else
    give_up "no webs/: animation without steps refused with a message"
  fi
  check "no webs/: still running" alive
  check "no webs/: Alt+X ends with status 0" quit_app
}
no_webs
end_case

# ---------------------------------------------------------------------------------------------
# Case 4: junk beside the real libraries in plugins/: a text file, a file without a dot, an
# empty file, a truncated library, a library without the factory, and a hidden library and
# a subfolder with a library, which must not be looked at. The menu is the same as before.

case_name=junk-plugins
cp -r "$run_dir" "$tmp/junk"
junk=$tmp/junk/plugins
echo "not a library" >"$junk/notes.txt"
echo "not a library either" >"$junk/README"
: >"$junk/empty.so"
head -c 3000 "$run_dir/plugins/weave_alpha.so" >"$junk/truncated.so"
cp "$run_dir/libweavekit.so" "$junk/no_factory.so"
cp "$run_dir/plugins/weave_alpha.so" "$junk/.hidden.so"
mkdir -p "$junk/more"
cp "$run_dir/plugins/weave_beta.so" "$junk/more/weave_zeta.so"
junk_plugins() {
  start_app "$tmp/junk" || return
  check "junk in plugins/: running, no message" eval 'alive && no_other_windows'
  xdotool mousemove 1270 1010
  keys alt+p
  sleep 0.5
  shot menu
  check "junk in plugins/: the same Plugins menu as with the libraries alone" \
    test "$(differ "$tmp/menu.png" "$SHOT" "$(menu_box)")" -eq 0
  keys Escape
  choose_plugin 5
  check "junk in plugins/: the last network drawn ($(drawn "$SHOT" "$VIEW") pixels)" test "$(drawn "$SHOT" "$VIEW")" -gt 1000
  check "junk in plugins/: Alt+X ends with status 0" quit_app
}
if [ -f "$tmp/menu.png" ]; then
  junk_plugins
  end_case
else
  give_up "junk in plugins/: no menu picture from the ordinary session"
fi

echo "outside_in: screenshots in $shots"
echo "outside_in: $passed passed, $failed failed"
[ $failed -eq 0 ]
