# The flags Debian builds its packages' programs with, as dpkg-buildflags
# gives them with every hardening feature on: the stack protector, fortified
# string and memory functions, read-only relocations bound at start and
# position-independent executables; and its mapping of the source folder's
# path to ".", which keeps the folder the build ran in out of the programs.
# Optimisation and debug information stay the build type's, and the project's
# warnings stay errors. Included by the top-level CMakeLists.txt before any
# target, when KYVADLO_DEBIAN_BUILD_FLAGS is on (the release preset).
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)

function(kyvadlo_debian_build_flags kind result)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O[0-9sgz]?)$")
    set(${result} ${flags} PARENT_SCOPE)
endfunction()

kyvadlo_debian_build_flags(CPPFLAGS debian_cppflags)
kyvadlo_debian_build_flags(CXXFLAGS debian_cxxflags)
kyvadlo_debian_build_flags(LDFLAGS debian_ldflags)
add_compile_options(${debian_cppflags} ${debian_cxxflags})
add_link_options(${debian_ldflags})

# Position-independent executables asked for explicitly rather than left to
# the compiler's default.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)

list(JOIN debian_cppflags " " cppflags_text)
list(JOIN debian_cxxflags " " cxxflags_text)
list(JOIN debian_ldflags " " ldflags_text)
message(STATUS "Debian build flags: ${cppflags_text} ${cxxflags_text}; linker: ${ldflags_text}")
