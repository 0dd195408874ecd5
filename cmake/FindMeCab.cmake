# SPDX-License-Identifier: GPL-3.0-or-later
# MeCab, the Japanese morphological analyser (Debian: libmecab-dev). It ships no pkg-config
# file; mecab-config, where installed, says where it put the header and the library.
# Defines MeCab::MeCab.
find_program(MECAB_CONFIG mecab-config)
if(MECAB_CONFIG)
  execute_process(COMMAND ${MECAB_CONFIG} --inc-dir OUTPUT_VARIABLE _mecab_inc
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  execute_process(COMMAND ${MECAB_CONFIG} --libs-only-L OUTPUT_VARIABLE _mecab_lib
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  string(REGEX REPLACE "^-L" "" _mecab_lib "${_mecab_lib}")
endif()
find_path(MECAB_INCLUDE_DIR mecab.h HINTS ${_mecab_inc})
find_library(MECAB_LIBRARY mecab HINTS ${_mecab_lib})

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(MeCab REQUIRED_VARS MECAB_LIBRARY MECAB_INCLUDE_DIR)
mark_as_advanced(MECAB_CONFIG MECAB_INCLUDE_DIR MECAB_LIBRARY)

if(MeCab_FOUND AND NOT TARGET MeCab::MeCab)
  add_library(MeCab::MeCab UNKNOWN IMPORTED)
  set_target_properties(MeCab::MeCab PROPERTIES
    IMPORTED_LOCATION "${MECAB_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${MECAB_INCLUDE_DIR}")
endif()
