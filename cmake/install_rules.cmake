# What `cmake --install` puts where, in two components: "marivane" (the
# program, liborlin's runtime file, the assets, the desktop entry, icon and
# manual page) and "orlin-dev" (Orlin's headers, link-time name, pkg-config
# and CMake package; gui/CMakeLists.txt).
install(TARGETS marivane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT marivane)
install(DIRECTORY ${MARIVANE_ASSET_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/marivane COMPONENT marivane)
foreach(size IN LISTS MARIVANE_ICON_SIZES)
  install(FILES ${MARIVANE_ICON_DIR}/marivane_${size}.png RENAME marivane.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT marivane)
endforeach()
install(FILES packaging/marivane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT marivane)

# The manual pages (English and each translation, docs/marivane.<language>.6)
# and the Debian changelog are installed compressed, without a time stamp in
# the gzip header, as Debian packages carry them.
set(MARIVANE_GZIPPED)
foreach(source docs/marivane.6 ${MARIVANE_MANUAL_TRANSLATIONS} packaging/changelog)
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${MARIVANE_GZIP_DIR}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MARIVANE_GZIP_DIR}
    COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/${source} > ${MARIVANE_GZIP_DIR}/${name}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    COMMENT "Compressing ${name}")
  list(APPEND MARIVANE_GZIPPED ${MARIVANE_GZIP_DIR}/${name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${MARIVANE_GZIPPED})
install(FILES ${MARIVANE_GZIP_DIR}/marivane.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT marivane)
foreach(language IN LISTS MARIVANE_MANUAL_LANGUAGES)
  install(FILES ${MARIVANE_GZIP_DIR}/marivane.${language}.6.gz RENAME marivane.6.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/${language}/man6 COMPONENT marivane)
endforeach()

# Each package's own doc folder holds the copyright file and the changelog.
foreach(component_package marivane:marivane orlin-dev:liborlin-dev)
  string(REPLACE ":" ";" pair ${component_package})
  list(GET pair 0 component)
  list(GET pair 1 package)
  install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
  install(FILES ${MARIVANE_GZIP_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package}
    COMPONENT ${component})
endforeach()

# Everything the install copies out of the build folder; scripts/run builds
# it, so that `cmake --install` can follow without another build step.
add_custom_target(installable)
add_dependencies(installable marivane orlin assets icons compressed_docs)

# The way back from a prefix install: removes every file the last
# `cmake --install` of this build folder wrote (install_manifest*.txt).
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/uninstall.cmake
  COMMENT "Removing the installed files"
  VERBATIM)
