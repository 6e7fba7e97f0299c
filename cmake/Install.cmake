# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package. The programs go to PREFIX/bin and find
# their data in PREFIX/share/zarn (see src/sky/DataFolder.h); `cpack -G DEB`
# in the build folder makes zarn_VERSION_amd64.deb.
include(GNUInstallDirs)

set(ZARN_VERSION ${PROJECT_VERSION})
set(ZARN_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/zarn)
set(ZARN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zarn)
set(ZARN_RES ${CMAKE_SOURCE_DIR}/resources)

install(TARGETS zarn zarn-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZARN_DATA_OUTPUTS} ${ZARN_RES}/eclipse.bmp DESTINATION ${ZARN_SHARE_DIR})
install(FILES ${ZARN_RES}/zarn.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZARN_RES}/org.zarn.Zarn.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 64 128)
  install(FILES ${ZARN_RES}/icons/zarn-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME zarn.png)
endforeach()
install(FILES ${ZARN_RES}/icons/zarn.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages (French, the language of the program) and the changelog,
# compressed as Debian wants them: gzip -9n, without a time stamp.
set(ZARN_GZ_FILES)
foreach(page zarn zarn-calc)
  configure_file(${ZARN_RES}/man/${page}.1 ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  list(APPEND ZARN_GZ_FILES ${CMAKE_BINARY_DIR}/man/${page}.1)
endforeach()
configure_file(${ZARN_RES}/debian/changelog ${CMAKE_BINARY_DIR}/man/changelog COPYONLY)
list(APPEND ZARN_GZ_FILES ${CMAKE_BINARY_DIR}/man/changelog)
set(ZARN_GZ_OUTPUTS)
foreach(file ${ZARN_GZ_FILES})
  add_custom_command(OUTPUT ${file}.gz COMMAND gzip -9nkf ${file} DEPENDS ${file} VERBATIM)
  list(APPEND ZARN_GZ_OUTPUTS ${file}.gz)
endforeach()
add_custom_target(zarn_compressed_docs ALL DEPENDS ${ZARN_GZ_OUTPUTS})
install(FILES ${CMAKE_BINARY_DIR}/man/zarn.1.gz ${CMAKE_BINARY_DIR}/man/zarn-calc.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/man/changelog.gz ${ZARN_RES}/debian/copyright
              ${CMAKE_SOURCE_DIR}/data/sources/catalogue/NOTICE-bsc5
              ${CMAKE_SOURCE_DIR}/data/sources/catalogue/LICENSE-d3-celestial
        DESTINATION ${ZARN_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zarn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zarn")
set(CPACK_PACKAGE_CONTACT "Zarn developers <zarn@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sky charts and ephemerides of the naked-eye sky")
# The long description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zarn computes, for an observatory and a legal date and time, the Sun, the
Moon, the five naked-eye planets, some 7000 stars, the constellations and the
Messier objects, and draws them as sky charts (whole sky, zenith, horizon
panorama, constellation map). It offers ephemerides, twilight, Moon phases,
seasons, planet visibility, conjunctions and oppositions, and prints them.
The user interface is in French.

The zarn-calc command prints the same results for scripts, also as
tab-separated columns.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends: the shared libraries the programs link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The legal time of a place on a named zone comes from the system's
# time-zone database (libdate-tz3, found above, reads it).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "tzdata")
# Without these the dialogs' standard buttons stay in English and the charts
# fall back to another typeface.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
