# The control panel's skin images and icon are rendered from the SVG files of
# resources/panel/art at build time; Panel.rc compiles them into each program
# that carries them, and PanelImages.h, written from panel_image_table.py's
# table, gives the code their ids and sizes.
include(${PROJECT_SOURCE_DIR}/cmake/TrivaneGeneratedResources.cmake)
trivane_generated_resources(panel TABLE ${PROJECT_SOURCE_DIR}/resources/panel/panel_image_table.py
  OUTPUTS PanelImages.h panel_images.rc)

# The header of ids and sizes, for code that names the images.
function(trivane_use_panel_image_ids target)
  add_dependencies(${target} trivane_panel_resources)
  target_include_directories(${target} PUBLIC ${PROJECT_BINARY_DIR}/generated-resources/panel)
endfunction()

# The images and the icon as resources of target's program.
function(trivane_add_panel_images target)
  trivane_add_generated_rc(${target} panel ${PROJECT_SOURCE_DIR}/resources/panel/Panel.rc)
endfunction()
