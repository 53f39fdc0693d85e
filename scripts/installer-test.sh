#!/usr/bin/env bash
# The installer on a fresh Wine prefix, used as an administrator would use it: a silent install
# puts the program, its shortcut, its start at sign-in, its uninstall entry and an empty
# settings file in place; the installed program starts and shows its bar; an install over the
# running program ends it, keeps an edited settings file byte for byte and takes back the
# options left out; a silent uninstall removes everything but the settings file, or that too
# when asked; the installer speaks English exactly when the user locale's language is English.
# Wine enforces no file rights, so the rights are checked by what the installer asked icacls
# for: a stand-in records its calls.
# Usage: scripts/installer-test.sh path/to/Tervalo-3.0-setup.exe path/to/record_call.exe
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
setup="$(realpath "$1")"
recorder="$(realpath "$2")"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$setup" "$recorder"
fi
built_exe="$(dirname "$setup")/Tervalo.exe"
export WINEDEBUG=-all LANG=en_US.UTF-8 LC_ALL=
# No Mono or Gecko prompts, no menu entries written into this machine's desktop, and the
# recording stand-in in place of Wine's own icacls.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d;icacls.exe=n"
rm -rf "$root/build/wine/installer"
export WINEPREFIX
WINEPREFIX="$("$root/scripts/wine-prefix.sh" installer)"
trap 'wineserver -k 2>/dev/null || true' EXIT

drive="$WINEPREFIX/drive_c"
app="$drive/Program Files/Tervalo"
settings="$drive/Program Files/Tervalo3.txt"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tervalo.lnk"
icacls_calls="$drive/windows/system32/icacls.exe.calls"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tervalo'
installed_exe='C:\Program Files\Tervalo\Tervalo.exe'
cp "$recorder" "$drive/windows/system32/icacls.exe"

passed=0
failed=0
check() {
  local what="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    failed=$((failed + 1))
  fi
}
same() { [ "$1" == "$2" ] || { echo "  expected [$2], got [$1]"; return 1; }; }

# Runs `command` every 50 ms until it succeeds; fails when `seconds` pass first.
wait_for() {
  local seconds="$1" end
  shift
  end=$((SECONDS + seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.05
  done
}

# Waits until every Wine process of the prefix has ended (the uninstaller runs on from a copy).
settle() { timeout 60 wineserver -w; }

# The data of value NAME under KEY, or nothing when there is none.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" -F'    ' '$2 == name { print $4; found = 1 } END { exit !found }'
}
no_reg_value() { ! reg_value "$1" "$2" >/dev/null; }
no_reg_key() { ! wine reg query "$1" >/dev/null 2>&1; }

# What the installer asked icacls for, call by call, without the program's own path.
icacls_args() { [ -f "$icacls_calls" ] && tr -d '\r' <"$icacls_calls" | sed -E 's/^("[^"]*"|[^ ]*) //'; }

# True when the shortcut leads to the installed program.
shortcut_leads_to_program() {
  [ -f "$shortcut" ] && { strings -a "$shortcut"; strings -a -el "$shortcut"; } |
    grep -Fx "$installed_exe" >/dev/null
}

program_running() { [ -n "${program_pid:-}" ] && kill -0 "$program_pid" 2>/dev/null; }
program_ended() { ! program_running; }

# True when the program shows the bar: a visible window as tall as the screen plus 600 twips.
# The pointer rests on the top-right corner pixel (again and again: Wine may lose a move), which
# opens the collapsed bar.
bar_shown() {
  local id geometry screen_w screen_h
  read -r screen_w screen_h < <(xdotool getdisplaygeometry)
  xdotool mousemove "$((screen_w - 1))" 0
  for id in $(xdotool search --onlyvisible --class tervalo.exe 2>/dev/null); do
    geometry="$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    if grep -qx "HEIGHT=$((screen_h + 40))" <<<"$geometry"; then return 0; fi
  done
  return 1
}

# The installed files' size in KiB, as Apps & features shows it.
installed_kib() {
  local bytes
  bytes=$(($(stat -c %s "$app/Tervalo.exe") + $(stat -c %s "$app/Uninstall.exe")))
  printf '0x%x' $((bytes / 1024))
}

grant='"C:\Program Files\Tervalo3.txt" /grant *S-1-5-32-545:(M)'
revoke='"C:\Program Files\Tervalo3.txt" /remove:g *S-1-5-32-545'
started=$SECONDS

echo "== A silent install on a fresh prefix"
status=0
wine "$setup" /S || status=$?
check "the installer succeeds" same "$status" 0
check "the program is installed" cmp -s "$app/Tervalo.exe" "$built_exe"
check "the uninstaller is installed" test -f "$app/Uninstall.exe"
check "a Start-menu shortcut leads to the program" shortcut_leads_to_program
check "the program starts at sign-in" same "$(reg_value "$run_key" Tervalo)" "\"$installed_exe\""
check "Apps & features: name" same "$(reg_value "$uninstall_key" DisplayName)" Tervalo
check "Apps & features: version" same "$(reg_value "$uninstall_key" DisplayVersion)" 3.0
check "Apps & features: publisher" same "$(reg_value "$uninstall_key" Publisher)" Tervalo
check "Apps & features: icon" same "$(reg_value "$uninstall_key" DisplayIcon)" "$installed_exe,0"
check "Apps & features: size" same "$(reg_value "$uninstall_key" EstimatedSize)" "$(installed_kib)"
check "Apps & features: uninstaller" same "$(reg_value "$uninstall_key" UninstallString)" \
  '"C:\Program Files\Tervalo\Uninstall.exe"'
check "Apps & features: silent uninstaller" \
  same "$(reg_value "$uninstall_key" QuietUninstallString)" '"C:\Program Files\Tervalo\Uninstall.exe" /S'
check "an empty settings file" test -f "$settings" -a ! -s "$settings"
check "Users may modify the settings file and nothing else" same "$(icacls_args)" "$grant"

echo "== The installed program starts and, the pointer on its corner, shows its bar"
wine "$installed_exe" >/dev/null 2>&1 &
program_pid=$!
check "the bar shows" wait_for 30 bar_shown
check "the program still runs" program_running

echo "== An install over the running program, the options left out"
printf 'Equipo\r\nIm\xe1genes\r\n%s\r\n' "$(seq -s $'\r\n' 1 34)" >"$settings"
cp "$settings" "$WINEPREFIX/edited-settings"
status=0
wine "$setup" /S /STARTATSIGNIN=0 /SHAREDSETTINGS=0 || status=$?
check "the installer succeeds" same "$status" 0
check "the running program was ended" wait_for 10 program_ended
check "the edited settings file is kept byte for byte" cmp -s "$settings" "$WINEPREFIX/edited-settings"
check "the program is installed" cmp -s "$app/Tervalo.exe" "$built_exe"
check "no start at sign-in" no_reg_value "$run_key" Tervalo
check "the right to modify the settings is taken back" \
  same "$(icacls_args | tail -n 1)" "$revoke"

echo "== An install with the options on again"
status=0
wine "$setup" /S || status=$?
check "the installer succeeds" same "$status" 0
check "the program starts at sign-in" same "$(reg_value "$run_key" Tervalo)" "\"$installed_exe\""
check "Users may modify the settings file again" same "$(icacls_args | tail -n 1)" "$grant"
check "the edited settings file is still kept" cmp -s "$settings" "$WINEPREFIX/edited-settings"
check "icacls was asked only about the settings file" same "$(icacls_args | grep -vc '^"C:\\Program Files\\Tervalo3.txt" ')" 0

echo "== A silent uninstall"
wine "$app/Uninstall.exe" /S
settle
check "the program folder is gone" test ! -e "$app"
check "the shortcut is gone" test ! -e "$shortcut"
check "no start at sign-in" no_reg_value "$run_key" Tervalo
check "no entry in Apps & features" no_reg_key "$uninstall_key"
check "the settings file is kept" cmp -s "$settings" "$WINEPREFIX/edited-settings"

echo "== An uninstall that removes the settings too"
status=0
wine "$setup" /S || status=$?
check "the installer succeeds" same "$status" 0
check "the existing settings file is kept" cmp -s "$settings" "$WINEPREFIX/edited-settings"
wine "$app/Uninstall.exe" /S /REMOVESETTINGS=1
settle
check "the settings file is gone" test ! -e "$settings"
check "the program folder is gone" test ! -e "$app"

echo "== The installer's language"
# Shows the first page with the user locale of LANG $1 and checks its window title.
title_in() {
  local lang="$1" title="$2" pid
  LANG="$lang" wine "$setup" >/dev/null 2>&1 &
  pid=$!
  wait_for 30 xdotool search --onlyvisible --name "$title" >/dev/null
  local status=$?
  wineserver -k 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return "$status"
}
check "English for an English locale" title_in en_GB.UTF-8 '^Tervalo Setup'
check "Spanish for a Spanish locale" title_in es_ES.UTF-8 '^Instalaci.+n de Tervalo'
check "Spanish for any other language" title_in fr_FR.UTF-8 '^Instalaci.+n de Tervalo'

echo "installer tests: $((SECONDS - started)) s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
