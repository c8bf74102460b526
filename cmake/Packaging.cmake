# What a desktop installation holds besides the program (PNG icons, AppStream metadata, manual
# pages, copyright and changelog), and the Debian package built from it by CPack:
#     cmake --build <build> --target package      (scripts/package.sh does it from scratch)
set(QUADENA_APP_ID org.example.quadena)
set(QUADENA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quadena)
set(quadena_generated ${PROJECT_BINARY_DIR}/generated)

# The version of the package is the project's; the changelog's first entry has to agree.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog quadena_changelog_head LIMIT_COUNT 1)
if(NOT quadena_changelog_head MATCHES "^quadena \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog begins with \"${quadena_changelog_head}\", "
                        "not with version ${PROJECT_VERSION}")
endif()

# PNG icons rendered from the scalable one for the sizes menus and docks ask for.
find_program(QUADENA_RSVG_CONVERT rsvg-convert)
set(quadena_icon_svg ${PROJECT_SOURCE_DIR}/assets/pictures/quadena.svg)
set(quadena_data_outputs)
if(QUADENA_RSVG_CONVERT)
    foreach(size 48 64 128 256)
        set(png ${quadena_generated}/icons/${size}x${size}/quadena.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${quadena_generated}/icons/${size}x${size}
            COMMAND ${QUADENA_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${quadena_icon_svg}
            DEPENDS ${quadena_icon_svg} VERBATIM)
        list(APPEND quadena_data_outputs ${png})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
else()
    message(WARNING "rsvg-convert (librsvg2-bin) not found: only the scalable icon is installed")
endif()

# Manual pages and the changelog, compressed as Debian wants them: best ratio, no name or time.
find_program(QUADENA_GZIP gzip REQUIRED)
function(quadena_gzip source output)
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${QUADENA_GZIP} -9nc ${source} > ${output}
        DEPENDS ${source})
    set(quadena_data_outputs ${quadena_data_outputs} ${output} PARENT_SCOPE)
endfunction()
quadena_gzip(${PROJECT_SOURCE_DIR}/packaging/quadena.1 ${quadena_generated}/en/quadena.1.gz)
quadena_gzip(${PROJECT_SOURCE_DIR}/packaging/quadena.it.1 ${quadena_generated}/it/quadena.1.gz)
quadena_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${quadena_generated}/changelog.gz)
add_custom_target(quadena_data ALL DEPENDS ${quadena_data_outputs})

install(FILES ${quadena_generated}/en/quadena.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${quadena_generated}/it/quadena.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man1)
install(FILES ${PROJECT_SOURCE_DIR}/assets/${QUADENA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${quadena_generated}/changelog.gz
        DESTINATION ${QUADENA_DOC_DIR})

# The Debian package. Runtime dependencies come from the libraries the program links
# (dpkg-shlibdeps) plus what it loads or reads without a link:
# - the platform plugin (xcb) ships in libqt6gui6, which the link already brings in;
# - the sounds play through the PulseAudio client inside libQt6Multimedia (libqt6multimedia6,
#   from the link, depends on libpulse0), without any of its backend plugins; they are heard
#   only with a sound server that speaks PulseAudio's protocol, hence the recommendation;
# - the SVG icon engine and image plugins that draw the window icon and the pictures: in
#   libqt6svg6 up to Qt 6.4 (Debian 12, Ubuntu 24.04), in qt6-svg-plugins since libqt6svg6
#   6.7.2-5 (Debian 13); the program calls nothing of Qt Svg directly, so the linker drops
#   that library and no other dependency brings them;
# - qt6-translations-l10n: the Italian texts of Qt's own dialogs and buttons (qtbase_it.qm);
# - fonts-liberation and fonts-comic-neue: the faces the windows are designed with, standing in
#   for Arial, MS Sans Serif and Comic Sans MS; fonts-dejavu-core: the last face of those lists
#   and the fallback fontconfig gives Qt for the missing ones, loaded with the start window.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadena)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package links the ICU of the release it is built on (for the number words), so it is
# for that release only, which its version names: 1.0+deb12, 1.0+deb13, 1.0+ubuntu24.04.
cmake_host_system_information(RESULT quadena_distro QUERY DISTRIB_ID)
cmake_host_system_information(RESULT quadena_distro_version QUERY DISTRIB_VERSION_ID)
if(quadena_distro STREQUAL "debian" AND quadena_distro_version)
    set(CPACK_DEBIAN_PACKAGE_VERSION "${PROJECT_VERSION}+deb${quadena_distro_version}")
elseif(quadena_distro MATCHES "^[a-z]+$" AND quadena_distro_version MATCHES "^[0-9.]+$")
    set(CPACK_DEBIAN_PACKAGE_VERSION "${PROJECT_VERSION}+${quadena_distro}${quadena_distro_version}")
endif()
set(CPACK_PACKAGE_VENDOR "Quadena dei numeri")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number table exercises for primary-school children")
# The summary above becomes the first line; CPack indents these lines and marks the blank one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quadena dei numeri is an exercise program for children who are learning the
number table: a 10 x 10 board of the numbers 0 to 99, and windows of a hundred
numbers above 99. Children add and subtract units and tens by clicking the cell
of the result, recognise the number of a red cell and find numbers on the
board. Every board counts right and wrong answers, shows a face and plays a
short sound; an Italian voice can say the numbers and the tasks. The arithmetic
boards print worksheets with a sheet of solutions.

Every text the program shows is Italian.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quadena dei numeri <quadena@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.org/quadena/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-svg-plugins | libqt6svg6 (<< 6.7.2-5~)"
    qt6-translations-l10n fonts-liberation fonts-comic-neue fonts-dejavu-core)
# The voice (--voice) speaks through Qt's speech-dispatcher plugin with espeak-ng's Italian
# voice; without them the program runs silent, so they are recommended, not required.
string(JOIN ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio"
    qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
