# The painted sheet, picture, markers, context help and owner-drawn controls.
dorarive_add_test(tst_sheet_model SOURCES tst_sheet_model.cpp LIBS dorarive_presentation_core)
dorarive_add_test(tst_sheet_paint SOURCES tst_sheet_paint.cpp LIBS dorarive_presentation)
dorarive_add_test(tst_sheet_fonts SOURCES tst_sheet_fonts.cpp LIBS dorarive_presentation)
dorarive_add_test(tst_artwork SOURCES tst_artwork.cpp LIBS dorarive_presentation)
dorarive_add_test(tst_sheet_controls SOURCES tst_sheet_controls.cpp LIBS dorarive_presentation)

# Renders the surface and the controls into PNG files for looking at them; not a test.
add_executable(sheet_preview sheet_preview.cpp)
target_link_libraries(sheet_preview PRIVATE dorarive_presentation)
