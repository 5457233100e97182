# Read by cpack for each generator: the archive is the portable folder, the
# Debian package the installed layout.
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_ALL installed)
  set(CPACK_DEB_COMPONENT_INSTALL ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_NAME numora)
  set(CPACK_DEBIAN_PACKAGE_SECTION education)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE http://www.numora.example)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-arphic-ukai, fonts-liberation")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
      "pipewire-pulse | pulseaudio, qt6-wayland, qt6-translations-l10n, at-spi2-core")
  set(CPACK_PACKAGE_DESCRIPTION
      "A child, parent or teacher picks one of twelve training ranges, a timed or\ncounted mode and an amount; Numora asks the questions, judges every typed\nanswer at once with a right or wrong sound and saves the whole run as a\ntraining record. numora-report shows progress across runs and turns the\nquestions a child keeps getting wrong into a practice bank. The window is\nin Simplified Chinese.")
else()
  set(CPACK_COMPONENTS_ALL portable)
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_PACKAGE_FILE_NAME numora-${CPACK_PACKAGE_VERSION}-linux-x86_64)
  set(CPACK_ARCHIVE_FILE_NAME ${CPACK_PACKAGE_FILE_NAME})
  # One folder in the archive; a component install needs its own switch.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
