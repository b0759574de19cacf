# The Debian package (scripts/package): what `cmake --install` installs,
# packed by CPack. The libraries it needs are found by dpkg-shlibdeps. Qt
# loads two kinds of plugin that no library depends on: the platform
# plugins, without which no window opens, and the TIFF and WebP readers of
# File|Import Picture; the package asks for both itself.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrova)
set(CPACK_PACKAGE_VENDOR "The Kestrova developers")
set(CPACK_PACKAGE_CONTACT "The Kestrova developers <developers@kestrova.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graph digitizer: turns pictures of graphs into numbers")
set(CPACK_PACKAGE_DESCRIPTION "Load a scanned plot, set the X and Y ranges of the graph, line the
picture up with the graph square and click along each curve: every click
becomes a data point in the units of the graph. Curves are read from and
written to plain-text .dat and .csv files.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kestrova.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins")
include(CPack)
