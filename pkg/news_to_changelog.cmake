# SPDX-License-Identifier: MIT
# cmake -DNEWS=NEWS.md -DOUTPUT=changelog -DPACKAGE=vora -DMAINTAINER="Name <mail>" -P news_to_changelog.cmake
#
# NEWS.md in the format of a Debian changelog: a native package ships its
# changelog as changelog.gz, and Debian reads that file in this format.
# "## 1.0.0 (2026-12-09)" heads an entry; "- " starts an item, indented lines
# continue it.
file(STRINGS ${NEWS} lines)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(days Sun Mon Tue Wed Thu Fri Sat)
set(out "")
set(trailer "")

foreach(line IN LISTS lines)
  if(line MATCHES "^## ([^ ]+) \\(([0-9]+)-([0-9]+)-([0-9]+)\\)$")
    set(version ${CMAKE_MATCH_1})
    math(EXPR y "${CMAKE_MATCH_2}")
    math(EXPR m "${CMAKE_MATCH_3}")
    math(EXPR d "${CMAKE_MATCH_4}")
    # Day of the week (Sakamoto's method), which Debian's date must carry.
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR i "${m} - 1")
    list(GET offsets ${i} offset)
    set(yy ${y})
    if(m LESS 3)
      math(EXPR yy "${y} - 1")
    endif()
    math(EXPR weekday "(${yy} + ${yy} / 4 - ${yy} / 100 + ${yy} / 400 + ${offset} + ${d}) % 7")
    list(GET days ${weekday} dayname)
    list(GET months ${i} monthname)
    if(d LESS 10)
      set(d "0${d}")
    endif()
    string(APPEND out "${trailer}${PACKAGE} (${version}) unstable; urgency=medium\n\n")
    set(trailer "\n -- ${MAINTAINER}  ${dayname}, ${d} ${monthname} ${y} 00:00:00 +0000\n\n")
  elseif(trailer STREQUAL "" OR line STREQUAL "")
    # The introduction before the first entry, and blank lines.
  elseif(line MATCHES "^- (.*)$")
    string(APPEND out "  * ${CMAKE_MATCH_1}\n")
  else()
    string(STRIP "${line}" text)
    string(APPEND out "    ${text}\n")
  endif()
endforeach()
string(REGEX REPLACE "\n\n$" "\n" trailer "${trailer}")
file(WRITE ${OUTPUT} "${out}${trailer}")
