# Every imported Qt target publishes the folder that holds the headers of all of Qt's modules, so
# a library that links Qt6::Core alone still finds <QtWidgets/QWidget> and <QtGui/QColor>: a
# widget include used only for a declaration compiles and links there.
#
# add_qt_module_only(<target> <module>) makes an interface target for one Qt module (Core,
# Core5Compat) that links the module's library without the usage requirements of its imported
# target, takes over the module's compile definitions and options, and gives of Qt's headers only
# the module's own: through a folder of the build that holds nothing but a link to them.
function(add_qt_module_only target module)
    set(qt_target Qt6::${module})
    set(module_headers ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_HEADERS}/Qt${module})
    set(only_this ${CMAKE_BINARY_DIR}/qt_module_only/${module})
    file(MAKE_DIRECTORY ${only_this})
    file(CREATE_LINK ${module_headers} ${only_this}/Qt${module} SYMBOLIC)

    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE $<LINK_ONLY:${qt_target}>)
    target_include_directories(${target} SYSTEM INTERFACE ${only_this} ${only_this}/Qt${module})
    get_target_property(definitions ${qt_target} INTERFACE_COMPILE_DEFINITIONS)
    if(definitions)
        target_compile_definitions(${target} INTERFACE ${definitions})
    endif()
    get_target_property(options ${qt_target} INTERFACE_COMPILE_OPTIONS)
    if(options)
        target_compile_options(${target} INTERFACE ${options})
    endif()
endfunction()
