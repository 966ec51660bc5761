# Dependencies run downward: resources, core with devicelink, materialwidgets, shell, panels, the page areas,
# and the program's top (app). A source may include its own folder and the ones below it, never one above.
#
# As a script (cmake -DSOURCE_DIR=<root> -P IncludeDirection.cmake) it fails on the first upward include;
# included, it offers station_upward_includes(<root> <out-var>).

function(station_upward_includes root out)
    # folder | folders its sources must not include
    set(rules
        "resources|core devicelink materialwidgets shell panels pages app"
        "core|materialwidgets shell panels pages app"
        "devicelink|materialwidgets shell panels pages app"
        "materialwidgets|shell panels pages app"
        "shell|panels pages app"
        "panels|pages app"
        "pages|app")
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
