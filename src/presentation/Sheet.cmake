# The painted sheet, picture, markers, context help and owner-drawn controls.
