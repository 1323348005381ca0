# The Debian package: `cpack -G DEB` in the build folder (scripts/package does
# it) makes one .deb with everything the install rules put under the prefix.
# Its dependencies are what dpkg-shlibdeps finds the programs linked against;
# gnuplot draws the pictures of mirelo-plot and is only recommended.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quantum particle in one dimension (Crank-Nicolson simulator)")
# Wrapped as a control file wants it; CPack indents every line.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Integrates the time-dependent Schroedinger equation of one particle in one"
  "dimension with the Crank-Nicolson scheme: binding potentials, a laser pulse"
  "in the length or velocity gauge, absorbing boundaries."
  "mirelo is the console solver, tarn the Qt wizard that runs and plots a"
  "simulation, ovint computes overlaps of saved wavefunctions and mirelo-plot"
  "draws the pictures of a run.")
set(QUANTUM1D_MAINTAINER "quantum1d developers <quantum1d@localhost>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${QUANTUM1D_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUANTUM1D_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS gnuplot-nox)
include(CPack)
