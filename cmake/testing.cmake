# Every test runs through tests/scripts/with_own_home, with a home and XDG
# folders of its own under the build folder: no test touches the developer's.
#     kareto_add_test(NAME COMMAND [ARGUMENT...])
# COMMAND is a path; a target's is $<TARGET_FILE:target>.
function(kareto_add_test name)
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/tests/scripts/with_own_home ${PROJECT_BINARY_DIR}/test-homes/${name} ${ARGN})
endfunction()
