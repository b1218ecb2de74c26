# Zerapol.exe under Wine, in a private X server, driven as a person would: xdotool types and
# clicks, the screen gives the bands' pixels, and a small inspector built for Windows reads the
# controls' texts from outside the program.

add_executable(inspect_form win32/inspect_form.cpp)
target_link_libraries(inspect_form PRIVATE zerapol::window_win32 oleacc ole32 oleaut32 zerapol_warnings)

set(wine_run "${PROJECT_SOURCE_DIR}/scripts/wine-run")
add_test(NAME e2e.windows_press_and_read
    COMMAND "${ZERAPOL_SYSTEM_PYTHON}" "${CMAKE_CURRENT_SOURCE_DIR}/windows_press_and_read.py"
            "${wine_run}" "$<TARGET_FILE:zerapol>" "$<TARGET_FILE:inspect_form>")
add_test(NAME e2e.windows_density
    COMMAND "${ZERAPOL_SYSTEM_PYTHON}" "${CMAKE_CURRENT_SOURCE_DIR}/windows_density.py"
            "${wine_run}" "$<TARGET_FILE:zerapol>" "$<TARGET_FILE:inspect_form>")
set_tests_properties(e2e.windows_press_and_read e2e.windows_density PROPERTIES
    ENVIRONMENT "${ZERAPOL_WINE_TEST_ENVIRONMENT};PYTHONDONTWRITEBYTECODE=1"
    LABELS "e2e;windows" TIMEOUT 240
    # Both use the one Wine prefix, and the density test changes its settings while it runs.
    RESOURCE_LOCK zerapol_wine_prefix)
