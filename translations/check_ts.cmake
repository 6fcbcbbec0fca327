# Fails when a translation file has an entry nobody finished: type="unfinished", or an empty
# translation that is not a text the sources no longer have (vanished or obsolete).
# Usage: cmake -P check_ts.cmake file.ts...
set(failed 0)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE 3 ${last})
    set(ts "${CMAKE_ARGV${i}}")
    file(READ "${ts}" content)
    # Opening tags and empty elements only: no text of a message ever reaches a CMake list.
    string(REGEX MATCHALL "<translation type=\"unfinished\"" unfinished "${content}")
    string(REGEX MATCHALL "<translation */>|<translation *></translation>" empty "${content}")
    list(LENGTH unfinished n_unfinished)
    list(LENGTH empty n_empty)
    if(n_unfinished GREATER 0 OR n_empty GREATER 0)
        message("${ts}: ${n_unfinished} unfinished, ${n_empty} empty translations")
        set(failed 1)
    endif()
endforeach()
if(failed)
    message(FATAL_ERROR "Finish the translations above (Qt Linguist) before building.")
endif()
