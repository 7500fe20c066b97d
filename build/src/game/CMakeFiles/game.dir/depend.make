# Empty dependencies file for game.
# This may be replaced when dependencies are built.
