# Zerapol.exe as shipped: read back from the file, not run.
add_test(NAME packaging.windows_executable
    COMMAND "${ZERAPOL_SYSTEM_PYTHON}" "${CMAKE_CURRENT_SOURCE_DIR}/windows_executable.py"
            "$<TARGET_FILE:zerapol>")
# The same small sizes as Zerapol.exe's icon carries them.
add_test(NAME packaging.windows_small_icons
    COMMAND "${ZERAPOL_SYSTEM_PYTHON}" "${CMAKE_CURRENT_SOURCE_DIR}/small_icons.py"
            --ico "${ZERAPOL_ICO}")
set_tests_properties(packaging.windows_executable packaging.windows_small_icons PROPERTIES
    LABELS "packaging;windows" ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")

# The installer, used under Wine as a user and an administrator would: install, start, upgrade,
# refused downgrade, removal.
add_test(NAME packaging.windows_installer
    COMMAND "${ZERAPOL_SYSTEM_PYTHON}" "${CMAKE_CURRENT_SOURCE_DIR}/windows_installer.py"
            "${ZERAPOL_MSI}" "$<TARGET_FILE:zerapol>" "${CMAKE_COMMAND}" "${ZERAPOL_BUILD_MSI}"
            "${ZERAPOL_WXS}" "${ZERAPOL_ICO}" "${ZERAPOL_DISPLAY_NAME}"
            "${ZERAPOL_WIXL}" "${ZERAPOL_MSIBUILD}" "${ZERAPOL_FAKETIME}")
set_tests_properties(packaging.windows_installer PROPERTIES
    LABELS "packaging;windows" TIMEOUT 600
    ENVIRONMENT "LANG=C.UTF-8;LC_ALL=C.UTF-8;PYTHONDONTWRITEBYTECODE=1")

# The installer's times are the commit's, however long its tools take to write them.
add_test(NAME packaging.windows_installer_times
    COMMAND "${ZERAPOL_SYSTEM_PYTHON}" "${CMAKE_CURRENT_SOURCE_DIR}/installer_times.py"
            "$<TARGET_FILE:zerapol>" "${CMAKE_COMMAND}" "${ZERAPOL_BUILD_MSI}" "${ZERAPOL_WXS}"
            "${ZERAPOL_ICO}" "${ZERAPOL_DISPLAY_NAME}" "${ZERAPOL_WIXL}" "${ZERAPOL_MSIBUILD}"
            "${ZERAPOL_FAKETIME}")
set_tests_properties(packaging.windows_installer_times PROPERTIES
    LABELS "packaging;windows" ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
