# The translation catalogues. lrelease compiles translations/dorarive_<language>.ts into .qm
# files, which rcc embeds under :/i18n/ in the object library dorarive_catalogues; an executable
# that links it carries every catalogue, with nothing to install beside it. The target
# dorarive_lupdate refreshes the .ts files from the marked texts of src/ (the options the
# catalogues were made with).
find_program(DORARIVE_LRELEASE lrelease HINTS /usr/lib/qt6/bin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}"
    NO_DEFAULT_PATH REQUIRED)
find_program(DORARIVE_LUPDATE lupdate HINTS /usr/lib/qt6/bin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}"
    NO_DEFAULT_PATH)

file(GLOB DORARIVE_TS_FILES CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/translations/dorarive_*.ts")
set(DORARIVE_QM_DIR "${PROJECT_BINARY_DIR}/i18n")
set(DORARIVE_QM_FILES "")
set(qrc_entries "")
foreach(ts IN LISTS DORARIVE_TS_FILES)
    get_filename_component(base "${ts}" NAME_WE)
    set(qm "${DORARIVE_QM_DIR}/${base}.qm")
    add_custom_command(OUTPUT "${qm}"
        COMMAND ${DORARIVE_LRELEASE} -silent "${ts}" -qm "${qm}"
        DEPENDS "${ts}" VERBATIM)
    list(APPEND DORARIVE_QM_FILES "${qm}")
    string(APPEND qrc_entries "    <file>${base}.qm</file>\n")
endforeach()

set(qrc "${DORARIVE_QM_DIR}/dorarive_i18n.qrc")
file(CONFIGURE OUTPUT "${qrc}" CONTENT "<RCC>\n  <qresource prefix=\"/i18n\">\n${qrc_entries}  </qresource>\n</RCC>\n")
set(qrc_cpp "${DORARIVE_QM_DIR}/qrc_dorarive_i18n.cpp")
add_custom_command(OUTPUT "${qrc_cpp}"
    COMMAND Qt6::rcc --name dorarive_i18n "${qrc}" -o "${qrc_cpp}"
    DEPENDS "${qrc}" ${DORARIVE_QM_FILES} Qt6::rcc VERBATIM)
# An object library: its static initializer registers the resource in every executable linking it.
add_library(dorarive_catalogues OBJECT "${qrc_cpp}")
target_link_libraries(dorarive_catalogues PRIVATE Qt6::Core)
set_target_properties(dorarive_catalogues PROPERTIES AUTOMOC OFF)

if(DORARIVE_LUPDATE)
    add_custom_target(dorarive_lupdate
        COMMAND ${DORARIVE_LUPDATE} -no-obsolete -locations none "${PROJECT_SOURCE_DIR}/src" -ts ${DORARIVE_TS_FILES}
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" VERBATIM)
endif()
