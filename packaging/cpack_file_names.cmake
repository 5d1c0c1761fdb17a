# Read by CPack once per generator: the installer and the portable copy are
# told apart by their names.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "Tovik-${CPACK_PACKAGE_VERSION}-setup")
else()
  set(CPACK_PACKAGE_FILE_NAME "Tovik-${CPACK_PACKAGE_VERSION}-portable")
endif()
