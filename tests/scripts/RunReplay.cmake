# SPDX-FileCopyrightText: 2026 The Drobix developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one replay script with its own data folder and compares standard output with the
# expected file. NAME.dat, when present, is the data file the program starts with; NAME.status,
# when present, holds the expected exit status (0 otherwise); NAME.toml, when present, is the
# settings file it starts with; NAME.end.dat, when present, is the data file the run must leave
# behind, byte for byte. With LANGUAGE set, the script runs in that language (a first line
# "setting language LANGUAGE") and its output is compared with the same expected file.
get_filename_component(name ${SCRIPT} NAME_WE)
get_filename_component(folder ${SCRIPT} DIRECTORY)
set(run_name ${name})
set(script ${SCRIPT})
if(DEFINED LANGUAGE)
    set(run_name ${name}-${LANGUAGE})
    file(READ ${SCRIPT} text)
    set(script ${WORK_DIR}/${run_name}.replay)
    file(WRITE ${script} "setting language ${LANGUAGE}\n${text}")
endif()
set(data_home ${WORK_DIR}/${run_name}-data)
file(REMOVE_RECURSE ${data_home})
file(MAKE_DIRECTORY ${data_home})
set(ENV{XDG_DATA_HOME} ${data_home})
set(ENV{XDG_CONFIG_HOME} ${data_home}/config)
if(EXISTS ${folder}/${name}.toml)
    configure_file(${folder}/${name}.toml ${data_home}/config/drobix/settings.toml COPYONLY)
endif()
if(EXISTS ${folder}/${name}.dat)
    configure_file(${folder}/${name}.dat ${data_home}/Quillbeam/Drobix/Drobix.dat COPYONLY)
endif()
execute_process(
    COMMAND ${REPLAY} ${script}
    WORKING_DIRECTORY ${WORK_DIR}
    OUTPUT_VARIABLE actual
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
set(expected_status 0)
if(EXISTS ${folder}/${name}.status)
    file(READ ${folder}/${name}.status expected_status)
    string(STRIP "${expected_status}" expected_status)
endif()
file(READ ${folder}/${name}.expected expected)
if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "output differs\n--- expected\n${expected}--- actual\n${actual}")
endif()
set(end_data ${folder}/${name}.end.dat)
if(EXISTS ${end_data})
    set(left ${data_home}/Quillbeam/Drobix/Drobix.dat)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${end_data} ${left}
        RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
    if(differs)
        file(READ ${end_data} wanted HEX)
        set(found "none")
        if(EXISTS ${left})
            file(READ ${left} found HEX)
        endif()
        message(FATAL_ERROR "the data file differs\n--- expected\n${wanted}\n--- left\n${found}")
    endif()
endif()
