# Printing the calculation: the pure page layout, the line printer and the Print command.
target_sources(dorarive_presentation PRIVATE
    ReportLayout.h
    ReportLayout.cpp
    ReportPrinter.h
    ReportPrinter.cpp
    PrintCommand.h
    PrintCommand.cpp
)
