# The layers, each one library made of its folders, from the bottom up (README.md, "Layout", draws
# them). A folder is named <subsystem>/<layer>, so that `ls */drawing` lists a layer. Each library
# links the layer right below it, and through it those further down, never one above; each
# publishes only its own folders as include folders, so that a header of a higher layer is not
# found. Of Qt the core gets Qt Core's library and headers alone, so that a Qt Gui or Widgets
# include in it is not found either.

# kelvane_layer(<library> FOLDERS <folder>... [BELOW <library>] [QT <target>])
# makes a static library of every source file in the folders (relative to the project's root).
function(kelvane_layer library)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "BELOW;QT" "FOLDERS")
    add_library(${library} STATIC)
    foreach(folder IN LISTS arg_FOLDERS)
        file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
             ${PROJECT_SOURCE_DIR}/${folder}/*.h)
        target_sources(${library} PRIVATE ${sources})
        target_include_directories(${library} PUBLIC ${PROJECT_SOURCE_DIR}/${folder})
    endforeach()
    if(arg_BELOW)
        target_link_libraries(${library} PUBLIC ${arg_BELOW})
    endif()
    if(arg_QT)
        target_link_libraries(${library} PUBLIC ${arg_QT})
    else()
        target_compile_definitions(${library} PRIVATE QT_NO_CAST_FROM_ASCII)
    endif()
    target_link_libraries(${library} PRIVATE project_warnings)
endfunction()

# The core: Qt Core only.
add_qt_module_only(qt_core_only Core)
kelvane_layer(rkfoundation FOLDERS app/foundation BELOW qt_core_only)
kelvane_layer(rkarithmetic FOLDERS predict/arithmetic BELOW rkfoundation)
kelvane_layer(rkdrawing FOLDERS app/drawing predict/drawing pressure/drawing BELOW rkarithmetic)
kelvane_layer(rkhandlers FOLDERS app/handlers predict/handlers pressure/handlers records/handlers
              BELOW rkdrawing)
# Qt converts Shift-JIS through ICU, which the Windows build of Qt lacks; there Windows converts it.
if(WIN32)
    set(other_platforms_converter records/handlers/shift_jis.cpp)
else()
    set(other_platforms_converter records/handlers/shift_jis_windows.cpp)
endif()
get_target_property(handler_sources rkhandlers SOURCES)
list(REMOVE_ITEM handler_sources ${PROJECT_SOURCE_DIR}/${other_platforms_converter})
set_target_properties(rkhandlers PROPERTIES SOURCES "${handler_sources}")
kelvane_layer(rkshell FOLDERS app/shell BELOW rkhandlers)
# 「照合」's shell stands beside the program's: neither uses the other.
kelvane_layer(rkbacktest FOLDERS backtest/shell BELOW rkhandlers)
set(core_layers rkfoundation rkarithmetic rkdrawing rkhandlers rkshell rkbacktest)

# The three games' data needs only the foundation, which lets the core tests use it.
add_library(rkprofiles INTERFACE)
target_include_directories(rkprofiles INTERFACE ${PROJECT_SOURCE_DIR}/profiles/foundation)
target_link_libraries(rkprofiles INTERFACE rkfoundation)

if(KELVANE_FUZZ)
    return()
endif()

# The thin Qt Widgets layer over both shells. Its start-up timing report is a library of its own,
# so that the benchmark's bare windows share it and nothing else.
kelvane_layer(rkqt FOLDERS app/qt backtest/qt BELOW "rkshell;rkbacktest" QT Qt6::Widgets)
set(first_frame_report ${PROJECT_SOURCE_DIR}/app/qt/first_frame_report.cpp)
get_target_property(qt_sources rkqt SOURCES)
list(REMOVE_ITEM qt_sources ${first_frame_report})
set_target_properties(rkqt PROPERTIES SOURCES "${qt_sources}" AUTOMOC ON)
add_library(rkfirstframe STATIC ${first_frame_report})
target_include_directories(rkfirstframe PUBLIC ${PROJECT_SOURCE_DIR}/app/qt)
target_link_libraries(rkfirstframe PUBLIC Qt6::Widgets PRIVATE project_warnings)
target_link_libraries(rkqt PRIVATE rkfirstframe)
# Under X the Qt layer asks the server whether a key is still held (held_key.cpp): Qt's own mark
# of a repeated key is not reliable there. Without X the mark is all there is.
find_package(X11)
if(TARGET X11::xcb)
    target_link_libraries(rkqt PRIVATE X11::xcb)
    target_compile_definitions(rkqt PRIVATE KELVANE_X11_KEY_STATE=1)
endif()
