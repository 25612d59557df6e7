# The painted sheet, picture, markers, context help and owner-drawn controls.

# Renders the surface and the controls into PNG files for looking at them; not a test.
add_executable(sheet_preview sheet_preview.cpp)
target_link_libraries(sheet_preview PRIVATE dorarive_presentation)
