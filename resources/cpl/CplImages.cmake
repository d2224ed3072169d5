# The settings page's skin images are rendered from the SVG files of
# resources/cpl/art at build time; TrivaneCpl.rc compiles them into each
# target that carries it.
include(${PROJECT_SOURCE_DIR}/cmake/TrivaneGeneratedResources.cmake)
trivane_generated_resources(cpl)

# Compiles TrivaneCpl.rc (dialogs, images, manifest) into target.
function(trivane_add_cpl_resources target)
  set(resources ${PROJECT_SOURCE_DIR}/resources/cpl)
  trivane_add_generated_rc(${target} cpl ${resources}/TrivaneCpl.rc
    ${resources}/TrivaneCpl.manifest)
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${resources}>)
endfunction()
