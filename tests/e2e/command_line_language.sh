#!/usr/bin/env bash
# The language of the real program, read from the environment as a desktop
# sets it, shown by `Brimsum --help`: the program's own texts and Qt's
# ("Usage:") in the first language the user asks for that the program speaks.
# Catalan, its own language, counts: a user asking for Catalan, then Spanish,
# gets Catalan.
# Usage: command_line_language.sh <path of Brimsum>
set -euo pipefail
program=$1
status=0

# expect_help <LANGUAGE> <LANG> <usage> <description>: the help's first line
# starts with <usage> and its second with <description>.
expect_help() {
    local help
    help=$(env -u LC_ALL -u LC_MESSAGES LANGUAGE="$1" LANG="$2" "$program" --help)
    if [[ "$(sed -n 1p <<<"$help")" != "$3"* || "$(sed -n 2p <<<"$help")" != "$4"* ]]; then
        echo "FAILED: LANGUAGE=$1 LANG=$2 gave:" >&2
        head -n 2 <<<"$help" >&2
        status=1
    fi
}

expect_help "" ca_ES.UTF-8 "Ús:" "Calculadora de cinta per a"
expect_help ca:es ca_ES.UTF-8 "Ús:" "Calculadora de cinta per a"
expect_help es ca_ES.UTF-8 "Uso:" "Calculadora de cinta para"
expect_help fr:es fr_FR.UTF-8 "Uso:" "Calculadora de cinta para"
expect_help "" en_GB.UTF-8 "Usage:" "A tape calculator"
expect_help "" fr_FR.UTF-8 "Ús:" "Calculadora de cinta per a"
[ "$status" -eq 0 ] && echo "PASSED: the command line speaks the first language the program has"
exit "$status"
