# The package: what the install rules put in, zipped by CPack as
# Trivane-<version>-<win32|win64>.zip with that folder at its top. The
# samples are data, the same for both targets: tools/package.sh draws them
# once and names their folder in TRIVANE_SAMPLES_FOLDER.
set(TRIVANE_SAMPLES_FOLDER "" CACHE PATH "The sample themes and sounds for the package")

install(FILES ${PROJECT_SOURCE_DIR}/resources/lang/1033/ui.txt DESTINATION lang/1033)
install(FILES ${PROJECT_SOURCE_DIR}/resources/README.txt DESTINATION .)
if(TRIVANE_SAMPLES_FOLDER)
  install(DIRECTORY ${TRIVANE_SAMPLES_FOLDER}/ DESTINATION Samples)
endif()

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TRIVANE_PACKAGE_SYSTEM win32)
else()
  set(TRIVANE_PACKAGE_SYSTEM win64)
endif()
# Packing builds only what it installs (tools/package.sh builds the product
# targets), not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Trivane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Trivane-${PROJECT_VERSION}-${TRIVANE_PACKAGE_SYSTEM})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The programs go without their debug information.
set(CPACK_STRIP_FILES ON)
include(CPack)
