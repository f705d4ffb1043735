# The Debian package, built by CPack from the install rules: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pentavo)
set(CPACK_PACKAGE_VENDOR "The Pentavo developers")
set(CPACK_PACKAGE_CONTACT "The Pentavo developers <${PENTAVO_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five in a row against the computer")
# The long description, under the summary line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Pentavo is five in a row on a 15 x 15 board, one person against a computer
opponent that answers at once and always the same way in the same position.
Games can be saved and opened again, moves taken back, and the board printed.
.
The package also holds pbrain-pentavo, the same opponent for five-in-a-row
tournament managers.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PENTAVO_HOMEPAGE}")
# The Qt libraries and the rest are found from what the programs link; the print server's library
# is loaded only when printing, so it is named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libcups2)
# Qt's own dialogs in the person's language, and Japanese and Chinese glyphs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-zenhei")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
