# Warnings for the project's own targets, linked PRIVATE so that they never leak to consumers.
add_library(zerapol_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(zerapol_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
        -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
    if(ZERAPOL_WARNINGS_AS_ERRORS)
        target_compile_options(zerapol_warnings INTERFACE -Werror)
    endif()
elseif(MSVC)
    target_compile_options(zerapol_warnings INTERFACE /W4 $<$<BOOL:${ZERAPOL_WARNINGS_AS_ERRORS}>:/WX>)
endif()
