# Placeholder until the picture generator lands: no pictures yet.
set(TESSELLA_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(TESSELLA_PICTURE_SOURCES "")
