# Plexmoor.bundle in GNUstep's layout: the module Plexmoor at the top, the
# Info plist and the resources (string tables, window descriptions, and the
# bundle's own icon "Krvn.png" that message boxes show) in Resources. A Mac
# build lays out the same files as Contents/MacOS/Plexmoor,
# Contents/Info.plist and Contents/Resources.
set(PLX_BUNDLE_DIR ${CMAKE_BINARY_DIR}/lib/Plexmoor.bundle)
file(GLOB _plx_mac_resources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/resources/*)
add_library(Plexmoor MODULE ${PLX_PLUGIN_OBJECTS})
set_target_properties(Plexmoor PROPERTIES PREFIX "" SUFFIX ""
  LIBRARY_OUTPUT_DIRECTORY ${PLX_BUNDLE_DIR})
target_link_libraries(Plexmoor PRIVATE plx_xt plx_gnustep ${CMAKE_DL_LIBS})
if(TARGET plexui)
  target_link_libraries(Plexmoor PRIVATE plexui)
endif()
target_link_options(Plexmoor PRIVATE
  -Wl,--version-script=${PROJECT_SOURCE_DIR}/plugin/exports.map -Wl,--no-undefined)

configure_file(${CMAKE_CURRENT_LIST_DIR}/Info-gnustep.plist.in
  ${PLX_BUNDLE_DIR}/Resources/Info-gnustep.plist @ONLY)
add_custom_command(TARGET Plexmoor POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PLX_BUNDLE_DIR}/Resources
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PLX_RESOURCES} ${_plx_mac_resources}
          ${PLX_BUNDLE_DIR}/Resources
  COMMENT "Copying the plug-in's resources into Plexmoor.bundle")
