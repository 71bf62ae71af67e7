# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

include(${CMAKE_CURRENT_LIST_DIR}/buildflags.cmake)

# Every src/ folder is one static library made of all its sources, so adding a
# class never means editing a build file. A folder that holds two layers (an
# interface and its implementation, rules and their controls) names the files
# of one layer: ONLY takes just these file stems, EXCEPT all but these.
#   tallivo_library(<name> <dir> <link>... [ONLY <stem>...] [EXCEPT <stem>...])
function(tallivo_library name dir)
  cmake_parse_arguments(PARSE_ARGV 2 _arg "" "" "ONLY;EXCEPT")
  file(GLOB _src CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  foreach(_stem ${_arg_ONLY} ${_arg_EXCEPT})
    # a misspelt or moved file would otherwise land in the wrong layer unnoticed
    if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${_stem}.h AND NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${_stem}.cpp)
      message(FATAL_ERROR "${name}: no ${dir}/${_stem}.h or .cpp")
    endif()
  endforeach()
  foreach(_f ${_src})
    get_filename_component(_stem ${_f} NAME_WLE)
    if((DEFINED _arg_ONLY AND NOT _stem IN_LIST _arg_ONLY) OR _stem IN_LIST _arg_EXCEPT)
      list(REMOVE_ITEM _src ${_f})
    endif()
  endforeach()
  set(_cpp ${_src})
  list(FILTER _cpp INCLUDE REGEX "\\.cpp$")
  if(NOT _cpp)
    # a folder whose classes are still to come
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${_arg_UNPARSED_ARGUMENTS})
    return()
  endif()
  add_library(${name} STATIC ${_src})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${_arg_UNPARSED_ARGUMENTS})
endfunction()

# Every target that target(s) link, all the way down.
function(_tallivo_link_closure out)
  set(_todo ${ARGN})
  set(_seen)
  while(_todo)
    list(POP_FRONT _todo _t)
    # a static library's interface names its own links as $<LINK_ONLY:...>
    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" _t "${_t}")
    if(_t IN_LIST _seen OR NOT TARGET "${_t}")
      continue()
    endif()
    list(APPEND _seen ${_t})
    get_target_property(_a ${_t} LINK_LIBRARIES)
    get_target_property(_b ${_t} INTERFACE_LINK_LIBRARIES)
    foreach(_l IN LISTS _a _b)
      if(_l AND NOT _l MATCHES "-NOTFOUND$")
        list(APPEND _todo "${_l}")
      endif()
    endforeach()
  endwhile()
  set(${out} ${_seen} PARENT_SCOPE)
endfunction()

# Stops the configuration when one of the targets links, however indirectly,
# a Qt module other than Core (and Test, which needs only Core) or SDL: the data
# model and the game rules are meant to build and run without a screen or a
# sound device.
function(tallivo_no_gui)
  _tallivo_link_closure(_core Qt6::Core Qt6::Test)
  foreach(_target ${ARGN})
    _tallivo_link_closure(_links ${_target})
    foreach(_l ${_links})
      if(NOT _l IN_LIST _core AND _l MATCHES "^Qt6::|SDL")
        message(FATAL_ERROR "${_target} links ${_l}: it may link Qt Core only")
      endif()
    endforeach()
  endforeach()
endfunction()

# Scratch space of the tests (home, temporary files) and the pictures' folder:
# a test run writes nothing outside the build tree.
set(TALLIVO_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
set(TALLIVO_TEST_TMP ${CMAKE_BINARY_DIR}/test-tmp)
set(TALLIVO_SHOTS_DIR ${CMAKE_BINARY_DIR}/shots)

# One QtTest executable per src/ folder: every test class in tests/<dir>
# registers itself with TALLIVO_TEST(Class). Each class is its own CTest
# entry (the main runs the class named on its command line), so a crash in
# one class does not hide the others of its folder. Classes registered with
# TALLIVO_SHOTS(Class) make pictures: they are steps of the screenshots
# target, not tests.
function(tallivo_qtest name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/tests/${dir}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src} ${CMAKE_SOURCE_DIR}/tests/support/testmain.cpp)
  target_link_libraries(${name} PRIVATE tallivo_testsupport ${ARGN} Qt6::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE TALLIVO_SHOTS_DEFAULT_DIR="${TALLIVO_SHOTS_DIR}")
  set(_classes)
  set(_shots)
  foreach(_f ${_src})
    file(STRINGS ${_f} _regs REGEX "^TALLIVO_(TEST|SHOTS)\\(")
    foreach(_r ${_regs})
      string(REGEX REPLACE "^TALLIVO_(TEST|SHOTS)\\(([A-Za-z0-9_]+)\\).*" "\\2" _cls "${_r}")
      if(_r MATCHES "^TALLIVO_SHOTS")
        list(APPEND _shots ${_cls})
      else()
        list(APPEND _classes ${_cls})
      endif()
    endforeach()
    # a class added to an existing file gets its entry at the next build
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_f})
  endforeach()
  set(_env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy LANG=C.UTF-8 TALLIVO_SOURCE_DIR=${CMAKE_SOURCE_DIR}
      TALLIVO_BUILD_DIR=${CMAKE_BINARY_DIR} HOME=${TALLIVO_TEST_HOME} TMPDIR=${TALLIVO_TEST_TMP}
      XDG_CONFIG_HOME=${TALLIVO_TEST_HOME}/.config XDG_DATA_HOME=${TALLIVO_TEST_HOME}/.local/share
      XDG_CACHE_HOME=${TALLIVO_TEST_HOME}/.cache
      # QtTest's own watchdog (5 min) forks for a backtrace, which can hang beside threads
      # busy in stdio; the data-set checks may take longer on a slow machine
      QTEST_FUNCTION_TIMEOUT=540000)
  foreach(_cls ${_classes})
    add_test(NAME ${name}.${_cls} COMMAND ${name} ${_cls})
    set_tests_properties(${name}.${_cls} PROPERTIES ENVIRONMENT "${_env}" TIMEOUT 600
      FIXTURES_REQUIRED tallivo_scratch)
  endforeach()
  foreach(_cls ${_shots})
    add_custom_target(screenshots_${name}_${_cls}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${TALLIVO_SHOTS_DIR} ${TALLIVO_TEST_HOME} ${TALLIVO_TEST_TMP}
      COMMAND ${CMAKE_COMMAND} -E env ${_env} TALLIVO_SHOTS_DIR=${TALLIVO_SHOTS_DIR} $<TARGET_FILE:${name}> ${_cls}
      DEPENDS ${name} VERBATIM)
    add_dependencies(screenshots screenshots_${name}_${_cls})
  endforeach()
endfunction()
