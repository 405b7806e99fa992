# Pictures (title, toolbar, help screens, message boxes) are text files in
# src/ui/pictures/. The picgen tool checks them and turns them into one generated
# source file of screen images, buttons and fields, and a header naming them all at
# compile time (ui/picture_ids.h); a mistake in a picture stops the build with its
# file and line.
set(TESSELLA_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

add_executable(tessella_picgen
  ${CMAKE_SOURCE_DIR}/tools/picgen.cpp
  ${CMAKE_SOURCE_DIR}/src/console/cp437.cpp)
target_include_directories(tessella_picgen PRIVATE ${CMAKE_SOURCE_DIR}/src)

file(GLOB TESSELLA_PICTURE_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/ui/pictures/*.pic)
list(SORT TESSELLA_PICTURE_FILES)

set(TESSELLA_PICTURE_SOURCES ${TESSELLA_GENERATED_DIR}/pictures.cpp
  ${TESSELLA_GENERATED_DIR}/ui/picture_ids.h)
add_custom_command(
  OUTPUT ${TESSELLA_PICTURE_SOURCES}
  COMMAND tessella_picgen ${TESSELLA_GENERATED_DIR} ${TESSELLA_PICTURE_FILES}
  DEPENDS tessella_picgen ${TESSELLA_PICTURE_FILES}
  COMMENT "Building the picture catalogue"
  VERBATIM)
