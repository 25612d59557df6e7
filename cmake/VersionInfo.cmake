# dorarive_embed_version_info(target): gives an executable its version block.
#
# The block is generated from the project version and the DORARIVE_* strings of the top-level
# CMakeLists, then added after linking as the ELF section .dorarive.version, where VersionInfo
# looks for it (VersionBlockFormat::kSectionName). The tool that writes it,
# dorarive-version-block, is built in src/version.

set(DORARIVE_VERSION_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/../resources/version/version-block.ini.in)
set(DORARIVE_VERSION_SECTION .dorarive.version)

if(NOT CMAKE_OBJCOPY)
    find_program(CMAKE_OBJCOPY objcopy REQUIRED)
endif()

function(dorarive_embed_version_info target)
    set(DORARIVE_VERSION_TARGET ${target})
    set(numbers ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH} ${PROJECT_VERSION_TWEAK})
    list(LENGTH numbers count)
    while(count LESS 4)
        list(APPEND numbers 0)
        math(EXPR count "${count} + 1")
    endwhile()
    list(JOIN numbers "." DORARIVE_VERSION_FOUR)

    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}.version.ini)
    set(block ${CMAKE_CURRENT_BINARY_DIR}/${target}.version.bin)
    configure_file(${DORARIVE_VERSION_TEMPLATE} ${source} @ONLY)

    add_custom_command(OUTPUT ${block}
        COMMAND dorarive-version-block ${source} ${block}
        DEPENDS dorarive-version-block ${source}
        COMMENT "Version block of ${target}"
        VERBATIM)
    add_custom_target(${target}_version_block DEPENDS ${block})
    add_dependencies(${target} ${target}_version_block)
    # A changed block relinks, and the section is added to the fresh executable each time.
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${block})
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY}
            --add-section ${DORARIVE_VERSION_SECTION}=${block}
            --set-section-flags ${DORARIVE_VERSION_SECTION}=noload,readonly
            --remove-section .comment
            $<TARGET_FILE:${target}>
        VERBATIM)
endfunction()
