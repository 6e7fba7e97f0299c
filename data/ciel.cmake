# SPDX-License-Identifier: GPL-3.0-or-later
# CIEL.ZAR, the sky catalogue, generated from the tables of sources/catalogue.
set(ZARN_CIEL_SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/sources/catalogue)
set(ZARN_CIEL ${ZARN_BIN_DIR}/CIEL.ZAR)
file(GLOB_RECURSE ZARN_CIEL_INPUTS CONFIGURE_DEPENDS ${ZARN_CIEL_SOURCE_DIR}/*)
file(GLOB ZARN_CIEL_SCRIPTS CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/ciel*.py ${CMAKE_CURRENT_SOURCE_DIR}/zar.py)
add_custom_command(
  OUTPUT ${ZARN_CIEL}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZARN_BIN_DIR}
  # -B: no bytecode cache in the source tree
  COMMAND ${Python3_EXECUTABLE} -B ${CMAKE_CURRENT_SOURCE_DIR}/ciel.py
          ${ZARN_CIEL_SOURCE_DIR} ${ZARN_CIEL}
  DEPENDS ${ZARN_CIEL_INPUTS} ${ZARN_CIEL_SCRIPTS}
  COMMENT "Generating CIEL.ZAR"
  VERBATIM)
list(APPEND ZARN_DATA_OUTPUTS ${ZARN_CIEL})

if(NOT ZARN_ENGINE_ONLY)
  # The catalogue carries data derived from d3-celestial (BSD licence, whose
  # notice must accompany a binary distribution) and from the Bright Star
  # Catalogue.
  install(FILES ${ZARN_CIEL_SOURCE_DIR}/LICENSE-d3-celestial
                ${ZARN_CIEL_SOURCE_DIR}/NOTICE-bsc5
          DESTINATION share/doc/zarn)
endif()
