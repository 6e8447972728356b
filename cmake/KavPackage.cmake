# The Debian package: cpack in a build folder configured with
# -DCMAKE_INSTALL_PREFIX=/usr gives kavstudio_<version>_<arch>.deb.
# Build it with the distribution's hardening flags (dpkg-buildflags);
# scripts/kav.sh package does both.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavstudio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "KavStudio developers")
set(CPACK_PACKAGE_CONTACT "KavStudio developers <kavstudio@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test program for rotary pulse encoders with the KAV100")
set(CPACK_PACKAGE_DESCRIPTION
"KavStudio drives the KAV100, a USB test device for rotary pulse encoders,
through its FTDI USB serial converter: live current values, bad pulses and
rotational oscillation, records from the device's memory, record files,
printing. German and English user interface.

The package holds the program, kavctl (the device from the command line),
kav100sim (a simulated device on a pseudo-terminal), the display control
libraries with their Qt Designer plugin, and a udev rule that gives the
user at the seat access to the converter.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries from dpkg-shlibdeps; the platform plugins (xcb, wayland)
# and the archive's SQL drivers are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "designer-qt6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
