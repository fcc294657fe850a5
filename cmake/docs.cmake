# The documents the install carries beside the program: the manual page and
# the changelog compressed as Debian wants them (gzip -9n: no name, no time
# stamp, so the same source always gives the same bytes), and the copyright
# file with the licence taken from LICENSE.
set(KARETO_MAINTAINER "kareto developers <kareto@example.org>" CACHE STRING
    "The Debian package's maintainer, as: Name <address>")

set(KARETO_DOCS_DIR ${CMAKE_CURRENT_BINARY_DIR}/docs)

# The copyright file holds the licence's permission text as one indented
# field, its blank lines written as " .".
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE licence)
string(FIND "${licence}" "Permission" permission)
string(SUBSTRING "${licence}" ${permission} -1 licence)
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
set(KARETO_LICENCE_TEXT " ${licence}")
configure_file(packaging/copyright.in ${KARETO_DOCS_DIR}/copyright @ONLY)
configure_file(packaging/changelog.in ${KARETO_DOCS_DIR}/changelog @ONLY)
configure_file(packaging/kareto.6 ${KARETO_DOCS_DIR}/kareto.6 COPYONLY)

set(compressed)
foreach(document changelog kareto.6)
    add_custom_command(OUTPUT ${KARETO_DOCS_DIR}/${document}.gz
        COMMAND gzip -9nkf ${KARETO_DOCS_DIR}/${document}
        DEPENDS ${KARETO_DOCS_DIR}/${document}
        VERBATIM)
    list(APPEND compressed ${KARETO_DOCS_DIR}/${document}.gz)
endforeach()
add_custom_target(docs ALL DEPENDS ${compressed})
