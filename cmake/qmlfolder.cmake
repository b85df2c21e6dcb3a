# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# tapalong_qml_folder(<target> SOURCES <c++ files...> QML_FILES <qml files...>)
# Adds the calling folder's files to a QML module made of several folders. Its QML files keep
# their bare names in the module, so that they find one another as they would in one folder
# and nothing that imports the module learns which folder a file sits in. The folders are
# include()d, not add_subdirectory()'d: Qt 6.4 compiles a module's QML only for files added in
# the module's own CMake directory.
function(tapalong_qml_folder target)
  cmake_parse_arguments(F "" "" "SOURCES;QML_FILES" ${ARGN})
  set(dir ${CMAKE_CURRENT_LIST_DIR})
  list(TRANSFORM F_SOURCES PREPEND ${dir}/)
  target_sources(${target} PRIVATE ${F_SOURCES})
  target_include_directories(${target} PUBLIC ${dir})
  set(qml_files)
  foreach(file IN LISTS F_QML_FILES)
    set_source_files_properties(${dir}/${file} PROPERTIES QT_RESOURCE_ALIAS ${file})
    list(APPEND qml_files ${dir}/${file})
  endforeach()
  if(qml_files)
    qt_target_qml_sources(${target} QML_FILES ${qml_files})
  endif()
endfunction()

# tapalong_include_qml_folders()
# Includes the sources.cmake of every folder of the calling directory that has one, so that a
# new folder joins the module by itself.
function(tapalong_include_qml_folders)
  file(GLOB folders CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/sources.cmake)
  foreach(folder IN LISTS folders)
    include(${folder})
  endforeach()
endfunction()
