# The web page: one HTML file holding the program, its assets and a font.
set(MARIVANE_WEB_FONT /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf CACHE FILEPATH "The font built into the page")
if(NOT EXISTS "${MARIVANE_WEB_FONT}")
  message(FATAL_ERROR "The page's font ${MARIVANE_WEB_FONT} is missing (Debian's fonts-dejavu-core)")
endif()
set_target_properties(marivane PROPERTIES SUFFIX ".html")
target_sources(marivane PRIVATE ${CMAKE_SOURCE_DIR}/web/page_api.cpp ${CMAKE_SOURCE_DIR}/web/page_texts.cpp)
target_link_options(marivane PRIVATE
  -sSINGLE_FILE=1 -sMINIFY_HTML=0 -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=0
  -sMAX_WEBGL_VERSION=1 -sEXPORTED_RUNTIME_METHODS=FS,ccall
  "--shell-file=${CMAKE_SOURCE_DIR}/web/page/shell.html"
  "--js-library=${CMAKE_SOURCE_DIR}/web/page/page_bridge.js"
  # The twelve assets in the working directory, where the program looks first.
  "--embed-file=${MARIVANE_ASSET_DIR}@/"
  "--embed-file=${MARIVANE_WEB_FONT}@/fonts/DejaVuSans.ttf")
set_property(TARGET marivane APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_SOURCE_DIR}/web/page/shell.html ${CMAKE_SOURCE_DIR}/web/page/page_bridge.js)
