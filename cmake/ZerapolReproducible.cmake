# What ships is the same bytes wherever and whenever it is built from the same commit: the
# optimised builds keep no build path, and Zerapol.exe no link time. Times that tools do write
# (Qt's resource compiler, the .deb's archives) come from SOURCE_DATE_EPOCH, which
# scripts/package takes from the commit.
add_compile_options(
    "$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
    "$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")
if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Otherwise the PE header carries the time of linking.
    add_link_options(-Wl,--no-insert-timestamp)
endif()
