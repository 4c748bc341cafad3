# SPDX-License-Identifier: GPL-3.0-or-later
# The translations are complete and current: lupdate run over the sources
# into a copy of each translations/wenlo_<lang>.ts must find no text without
# a finished translation (a new or changed text in the code) and drop none
# (a text the code no longer has).
#   cmake -DROOT=<source dir> -DLUPDATE=<lupdate> -DWORK=<scratch dir> -P CheckTranslations.cmake
cmake_minimum_required(VERSION 3.25)
file(GLOB ts_files ${ROOT}/translations/wenlo_*.ts)
if(NOT ts_files)
  message(FATAL_ERROR "no translations in ${ROOT}/translations")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failed FALSE)
foreach(ts IN LISTS ts_files)
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${WORK})
  execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${ROOT}/src
                          -ts ${WORK}/${name}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}: ${out}")
  endif()
  file(READ ${ts} before)
  file(READ ${WORK}/${name} after)
  string(REGEX MATCHALL "<message[ >]" messages_before "${before}")
  string(REGEX MATCHALL "<message[ >]" messages_after "${after}")
  list(LENGTH messages_before count_before)
  list(LENGTH messages_after count_after)
  string(REGEX MATCHALL "<translation type=\"unfinished\"" unfinished "${after}")
  list(LENGTH unfinished count_unfinished)
  if(count_unfinished GREATER 0)
    # Name the texts: the source line before each unfinished translation.
    string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]+[^>]*>[^<]*</[a-z]+>[^<]*)*<translation type=\"unfinished\"" lines "${after}")
    message(SEND_ERROR "${name}: ${count_unfinished} texts without a finished translation:\n${lines}")
    set(failed TRUE)
  endif()
  if(count_after LESS count_before)
    math(EXPR stale "${count_before} - ${count_after}")
    message(SEND_ERROR "${name}: ${stale} texts the sources no longer have (run the update_translations target)")
    set(failed TRUE)
  endif()
  message(STATUS "${name}: ${count_after} texts, ${count_unfinished} unfinished")
endforeach()
if(failed)
  message(FATAL_ERROR "translations are not complete")
endif()
