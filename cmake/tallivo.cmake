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
# registers itself and the shared main runs them all.
function(tallivo_qtest name dir)
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/tests/${dir}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  target_link_libraries(${name} PRIVATE tallivo_testsupport ${ARGN} Qt6::Test)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;LANG=C.UTF-8;TALLIVO_SOURCE_DIR=${CMAKE_SOURCE_DIR};TALLIVO_BUILD_DIR=${CMAKE_BINARY_DIR}"
    TIMEOUT 600)
endfunction()
