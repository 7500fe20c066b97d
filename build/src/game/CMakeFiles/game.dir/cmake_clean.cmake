file(REMOVE_RECURSE
  "CMakeFiles/game.dir/deal.cpp.o"
  "CMakeFiles/game.dir/deal.cpp.o.d"
  "CMakeFiles/game.dir/pieces.cpp.o"
  "CMakeFiles/game.dir/pieces.cpp.o.d"
  "CMakeFiles/game.dir/table.cpp.o"
  "CMakeFiles/game.dir/table.cpp.o.d"
  "libgame.a"
  "libgame.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/game.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
