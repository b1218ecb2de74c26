# What Debian asks of a packaged program: position-independent executables, stack protection,
# fortified libc calls where the optimiser can see sizes, and read-only relocations bound at
# start-up.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(ZERAPOL_HARDENING AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT WIN32)
    add_compile_options(
        -fstack-protector-strong
        -fstack-clash-protection
        "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    add_link_options(-Wl,-z,relro -Wl,-z,now -Wl,--as-needed)
endif()
