#!/usr/bin/env bash
# A dark desktop scheme reaching Qt (its gtk3 platform theme with
# GTK_THEME=Adwaita:dark) leaves the program's windows light: the tall
# window, the setup dialog and a message box show the same pixels as under
# the light scheme, the dialogs on the light dialog face.
#   tests/e2e/dark_desktop.sh build/<dir>/app/yoruka [folder for the pictures]
. "$(dirname "$0")/lib.sh"
e2e_init "$1"
ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1 ||
  { echo "SKIP: Qt's gtk3 platform theme (Debian qt6-gtk-platformtheme) is not installed" >&2; exit 77; }
out=${2:-$E2E_TMP}
mkdir -p "$out"
xsession_start
FACE=239,239,239

# shoot_windows SCHEME: SCHEME-main.png, SCHEME-setup.png and SCHEME-message.png
# in the output folder, the windows each waited for until painted.
shoot_windows() {
  e2e_write_ini "$E2E_INI" <<EOF
[YRK]
SIZE=TRUE
POS=100 100
EOF
  e2e_start "$E2E_APP"
  e2e_window
  local main=$WID
  e2e_wait_title "$main" "ヨルカ (6/1)"
  e2e_expect_pixels "$main" "2 2 $FACE" "100 32 255,255,255" "100 118 224,224,224"
  import -window "$main" "$out/$1-main.png"
  e2e_context_menu "$main" Down Return
  e2e_find_titled "初期設定"
  e2e_expect_pixels "$WID" "2 2 $FACE"
  import -window "$WID" "$out/$1-setup.png"
  e2e_key "$WID" Escape
  e2e_wait_gone "$WID" 5
  # F1 without a help file beside the program: the failure message.
  e2e_key "$main" F1
  e2e_find_titled yoruka
  e2e_expect_pixels "$WID" "2 2 $FACE"
  import -window "$WID" "$out/$1-message.png"
  e2e_key "$WID" Return
  e2e_wait_gone "$WID" 5
  e2e_key "$main" Escape
  e2e_wait_exit "$E2E_PID" 10 || e2e_fail "the program still runs 10 s after Escape"
}

export QT_QPA_PLATFORMTHEME=gtk3
for scheme in light:Adwaita dark:Adwaita:dark; do
  e2e_step "GTK_THEME=${scheme#*:}"
  export GTK_THEME=${scheme#*:}
  shoot_windows "${scheme%%:*}"
done

e2e_step "the same pixels on both"
# The setup dialog's text cursor blinks, so one picture may hold it and the
# other not: a column of about 13 pixels. A dark scheme changes thousands.
for window in main:0 setup:20 message:0; do
  name=${window%:*} allowed=${window#*:}
  differing=$(compare -metric AE "$out/light-$name.png" "$out/dark-$name.png" null: 2>&1) || true
  [ "$differing" -le "$allowed" ] || e2e_fail "$name: $differing pixels differ between the light and the dark scheme"
  e2e_ok "$name: $differing pixels differ"
done
