# Resources made at build time into generated-resources/<kind>:
# - the skin art: every resources/<kind>/art/<id>-<use>.svg rendered by
#   librsvg at its own size to <kind>-<id>.png; an <id>-<use>-icon.svg
#   rendered at the icon sizes instead and packed by icotool into
#   <kind>-<id>.ico (an <id>-<use>-icon-16.svg beside it is its simpler
#   16-pixel picture). Every SVG's colours are first checked against
#   resources/palette.txt, so the three programs keep one palette;
# - for a kind with a table, the .rc lines and header its script writes.
# A resource script that includes the results is compiled into every target
# carrying the kind.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(TRIVANE_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(TRIVANE_ICOTOOL icotool REQUIRED)

set(TRIVANE_ICON_SIZES 16 32 48 256)

# The rules that render one icon SVG into the .ico at out; the 256-pixel
# picture is stored as PNG, as Windows expects of large icons.
function(trivane_render_icon svg out)
  get_filename_component(art ${svg} DIRECTORY)
  get_filename_component(name ${svg} NAME_WLE)
  set(pictures)
  set(pngs)
  foreach(size ${TRIVANE_ICON_SIZES})
    set(source ${svg})
    if(size EQUAL 16 AND EXISTS ${art}/${name}-16.svg)
      set(source ${art}/${name}-16.svg)
    endif()
    set(png ${out}-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${TRIVANE_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${source}
      DEPENDS ${source} ${ARGN})
    list(APPEND pngs ${png})
    if(size EQUAL 256)
      list(APPEND pictures -r ${png})
    else()
      list(APPEND pictures ${png})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${out}
    COMMAND ${TRIVANE_ICOTOOL} -c -o ${out} ${pictures}
    DEPENDS ${pngs}
    COMMENT "Packing ${name}")
endfunction()

# The rules that render the kind's art; one rule per file, so that parallel
# builds of several targets never write one twice. Sets TRIVANE_ART_<kind>
# (the files made) and TRIVANE_ART_SOURCES_<kind> (the SVG files).
function(trivane_skin_art kind)
  set(art ${PROJECT_SOURCE_DIR}/resources/${kind}/art)
  set(folder ${PROJECT_BINARY_DIR}/generated-resources/${kind})
  set(palette ${PROJECT_SOURCE_DIR}/resources/palette.txt)
  set(checker ${PROJECT_SOURCE_DIR}/resources/check_palette.py)
  file(GLOB svgs CONFIGURE_DEPENDS ${art}/*.svg)
  set(checked ${folder}/palette.checked)
  add_custom_command(OUTPUT ${checked}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND Python3::Interpreter ${checker} ${palette} ${svgs}
    COMMAND ${CMAKE_COMMAND} -E touch ${checked}
    DEPENDS ${svgs} ${palette} ${checker}
    COMMENT "Checking the colours of the ${kind} art")
  set(outputs)
  foreach(svg ${svgs})
    get_filename_component(name ${svg} NAME_WLE)
    if(name MATCHES "-icon-16$")
      continue()
    endif()
    if(NOT name MATCHES "^([0-9]+)-")
      message(FATAL_ERROR "${svg}: art files are named <id>-<use>.svg")
    endif()
    set(id ${CMAKE_MATCH_1})
    if(name MATCHES "-icon$")
      set(out ${folder}/${kind}-${id}.ico)
      trivane_render_icon(${svg} ${out} ${checked})
    else()
      set(out ${folder}/${kind}-${id}.png)
      add_custom_command(OUTPUT ${out}
        COMMAND ${TRIVANE_RSVG_CONVERT} -o ${out} ${svg}
        DEPENDS ${svg} ${checked})
    endif()
    list(APPEND outputs ${out})
  endforeach()
  set(TRIVANE_ART_${kind} ${outputs} PARENT_SCOPE)
  set(TRIVANE_ART_SOURCES_${kind} ${svgs} PARENT_SCOPE)
endfunction()

# The kind's art and, when a table script is given, the files it writes from
# its table into the kind's folder (it is told the art folder, to check it).
function(trivane_generated_resources kind)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TABLE" "OUTPUTS")
  if(TARGET trivane_${kind}_resources)
    return()
  endif()
  set(folder ${PROJECT_BINARY_DIR}/generated-resources/${kind})
  trivane_skin_art(${kind})
  set(outputs ${TRIVANE_ART_${kind}})
  if(arg_TABLE)
    set(written)
    foreach(name ${arg_OUTPUTS})
      list(APPEND written ${folder}/${name})
    endforeach()
    add_custom_command(
      OUTPUT ${written}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND Python3::Interpreter ${arg_TABLE} ${folder} ${PROJECT_SOURCE_DIR}/resources/${kind}/art
      DEPENDS ${arg_TABLE} ${TRIVANE_ART_SOURCES_${kind}}
      COMMENT "Writing the ${kind} resource table")
    list(APPEND outputs ${written})
  endif()
  set_property(GLOBAL PROPERTY TRIVANE_GENERATED_${kind} ${outputs})
  add_custom_target(trivane_${kind}_resources DEPENDS ${outputs})
endfunction()

# Compiles rc into target after the kind's resources are made, with their
# folder on the resource compiler's include path; further files the script
# includes follow.
function(trivane_add_generated_rc target kind rc)
  get_property(outputs GLOBAL PROPERTY TRIVANE_GENERATED_${kind})
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} trivane_${kind}_resources)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${outputs};${ARGN}")
  target_include_directories(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:RC>:${PROJECT_BINARY_DIR}/generated-resources/${kind}>)
endfunction()
