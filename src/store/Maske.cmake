# SPDX-License-Identifier: GPL-3.0-or-later
# The template database "mask_CodeBrindle.mdb", built from schema.sql by a
# small generator on the SQLite C API (no sqlite3 program needed), placed
# beside the executables and installed with the program's other data.
add_executable(cb_maske_erzeugen "${CMAKE_SOURCE_DIR}/tools/maske/MaskeErzeugen.cpp")
target_link_libraries(cb_maske_erzeugen PRIVATE cb_warnings SQLite::SQLite3)
# The generator is a build tool, not part of the program's folder.
set_target_properties(cb_maske_erzeugen PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tools")

set(CB_MASKE "${CB_DATA_BUILD_DIR}/mask_CodeBrindle.mdb")
add_custom_command(
  OUTPUT "${CB_MASKE}"
  COMMAND cb_maske_erzeugen "${CMAKE_CURRENT_LIST_DIR}/schema.sql" "${CB_MASKE}"
  DEPENDS cb_maske_erzeugen "${CMAKE_CURRENT_LIST_DIR}/schema.sql"
  COMMENT "Generating mask_CodeBrindle.mdb"
  VERBATIM)
add_custom_target(cb_maske ALL DEPENDS "${CB_MASKE}")
# Everything that opens a project needs the template beside it.
add_dependencies(cb_store cb_maske)
install(FILES "${CB_MASKE}" DESTINATION "${CB_DATA_INSTALL_DIR}")
