file(REMOVE_RECURSE
  "../../banqi"
  "../../banqi.pdb"
  "CMakeFiles/banqi.dir/main.cpp.o"
  "CMakeFiles/banqi.dir/main.cpp.o.d"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/banqi.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
