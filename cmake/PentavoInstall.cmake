# Where an installed Pentavo lives: each program in a folder of its own with the help file it
# finds beside itself, and a link in bin/ to it.
include(GNUInstallDirs)

# The name the desktop knows the program by: menu entry, icons, metadata, window.
set(PENTAVO_APP_ID io.github.pentavo.Pentavo)
# The type of the game records, as the desktop's file type database names it.
set(PENTAVO_RECORD_TYPE application/x-pentavo-record)
set(PENTAVO_HOMEPAGE https://github.com/pentavo/pentavo CACHE STRING
    "The project's home page, named in the package and its metadata")
set(PENTAVO_SCREENSHOT_URL https://raw.githubusercontent.com/pentavo/pentavo/HEAD/docs CACHE STRING
    "Where the docs/ folder's screenshots are served from, for the metadata")
set(PENTAVO_INSTALL_PROGRAMDIR lib/pentavo CACHE STRING
    "Folder of the programs and the help file, under the install prefix")

# pentavo_install_program(TARGET): the program into the program folder and a relative link to it
# in bin/, so that the installed tree can be moved or unpacked anywhere.
function(pentavo_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${PENTAVO_INSTALL_PROGRAMDIR})
    get_target_property(name ${target} OUTPUT_NAME)
    if(NOT name)
        set(name ${target})
    endif()
    file(RELATIVE_PATH to /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${PENTAVO_INSTALL_PROGRAMDIR}/${name})
    set(link ${PROJECT_BINARY_DIR}/install-links/${name})
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install-links)
    file(CREATE_LINK ${to} ${link} SYMBOLIC)
    install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
