#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program and its settings file: the reminder asks once after 15 days, a settings file
# that cannot be used neither stops nor slows the program, and a full disk loses no stored date.
# Usage: settings.sh PROGRAM   (runs inside its own xvfb-run; as root, for mount and mknod)
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require xdotool mount umount mountpoint mknod mkfifo truncate stat cmp dd
program=$(readlink -f "$1")
run_under --screen 1280x1024 -- "$@"
private_home

folder=$XDG_CONFIG_HOME/$ORBIS_ORGANISATION
mkdir -p "$folder"
settings_name=$ORBIS_EXECUTABLE.conf
settings=$folder/$settings_name
pid=""
disk=$home/disk
at_end '[ -z "$pid" ] || { kill -9 "$pid"; wait "$pid"; } 2>/dev/null' # before the disk goes
at_end 'mountpoint -q "$disk" && umount "$disk"'
at_end 'chmod -R u+w "$home" 2>/dev/null'

main_window() { windows_titled "$ORBIS_CAPTION" | head -n 1; }
question() { windows_titled "$ORBIS_TITLE" | head -n 1; }
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""; }
milliseconds() { echo $(($(date +%s%N) / 1000000)); }
# Starts the program; `took` is how long its main window took to come, in milliseconds.
start_timed() {
  local begin
  begin=$(milliseconds)
  "$program" & pid=$!
  wait_for '[ -n "$(main_window)" ]' 30 || fail "no main window: $1"
  took=$(($(milliseconds) - begin))
}
due_date() { printf '[Settings]\nDuration=%s\n' "$(date -d '60 days ago' +%Y-%m-%dT%H:%M:%S)"; }
renewed() { grep -q "^Duration=$(date +%Y-%m-%d)T" "$1"; }
# Answers the reminder's question with No and waits for the main window.
answer_no() {
  wait_for '[ -n "$(question)" ]' 20 || fail "no question: $1"
  xdotool windowfocus --sync "$(question)"
  xdotool key --clearmodifiers Escape
  wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window after the answer: $1"
}
passed=0

echo "# fifteen days after the last reminder the question comes once"
printf '[Settings]\nDuration=%s\n' "$(date -d '15 days ago' +%Y-%m-%dT%H:%M:%S)" > "$settings"
"$program" & pid=$!
wait_for '[ -n "$(question)" ]' 20 || fail "no question at a start 15 days on"
[ -z "$(main_window)" ] || fail "main window shown before the question was answered"
xdotool windowfocus --sync "$(question)"
xdotool key --clearmodifiers Escape # No
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window after the answer"
grep -q "^Duration=$(date +%Y-%m-%d)T" "$settings" || fail "the date was not renewed: $(cat "$settings")"
stop
"$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "second start shows no main window"
# The question comes before the main window or not at all.
[ -z "$(question)" ] || fail "second start asked again"
stop
passed=$((passed + 1)); echo ok

echo "# a directory where the settings file belongs"
rm -f "$settings"; mkdir "$settings"
"$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window with a directory for settings"
stop
rmdir "$settings"
passed=$((passed + 1)); echo ok

echo "# an unreadable value from who knows where"
printf '[Settings]\nDuration=\xff\xfe not a date\n' > "$settings"
"$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window with an unreadable value"
[ -z "$(question)" ] || fail "an unreadable value asked the question"
stop
grep -q "^Duration=$(date +%Y-%m-%d)T" "$settings" || fail "an unreadable value was not replaced"
passed=$((passed + 1)); echo ok

echo "# a settings folder nobody may write to"
rm -f "$settings"; chmod a-w "$folder"
"$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window with a read-only settings folder"
stop
passed=$((passed + 1)); echo ok

chmod u+w "$folder"

# What follows mounts a small disk, makes a device node and hands a file to another user.
[ "$(id -u)" -eq 0 ] || fail "the rest needs root: $passed passed before it"

echo "# a nearly full disk: the stored date is renewed whole or kept byte for byte"
mkdir "$disk"
mount -t tmpfs -o size=256k,mode=700 tmpfs "$disk"
for free in 0 4 8 12 16 24; do
  export HOME=$disk XDG_CONFIG_HOME=$disk/config
  mkdir -p "$XDG_CONFIG_HOME/$ORBIS_ORGANISATION"
  kept=$XDG_CONFIG_HOME/$ORBIS_ORGANISATION/$settings_name
  due_date > "$kept"
  cp "$kept" "$home/stored.conf"
  dd if=/dev/zero of="$disk/filler" bs=1k 2>/dev/null || true
  truncate -s "-${free}k" "$disk/filler"
  "$program" & pid=$!
  answer_no "$free KiB free"
  stop
  if ! cmp -s "$kept" "$home/stored.conf"; then
    renewed "$kept" ||
      fail "$free KiB free: the settings file is neither kept nor renewed: '$(cat "$kept")'"
  fi
  echo "  $free KiB free: $(cmp -s "$kept" "$home/stored.conf" && echo kept || echo renewed)"
  left=$(ls -A "$XDG_CONFIG_HOME/$ORBIS_ORGANISATION")
  [ "$left" = "$settings_name" ] || fail "$free KiB free: left beside the settings: $left"
  rm -rf "${disk:?}"/* "$disk"/.[!.]*
done
export HOME=$home XDG_CONFIG_HOME=$home/config
umount "$disk"
passed=$((passed + 1)); echo ok

echo "# a start as root renews the user's file and leaves it the user's"
due_date > "$settings"
chown 65534:65534 "$settings"
chmod 640 "$settings"
"$program" & pid=$!
answer_no "a file of another user"
stop
renewed "$settings" || fail "the user's file was not renewed: $(cat "$settings")"
[ "$(stat -c '%u:%g %a' "$settings")" = "65534:65534 640" ] ||
  fail "the user's file is now $(stat -c '%u:%g %a' "$settings")"
rm -f "$settings"
passed=$((passed + 1)); echo ok

echo "# a start as root is not led by another user's links into writing root's files"
victim=$home/victim
printf 'root:x:0:0:root:/root:/bin/bash\n' > "$victim"
cp "$victim" "$home/victim.before"
users=$home/users
for plant in "a link to root's file:$users/config/$ORBIS_ORGANISATION/$settings_name:$victim" \
             "a folder link to nowhere:$users/config/$ORBIS_ORGANISATION:$home/nowhere/made"; do
  what=${plant%%:*} rest=${plant#*:}
  link=${rest%%:*} target=${rest#*:}
  rm -rf "$users"; mkdir -p "$(dirname "$link")"
  ln -s "$target" "$link"
  chown -hR 65534:65534 "$users"
  touch "$home/planted"
  XDG_CONFIG_HOME=$users/config "$program" & pid=$!
  wait_for '[ -n "$(main_window)" ]' 20 || fail "$what: no main window"
  [ -z "$(question)" ] || fail "$what: the question was asked"
  stop
  cmp -s "$victim" "$home/victim.before" || fail "$what: root's file is now '$(cat "$victim")'"
  [ ! -e "$home/nowhere" ] || fail "$what: made $(find "$home/nowhere")"
  [ -z "$(find "$users" -newer "$home/planted")" ] ||
    fail "$what: wrote into the user's folder: $(find "$users" -newer "$home/planted")"
done
rm -rf "$users" "$victim" "$home/victim.before" "$home/planted"
passed=$((passed + 1)); echo ok

echo "# a start as root with another user's home and runtime folder makes nothing there"
users=$home/users
mkdir -p "$users/runtime"
chown -R 65534:65534 "$users"
HOME=$users XDG_CONFIG_HOME="" XDG_CACHE_HOME="" XDG_RUNTIME_DIR=$users/runtime "$program" & pid=$!
wait_for '[ -n "$(main_window)" ]' 20 || fail "no main window with another user's home"
[ -z "$(question)" ] || fail "the question was asked with another user's home"
stop
[ "$(find "$users" -mindepth 1)" = "$users/runtime" ] || fail "made $(find "$users" -mindepth 2)"
rm -rf "$users"
passed=$((passed + 1)); echo ok

echo "# a link to a regular file is followed, read and renewed"
elsewhere=$home/elsewhere.conf
due_date > "$elsewhere"
ln -sf "$elsewhere" "$settings"
"$program" & pid=$!
answer_no "settings behind a link"
stop
[ -L "$settings" ] || fail "the link was replaced by a file"
renewed "$elsewhere" || fail "the linked file was not renewed: $(cat "$elsewhere")"
rm -f "$settings"
passed=$((passed + 1)); echo ok

echo "# what is no settings file is neither read nor replaced, and start-up does not wait for it"
printf '[Settings]\nDuration=%s\n' "$(date +%Y-%m-%dT%H:%M:%S)" > "$settings"
# The slower of two starts, so that a busy machine does not make the others look slow.
baseline=0
for _ in 1 2; do
  start_timed "with a sound settings file"
  stop
  [ "$took" -gt "$baseline" ] && baseline=$took
done
echo "  a sound settings file: $baseline ms"
nodes=$home/nodes
mkdir "$nodes"
mknod "$nodes/null" c 1 3
mkfifo "$nodes/fifo"
# Reading the whole of it took seconds and a gigabyte; it reads as no value at all.
{ due_date; head -c 200M < <(yes 'Padding=the same line again and again'); } > "$nodes/huge"
for target in "link to a device:$nodes/null" "link to a fifo:$nodes/fifo" \
              "link to a folder:$nodes" "link to a 200 MB file:$nodes/huge"; do
  what=${target%%:*} path=${target#*:}
  rm -f "$settings"; ln -s "$path" "$settings"
  before=$(stat -L -c '%F %i %s %Y' "$settings")
  start_timed "$what"
  [ -z "$(question)" ] || fail "$what: the question was asked"
  stop
  echo "  $what: $took ms"
  [ "$took" -le $((baseline + 1000)) ] ||
    fail "$what: start-up took $took ms, a sound file $baseline ms"
  [ -L "$settings" ] || fail "$what: the link was replaced"
  after=$(stat -L -c '%F %i %s %Y' "$settings")
  [ "$after" = "$before" ] || fail "$what: was $before, is now $after"
done
rm -f "$settings"; mkfifo "$settings"
start_timed "a fifo at the settings path"
stop
echo "  a fifo at the settings path: $took ms"
[ "$took" -le $((baseline + 1000)) ] || fail "a fifo: start-up took $took ms"
[ -p "$settings" ] || fail "the fifo was replaced"
rm -rf "$nodes" "$settings"
passed=$((passed + 1)); echo ok

echo "$passed passed, 0 failed"
