# One place for what every library target of the project shares: include root, warnings.
function(vantrel_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(VANTREL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
    # GCC 12's -Wrestrict at -O3 fires inside std::string's own copies (GCC bug 105329): it
    # stays a warning, so a Release build with -Werror is not stopped by the library's code.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -Wno-error=restrict)
    endif()
  endif()
endfunction()

function(vantrel_add_library name)
  add_library(${name} ${ARGN})
  add_library(vantrel::${name} ALIAS ${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  vantrel_set_warnings(${name})
endfunction()

function(vantrel_add_executable name)
  add_executable(${name} ${ARGN})
  vantrel_set_warnings(${name})
endfunction()
