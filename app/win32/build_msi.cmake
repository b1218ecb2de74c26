# Builds the Windows installer from Zerapol.wxs; run by the build as `cmake -P` with
#   WIXL, MSIBUILD, FAKETIME  the tools (Debian's wixl, msitools and faketime)
#   WXS, EXE, ICON  the installer's description and the files it installs and shows
#   VERSION, NAME   the program's version and its name for people
#   WORK, OUTPUT    a folder of its own, and the .msi to make
# The same inputs give the same bytes: the cabinet keeps each file's time and the summary its
# times and a package code, so the files go in with the time SOURCE_DATE_EPOCH gives (the
# commit's, in scripts/package), wixl and msibuild run with the clock stopped at that time, and
# the package code is named after what the package holds.
cmake_minimum_required(VERSION 3.25)

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
    set(epoch 946684800) # 2000-01-01, where nothing gives a time
endif()

# wixl takes its sources by names relative to where it runs.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY_FILE "${EXE}" "${WORK}/Zerapol.exe")
file(COPY_FILE "${ICON}" "${WORK}/Zerapol.ico")
execute_process(COMMAND touch -d "@${epoch}" "${WORK}/Zerapol.exe" "${WORK}/Zerapol.ico"
    COMMAND_ERROR_IS_FATAL ANY)
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
# faketime's plain date starts a clock that runs on from it; in its -f form a date without "@"
# stops the clock there, so a slow build writes the same times as a fast one.
string(TIMESTAMP frozen_time "%Y-%m-%d %H:%M:%S" UTC)
set(ENV{TZ} UTC)

# One product code per version: a rebuild of a version is the same product, a new version a
# newer one that replaces it. The upgrade code in Zerapol.wxs is the namespace.
string(UUID product_code NAMESPACE E175A22D-1353-4D55-B157-F57870EF2DCA
    NAME "Zerapol ${VERSION} x64" TYPE SHA1 UPPER)
file(SHA256 "${EXE}" exe_hash)
file(SHA256 "${WXS}" wxs_hash)
file(SHA256 "${ICON}" icon_hash)
string(UUID package_code NAMESPACE ${product_code}
    NAME "${exe_hash} ${wxs_hash} ${icon_hash}" TYPE SHA1 UPPER)

file(REMOVE "${OUTPUT}")
execute_process(
    COMMAND "${FAKETIME}" -f "${frozen_time}" "${WIXL}" -a x64
            -D "Version=${VERSION}" -D "ProductCode=${product_code}" -D "Name=${NAME}"
            -D Exe=Zerapol.exe -D Icon=Zerapol.ico -o "${OUTPUT}" "${WXS}"
    WORKING_DIRECTORY "${WORK}"
    COMMAND_ERROR_IS_FATAL ANY)
# wixl can say nothing and still have written nothing.
if(NOT EXISTS "${OUTPUT}")
    message(FATAL_ERROR "wixl made no ${OUTPUT}")
endif()
execute_process(
    COMMAND "${FAKETIME}" -f "${frozen_time}" "${MSIBUILD}" "${OUTPUT}"
            -s "Zerapol ${VERSION}" "Zerapol developers" "x64;1033" "{${package_code}}"
    COMMAND_ERROR_IS_FATAL ANY)
