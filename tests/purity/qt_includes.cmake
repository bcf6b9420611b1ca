# Fails when a file includes a Qt header of any module but Qt Core and its Core5Compat codec, in
# whatever spelling: <QWidget>, <QtWidgets/QWidget>, <QtGui>, <QColor>, <QtGui/qcolor.h>, ...
#
#   cmake -Dqt_headers=<folder of Qt's module folders> -Dfolders=<a|b|...> -Dfiles=<a|b|...>
#         -P qt_includes.cmake
#
# Reads every *.h and *.cpp file of `folders`, and the `files`. An include is refused when a part
# of its path names a Qt module other than QtCore and QtCore5Compat, or when its file name is that
# of a header in the folder of such a module.
cmake_minimum_required(VERSION 3.25)

set(allowed_modules QtCore QtCore5Compat)

file(GLOB modules LIST_DIRECTORIES true RELATIVE ${qt_headers} ${qt_headers}/Qt*)
set(refused_names)
set(allowed_names)
foreach(module IN LISTS modules)
    file(GLOB_RECURSE headers LIST_DIRECTORIES false ${qt_headers}/${module}/*)
    list(TRANSFORM headers REPLACE ".*/" "")
    if(module IN_LIST allowed_modules)
        list(APPEND allowed_names ${headers})
    else()
        list(APPEND refused_names ${headers})
    endif()
endforeach()
if(NOT refused_names OR NOT allowed_names)
    message(FATAL_ERROR "No Qt module folders with headers in ${qt_headers}")
endif()
list(REMOVE_ITEM refused_names ${allowed_names})

string(REPLACE "|" ";" folders "${folders}")
string(REPLACE "|" ";" sources "${files}")
foreach(folder IN LISTS folders)
    file(GLOB found ${folder}/*.h ${folder}/*.cpp)
    list(APPEND sources ${found})
endforeach()

set(include_line "^[ \t]*#[ \t]*include(_next)?[ \t]*[<\"]([^>\"]*)[>\"]")
set(refused 0)
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "${include_line}")
    foreach(line IN LISTS includes)
        string(REGEX MATCH "${include_line}" path "${line}")
        string(REPLACE "/" ";" parts "${CMAKE_MATCH_2}")
        list(GET parts -1 name)
        set(refuse FALSE)
        if(name IN_LIST refused_names)
            set(refuse TRUE)
        endif()
        foreach(part IN LISTS parts)
            if(part MATCHES "^Qt[A-Z0-9]" AND NOT part IN_LIST allowed_modules)
                set(refuse TRUE)
            endif()
        endforeach()
        if(refuse)
            message("${source}: ${line}")
            math(EXPR refused "${refused} + 1")
        endif()
    endforeach()
endforeach()

list(LENGTH sources file_count)
if(refused GREATER 0)
    message(FATAL_ERROR "${refused} includes of Qt beyond Qt Core (${file_count} files read)")
endif()
message("No include of Qt beyond Qt Core (${file_count} files read)")
