# `cmake --install` with the GNU directories, and the Debian package built from it by CPack
# (tools/package.sh).
# The udev rule and the service unit go below the prefix like everything else: with /usr they land
# in /usr/lib/udev/rules.d and /usr/lib/systemd/system, where udev and systemd read them.
set(TALVANE_UDEV_RULES_DIR lib/udev/rules.d)
set(TALVANE_SYSTEMD_UNIT_DIR lib/systemd/system)

set(TALVANE_ID example.norvex.Talvane)

install(TARGETS talvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY images/ DESTINATION ${CMAKE_INSTALL_DATADIR}/talvane/images
  PATTERN images.qrc EXCLUDE)
install(FILES packaging/${TALVANE_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${TALVANE_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES packaging/icons/${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${TALVANE_ID}.png)
endforeach()
install(FILES packaging/70-talvane.rules DESTINATION ${TALVANE_UDEV_RULES_DIR})
# The unit names the program by the prefix of the install, which a package build may change.
install(CODE "
  file(READ \"${CMAKE_SOURCE_DIR}/packaging/talvane.service\" unit)
  string(REPLACE \"@BINDIR@\" \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\" unit \"\${unit}\")
  file(WRITE \"${CMAKE_BINARY_DIR}/packaging/talvane.service\" \"\${unit}\")
  file(INSTALL \"${CMAKE_BINARY_DIR}/packaging/talvane.service\"
    DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${TALVANE_SYSTEMD_UNIT_DIR}\")
")
# The change log, copyright and manual page, compressed as Debian policy wants.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
set(TALVANE_COMPRESSED)
foreach(file debian/changelog talvane.1)
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/${file} > ${CMAKE_BINARY_DIR}/packaging/${name}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${file})
  list(APPEND TALVANE_COMPRESSED ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(talvane_changelog ALL DEPENDS ${TALVANE_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz packaging/debian/copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_BINARY_DIR}/packaging/talvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME talvane)
install(FILES packaging/50-talvane.rules DESTINATION ${CMAKE_INSTALL_DATADIR}/polkit-1/rules.d)

# The Debian package. Its dependencies: the libraries the program links (shlibdeps) and the QML
# modules the pages import, which no linker sees.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvane)
set(CPACK_PACKAGE_VENDOR Norvex)
set(CPACK_PACKAGE_CONTACT "Norvex Support <support@norvex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration and monitoring of Norvex DC UPS devices")
set(CPACK_PACKAGE_DESCRIPTION "Talvane configures and monitors 24 V DC UPS devices over a serial
link or USB adapter: device state, event log, e-mails and program starts on
device events, and the PC shutdown the device asks for. A systemd service
runs it without window.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://norvex.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TALVANE_QT_MAJOR EQUAL 5)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml-module-qtquick2, qml-module-qtquick-controls2, qml-module-qtquick-templates2, qml-module-qt-labs-platform, qml-module-qtquick-layouts, qml-module-qtquick-window2, libqt5sql5-sqlite, libqt5svg5, qml-module-qtcharts")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qml6-module-qtqml, qml6-module-qtqml-workerscript, qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qt-labs-platform, qml6-module-qtquick-layouts, qml6-module-qtquick-window, libqt6sql6-sqlite, libqt6svg6, qml6-module-qtcharts, qt6-qpa-plugins")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "polkitd")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${CMAKE_SOURCE_DIR}/packaging/debian/postinst ${CMAKE_SOURCE_DIR}/packaging/debian/prerm
  ${CMAKE_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
