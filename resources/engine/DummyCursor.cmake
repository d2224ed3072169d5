# The engine's dummy cursor is drawn by the project's own generator at build
# time; Trivane.rc compiles the result into each program that carries it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TRIVANE_DUMMY_CURSOR_FOLDER ${PROJECT_BINARY_DIR}/generated-resources)
set(TRIVANE_DUMMY_CURSOR ${TRIVANE_DUMMY_CURSOR_FOLDER}/dummy.cur)

# One rule makes the file, so that parallel builds of several programs never
# write it twice at once.
if(NOT TARGET trivane_dummy_cursor)
  set(script ${PROJECT_SOURCE_DIR}/resources/engine/make_dummy_cursor.py)
  add_custom_command(
    OUTPUT ${TRIVANE_DUMMY_CURSOR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TRIVANE_DUMMY_CURSOR_FOLDER}
    COMMAND Python3::Interpreter ${script} ${TRIVANE_DUMMY_CURSOR}
    DEPENDS ${script}
    COMMENT "Making the dummy cursor")
  add_custom_target(trivane_dummy_cursor DEPENDS ${TRIVANE_DUMMY_CURSOR})
endif()

function(trivane_add_dummy_cursor target)
  set(TRIVANE_DUMMY_CURSOR_FOLDER ${PROJECT_BINARY_DIR}/generated-resources)
  set(TRIVANE_DUMMY_CURSOR ${TRIVANE_DUMMY_CURSOR_FOLDER}/dummy.cur)
  add_dependencies(${target} trivane_dummy_cursor)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/engine/Trivane.rc
                              PROPERTIES OBJECT_DEPENDS ${TRIVANE_DUMMY_CURSOR})
  target_include_directories(${target} PRIVATE
                             $<$<COMPILE_LANGUAGE:RC>:${TRIVANE_DUMMY_CURSOR_FOLDER}>)
endfunction()
