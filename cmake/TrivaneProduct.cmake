# The product: the programs and libraries a user installs. They are built
# into one folder per target, bin/, so that they find each other and their
# language files as they will when installed, and every one carries a
# version resource with the project's version. Test programs lie elsewhere.
set(TRIVANE_PRODUCT_FOLDER ${CMAKE_BINARY_DIR}/bin)
# Programs that tests run as they are (engine, panel, editor) lie here with
# the test variant of the engine.
set(TRIVANE_PROCESS_TESTS_FOLDER ${CMAKE_BINARY_DIR}/process-tests)

# Makes target part of the product: built into bin/, with a version resource
# describing it, installed at the package's top.
function(trivane_product target file description)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TRIVANE_PRODUCT_FOLDER})
  if(file MATCHES "\\.dll$")
    set(TRIVANE_FILE_TYPE VFT_DLL)
  else()
    set(TRIVANE_FILE_TYPE VFT_APP)
  endif()
  set(TRIVANE_FILE_NAME ${file})
  set(TRIVANE_FILE_DESCRIPTION ${description})
  set(rc ${CMAKE_BINARY_DIR}/version-resources/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/Version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  install(TARGETS ${target} RUNTIME DESTINATION .)
endfunction()

# The version as text for the code (TRIVANE_VERSION in TrivaneVersion.h).
configure_file(${PROJECT_SOURCE_DIR}/resources/TrivaneVersion.h.in
               ${CMAKE_BINARY_DIR}/generated/TrivaneVersion.h @ONLY)
add_library(trivane_version INTERFACE)
target_include_directories(trivane_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
