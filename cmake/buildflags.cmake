# SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The compiler and linker flags Debian builds its packages with, hardening
# included, so the binary that is packaged is the one the tests ran. The
# sanitizer build keeps its own.
option(TALLIVO_DEB_BUILDFLAGS "Compile and link with the flags of dpkg-buildflags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(TALLIVO_DEB_BUILDFLAGS AND DPKG_BUILDFLAGS AND NOT TALLIVO_SANITIZE)
  set(ENV{DEB_BUILD_MAINT_OPTIONS} "hardening=+all")
  foreach(_var CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${_var}
      OUTPUT_VARIABLE _flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(_flags UNIX_COMMAND "${_flags}")
    # the build type sets the optimisation and debug level; the path map
    # would turn the paths in test messages relative
    list(FILTER _flags EXCLUDE REGEX "^(-O[0-9s]?|-g|-ffile-prefix-map=.*)$")
    if(_var STREQUAL "LDFLAGS")
      add_link_options(${_flags})
    else()
      add_compile_options(${_flags})
    endif()
  endforeach()
endif()
