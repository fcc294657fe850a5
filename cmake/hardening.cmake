# The release build gets the hardening Debian builds its packages with:
# fortified C library calls, a strong stack protector, and relocations made
# read-only once the program is loaded (relro, bindnow). The sanitizer build
# goes without: the fortified calls would check what AddressSanitizer checks,
# and hide it from it.
option(KARETO_HARDEN "Build with the hardening flags Debian uses" ON)
set(KARETO_HARDENED OFF)
if(KARETO_HARDEN AND NOT KARETO_SANITIZE)
    set(KARETO_HARDENED ON)
    # Fortify needs the optimiser; a Debug build would only warn about it.
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
    add_compile_options(-fstack-protector-strong)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
