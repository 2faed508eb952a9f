#!/usr/bin/env bash
# A settings file written beforehand: the tall window, a stored position taken
# up to the last pixel the screen allows and refused one pixel beyond, the rest
# of the file kept as it was, a file an editor saved in UTF-16 or UTF-8 with
# its mark, where the file lives when the program is started from another
# folder or by its bare name, and where a change goes (and is read at the
# next start) when the file beside the program may not be written.
. "$(dirname "$0")/lib.sh"
e2e_init "$@"

# On 1280x1024 the template window (228 wide) may start at x 1052 at most; the
# tall window (218 high) at y 806, the short one (88) at y 936. Positions are
# the outer rectangle's: on Windows the template is 234 wide with its frame,
# and x 1046 the last.
xsession_start "" 1280x1024
declare -A LAST_X=([linux]=1052 [windows]=1046)
X_LIMIT=${LAST_X[$E2E_OS]}
# The default position there, as stored.
declare -A DEFAULT_POS=([linux]="526 425" [windows]="523 412")
DEFAULT=${DEFAULT_POS[$E2E_OS]}

# settings SIZE SHOWNEXTEXAM POS: a hand-written file, with a comment the
# program has to keep.
settings() {
  cat <<EOF
; 秋の試験に向けて
[YRK]
TITLE=基本情報技術者試験まで
START=1999 4 19
EXAM=1999 10 17
NEXAM=2000 4 16
SIZE=$1
SHOWNEXTEXAM=$2
POS=$3
CALLBY=Dialog
EOF
}

# run_and_close PROGRAM KEY EXPECTED-GEOMETRY: one run, checked and closed.
run_and_close() {
  e2e_start "$1"
  check_and_close "$2" "$3"
}

# check_and_close KEY EXPECTED-GEOMETRY: the started run checked and closed.
check_and_close() {
  local key=$1 geometry=$2
  e2e_window
  e2e_wait_title "$WID" "ヨルカ (6/1)"
  e2e_expect_eq "window (left top width height)" "$geometry" "$(e2e_geometry "$WID")"
  e2e_key "$WID" "$key"
  e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after $key"
}

e2e_step "SIZE=TRUE and POS at the bottom-right limit: the tall window stands there"
settings TRUE TRUE "$X_LIMIT 806" | e2e_write_ini "$E2E_INI"
e2e_start "$E2E_APP"
e2e_window
e2e_wait_title "$WID" "ヨルカ (6/1)"
e2e_expect_eq "window (left top width height)" "$(e2e_client_at "$X_LIMIT" 806) 225 193" "$(e2e_geometry "$WID")"

e2e_step "the drawn areas reach the screen"
# Days-left area at (8, 30), graph area at (8, 113): 43 of 181 days spent
# fill the bar's first 44 pixels, columns 13 to 56 of the window.
e2e_expect_pixels "$WID" \
  "8 30 0,0,0" "100 32 255,255,255" \
  "8 113 0,0,0" "100 118 224,224,224" "100 127 192,192,192" \
  "13 130 255,128,160" "56 130 255,128,160" "57 130 255,224,240" "211 130 255,224,240"
e2e_ok "white days-left area, grey graph area, bar filled to column 56"
colours=$(convert "$E2E_TMP/window.png" -format %c histogram:info:-)
grep -q '(255,0,0)' <<<"$colours" || e2e_fail "no red days-left text on the screen"
grep -q '(0,0,128)' <<<"$colours" || e2e_fail "no navy text on the screen"
e2e_ok "red days-left text and navy labels drawn"
e2e_key "$WID" Return
e2e_wait_exit "$E2E_PID" || e2e_fail "the program still runs $E2E_PATIENCE s after Return"
settings TRUE TRUE "$X_LIMIT 806" | sed 's/^CALLBY=.*/CALLBY=Quit/' | e2e_expect_ini "$E2E_INI"

e2e_step "tall window one pixel lower than the limit: the default position instead"
settings TRUE FALSE "$X_LIMIT 807" | e2e_write_ini "$E2E_INI"
run_and_close "$E2E_APP" Escape "$(e2e_client_at $DEFAULT) 225 193"
e2e_expect_eq "POS" "$DEFAULT" "$(e2e_ini_value POS)"

e2e_step "short window one pixel right of the limit: the default position instead"
settings FALSE FALSE "$((X_LIMIT + 1)) 936" | e2e_write_ini "$E2E_INI"
run_and_close "$E2E_APP" Escape "$(e2e_client_at $DEFAULT) 225 63"
e2e_expect_eq "POS" "$DEFAULT" "$(e2e_ini_value POS)"

# marked_ini ENCODING MARK FILE: standard input (UTF-8) as an editor saves it
# in ENCODING, with its byte-order mark. The title is 30 bytes in CP932 but
# 45 in UTF-8: read as CP932 bytes it would be cut.
marked_ini() {
  { printf '%b' "$2"; sed 's/^TITLE=.*/TITLE=基本情報技術者試験まであと少し/' |
      e2e_platform_lines | iconv -f UTF-8 -t "$1"; } >"$3"
}
for encoding in "UTF-16LE \xff\xfe" "UTF-8 \xef\xbb\xbf"; do
  read -r name mark <<<"$encoding"
  e2e_step "a file saved in $name with its mark: read, and saved back so"
  settings TRUE FALSE "100 200" | marked_ini "$name" "$mark" "$E2E_INI"
  run_and_close "$E2E_APP" Escape "$(e2e_client_at 100 200) 225 193"
  settings TRUE FALSE "100 200" | sed 's/^CALLBY=.*/CALLBY=Quit/' |
    marked_ini "$name" "$mark" "$E2E_TMP/expected.ini"
  cmp -s "$E2E_TMP/expected.ini" "$E2E_INI" ||
    e2e_fail "yrk.ini is not the $name file with CALLBY=Quit: $(xxd "$E2E_INI" | head -n 4)"
  e2e_ok "yrk.ini still $name with its mark, the title whole, only CALLBY changed"
done

e2e_step "program in a folder whose name has a space and Japanese: its file is there"
folder="$E2E_TMP/試験 勉強"
mkdir "$folder"
cp "$E2E_APP" "$folder/yoruka$E2E_EXE"
settings FALSE FALSE "0 936" | e2e_write_ini "$folder/yrk.ini"
run_and_close "$folder/yoruka$E2E_EXE" Escape "$(e2e_client_at 0 936) 225 63"
e2e_expect_eq "CALLBY in the program's folder" "Quit" "$(e2e_ini_value CALLBY "$folder/yrk.ini")"
e2e_expect_eq "TITLE kept" "基本情報技術者試験まで" "$(e2e_ini_value TITLE "$folder/yrk.ini")"

e2e_step "started by its bare name from the PATH: the file is the per-user one"
user_dir="$(e2e_user_config_dir)/yoruka"
mkdir -p "$E2E_TMP/bin" "$E2E_TMP/work" "$user_dir"
cp "$E2E_APP" "$E2E_TMP/bin/yoruka$E2E_EXE"
user_ini="$user_dir/yrk.ini"
settings TRUE FALSE "100 200" | e2e_write_ini "$user_ini"
cd "$E2E_TMP/work"
e2e_start_bare yoruka "$E2E_TMP/bin"
check_and_close Escape "$(e2e_client_at 100 200) 225 193"
cd - >/dev/null
e2e_expect_eq "CALLBY in the per-user file" "Quit" "$(e2e_ini_value CALLBY "$user_ini")"
# On Windows it is the Wine prefix's, which outlives the test.
[ "$E2E_OS" = windows ] && rm -f "$user_ini"
for stray in "$E2E_TMP/bin/yrk.ini" "$E2E_TMP/work/yrk.ini"; do
  [ -e "$stray" ] && e2e_fail "a settings file was written to $stray"
done
e2e_ok "no settings file beside the program or in the working directory"

# Where the file beside the program may not be written. Each run starts on
# that file (the short window at 100 200, with its comment); the setup
# dialog switches the graph on and the program quits. The change goes to
# the per-user copy with every other line of the file, the next start shows
# the tall window from there, and the file beside the program stays as it
# was, byte for byte.
#
# Root may write any file, so on Linux root runs the program as nobody for
# these: the test's folders are nobody's then, as they would be the user's,
# and only root can give the file beside the program to another user. Wine
# runs only as the owner of its prefix.
rm -f "$user_ini"
app_dir="$E2E_TMP/app"
config_dir=$(dirname "$user_ini")
mkdir -p "$config_dir"
# Under Wine the per-user folder is the prefix's, which outlives the test.
E2E_AT_EXIT+=("chmod 755 '$config_dir' 2>/dev/null; rm -f '$user_ini'")
OTHER_USERS=""
if [ "$(id -u)" = 0 ] && [ "$E2E_OS" = linux ]; then
  OTHER_USERS=yes
  mkdir -m 700 "$E2E_TMP/nobody"
  chmod 755 "$E2E_TMP"
  chown -R nobody "$app_dir" "$E2E_TMP/config" "$E2E_TMP/nobody"
  # Each of these hands the program its own process, so E2E_PID stays its.
  # libfaketime comes back only after setpriv: preloaded into root's
  # processes it would share its clock with nobody's through memory that
  # nobody may not open.
  E2E_LAUNCHER="env -u LD_PRELOAD -u FAKETIME_SHARED setpriv --reuid=nobody --regid=nogroup
    --clear-groups env LD_PRELOAD=$E2E_FAKETIME HOME=$E2E_TMP/nobody XDG_RUNTIME_DIR=$E2E_TMP/nobody"
fi

# graph_on_and_quit POS: the window standing at POS gets the graph from the
# setup dialog's OK and quits.
graph_on_and_quit() {
  local main=$WID
  e2e_context_menu "$main" Down Return
  e2e_find_titled "初期設定" 10
  # The check box "グラフを表示する" sits at (15, 120) dialog units: 1.5 pixels each.
  xdotool mousemove --window "$WID" 40 187 click 1
  e2e_key "$WID" Return
  e2e_wait_gone "$WID" 5
  e2e_expect_geometry "window after OK" "$main" "$(e2e_client_at $1) 225 193"
  e2e_key "$main" Escape
  e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program still runs 10 s after Escape"
}

# place_run WHAT POS NEXT-HEIGHT: the run above; the window stands at POS,
# and after the next start it is NEXT-HEIGHT high.
place_run() {
  local what=$1 pos=$2 next=$3
  e2e_step "$what"
  start_at "$pos" 63
  graph_on_and_quit "$pos"
  start_at "$pos" "$next"
  e2e_key "$WID" Escape
  e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program still runs 10 s after Escape"
}

# start_at POS HEIGHT: a start whose window stands at POS, HEIGHT high.
start_at() {
  e2e_start "$E2E_APP"
  e2e_window
  e2e_wait_title "$WID" "ヨルカ (6/1)" 10
  e2e_expect_geometry "window at the start" "$WID" "$(e2e_client_at $1) 225 $2"
}

# write_beside [OWNER]: the file beside the program, the user's own unless
# another owner is named.
write_beside() {
  settings FALSE FALSE "100 200" | e2e_write_ini "$E2E_INI"
  cp "$E2E_INI" "$E2E_TMP/beside.ini"
  [ -n "$OTHER_USERS" ] && [ -z "${1:-}" ] && chown nobody "$E2E_INI"
  return 0
}

# beside_kept: the file beside the program is byte for byte as written.
beside_kept() {
  cmp -s "$E2E_TMP/beside.ini" "$E2E_INI" || e2e_fail "the file beside the program was changed"
  e2e_ok "the file beside the program is byte for byte as it was"
  rm -f "$E2E_INI"
}

# copy_holds_the_change: the per-user copy is the file beside the program
# with the graph on and CALLBY=Quit; removed for the next run.
copy_holds_the_change() {
  settings TRUE FALSE "100 200" | sed 's/^CALLBY=.*/CALLBY=Quit/' | e2e_expect_ini "$user_ini"
  rm -f "$user_ini"
}

ROOT_UNDER_WINE=""
[ "$E2E_OS" = windows ] && [ "$(id -u)" = 0 ] && ROOT_UNDER_WINE=yes
if [ -n "$ROOT_UNDER_WINE" ]; then
  e2e_skip "read-only program folder" "Wine's root writes in any folder whatever its mode"
else
  write_beside
  chmod 555 "$app_dir"
  place_run "read-only program folder (mode 555)" "100 200" 193
  chmod 755 "$app_dir"
  beside_kept
  copy_holds_the_change
fi

write_beside
chmod 444 "$E2E_INI"
place_run "yrk.ini read-only (mode 444: under Wine the read-only attribute)" "100 200" 193
beside_kept
copy_holds_the_change

if [ -n "$OTHER_USERS" ]; then
  write_beside root
  place_run "another user's yrk.ini (root's, mode 644) in the user's folder" "100 200" 193
  beside_kept
  copy_holds_the_change

  chown root "$app_dir"
  chmod 1777 "$app_dir"
  write_beside root
  chmod 666 "$E2E_INI"
  place_run "another user's yrk.ini (mode 666) in a sticky folder" "100 200" 193
  beside_kept
  copy_holds_the_change
  chown nobody "$app_dir"
  chmod 755 "$app_dir"
elif [ "$E2E_OS" = windows ]; then
  e2e_skip "another user's yrk.ini" "Wine runs as the one owner of its prefix; its files have no other owners"
else
  e2e_skip "another user's yrk.ini" "only root can give a file to another user"
fi

mkdir "$E2E_INI"
touch "$E2E_INI/inside"
[ -n "$OTHER_USERS" ] && chown nobody "$E2E_INI"
place_run "a directory in place of yrk.ini: the defaults, then the per-user copy" "$DEFAULT" 193
[ "$(ls "$E2E_INI")" = inside ] || e2e_fail "the directory in place of yrk.ini was changed"
e2e_ok "the directory in place of yrk.ini is as it was"
e2e_expect_eq "SIZE in the per-user copy" "TRUE" "$(e2e_ini_value SIZE "$user_ini")"
rm -rf "$E2E_INI" "$user_ini"

# Windows has no FIFOs; Wine would wait on one for a writer.
if [ "$E2E_OS" = linux ]; then
  mkfifo "$E2E_INI"
  place_run "a FIFO in place of yrk.ini: the defaults, then the per-user copy" "$DEFAULT" 193
  [ -p "$E2E_INI" ] || e2e_fail "the FIFO in place of yrk.ini was replaced"
  e2e_ok "the FIFO in place of yrk.ini is as it was"
  e2e_expect_eq "SIZE in the per-user copy" "TRUE" "$(e2e_ini_value SIZE "$user_ini")"
  rm -f "$E2E_INI" "$user_ini"
fi

if [ -n "$ROOT_UNDER_WINE" ]; then
  e2e_skip "nothing writable" "Wine's root writes in any folder whatever its mode"
else
  write_beside
  chmod 555 "$app_dir" "$config_dir"
  place_run "nothing writable: the program runs, the change is lost, nothing is damaged" "100 200" 63
  chmod 755 "$app_dir" "$config_dir"
  beside_kept
  [ ! -e "$user_ini" ] || e2e_fail "a per-user copy was made where nothing may be written"
  e2e_ok "no per-user copy"
fi
