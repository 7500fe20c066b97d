# Empty compiler generated dependencies file for test_support.
# This may be replaced when dependencies are built.
