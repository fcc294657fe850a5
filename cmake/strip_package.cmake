# Run by CPack on its staging folder before it packs: strips the program of
# its symbols and of the compiler's .comment and .note sections, as Debian's
# own package tools do.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/games/*")
message(STATUS "stripping ${programs}")
foreach(program IN LISTS programs)
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program}
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
