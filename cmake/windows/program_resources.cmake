# add_windows_resources(<program> ICON <icon.xpm> PRODUCT <name> DESCRIPTION <text>)
#
# Gives a Windows program its icon, its manifest (program.manifest) and its version information
# as resources: the XPM icon that the window shows becomes an .ico, and program.rc.in names it
# and the manifest with the project's version. Elsewhere it does nothing.
find_package(Python3 COMPONENTS Interpreter)

function(add_windows_resources program)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "ICON;PRODUCT;DESCRIPTION" "")
    if(NOT Python3_Interpreter_FOUND)
        message(FATAL_ERROR "Python 3 is needed to turn ${arg_ICON} into a Windows icon")
    endif()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${program}_resources)
    set(ICON_FILE ${dir}/${program}.ico)
    add_custom_command(OUTPUT ${ICON_FILE}
        COMMAND Python3::Interpreter ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/xpm_to_ico.py
                ${arg_ICON} ${ICON_FILE}
        DEPENDS ${arg_ICON} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/xpm_to_ico.py
        VERBATIM)

    set(PROGRAM ${program})
    set(PRODUCT ${arg_PRODUCT})
    set(DESCRIPTION ${arg_DESCRIPTION})
    set(VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
    set(VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0)
    set(MANIFEST_FILE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.manifest)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.rc.in ${dir}/${program}.rc @ONLY)
    # windres reads the icon and the manifest when compiling the .rc; the dependencies bring the
    # icon first and compile again when either changes.
    set_source_files_properties(${dir}/${program}.rc PROPERTIES OBJECT_DEPENDS
                                "${ICON_FILE};${MANIFEST_FILE}")
    target_sources(${program} PRIVATE ${dir}/${program}.rc ${ICON_FILE})
endfunction()
