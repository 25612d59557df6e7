# Installation beside the two executables, and the Debian package built from it with
# `cpack -G DEB` in the build folder.
#
# The executables install themselves (src/app, src/cli); this adds the desktop entry, the icon
# and the calculation file type at the paths a freedesktop desktop looks in, and a test that
# installs into a scratch prefix.

include(GNUInstallDirs)

set(DORARIVE_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/../resources)

# The entry's name is the product name of the top CMakeLists.txt.
configure_file(${DORARIVE_RESOURCES}/dorarive.desktop.in ${PROJECT_BINARY_DIR}/dorarive.desktop @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/dorarive.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DORARIVE_RESOURCES}/icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME dorarive.svg)
install(FILES ${DORARIVE_RESOURCES}/icon-256.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps
    RENAME dorarive.png)
# The calculation file type (*.kaldora) the desktop entry opens; the system's
# update-mime-database picks it up (Debian's shared-mime-info runs it by a trigger).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../packaging/dorarive-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME dorarive.xml)

# What a software centre lists (GNOME Software, Discover), under the component id.
set(DORARIVE_APPSTREAM_ID example.nordavik.kaldora)
set(DORARIVE_PACKAGING ${CMAKE_CURRENT_LIST_DIR}/../packaging)
install(FILES ${DORARIVE_PACKAGING}/${DORARIVE_APPSTREAM_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual pages, converted from their scdoc sources and compressed as Debian keeps them: the
# English ones in packaging/, each translation in packaging/man/LANG/, installed under man/LANG/.
find_program(SCDOC_PROGRAM scdoc REQUIRED)
find_program(GZIP_PROGRAM gzip REQUIRED)
set(DORARIVE_DOC_FILES)
file(GLOB DORARIVE_MAN_LANGUAGES RELATIVE ${DORARIVE_PACKAGING}/man ${DORARIVE_PACKAGING}/man/*)
foreach(language "" ${DORARIVE_MAN_LANGUAGES})
    set(source_dir ${DORARIVE_PACKAGING})
    set(sub man1)
    set(filter "")
    if(language)
        set(source_dir ${DORARIVE_PACKAGING}/man/${language})
        set(sub ${language}/man1)
        # groff hyphenates with English patterns ("Spe-ichern"): a translation is not hyphenated.
        set(filter "| sed '/^[.]TH /a .nh' ")
    endif()
    foreach(page dorarive.1 dorarive-calc.1)
        set(out ${CMAKE_CURRENT_BINARY_DIR}/man/${sub}/${page}.gz)
        add_custom_command(OUTPUT ${out}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man/${sub}
            COMMAND sh -c "'${SCDOC_PROGRAM}' < '${source_dir}/${page}.scd' ${filter}| '${GZIP_PROGRAM}' -9n > '${out}'"
            DEPENDS ${source_dir}/${page}.scd
            COMMENT "Manual page ${sub}/${page}"
            VERBATIM)
        list(APPEND DORARIVE_DOC_FILES ${out})
        install(FILES ${out} DESTINATION ${CMAKE_INSTALL_MANDIR}/${sub})
    endforeach()
endforeach()

# The package's own changelog and copyright notice, where Debian policy wants them.
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND sh -c "'${GZIP_PROGRAM}' -9n < '${DORARIVE_PACKAGING}/changelog' > '${changelog}'"
    DEPENDS ${DORARIVE_PACKAGING}/changelog
    COMMENT "changelog.Debian.gz"
    VERBATIM)
list(APPEND DORARIVE_DOC_FILES ${changelog})
add_custom_target(dorarive_docs ALL DEPENDS ${DORARIVE_DOC_FILES})
install(FILES ${changelog} ${DORARIVE_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/dorarive)
install(FILES ${DORARIVE_PACKAGING}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME dorarive)

# Installs the build (stripped, as the package is) into a temporary prefix and checks what
# arrived. It needs the whole build, which ctest runs after.
find_program(BASH_PROGRAM bash)
if(BASH_PROGRAM)
    add_test(NAME packaging_install
        COMMAND ${BASH_PROGRAM} ${CMAKE_CURRENT_LIST_DIR}/../packaging/check-install.sh
            ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(packaging_install PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;CMAKE_COMMAND=${CMAKE_COMMAND}"
        TIMEOUT 120)
endif()
# The translated manual pages against the English ones.
if(BASH_PROGRAM)
    add_test(NAME manuals_match
        COMMAND ${BASH_PROGRAM} ${CMAKE_CURRENT_LIST_DIR}/../packaging/check-manuals.sh ${PROJECT_SOURCE_DIR})
    set_tests_properties(manuals_match PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8" TIMEOUT 60)
endif()
# The Debian package as lintian and the AppStream validator see it; a sanitized build is never
# packaged.
if(BASH_PROGRAM AND NOT DORARIVE_SANITIZE)
    add_test(NAME packaging_deb
        COMMAND ${BASH_PROGRAM} ${CMAKE_CURRENT_LIST_DIR}/../packaging/check-package.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(packaging_deb PROPERTIES
        ENVIRONMENT "LC_ALL=C.UTF-8;CPACK_COMMAND=${CMAKE_CPACK_COMMAND}"
        LABELS package
        TIMEOUT 300)
endif()

# The package. Its runtime dependencies come from dpkg-shlibdeps (the Qt libraries the
# executables link); the fonts are added by hand, since nothing links them: the sheet asks for
# Arial, which fontconfig replaces with the metric-compatible Liberation Sans, and the texts in
# the default font need a proportional sans-serif face (with the Liberation fonts alone,
# fontconfig answers sans-serif with Liberation Mono).
set(DORARIVE_PACKAGE_MAINTAINER "${DORARIVE_PRODUCT_NAME} developers <kaldora@nordavik.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dorarive)
set(CPACK_PACKAGE_VENDOR "Nordavik")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${DORARIVE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "heat-load calculator for small refrigerated cabinets")
# Debian wants the long description in lines of under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "${DORARIVE_PRODUCT_NAME} computes the heat load of a small refrigerated appliance,
an upright cabinet with a door or a chest with a lid, and the compressor
capacity it needs, from the inner dimensions, the wall and door insulation,
the ambient and box temperatures, extra loads and an optional cool-down of
goods. Every quantity switches between metric and imperial units; the
calculation can be printed.

The package holds the window (dorarive) and the same calculation from the
command line for scripts (dorarive-calc).")
# Stripped, like any Debian binary; strip keeps the unallocated version section the About box
# and the caption read, and the install test checks that it is still there.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${DORARIVE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://nordavik.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues, for its dialogs and standard buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
# Web pages open through xdg-open, or the handler xdg-mime names when that fails; on a Wayland
# desktop Qt needs its Wayland plugin, or it runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# `make package_source` is not how this project ships; keep build trees out of it all the same.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

include(CPack)
