# The Debian packages, built by scripts/package with CPack: "marivane" (the
# program, its runtime library, data, desktop entry, icon and manual page)
# and "liborlin-dev" (Orlin's development files).
set(MARIVANE_PACKAGE_MAINTAINER "Marivane developers <marivane@example.org>"
  CACHE STRING "Maintainer field of the Debian packages")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marivane)
set(CPACK_PACKAGE_VENDOR "Marivane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${MARIVANE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL marivane orlin-dev)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${MARIVANE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_MARIVANE_PACKAGE_NAME marivane)
set(CPACK_DEBIAN_MARIVANE_PACKAGE_SECTION science)
# The extended description is the README's opening paragraph, so the two
# never tell different stories. CPack indents it and turns its empty lines
# into the " ." paragraph breaks of a control file.
file(READ ${CMAKE_SOURCE_DIR}/README.md MARIVANE_README)
string(REGEX MATCH "Marivane is a small desktop demonstration[^\n]*(\n[^\n]+)*" MARIVANE_README_OPENING
  "${MARIVANE_README}")
if(NOT MARIVANE_README_OPENING)
  message(FATAL_ERROR "README.md has lost its opening paragraph (\"Marivane is a small desktop demonstration ...\"), "
    "which the package description is made from")
endif()
set(CPACK_COMPONENT_MARIVANE_DESCRIPTION "underwater demonstration of how daylight loses its colours
${MARIVANE_README_OPENING}

The package also holds liborlin, the small GUI overlay library the program
draws its panels with: the help, the frame rate, the colour chart, the
colour model's name under the gauge and its messages.")
# liborlin.so.1 lives in this package: a shlibs file for packages that link
# it, and the ldconfig trigger.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_MARIVANE_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_MARIVANE_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_ORLIN-DEV_PACKAGE_NAME liborlin-dev)
set(CPACK_DEBIAN_ORLIN-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_ORLIN-DEV_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_ORLIN-DEV_PACKAGE_DEPENDS "marivane (= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_ORLIN-DEV_DESCRIPTION "development files for Orlin, Marivane's GUI overlay library
Orlin draws a small GUI overlay with OpenGL over a host program's scene and
takes the host's keyboard and mouse input. This package holds its C++
headers, the link-time library name, a pkg-config file (orlin) and a CMake
package (find_package(Orlin) gives the target Orlin::orlin).")

include(CPack)
