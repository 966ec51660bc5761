# Dependencies run downward: resources, core, devicelink, materialwidgets, shell, panels, the page areas,
# and the program's top (app). A source may include its own folder and the ones below it, never one above.
#
# As a script (cmake -DSOURCE_DIR=<root> -P IncludeDirection.cmake) it fails on the first upward include;
# included, it offers station_upward_includes(<root> <out-var>).

# The folders from the bottom up: each may use its own and the ones before it, never one after it. The core
# comes before the device link: the link uses the core, and the core tells the link what it must know through
# listeners the link sets (core/linknotices.h).
set(STATION_LAYERS resources core devicelink materialwidgets shell panels pages app)

# The layer of a library of the build: its folder's name, or for a page area's library (pages_<area>) "pages"
# and for the page table "app"; empty when the library is none of the station's own.
function(station_layer_of_library library out)
    set(layer "")
    if(library MATCHES "^pages_")
        set(layer pages)
    elseif(library STREQUAL "pagetable")
        set(layer app)
    elseif(library IN_LIST STATION_LAYERS)
        set(layer ${library})
    endif()
    set(${out} "${layer}" PARENT_SCOPE)
endfunction()

function(station_upward_includes root out)
    # folder | folders its sources must not include
    set(rules "")
    set(remaining ${STATION_LAYERS})
    foreach(folder IN LISTS STATION_LAYERS)
        list(REMOVE_AT remaining 0)
        if(remaining)
            list(JOIN remaining " " above)
            list(APPEND rules "${folder}|${above}")
        endif()
    endforeach()
    set(found "")
    foreach(rule IN LISTS rules)
        string(REPLACE "|" ";" parts "${rule}")
        list(GET parts 0 folder)
        list(GET parts 1 above)
        string(REPLACE " " "|" above "${above}")
        file(GLOB_RECURSE sources "${root}/${folder}/*.h" "${root}/${folder}/*.cpp")
        foreach(source IN LISTS sources)
            file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"(${above})/")
            foreach(line IN LISTS lines)
                file(RELATIVE_PATH name "${root}" "${source}")
                list(APPEND found "${name}: ${line}")
            endforeach()
        endforeach()
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    station_upward_includes("${SOURCE_DIR}" upward)
    if(upward)
        string(REPLACE ";" "\n" upward "${upward}")
        message(FATAL_ERROR "Includes that run upward:\n${upward}")
    endif()
endif()
