# Fails when an include points up the layers: core and cli may not include anything of ui,
# core may not include cli, and neither core nor cli may include a Qt Widgets header (core is
# the windowless logic, and the command-line forms run before any QApplication exists).
# Run as: cmake -DSOURCE_DIR=<src> -DWIDGETS_DIR=<QtWidgets include folder> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT IS_DIRECTORY "${SOURCE_DIR}/core" OR NOT IS_DIRECTORY "${WIDGETS_DIR}")
    message(FATAL_ERROR "CheckLayers.cmake needs SOURCE_DIR and WIDGETS_DIR")
endif()

# Every class header Qt Widgets installs (QWidget, QDialog, QApplication, ...), plus the module
# header itself.
file(GLOB widget_headers RELATIVE "${WIDGETS_DIR}" "${WIDGETS_DIR}/Q*")
list(FILTER widget_headers EXCLUDE REGEX "\\.")
list(APPEND widget_headers QtWidgets)

set(violations "")
function(check_folder folder forbidden_regex reason)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1"
                   target "${line}")
            set(bad FALSE)
            if(target MATCHES "${forbidden_regex}")
                set(bad TRUE)
            endif()
            string(REGEX REPLACE "^QtWidgets/" "" widget_name "${target}")
            if(widget_name IN_LIST widget_headers)
                set(bad TRUE)
            endif()
            if(bad)
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
                list(APPEND violations "${shown}: ${line} (${reason})")
            endif()
        endforeach()
    endforeach()
    set(violations "${violations}" PARENT_SCOPE)
endfunction()

check_folder(core "^(\\.\\./)*(ui|cli)/" "core sits below cli and ui, without widgets")
check_folder(cli "^(\\.\\./)*ui/" "cli sits on core alone, without widgets")

if(violations)
    list(JOIN violations "\n  " shown)
    message(FATAL_ERROR "Includes against the layers:\n  ${shown}")
endif()
list(LENGTH widget_headers count)
message(STATUS "Layers hold (checked against ${count} Qt Widgets headers)")
