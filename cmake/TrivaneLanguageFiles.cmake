# The interface texts ship as data, never compiled in: every program and test
# program that loads them finds lang\<id>\ui.txt beside itself.

set(TRIVANE_LANG_SOURCE_DIR ${CMAKE_SOURCE_DIR}/resources/lang)

# Copies every language file into the folder where target's program is built.
function(trivane_add_language_files target)
  get_target_property(folder ${target} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT folder)
    get_target_property(folder ${target} BINARY_DIR)
  endif()
  # Programs built in one folder share one copy.
  string(MD5 folder_hash "${folder}")
  set(copy_target trivane_language_files_${folder_hash})
  if(NOT TARGET ${copy_target})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${TRIVANE_LANG_SOURCE_DIR}
         ${TRIVANE_LANG_SOURCE_DIR}/*/ui.txt)
    set(outputs)
    foreach(file IN LISTS files)
      get_filename_component(subfolder ${file} DIRECTORY)
      add_custom_command(
        OUTPUT ${folder}/lang/${file}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/lang/${subfolder}
        COMMAND ${CMAKE_COMMAND} -E copy ${TRIVANE_LANG_SOURCE_DIR}/${file}
                ${folder}/lang/${file}
        DEPENDS ${TRIVANE_LANG_SOURCE_DIR}/${file}
        COMMENT "Installing lang/${file} beside ${target}")
      list(APPEND outputs ${folder}/lang/${file})
    endforeach()
    add_custom_target(${copy_target} DEPENDS ${outputs})
  endif()
  add_dependencies(${target} ${copy_target})
endfunction()
