# Fails when a layer's source includes one of our headers by a path relative to its own
# folder ("../launcher/frm_talqo.h", or "win32/handles.h" from runtime/): the compiler
# looks there before the include folders, so such a path would pass by the folders that
# decide which headers each layer sees.
#   cmake -DSOURCE_DIR=<repository root> -P check_rooted_includes.cmake

set(layers app base runtime launcher actions md5sum bench)
set(globs)
foreach(layer IN LISTS layers)
  list(APPEND globs ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
endforeach()
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${globs})
list(JOIN layers "|" layer_pattern)

set(unrooted)
foreach(source IN LISTS sources)
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" path "${line}")
    if(NOT path MATCHES "^(${layer_pattern}|resources)/" OR path MATCHES "(^|/)\\.\\.?/")
      list(APPEND unrooted "${source}: \"${path}\"")
    endif()
  endforeach()
endforeach()

if(unrooted)
  list(JOIN unrooted "\n  " listing)
  message(FATAL_ERROR "Include our headers by their path from the repository root:\n  ${listing}")
endif()
list(LENGTH sources checked)
message(STATUS "${checked} sources checked")
