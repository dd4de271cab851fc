# What bash offers at each place of a qeb-vantrel-batch command line, run in a folder holding
# naca2412.nca, e387.dat, readme.txt and the folders lesson/ and notes/.
# usage: bash completion_cases.bash COMPLETION_SCRIPT "ACTIONS FROM THE USAGE TEXT"
set -uo pipefail
export LC_ALL=C
# shellcheck source=/dev/null
source "$1"
actions="$2"
failures=0

# offered WORD... : what the completion offers for the last word, sorted, on one line.
offered() {
  COMP_WORDS=(qeb-vantrel-batch "$@")
  COMP_CWORD=$#
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _qeb_vantrel_batch
  printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//'
}

sorted() { printf '%s\n' "$@" | sort | tr '\n' ' ' | sed 's/ $//'; }

expect() {
  local want="$1"
  shift
  local got
  got="$(offered "$@")"
  if [ "$got" != "$want" ]; then
    echo "qeb-vantrel-batch $*<TAB>: offered [$got], expected [$want]"
    failures=$((failures + 1))
  fi
}

# shellcheck disable=SC2086
{
  all_actions="$(sorted $actions)"
  expect "$(sorted convert converge survey $actions)" ''
  expect "$(sorted --workdir --json --plots --axes --csv --lang --help)" --
  expect "$(sorted compare convert converge)" co
  # After any complete action, exactly the tool's actions come next.
  expect "$all_actions" open naca2412.nca ''
  expect "$all_actions" --json open naca2412.nca numerical ''
  expect "$all_actions" open naca2412.nca sweep -4 10 1 ''
  expect "$all_actions" open naca2412.nca flap 0.75 10 ''
  expect "$all_actions" open naca2412.nca lsq 4 ends ''
  expect "$(sorted ends free $actions)" open naca2412.nca lsq 4 ''
  expect "0 1 2 3 4 5" open naca2412.nca lsq ''
  expect "alfa alfa-scroll" open naca2412.nca al
  # Where a number or typed text belongs, nothing is guessed.
  expect "" open naca2412.nca alfa ''
  expect "" open naca2412.nca sweep -4 ''
  expect "" open naca2412.nca flap ''
  expect "" open naca2412.nca xm-scroll ''
  # Files and folders where they belong.
  expect "e387.dat lesson naca2412.nca notes" open ''
  expect "lesson notes" --workdir ''
  expect "lesson" --plots les
  expect "lesson" --json --csv l
  # The languages after --lang, and the actions after them.
  expect "en original" --lang ''
  expect "$all_actions" --lang en open naca2412.nca ''
  expect "$(sorted --workdir --json --plots --axes --csv --lang)" --json --
  expect "naca2412.nca" open naca
  expect "e387.dat lesson notes" convert ''
  expect "--stations" convert e387.dat ''
  expect "$(sorted 0012 2412 23012 4412)" naca ''
  expect "$(sorted --stations $actions)" naca 2412 ''
  expect "$all_actions" naca 2412 81 ''
  expect "$(sorted 0012 2412 23012 4412)" --json naca ''
  expect "$all_actions" open naca2412.nca naca 4412 ''
  expect "" naca 2412 --stations ''
  expect "$(sorted 0012 2412 23012 4412 e387.dat lesson naca2412.nca notes)" converge ''
  expect "--alfa --from --plots --to" converge 2412 ''
  expect "--alfa --from --plots --to" converge 2412 --alfa 4 ''
  expect "lesson notes" converge naca2412.nca --plots ''
  expect "" converge 2412 --from ''
}

if [ "$failures" -ne 0 ]; then
  echo "$failures completion case(s) failed"
  exit 1
fi
echo "every completion case offers what it should"
