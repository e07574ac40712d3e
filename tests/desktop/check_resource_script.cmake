# Compiles the Windows resource script with windres, then reads the compiled
# resources back as text and checks the icon and every field of the version record.
foreach(variable WINDRES RC WORK)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} is not set")
    endif()
endforeach()
file(MAKE_DIRECTORY ${WORK})
set(windres ${WINDRES} --preprocessor=cpp --preprocessor-arg=-xc)

execute_process(COMMAND ${windres} ${RC} -O coff -o ${WORK}/korinde.res.o RESULT_VARIABLE compiled)
if(NOT compiled EQUAL 0)
    message(FATAL_ERROR "windres could not compile ${RC}")
endif()
execute_process(COMMAND ${windres} ${WORK}/korinde.res.o -O rc OUTPUT_VARIABLE resources RESULT_VARIABLE decompiled)
if(NOT decompiled EQUAL 0)
    message(FATAL_ERROR "windres could not read the compiled resources back")
endif()

set(expected
    "RT_GROUP_ICON"
    "FILEVERSION 2, 0, 0, 2"
    "PRODUCTVERSION 2, 0, 0, 2"
    "BLOCK \"041104B0\""
    "VALUE \"ProductName\", \"Korinde\""
    "VALUE \"InternalName\", \"Korinde\""
    "VALUE \"OriginalFilename\", \"Korinde.exe\""
    "VALUE \"FileVersion\", \"2.00.0002\""
    "VALUE \"ProductVersion\", \"2.00.0002\""
    "VALUE \"CompanyName\", \"Korinde Project\""
    "VALUE \"Translation\", 0x411, 1200")
foreach(line IN LISTS expected)
    string(FIND "${resources}" "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the compiled resources lack: ${line}\n${resources}")
    endif()
endforeach()
