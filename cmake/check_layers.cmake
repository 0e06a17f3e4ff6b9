# Checks that the layers keep their direction:
#   - src/logic includes no Qt Gui, Widgets, Network, Multimedia, Print Support, Help or Charts
#     header (in any spelling) and nothing of platform, ui or app;
#   - inside src/logic the folders keep their order, core <- settings <- the domain folders
#     <- state: core includes only core, settings only core and settings, a domain folder
#     nothing of state and another domain folder only where the list below allows it, so
#     the domain folders form no circle; a computation over the draws takes a history, never
#     the program's state. Every folder of logic must have its place in that order;
#   - src/platform includes nothing of ui or app, and no Qt Widgets header: its printing and
#     help work on Gui, Print Support and Help alone;
#   - src/ui includes nothing of src/app, the programs that put the windows together;
#   - the command line, src/app/cli, includes nothing of ui;
#   - the window folders of src/ui (all but ui/common, ui/navigation and ui/app) include
#     nothing of ui/app, which builds them all, nor of each other: what two window folders
#     share lives in ui/common.
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

# The includes of `file`: `lines` as written and `paths` their paths in lower case, a relative
# one taken from the file's folder and given from SOURCE_DIR.
function(read_includes file lines_out paths_out)
  set(lines)
  set(paths)
  file(STRINGS "${file}" found REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${found})
    if(NOT line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
      continue()
    endif()
    string(STRIP "${CMAKE_MATCH_1}" path)
    string(TOLOWER "${path}" path)
    if(path MATCHES "^\\.")
      get_filename_component(folder "${file}" DIRECTORY)
      get_filename_component(absolute "${path}" ABSOLUTE BASE_DIR "${folder}")
      file(RELATIVE_PATH path "${SOURCE_DIR}" "${absolute}")
    endif()
    # A semicolon would split the line in two list entries.
    string(REPLACE ";" "," line "${line}")
    list(APPEND lines "${line}")
    list(APPEND paths "${path}")
  endforeach()
  set(${lines_out} "${lines}" PARENT_SCOPE)
  set(${paths_out} "${paths}" PARENT_SCOPE)
endfunction()

function(report file line)
  file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
  message("${shown}: ${line}")
  math(EXPR violations "${violations} + 1")
  set(violations ${violations} PARENT_SCOPE)
endfunction()

# Every include of the files under `layer` whose path, taken from SOURCE_DIR, matches
# `forbidden`, or that names a module or header of the list `forbidden_qt`.
function(check_layer layer forbidden forbidden_qt)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*")
  foreach(file ${files})
    read_includes("${file}" lines paths)
    foreach(line path IN ZIP_LISTS lines paths)
      # logic's own subsystem folders (logic/update/ among them) are no other layer.
      if(path MATCHES "^logic/[a-z_]+/[a-z_0-9]+\\.h$")
        continue()
      endif()
      string(REGEX REPLACE "/.*" "" first "${path}")
      get_filename_component(name "${path}" NAME)
      if(path MATCHES "${forbidden}" OR first IN_LIST ${forbidden_qt} OR name IN_LIST ${forbidden_qt})
        report("${file}" "${line}")
      endif()
    endforeach()
  endforeach()
  set(violations ${violations} PARENT_SCOPE)
endfunction()

# Every include of the files under `folder` whose path matches `reached` but not `allowed`:
# the order of the folders inside one layer.
function(check_order folder reached allowed)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*")
  foreach(file ${files})
    read_includes("${file}" lines paths)
    foreach(line path IN ZIP_LISTS lines paths)
      if(path MATCHES "${reached}" AND NOT path MATCHES "${allowed}")
        report("${file}" "${line}")
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

# logic's folders in their order: core <- settings <- the domain folders <- state.
set(logic_domain draws evaluation export slips statistics tips update)
# Where one domain folder uses another, as "user>used", each for a reason of the game. An
# edge that leads back to its user, directly or through others, would close a circle.
set(logic_domain_uses
    # A tip is drawn from the frequency classes and the draw windows of the statistics.
    "tips>statistics"
    # The statistics window's sheets are tables of the statistics' results.
    "export>statistics")
set(logic_folders core settings ${logic_domain} state)
string(JOIN "|" placed ${logic_folders})
set(reached "^logic/(${placed})/")
check_order(logic/core "${reached}" "^logic/core/")
check_order(logic/settings "${reached}" "^logic/(core|settings)/")
foreach(folder ${logic_domain})
  set(used core settings ${folder})
  foreach(use ${logic_domain_uses})
    if(use MATCHES "^${folder}>(.+)$")
      list(APPEND used ${CMAKE_MATCH_1})
    endif()
  endforeach()
  string(JOIN "|" used ${used})
  check_order(logic/${folder} "${reached}" "^logic/(${used})/")
endforeach()
# A folder the order leaves out would escape every rule above.
file(GLOB logic_found RELATIVE "${SOURCE_DIR}/logic" "${SOURCE_DIR}/logic/*")
foreach(folder ${logic_found})
  if(IS_DIRECTORY "${SOURCE_DIR}/logic/${folder}" AND NOT folder IN_LIST logic_folders)
    message("logic/${folder}: a folder without a place in logic's order")
    math(EXPR violations "${violations} + 1")
  endif()
endforeach()

# No folder of ui reaches ui/app, the composition root that builds them all. A window
# folder uses no other window folder either: the windows meet only through what ui/common
# and the navigator offer, so one window can change without another noticing.
file(GLOB ui_folders RELATIVE "${SOURCE_DIR}/ui" "${SOURCE_DIR}/ui/*")
foreach(folder ${ui_folders})
  if(NOT IS_DIRECTORY "${SOURCE_DIR}/ui/${folder}" OR folder STREQUAL "app")
    continue()
  endif()
  if(folder STREQUAL "common" OR folder STREQUAL "navigation")
    check_layer(ui/${folder} "^ui/app/" no_qt)
  else()
    check_order(ui/${folder} "^ui/" "^ui/(common|navigation|${folder})/")
  endif()
endforeach()

if(violations GREATER 0)
  message(FATAL_ERROR "layer check: ${violations} forbidden includes")
endif()
message("layer check: the layers keep their direction")
