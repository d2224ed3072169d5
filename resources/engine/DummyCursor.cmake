# The engine's dummy cursor is drawn by the project's own generator at build
# time; Trivane.rc compiles the result into the program.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(trivane_add_dummy_cursor target)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/generated-resources)
  set(output ${folder}/dummy.cur)
  set(script ${PROJECT_SOURCE_DIR}/resources/engine/make_dummy_cursor.py)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND Python3::Interpreter ${script} ${output}
    DEPENDS ${script}
    COMMENT "Making the dummy cursor")
  target_sources(${target} PRIVATE ${output})
  set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/engine/Trivane.rc
                              PROPERTIES OBJECT_DEPENDS ${output})
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${folder}>)
endfunction()
