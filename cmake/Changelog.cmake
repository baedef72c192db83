# Reads CHANGELOG.md, where each release is a heading "## VERSION - YYYY-MM-DD" followed by items
# "- text" with indented continuation lines, and gives what the metadata and the Debian package
# say of the releases, so that the release notes are written once:
#   veh_read_changelog(<file> PACKAGE <name> MAINTAINER <"Name <address>">)
# sets, in the caller's scope,
#   VEH_RELEASE_DATE        the date of ${PROJECT_VERSION}, which must be the newest entry
#   VEH_RELEASE_MONTH       that date as "December 2026"
#   VEH_APPSTREAM_RELEASES  the <release> elements, newest first
#   VEH_DEBIAN_CHANGELOG    the text of a Debian changelog
set(VEH_MONTH_NAMES January February March April May June July August September October November
    December)

# "Mon, 07 Dec 2026 00:00:00 +0000" for 2026-12-07, as Debian changelogs date their entries.
function(veh_rfc2822_date iso_date out)
  string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${iso_date}")
  math(EXPR year "${CMAKE_MATCH_1}")
  math(EXPR month "${CMAKE_MATCH_2}")
  math(EXPR day "${CMAKE_MATCH_3}")
  # Sakamoto's method: the weekday from a table of month offsets, January and February counted
  # in the year before.
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  list(GET weekdays ${weekday} weekday_name)
  list(GET VEH_MONTH_NAMES ${index} month_name)
  string(SUBSTRING "${month_name}" 0 3 month_short)
  set(${out} "${weekday_name}, ${CMAKE_MATCH_3} ${month_short} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# Appends a finished item to the <ul> of the release, its text escaped for XML.
macro(veh_close_item)
  if(NOT item STREQUAL "")
    string(REPLACE "&" "&amp;" item "${item}")
    string(REPLACE "<" "&lt;" item "${item}")
    string(REPLACE ">" "&gt;" item "${item}")
    string(APPEND appstream "          <li>${item}</li>\n")
    set(item "")
  endif()
endmacro()

function(veh_read_changelog file)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "PACKAGE;MAINTAINER" "")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
  # One list element a line; a semicolon in the text would split it, so it waits as a
  # placeholder until the end.
  file(READ "${file}" text)
  string(REPLACE ";" "@SEMICOLON@" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(appstream "")
  set(debian "")
  set(version "")
  set(item "")
  # A sentinel heading closes the last entry like every other.
  foreach(line IN LISTS lines ITEMS "## end")
    if(line MATCHES "^## ")
      veh_close_item()
      if(NOT version STREQUAL "")
        string(APPEND appstream "        </ul>\n      </description>\n    </release>\n")
        veh_rfc2822_date(${date} rfc2822)
        string(APPEND debian "\n -- ${arg_MAINTAINER}  ${rfc2822}\n\n")
      endif()
      set(version "")
      if(line MATCHES "^## ([0-9.]+) - ([0-9]+-[0-9]+-[0-9]+)$")
        set(version ${CMAKE_MATCH_1})
        set(date ${CMAKE_MATCH_2})
        if(NOT DEFINED newest)
          set(newest ${version})
          set(newest_date ${date})
        endif()
        string(APPEND appstream "    <release version=\"${version}\" date=\"${date}\">\n"
                                "      <description>\n        <ul>\n")
        string(APPEND debian "${arg_PACKAGE} (${version}) unstable; urgency=medium\n\n")
      endif()
    elseif(NOT version STREQUAL "" AND line MATCHES "^- (.*)$")
      veh_close_item()
      set(item "${CMAKE_MATCH_1}")
      string(APPEND debian "  * ${CMAKE_MATCH_1}\n")
    elseif(NOT version STREQUAL "" AND line MATCHES "^  +(.*)$")
      string(APPEND item " ${CMAKE_MATCH_1}")
      string(APPEND debian "    ${CMAKE_MATCH_1}\n")
    endif()
  endforeach()

  if(NOT newest STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${file} has no entry for ${PROJECT_VERSION} at the top")
  endif()
  string(REGEX MATCH "^([0-9]+)-([0-9]+)" _ "${newest_date}")
  math(EXPR month_index "${CMAKE_MATCH_2} - 1")
  list(GET VEH_MONTH_NAMES ${month_index} month_name)
  set(VEH_RELEASE_DATE ${newest_date} PARENT_SCOPE)
  set(VEH_RELEASE_MONTH "${month_name} ${CMAKE_MATCH_1}" PARENT_SCOPE)
  string(REPLACE "@SEMICOLON@" ";" appstream "${appstream}")
  string(REPLACE "@SEMICOLON@" ";" debian "${debian}")
  set(VEH_APPSTREAM_RELEASES "${appstream}" PARENT_SCOPE)
  set(VEH_DEBIAN_CHANGELOG "${debian}" PARENT_SCOPE)
endfunction()
