# Small helpers shared by the folders' CMakeLists.

# Continuous integration builds with STATION_WERROR on (scripts/build sets it when CI is set), so a warning
# fails the build there.
option(STATION_WERROR "Treat compiler warnings as errors" OFF)

# The warnings and the Qt checks of every target of the project's own.
function(station_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wshadow -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor)
    # No silent conversion from a byte array to text, and no narrowing between signal and slot arguments.
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_BYTEARRAY QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
    if(STATION_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# station_library(name [LINK lib...]): one static library from the sources of the calling folder.
function(station_library name)
    cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    list(FILTER sources EXCLUDE REGEX ".*\\.h$")
    if(sources)
        file(GLOB all CONFIGURE_DEPENDS
            ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/*.h
            ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
        add_library(${name} STATIC ${all})
        station_warnings(${name})
        target_link_libraries(${name} PUBLIC ${ARG_LINK})
    else()
        # Header-only so far.
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARG_LINK})
    endif()
endfunction()

# station_add_test(folder name [NETWORK] [LINK lib...]): tests/<folder>/tst_<name>.cpp as a CTest test.
# NETWORK marks a test that opens the station's own bus or transfer ports: such tests run one at a time,
# since two stations on one loopback would both answer the same simulated peer.
function(station_add_test folder name)
    cmake_parse_arguments(ARG "NETWORK" "TIMEOUT" "LINK" ${ARGN})
    # A page area's folder has a slash (pages/settings), which a target name may not hold.
    string(REPLACE "/" "_" target tst_${folder}_${name})
    add_executable(${target} ${CMAKE_CURRENT_SOURCE_DIR}/tst_${name}.cpp)
    station_warnings(${target})
    target_link_libraries(${target} PRIVATE ${ARG_LINK} testsupport Qt5::Test)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_test(NAME ${folder}/${name} COMMAND ${target})
    set(environment "QT_QPA_PLATFORM=offscreen" "QT_LOGGING_RULES=qt.qpa.*=false" ${STATION_SANITIZER_ENV})
    set_tests_properties(${folder}/${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "${environment}")
    if(ARG_NETWORK)
        set_tests_properties(${folder}/${name} PROPERTIES RESOURCE_LOCK station-network-ports)
    endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/IncludeDirection.cmake)

# Stops the configure step when a source includes a folder above its own.
function(station_check_include_direction)
    station_upward_includes(${CMAKE_SOURCE_DIR} upward)
    if(upward)
        string(REPLACE ";" "\n" upward "${upward}")
        message(FATAL_ERROR "Includes that run upward:\n${upward}")
    endif()
endfunction()

# Stops the configure step when one of the station's libraries links a library of a layer above its own.
# Run once every folder has declared its targets.
function(station_check_link_direction)
    set(libraries resources core devicelink materialwidgets shell panels pagetable)
    foreach(area IN ITEMS pickers settings roomconfig messages rooms moods view3d)
        list(APPEND libraries pages_${area})
    endforeach()
    set(upward "")
    foreach(library IN LISTS libraries)
        if(NOT TARGET ${library})
            continue()
        endif()
        station_layer_of_library(${library} layer)
        list(FIND STATION_LAYERS ${layer} level)
        get_target_property(type ${library} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY")
            get_target_property(links ${library} INTERFACE_LINK_LIBRARIES)
        else()
            get_target_property(links ${library} LINK_LIBRARIES)
        endif()
        foreach(link IN LISTS links)
            station_layer_of_library("${link}" linkLayer)
            if(linkLayer)
                list(FIND STATION_LAYERS ${linkLayer} linkLevel)
                if(linkLevel GREATER level)
                    list(APPEND upward "${library} links ${link}")
                endif()
            endif()
        endforeach()
    endforeach()
    if(upward)
        string(REPLACE ";" "\n" upward "${upward}")
        message(FATAL_ERROR "Libraries that link upward:\n${upward}")
    endif()
endfunction()
