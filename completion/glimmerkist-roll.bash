# bash completion for glimmerkist-roll: its commands, each command's options,
# the values of --format, the chart letters, the category tags and files for
# --catalog and --charts. Installed to share/bash-completion/completions/glimmerkist-roll.

# Names of files beginning with $1, one a word whatever blanks they hold,
# for a bash without the bash-completion package: a word typed as my\ it or
# "my it is read as my it, and bash quotes what it puts in.
_glimmerkist_roll_files() {
  local typed=$1 IFS=$'\n'
  case $typed in
    \"* | \'*) typed=${typed:1} ;;
    *) typed=${typed//\\/} ;;
  esac
  compopt -o filenames 2>/dev/null
  COMPREPLY=($(compgen -f -- "$typed"))
}

_glimmerkist_roll() {
  local cur prev words cword
  if declare -F _init_completion >/dev/null; then
    _init_completion || return
  else
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
  fi

  local commands="encounter item stats catalog charts"
  local common="-h --help"
  local command="" i
  for ((i = 1; i < cword; i++)); do
    case ${words[i]} in
      encounter | item | stats | catalog | charts)
        command=${words[i]}
        break
        ;;
    esac
  done

  case $prev in
    --catalog | --charts)
      if declare -F _filedir >/dev/null; then
        _filedir
      else
        _glimmerkist_roll_files "$cur"
      fi
      return
      ;;
    --format)
      COMPREPLY=($(compgen -W "text json markdown" -- "$cur"))
      return
      ;;
    --count | --seed | --split | --runs | --rates)
      return
      ;;
  esac

  local options words_list=""
  case $command in
    "")
      options="$common --version"
      words_list=$commands
      ;;
    encounter)
      options="$common --count --seed --catalog --charts --format --split --rates -q --quiet"
      [[ $cur == -* ]] || words_list=$(printf '%s ' {A..Z})
      ;;
    item)
      options="$common --count --seed --catalog --format -q --quiet"
      [[ $cur == -* ]] || words_list="tccPotionsAndOils tccScrolls tccRings tccRods tccStaves
        tccWands tccBooksAndTomes tccGemsAndJewelry tccCloaksAndRobes tccBootsAndGloves
        tccGirdlesAndHelms tccBagsAndBottles tccDustsAndStones tccHouseholdItemsAndTools
        tccMusicalInstruments tccTheWeirdStuff tccArmorAndShields tccWeapons"
      ;;
    stats)
      options="$common --count --runs --seed --charts --format --rates -q --quiet"
      [[ $cur == -* ]] || words_list=$(printf '%s ' {A..Z})
      ;;
    catalog)
      options="$common --catalog --format -q --quiet"
      ;;
    charts)
      options="$common --charts --export --format"
      ;;
  esac
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  else
    COMPREPLY=($(compgen -W "$words_list" -- "$cur"))
  fi
}
complete -F _glimmerkist_roll glimmerkist-roll
