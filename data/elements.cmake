# SPDX-License-Identifier: GPL-3.0-or-later
# ELEMENTS.ZAR: orbital elements of the Sun and planets and the lunar series.
set(ZARN_ELEMENTS_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/elements.py
  ${CMAKE_CURRENT_SOURCE_DIR}/zar.py
  ${CMAKE_CURRENT_SOURCE_DIR}/sources/theory/sun_planets.tsv
  ${CMAKE_CURRENT_SOURCE_DIR}/sources/theory/moon_mean_elements.tsv
  ${CMAKE_CURRENT_SOURCE_DIR}/sources/theory/moon_longitude.tsv
  ${CMAKE_CURRENT_SOURCE_DIR}/sources/theory/moon_latitude.tsv
  ${CMAKE_CURRENT_SOURCE_DIR}/sources/theory/moon_distance.tsv)
add_custom_command(
  OUTPUT ${ZARN_BIN_DIR}/ELEMENTS.ZAR
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZARN_BIN_DIR}
  COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/elements.py
          ${CMAKE_CURRENT_SOURCE_DIR}/sources/theory ${ZARN_BIN_DIR}/ELEMENTS.ZAR
  DEPENDS ${ZARN_ELEMENTS_SOURCES}
  COMMENT "Generating ELEMENTS.ZAR"
  VERBATIM)
list(APPEND ZARN_DATA_OUTPUTS ${ZARN_BIN_DIR}/ELEMENTS.ZAR)
