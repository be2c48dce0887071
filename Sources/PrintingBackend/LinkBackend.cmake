# Links the installed backend into the scheduler's backend folder (under DESTDIR when set), by a
# relative link so that a staged installation stays whole where it is unpacked.
set(folder "$ENV{DESTDIR}${KORVANE_CUPS_BACKEND_DIR}")
set(program "${CMAKE_INSTALL_PREFIX}/lib/korvane/Korvane.app/Contents/MacOS/korvane-backend")
file(RELATIVE_PATH target "${KORVANE_CUPS_BACKEND_DIR}" "${program}")
message(STATUS "Linking: ${folder}/korvane -> ${target}")
set(failed 0)
foreach(step "make_directory;${folder}" "rm;-f;${folder}/korvane"
             "create_symlink;${target};${folder}/korvane")
  if(NOT failed)
    execute_process(COMMAND ${CMAKE_COMMAND} -E ${step} RESULT_VARIABLE failed ERROR_QUIET)
  endif()
endforeach()
if(failed)
  message(WARNING "The printing backend is not linked into ${folder}; as root, run\n"
                  "  ln -sf ${program} ${KORVANE_CUPS_BACKEND_DIR}/korvane")
endif()
