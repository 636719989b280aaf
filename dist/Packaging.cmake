# The Debian package that scripts/package builds with CPack: everything `cmake --install`
# puts in place, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR "The Lumora developers")
set(CPACK_PACKAGE_CONTACT "The Lumora developers <support@lumora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "traditional Chinese almanac, lunar calendar and folk readings")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumora shows the traditional Chinese almanac (黄历) of any day from 1901 to 2050, a
perpetual lunar calendar with festivals and the 24 solar terms, the boy-or-girl
conception chart and folk readings of numbers and nicknames. The command lumora-cli
prints the same readings as plain text.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://lumora.example/)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# dpkg-shlibdeps finds the libraries the programs link (Qt 6, the C++ runtime); what Qt
# loads at run time is named here: the window-system plugins, the SQLite driver, and the
# faces the forms ask for (FormFonts.cpp). The extra Noto weights only add the Black of
# the perpetual calendar's numerals, which falls back to Bold without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-noto-cjk, fonts-arphic-ukai, fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk-extra")

include(CPack)
