# The Windows program: a window program without a console, its icon (rendered from the drawing) as the
# resource Explorer and the Start menu show, and Liberation Sans among its resources: the forms fall back
# to it where Tahoma is missing, and Windows has none of its own. main() registers it.
set_target_properties(pelvantor PROPERTIES WIN32_EXECUTABLE ON)

find_program(ICOTOOL icotool)
if(NOT ICOTOOL)
  message(FATAL_ERROR "icotool was not found: install icoutils (scripts/build-windows does) and configure again.")
endif()
set(PROGRAM_ICON_ICO ${PROJECT_BINARY_DIR}/icons/pelvantor.ico)
set(ico_pngs)
foreach(size IN ITEMS 16 24 32 48 64 128)
  program_icon_png(png ${size})
  list(APPEND ico_pngs ${png})
endforeach()
# The 256 px image stays PNG inside the icon, as Windows expects of that size.
program_icon_png(png256 256)
add_custom_command(OUTPUT ${PROGRAM_ICON_ICO}
  COMMAND ${ICOTOOL} --create --output=${PROGRAM_ICON_ICO} ${ico_pngs} --raw=${png256}
  DEPENDS ${ico_pngs} ${png256} program_icons
  COMMENT "Making the Windows icon"
  VERBATIM)
add_custom_target(program_icon_ico DEPENDS ${PROGRAM_ICON_ICO})
set(icon_rc ${PROJECT_BINARY_DIR}/icons/pelvantor.rc)
file(CONFIGURE OUTPUT ${icon_rc} CONTENT "IDI_ICON1 ICON \"${PROGRAM_ICON_ICO}\"\n")
set_source_files_properties(${icon_rc} PROPERTIES OBJECT_DEPENDS ${PROGRAM_ICON_ICO})
target_sources(pelvantor PRIVATE ${icon_rc})
add_dependencies(pelvantor program_icon_ico)

find_path(LIBERATION_SANS_DIR LiberationSans-Regular.ttf PATHS /usr/share/fonts/truetype/liberation2
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT LIBERATION_SANS_DIR)
  message(FATAL_ERROR "Liberation Sans was not found: install fonts-liberation2 (scripts/bootstrap does) and configure again.")
endif()
qt_add_resources(pelvantor form_fonts PREFIX /fonts BASE ${LIBERATION_SANS_DIR}
  FILES ${LIBERATION_SANS_DIR}/LiberationSans-Regular.ttf ${LIBERATION_SANS_DIR}/LiberationSans-Bold.ttf)
