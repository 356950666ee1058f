# The Windows program's folder, as the zip and the installer carry it: the
# executable with everything it opens beside it (scripts/build-windows).
#   marivane.exe, orlin.dll and the dependencies' DLLs
#   the twelve assets
#   DejaVuSans.ttf, the font used where Windows has no Verdana
#   README.txt, and the licences in licences/
if(NOT IS_DIRECTORY "${MARIVANE_WINDOWS_PREFIX}/bin")
  message(FATAL_ERROR "MARIVANE_WINDOWS_PREFIX must name the cross-built dependencies (scripts/build-windows)")
endif()

# The icon, made from the generated PNG icons, goes into the executable.
find_program(MARIVANE_MAGICK convert REQUIRED)
set(MARIVANE_ICO ${CMAKE_BINARY_DIR}/marivane.ico)
set(MARIVANE_ICON_PNGS)
foreach(size IN ITEMS 48 128 256)
  list(APPEND MARIVANE_ICON_PNGS ${MARIVANE_ICON_DIR}/marivane_${size}.png)
endforeach()
add_custom_command(OUTPUT ${MARIVANE_ICO}
  COMMAND ${MARIVANE_MAGICK} ${MARIVANE_ICON_PNGS} ${MARIVANE_ICO}
  DEPENDS ${MARIVANE_ICON_PNGS}
  COMMENT "Making the Windows icon")
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/marivane.rc.in ${CMAKE_BINARY_DIR}/marivane.rc @ONLY)
target_sources(marivane PRIVATE ${CMAKE_BINARY_DIR}/marivane.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/marivane.rc PROPERTIES OBJECT_DEPENDS ${MARIVANE_ICO})

install(TARGETS marivane RUNTIME DESTINATION . COMPONENT marivane)
file(GLOB MARIVANE_DEPENDENCY_DLLS ${MARIVANE_WINDOWS_PREFIX}/bin/*.dll)
install(FILES ${MARIVANE_DEPENDENCY_DLLS} DESTINATION . COMPONENT marivane)
install(DIRECTORY ${MARIVANE_ASSET_DIR}/ DESTINATION . COMPONENT marivane)
install(FILES /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf DESTINATION . COMPONENT marivane)
# Written by the native build, its controls listed from the program's table.
install(FILES ${MARIVANE_ASSET_DIR}/../windows/README.txt DESTINATION . COMPONENT marivane)
install(FILES ${MARIVANE_ICO} DESTINATION . COMPONENT marivane)
install(FILES packaging/copyright DESTINATION licences RENAME marivane.txt COMPONENT marivane)
install(FILES /usr/share/doc/fonts-dejavu-core/copyright DESTINATION licences RENAME dejavu-fonts.txt
  COMPONENT marivane)
file(GLOB MARIVANE_DEPENDENCY_LICENCES ${MARIVANE_WINDOWS_PREFIX}/licences/*.txt)
install(FILES ${MARIVANE_DEPENDENCY_LICENCES} DESTINATION licences COMPONENT marivane)
