# Fails when clang-format would change any of the project's own C++ sources, as .clang-format at the root asks.
#
# As a script: cmake -DSOURCE_DIR=<root> -DCLANG_FORMAT=<clang-format program> -P FormatCheck.cmake
# The formatter named is the one the build found (Debian's clang-format, which scripts/install-deps installs);
# another version of it may lay out some constructs differently.

if(NOT CLANG_FORMAT)
    message(FATAL_ERROR "No clang-format was found when the build was configured; scripts/install-deps installs it.")
endif()

# The project's own folders only: a build folder in the source tree holds generated code.
set(folders app bench core devicelink materialwidgets pages panels resources shell tests)
set(sources "")
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    list(APPEND sources ${found})
endforeach()
list(SORT sources)

execute_process(
    COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${sources}
    WORKING_DIRECTORY "${SOURCE_DIR}"
    RESULT_VARIABLE result
    ERROR_VARIABLE report)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Sources that clang-format would change (run clang-format -i on them):\n${report}")
endif()
