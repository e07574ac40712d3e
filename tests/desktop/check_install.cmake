# Installs the build into a fresh folder and checks what a desktop needs:
# the program and its modules, its menu entry, its metadata and its icons at
# their sizes.
foreach(variable BUILD_DIR PREFIX MODULE_DIR PROGRAM MODULE_SUFFIX)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE installed)
if(NOT installed EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

foreach(file bin/${PROGRAM} ${MODULE_DIR}/korinde-window${MODULE_SUFFIX} ${MODULE_DIR}/korinde-popup${MODULE_SUFFIX}
        ${MODULE_DIR}/korinde-ics${MODULE_SUFFIX} ${MODULE_DIR}/korinde-pdf${MODULE_SUFFIX}
        share/applications/jp.example.korinde.desktop share/metainfo/jp.example.korinde.metainfo.xml)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# A PNG states its width and height in the 8 bytes from offset 16.
foreach(size 16 32 48 64 128 256)
    set(icon ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/korinde.png)
    if(NOT EXISTS ${icon})
        message(FATAL_ERROR "no ${size} pixel icon")
    endif()
    file(READ ${icon} header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width)
    string(SUBSTRING "${header}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "the ${size} pixel icon is ${width} x ${height}")
    endif()
endforeach()

file(STRINGS ${BUILD_DIR}/generated/korinde_version.h version_line REGEX "program_version\\[\\] = ")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" version "${version_line}")
file(READ ${PREFIX}/share/metainfo/jp.example.korinde.metainfo.xml metainfo)
string(FIND "${metainfo}" "version=\"${version}\"" found)
if(version STREQUAL "" OR found EQUAL -1)
    message(FATAL_ERROR "the metadata does not carry the version '${version}'")
endif()

# The Windows icon: a directory entry of 16 bytes a picture from offset 6;
# byte 2 of each is its palette size, 0 for the 32-bit pictures it holds.
file(READ ${BUILD_DIR}/app/icons/korinde.ico ico HEX)
string(SUBSTRING "${ico}" 8 4 count_le)
string(SUBSTRING "${count_le}" 0 2 count)
math(EXPR count "0x${count}")
math(EXPR last "${count} - 1")
foreach(entry RANGE ${last})
    math(EXPR at "(6 + 16 * ${entry} + 2) * 2")
    string(SUBSTRING "${ico}" ${at} 2 palette)
    if(NOT palette STREQUAL "00")
        message(FATAL_ERROR "icon entry ${entry} states a palette of 0x${palette} colours")
    endif()
endforeach()
