# The packages, both named with the project's version: a .deb (make
# package) and, from the MinGW build, a .zip (make package-windows).
set(CPACK_PACKAGE_NAME banqi)
set(CPACK_PACKAGE_VENDOR "banqi maintainers")
set(CPACK_PACKAGE_CONTACT "banqi maintainers <maintainers@users.noreply.c-seed-6bb41fe8.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dark chess (banqi) on the console")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_PACKAGE_FILE_NAME banqi-${PROJECT_VERSION}-win64)
  else()
    set(CPACK_PACKAGE_FILE_NAME banqi-${PROJECT_VERSION}-win32)
  endif()
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # Depends from the libraries the programs link (dpkg-shlibdeps).
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The summary above is its first line.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Dark chess (banqi) is played with the 32 pieces of a Chinese-chess set,
dealt face down on a board of 4 rows and 8 columns.
.
banqi deals the pieces and prints the dealt board; banqi-play plays whole
games in a terminal, for two players at one keyboard or against the
computer; banqi-engine is the computer opponent behind a text protocol.
The texts are Chinese, shown in the terminal's encoding.")
endif()

include(CPack)
