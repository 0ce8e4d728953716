# The release, as the newest entry of the package's changelog
# (app/doc/changelog, Debian's format) records it: the version, which must be
# the project's, the day (BRIMSUM_RELEASE_DATE, yyyy-mm-dd, for the manual
# page and the metainfo) and who made it (BRIMSUM_MAINTAINER, "Name
# <address>", the package's maintainer). A new release starts with a new
# entry there.
set(BRIMSUM_CHANGELOG ${PROJECT_SOURCE_DIR}/app/doc/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${BRIMSUM_CHANGELOG})
file(STRINGS ${BRIMSUM_CHANGELOG} heading LIMIT_COUNT 1 REGEX "^brimsum \\(")
file(STRINGS ${BRIMSUM_CHANGELOG} trailer LIMIT_COUNT 1 REGEX "^ -- ")
if(NOT heading MATCHES "^brimsum \\(([^)]+)\\)")
  message(FATAL_ERROR "${BRIMSUM_CHANGELOG}: no entry \"brimsum (version) ...\" found")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${BRIMSUM_CHANGELOG}: the newest entry is version ${CMAKE_MATCH_1}, "
                      "the project's is ${PROJECT_VERSION}")
endif()
if(NOT trailer MATCHES "^ -- (.+ <[^>]+>)  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "${BRIMSUM_CHANGELOG}: the newest entry ends in no \" -- Name <address>  date\" line")
endif()
set(BRIMSUM_MAINTAINER "${CMAKE_MATCH_1}")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_3}" month)
if(month LESS 0)
  message(FATAL_ERROR "${BRIMSUM_CHANGELOG}: \"${CMAKE_MATCH_3}\" is no month")
endif()
math(EXPR month "${month} + 1")
if(month LESS 10)
  set(month "0${month}")
endif()
set(BRIMSUM_RELEASE_DATE "${CMAKE_MATCH_4}-${month}-${CMAKE_MATCH_2}")
