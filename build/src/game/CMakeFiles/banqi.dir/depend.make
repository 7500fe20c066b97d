# Empty dependencies file for banqi.
# This may be replaced when dependencies are built.
