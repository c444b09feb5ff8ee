# ventil_hlavickova_knihovna(target header PACKAGE debian-package [OPTIONAL])
# makes the INTERFACE target `target` of a header-only library found by one of
# its headers (such as fmt/format.h); without OPTIONAL a missing one stops
# the configure step. The header's folder is copied into the build tree and
# handed to the compiler alone, as a system folder: a cross compiler then
# never sees the build machine's /usr/include (Emscripten's sysroot does not
# look there at all, and MinGW must not), and every edition compiles the same
# headers. A cross build searches its target root first; these headers are
# the same for every target, so the build machine's serve (Emscripten's
# toolchain searches neither: the usual folders are named).
function(ventil_hlavickova_knihovna cil hlavicka)
    cmake_parse_arguments(ARG "OPTIONAL" "PACKAGE" "" ${ARGN})
    set(promenna VENTIL_HLAVICKY_${cil})
    find_path(${promenna} ${hlavicka})
    if(NOT ${promenna} AND CMAKE_CROSSCOMPILING)
        find_path(${promenna} ${hlavicka} NO_CMAKE_FIND_ROOT_PATH
                  PATHS /usr/local/include /usr/include)
    endif()
    if(NOT ${promenna} AND ARG_OPTIONAL)
        return()
    elseif(NOT ${promenna})
        message(FATAL_ERROR "${hlavicka} not found: install ${ARG_PACKAGE}")
    endif()
    get_filename_component(slozka ${hlavicka} DIRECTORY)
    set(cil_slozka ${CMAKE_BINARY_DIR}/hlavicky/${cil})
    if(slozka)
        file(COPY ${${promenna}}/${slozka} DESTINATION ${cil_slozka})
    else()
        file(COPY ${${promenna}}/${hlavicka} DESTINATION ${cil_slozka})
    endif()
    add_library(${cil} INTERFACE)
    target_include_directories(${cil} SYSTEM INTERFACE ${cil_slozka})
endfunction()
