# Puts the built page into one zip archive whose single folder is the page as a static host
# serves it, with a README on how to serve it.
# cmake -DPAGE=built-page -DPAGE_SOURCES=src/web/page -DREADME=README.txt -DSTAGING=folder
#       -DOUTPUT=archive.zip -P web_archive.cmake
get_filename_component(name ${OUTPUT} NAME_WLE)
set(folder ${STAGING}/${name})
file(REMOVE_RECURSE ${STAGING})
file(MAKE_DIRECTORY ${folder})

# The page's own files as the build copies them, and what the build makes from them; nothing
# else that may lie in the build's page folder.
file(GLOB sources RELATIVE ${PAGE_SOURCES} ${PAGE_SOURCES}/*)
foreach(file IN LISTS sources ITEMS vantrel.js vantrel.wasm standalone.html)
  if(NOT EXISTS ${PAGE}/${file})
    message(FATAL_ERROR "${PAGE}/${file} is missing: build the page first")
  endif()
  file(COPY ${PAGE}/${file} DESTINATION ${folder})
endforeach()
file(COPY ${README} DESTINATION ${folder})

file(REMOVE ${OUTPUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUTPUT} --format=zip -- ${name}
  WORKING_DIRECTORY ${STAGING} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not write ${OUTPUT}")
endif()
