# Checks that the layers keep their direction:
#   - src/logic includes no Qt Gui, Widgets, Network, Multimedia, Print Support, Help or Charts
#     header (in any spelling) and nothing of platform, ui or app;
#   - src/platform includes nothing of ui or app, and no Qt Widgets header: its printing and
#     help work on Gui, Print Support and Help alone;
#   - src/ui includes nothing of src/app, the programs that put the windows together;
#   - the command line, src/app/cli, includes nothing of ui;
#   - the window folders of src/ui include nothing of ui/app, which builds them all.
# A relative include is taken from the folder of the file that holds it.
#
#   cmake -DSOURCE_DIR=<folder holding logic/, platform/, ui/ and app/> -DQT_HEADERS=<Qt include root> -P check_layers.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT IS_DIRECTORY "${SOURCE_DIR}" OR NOT IS_DIRECTORY "${QT_HEADERS}")
  message(FATAL_ERROR "layer check: SOURCE_DIR and QT_HEADERS must name folders")
endif()

# The header names of `modules`, lower case, minus those the modules in `allowed` have as
# well (QtWidgets still has a qaction.h beside QtGui's).
function(qt_header_names out modules allowed)
  set(allowed_names)
  foreach(module ${allowed})
    file(GLOB names RELATIVE "${QT_HEADERS}/${module}" "${QT_HEADERS}/${module}/*")
    list(APPEND allowed_names ${names})
  endforeach()
  string(TOLOWER "${allowed_names}" allowed_names)
  set(forbidden)
  foreach(module ${modules})
    list(APPEND forbidden ${module})
    if(IS_DIRECTORY "${QT_HEADERS}/${module}")
      file(GLOB names RELATIVE "${QT_HEADERS}/${module}" "${QT_HEADERS}/${module}/*")
      list(APPEND forbidden ${names})
    endif()
  endforeach()
  string(TOLOWER "${forbidden}" forbidden)
  list(REMOVE_DUPLICATES forbidden)
  if(allowed_names)
    list(REMOVE_ITEM forbidden ${allowed_names})
  endif()
  set(${out} ${forbidden} PARENT_SCOPE)
endfunction()

qt_header_names(logic_qt "QtGui;QtWidgets;QtNetwork;QtMultimedia;QtMultimediaWidgets;QtPrintSupport;QtHelp;QtCharts"
                "QtCore")
qt_header_names(platform_qt "QtWidgets" "QtCore;QtGui;QtNetwork;QtMultimedia;QtPrintSupport;QtHelp")

set(violations 0)
# Every include of the files under `layer` whose path, taken from SOURCE_DIR, matches
# `forbidden`, or that names a module or header of the list `forbidden_qt`.
function(check_layer layer forbidden forbidden_qt)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*")
  foreach(file ${files})
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
      if(NOT line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
        continue()
      endif()
      string(STRIP "${CMAKE_MATCH_1}" path)
      string(TOLOWER "${path}" path)
      # logic's own subsystem folders (logic/update/ among them) are no other layer.
      if(path MATCHES "^logic/[a-z_]+/[a-z_0-9]+\\.h$")
        continue()
      endif()
      if(path MATCHES "^\\.")
        get_filename_component(folder "${file}" DIRECTORY)
        get_filename_component(absolute "${path}" ABSOLUTE BASE_DIR "${folder}")
        file(RELATIVE_PATH path "${SOURCE_DIR}" "${absolute}")
      endif()
      string(REGEX REPLACE "/.*" "" first "${path}")
      get_filename_component(name "${path}" NAME)
      if(path MATCHES "${forbidden}" OR first IN_LIST ${forbidden_qt} OR name IN_LIST ${forbidden_qt})
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
        message("${shown}: ${line}")
        math(EXPR violations "${violations} + 1")
      endif()
    endforeach()
  endforeach()
  set(violations ${violations} PARENT_SCOPE)
endfunction()

set(no_qt)
check_layer(logic "(^|/)(platform|ui|app)/" logic_qt)
check_layer(platform "(^|/)(ui|app)/" platform_qt)
check_layer(ui "^app/" no_qt)
check_layer(app/cli "(^|/)ui/" no_qt)
# The window folders never reach ui/app, the composition root that builds them all.
file(GLOB ui_folders RELATIVE "${SOURCE_DIR}/ui" "${SOURCE_DIR}/ui/*")
foreach(folder ${ui_folders})
  if(IS_DIRECTORY "${SOURCE_DIR}/ui/${folder}" AND NOT folder STREQUAL "app")
    check_layer(ui/${folder} "^ui/app/" no_qt)
  endif()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "layer check: ${violations} forbidden includes")
endif()
message("layer check: the layers keep their direction")
