# The flags Debian builds its packages with (dpkg-buildflags with hardening=+all): stack
# protector, format checks, fortified C library calls, position-independent executables, and
# full RELRO with immediate binding. Fortify needs an optimised build, and the sanitizers and the
# fuzzer bring their own checks of the same calls, so those builds leave it out.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
add_link_options(-Wl,-z,relro -Wl,-z,now)
if(NOT DORARIVE_SANITIZE AND NOT DORARIVE_FUZZ)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
