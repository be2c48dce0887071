# Installs the polkit action of the commit helper (under DESTDIR when set), naming the helper at
# its installed place, so that pkexec asks once for a whole commit and keeps the answer a while.
set(KORVANE_COMMIT_HELPER "${CMAKE_INSTALL_PREFIX}/lib/korvane/Korvane.app/Contents/MacOS/korvane-commit")
set(folder "$ENV{DESTDIR}${KORVANE_POLKIT_ACTIONS_DIR}")
set(action "${folder}/org.korvane.Korvane.commit.policy")
message(STATUS "Installing: ${action}")
configure_file("${KORVANE_POLKIT_ACTION_TEMPLATE}" "${action}" @ONLY)
