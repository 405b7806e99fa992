# One static library per folder of src/, linked downwards only. Each library sees the
# headers of the folders it depends on and of none above it: its include path holds a
# view directory with a link to its own folder, and it inherits the views of what it
# links. A header included from a folder higher up (or beside it, unless listed) is not
# found and the build stops there.
set(TESSELLA_VIEWS ${CMAKE_BINARY_DIR}/include-views)

function(tessella_layer name)
  cmake_parse_arguments(LAYER "" "" "DEPS;SOURCES;LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/src/app/main\\.cpp$")
  set(view ${TESSELLA_VIEWS}/${name})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${name} ${view}/${name} SYMBOLIC)
  if(sources OR LAYER_SOURCES)
    add_library(tessella_${name} STATIC ${sources} ${LAYER_SOURCES})
    set(scope PUBLIC)
  else()
    add_library(tessella_${name} INTERFACE)  # a folder of headers only
    set(scope INTERFACE)
  endif()
  target_include_directories(tessella_${name} ${scope} ${view})
  foreach(dep ${LAYER_DEPS})
    target_link_libraries(tessella_${name} ${scope} tessella_${dep})
  endforeach()
  target_link_libraries(tessella_${name} ${scope} ${LAYER_LIBS})
  if(scope STREQUAL PUBLIC)
    target_link_libraries(tessella_${name} PRIVATE tessella_warnings)
  endif()
endfunction()
