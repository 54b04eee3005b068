# One static library per layer folder; a layer links only the layers below it, so an
# include of a higher layer fails to link.
function(qz_layer name dir)
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*.cpp)
  list(FILTER _sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${name} STATIC ${_sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(${name} PRIVATE ${QZ_WARNINGS})
  if(ARGN)
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()
