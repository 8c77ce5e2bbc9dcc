#!/bin/sh
# Draws the pictures the job library names as ":/images/..." resources: one
# icon per port use (a tile in the use's plan colour with a short word or a
# pictogram) and one picture per network device type. The PNGs are committed;
# run this again after changing a drawing:  app/images/draw-icons.sh
set -eu
cd "$(dirname "$0")"

FONT=DejaVu-Sans-Condensed-Bold
# No time stamps in the files, so that the same drawing gives the same bytes.
STRIP="-strip -define png:exclude-chunks=date,time"

# tile NAME COLOUR WORD [POINTSIZE [INK]]: a rounded tile in COLOUR with WORD
# in INK (white unless the tile is too light for it).
tile() {
  convert -size 32x32 xc:none -fill "$2" -stroke '#222222' -strokewidth 1 \
    -draw "roundrectangle 1,1 30,30 6,6" \
    -fill "${5:-white}" -stroke none -font "$FONT" -pointsize "${4:-12}" -gravity center \
    -annotate +0+0 "$3" $STRIP "$1.png"
}

# plate NAME JACKS: a wall plate (frame in the wall plate colour) with JACKS
# sockets, so that the picture says how many jacks it has.
plate() {
  jacks=""
  case $2 in
    1) jacks="rectangle 12,12 19,19" ;;
    2) jacks="rectangle 7,12 14,19 rectangle 17,12 24,19" ;;
    3) jacks="rectangle 6,12 11,19 rectangle 13,12 18,19 rectangle 20,12 25,19" ;;
    4) jacks="rectangle 7,6 14,13 rectangle 17,6 24,13 rectangle 7,18 14,25 rectangle 17,18 24,25" ;;
    6) jacks="rectangle 6,7 11,13 rectangle 13,7 18,13 rectangle 20,7 25,13 rectangle 6,18 11,24 rectangle 13,18 18,24 rectangle 20,18 25,24" ;;
  esac
  convert -size 32x32 xc:none -fill '#f4f4f8' -stroke '#5254a3' -strokewidth 3 \
    -draw "roundrectangle 2,2 29,29 4,4" \
    -fill '#5254a3' -stroke none -draw "$jacks" $STRIP "$1.png"
}

# Port uses (colours as the floor plans draw them).
tile network_icon '#1f77b4' NET
tile tv_icon '#8c564b' TV 14
tile phone_icon '#2ca02c' TEL
tile cctv_icon '#d62728' CAM
tile intercom_icon '#9467bd' INT
tile speaker_icon '#e377c2' SPK
tile control_icon '#7f7f7f' CTL
tile security_icon '#bcbd22' SEC 12 '#2f2f08'
tile fire_icon '#ff7f0e' FIRE 10
tile satellite '#aec7e8' SAT 12 '#1f3b5c'
tile custom_port '#637939' CUS
tile media_panel '#843c39' COM
tile cable_box '#8c564b' BOX
plate port_one 1
plate port_two 2
plate port_three 3
plate port_four 4
plate port_six 6
# A patch panel: a rack strip with a row of jacks.
convert -size 32x32 xc:none -fill '#17becf' -stroke '#222222' -strokewidth 1 \
  -draw "roundrectangle 1,7 30,24 3,3" -fill '#0b4f57' -stroke none \
  -draw "rectangle 4,12 8,18 rectangle 10,12 14,18 rectangle 17,12 21,18 rectangle 23,12 27,18" \
  $STRIP patch_panel.png
# A vertical run: a riser with arrows up and down.
convert -size 32x32 xc:none -fill '#e7ba52' -stroke '#222222' -strokewidth 1 \
  -draw "roundrectangle 1,1 30,30 6,6" -fill '#5a4300' -stroke none \
  -draw "polygon 16,3 24,12 19,12 19,20 24,20 16,29 8,20 13,20 13,12 8,12" \
  $STRIP vertical_run.png

# Network devices: dark pictograms on a light disc.
INK='#2c3e50'
# device NAME DRAWING...: the drawing options over the disc, written to NAME.png.
device() {
  name=$1
  shift
  convert -size 48x48 xc:none -fill '#eef2f5' -stroke '#8fa3b3' -strokewidth 1 \
    -draw "circle 24,24 24,2" -fill "$INK" -stroke "$INK" -strokewidth 1 "$@" $STRIP "$name.png"
}
device router -draw "roundrectangle 9,22 39,34 3,3 line 14,22 11,10 line 34,22 37,10" \
  -fill '#7fe07f' -stroke none -draw "circle 15,28 15,26 circle 21,28 21,26"
device hub -draw "roundrectangle 8,18 40,30 2,2" -fill white -stroke none \
  -draw "rectangle 11,22 14,26 rectangle 17,22 20,26 rectangle 23,22 26,26 rectangle 29,22 32,26 rectangle 35,22 37,26"
device phone -draw "roundrectangle 12,24 36,38 3,3 roundrectangle 10,14 38,20 4,4" -fill white -stroke none \
  -draw "rectangle 17,28 19,30 rectangle 23,28 25,30 rectangle 29,28 31,30 rectangle 17,33 19,35 rectangle 23,33 25,35 rectangle 29,33 31,35"
device printer -fill white -draw "rectangle 15,8 33,20" -fill "$INK" -draw "roundrectangle 9,18 39,32 3,3" \
  -fill white -draw "rectangle 15,28 33,40" -stroke "$INK" -draw "line 18,33 30,33 line 18,36 27,36"
device access_point -fill none -strokewidth 2 -draw "arc 12,12 36,36 225,315 arc 17,17 31,31 225,315" \
  -fill "$INK" -strokewidth 1 -draw "circle 24,27 24,24 rectangle 22,28 26,38"
device bridge -fill none -strokewidth 3 -draw "arc 10,16 38,44 180,360" -strokewidth 1 -fill "$INK" \
  -draw "rectangle 7,28 13,36 rectangle 35,28 41,36 rectangle 7,26 41,28"
device firewall -fill '#c0392b' -stroke white -strokewidth 1 \
  -draw "rectangle 9,12 23,19 rectangle 24,12 38,19 rectangle 9,20 16,27 rectangle 17,20 30,27 rectangle 31,20 38,27 rectangle 9,28 23,35 rectangle 24,28 38,35"
device server -draw "roundrectangle 15,6 33,42 2,2" -stroke white \
  -draw "line 18,13 30,13 line 18,18 30,18 line 18,23 30,23" -fill '#7fe07f' -stroke none \
  -draw "circle 20,36 20,34"
device switch -draw "roundrectangle 6,17 42,31 2,2" -fill white -stroke none \
  -draw "rectangle 9,20 11,23 rectangle 13,20 15,23 rectangle 17,20 19,23 rectangle 21,20 23,23 rectangle 25,20 27,23 rectangle 29,20 31,23 rectangle 9,25 11,28 rectangle 13,25 15,28 rectangle 17,25 19,28 rectangle 21,25 23,28 rectangle 25,25 27,28 rectangle 29,25 31,28" \
  -fill '#7fe07f' -draw "circle 37,24 37,22"
device fax -fill white -draw "rectangle 16,7 32,22" -fill "$INK" -draw "roundrectangle 8,20 40,38 3,3" \
  -fill white -stroke none -draw "rectangle 12,24 26,34" -fill '#8fa3b3' \
  -draw "rectangle 29,24 31,26 rectangle 33,24 35,26 rectangle 29,28 31,30 rectangle 33,28 35,30 rectangle 29,32 31,34 rectangle 33,32 35,34"
device computer -draw "roundrectangle 8,10 40,32 2,2 rectangle 21,32 27,37 roundrectangle 14,37 34,40 1,1" \
  -fill '#9fd3f5' -stroke none -draw "rectangle 11,13 37,29"
device internet -fill '#9fd3f5' -strokewidth 2 -draw "circle 24,24 24,8" -fill none \
  -draw "ellipse 24,24 7,16 0,360 line 8,24 40,24 line 11,16 37,16 line 11,32 37,32 line 24,8 24,40"
