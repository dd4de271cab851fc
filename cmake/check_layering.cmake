# Fails when an include under src/ runs upwards: a file of the core including a layer above its
# own, a shell's header or Qt's; the renderer including a shell; one shell including another; or a
# file in a folder that is neither a layer nor a shell. The folder alone decides a file's place.
# Run from ctest, or by hand: cmake -DSOURCE_DIR=src -P cmake/check_layering.cmake
cmake_minimum_required(VERSION 3.25)

# The core's layers, bottom first: a file may include its own layer and the layers below it.
set(layers numerics text language reports surface state plot input loads coefficients vortex app lessons
  panel survey)
# The Qt painter of display lists: above the whole core, below every shell.
set(renderer render)
# The shells, side by side: each may include the core, the renderer and itself, never another.
set(shells window batch web)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
set(broken "")
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp"
  "${SOURCE_DIR}/*.inc")
foreach(source IN LISTS sources)
  string(REGEX REPLACE "/.*" "" folder "${source}")
  list(FIND layers "${folder}" rank)
  if(NOT rank EQUAL -1)
    set(kind "core")
  elseif(folder IN_LIST renderer)
    set(kind "renderer")
  elseif(folder IN_LIST shells)
    set(kind "shell")
  else()
    list(APPEND broken "${source}: the folder \"${folder}\" is neither a layer of the core nor a shell")
    continue()
  endif()

  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "<Q")
      if(kind STREQUAL "core")
        list(APPEND broken "${source}: ${line} (the core does not use Qt)")
      endif()
      continue()
    endif()
    if(NOT line MATCHES "\"([^\"]+)\"")
      continue()
    endif()
    set(included "${CMAKE_MATCH_1}")
    if(NOT included MATCHES "/")
      continue()  # a file beside the including one
    endif()
    string(REGEX REPLACE "/.*" "" theirs "${included}")
    if(theirs STREQUAL folder)
      continue()
    endif()
    list(FIND layers "${theirs}" their_rank)
    if(kind STREQUAL "core")
      if(their_rank EQUAL -1 OR their_rank GREATER rank)
        list(APPEND broken "${source}: ${line} (${folder} may not include ${theirs})")
      endif()
    elseif(kind STREQUAL "renderer")
      if(their_rank EQUAL -1)
        list(APPEND broken "${source}: ${line} (the renderer may include only the core)")
      endif()
    elseif(their_rank EQUAL -1 AND NOT theirs IN_LIST renderer)
      list(APPEND broken "${source}: ${line} (a shell may include the core and the renderer, not ${theirs})")
    endif()
  endforeach()
endforeach()

if(broken)
  list(JOIN broken "\n  " lines)
  message(FATAL_ERROR "Includes that run upwards or sideways:\n  ${lines}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files under ${SOURCE_DIR}: every include runs downwards")
