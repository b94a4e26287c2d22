# The Debian package that `cpack -G DEB` (scripts/package) makes from the install rules: the documents a
# Debian package carries (changelog, copyright, manual page) and its control fields. The AppStream metainfo
# is the one record of releases: the changelog is made from it, and configuring fails when its newest
# release is not the project's version, so the software centre and apt never disagree.
include(GNUInstallDirs)

set(package_name pelvantor)
set(package_maintainer "Pelvantor developers <packages@pelvantor.example>")
set(metainfo ${PROJECT_SOURCE_DIR}/data/io.example.Pelvantor.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo})

# Debian changelog entries (newest first) from the metainfo's <release> elements, which list the newest
# first as well; each paragraph of a release's description becomes one item.
function(changelog_from_metainfo out_var newest_version_var)
  file(READ ${metainfo} xml)
  string(REGEX MATCHALL "<release [^>]*>.*</release>" releases "${xml}")
  string(REPLACE "</release>" "</release>;" releases "${releases}")
  set(changelog "")
  set(newest "")
  foreach(release IN LISTS releases)
    if(NOT release MATCHES "<release version=\"([^\"]+)\" date=\"([^\"]+)\"")
      continue()
    endif()
    set(version ${CMAKE_MATCH_1})
    execute_process(COMMAND date --utc --rfc-email --date ${CMAKE_MATCH_2}
                    OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "<p>[^<]*</p>" paragraphs "${release}")
    set(items "")
    foreach(paragraph IN LISTS paragraphs)
      string(REGEX REPLACE "</?p>" "" paragraph "${paragraph}")
      string(REGEX REPLACE "[ \t\r\n]+" " " paragraph "${paragraph}")
      string(STRIP "${paragraph}" paragraph)
      string(APPEND items "  * ${paragraph}\n")
    endforeach()
    string(APPEND changelog "${package_name} (${version}) stable; urgency=medium\n\n${items}\n"
                            " -- ${package_maintainer}  ${date}\n\n")
    if(newest STREQUAL "")
      set(newest ${version})
    endif()
  endforeach()
  set(${out_var} "${changelog}" PARENT_SCOPE)
  set(${newest_version_var} "${newest}" PARENT_SCOPE)
endfunction()

changelog_from_metainfo(changelog newest_release)
if(NOT newest_release STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "The newest release in ${metainfo} is '${newest_release}', the project's version "
                      "${PROJECT_VERSION}: add a <release> entry for ${PROJECT_VERSION}.")
endif()

# Debian wants its documents compressed, without a timestamp so the same sources give the same package.
function(install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(gz ${PROJECT_BINARY_DIR}/debian/${name}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip --best --no-name --stdout ${source} > ${gz}
    DEPENDS ${source}
    VERBATIM)
  string(MAKE_C_IDENTIFIER "gzip_${name}" target)
  add_custom_target(${target} ALL DEPENDS ${gz})
  install(FILES ${gz} DESTINATION ${destination})
endfunction()

set(package_docdir ${CMAKE_INSTALL_DATADIR}/doc/${package_name})
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/debian/changelog CONTENT "${changelog}")
install_gzipped(${PROJECT_BINARY_DIR}/debian/changelog ${package_docdir})
install_gzipped(${PROJECT_SOURCE_DIR}/data/pelvantor.1 ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/copyright DESTINATION ${package_docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${package_name})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT ${package_maintainer})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compound-interest savings calculator")
set(CPACK_PACKAGE_DESCRIPTION [=[
Pelvantor works out how a savings plan grows: an initial deposit, regular
deposits paid yearly to daily, an interest rate compounded yearly to
continuously, over 1 to 50 years and optionally against inflation. Every
keystroke recomputes the plan year by year, to the exact whole unit.

The results are shown four ways at once: totals, a stacked bar graph, pie
charts of deposits against interest, and a year table. A second plan can be
set beside the first to compare the two, or the same plan shown without
inflation.]=])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# dpkg-shlibdeps finds the libraries the program links (Debian's libqt6gui6 brings the X11 platform plugin
# along). What Qt and fontconfig load at run time no linker record shows: Qt's further platform plugins
# (qt6-qpa-plugins), the fonts the forms are laid out for (fonts-liberation2) and the Wayland platform,
# which an X11 session does without. The window icon is a PNG in the program: no SVG icon engine is needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
