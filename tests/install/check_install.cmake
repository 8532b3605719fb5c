# cmake -DBUILD_DIR=... -DSTAGE=... -DSOURCE_DIR=... -DAPP_ID=... -DVERSION=...
#       -P check_install.cmake
#
# Installs BUILD_DIR with prefix /usr into the staging folder STAGE (emptied
# first) and checks the result. Every failed check is reported; the script
# fails once at the end if there was any.

cmake_minimum_required(VERSION 3.25)

foreach(var BUILD_DIR STAGE SOURCE_DIR APP_ID VERSION)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

set(failures "")
macro(fail text)
    string(APPEND failures "  ${text}\n")
endmacro()

# ------------------------------------------------------------------ install

file(REMOVE_RECURSE "${STAGE}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()
set(root "${STAGE}/usr")

# ----------------------------------------------------------------- file set
# Everything lands in the places a desktop and a package manager look in:
# nothing outside them (a test program, a static library, a header).

file(GLOB_RECURSE everything LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
foreach(file IN LISTS everything)
    if(NOT file MATCHES "^usr/(bin/[^/]+|share/applications/[^/]+\\.desktop|share/metainfo/[^/]+\\.metainfo\\.xml|share/icons/hicolor/[^/]+/apps/[^/]+|share/man/man1/[^/]+\\.1)$")
        fail("installed where nothing of the program belongs: ${file}")
    endif()
endforeach()

# The console tool is installed beside the program and reads with no display.
set(reading_tool "${root}/bin/azivoder-reading")
if(NOT EXISTS "${reading_tool}")
    fail("azivoder-reading is not installed beside the program")
else()
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                "${reading_tool}" --seed 1 --format json
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "\"castings\"")
        fail("the installed azivoder-reading did not read (${rc}): ${err}")
    endif()
endif()

set(desktop "${root}/share/applications/${APP_ID}.desktop")
set(metainfo "${root}/share/metainfo/${APP_ID}.metainfo.xml")
foreach(file IN ITEMS "${desktop}" "${metainfo}")
    if(NOT EXISTS "${file}")
        message(FATAL_ERROR "not installed: ${file}\ninstalled:\n${everything}")
    endif()
endforeach()

# -------------------------------------------------------------- menu entry

file(STRINGS "${desktop}" entry_lines REGEX "^[A-Za-z]+=")
foreach(line IN LISTS entry_lines)
    string(REGEX MATCH "^([A-Za-z]+)=(.*)$" _ "${line}")
    set(entry_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()

# The Exec line starts a program that was installed with it, by name.
string(REGEX REPLACE " .*" "" exec_name "${entry_Exec}")
set(program "${root}/bin/${exec_name}")
if(exec_name STREQUAL "" OR exec_name MATCHES "/" OR NOT EXISTS "${program}")
    fail("Exec=${entry_Exec} does not name an installed program")
    set(program "")
endif()

# Qt names the X11 window class after the application name, which the program
# leaves at the executable's name; docks match windows to entries by it.
if(NOT entry_StartupWMClass STREQUAL exec_name)
    fail("StartupWMClass=${entry_StartupWMClass}, but the windows' class is ${exec_name}")
endif()

# The benchmark's first-frame probe is not part of what is shipped.
if(program)
    file(STRINGS "${program}" probe_names REGEX "AZIVODER_BENCH_PROBE")
    if(probe_names)
        fail("${exec_name} carries the benchmark probe")
    endif()
endif()

# Every installed command has its manual page, the program and the tool.
file(GLOB commands RELATIVE "${root}/bin" "${root}/bin/*")
foreach(command IN LISTS commands)
    if(NOT EXISTS "${root}/share/man/man1/${command}.1")
        fail("no manual page for ${command}")
    endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(NOT DESKTOP_FILE_VALIDATE)
    fail("desktop-file-validate is not installed (desktop-file-utils)")
else()
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
        fail("desktop-file-validate (${rc}):\n${out}")
    endif()
endif()

# -------------------------------------------------------------------- icons
# The entry's icon in every size a desktop asks for, each picture as large
# as its folder says, and the scalable one; the sizes the windows carry are
# the very pictures embedded in the program.

function(png_size file out)
    file(READ "${file}" header HEX LIMIT 24)
    if(NOT header MATCHES "^89504e470d0a1a0a........49484452(........)(........)")
        set(${out} "not a PNG" PARENT_SCOPE)
        return()
    endif()
    math(EXPR width "0x${CMAKE_MATCH_1}")
    math(EXPR height "0x${CMAKE_MATCH_2}")
    set(${out} "${width}x${height}" PARENT_SCOPE)
endfunction()

set(theme "${root}/share/icons/hicolor")
file(GLOB pngs "${theme}/*/apps/${entry_Icon}.png")
set(sizes "")
foreach(png IN LISTS pngs)
    string(REGEX MATCH "/([0-9]+x[0-9]+)/apps/[^/]+$" _ "${png}")
    png_size("${png}" actual)
    if(NOT actual STREQUAL CMAKE_MATCH_1)
        fail("${png} is ${actual}")
    endif()
    list(APPEND sizes "${CMAKE_MATCH_1}")
endforeach()
foreach(size 16 24 32 48 64 128 256)
    if(NOT "${size}x${size}" IN_LIST sizes)
        fail("no ${size}x${size} icon named ${entry_Icon} (found: ${sizes})")
    endif()
endforeach()
if(NOT EXISTS "${theme}/scalable/apps/${entry_Icon}.svg")
    fail("no scalable icon named ${entry_Icon}")
endif()

file(GLOB embedded "${SOURCE_DIR}/resources/icons/*.png")
foreach(png IN LISTS embedded)
    png_size("${png}" size)
    set(theme_png "${theme}/${size}/apps/${entry_Icon}.png")
    if(EXISTS "${theme_png}")
        # Both are the one committed file, installed as it is: a copy, so
        # byte for byte, on any machine.
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${png}" "${theme_png}"
                        RESULT_VARIABLE differs)
        if(differs)
            fail("the ${size} theme icon differs from the windows' ${png}")
        endif()
    endif()
endforeach()

# ---------------------------------------------------------------- metainfo

file(READ "${metainfo}" xml)
string(REGEX MATCH "<id>([^<]*)</id>" _ "${xml}")
if(NOT CMAKE_MATCH_1 STREQUAL APP_ID)
    fail("metainfo id is '${CMAKE_MATCH_1}'")
endif()
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${xml}")
if(NOT CMAKE_MATCH_1 STREQUAL "${APP_ID}.desktop")
    fail("metainfo launches '${CMAKE_MATCH_1}', the entry is ${APP_ID}.desktop")
endif()
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${xml}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
    fail("newest release in the metainfo is '${CMAKE_MATCH_1}', the project is ${VERSION}")
endif()

find_program(APPSTREAMCLI appstreamcli)
if(NOT APPSTREAMCLI)
    fail("appstreamcli is not installed (appstream)")
else()
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${metainfo}"
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        fail("appstreamcli validate --no-net (${rc}):\n${out}")
    endif()
endif()

# ------------------------------------------------------------- command line
# The installed program answers with no display at all (as over SSH), before
# it takes its single-instance lock or reads its settings: both would go
# into the empty folders given to it here.

set(home "${STAGE}/home")
set(runtime "${STAGE}/runtime")
file(MAKE_DIRECTORY "${home}/.config" "${runtime}")
file(CHMOD "${runtime}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# run_program(<arguments>...): sets rc, out and err.
macro(run_program)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
                HOME=${home} XDG_CONFIG_HOME=${home}/.config XDG_RUNTIME_DIR=${runtime}
                ${program} ${ARGN}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
endmacro()

if(program)
    foreach(option --version -v)
        run_program(${option})
        if(NOT rc EQUAL 0 OR NOT out STREQUAL "${entry_Name} ${VERSION}\n" OR NOT err STREQUAL "")
            fail("${option}: exit ${rc}, wanted 0 and '${entry_Name} ${VERSION}' alone:\n${out}${err}")
        endif()
    endforeach()

    foreach(option --help -h)
        run_program(${option})
        if(NOT rc EQUAL 0 OR NOT out MATCHES "^Usage: [^\n]*${exec_name} \\[options\\]\n"
           OR NOT out MATCHES "--help" OR NOT out MATCHES "--version" OR NOT err STREQUAL "")
            fail("${option}: exit ${rc}, wanted 0 and the usage on standard output:\n${out}${err}")
        endif()
    endforeach()

    # A usage error: one line that names the culprit, then the usage, all on
    # standard error, and exit code 2.
    foreach(wrong --no-such-option -x stray)
        run_program(${wrong})
        string(REGEX REPLACE "^-+" "" culprit "${wrong}")
        if(NOT rc EQUAL 2 OR NOT out STREQUAL ""
           OR NOT err MATCHES "^${exec_name}: [^\n]*'${culprit}'[^\n]*\nUsage: [^\n]*${exec_name} \\[options\\]\n")
            fail("${wrong}: exit ${rc}, wanted 2 and error plus usage on standard error:\nstdout: ${out}\nstderr: ${err}")
        endif()
    endforeach()

    file(GLOB_RECURSE touched "${home}/*" "${runtime}/*")
    if(touched)
        fail("answering the command line left files behind: ${touched}")
    endif()
endif()

if(NOT failures STREQUAL "")
    message(FATAL_ERROR "The installation has faults:\n${failures}")
endif()
list(LENGTH everything count)
message(STATUS "${count} files installed and checked in ${STAGE}")
