# What `cmake --install` puts where (GNU layout below the prefix), and the package CPack makes
# of it: a Debian package on Linux, a zip archive for Windows.
install(TARGETS seawrack_polydump RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT WIN32)
  install(FILES man/seawrack_polydump.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES examples/map1.dxf examples/map1.answers DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_PACKAGE_VENDOR "Seawrack dev")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert the sea polylines of an ASCII DXF drawing into a .rak point list")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "seawrack_polydump asks on the console for a folder, a drawing, an output name\n"
    "and a layer, and writes the drawing's extents and the vertices of every\n"
    "polyline on that layer, the layer that marks the sea in the source maps, as a\n"
    ".rak point-list file for other programs.")
set(CPACK_STRIP_FILES ON)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB)
  # Debian package names take no underscore.
  set(CPACK_DEBIAN_PACKAGE_NAME seawrack-polydump)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Seawrack dev <dev@seawrack.invalid>")
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
