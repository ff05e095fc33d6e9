# Gathers the rows the fault tests left into docs/reliability.md.
# cmake -DROWS=<folder> -DOUT=<file> -P assemble-reliability.cmake
file(GLOB rows "${ROWS}/*.row")
list(SORT rows)
set(held 0)
set(total 0)
set(table "")
foreach(row IN LISTS rows)
  file(READ "${row}" line)
  string(APPEND table "${line}")
  math(EXPR total "${total} + 1")
  if(line MATCHES "\\| held \\|\n$")
    math(EXPR held "${held} + 1")
  endif()
endforeach()
if(total EQUAL 0)
  message(FATAL_ERROR "no rows in ${ROWS}: run the fault tests first")
endif()
file(WRITE "${OUT}" "# Reliability

Faults and bad input tried on the real program under Wine, each by a test of
tests/faults. This file is written by the test run itself (`make test`: the
fault tests leave one row each, the last step gathers them); do not edit it
by hand.

Every case also checks that the program did not crash, did not hang after the
tool had ended, did not call a failed run a success and did not overwrite an
input.

${held} of ${total} cases held.

| Case | What was done | What the user saw | Verdict |
|---|---|---|---|
${table}")
if(NOT held EQUAL total)
  message(FATAL_ERROR "${total} fault cases, only ${held} held: see ${OUT}")
endif()
