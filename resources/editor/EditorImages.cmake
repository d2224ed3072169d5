# The editor's images and icons are drawn by the project's own generator at
# build time; Editor.rc compiles them into each program that carries it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TRIVANE_EDITOR_IMAGE_FOLDER ${PROJECT_BINARY_DIR}/generated-resources/editor)
set(TRIVANE_EDITOR_IMAGE_NAMES
  placeholder.png hover-frame.png selection-frame.png cursors-background.png
  hot-spot-marker.png pane-title.png editor.ico document.ico)
set(TRIVANE_EDITOR_IMAGES)
foreach(name ${TRIVANE_EDITOR_IMAGE_NAMES})
  list(APPEND TRIVANE_EDITOR_IMAGES ${TRIVANE_EDITOR_IMAGE_FOLDER}/${name})
endforeach()

# One rule makes the files, so that parallel builds never write them twice.
if(NOT TARGET trivane_editor_images)
  set(script ${PROJECT_SOURCE_DIR}/resources/editor/make_editor_images.py)
  add_custom_command(
    OUTPUT ${TRIVANE_EDITOR_IMAGES}
    COMMAND Python3::Interpreter ${script} ${TRIVANE_EDITOR_IMAGE_FOLDER}
    DEPENDS ${script}
    COMMENT "Drawing the editor's images")
  add_custom_target(trivane_editor_images DEPENDS ${TRIVANE_EDITOR_IMAGES})
endif()

# Compiles the editor's resources into target.
function(trivane_add_editor_resources target)
  set(folder ${PROJECT_BINARY_DIR}/generated-resources/editor)
  set(images)
  foreach(name ${TRIVANE_EDITOR_IMAGE_NAMES})
    list(APPEND images ${folder}/${name})
  endforeach()
  set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/editor/Editor.rc PROPERTIES
    OBJECT_DEPENDS "${images}")
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources/editor/Editor.rc)
  add_dependencies(${target} trivane_editor_images)
  target_include_directories(${target} PRIVATE
                             $<$<COMPILE_LANGUAGE:RC>:${folder}>)
endfunction()
