# The settings page's skin images are drawn by the project's own generator at
# build time; TrivaneCpl.rc compiles them into each target that carries it.
include(${PROJECT_SOURCE_DIR}/cmake/TrivaneGeneratedResources.cmake)
set(names)
foreach(number 113 115 117 118 119 120 132 133 135)
  list(APPEND names cpl${number}.png)
endforeach()
trivane_generated_resources(cpl ${PROJECT_SOURCE_DIR}/resources/cpl/make_cpl_images.py ${names})

# Compiles TrivaneCpl.rc (dialogs, images, manifest) into target.
function(trivane_add_cpl_resources target)
  set(resources ${PROJECT_SOURCE_DIR}/resources/cpl)
  trivane_add_generated_rc(${target} cpl ${resources}/TrivaneCpl.rc
    ${resources}/TrivaneCpl.manifest)
  target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${resources}>)
endfunction()
