# Writes LIST, a linker dynamic list naming every symbol MODULE imports, so that the program
# exports to its module just those: exporting all of its symbols would make every start pay
# for a dynamic symbol table forty times larger. Names the program does not define are ignored
# by the linker.
execute_process(COMMAND nm -D --undefined-only --format=posix ${MODULE}
                OUTPUT_VARIABLE imports RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "nm cannot read ${MODULE}")
endif()
# Each line is "NAME[@VERSION] TYPE [VALUE SIZE]".
string(REGEX MATCHALL "[^\n]+" lines "${imports}")
set(text "{\n")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "[ @].*" "" name "${line}")
  string(APPEND text "  ${name};\n")
endforeach()
string(APPEND text "};\n")
file(WRITE ${LIST}.new "${text}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${LIST}.new ${LIST})
