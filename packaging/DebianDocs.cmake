# Run by CPack (CPACK_PRE_BUILD_SCRIPTS) on its staging tree, before the
# package is made: adds what Debian asks of every package and an ordinary
# installation has no use for, in usr/share/doc/<package>/:
#   copyright             the licence, in Debian's machine-readable format
#   changelog.Debian.gz   the package's history
# and compresses the manual pages, as Debian keeps them. Everything is
# compressed with gzip -n, which leaves the name and time out of the header,
# so that the same sources give the same package.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()

set(doc "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/${CPACK_PACKAGE_NAME}")
file(MAKE_DIRECTORY "${doc}")

# The licence text as a Debian copyright "License:" paragraph: every line
# indented by one space, empty lines written as " .".
file(READ "${CPACK_AZIVODER_LICENSE}" text)
# Without its title line ("MIT License"; Debian calls it Expat).
string(FIND "${text}" "\n" end_of_title)
string(SUBSTRING "${text}" ${end_of_title} -1 text)
string(STRIP "${text}" text)
string(REPLACE "\n" "\n " license " ${text}")
string(REPLACE "\n \n" "\n .\n" license "${license}")
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${license}")
set(holder "${CMAKE_MATCH_1}")
if(holder STREQUAL "")
    message(FATAL_ERROR "no copyright line in ${CPACK_AZIVODER_LICENSE}")
endif()
file(WRITE "${doc}/copyright"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${CPACK_PACKAGE_NAME}
Upstream-Contact: ${CPACK_PACKAGE_CONTACT}
Source: ${CPACK_PACKAGE_HOMEPAGE_URL}

Files: *
Copyright: ${holder}
License: Expat
${license}
")

# One entry per packaged release, dated with the release.
execute_process(COMMAND date -u -R -d "${CPACK_AZIVODER_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(version "${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
file(WRITE "${doc}/changelog.Debian"
"${CPACK_PACKAGE_NAME} (${version}) unstable; urgency=medium

  * Release ${CPACK_PACKAGE_VERSION}.

 -- ${CPACK_PACKAGE_CONTACT}  ${date}
")
file(CHMOD "${doc}/copyright" "${doc}/changelog.Debian"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

file(GLOB_RECURSE pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/man/*.[0-9]")
foreach(file IN ITEMS "${doc}/changelog.Debian" ${pages})
    file(REMOVE "${file}.gz")
    execute_process(COMMAND gzip -9n "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
