# Installation and the Debian package.
#
#   cmake -S . -B build-pkg -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF -DVORMIS_BENCHMARKS=OFF
#   cmake --build build-pkg --target vormis vormis-run
#   (cd build-pkg && cpack -G DEB)     ->  build-pkg/vormis_<version>_<arch>.deb
#
# Only the two programs and their data files are installed: the programs,
# the example worlds, the menu entry, the AppStream metadata, the icon in the hicolor theme's
# sizes, the manual pages, the copyright file and the changelog.  The static
# libraries, the tests and the benchmarks have no install rules.
# tools/check-package.sh builds the package and checks what is in it.
include(GNUInstallDirs)
set(VORMIS_APP_ID io.github.vormis.Vormis)
set(VORMIS_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/app/desktop)

# The manual pages get the project's version, then are compressed at
# configure time (gzip -n: no name or time stamp, so the same source gives
# the same bytes); without gzip they are installed uncompressed.
find_program(VORMIS_GZIP gzip)
mark_as_advanced(VORMIS_GZIP)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/packaging)
function(vormis_install_compressed source destination)
  get_filename_component(name ${source} NAME)
  set(file ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name})
  configure_file(${source} ${file} @ONLY)
  if(VORMIS_GZIP)
    execute_process(COMMAND ${VORMIS_GZIP} -9 -n -c ${file}
                    OUTPUT_FILE ${file}.gz
                    RESULT_VARIABLE gzip_result)
    if(NOT gzip_result EQUAL 0)
      message(FATAL_ERROR "gzip ${file} failed: ${gzip_result}")
    endif()
    set(file ${file}.gz)
  endif()
  install(FILES ${file} DESTINATION ${destination})
endfunction()

if(TARGET vormis)
  install(TARGETS vormis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  vormis_install_compressed(${VORMIS_DESKTOP_DIR}/vormis.1 ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${VORMIS_DESKTOP_DIR}/${VORMIS_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES ${VORMIS_DESKTOP_DIR}/${VORMIS_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  # Rendered from app/images/src/icon.svg by tools/render-icons.sh and
  # committed, so installing needs no tools.
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${VORMIS_DESKTOP_DIR}/icons/${size}x${size}/${VORMIS_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${VORMIS_DESKTOP_DIR}/icons/scalable/${VORMIS_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
endif()
if(TARGET vormis-run)
  install(TARGETS vormis-run RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  vormis_install_compressed(${VORMIS_DESKTOP_DIR}/vormis-run.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The example worlds, which both programs read and the manual pages use; the
# window's Open World starts there.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/worlds/ DESTINATION ${CMAKE_INSTALL_DATADIR}/vormis/worlds
        FILES_MATCHING PATTERN "*.txt")

# The package's documentation folder: the copyright file and the changelog,
# compressed like the manual pages.  The changelog's newest entry names the
# project's version.
set(VORMIS_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/vormis)
install(FILES ${VORMIS_DESKTOP_DIR}/copyright DESTINATION ${VORMIS_DOC_DIR})
set(vormis_changelog ${VORMIS_DESKTOP_DIR}/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${vormis_changelog})
file(STRINGS ${vormis_changelog} vormis_changelog_top LIMIT_COUNT 1)
if(NOT vormis_changelog_top MATCHES "^vormis \\(${PROJECT_VERSION}\\) ")
  message(WARNING "app/desktop/changelog starts with '${vormis_changelog_top}', "
                  "not with an entry for version ${PROJECT_VERSION}")
endif()
if(VORMIS_GZIP)
  execute_process(COMMAND ${VORMIS_GZIP} -9 -n -c ${vormis_changelog}
                  OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
                  RESULT_VARIABLE gzip_result)
  if(NOT gzip_result EQUAL 0)
    message(FATAL_ERROR "gzip ${vormis_changelog} failed: ${gzip_result}")
  endif()
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${VORMIS_DOC_DIR})
else()
  install(FILES ${vormis_changelog} DESTINATION ${VORMIS_DOC_DIR})
endif()

set(VORMIS_PACKAGE_MAINTAINER "Vormis maintainers <maintainers@vormis.invalid>"
    CACHE STRING "Maintainer field of the Debian package (Name <address>)")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vormis)
set(CPACK_PACKAGE_VENDOR "The Vormis authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VORMIS_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/vormis/vormis)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ant-colony optimisation on a small grid world")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORMIS_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description, as dpkg shows it: lines under 80 characters, an
# empty line between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Vormis shows ant-colony optimisation at work. A colony of ants looks for a
short path from its home to the food, one generation after another. Each
ant that reaches the food leaves pheromone on its path, the pheromone
evaporates between generations, and the colony converges on a short route.
The window shows the pheromone trails, each generation's shortest path and
the best path found so far, and lets students and teachers of swarm
intelligence change the world, the ants and the parameters alpha, beta
and ro.

The package also holds vormis-run, which runs the colony from the command
line for repeatable experiments and writes summaries, CSV files, pictures
and charts.")

# Run-time dependencies: dpkg-shlibdeps (from dpkg-dev, with file) derives
# the libraries the programs link.  It cannot see the plugins Qt loads at run
# time: the window needs the X11 platform plugin and the GIF and JPEG image
# readers (its embedded pictures include both formats).  The Debian package
# that holds each plugin is looked up on the build machine and added to
# Depends unless it is the package of a Qt library the programs link, which
# dpkg-shlibdeps lists already (Debian 12 ships these plugins in libqt6gui6;
# other releases may put them in a package of their own, such as
# qt6-qpa-plugins).  Fonts come with Qt's own dependencies: libqt6gui6
# depends on fontconfig, whose configuration depends on at least one font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
find_program(VORMIS_DPKG_QUERY dpkg-query)
mark_as_advanced(VORMIS_DPKG_QUERY)
function(vormis_owning_package path result)
  set(${result} "" PARENT_SCOPE)
  if(NOT VORMIS_DPKG_QUERY OR NOT EXISTS "${path}")
    return()
  endif()
  get_filename_component(real_path "${path}" REALPATH)
  foreach(candidate IN ITEMS "${path}" "${real_path}")
    execute_process(COMMAND ${VORMIS_DPKG_QUERY} -S "${candidate}"
                    OUTPUT_VARIABLE owner ERROR_QUIET RESULT_VARIABLE failed)
    if(NOT failed AND owner MATCHES "^([^:, ]+)")
      set(${result} ${CMAKE_MATCH_1} PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()
set(vormis_linked_packages "")
foreach(library Qt6::Core Qt6::Gui Qt6::Widgets)
  if(NOT TARGET ${library})
    continue()
  endif()
  get_target_property(location ${library} LOCATION)
  vormis_owning_package("${location}" owner)
  list(APPEND vormis_linked_packages ${owner})
endforeach()
set(vormis_plugin_packages "")
set(vormis_plugins "")
if(TARGET vormis)
  set(vormis_plugins platforms/libqxcb.so imageformats/libqgif.so imageformats/libqjpeg.so)
endif()
foreach(plugin ${vormis_plugins})
  set(location ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/${plugin})
  vormis_owning_package("${location}" owner)
  if(NOT owner)
    message(STATUS "Debian package: no package holds ${location}; not in Depends")
  elseif(NOT owner IN_LIST vormis_linked_packages)
    list(APPEND vormis_plugin_packages ${owner})
  endif()
endforeach()
list(REMOVE_DUPLICATES vormis_plugin_packages)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${vormis_plugin_packages}")
# The window's translations are compiled in; Qt's own dialogs (file dialogs,
# message-box buttons) speak the same language only with Qt's translations.
if(TARGET vormis)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()
set(VORMIS_DEB_EXTRA_DEPENDS "" CACHE STRING
    "More run-time dependencies for the Debian package, comma-separated")
if(VORMIS_DEB_EXTRA_DEPENDS)
  if(CPACK_DEBIAN_PACKAGE_DEPENDS)
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ")
  endif()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS "${VORMIS_DEB_EXTRA_DEPENDS}")
endif()

include(CPack)
