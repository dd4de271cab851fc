# The two kept header-only libraries for number text: fast_float (reading) and fmt (writing).
# Both builds use the same headers; a WebAssembly build cannot search the host's include folder
# as a whole, so it sees them through a folder holding only these two.
find_path(VANTREL_FAST_FLOAT_INCLUDE fast_float/fast_float.h NO_CMAKE_FIND_ROOT_PATH
  HINTS /usr/include /usr/local/include)
find_path(VANTREL_FMT_INCLUDE fmt/format.h NO_CMAKE_FIND_ROOT_PATH
  HINTS /usr/include /usr/local/include)
if(NOT VANTREL_FAST_FLOAT_INCLUDE OR NOT VANTREL_FMT_INCLUDE)
  message(FATAL_ERROR "fast_float and fmt headers are needed: run scripts/install-deps")
endif()

add_library(vantrel_kept_headers INTERFACE)
target_compile_definitions(vantrel_kept_headers INTERFACE FMT_HEADER_ONLY)
if(EMSCRIPTEN)
  set(kept ${CMAKE_BINARY_DIR}/kept-headers)
  file(MAKE_DIRECTORY ${kept})
  file(CREATE_LINK ${VANTREL_FAST_FLOAT_INCLUDE}/fast_float ${kept}/fast_float SYMBOLIC)
  file(CREATE_LINK ${VANTREL_FMT_INCLUDE}/fmt ${kept}/fmt SYMBOLIC)
  target_include_directories(vantrel_kept_headers SYSTEM INTERFACE ${kept})
  # The batch tool's JSON library is header-only too; its package is answered from here.
  find_path(VANTREL_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp NO_CMAKE_FIND_ROOT_PATH
    HINTS /usr/include /usr/local/include)
  if(VANTREL_NLOHMANN_JSON_INCLUDE)
    file(CREATE_LINK ${VANTREL_NLOHMANN_JSON_INCLUDE}/nlohmann ${kept}/nlohmann SYMBOLIC)
    add_library(vantrel_nlohmann_json INTERFACE)
    target_include_directories(vantrel_nlohmann_json SYSTEM INTERFACE ${kept})
    add_library(nlohmann_json::nlohmann_json ALIAS vantrel_nlohmann_json)
    file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/nlohmann_json-config.cmake "")
    file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/nlohmann_json-config-version.cmake
      "set(PACKAGE_VERSION 3)\nset(PACKAGE_VERSION_COMPATIBLE TRUE)\n")
  endif()
else()
  target_include_directories(vantrel_kept_headers SYSTEM INTERFACE ${VANTREL_FAST_FLOAT_INCLUDE}
    ${VANTREL_FMT_INCLUDE})
endif()
