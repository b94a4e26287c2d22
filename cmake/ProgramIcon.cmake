# The program's icon is drawn once, as SVG. The fixed sizes that desktops look for first (and that need no
# SVG renderer to show) are rendered from it at build time, so no PNG can drift from the drawing.
# Gives PROGRAM_ICON_SVG, PROGRAM_ICON_SIZES, program_icon_png(<var> <size>) and the target program_icons.
find_program(RSVG_CONVERT rsvg-convert)
if(NOT RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert was not found: install librsvg2-bin (scripts/bootstrap does) and configure again.")
endif()

set(PROGRAM_ICON_SVG ${PROJECT_SOURCE_DIR}/src/app/icons/pelvantor.svg)
set(PROGRAM_ICON_SIZES 16 22 24 32 48 64 128 256 512)
set(program_icon_dir ${PROJECT_BINARY_DIR}/icons)
file(MAKE_DIRECTORY ${program_icon_dir})

function(program_icon_png var size)
  set(${var} ${program_icon_dir}/pelvantor-${size}.png PARENT_SCOPE)
endfunction()

set(program_icon_pngs)
foreach(size IN LISTS PROGRAM_ICON_SIZES)
  program_icon_png(png ${size})
  add_custom_command(OUTPUT ${png}
    COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${PROGRAM_ICON_SVG}
    DEPENDS ${PROGRAM_ICON_SVG}
    COMMENT "Rendering the program icon at ${size} px"
    VERBATIM)
  list(APPEND program_icon_pngs ${png})
endforeach()
add_custom_target(program_icons ALL DEPENDS ${program_icon_pngs})
