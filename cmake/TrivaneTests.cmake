# GoogleTest from Debian's source package, built with the cross toolchain, and
# ctest running the x86_64 test programs under Wine.

set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not held to our warning rules.
foreach(target gtest gtest_main gmock gmock_main)
  if(TARGET ${target})
    target_compile_options(${target} PRIVATE -Wno-error)
  endif()
endforeach()

include(GoogleTest)

# 32-bit code cannot run on the build machine, so only x86_64 registers tests.
set(TRIVANE_RUN_TESTS OFF)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  find_program(WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  if(NOT WINE64)
    find_program(WINE64 NAMES wine64)
  endif()
  if(WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE64})
    set(TRIVANE_RUN_TESTS ON)
  endif()
endif()

# One test program per folder; its tests run under Wine when this build can run them.
function(trivane_add_test_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE trivane_testing GTest::gtest)
  if(TRIVANE_RUN_TESTS)
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_MODE PRE_TEST
                         DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
  endif()
endfunction()

# The same for programs whose tests use what the whole session shares (mouse
# input, the engine's named objects and window, the current theme): each of
# their tests runs alone.
function(trivane_add_serial_test_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE trivane_testing GTest::gtest)
  if(TRIVANE_RUN_TESTS)
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_MODE PRE_TEST
                         DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
  endif()
endfunction()
