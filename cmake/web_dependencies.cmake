# What the web build links instead of the desktop's libraries: emscripten's
# own SDL 1.2, the program's fixed-function GL over WebGL (web/gl/), and
# libpng, zlib and FreeType cross-built by scripts/build-web into
# MARIVANE_WEB_PREFIX.
set(MARIVANE_WEB_PREFIX "" CACHE PATH "Libraries cross-built for the web")
if(NOT IS_DIRECTORY "${MARIVANE_WEB_PREFIX}")
  message(FATAL_ERROR "The web build links libraries built by scripts/build-web: set MARIVANE_WEB_PREFIX")
endif()
list(APPEND CMAKE_FIND_ROOT_PATH ${MARIVANE_WEB_PREFIX})
set(ENV{PKG_CONFIG_LIBDIR} ${MARIVANE_WEB_PREFIX}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

file(GLOB MARIVANE_WEBGL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/gl/*.cpp)
add_library(marivane_webgl STATIC ${MARIVANE_WEBGL_SOURCES})
target_include_directories(marivane_webgl PUBLIC ${CMAKE_SOURCE_DIR}/web/include)
add_library(OpenGL::GL INTERFACE IMPORTED)
target_link_libraries(OpenGL::GL INTERFACE marivane_webgl)
add_library(OpenGL::GLU INTERFACE IMPORTED)
target_link_libraries(OpenGL::GLU INTERFACE marivane_webgl)

# emscripten's SDL 1.2 is part of its system libraries.
add_library(PkgConfig::SDL INTERFACE IMPORTED)

set(ZLIB_LIBRARY ${MARIVANE_WEB_PREFIX}/lib/libz.a)
set(ZLIB_INCLUDE_DIR ${MARIVANE_WEB_PREFIX}/include)
set(PNG_LIBRARY ${MARIVANE_WEB_PREFIX}/lib/libpng16.a)
set(PNG_PNG_INCLUDE_DIR ${MARIVANE_WEB_PREFIX}/include)
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
target_link_libraries(PkgConfig::FREETYPE INTERFACE ZLIB::ZLIB)

file(GLOB MARIVANE_WEB_PLATFORM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/platform/*.cpp)
