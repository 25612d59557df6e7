# Printing the calculation.
