# Gathers the rows the fault tests left into docs/reliability.md.
# cmake -DROWS=<folder> -DOUT=<file> -P assemble-reliability.cmake
# A row file holds the table line, then "tally <count> <checks> <faults seen>"
# lines for the counts of the summary.
file(GLOB rows "${ROWS}/*.row")
list(SORT rows)
set(held 0)
set(total 0)
set(table "")
foreach(count RANGE 3)
  set(checks_${count} 0)
  set(seen_${count} 0)
endforeach()
foreach(row IN LISTS rows)
  file(READ "${row}" content)
  string(FIND "${content}" "\n" end)
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${content}" 0 ${end} line)
  string(APPEND table "${line}")
  math(EXPR total "${total} + 1")
  if(line MATCHES "\\| held \\|\n$")
    math(EXPR held "${held} + 1")
  endif()
  string(REGEX MATCHALL "tally [0-3] [0-9]+ [0-9]+" tallies "${content}")
  foreach(tally IN LISTS tallies)
    string(REPLACE " " ";" parts "${tally}")
    list(GET parts 1 count)
    list(GET parts 2 checks)
    list(GET parts 3 seen)
    math(EXPR checks_${count} "${checks_${count}} + ${checks}")
    math(EXPR seen_${count} "${seen_${count}} + ${seen}")
  endforeach()
endforeach()
if(total EQUAL 0)
  message(FATAL_ERROR "no rows in ${ROWS}: run the fault tests first")
endif()
set(summary "inputs overwritten ${seen_0} (of ${checks_0} checks), \
existing files replaced without a question ${seen_1} (of ${checks_1}), \
failures reported as success ${seen_2} (of ${checks_2}), \
outputs outside the input's folder ${seen_3} (of ${checks_3})")
file(WRITE "${OUT}" "# Reliability

Faults and bad input tried on the real program under Wine, each by a test of
tests/faults. This file is written by the test run itself (`make test`: the
fault tests leave one row each, the last step gathers them); do not edit it
by hand.

Every case also checks that the program did not crash, did not hang after the
tool had ended, did not call a failed run a success and did not overwrite an
input.

${held} of ${total} cases held. Counted over all cases: ${summary}.

| Case | What was done | What the user saw | Verdict |
|---|---|---|---|
${table}")
if(NOT held EQUAL total)
  message(FATAL_ERROR "${total} fault cases, only ${held} held: see ${OUT}")
endif()
foreach(count RANGE 3)
  if(NOT seen_${count} EQUAL 0)
    message(FATAL_ERROR "faults counted in the summary: ${summary}; see ${OUT}")
  endif()
endforeach()
