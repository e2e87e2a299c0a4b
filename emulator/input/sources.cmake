# The input mapping's sources, for the host library below and the image build.
set(TMB_INPUT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/button_actions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/button_sampling.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_menu_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/virtual_keyboard.cpp)
