# Installs the build into a scratch prefix and checks that a desktop finds
# what it needs: program, desktop entry, icons and the manuals.
# Arguments: BUILD_DIR, PREFIX, PROGRAM (empty when the program is not built),
# BINDIR (the program's folder in the prefix) and DOC_FROM_BIN (where the
# program looks for its manuals, relative to its folder).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  share/applications/tarvel3.desktop
  share/icons/hicolor/scalable/apps/tarvel3.svg
  share/icons/hicolor/16x16/apps/tarvel3.png
  share/icons/hicolor/48x48/apps/tarvel3.png
  share/icons/hicolor/256x256/apps/tarvel3.png
  share/doc/tarvel3/manual-en.html
  share/doc/tarvel3/manual-cs.html)
if(PROGRAM)
  list(APPEND expected ${BINDIR}/${PROGRAM})
endif()
# The manuals where the installed program looks for them.
foreach(manual manual-en.html manual-cs.html)
  list(APPEND expected ${BINDIR}/${DOC_FROM_BIN}/${manual})
endforeach()
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

file(STRINGS ${PREFIX}/share/applications/tarvel3.desktop entry)
foreach(line "[Desktop Entry]" "Type=Application" "Exec=tarvel3" "Icon=tarvel3" "Terminal=false")
  list(FIND entry "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks '${line}'")
  endif()
endforeach()
# The desktop's own checker, where the system has it.
find_program(validator desktop-file-validate)
if(validator)
  execute_process(COMMAND ${validator} ${PREFIX}/share/applications/tarvel3.desktop
                  RESULT_VARIABLE result OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop entry rejected: ${complaints}")
  endif()
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "install layout complete")
