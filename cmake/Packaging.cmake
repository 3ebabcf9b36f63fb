# Desktop integration and the Debian package (cpack -G DEB in the build folder
# gives kestrix_1.2.3_amd64.deb).

if(KESTRIX_BUILD_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kestrix.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/kestrix.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME "kestrix")
set(CPACK_PACKAGE_VENDOR "Korvane, Inc.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Desiccant rotor selection and performance for the Cromer cycle")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrix sizes a desiccant rotor from its catalogue for the Cromer cycle and predicts the supply and exhaust air states, moisture removed, heat exchanged, face velocities, pressure drops, condensate and frost risk. It ships with Hygrovex, a psychrometric library, and kestrix-cli for scripts.")
set(CPACK_PACKAGE_CONTACT "Korvane, Inc. <support@korvane.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "amd64")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korvane, Inc. <support@korvane.example>")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), qt6-qpa-plugins, fonts-liberation, libc6, libstdc++6")
include(CPack)
