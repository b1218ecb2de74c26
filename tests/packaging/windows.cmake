# Zerapol.exe as shipped: read back from the file, not run.
add_test(NAME packaging.windows_executable
    COMMAND "${ZERAPOL_SYSTEM_PYTHON}" "${CMAKE_CURRENT_SOURCE_DIR}/windows_executable.py"
            "$<TARGET_FILE:zerapol>")
set_tests_properties(packaging.windows_executable PROPERTIES
    LABELS "packaging;windows" ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
