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

# zx_add_engine(<name>)
#
# A kind's engine: the sources in engine/ of the calling folder as a static library that
# knows nothing of Win32 or the host; its headers are included as "engine/<file>.h".
function(zx_add_engine name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/engine/*.cpp)
    if(NOT sources)
        message(FATAL_ERROR "zx_add_engine(${name}): no sources in ${CMAKE_CURRENT_SOURCE_DIR}/engine")
    endif()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PRIVATE zx_warnings)
    set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden
                                             VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# zx_add_kind(<deliverable> [ENGINE <library>] [RESOURCES <folder>] [WIN32_LIBS <libraries...>])
#
# A kind's deliverable: the sources of the calling folder (not engine/) with the frame, the
# resources <folder>/<deliverable>.rc (by default resources/<deliverable>), whose folder also
# holds the named resource ids (<deliverable>_res.h) that the kind's sources include, and its
# engine.
function(zx_add_kind name)
    cmake_parse_arguments(ARG "" "ENGINE;RESOURCES" "WIN32_LIBS" ${ARGN})
    if(NOT TARGET zxframe)
        return()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    set(resources ${CMAKE_SOURCE_DIR}/resources/${name})
    if(ARG_RESOURCES)
        set(resources ${ARG_RESOURCES})
    endif()
    zx_add_deliverable(${name} SOURCES ${sources} RC ${resources}/${name}.rc)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${resources})
    if(ARG_ENGINE)
        target_link_libraries(${name} PRIVATE ${ARG_ENGINE})
    endif()
    if(WIN32 AND ARG_WIN32_LIBS)
        target_link_libraries(${name} PRIVATE ${ARG_WIN32_LIBS})
    endif()
endfunction()
