file(REMOVE_RECURSE
  "CMakeFiles/platform.dir/posix/big5_transcoder.cpp.o"
  "CMakeFiles/platform.dir/posix/big5_transcoder.cpp.o.d"
  "CMakeFiles/platform.dir/posix/pause.cpp.o"
  "CMakeFiles/platform.dir/posix/pause.cpp.o.d"
  "CMakeFiles/platform.dir/posix/rawmode.cpp.o"
  "CMakeFiles/platform.dir/posix/rawmode.cpp.o.d"
  "CMakeFiles/platform.dir/posix/textout_posix.cpp.o"
  "CMakeFiles/platform.dir/posix/textout_posix.cpp.o.d"
  "CMakeFiles/platform.dir/textout.cpp.o"
  "CMakeFiles/platform.dir/textout.cpp.o.d"
  "libplatform.a"
  "libplatform.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/platform.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
