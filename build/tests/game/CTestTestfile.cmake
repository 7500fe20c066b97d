# CMake generated Testfile for 
# Source directory: /work/main/tests/game
# Build directory: /work/main/build/tests/game
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
