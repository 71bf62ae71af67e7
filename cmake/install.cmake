# Installing as a desktop program: the executable in bin/, the data set it reads
# in share/tallivo/, the menu entry, icons and AppStream metadata; and the
# Debian package made from the same rules (cpack -G DEB).
include(GNUInstallDirs)

set(TALLIVO_APP_ID "example.tallivo.Tallivo")
set(_pkg ${CMAKE_SOURCE_DIR}/packaging)
set(_gen ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS tallivo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# the running program names its menu entry, so desktops match its windows to it
target_compile_definitions(tallivo PRIVATE TALLIVO_APP_ID="${TALLIVO_APP_ID}")

# Only the data set: the user's folders, scratch space and the build's own
# executable stay behind (an installed program writes below the user's home).
if(TALLIVO_BUILD_DATA)
  install(DIRECTORY ${TALLIVO_APP_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tallivo
    PATTERN "usrdat" EXCLUDE
    PATTERN "tmp" EXCLUDE
    PATTERN "myvoice" EXCLUDE
    PATTERN "tallivo" EXCLUDE)
endif()

# The menu entry and the metadata carry the id and version from here.
configure_file(${_pkg}/tallivo.desktop.in ${_gen}/${TALLIVO_APP_ID}.desktop @ONLY)
configure_file(${_pkg}/tallivo.metainfo.xml.in ${_gen}/${TALLIVO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_gen}/${TALLIVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_gen}/${TALLIVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# One drawing, rendered at the sizes menus and software centres ask for.
set(_icon ${CMAKE_SOURCE_DIR}/assets/app/tallivo.svg)
add_executable(tallivo_iconpng ${CMAKE_SOURCE_DIR}/tools/iconpng.cpp)
target_link_libraries(tallivo_iconpng PRIVATE Qt6::Gui Qt6::Svg)
set(_pngs)
foreach(_size 48 128 256)
  set(_png ${_gen}/icons/${_size}/${TALLIVO_APP_ID}.png)
  add_custom_command(OUTPUT ${_png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_gen}/icons/${_size}
    COMMAND tallivo_iconpng ${_icon} ${_size} ${_png}
    DEPENDS tallivo_iconpng ${_icon}
    COMMENT "Rendering the ${_size} px icon")
  list(APPEND _pngs ${_png})
  install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps)
endforeach()
add_custom_target(tallivo_icons ALL DEPENDS ${_pngs})
install(FILES ${_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TALLIVO_APP_ID}.svg)

# The test installs into a temporary prefix, so it needs the data set.
if(TALLIVO_BUILD_DATA)
  add_test(NAME test_install
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/check_install.sh ${CMAKE_BINARY_DIR} ${TALLIVO_APP_ID})
  set_tests_properties(test_install PROPERTIES TIMEOUT 600)
endif()

# cpack -G DEB: library dependencies from the executable, the fonts by name.
set(CPACK_PACKAGE_NAME tallivo)
set(CPACK_PACKAGE_VENDOR "Kelvan")
set(CPACK_PACKAGE_CONTACT "Kelvan <tallivo@tallivo.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English vocabulary with pictures, voices and games for Chinese-speaking children")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tallivo.example")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, fonts-noto-color-emoji, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
# the summary above becomes the first line; CPack indents these
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Children meet the words of their textbook units as picture cards with
spelling, phonetics, Chinese meaning and voice, play seven word games,
keep new-word books and follow their learning record. Up to three
learners share one account; every account keeps its own profiles.")
include(CPack)
