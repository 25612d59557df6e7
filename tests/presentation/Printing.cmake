# Printing the calculation: the page layout, real PDF jobs read back with poppler, the dialog.
dorarive_add_test(tst_printing
    SOURCES PrintingMain.cpp ReportSamples.cpp tst_reportlayout.cpp tst_printjob.cpp
    LIBS dorarive_presentation dorarive_cli_core)
