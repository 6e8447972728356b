# Where an installed KavStudio puts its parts (GNU layout; on Debian with the
# prefix /usr the library folder is lib/<multiarch>). The control libraries and
# the simulated device's D2XX library lie in a private folder that the
# programs find from their own place, so no library search path is needed.
include(GNUInstallDirs)

set(KAV_INSTALL_PRIVATE_LIBDIR "${CMAKE_INSTALL_LIBDIR}/kavstudio")
if(DEFINED QT6_INSTALL_PLUGINS)
  set(KAV_INSTALL_DESIGNER_PLUGINDIR "${QT6_INSTALL_PLUGINS}/designer")
else()
  set(KAV_INSTALL_DESIGNER_PLUGINDIR "${CMAKE_INSTALL_LIBDIR}/qt6/plugins/designer")
endif()

# The private folder as seen from the programs' folder and from the plugin's.
file(RELATIVE_PATH KAV_PRIVATE_LIBDIR_FROM_BINDIR "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${KAV_INSTALL_PRIVATE_LIBDIR}")
file(RELATIVE_PATH KAV_PRIVATE_LIBDIR_FROM_DESIGNER "${CMAKE_INSTALL_PREFIX}/${KAV_INSTALL_DESIGNER_PLUGINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${KAV_INSTALL_PRIVATE_LIBDIR}")

# The desktop entry's, the icon's and the AppStream component's name.
set(KAV_APP_ID "org.kavstudio.KavStudio")
