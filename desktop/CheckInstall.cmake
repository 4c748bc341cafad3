# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix and checks what a desktop needs:
# every file in its place, the desktop entry and the metainfo valid, and the
# installed program starting, dealing headless and keeping its players in
# the user's data folder rather than beside itself.
set(stage ${BUILD_DIR}/desktop/install-check)
file(REMOVE_RECURSE ${stage})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}/usr
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
  bin/wenlo-solitaire
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/man/man6/wenlo-solitaire.6
  share/doc/wenlo-solitaire/copyright)
foreach(size ${ICON_SIZES})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(f ${expected})
  if(NOT EXISTS ${stage}/usr/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

foreach(tool desktop-file-validate appstreamcli)
  find_program(${tool}_EXE ${tool})
  if(NOT ${tool}_EXE)
    message(FATAL_ERROR "${tool} is missing (scripts/setup installs it)")
  endif()
endforeach()
execute_process(COMMAND ${desktop-file-validate_EXE} ${stage}/usr/share/applications/${APP_ID}.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
execute_process(COMMAND ${appstreamcli_EXE} validate --no-net --pedantic
                        ${stage}/usr/share/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${out}")
endif()

# One identity: the desktop entry, the metainfo and the icon carry the
# application id, the licence is the project's, and no file names a
# made-up place (the reserved example domains).
file(STRINGS ${stage}/usr/share/applications/${APP_ID}.desktop entry)
if(NOT "Icon=${APP_ID}" IN_LIST entry OR NOT "StartupWMClass=${APP_ID}" IN_LIST entry)
  message(FATAL_ERROR "the desktop entry does not name the icon and window class ${APP_ID}")
endif()
file(READ ${stage}/usr/share/metainfo/${APP_ID}.metainfo.xml metainfo)
foreach(want "<id>${APP_ID}</id>" "<icon type=\"stock\">${APP_ID}</icon>"
             "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
             "<project_license>GPL-3.0-or-later</project_license>")
  string(FIND "${metainfo}" "${want}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the metainfo lacks ${want}")
  endif()
endforeach()
file(GLOB_RECURSE installed ${stage}/usr/*)
foreach(f ${installed})
  file(STRINGS ${f} made_up REGEX "example\\.(com|org|net)")
  if(made_up)
    message(FATAL_ERROR "${f} names a made-up address: ${made_up}")
  endif()
endforeach()

# The installed program, in a home of its own.
set(home ${stage}/home)
file(MAKE_DIRECTORY ${home})
set(env ${CMAKE_COMMAND} -E env HOME=${home} XDG_CONFIG_HOME=${home}/config
        XDG_DATA_HOME=${home}/data QT_QPA_PLATFORM=offscreen)
execute_process(COMMAND ${env} ${stage}/usr/bin/wenlo-solitaire --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^wenlo-solitaire [0-9.]+\n$")
  message(FATAL_ERROR "--version gave '${out}'")
endif()
file(WRITE ${home}/quit.script "deal 32 1\nquit\n")
execute_process(COMMAND ${env} ${stage}/usr/bin/wenlo-solitaire --script ${home}/quit.script
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed program failed: ${err}")
endif()
if(EXISTS ${stage}/usr/bin/players.dat)
  message(FATAL_ERROR "the installed program wrote players.dat beside itself")
endif()
if(NOT EXISTS ${home}/data/${APP_ID}/players.dat)
  message(FATAL_ERROR "the installed program kept no players.dat in the user's data folder")
endif()
file(REMOVE_RECURSE ${stage})
