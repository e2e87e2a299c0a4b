# Cross build of the cartridge image (configured by the host build with the
# ARM toolchain file). Inputs from the host build:
#   TMB_GBAFIX        host tool that fills the header complement and checks the length
#   TMB_INTRO_SNA     the intro snapshot, a 48K .SNA
#   TMB_SPECTRUM_ROM  the 16,384-byte Spectrum ROM
#   TMB_GBA_OUT       where the finished image goes
foreach(var TMB_GBAFIX TMB_INTRO_SNA TMB_SPECTRUM_ROM TMB_GBA_OUT)
  if(NOT ${var})
    message(FATAL_ERROR "the image build needs ${var}")
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/spectrum_rom.cmake)
tmb_check_spectrum_rom(${TMB_SPECTRUM_ROM})

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(emu ${CMAKE_CURRENT_SOURCE_DIR})

# Binary data enters through .incbin; the generated wrappers name the files.
set(gen ${CMAKE_CURRENT_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${gen})
file(WRITE ${gen}/spectrum_rom.s.in
  "@ The Spectrum 48K ROM, unchanged.\n"
  "        .section .spectrum_rom, \"a\", %progbits\n"
  "        .balign 4\n"
  "        .global SpectrumRom\n"
  "SpectrumRom:\n"
  "        .incbin \"@TMB_SPECTRUM_ROM@\"\n")
file(WRITE ${gen}/intro_snapshot.s.in
  "@ The intro snapshot and one fill byte: the last bytes of the image.\n"
  "        .section .intro_snapshot, \"a\", %progbits\n"
  "        .balign 4\n"
  "        .global IntroSnapshot\n"
  "IntroSnapshot:\n"
  "        .incbin \"@TMB_INTRO_SNA@\"\n"
  "        .byte 0\n")
configure_file(${gen}/spectrum_rom.s.in ${gen}/spectrum_rom.s @ONLY)
configure_file(${gen}/intro_snapshot.s.in ${gen}/intro_snapshot.s @ONLY)
set_source_files_properties(${gen}/spectrum_rom.s PROPERTIES OBJECT_DEPENDS ${TMB_SPECTRUM_ROM})
set_source_files_properties(${gen}/intro_snapshot.s PROPERTIES OBJECT_DEPENDS ${TMB_INTRO_SNA})

add_executable(tmb_elf
  ${emu}/boot/crt0.s
  ${emu}/boot/boot.cpp
  ${emu}/boot/display_setup.cpp
  ${emu}/boot/game_directory.cpp
  ${emu}/boot/image_layout.cpp
  ${emu}/boot/interrupt.cpp
  ${emu}/boot/later.cpp
  ${emu}/boot/settings.cpp
  ${emu}/boot/standin_core.cpp
  ${emu}/data/menu_art.cpp
  ${emu}/data/spectrum_palettes.cpp
  ${emu}/gba/bios.cpp
  ${emu}/gba/dma.cpp
  ${gen}/spectrum_rom.s
  ${gen}/intro_snapshot.s)
target_include_directories(tmb_elf PRIVATE ${emu})
target_compile_options(tmb_elf PRIVATE
  $<$<COMPILE_LANGUAGE:CXX>:-O2 -Wall -Wextra -ffunction-sections -fdata-sections>)
set(ld_script ${emu}/boot/gba.ld)
target_link_options(tmb_elf PRIVATE
  -nostartfiles -T ${ld_script} -Wl,--gc-sections -Wl,-Map=${CMAKE_CURRENT_BINARY_DIR}/tmb.map)
set_target_properties(tmb_elf PROPERTIES SUFFIX ".elf" LINK_DEPENDS ${ld_script})

# Image, header complement and the length check, then the memory report.
set(raw ${CMAKE_CURRENT_BINARY_DIR}/tmb.gba)
add_custom_command(TARGET tmb_elf POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} -O binary $<TARGET_FILE:tmb_elf> ${raw}
  COMMAND ${TMB_GBAFIX} ${raw}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${raw} ${TMB_GBA_OUT}
  COMMAND ${CMAKE_SIZE} -A $<TARGET_FILE:tmb_elf>
  VERBATIM)
