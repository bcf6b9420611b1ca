# Preprocesses one include at a time with the include folders of a target: every Qt Gui and
# Widgets header below must fail as a header that is not found. Qt Core's headers must be found
# the same way, so that the failures come from the folders and not from a broken command.
#
#   cmake -Dcompiler=<C++ compiler> -Dincludes=<a|b|...> -Dimplicit=<a|b|...> -Dwork=<folder>
#         -P gui_header_probe.cmake
#
# `implicit` are the compiler's own folders, which a build never passes as include folders.
cmake_minimum_required(VERSION 3.25)

set(gui_headers QtWidgets/QWidget QWidget QtWidgets QtGui/QColor QtGui/qcolor.h QColor qcolor.h
    QtGui qt6/QtWidgets/QWidget)
set(core_headers QString QtCore/QString)

string(REPLACE "|" ";" includes "${includes}")
string(REPLACE "|" ";" implicit "${implicit}")
list(REMOVE_ITEM includes ${implicit} "")
list(TRANSFORM includes PREPEND "-I")
file(MAKE_DIRECTORY ${work})

function(preprocess header status_out error_out)
    file(WRITE ${work}/probe.cpp "#include <${header}>\n")
    execute_process(COMMAND ${compiler} -std=c++20 -E -o ${work}/probe.i ${includes}
                            ${work}/probe.cpp
                    RESULT_VARIABLE status ERROR_VARIABLE error)
    set(${status_out} ${status} PARENT_SCOPE)
    set(${error_out} "${error}" PARENT_SCOPE)
endfunction()

foreach(header IN LISTS core_headers)
    preprocess(${header} status error)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "<${header}> is not found: the probe itself is broken.\n${error}")
    endif()
endforeach()

set(found 0)
foreach(header IN LISTS gui_headers)
    preprocess(${header} status error)
    string(REGEX MATCH "[^\n]*(No such file or directory|file not found)" missing "${error}")
    if(status EQUAL 0)
        message("<${header}>: found")
        math(EXPR found "${found} + 1")
    elseif(missing)
        message("<${header}>: ${missing}")
    else()
        message(FATAL_ERROR "<${header}> fails, but not as a missing header:\n${error}")
    endif()
endforeach()
if(found GREATER 0)
    message(FATAL_ERROR "${found} Qt Gui or Widgets headers are found")
endif()
