# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of a floor includes a header of a floor it may
# not use. Called by the build for every floor (see wenlo_floor).
#   -DFLOOR=name -DALLOWED="a;b" -DSOURCES="f1;f2" -DSTAMP=file
cmake_minimum_required(VERSION 3.25)
set(bad "")
foreach(file IN LISTS SOURCES)
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" header "${line}")
    get_filename_component(folder "${header}" DIRECTORY)
    if(NOT folder IN_LIST ALLOWED)
      string(APPEND bad "\n  ${file}: #include \"${header}\"")
    endif()
  endforeach()
endforeach()
if(bad)
  message(FATAL_ERROR "floor '${FLOOR}' may use only ${ALLOWED}; these includes reach above it:${bad}")
endif()
# The stamp's folder exists only where the generator happened to make it
# (Ninja does, Makefiles do not).
get_filename_component(stamp_dir "${STAMP}" DIRECTORY)
file(MAKE_DIRECTORY "${stamp_dir}")
file(TOUCH "${STAMP}")
