# Installation layout and the Debian package.
#
#   bin/ventrel, bin/ventrel-cli
#   share/ventrel/textures, share/ventrel/examples      the program's own data
#   share/doc/ventrel                                  README, screenshots, copyright, changelog
#   share/man/man1, share/bash-completion/completions  manual pages and completion
#   share/applications, share/icons/hicolor, share/mime/packages   the desktop's menu, icon, types

set(VENTREL_DOC_SUBDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/ventrel")
set(VENTREL_RESOURCES "${CMAKE_SOURCE_DIR}/resources")

install(FILES ${VENTREL_TEXTURES} DESTINATION "${VENTREL_DATA_SUBDIR}/textures")
install(DIRECTORY "${CMAKE_SOURCE_DIR}/examples/" DESTINATION "${VENTREL_DATA_SUBDIR}/examples")
install(FILES "${CMAKE_SOURCE_DIR}/README.md" "${VENTREL_RESOURCES}/debian/copyright"
    DESTINATION "${VENTREL_DOC_SUBDIR}")
install(DIRECTORY "${CMAKE_SOURCE_DIR}/docs/" DESTINATION "${VENTREL_DOC_SUBDIR}/docs")

# Files that are gzipped as Debian wants them: maximum compression, no name or time inside.
find_program(GZIP_PROGRAM gzip REQUIRED)
function(ventrel_gzip source target)
    add_custom_command(OUTPUT "${target}"
        COMMAND sh -c "\"$0\" -9 -n -c \"$1\" > \"$2\"" "${GZIP_PROGRAM}" "${source}" "${target}"
        DEPENDS "${source}" VERBATIM)
endfunction()

configure_file("${VENTREL_RESOURCES}/debian/changelog.in" "${CMAKE_BINARY_DIR}/doc/changelog" @ONLY)
ventrel_gzip("${CMAKE_BINARY_DIR}/doc/changelog" "${CMAKE_BINARY_DIR}/doc/changelog.gz")
set(VENTREL_GENERATED_DOCS "${CMAKE_BINARY_DIR}/doc/changelog.gz")
install(FILES "${CMAKE_BINARY_DIR}/doc/changelog.gz" DESTINATION "${VENTREL_DOC_SUBDIR}")

# Manual pages and the bash completion, written from the programs' own --help texts.
find_package(Python3 COMPONENTS Interpreter)
if(TARGET ventrel-cli AND TARGET ventrel AND Python3_FOUND)
    set(manuals "${CMAKE_BINARY_DIR}/doc")
    set(generated "${manuals}/ventrel.1" "${manuals}/ventrel-cli.1" "${manuals}/ventrel-cli.bash")
    add_custom_command(OUTPUT ${generated}
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            "${Python3_EXECUTABLE}" "${CMAKE_SOURCE_DIR}/tools/make-manuals"
            --app "$<TARGET_FILE:ventrel>" --cli "$<TARGET_FILE:ventrel-cli>"
            --version "${PROJECT_VERSION}" --output "${manuals}"
        DEPENDS ventrel ventrel-cli "${CMAKE_SOURCE_DIR}/tools/make-manuals"
        COMMENT "Writing the manual pages and the bash completion" VERBATIM)
    foreach(page ventrel ventrel-cli)
        ventrel_gzip("${manuals}/${page}.1" "${manuals}/${page}.1.gz")
        list(APPEND VENTREL_GENERATED_DOCS "${manuals}/${page}.1.gz")
        install(FILES "${manuals}/${page}.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    endforeach()
    list(APPEND VENTREL_GENERATED_DOCS "${manuals}/ventrel-cli.bash")
    install(FILES "${manuals}/ventrel-cli.bash"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions"
        RENAME ventrel-cli)
endif()

# The desktop's menu entry, file types and application icon.
if(TARGET ventrel)
    install(FILES "${VENTREL_RESOURCES}/ventrel.desktop"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
    install(FILES "${VENTREL_RESOURCES}/ventrel-mime.xml"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/mime/packages" RENAME ventrel.xml)
    install(FILES "${VENTREL_RESOURCES}/icons/ventrel.svg"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps")
    if(TARGET render-icon)
        foreach(size 16 22 24 32 48 64 128 256)
            set(png "${CMAKE_BINARY_DIR}/icons/${size}x${size}/ventrel.png")
            add_custom_command(OUTPUT "${png}"
                COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                    "$<TARGET_FILE:render-icon>" "${VENTREL_RESOURCES}/icons/ventrel.svg"
                    ${size} "${png}"
                DEPENDS render-icon "${VENTREL_RESOURCES}/icons/ventrel.svg" VERBATIM)
            list(APPEND VENTREL_GENERATED_DOCS "${png}")
            install(FILES "${png}"
                DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps")
        endforeach()
    endif()
endif()
add_custom_target(ventrel-docs ALL DEPENDS ${VENTREL_GENERATED_DOCS})

# The Debian package: cpack -G DEB in the build folder, or scripts/package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ventrel)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Ventrel")
set(CPACK_PACKAGE_CONTACT "Ventrel developers <ventrel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "windchest design tool for pipe-organ builders")
# The extended description, in lines of at most 80 characters as Debian wants.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Ventrel lays out the pipe holes of a pipe-organ windchest from its description"
    "file, sizes its valves, draws the chest in two dimensions and writes the DXF"
    "plates and the cut list for the workshop. Several chests placed in space form"
    "an organ, shown in three dimensions with OpenGL."
    "."
    "The package holds the desktop application, the batch tool ventrel-cli, default"
    "textures and an example organ.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: Mesa's drivers (Qt's platform plugins come with
# libqt6gui6, which the binaries link).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
