# bash completion for qeb-vantrel-batch: its commands, options and actions, with the files and
# folders each one takes. Plain bash (compgen), so it works without the bash-completion helpers.

_qeb_vantrel_batch_files() {
  # $1: a glob of the file names to offer beside the folders, such as '*.@(nca|NCA|dat|DAT)'
  local IFS=$'\n'
  compopt -o filenames 2>/dev/null
  COMPREPLY=($(compgen -d -- "$cur") $(shopt -s extglob; compgen -f -X "!$1" -- "$cur"))
}

_qeb_vantrel_batch_folders() {
  local IFS=$'\n'
  compopt -o filenames 2>/dev/null
  COMPREPLY=($(compgen -d -- "$cur"))
}

_qeb_vantrel_batch() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=${COMP_WORDS[COMP_CWORD - 1]}
  local actions='open naca alfa xm lsq alfa-scroll xm-scroll numerical vortex sweep flap compare panel'
  local options='--workdir --json --plots --axes --csv --lang'
  local designations='0012 2412 4412 23012'
  COMPREPLY=()

  if ((COMP_CWORD == 1)); then
    if [[ $cur == -* ]]; then
      COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
    else
      COMPREPLY=($(compgen -W "convert converge survey $actions" -- "$cur"))
    fi
    return
  fi

  case ${COMP_WORDS[1]} in
    naca)
      # The command that writes the file, or the first action of a run.
      if ((COMP_CWORD == 2)); then
        COMPREPLY=($(compgen -W "$designations" -- "$cur"))
        return
      elif ((COMP_CWORD == 3)); then
        COMPREPLY=($(compgen -W "--stations $actions" -- "$cur"))
        return
      elif [[ ${COMP_WORDS[3]} == --stations ]]; then
        [[ $prev != --stations ]] && COMPREPLY=($(compgen -W '--stations' -- "$cur"))
        return
      fi
      ;;
    convert)
      if ((COMP_CWORD == 2)); then
        _qeb_vantrel_batch_files '*.@(dat|DAT)'
      elif [[ $prev != --stations ]]; then
        COMPREPLY=($(compgen -W '--stations' -- "$cur"))
      fi
      return
      ;;
    converge)
      if ((COMP_CWORD == 2)); then
        _qeb_vantrel_batch_files '*.@(nca|NCA|dat|DAT)'
        COMPREPLY+=($(compgen -W "$designations" -- "$cur"))
        return
      fi
      # Every option of converge takes a value: options stand at odd distances from SOURCE.
      if (((COMP_CWORD - 2) % 2 == 1)); then
        COMPREPLY=($(compgen -W '--alfa --from --to --plots' -- "$cur"))
      elif [[ $prev == --plots ]]; then
        _qeb_vantrel_batch_folders
      fi
      return
      ;;
    survey)
      # Any number of sources; --alfa takes a number.
      if [[ $prev == --alfa ]]; then
        return
      elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--alfa' -- "$cur"))
      else
        _qeb_vantrel_batch_files '*.@(nca|NCA|dat|DAT)'
        COMPREPLY+=($(compgen -W "$designations" -- "$cur"))
      fi
      return
      ;;
  esac

  # A run of actions: walk the words before the cursor to learn what the cursor's word is.
  local i word pending=0 taker= after_lsq=
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    after_lsq=
    if ((pending > 0)); then
      ((pending--))
      [[ $taker == lsq && $pending == 0 ]] && after_lsq=1
      continue
    fi
    case $word in
      --workdir | --plots | --csv) pending=1 taker=folder ;;
      --lang) pending=1 taker=lang ;;
      open | naca | alfa | xm | lsq | alfa-scroll | xm-scroll) pending=1 taker=$word ;;
      flap) pending=2 taker=flap ;;
      sweep) pending=3 taker=sweep ;;
      *) taker= ;;
    esac
  done

  if ((pending > 0)); then
    case $taker in
      folder) _qeb_vantrel_batch_folders ;;
      lang) COMPREPLY=($(compgen -W 'original en' -- "$cur")) ;;
      open) _qeb_vantrel_batch_files '*.@(nca|NCA|dat|DAT)' ;;
      naca) COMPREPLY=($(compgen -W "$designations" -- "$cur")) ;;
      lsq) COMPREPLY=($(compgen -W '0 1 2 3 4 5' -- "$cur")) ;;
    esac
    return
  fi
  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  elif [[ -n $after_lsq ]]; then
    COMPREPLY=($(compgen -W "ends free $actions" -- "$cur"))
  else
    COMPREPLY=($(compgen -W "$actions" -- "$cur"))
  fi
}

complete -F _qeb_vantrel_batch qeb-vantrel-batch
