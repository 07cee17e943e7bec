# `make package`: a .deb of the installed tree for Debian 12. The dependencies are the runtime
# packages holding the libraries the programs link (dpkg -S on each), listed by hand so that
# the package builds anywhere CPack runs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torval)
set(CPACK_PACKAGE_VENDOR "The TORVAL developers")
set(CPACK_PACKAGE_CONTACT "The TORVAL developers <torval@localhost>" CACHE STRING
    "Maintainer field of the .deb")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "health-risk exposure assessment of chemicals in the environment")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "TORVAL computes the intake of chemicals in mg/(kg-day) over nine exposure pathways from\n\
the output of contaminant-transport models or typed concentrations, with Monte Carlo\n\
simulation of any parameter. The package holds the desktop program torval, the\n\
command-line program torval-cli, the plot viewer charton, the help pages and sample\n\
analyses.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(qt "(>= 6.4.2)")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 12), \
libqt6core6 ${qt}, libqt6gui6 ${qt}, libqt6widgets6 ${qt}, libqt6printsupport6 ${qt}, \
libqt6charts6 ${qt}, libqt6svg6 ${qt}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
include(CPack)
