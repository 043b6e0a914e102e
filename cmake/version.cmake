# What shows the version takes it from the project's VERSION: the manual pages and the
# software-centre description are made here from their templates (data/*.in). Debian's
# changelog alone must write its versions out, so its newest entry has to be this
# version's, and that entry's date is the description's release date: a new version
# without a new entry stops the configure rather than ship two versions.
set(changelog ${PROJECT_SOURCE_DIR}/data/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} newest LIMIT_COUNT 1)
string(REGEX MATCH "^numerandia \\(([^)]*)\\)" _ "${newest}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "data/changelog's newest entry is for \"${CMAKE_MATCH_1}\", the project is "
                      "${PROJECT_VERSION}: give ${PROJECT_VERSION} an entry at the top")
endif()

# " -- Name <address>  Sun, 06 Dec 2026 12:00:00 +0000" -> 2026-12-06
file(STRINGS ${changelog} signed REGEX "^ -- " LIMIT_COUNT 1)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
string(REGEX MATCH ", ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) " _ "${signed}")
set(day 0${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
list(FIND months "${CMAKE_MATCH_2}" month)
if(month LESS 0)
  message(FATAL_ERROR "data/changelog: no date in the newest entry's signature line")
endif()
math(EXPR month "${month} + 101")
string(SUBSTRING ${month} 1 2 month)
string(REGEX REPLACE "^0*([0-9][0-9])$" "\\1" day ${day})
set(NUMERANDIA_RELEASE_DATE ${year}-${month}-${day})

foreach(file org.example.Numerandia.metainfo.xml man/numerandia.6 man/it/numerandia.6)
  configure_file(${PROJECT_SOURCE_DIR}/data/${file}.in ${PROJECT_BINARY_DIR}/data/${file} @ONLY)
endforeach()
