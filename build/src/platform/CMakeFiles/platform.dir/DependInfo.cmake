
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/platform/posix/big5_transcoder.cpp" "src/platform/CMakeFiles/platform.dir/posix/big5_transcoder.cpp.o" "gcc" "src/platform/CMakeFiles/platform.dir/posix/big5_transcoder.cpp.o.d"
  "/work/main/src/platform/posix/pause.cpp" "src/platform/CMakeFiles/platform.dir/posix/pause.cpp.o" "gcc" "src/platform/CMakeFiles/platform.dir/posix/pause.cpp.o.d"
  "/work/main/src/platform/posix/rawmode.cpp" "src/platform/CMakeFiles/platform.dir/posix/rawmode.cpp.o" "gcc" "src/platform/CMakeFiles/platform.dir/posix/rawmode.cpp.o.d"
  "/work/main/src/platform/posix/textout_posix.cpp" "src/platform/CMakeFiles/platform.dir/posix/textout_posix.cpp.o" "gcc" "src/platform/CMakeFiles/platform.dir/posix/textout_posix.cpp.o.d"
  "/work/main/src/platform/textout.cpp" "src/platform/CMakeFiles/platform.dir/textout.cpp.o" "gcc" "src/platform/CMakeFiles/platform.dir/textout.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
