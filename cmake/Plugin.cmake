# nodeweave_add_plugin(<name> SOURCES ...): a plug-in module staged into the run folder's plugins/.
function(nodeweave_add_plugin name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} MODULE ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    LIBRARY_OUTPUT_DIRECTORY ${NODEWEAVE_RUN_DIR}/plugins
    BUILD_RPATH "\$ORIGIN/..")
  target_link_libraries(${name} PRIVATE weave_common weavekit nodeweave_wx ${ARG_LIBS})
endfunction()
