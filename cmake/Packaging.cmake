# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# Debian package: `cpack -G DEB` in the build folder (or `cmake --build build --target package`).
set(CPACK_PACKAGE_NAME "quintora")
set(CPACK_PACKAGE_VENDOR "Velmarin Software")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Game clock for basketball with every player's playing time")
set(CPACK_PACKAGE_DESCRIPTION "Quintora shows a large seven-segment game clock with START, PAUSE and RESET,\n two team rosters with on-court check marks, each player's playing time, and\n exports all playing times into a spreadsheet workbook.")
set(CPACK_PACKAGE_CONTACT "Velmarin Software <quintora@velmarin.example>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "quintora")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# The program finds its help page and sample teams in ../share/quintora
# beside its bin folder, so any build tree can be packaged for /usr,
# whatever CMAKE_INSTALL_PREFIX it was configured with.
# The debug information stays in the build tree; the package gets the
# stripped program.
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.velmarin.example/")
# Library dependencies come from the binary itself; the rest is what the
# program needs at run time but does not link (Qt's catalogues put its own
# dialogs and buttons into the user's language).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-calc | gnumeric")
include(CPack)
