# The message catalogues: every po/<language>.po compiled by msgfmt (which
# checks its format strings against the English ones) and built into the
# program, so each platform reads the same catalogues the same way.
find_program(MARIVANE_MSGFMT msgfmt REQUIRED)
file(GLOB MARIVANE_PO_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/*.po)
set(MARIVANE_MO_FILES "")
set(MARIVANE_CATALOGUES "")
foreach(po ${MARIVANE_PO_FILES})
  get_filename_component(language ${po} NAME_WE)
  set(mo ${CMAKE_BINARY_DIR}/po/${language}.mo)
  add_custom_command(
    OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/po
    COMMAND ${MARIVANE_MSGFMT} --check --output-file=${mo} ${po}
    DEPENDS ${po}
    COMMENT "Compiling the ${language} catalogue"
    VERBATIM)
  list(APPEND MARIVANE_MO_FILES ${mo})
  list(APPEND MARIVANE_CATALOGUES ${language}=${mo})
endforeach()
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/generated/shipped_catalogues.cpp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${CMAKE_BINARY_DIR}/generated/shipped_catalogues.cpp
          "-DCATALOGUES=${MARIVANE_CATALOGUES}" -P ${CMAKE_SOURCE_DIR}/cmake/embed_catalogues.cmake
  DEPENDS ${MARIVANE_MO_FILES} ${CMAKE_SOURCE_DIR}/cmake/embed_catalogues.cmake
  COMMENT "Building the catalogues in"
  VERBATIM)
