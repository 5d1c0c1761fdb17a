# Delay-loaded system DLLs for mingw (GNU ld has no -delayload): an import
# library whose stubs load the DLL on the first call, made with dlltool from
# the exports of the normal import library. Usage:
#   target_link_libraries(ChkTovik PRIVATE reminder_win tovik_win tovik_core)
#   tovik_delay_load(ChkTovik user32 gdi32 shell32)
function(tovik_delay_load target)
  find_program(TOVIK_DLLTOOL NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-dlltool x86_64-w64-mingw32-dlltool REQUIRED)
  find_program(TOVIK_NM NAMES ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-nm x86_64-w64-mingw32-nm REQUIRED)
  foreach(dll IN LISTS ARGN)
    find_library(import_${dll} NAMES lib${dll}.a REQUIRED)
    set(delay_lib ${CMAKE_BINARY_DIR}/delay/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${delay_lib}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay
      COMMAND sh -c "{ echo 'LIBRARY ${dll}.dll'; echo EXPORTS; '${TOVIK_NM}' '${import_${dll}}' | sed -n 's/.* I __imp_//p' | sort -u; } > '${CMAKE_BINARY_DIR}/delay/${dll}.def'"
      COMMAND ${TOVIK_DLLTOOL} -d ${CMAKE_BINARY_DIR}/delay/${dll}.def -y ${delay_lib} -D ${dll}.dll
      DEPENDS ${import_${dll}} VERBATIM)
    add_custom_target(${target}_delay_${dll} DEPENDS ${delay_lib})
    add_dependencies(${target} ${target}_delay_${dll})
    list(APPEND delay_libs ${delay_lib})
  endforeach()
  # After the program's own static libraries (whose calls they must take)
  # and before the normal import libraries, which only the linker's
  # dependency order brings after them.
  target_link_libraries(${target} PRIVATE ${delay_libs} delayimp)
endfunction()
