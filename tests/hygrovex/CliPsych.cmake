# kestrix-cli psych as a script uses it: the JSON members of a good state, the
# range message with exit status 1, and a usage error with exit status 2.
# CMake has no float arithmetic; a member must lie between two edges.
function(expect_between json member lo hi)
  string(JSON got GET "${json}" ${member})
  if(got LESS lo OR got GREATER hi)
    message(FATAL_ERROR "${member} = ${got}, expected between ${lo} and ${hi}")
  endif()
endfunction()

execute_process(COMMAND ${CLI} psych --db 95 --wb 75 --format json
  RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "95 °F / 75 °F wet bulb: exit status ${rc}")
endif()
expect_between("${out}" HumidRatio2O 0.0140655 0.0140665)
expect_between("${out}" RHO 39.815 39.825)
expect_between("${out}" DPTempO 66.795 66.805)
expect_between("${out}" EnthalpyO 38.315 38.325)
expect_between("${out}" SpecVolO 14.2995 14.3005)
expect_between("${out}" AirVolStandO 1000 1000)
string(JSON units GET "${out}" DBTempUnits)
if(NOT units STREQUAL "°F")
  message(FATAL_ERROR "DBTempUnits: ${units}")
endif()
string(JSON error ERROR_VARIABLE noError GET "${out}" error)
if(NOT noError)
  message(FATAL_ERROR "a good state has no error member")
endif()

execute_process(COMMAND ${CLI} psych --db 95 --gr 70 --format json
  RESULT_VARIABLE rc OUTPUT_VARIABLE out)
expect_between("${out}" WBTempO 70.035 70.045)

execute_process(COMMAND ${CLI} psych --db 95 --gr 0 --format json
  RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 1)
  message(FATAL_ERROR "0 gr/lb: exit status ${rc}, expected 1")
endif()
string(JSON error GET "${out}" error)
if(NOT error STREQUAL "Input variable is out of range, check to see if units are consistent with input value.")
  message(FATAL_ERROR "unexpected error member: ${error}")
endif()

execute_process(COMMAND ${CLI} psych --db 95 --wb oops
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "--wb")
  message(FATAL_ERROR "usage error: status ${rc}, message '${err}'")
endif()
