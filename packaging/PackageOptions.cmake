# Read by CPack once for each package it makes.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  # The files in a Varnello folder, whatever the zip is called.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_PACKAGING_INSTALL_PREFIX "/Varnello")
endif()
