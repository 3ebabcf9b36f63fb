# Starts the kestrix program as a user's script would (offscreen, --screenshot)
# in three set-ups: complete (a picture is written, exit 0), without the
# component library, and without the rotor catalogue (a message naming what is
# missing, no picture, a non-zero exit). Called with -DKESTRIX=<program>
# -DWORK=<scratch folder>.
set(ENV{QT_QPA_PLATFORM} offscreen)
get_filename_component(bin ${KESTRIX} DIRECTORY)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(start_program program picture expect_ok mentions)
  execute_process(COMMAND ${program} --screenshot ${picture}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(expect_ok)
    if(NOT rc EQUAL 0 OR NOT EXISTS ${picture})
      message(FATAL_ERROR "${program}: exit ${rc}, expected a picture: ${err}")
    endif()
  else()
    if(rc EQUAL 0 OR EXISTS ${picture})
      message(FATAL_ERROR "${program}: exit ${rc}, expected a failure")
    endif()
    string(FIND "${err}" "${mentions}" found)
    if(found EQUAL -1)
      message(FATAL_ERROR "${program}: the message does not name ${mentions}: ${err}")
    endif()
  endif()
endfunction()

# Complete: the program, the component and the catalogue side by side.
start_program(${KESTRIX} ${WORK}/complete.png TRUE "")

# No component library beside the program.
file(MAKE_DIRECTORY ${WORK}/nolib)
file(COPY ${KESTRIX} ${bin}/qvdcmd121.dta DESTINATION ${WORK}/nolib)
start_program(${WORK}/nolib/kestrix ${WORK}/nolib.png FALSE "libhygrovex.so")

# No catalogue beside the program.
file(MAKE_DIRECTORY ${WORK}/nocat)
file(COPY ${KESTRIX} ${bin}/libhygrovex.so DESTINATION ${WORK}/nocat)
start_program(${WORK}/nocat/kestrix ${WORK}/nocat.png FALSE "qvdcmd121.dta")
