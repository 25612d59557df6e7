# The painted sheet, picture, markers, context help and owner-drawn controls.

# The row model, the geometry and the hot spots need no screen.
target_sources(dorarive_presentation_core PRIVATE
    FormSheet.cpp
    HotSpotList.cpp
    SheetGeometry.cpp
)

target_sources(dorarive_presentation PRIVATE
    Artwork.cpp
    ContextHelp.cpp
    ResultsHeader.cpp
    ResultsList.cpp
    ShadeButton.cpp
    SheetFonts.cpp
    SheetPainter.cpp
    SkinCombo.cpp
    TipWindow.cpp
    ${PROJECT_SOURCE_DIR}/resources/dorarive.qrc
)
set_target_properties(dorarive_presentation PROPERTIES AUTORCC ON)
