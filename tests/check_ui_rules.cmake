# Fails when a window outside the main window's folder (and the program's start-up) includes a
# header of that folder other than its host interface, or when the window layer or its bound grids
# write to the database themselves: their writes belong to the data layer.
file(GLOB_RECURSE ui_sources "${SRC}/ui/*.cpp" "${SRC}/ui/*.h" "${SRC}/platform/ui/*.cpp" "${SRC}/platform/ui/*.h")
foreach(f IN LISTS ui_sources)
    if(NOT f MATCHES "/ui/main/")
        file(STRINGS "${f}" hits REGEX "#[ \t]*include[ \t]*\"ui/main/")
        list(FILTER hits EXCLUDE REGEX "\"ui/main/analysis_host\\.h\"")
        if(hits)
            message(FATAL_ERROR "${f} includes a header of the main window other than its host interface: ${hits}")
        endif()
    endif()
    file(STRINGS "${f}" hits REGEX "INSERT[ \t]+INTO|DELETE[ \t]+FROM|UPDATE[ \t]+[A-Za-z_]+[ \t]+SET|addNew\\(|Transaction[ \t]+[a-z]")
    if(hits)
        message(FATAL_ERROR "${f} writes to the database: ${hits}")
    endif()
endforeach()
message(STATUS "the window layer reaches the main window only through its host interface and writes nothing")
