# cmake -DBUILD_DIR=... -DPREFIX=... -DGUI=ON|OFF -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

foreach(f bin/kestrix-cli share/kestrix/qvdcmd121.dta share/kestrix/help/Vardane/index.html
          share/kestrix/help/psych/600.html)
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

# The installed command line finds its catalogue and computes the start-up case.
execute_process(COMMAND ${PREFIX}/bin/kestrix-cli calc --format json
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed kestrix-cli calc failed (${rc}): ${err}")
endif()
string(JSON model GET "${out}" case ModelName)
if(model STREQUAL "")
  message(FATAL_ERROR "installed kestrix-cli selected no model: ${out}")
endif()

if(GUI)
  foreach(f bin/kestrix share/applications/kestrix.desktop
            share/icons/hicolor/scalable/apps/kestrix.svg)
    if(NOT EXISTS ${PREFIX}/${f})
      message(FATAL_ERROR "not installed: ${f}")
    endif()
  endforeach()
  file(GLOB hygrovex_libs ${PREFIX}/lib/kestrix/libhygrovex.so*)
  if(NOT hygrovex_libs)
    message(FATAL_ERROR "libhygrovex.so is not installed under lib/kestrix")
  endif()
  # The installed program loads its component, reads its catalogue and draws
  # its window, with nothing of the build folder on its paths.
  set(shot ${PREFIX}/screenshot.png)
  execute_process(COMMAND ${PREFIX}/bin/kestrix --screenshot ${shot}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${shot})
    message(FATAL_ERROR "installed kestrix --screenshot failed (${rc}): ${out} ${err}")
  endif()
endif()
message(STATUS "install into ${PREFIX} works")
