# The control panel's skin images and icon are drawn by the project's own
# generator at build time; Panel.rc compiles them into each program that
# carries them, and PanelImages.h gives the code their ids and sizes.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(TRIVANE_PANEL_IMAGES_FOLDER ${PROJECT_BINARY_DIR}/generated-resources/panel)
set(TRIVANE_PANEL_IMAGES_RC ${PROJECT_SOURCE_DIR}/resources/panel/Panel.rc)

# One rule makes every file, so that parallel builds never write them twice at once.
if(NOT TARGET trivane_panel_images)
  set(script ${PROJECT_SOURCE_DIR}/resources/panel/make_panel_images.py)
  add_custom_command(
    OUTPUT ${TRIVANE_PANEL_IMAGES_FOLDER}/PanelImages.h
           ${TRIVANE_PANEL_IMAGES_FOLDER}/panel_images.rc
    COMMAND Python3::Interpreter ${script} ${TRIVANE_PANEL_IMAGES_FOLDER}
    DEPENDS ${script}
    COMMENT "Drawing the control panel's images")
  add_custom_target(trivane_panel_images
    DEPENDS ${TRIVANE_PANEL_IMAGES_FOLDER}/PanelImages.h
            ${TRIVANE_PANEL_IMAGES_FOLDER}/panel_images.rc)
endif()

# The header of ids and sizes, for code that names the images.
function(trivane_use_panel_image_ids target)
  set(TRIVANE_PANEL_IMAGES_FOLDER ${PROJECT_BINARY_DIR}/generated-resources/panel)
  add_dependencies(${target} trivane_panel_images)
  target_include_directories(${target} PUBLIC ${TRIVANE_PANEL_IMAGES_FOLDER})
endfunction()

# The images and the icon as resources of target's program.
function(trivane_add_panel_images target)
  set(TRIVANE_PANEL_IMAGES_FOLDER ${PROJECT_BINARY_DIR}/generated-resources/panel)
  set(TRIVANE_PANEL_IMAGES_RC ${PROJECT_SOURCE_DIR}/resources/panel/Panel.rc)
  target_sources(${target} PRIVATE ${TRIVANE_PANEL_IMAGES_RC})
  add_dependencies(${target} trivane_panel_images)
  set_source_files_properties(${TRIVANE_PANEL_IMAGES_RC} PROPERTIES
    OBJECT_DEPENDS ${TRIVANE_PANEL_IMAGES_FOLDER}/panel_images.rc)
  target_include_directories(${target} PRIVATE
                             $<$<COMPILE_LANGUAGE:RC>:${TRIVANE_PANEL_IMAGES_FOLDER}>)
endfunction()
