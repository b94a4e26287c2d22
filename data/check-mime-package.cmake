# Builds a MIME database from the plan type's package alone, as dpkg's trigger does into share/mime/, and
# checks that it holds what opening a plan from a file manager rests on, and that the menu entry and the
# software centre's description claim that type. update-mime-database reports a malformed file on standard
# error yet exits 0, and passes over an element or attribute it does not know without a word, so the
# database itself is read.
#   cmake -DUPDATE_MIME_DATABASE=<program> -DPACKAGE=<.xml> -DDESKTOP_FILE=<.desktop> -DMETAINFO=<.xml>
#         -DWORK_DIR=<scratch folder> -P check-mime-package.cmake
set(database ${WORK_DIR}/mime)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${database}/packages)
file(COPY ${PACKAGE} DESTINATION ${database}/packages)

# Each row: a file of the database, "desktop" for the menu entry or "metainfo", and a line it must hold
# (spaces at the line's ends aside).
set(expected_lines [[
globs2                             50:application/x-pelvantor-plan:*.pelvantor
subclasses                         application/x-pelvantor-plan application/json
generic-icons                      application/x-pelvantor-plan:io.example.Pelvantor
application/x-pelvantor-plan.xml   <comment>Pelvantor savings plan</comment>
desktop                            MimeType=application/x-pelvantor-plan;
desktop                            Exec=pelvantor %f
desktop                            Icon=io.example.Pelvantor
metainfo                           <mediatype>application/x-pelvantor-plan</mediatype>
]])

# With the folder among the data folders, update-mime-database has no note to print about it: anything on
# standard error is a fault in the package.
set(ENV{XDG_DATA_DIRS} ${WORK_DIR})
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${database}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "update-mime-database ${database} (exit ${status}):\n${errors}${output}")
endif()

# A semicolon would split CMake's lists: it stands as <semicolon> in the rows and the files alike.
string(REPLACE ";" "<semicolon>" expected_lines "${expected_lines}")
string(REGEX MATCHALL "[^\n]+" rows "${expected_lines}")
set(failures "")
foreach(row IN LISTS rows)
  string(REGEX MATCH "^([^ ]+) +(.+)$" row "${row}")
  set(name ${CMAKE_MATCH_1})
  set(wanted "${CMAKE_MATCH_2}")
  if(name STREQUAL "desktop")
    set(path ${DESKTOP_FILE})
  elseif(name STREQUAL "metainfo")
    set(path ${METAINFO})
  else()
    set(path ${database}/${name})
  endif()
  set(content "")
  if(EXISTS ${path})
    file(READ ${path} content)
  endif()
  string(REPLACE ";" "<semicolon>" content "${content}")
  string(REGEX REPLACE "[ \t]*\n[ \t]*" "\n" content "\n${content}\n")
  string(FIND "${content}" "\n${wanted}\n" at)
  if(at EQUAL -1)
    string(REPLACE "<semicolon>" ";" wanted "${wanted}")
    string(APPEND failures "  ${path} lacks the line: ${wanted}\n")
  endif()
endforeach()
if(NOT failures STREQUAL "")
  message(FATAL_ERROR "The plan type is not registered as it should be:\n${failures}")
endif()
