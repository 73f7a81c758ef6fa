# vendrix_windows_resources(TARGET DESCRIPTION): on Windows, gives the program the Vendrix icon and
# version information from the project's version; elsewhere does nothing.
function(vendrix_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(vendrix_rc_name ${target})
    set(vendrix_rc_description ${description})
    set(vendrix_rc_icon ${PROJECT_SOURCE_DIR}/src/app/resources/vendrix.ico)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/vendrix.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
