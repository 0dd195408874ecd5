# SPDX-License-Identifier: GPL-3.0-or-later
# Copies every file of SOURCE_DIR into TARGET_DIR where TARGET_DIR has no file of that name.
file(MAKE_DIRECTORY "${TARGET_DIR}")
file(GLOB samples LIST_DIRECTORIES false "${SOURCE_DIR}/*")
foreach(sample ${samples})
  get_filename_component(name "${sample}" NAME)
  if(NOT EXISTS "${TARGET_DIR}/${name}")
    file(COPY "${sample}" DESTINATION "${TARGET_DIR}")
    message(STATUS "Placed ${name}")
  endif()
endforeach()

if(NOT EXISTS "${TARGET_DIR}/portable")
  file(WRITE "${TARGET_DIR}/portable"
    "Yomiwa keeps its collections and comments in the folder that holds this file.\n")
endif()
