# A Debian package of what `cmake --install` puts in place: zerapol_1.00_<arch>.deb.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zerapol")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Zerapol developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Reads the colour code of a resistor marked with five bands: three significant\n"
    "digits, a multiplier and a tolerance, chosen by their Serbian colour names.\n"
    "It shows the digits, the zeros to append and the tolerance; it keeps no settings\n"
    "and reads and writes no files.")
set(CPACK_PACKAGE_CONTACT "Zerapol developers <maintainers@zerapol.example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the binary's libraries do not pull in: Qt only recommends its platform plugins, and the
# window's faces (Liberation Mono for Courier, Liberation Sans Narrow for the dialog text).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's Wayland platform plugin, so that the window runs natively on a Wayland desktop (and at
# all on one without X).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
