# ERFA's release carries no configure script, only autotools input: its
# sources build as one shared library with the version its config.h names.
cmake_minimum_required(VERSION 3.25)
project(erfa LANGUAGES C)

file(GLOB erfa_sources ${CMAKE_CURRENT_SOURCE_DIR}/src/*.c)
list(FILTER erfa_sources EXCLUDE REGEX "/t_erfa_c(_extra)?\\.c$")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/config.h
    "#define PACKAGE_VERSION \"${ERFA_VERSION}\"\n"
    "#define PACKAGE_VERSION_MAJOR ${ERFA_VERSION_MAJOR}\n"
    "#define PACKAGE_VERSION_MINOR ${ERFA_VERSION_MINOR}\n"
    "#define PACKAGE_VERSION_MICRO ${ERFA_VERSION_MICRO}\n"
    "#define SOFA_VERSION \"${SOFA_VERSION}\"\n")
add_library(erfa SHARED ${erfa_sources})
target_compile_definitions(erfa PRIVATE HAVE_CONFIG_H)
target_include_directories(erfa PRIVATE ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/src)
set_target_properties(erfa PROPERTIES WINDOWS_EXPORT_ALL_SYMBOLS ON)

# ERFA's own validation program, run under Wine by the build script.
add_executable(t_erfa_c src/t_erfa_c.c)
target_link_libraries(t_erfa_c PRIVATE erfa)
target_include_directories(t_erfa_c PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/src)

install(TARGETS erfa RUNTIME DESTINATION bin ARCHIVE DESTINATION lib LIBRARY DESTINATION lib)
install(FILES src/erfa.h src/erfam.h src/erfaextra.h src/erfadatextra.h DESTINATION include)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/erfa.pc
    "prefix=\${pcfiledir}/../..\nlibdir=\${prefix}/lib\nincludedir=\${prefix}/include\n\n"
    "Name: erfa\nDescription: Essential Routines for Fundamental Astronomy\n"
    "Version: ${ERFA_VERSION}\nLibs: -L\${libdir} -lerfa\nCflags: -I\${includedir}\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/erfa.pc DESTINATION lib/pkgconfig)
