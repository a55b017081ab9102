#!/usr/bin/env bash
# Runs miravox-calc as a user would, through its real binary.
#   cli_test.sh BINARY [RUNNER]   (RUNNER: e.g. scripts/wine-run for the .exe)
set -u
bin=$1
runner=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
passed=0 failed=0
illegal='表达式非法！'

calc() { if [ -n "$runner" ]; then "$runner" "$bin" "$@"; else "$bin" "$@"; fi; }

# check NAME STDIN EXPECTED_STDOUT EXPECTED_STATUS ARGS...
check() {
  local name=$1 input=$2 want=$3 want_status=$4; shift 4
  local got status
  got=$(printf '%b' "$input" | calc "$@" 2>/tmp/cli_test_err.$$; echo "[$?]")
  status=${got##*\[}; status=${status%]}
  got=${got%\[*}
  want=$(printf '%b' "$want"; echo x); want=${want%x}
  if [ "$got" == "$want" ] && [ "$status" == "$want_status" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n  want [%s] status %s\n  got  [%s] status %s\n' \
      "$name" "$want" "$want_status" "$got" "$status"
  fi
}

#     name                        stdin                  stdout                          status args
check "one argument"              ""                     "3\n"                           0 "1+2"
check "terminator in the text"    ""                     "3\n"                           0 "1+2="
check "several arguments"         ""                     "7\n0.333333\ninf\n"            0 "1+2*3" "1/3" "1/0"
check "illegal argument"          ""                     "$illegal\n5\n"                 1 "1+" "5"
check "empty argument"            ""                     "\n"                            0 ""
check "trace"                     ""                     "7\t1, 2, 3, *, +, \n"          0 --trace "1+2*3"
check "trace of illegal"          ""                     "$illegal\t\n"                  1 --trace "2*(3"
check "trace of empty"            ""                     "\t\n"                          0 --trace ""
check "dash after --"             ""                     "$illegal\n"                    1 -- "-1"
check "options after --"          ""                     "$illegal\n"                    1 -- "--trace"
check "stdin lines"               "1+2\n\n2*(3\n1/0"    "3\n\n$illegal\ninf\n"          1
check "stdin CRLF"                "sin(0)\r\n4/2\r\n"    "0\n2\n"                        0
check "stdin only CR kept"        "1\r2\n"               "$illegal\n"                    1
check "stdin trace"               "1+2\n1+\n"            "3\t1, 2, +, \n$illegal\t\n"    1 --trace
check "stdin NUL byte"            "1\\0000+2\n"          "$illegal\n"                    1
check "stdin after --"            "2*2\n"                "4\n"                           0 --
check "unknown option"            ""                     ""                              2 -x
check "version"                   ""                     "miravox-calc 1.6\n"            0 --version

# --help and the message of a usage error.
if calc --help | grep -q '^Usage: miravox-calc'; then passed=$((passed + 1)); else
  failed=$((failed + 1)); echo "FAIL --help prints usage"; fi
calc --bogus >/dev/null 2>/tmp/cli_test_err.$$
if [ "$(wc -l < /tmp/cli_test_err.$$)" -eq 1 ] && grep -q -- "--bogus" /tmp/cli_test_err.$$; then
  passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL usage error: one line on stderr"; fi

# A file of expressions gives the same bytes on every build.
got=$(calc --trace < "$here/data/expressions.txt")
if [ "$got" == "$(cat "$here/data/expressions.expected")" ]; then passed=$((passed + 1)); else
  failed=$((failed + 1)); echo "FAIL expressions.txt:"
  diff <(echo "$got") "$here/data/expressions.expected" | head -20; fi

rm -f /tmp/cli_test_err.$$
echo "cli: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
