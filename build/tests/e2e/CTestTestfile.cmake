# CMake generated Testfile for 
# Source directory: /work/main/tests/e2e
# Build directory: /work/main/build/tests/e2e
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
