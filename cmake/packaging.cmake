# The Debian package, built by `make package` (mk/package.mk) with CPack.
#
# The program folder that `cmake --install` writes goes to /opt/potoran as it
# stands. Beside it the package holds the launcher (/usr/bin/potoran), the
# menu entry and its icon. Those three are excluded from a plain
# `cmake --install`, which writes a portable folder and must not touch /usr;
# CPack asks for their component by name.

set(POTORAN_PACKAGE_PREFIX /opt/potoran) # also the launcher's default
set(packaging_dir ${CMAKE_CURRENT_LIST_DIR}/packaging)

install(PROGRAMS ${packaging_dir}/potoran-launcher.sh
        DESTINATION /usr/bin RENAME potoran
        COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES ${packaging_dir}/potoran.desktop
        DESTINATION /usr/share/applications
        COMPONENT desktop EXCLUDE_FROM_ALL)
# The icon at every size launchers ask for, so none is upscaled.
foreach(size ${POTORAN_ICON_SIZES})
  install(FILES ${POTORAN_DIR}/pictures/icon-${size}.png
          DESTINATION /usr/share/icons/hicolor/${size}x${size}/apps RENAME potoran.png
          COMPONENT desktop EXCLUDE_FROM_ALL)
endforeach()
# Tells the installed program to keep the learner's files in the learner's
# own data folder: /opt/potoran belongs to root.
install(FILES ${packaging_dir}/learner-files-in-home
        DESTINATION . COMPONENT desktop EXCLUDE_FROM_ALL)
# Debian's copyright and changelog.
# A version without a Debian revision is a native package: changelog.gz.
configure_file(${packaging_dir}/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog)
configure_file(${packaging_dir}/potoran.1 ${CMAKE_BINARY_DIR}/potoran.1 COPYONLY)
execute_process(COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/potoran.1)
install(FILES ${CMAKE_BINARY_DIR}/potoran.1.gz
        DESTINATION /usr/share/man/man1 COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES ${packaging_dir}/copyright
        DESTINATION /usr/share/doc/potoran COMPONENT desktop EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION /usr/share/doc/potoran COMPONENT desktop EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME potoran)
set(CPACK_PACKAGE_VENDOR "Potoran developers")
set(CPACK_PACKAGE_CONTACT "Potoran developers <potoran@example.org>")
# CPack installs into its staging folder through DESTDIR, so the absolute
# destinations (/usr/...) land there and not on this machine; the prefix it
# installs under is then CPACK_INSTALL_PREFIX.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX ${POTORAN_PACKAGE_PREFIX})
set(CPACK_PACKAGING_INSTALL_PREFIX ${POTORAN_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)

# One package from the executable, the data and the desktop files; whatever
# else gets an install rule later stays out until it is named here.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified data desktop)

set(CPACK_DEBIAN_PACKAGE_NAME potoran)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "English drill program for Japanese learners
ぽとらん for TOEIC drills the learner through 204 built-in question sets
(grammar, entrance-exam practice, idioms, TOEIC and school vocabulary):
type each English answer, retype what was missed, earn a check mark for
every perfect set, and write sets of your own. The window is in Japanese.
Each user's settings, marks and own sets are kept under
~/.local/share/potoran.")
# dpkg-shlibdeps adds the libraries the executable links with, the Qt 6
# runtime among them (libqt6widgets6, libqt6multimedia6, libqt6gui6,
# libqt6core6, with their least versions; mk/package.mk checks they are
# there). Named here are the fonts the settings name: the IPA fonts stand in
# for the Japanese ones, Liberation for the Latin ones.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt translations put the standard dialogs in Japanese.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-liberation, qt6-translations-l10n")
# Japanese input in the editor: uim, which Debian's Japanese desktop brings,
# has no Qt 6 module.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-mozc, fcitx5-frontend-qt6 | ibus-mozc")

include(CPack)
