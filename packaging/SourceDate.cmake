# The date a build stands for: SOURCE_DATE_EPOCH when the environment sets
# it, else the time of the last commit. The manual pages, the changelog and
# the package's file times take it, so that two builds of one commit give
# the same package. Included by the top-level CMakeLists.txt; sets
#   KYVADLO_SOURCE_DATE_EPOCH   seconds since 1970 (UTC)
#   KYVADLO_SOURCE_DATE         2026-12-09
#   KYVADLO_SOURCE_DATE_RFC2822 Wed, 09 Dec 2026 03:41:28 +0000
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(KYVADLO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE KYVADLO_SOURCE_DATE_EPOCH
            OUTPUT_STRIP_TRAILING_WHITESPACE
            ERROR_QUIET)
    endif()
endif()
if(NOT KYVADLO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    string(TIMESTAMP KYVADLO_SOURCE_DATE_EPOCH "%s" UTC)
    message(WARNING "Neither SOURCE_DATE_EPOCH nor a git commit gives the build's date: "
                    "it is dated now, and two builds differ")
endif()

# string(TIMESTAMP) tells the time of SOURCE_DATE_EPOCH when that is set.
set(outer_source_date_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${KYVADLO_SOURCE_DATE_EPOCH})
string(TIMESTAMP KYVADLO_SOURCE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP KYVADLO_SOURCE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
if(outer_source_date_epoch STREQUAL "")
    unset(ENV{SOURCE_DATE_EPOCH})
else()
    set(ENV{SOURCE_DATE_EPOCH} "${outer_source_date_epoch}")
endif()
