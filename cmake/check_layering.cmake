# Fails when a file of the core includes a header from a layer above its own, a shell's, or Qt's.
# Run from ctest, or by hand: cmake -DSOURCE_DIR=src -P cmake/check_layering.cmake
#
# The core's layers, bottom first: a file may include its own layer and the layers below it.
# src/app holds the bottom (the shared state) and the top (the window model) of the core; the
# panel method stands on the window model, as its lesson runs thin-airfoil theory on a copy.
cmake_minimum_required(VERSION 3.25)
set(layers app_state plot input loads coefficients vortex app_top panel)
# Above the core: these may include anything the core offers, the core nothing of theirs.
set(shells window batch web render)

function(layer_of path out)  # path under src/, e.g. "loads/aero_loads.h"
  if(path MATCHES "^app/(form1_handlers|headless_controls|compare_methods|convergence_study|convergence_table)\\.")
    set(${out} app_top PARENT_SCOPE)
  elseif(path MATCHES "^app/")
    set(${out} app_state PARENT_SCOPE)
  else()
    string(REGEX REPLACE "/.*" "" folder "${path}")
    set(${out} ${folder} PARENT_SCOPE)
  endif()
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
