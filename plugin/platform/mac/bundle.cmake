# Plexmoor.bundle in GNUstep's layout: the module Plexmoor at the top, the
# Info plist and the resources (string tables, window descriptions) in
# Resources. A Mac build lays out the same files as Contents/MacOS/Plexmoor,
# Contents/Info.plist and Contents/Resources.
function(plx_mac_bundle target dir)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX "" OUTPUT_NAME Plexmoor
    LIBRARY_OUTPUT_DIRECTORY ${dir})
  target_link_libraries(${target} PRIVATE plx_xt plx_gnustep ${CMAKE_DL_LIBS})
  if(TARGET plexui)
    target_link_libraries(${target} PRIVATE plexui)
  endif()
  target_link_options(${target} PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/plugin/exports.map -Wl,--no-undefined)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/Info-gnustep.plist.in
    ${dir}/Resources/Info-gnustep.plist @ONLY)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/Resources
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PLX_RESOURCES} ${dir}/Resources
    COMMENT "Copying the plug-in's resources into ${dir}")
endfunction()

plx_mac_bundle(Plexmoor ${CMAKE_BINARY_DIR}/lib/Plexmoor.bundle ${PLX_PLUGIN_OBJECTS})
