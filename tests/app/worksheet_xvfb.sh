#!/usr/bin/env bash
# The built worksheet window under a real X server, in Chinese, driven with real key presses: choose
# the cube from the presets, bring up 展开图 (the flat net inside the 3D view) and fold its net with
# the slider (or, while the worksheet has no nets, the 直观图 of a cuboid whose size slider moves), on
# 截面 click the solid's lowest corner in the 3D view, then export a PDF through the file dialog.
# Checks the screenshots and the file.
# Usage: worksheet_xvfb.sh path/to/orrin-worksheet [screenshot-folder]
set -euo pipefail
program=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"
source "$(dirname "$0")/../support/xvfb.sh"

message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" 2>&1) && fail "started without a display"
[[ $message == "no display"* ]] || fail "without a display: $message"

start_xvfb "$shots"
export LANG=zh_CN.UTF-8 LANGUAGE=zh_CN
start_program "$shots/worksheet.log" "$program"
# The window's title reaches X only intact as _NET_WM_NAME, which xdotool reads by window, not by search.
title="立体图形 · 教学图纸"
window=
for _ in $(seq 200); do
  for candidate in $(xdotool search --classname '^orrin-worksheet$' 2>/dev/null); do
    [[ $(xdotool getwindowname "$candidate" 2>/dev/null) == "$title" ]] && window=$candidate
  done
  [[ -n $window ]] && break
  sleep 0.1
done
[[ -n $window ]] || fail "no window titled $title"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

shot() { sleep 0.6; import -window root "$shots/$1.png"; }
# Pixels that differ between two screenshots inside the window's rectangle x0..x1 (fractions of its width).
changed() {
  local x0=$((X + WIDTH * $3 / 100)) w=$((WIDTH * ($4 - $3) / 100))
  convert "$shots/$1.png" -crop "${w}x${HEIGHT}+${x0}+${Y}" +repage "$shots/crop-a.png"
  convert "$shots/$2.png" -crop "${w}x${HEIGHT}+${x0}+${Y}" +repage "$shots/crop-b.png"
  compare -metric AE -fuzz 4% "$shots/crop-a.png" "$shots/crop-b.png" null: 2>&1 || true
}

# The 3D view's inside, found in the screenshot as the box round the pixels of the view's own
# background (nothing else in the window has that colour; the splitter sets its width), and the box
# round what is drawn in it: sets view_w view_h view_x0 view_y0, and bw bh bx by relative to the view,
# of everything unlike its background.
drawn_box() {
  read -r view_w view_h view_x0 view_y0 < <(convert "$shots/$1.png" -fill black +opaque "#F5F5F0" -trim \
    -format '%w %h %X %Y\n' info: | tr -d '+')
  convert "$shots/$1.png" -crop "${view_w}x${view_h}+${view_x0}+${view_y0}" +repage "$shots/view.png"
  read -r bw bh bx by < <(convert "$shots/view.png" -fuzz 4% -trim -format '%w %h %X %Y\n' info: | tr -d '+')
}

shot start
xdotool key alt+p Down        # the presets list: its first solid, the cube
shot cube
(($(changed start cube 25 100) > 500)) || fail "choosing the cube changed neither the view nor the sheet"

xdotool key ctrl+3            # 展开图
shot net
folded=0
(($(changed cube net 60 100) > 200)) || fail "the 展开图 tab shows the same sheet as the 直观图"
# The camera stands back for the flat net: all of it lies inside the 3D view, clear of its sides.
drawn_box net
((bx > 0 && by > 0 && bx + bw < view_w && by + bh < view_h)) ||
  fail "the flat net runs out of the 3D view (${bw}x${bh}+${bx}+${by} in ${view_w}x${view_h})"
# With nets built in, the 3D view shows the net (flat at fold 0) as soon as its tab is up.
if (($(changed cube net 25 58) > 500)); then
  xdotool key alt+d End       # the fold slider to its end: the net folds up into the cube
  shot folded
  (($(changed net folded 25 58) > 500)) || fail "moving the fold slider left the 3D view as it was"
  folded=1
fi
if ((folded == 0)); then
  xdotool key ctrl+1 alt+s Down Home   # 直观图 of the cuboid family (a prism on the way)
  shot cuboid
  xdotool key Tab Tab Page_Up Page_Up   # the first size's slider, moved by two pages
  shot folded
  (($(changed cuboid folded 60 100) > 300)) || fail "moving the size slider left the sheet as it was"
fi

# 截面: a click on the solid's lowest corner (B) makes it the plane's first point, and the sheet follows.
xdotool key ctrl+4
shot section
drawn_box section
# The solid's lowest three rows of pixels narrow down to the corner.
convert "$shots/view.png" -crop "${bw}x3+${bx}+$((by + bh - 3))" +repage "$shots/rows.png"
read -r rw rx < <(convert "$shots/rows.png" -fuzz 4% -trim -format '%w %X\n' info: | tr -d '+')
xdotool mousemove $((view_x0 + bx + rx + rw / 2)) $((view_y0 + by + bh - 2)) click 1
shot picked
(($(changed section picked 60 100) > 200)) || fail "a click on a corner in the 3D view left the section as it was"

pdf="$shots/sheet.pdf"
rm -f "$pdf"
xdotool key ctrl+s
sleep 1.5
shot dialog
xdotool type --delay 20 "$pdf"
xdotool key Return
for _ in $(seq 50); do [[ -s $pdf ]] && break; sleep 0.2; done
[[ -s $pdf ]] || fail "no PDF written through the export dialog"
head -c 5 "$pdf" | grep -q '%PDF-' || fail "the export is not a PDF"
pdftoppm -png -r 30 -singlefile "$pdf" "$shots/sheet-page" 2>/dev/null || true
shot exported
kill -0 "$program_pid" 2>/dev/null || fail "the program is no longer running: $(tail -n 5 "$shots/worksheet.log")"
echo "ok: $DISPLAY window $window, net folded: $folded, PDF $(stat -c %s "$pdf") bytes; screenshots in $shots"
