# tallyrope_rfc2822_date(YYYY-MM-DD VAR): the day as a Debian changelog writes it, at midnight
# UTC, e.g. "Tue, 08 Dec 2026 00:00:00 +0000". CMake prints any time given as seconds since
# 1970, so the day is counted from 1970-01-01 by the civil-calendar formula.
function(tallyrope_rfc2822_date iso_date out_var)
    string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" parsed ${iso_date})
    if(NOT parsed)
        message(FATAL_ERROR "not a YYYY-MM-DD date: ${iso_date}")
    endif()
    math(EXPR year "${CMAKE_MATCH_1}")
    math(EXPR month "${CMAKE_MATCH_2}")
    math(EXPR day "${CMAKE_MATCH_3}")
    # Years start in March, so a leap day ends the year.
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
    math(EXPR days
        "${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${day_of_year} - 719468")
    math(EXPR seconds "${days} * 86400")

    set(saved "$ENV{SOURCE_DATE_EPOCH}")
    set(ENV{SOURCE_DATE_EPOCH} ${seconds})
    string(TIMESTAMP text "%a, %d %b %Y %H:%M:%S +0000" UTC)
    set(ENV{SOURCE_DATE_EPOCH} "${saved}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()
