# The first install rule: every file that `cmake --install` copies out of the
# build folder must have been built, or the install stops before it has
# copied anything. A half install (the program without its icon, say) would
# leave files that no uninstall knows of.
set(MARIVANE_INSTALL_INPUTS
  $<TARGET_FILE:marivane> $<TARGET_FILE:orlin> ${MARIVANE_ASSETS_STAMP}
  ${MARIVANE_GZIP_DIR}/marivane.6.gz ${MARIVANE_GZIP_DIR}/changelog.gz)
foreach(language IN LISTS MARIVANE_MANUAL_LANGUAGES)
  list(APPEND MARIVANE_INSTALL_INPUTS ${MARIVANE_GZIP_DIR}/marivane.${language}.6.gz)
endforeach()
foreach(size IN LISTS MARIVANE_ICON_SIZES)
  list(APPEND MARIVANE_INSTALL_INPUTS ${MARIVANE_ICON_DIR}/marivane_${size}.png)
endforeach()
install(CODE "
  set(missing)
  foreach(input IN ITEMS ${MARIVANE_INSTALL_INPUTS})
    if(NOT EXISTS \"\${input}\")
      string(APPEND missing \"\\n  \${input}\")
    endif()
  endforeach()
  if(missing)
    message(FATAL_ERROR \"Nothing was installed: the build folder lacks\${missing}\\n\"
      \"Build it first: cmake --build ${CMAKE_BINARY_DIR} --target installable (scripts/run does), \"
      \"or cmake --build ${CMAKE_BINARY_DIR}.\")
  endif()
" ALL_COMPONENTS)
