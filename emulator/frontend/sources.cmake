# The front end's game loading sources, for the host library below and the image build.
set(TMB_FRONTEND_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/exit_to_pogoshell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_directory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/snapshot_loaders.cpp)
