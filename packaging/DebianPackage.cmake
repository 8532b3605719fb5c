# The Debian package, built with `cpack -G DEB` in a configured build folder
# (scripts/package.sh does it all): azivoder_<version>-<release>_<arch>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME azivoder)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${AZIVODER_MAKER}")
set(CPACK_PACKAGE_CONTACT "${AZIVODER_MAKER} <packages@azivoder.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${AZIVODER_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "astrological geomancy chart from eight castings of dots")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Whatever the umask of the user who builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binary itself; what it loads at run time does
# not show there: a window needs one of Qt's platform plugins, and the layout
# is measured for fonts of the classic proportions.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation2")
# CPack puts the summary above this and indents it as a control file wants.
set(CPACK_PACKAGE_DESCRIPTION
"Ririv Evazorarizad Azivoder associates the sixteen geomantic figures with a
Western natal chart. Eight presses of one button make a reading: four
castings of random dots for the Ascendant, the Sun, the Moon and Venus,
and four formed from them for Mercury, Saturn, Jupiter and Mars.

Each casting is named as one of the figures, whose attributes and meaning
are shown on a tab of its own; each planet is placed in one of the twelve
houses, and a report of the reading can be saved as RTF and printed.")

# Files that only a Debian package carries, written into CPack's staging
# tree by DebianDocs.cmake: the copyright notice and the package changelog.
set(CPACK_AZIVODER_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_AZIVODER_RELEASE_DATE ${AZIVODER_RELEASE_DATE})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DebianDocs.cmake)

include(CPack)
