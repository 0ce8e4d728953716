# The Debian package: `cpack -G DEB` in the build folder makes
# brimsum_<version>_<arch>.deb of what the install rules install, under /usr.
# Its dependencies are read from the program's shared libraries
# (dpkg-shlibdeps), plus the Qt platform plugins that show a window at all
# and Qt's translations.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brimsum)
set(CPACK_PACKAGE_VENDOR Tarvik)
# The maintainer, as "Name <address>": who made the release (BrimsumRelease).
set(CPACK_PACKAGE_CONTACT "${BRIMSUM_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tape calculator for small-business arithmetic")
# Lines of at most 80 characters (lintian), as Debian writes them.
set(CPACK_PACKAGE_DESCRIPTION
    "An adding machine with a Catalan user interface: a keypad, an entry\n\
display and a paper tape that is evaluated again from its first row after\n\
every key, with VAT and margin keys, peseta/euro conversion, rounding\n\
options, clipboard copy and paste, and a second window that compares two\n\
bank loans with an amortization table.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's translations: its file and print dialogs in the program's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The fonts the keys were drawn for; others serve.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")

include(CPack)
