# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing as a desktop program: the executable in bin/, the data set it reads
# in share/tallivo/, the menu entry, icons, man page and AppStream metadata.
# Two components, "program" and "data", become the two Debian packages that
# scripts/package.sh makes.
include(GNUInstallDirs)

set(TALLIVO_APP_ID "example.tallivo.Tallivo")
set(_pkg ${CMAKE_SOURCE_DIR}/packaging)
set(_gen ${CMAKE_BINARY_DIR}/packaging)

install(TARGETS tallivo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT program)
# the running program names its menu entry, so desktops match its windows to it
target_compile_definitions(tallivo PRIVATE TALLIVO_APP_ID="${TALLIVO_APP_ID}" TALLIVO_VERSION="${PROJECT_VERSION}")

# Only the data set: the user's folders, scratch space and the build's own
# executable stay behind (an installed program writes below the user's home).
if(TALLIVO_BUILD_DATA)
  install(DIRECTORY ${TALLIVO_APP_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tallivo COMPONENT data
    PATTERN "usrdat" EXCLUDE
    PATTERN "tmp" EXCLUDE
    PATTERN "myvoice" EXCLUDE
    PATTERN "tallivo" EXCLUDE)
endif()

# The menu entry and the metadata carry the id and version from here.
configure_file(${_pkg}/tallivo.desktop.in ${_gen}/${TALLIVO_APP_ID}.desktop @ONLY)
configure_file(${_pkg}/tallivo.metainfo.xml.in ${_gen}/${TALLIVO_APP_ID}.metainfo.xml @ONLY)
configure_file(${_pkg}/tallivo.1 ${_gen}/tallivo.1 @ONLY)
install(FILES ${_gen}/${TALLIVO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT program)
install(FILES ${_gen}/${TALLIVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT program)
install(FILES ${_gen}/tallivo.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)

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
  install(FILES ${_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps COMPONENT program)
endforeach()
add_custom_target(tallivo_icons ALL DEPENDS ${_pngs})
install(FILES ${_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TALLIVO_APP_ID}.svg COMPONENT program)

# The test installs into a temporary prefix, so it needs the data set.
if(TALLIVO_BUILD_DATA)
  add_test(NAME test_install
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/check_install.sh ${CMAKE_BINARY_DIR} ${TALLIVO_APP_ID})
  set_tests_properties(test_install PROPERTIES TIMEOUT 600)
endif()
