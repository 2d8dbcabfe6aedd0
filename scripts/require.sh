# Sourced by the scripts in this folder.
#
# `require PACKAGE:THING...` ends the calling script with one line naming
# every Debian package whose THING is missing. THING is a command, or a file
# (a glob may stand for a version) when it starts with "/". scripts/run-tests installs all of them when it
# runs as root.
require() {
  local item thing missing=()
  for item in "$@"; do
    thing=${item#*:}
    if [[ $thing == /* ]]; then
      compgen -G "$thing" >/dev/null || missing+=("${item%%:*}")
    else
      command -v "$thing" >/dev/null 2>&1 || missing+=("${item%%:*}")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "$(basename "$0"): missing Debian package(s): ${missing[*]}" \
    "(apt-get install ${missing[*]}; scripts/run-tests installs them when run as root)" >&2
  exit 1
}
