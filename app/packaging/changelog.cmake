# Reads the newest entry of the change log, the one place the version is
# written: the package, `korinde --version` and the metadata take it from here.
# Sets <prefix>_VERSION (2.0.0.2) and <prefix>_DATE (2026-12-09).
function(read_changelog file prefix)
    file(STRINGS ${file} heading LIMIT_COUNT 1)
    if(NOT heading MATCHES "^korinde \\(([0-9]+(\\.[0-9]+)*)\\) ")
        message(FATAL_ERROR "${file}: the first line names no version: ${heading}")
    endif()
    set(${prefix}_VERSION ${CMAKE_MATCH_1} PARENT_SCOPE)

    file(STRINGS ${file} trailer REGEX "^ -- " LIMIT_COUNT 1)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    if(NOT trailer MATCHES ", ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "${file}: the newest entry has no date: ${trailer}")
    endif()
    set(day ${CMAKE_MATCH_1})
    set(year ${CMAKE_MATCH_3})
    list(FIND months ${CMAKE_MATCH_2} month)
    math(EXPR month "${month} + 1")
    string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
    string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
    set(${prefix}_DATE ${year}-${month}-${day} PARENT_SCOPE)
endfunction()
