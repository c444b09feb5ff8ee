# A release's version and date are written once, in the top entry of
# packaging/changelog, where Debian's tools read them too:
#
#   ventil (1.0.0) unstable; urgency=medium
#   ...
#    -- Ventil developers <...>  Mon, 07 Dec 2026 12:00:00 +0000
#
# Sets VENTIL_VERZE (1.0.0) and VENTIL_DATUM_VYDANI (2026-12-07), which the
# project, the metainfo and the manual page take. Included before project().
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog radky_zmen)
list(GET radky_zmen 0 hlavicka)
if(NOT hlavicka MATCHES "^ventil \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\) ")
    message(FATAL_ERROR "packaging/changelog: no version in its first line: ${hlavicka}")
endif()
set(VENTIL_VERZE ${CMAKE_MATCH_1})
set(mesice Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
foreach(radek IN LISTS radky_zmen)
    if(radek MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        set(den ${CMAKE_MATCH_1})
        set(rok ${CMAKE_MATCH_3})
        list(FIND mesice ${CMAKE_MATCH_2} mesic)
        break()
    endif()
endforeach()
if(NOT DEFINED mesic OR mesic LESS 0)
    message(FATAL_ERROR "packaging/changelog: no date in the trailer of its top entry")
endif()
math(EXPR mesic "${mesic} + 1")
if(mesic LESS 10)
    set(mesic 0${mesic})
endif()
set(VENTIL_DATUM_VYDANI ${rok}-${mesic}-${den})
