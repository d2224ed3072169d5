# Resources drawn by the project's own Python generators at build time. Each
# kind runs its generator once into generated-resources/<kind>, and a resource
# script that includes the results is compiled into every target carrying it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The kind's generator writes the named files into its folder. One rule makes
# them, so that parallel builds of several targets never write them twice.
function(trivane_generated_resources kind script)
  set(folder ${PROJECT_BINARY_DIR}/generated-resources/${kind})
  set(outputs)
  foreach(name ${ARGN})
    list(APPEND outputs ${folder}/${name})
  endforeach()
  set_property(GLOBAL PROPERTY TRIVANE_GENERATED_${kind} ${outputs})
  if(NOT TARGET trivane_${kind}_resources)
    add_custom_command(
      OUTPUT ${outputs}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND Python3::Interpreter ${script} ${folder}
      DEPENDS ${script}
      COMMENT "Drawing the ${kind} resources")
    add_custom_target(trivane_${kind}_resources DEPENDS ${outputs})
  endif()
endfunction()

# Compiles rc into target after the kind's generator, with its folder on the
# resource compiler's include path; further files the script includes follow.
function(trivane_add_generated_rc target kind rc)
  get_property(outputs GLOBAL PROPERTY TRIVANE_GENERATED_${kind})
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} trivane_${kind}_resources)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${outputs};${ARGN}")
  target_include_directories(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:${PROJECT_BINARY_DIR}/generated-resources/${kind}>)
endfunction()
