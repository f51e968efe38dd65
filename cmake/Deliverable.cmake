# zx_add_deliverable(<name> SOURCES <files...> RC <file.rc>)
#
# A plug-in module: the kind's sources with the whole frame, and its resources. Natively a
# shared library named <name>.so (no "lib" prefix) whose only visible symbols are the five
# exports, with the resources embedded by zx_embed_resources; in the Windows build a DLL with
# the .rc compiled by windres and the exports named by the frame's .def file.
include(${CMAKE_CURRENT_LIST_DIR}/Rcembed.cmake)

if(WIN32)
    enable_language(RC)
endif()

function(zx_add_deliverable name)
    cmake_parse_arguments(ARG "" "RC" "SOURCES" ${ARGN})
    if(NOT ARG_SOURCES)
        message(FATAL_ERROR "zx_add_deliverable(${name}): no SOURCES")
    endif()
    add_library(${name} SHARED ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES PREFIX "" CXX_VISIBILITY_PRESET hidden
                                             VISIBILITY_INLINES_HIDDEN ON)
    # The frame's exports are referenced by nothing in the kind: link the archive whole.
    target_link_libraries(${name} PRIVATE zx_warnings
                                          "$<LINK_LIBRARY:WHOLE_ARCHIVE,zxframe>")
    target_include_directories(${name} PRIVATE $<TARGET_PROPERTY:zxframe,INTERFACE_INCLUDE_DIRECTORIES>)
    if(ARG_RC)
        # windres in the Windows build; natively the generated source also defines the
        # module handle.
        zx_embed_resources(${name} ${ARG_RC})
    endif()
    if(WIN32)
        target_sources(${name} PRIVATE ${ZX_FRAME_EXPORTS_DEF})
        target_link_options(${name} PRIVATE -static-libgcc -static-libstdc++ -Wl,--kill-at
                                              -Wl,--enable-stdcall-fixup -s)
    else()
        target_link_libraries(${name} PRIVATE w32)
        target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
endfunction()
