# The engine's resources: the transparent dummy cursor (resources/engine/
# dummy.cur, a one-bit 32 x 32 cursor whose AND mask shows everything and
# whose hot spot (19, 23) is the fingerprint the engine looks for) and the
# program's icon, the panel's pointer mark rendered at build time.
include(${PROJECT_SOURCE_DIR}/resources/panel/PanelImages.cmake)

function(trivane_add_dummy_cursor target)
  set(rc ${PROJECT_SOURCE_DIR}/resources/engine/Trivane.rc)
  get_property(panel GLOBAL PROPERTY TRIVANE_GENERATED_panel)
  add_dependencies(${target} trivane_panel_resources)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS
    "${PROJECT_SOURCE_DIR}/resources/engine/dummy.cur;${panel}")
  target_include_directories(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:${PROJECT_SOURCE_DIR}/resources/engine>
    $<$<COMPILE_LANGUAGE:RC>:${PROJECT_BINARY_DIR}/generated-resources/panel>)
endfunction()
