# Start-up time: every shared library a process maps costs loading, relocation and symbol
# lookup at each start, more than a short command's own work. The libraries the program needs
# are therefore linked in from their archives (Debian's -dev packages ship them), and the C++
# runtime too: korvane --version then costs about twice /bin/true (bench/CommandLineBench.cpp).
# Sanitizer builds keep the C++ runtime shared, as the sanitizers' own runtimes need it.
option(KORVANE_STATIC_LIBRARIES
       "Link ICU, pugixml, ncursesw and the C++ runtime into the programs from their archives" ON)

# The archive of each named library, in the order given; a missing one stops the configuration.
function(korvane_find_archives variable)
  set(archives)
  foreach(name ${ARGN})
    find_library(KORVANE_ARCHIVE_${name} NAMES lib${name}.a)
    if(NOT KORVANE_ARCHIVE_${name})
      message(FATAL_ERROR "lib${name}.a is missing (KORVANE_STATIC_LIBRARIES=ON links it in); "
                          "install its -dev package (tools/install-build-deps.sh) or configure "
                          "with -DKORVANE_STATIC_LIBRARIES=OFF")
    endif()
    list(APPEND archives ${KORVANE_ARCHIVE_${name}})
  endforeach()
  set(${variable} ${archives} PARENT_SCOPE)
endfunction()

# The C++ runtime linked into a shipped program or module, kept private to a module so that
# the runtime's symbols the program exports do not mix with the module's own copy.
function(korvane_static_runtime target)
  if(NOT KORVANE_STATIC_LIBRARIES OR KORVANE_SANITIZE)
    return()
  endif()
  target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "MODULE_LIBRARY")
    target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
  endif()
endfunction()
