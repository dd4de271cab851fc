# Fails when a file of the core includes a header from a layer above its own, a shell's, or Qt's.
# Run from ctest, or by hand: cmake -DSOURCE_DIR=src -P cmake/check_layering.cmake
#
# The core's layers, bottom first: a file may include its own layer and the layers below it.
cmake_minimum_required(VERSION 3.25)
set(layers numerics text reports surface state plot input loads coefficients vortex app lessons)
# Above the core: these may include anything the core offers, the core nothing of theirs.
set(shells window batch web render)

function(layer_of path out)  # path under src/, e.g. "loads/aero_loads.h"
  string(REGEX REPLACE "/.*" "" folder "${path}")
  set(${out} ${folder} PARENT_SCOPE)
endfunction()

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(broken "")
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
foreach(source IN LISTS sources)
  layer_of("${source}" layer)
  list(FIND layers "${layer}" rank)
  if(layer IN_LIST shells)
    continue()
  elseif(rank EQUAL -1)
    list(APPEND broken "${source}: the folder is in neither the core's layers nor the shells")
    continue()
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "<Q")
      list(APPEND broken "${source}: ${line} (Qt)")
    elseif(line MATCHES "\"([^\"]+)\"")
      layer_of("${CMAKE_MATCH_1}" theirs)
      list(FIND layers "${theirs}" their_rank)
      if(their_rank EQUAL -1 OR their_rank GREATER rank)
        list(APPEND broken "${source}: ${line} (${layer} may not include ${theirs})")
      endif()
    endif()
  endforeach()
endforeach()

if(broken)
  list(JOIN broken "\n  " lines)
  message(FATAL_ERROR "Includes that run upwards:\n  ${lines}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files under ${SOURCE_DIR}: every include runs downwards")
