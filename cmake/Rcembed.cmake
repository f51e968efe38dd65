# zx_embed_resources(target rcfile [MODULE name])
#
# Native build: runs rcembed on the .rc at build time and adds the generated source to the
# target; the source embeds every resource, registers them with libw32 under one module
# handle and defines `HMODULE zxModuleHandle()`. The module name defaults to the target's name.
# Win32 build: the .rc itself is added to the target for windres (the RC language must be
# enabled by the caller's project).
function(zx_embed_resources target rcfile)
    cmake_parse_arguments(PARSE_ARGV 2 ARG "" "MODULE" "")
    if(NOT ARG_MODULE)
        set(ARG_MODULE ${target})
    endif()
    get_filename_component(rcfile ${rcfile} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT ZX_NATIVE)
        target_sources(${target} PRIVATE ${rcfile})
        return()
    endif()
    get_filename_component(rcname ${rcfile} NAME_WE)
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_${rcname}_resources.cpp)
    # `rcembed` is a target of tools/, which is added after the deliverables: naming it in
    # COMMAND and DEPENDS works across folders whatever the order. The depfile lists the
    # bitmaps, so editing one re-embeds it.
    add_custom_command(
        OUTPUT ${generated}
        COMMAND rcembed --depfile ${generated}.d ${rcfile} ${generated} ${ARG_MODULE}
        DEPENDS ${rcfile} rcembed
        DEPFILE ${generated}.d
        COMMENT "Embedding resources of ${rcfile}"
        VERBATIM)
    target_sources(${target} PRIVATE ${generated})
    target_link_libraries(${target} PRIVATE w32)
endfunction()
