# The settings page's skin images are drawn by the project's own generator at
# build time; TrivaneCpl.rc compiles them into each target that carries it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# The generated folder and files; a function, so every directory that
# includes this file sees the same names.
function(trivane_cpl_image_files folder_var files_var)
  set(folder ${PROJECT_BINARY_DIR}/generated-resources/cpl)
  set(files)
  foreach(number 113 115 117 118 119 120 132 133 135)
    list(APPEND files ${folder}/cpl${number}.png)
  endforeach()
  set(${folder_var} ${folder} PARENT_SCOPE)
  set(${files_var} ${files} PARENT_SCOPE)
endfunction()

# One rule makes the files, so that parallel builds never write them twice at once.
if(NOT TARGET trivane_cpl_images)
  trivane_cpl_image_files(TRIVANE_CPL_IMAGE_FOLDER TRIVANE_CPL_IMAGES)
  set(script ${PROJECT_SOURCE_DIR}/resources/cpl/make_cpl_images.py)
  add_custom_command(
    OUTPUT ${TRIVANE_CPL_IMAGES}
    COMMAND Python3::Interpreter ${script} ${TRIVANE_CPL_IMAGE_FOLDER}
    DEPENDS ${script}
    COMMENT "Drawing the settings page's images")
  add_custom_target(trivane_cpl_images DEPENDS ${TRIVANE_CPL_IMAGES})
endif()

# Compiles TrivaneCpl.rc (dialogs, images, manifest) into target.
function(trivane_add_cpl_resources target)
  trivane_cpl_image_files(TRIVANE_CPL_IMAGE_FOLDER TRIVANE_CPL_IMAGES)
  set(rc ${PROJECT_SOURCE_DIR}/resources/cpl/TrivaneCpl.rc)
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} trivane_cpl_images)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS
    "${TRIVANE_CPL_IMAGES};${PROJECT_SOURCE_DIR}/resources/cpl/TrivaneCpl.manifest")
  target_include_directories(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:${TRIVANE_CPL_IMAGE_FOLDER}>
    $<$<COMPILE_LANGUAGE:RC>:${PROJECT_SOURCE_DIR}/resources/cpl>)
endfunction()
