# Install rules and the Debian package (make package): the two programs, the desktop
# entry, the hicolor icons and the .lcd MIME type (the manual's own rules are in docs/).

include(GNUInstallDirs)

set(ZOZAVUD_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS zozavud zozavud-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ZOZAVUD_PACKAGING_DIR}/zozavud.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZOZAVUD_PACKAGING_DIR}/zozavud.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
foreach(size 16 32 48)
  install(FILES ${PROJECT_SOURCE_DIR}/ui/icons/zozavud-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME zozavud.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zozavud)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ORVANEX)
set(CPACK_PACKAGE_CONTACT "zozavud maintainers <zozavud@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the LCD message pictures of QD-N800 receipt printers")
set(CPACK_PACKAGE_DESCRIPTION
  "Designs the 19 message pictures (256 x 25 dots) that QD-N800 receipt printers show on\
 their graphic LCD, from text in any installed font or from bitmaps, with a live preview;\
 saves them as .lcd documents and turns them into printer commands, written to files or\
 sent through CUPS. zozavud-cli does the same from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt 6, libcups and ICU come from dpkg-shlibdeps; the fonts the renderer asks for by name
# are no link dependency, so they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-wine, fonts-liberation2, fonts-ipafont-gothic, fonts-wqy-microhei")
# Help hands the manual to the desktop's viewer for .chm files, and falls back to the
# HTML pages in the browser without one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm")
find_program(ZOZAVUD_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZOZAVUD_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Debian 12's names; dpkg-dev gives exact versions and is in scripts/install-deps.sh.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
    ", libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libcups2, libicu72")
endif()
# Stripping drops debug data only: the version block lives in an allocated section.
# The post-build check below proves it on the finished package.
set(CPACK_STRIP_FILES ON)
set(CPACK_ZOZAVUD_CHECK_SCRIPT ${ZOZAVUD_PACKAGING_DIR}/check-install-tree.sh)
set(CPACK_ZOZAVUD_FILE_VERSION ${PROJECT_VERSION})
set(CPACK_POST_BUILD_SCRIPTS ${ZOZAVUD_PACKAGING_DIR}/CheckPackage.cmake)
include(CPack)

if(ZOZAVUD_BUILD_TESTS)
  set(tree ${CMAKE_BINARY_DIR}/packaging-test-root)
  add_test(NAME packaging_install_tree
    COMMAND sh -c "rm -rf \"$0\" && DESTDIR=\"$0\" \"$1\" --install \"$2\" --prefix /usr --strip > /dev/null && \"$3\" \"$0/usr\" \"$4\" && rm -rf \"$0\""
      ${tree} ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${ZOZAVUD_PACKAGING_DIR}/check-install-tree.sh
      ${PROJECT_VERSION})
  set_tests_properties(packaging_install_tree PROPERTIES LABELS packaging RUN_SERIAL TRUE)
endif()
