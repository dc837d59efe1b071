# The Debian package: cmake --build build --target package (or cpack in the build folder).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sumdrop)
set(CPACK_PACKAGE_VENDOR "Sumdrop")
set(CPACK_PACKAGE_CONTACT "Sumdrop developers <support@sumdrop.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic flash cards for children")
set(CPACK_PACKAGE_DESCRIPTION
    "Sumdrop drills children in addition, subtraction, multiplication and division.
A parent or teacher chooses the operations, the number ranges, the number of
cards and optional time limits; the child answers card after card by keyboard,
on an on-screen keypad or aloud. The last game's summary can be printed and
saved, and worksheets of practice problems can be printed.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.sumdrop.example/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so shlibdeps cannot see them: the practice history needs
# SQLite's, a class server PostgreSQL's.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql")
# The fonts the card texts are drawn with; others look worse but work. Cards
# are read aloud through the speech dispatcher's plugin when it is there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-core, qt6-speech-speechd-plugin")
set(CPACK_STRIP_FILES ON)
include(CPack)
