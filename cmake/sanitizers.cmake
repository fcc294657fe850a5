# -DKARETO_SANITIZE=ON builds every target with AddressSanitizer (leak
# checking included) and UndefinedBehaviorSanitizer. Undefined behaviour
# aborts instead of printing and going on, so that any report fails the test
# that met it. scripts/sanitizer-test configures such a build and runs it.
option(KARETO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KARETO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
