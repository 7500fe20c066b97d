src/game/CMakeFiles/game.dir/pieces.cpp.o: /work/main/src/game/pieces.cpp \
 /usr/include/stdc-predef.h /work/main/src/game/pieces.h
