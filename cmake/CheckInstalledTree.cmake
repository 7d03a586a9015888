# Installs BUILD_DIR into PREFIX and checks what a desktop needs there: the
# program, a valid desktop entry that starts it and names the icon, and the
# icon at each size, really that size. Fails with a message on the first fault.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${error}")
endif()

set(entry ${PREFIX}/share/applications/cartavel.desktop)
foreach(file bin/cartavel bin/cartavel-install share/applications/cartavel.desktop share/man/man1/cartavel.1
             share/doc/cartavel/copyright)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "${file} is not installed")
  endif()
endforeach()

find_program(VALIDATE desktop-file-validate)
if(NOT VALIDATE)
  message(FATAL_ERROR "desktop-file-validate is missing (Debian package desktop-file-utils)")
endif()
execute_process(COMMAND ${VALIDATE} ${entry} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR output MATCHES "error")
  message(FATAL_ERROR "the desktop entry is not valid:\n${output}")
endif()

file(STRINGS ${entry} exec REGEX "^Exec=")
file(STRINGS ${entry} icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=cartavel" OR NOT icon STREQUAL "Icon=cartavel")
  message(FATAL_ERROR "the entry starts '${exec}' with '${icon}', not the installed cartavel and its icon")
endif()

# A PNG's width and height are the two 32-bit numbers after its IHDR tag.
foreach(size 16 32 48 64 128 256)
  set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/cartavel.png)
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "no ${size}x${size} icon")
  endif()
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING ${header} 24 8 tag)
  string(SUBSTRING ${header} 32 8 width)
  string(SUBSTRING ${header} 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT tag STREQUAL "49484452" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "the ${size}x${size} icon is not a PNG of that size (${width}x${height})")
  endif()
endforeach()
message(STATUS "installed tree in ${PREFIX} is complete")
