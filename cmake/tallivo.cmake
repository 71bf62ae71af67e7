# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

include(${CMAKE_CURRENT_LIST_DIR}/buildflags.cmake)

# Every src/ folder is one static library made of all its sources, so adding a
# class never means editing a build file.
function(tallivo_library name dir)
  file(GLOB _cpp CONFIGURE_DEPENDS ${dir}/*.cpp)
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  if(NOT _cpp)
    # a folder whose classes are still to come
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
  target_compile_options(${name} PRIVATE -Wall -Wextra)
endfunction()

# One QtTest executable per src/ folder: every test class in tests/<dir>
# registers itself with TALLIVO_TEST(Class). Each class is its own CTest
# entry (the main runs the class named on its command line), so a crash in
# one class does not hide the others of its folder.
function(tallivo_qtest name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/tests/${dir}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE tallivo_testsupport ${ARGN} Qt6::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  set(_classes)
  foreach(_f ${_src})
    file(STRINGS ${_f} _regs REGEX "^TALLIVO_TEST\\(")
    foreach(_r ${_regs})
      string(REGEX REPLACE "^TALLIVO_TEST\\(([A-Za-z0-9_]+)\\).*" "\\1" _cls "${_r}")
      list(APPEND _classes ${_cls})
    endforeach()
    # a class added to an existing file gets its entry at the next build
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_f})
  endforeach()
  foreach(_cls ${_classes})
    add_test(NAME ${name}.${_cls} COMMAND ${name} ${_cls})
    set_tests_properties(${name}.${_cls} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;LANG=C.UTF-8;TALLIVO_SOURCE_DIR=${CMAKE_SOURCE_DIR};TALLIVO_BUILD_DIR=${CMAKE_BINARY_DIR}"
      TIMEOUT 600)
  endforeach()
endfunction()
