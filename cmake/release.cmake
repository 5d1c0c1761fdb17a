# What a Windows user downloads: both programs with their icons and version
# information, and the packages that `cmake --build build/win --target package`
# writes with CPack: Tovik-<version>-setup.exe (NSIS) and
# Tovik-<version>-portable.zip.
set(TOVIK_VERSION 5.63)
set(TOVIK_PUBLISHER Brakvel)
set(TOVIK_COPYRIGHT "Copyright © 2026 Brakvel")
set(TOVIK_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

find_program(TOVIK_RSVG rsvg-convert REQUIRED)
find_program(TOVIK_ICOTOOL icotool REQUIRED)

# Builds icons/<name>.ico from packaging/icons/<name>.svg. The smallest sizes
# come from <name>-small.svg, drawn on the 16-pixel grid so they stay sharp;
# 256 is kept as PNG inside the icon, as Windows expects.
function(tovik_icon name out)
  set(dir ${CMAKE_BINARY_DIR}/icons)
  set(large ${TOVIK_PACKAGING}/icons/${name}.svg)
  set(small ${TOVIK_PACKAGING}/icons/${name}-small.svg)
  set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${dir})
  set(pngs "")
  foreach(size IN ITEMS 16 20 24 32 40 48 64 256)
    set(source ${large})
    if(size LESS 24)
      set(source ${small})
    endif()
    set(png ${dir}/${name}-${size}.png)
    list(APPEND commands COMMAND ${TOVIK_RSVG} -w ${size} -h ${size} -o ${png} ${source})
    if(size EQUAL 256)
      list(APPEND pngs -r)
    endif()
    list(APPEND pngs ${png})
  endforeach()
  set(ico ${dir}/${name}.ico)
  add_custom_command(OUTPUT ${ico} ${commands}
                     COMMAND ${TOVIK_ICOTOOL} -c -o ${ico} ${pngs}
                     DEPENDS ${large} ${small} VERBATIM)
  set(${out} ${ico} PARENT_SCOPE)
endfunction()

# Gives a program its icon (resource 1, which Explorer shows and the windows
# load) and its version information.
function(tovik_program_resources target icon description)
  tovik_icon(${icon} TOVIK_ICON)
  set(TOVIK_EXE_NAME ${target})
  set(TOVIK_DESCRIPTION "${description}")
  string(REPLACE "." "," TOVIK_VERSION_COMMAS "${TOVIK_VERSION},0,0")
  set(rc ${CMAKE_BINARY_DIR}/generated/${target}_resources.rc)
  configure_file(${TOVIK_PACKAGING}/program.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${TOVIK_ICON})
  target_sources(${target} PRIVATE ${rc})
endfunction()

tovik_program_resources(Tovik tovik "Tovik personal organiser")
tovik_program_resources(ChkTovik chktovik "Check Tovik reminder")

# A text of the programs' own headers, so that the installer and the programs
# cannot disagree on a registry name or the install mutex.
function(tovik_header_constant header name out)
  file(READ ${CMAKE_SOURCE_DIR}/${header} source)
  if(NOT source MATCHES " ${name}\\[\\] = L\"([^\"]*)\"")
    message(FATAL_ERROR "${name} not found in ${header}")
  endif()
  string(REPLACE "\\\\" "\\" text "${CMAKE_MATCH_1}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The picture beside the installer's last page: Tovik's icon on a pale page.
find_program(TOVIK_CONVERT convert REQUIRED)
set(TOVIK_WIZARD_BITMAP ${CMAKE_BINARY_DIR}/icons/installer-side.bmp)
add_custom_command(OUTPUT ${TOVIK_WIZARD_BITMAP}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons
                   COMMAND ${TOVIK_RSVG} -w 112 -h 112 -o ${CMAKE_BINARY_DIR}/icons/installer-side.png
                           ${TOVIK_PACKAGING}/icons/tovik.svg
                   COMMAND ${TOVIK_CONVERT} -size 164x314 "xc:#e8f0fa" ${CMAKE_BINARY_DIR}/icons/installer-side.png
                           -gravity north -geometry +0+48 -composite BMP3:${TOVIK_WIZARD_BITMAP}
                   DEPENDS ${TOVIK_PACKAGING}/icons/tovik.svg VERBATIM)
add_custom_target(installer_pictures ALL DEPENDS ${TOVIK_WIZARD_BITMAP})

# The portable copy keeps its data beside the programs, as the programs do
# without an options.ini; the installer writes one that moves it to Documents.
install(TARGETS Tovik ChkTovik RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/organiser/frame/help DESTINATION .)
install(FILES ${TOVIK_PACKAGING}/README.txt DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME Tovik)
set(CPACK_PACKAGE_VENDOR ${TOVIK_PUBLISHER})
set(CPACK_PACKAGE_VERSION ${TOVIK_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tovik)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tovik personal organiser")
set(CPACK_PROJECT_CONFIG_FILE ${TOVIK_PACKAGING}/cpack_file_names.cmake)
set(CPACK_NSIS_EXECUTABLE makensis)
# The installer's own settings, read by packaging/NSIS.template.in.
set(CPACK_TOVIK_ICON ${CMAKE_BINARY_DIR}/icons/tovik.ico)
set(CPACK_TOVIK_WIZARD_BITMAP ${TOVIK_WIZARD_BITMAP})
set(CPACK_TOVIK_COPYRIGHT "${TOVIK_COPYRIGHT}")
tovik_header_constant(app/install_mutex_win.h kInstallMutexName CPACK_TOVIK_INSTALL_MUTEX)
tovik_header_constant(app/registry_names.h kRunKey CPACK_TOVIK_RUN_KEY)
tovik_header_constant(app/registry_names.h kRunValue CPACK_TOVIK_RUN_VALUE)
tovik_header_constant(app/registry_names.h kOptionsKey CPACK_TOVIK_OPTIONS_KEY)
string(REGEX REPLACE "\\\\[^\\]*$" "" CPACK_TOVIK_OPTIONS_PARENT_KEY "${CPACK_TOVIK_OPTIONS_KEY}")
list(APPEND CMAKE_MODULE_PATH ${TOVIK_PACKAGING})
include(CPack)
