#!/usr/bin/env bash
# A settings file written beforehand: the tall window, a stored position taken
# up to the last pixel the screen allows and refused one pixel beyond, the rest
# of the file kept as it was, and where the file lives when the program is
# started from another folder or by its bare name.
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
