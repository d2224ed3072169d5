# The editor's images and icons are rendered from the SVG files of
# resources/editor/art at build time; Editor.rc compiles them into each
# program that carries it.
include(${PROJECT_SOURCE_DIR}/cmake/TrivaneGeneratedResources.cmake)
trivane_generated_resources(editor)

function(trivane_add_editor_resources target)
  trivane_add_generated_rc(${target} editor ${PROJECT_SOURCE_DIR}/resources/editor/Editor.rc)
endfunction()
