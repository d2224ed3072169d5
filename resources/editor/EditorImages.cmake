# The editor's images and icons are drawn by the project's own generator at
# build time; Editor.rc compiles them into each program that carries it.
include(${PROJECT_SOURCE_DIR}/cmake/TrivaneGeneratedResources.cmake)
trivane_generated_resources(editor ${PROJECT_SOURCE_DIR}/resources/editor/make_editor_images.py
  placeholder.png hover-frame.png selection-frame.png cursors-background.png
  hot-spot-marker.png pane-title.png editor.ico document.ico)

function(trivane_add_editor_resources target)
  trivane_add_generated_rc(${target} editor ${PROJECT_SOURCE_DIR}/resources/editor/Editor.rc)
endfunction()
