file(REMOVE_RECURSE
  "libgame.a"
)
