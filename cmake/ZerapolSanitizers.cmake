# Sanitizers apply to everything built here, tests included, so that a fault in the code under
# test is caught whichever target exercises it. Any finding ends the process.
if(ZERAPOL_SANITIZERS)
    add_compile_options(-fsanitize=${ZERAPOL_SANITIZERS} -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${ZERAPOL_SANITIZERS})
endif()
